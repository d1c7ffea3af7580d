#include "backdrop.h"

#include "paint_kit.h"

#include <algorithm>

namespace {
const QColor Navy(0, 0, 128);
const QColor LightSkyBlue(135, 206, 250);
} // namespace

QColor backdropColour(double t) {
    return mix(Navy, LightSkyBlue, t);
}

QColor backdropAtWindowRow(int y) {
    // Centre of window row y, mapped onto the picture's rows.
    const double pictureRow = (y + 0.5) * BackdropHeight / BackdropShownHeight - 0.5;
    return backdropColour(pictureRow / (BackdropHeight - 1));
}

QImage drawBackdrop() {
    QImage image = filledCanvas(BackdropWidth, BackdropHeight, Navy);
    for (int y = 0; y < BackdropHeight; ++y) {
        const QRgb colour = backdropColour(double(y) / (BackdropHeight - 1)).rgb();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + BackdropWidth, colour);
    }
    return image;
}
