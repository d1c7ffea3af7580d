#include "gradation_fill.h"

#include <cstring>

namespace gradation {
namespace {

void writePixel(uchar* pixel, Colour from, Colour to, double t) {
    const Colour c = colourAt(from, to, t);
    pixel[0] = static_cast<uchar>(redOf(c));
    pixel[1] = static_cast<uchar>(greenOf(c));
    pixel[2] = static_cast<uchar>(blueOf(c));
}

double step(int i, int extent) {
    return extent > 1 ? static_cast<double>(i) / (extent - 1) : 0.0;
}

} // namespace

int channelAt(int a, int b, double t) {
    return static_cast<int>(a + (b - a) * t);
}

Colour colourAt(Colour a, Colour b, double t) {
    a = resolveColour(a);
    b = resolveColour(b);
    return rgb(channelAt(redOf(a), redOf(b), t), channelAt(greenOf(a), greenOf(b), t),
               channelAt(blueOf(a), blueOf(b), t));
}

void fill(QImage& bitmap, Colour from, Colour to, bool vertical) {
    Q_ASSERT(bitmap.format() == QImage::Format_RGB888);
    const int w = bitmap.width();
    const int h = bitmap.height();
    if (w <= 0 || h <= 0) {
        return;
    }
    if (vertical) {
        for (int y = 0; y < h; ++y) {
            uchar* row = bitmap.scanLine(y);
            writePixel(row, from, to, step(y, h));
            // The first column stretched across the row.
            for (int x = 1; x < w; ++x) {
                std::memcpy(row + 3 * x, row, 3);
            }
        }
        return;
    }
    uchar* first = bitmap.scanLine(0);
    for (int x = 0; x < w; ++x) {
        writePixel(first + 3 * x, from, to, step(x, w));
    }
    for (int y = 1; y < h; ++y) {
        std::memcpy(bitmap.scanLine(y), first, static_cast<std::size_t>(w) * 3);
    }
}

} // namespace gradation
