#include "surface_geometry.h"

#include <cmath>

namespace geometry {

namespace {

// In a window scaled to an 800-pixel screen the numbers are 20 apart on row
// 315 and the marks start at x 337.
constexpr double NarrowReferenceWidth = 800.0;
constexpr int NarrowPitch = 20;
constexpr int NarrowStripY = 315;
constexpr int NarrowMarkX = 337;

int byRatio(int value, double ratio) {
    return static_cast<int>(std::lround(value * ratio));
}

} // namespace

SurfaceOffsets surfaceOffsets(int screenWidth) {
    if (!isNarrow(screenWidth)) {
        return WideOffsets;
    }
    const double r = screenWidth / NarrowReferenceWidth;
    return {StripPitch - byRatio(NarrowPitch, r), StripRowY - byRatio(NarrowStripY, r),
            MarkX - byRatio(NarrowMarkX, r), WideOffsets.markDY};
}

} // namespace geometry
