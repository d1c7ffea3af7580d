#include "frame_3d.h"

void frame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight,
             int width) {
    for (int ring = 0; ring < width && rect.width() > 0 && rect.height() > 0; ++ring) {
        const int left = rect.left();
        const int top = rect.top();
        const int right = rect.right();
        const int bottom = rect.bottom();
        // The bottom and right edges own the corners they meet.
        painter.fillRect(QRect(left, top, 1, bottom - top), topLeft);
        painter.fillRect(QRect(left, top, right - left, 1), topLeft);
        painter.fillRect(QRect(right, top, 1, bottom - top + 1), bottomRight);
        painter.fillRect(QRect(left, bottom, right - left + 1, 1), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}
