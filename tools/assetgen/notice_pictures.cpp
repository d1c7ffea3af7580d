#include "notice_pictures.h"

#include "paint_kit.h"
#include "runner_pictures.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

void drawClock(QPainter& p, QPointF centre, double r) {
    p.setPen(QPen(QColor(60, 60, 70), 2.0));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, r, r);
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6.0;
        const double inner = i % 3 == 0 ? r - 5 : r - 3;
        p.setPen(QPen(QColor(60, 60, 70), i % 3 == 0 ? 1.6 : 1.0));
        p.drawLine(
            QPointF(centre.x() + inner * std::sin(a), centre.y() - inner * std::cos(a)),
            QPointF(centre.x() + (r - 1.5) * std::sin(a), centre.y() - (r - 1.5) * std::cos(a)));
    }
    // The hands stand at twelve: the time is up.
    p.setPen(QPen(QColor(30, 30, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre - QPointF(0, r * 0.75));
    p.setPen(QPen(QColor(220, 30, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre - QPointF(-r * 0.1, r * 0.55));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(centre, 1.8, 1.8);
}

void drawEye(QPainter& p, QPointF centre, double halfWidth, double halfHeight) {
    QPainterPath lid;
    lid.moveTo(centre.x() - halfWidth, centre.y());
    lid.quadTo(centre.x(), centre.y() - 2 * halfHeight, centre.x() + halfWidth, centre.y());
    lid.quadTo(centre.x(), centre.y() + 2 * halfHeight, centre.x() - halfWidth, centre.y());
    p.setPen(QPen(QColor(40, 40, 60), 1.8));
    p.setBrush(Qt::white);
    p.drawPath(lid);
    p.save();
    p.setClipPath(lid);
    // Looking down at the answer shown below.
    const QPointF iris = centre + QPointF(0, halfHeight * 0.35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 110, 200));
    p.drawEllipse(iris, halfHeight * 0.95, halfHeight * 0.95);
    p.setBrush(QColor(15, 20, 40));
    p.drawEllipse(iris, halfHeight * 0.45, halfHeight * 0.45);
    p.setBrush(Qt::white);
    p.drawEllipse(iris + QPointF(-halfHeight * 0.3, -halfHeight * 0.3), 1.3, 1.3);
    p.restore();
}

void drawKeyboard(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(70, 75, 90), 1.0));
    p.setBrush(QColor(150, 155, 170));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 252));
    const double key = 4.0;
    const double gap = 1.5;
    for (int row = 0; row < 3; ++row) {
        const double y = box.top() + 2.5 + row * (key + gap);
        const double indent = row * 2.0;
        for (double x = box.left() + 3 + indent; x + key <= box.right() - 2; x += key + gap) {
            p.drawRect(QRectF(x, y, key, key));
        }
    }
    // The space bar.
    p.drawRect(QRectF(box.center().x() - 10, box.bottom() - 5.5, 20, 3.5));
}

} // namespace

QImage drawTimeoutPicture() {
    QImage image = filledCanvas(ProgressWidth, ProgressHeight, QColor(255, 232, 225));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawClock(p, QPointF(36.5, 22.5), 18.5);
    p.fillRect(QRectF(0, 45, ProgressWidth, ProgressHeight - 45), QColor(205, 30, 30));
    drawCentredText(p, QRectF(0, 45, ProgressWidth, ProgressHeight - 45),
                    QStringLiteral("時間切れ"), gothicFont(15, true), Qt::white, QColor(110, 0, 0));
    return image;
}

QImage drawReadThenTypePicture() {
    QImage image = filledCanvas(ProgressWidth, ProgressHeight, QColor(255, 250, 215));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawEye(p, QPointF(19, 15), 15, 8.5);
    drawCentredText(p, QRectF(35, 4, 37, 22), QStringLiteral("見て"), gothicFont(15, true),
                    QColor(20, 50, 150));
    // An arrow from reading down to typing.
    p.setPen(QPen(QColor(230, 120, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 27), QPointF(19, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 120, 0));
    p.drawPolygon(QPolygonF({QPointF(14.5, 33), QPointF(23.5, 33), QPointF(19, 38)}));
    drawKeyboard(p, QRectF(3, 40, 33, 20));
    drawCentredText(p, QRectF(35, 36, 37, 24), QStringLiteral("打つ"), gothicFont(15, true),
                    QColor(20, 50, 150));
    return image;
}
