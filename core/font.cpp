#include "font.h"

#include <cmath>

int pointsFromPixels(int px) {
    return static_cast<int>(std::lround(px * 72.0 / 96.0));
}
int pixelsFromPoints(int pt) {
    return static_cast<int>(std::lround(pt * 96.0 / 72.0));
}
