#include "marks.h"

#include "backdrop.h"

namespace {

// '#' is the mark colour, '.' the backdrop behind the row.
QImage drawPattern(const char* const rows[MarkHeight], int windowY, const QColor& ink) {
    QImage image(MarkWidth, MarkHeight, QImage::Format_RGB32);
    for (int y = 0; y < MarkHeight; ++y) {
        const QRgb behind = backdropAtWindowRow(windowY + y).rgb();
        for (int x = 0; x < MarkWidth; ++x) {
            image.setPixel(x, y, rows[y][x] == '#' ? ink.rgb() : behind);
        }
    }
    return image;
}

} // namespace

QImage drawRightMark() {
    static const char* const ring[MarkHeight] = {
        ".##..", //
        "#..#.", //
        "#..#.", //
        "#..#.", //
        "#..#.", //
        ".##..", //
    };
    return drawPattern(ring, RightRowY, QColor(70, 160, 255));
}

QImage drawWrongMark() {
    static const char* const cross[MarkHeight] = {
        "#..#.", //
        "#..#.", //
        ".##..", //
        ".##..", //
        "#..#.", //
        "#..#.", //
    };
    return drawPattern(cross, WrongRowY, QColor(255, 60, 60));
}

QImage drawEraseStrip() {
    QImage image(EraseWidth, EraseHeight, QImage::Format_RGB32);
    for (int y = 0; y < EraseHeight; ++y) {
        const QRgb behind = backdropAtWindowRow(RightRowY + y).rgb();
        for (int x = 0; x < EraseWidth; ++x) {
            image.setPixel(x, y, behind);
        }
    }
    return image;
}
