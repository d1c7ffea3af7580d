#include "emblem_pictures.h"

#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

// The tile both the logo and the icon stand on: navy to sky blue, the
// colours of the window.
void drawEmblemTile(QPainter& p, const QRectF& box, double radius) {
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(20, 40, 150));
    fill.setColorAt(1, QColor(90, 170, 240));
    p.setPen(QPen(QColor(10, 20, 90), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(box, radius, radius);
}

} // namespace

QImage drawLogo() {
    QImage image = transparentCanvas(LogoSize, LogoSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawEmblemTile(p, QRectF(2.5, 2.5, LogoSize - 5.0, LogoSize - 5.0), 14);
    // A bright disc carrying the first kana of the name.
    p.setPen(QPen(QColor(255, 200, 40), 3.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 40), 27, 27);
    drawCentredText(p, QRectF(23, 12, 54, 56), QStringLiteral("ぽ"), gothicFont(44, true),
                    QColor(25, 60, 180));
    drawCentredText(p, QRectF(0, 68, LogoSize, 14), QStringLiteral("ぽとらん"),
                    gothicFont(14, true), Qt::white, QColor(10, 20, 80));
    drawCentredText(p, QRectF(0, 82, LogoSize, 13), QStringLiteral("for TOEIC"),
                    gothicFont(12, true), QColor(255, 225, 90), QColor(10, 20, 80));
    return image;
}

QImage drawIcon(int size) {
    QImage image = transparentCanvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(static_cast<double>(size) / IconSize, static_cast<double>(size) / IconSize);
    drawEmblemTile(p, QRectF(0.5, 0.5, IconSize - 1.0, IconSize - 1.0), 6);
    p.setPen(QPen(QColor(255, 200, 40), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
    drawCentredText(p, QRectF(3, 2, 26, 28), QStringLiteral("ぽ"), gothicFont(20, true),
                    QColor(25, 60, 180));
    return image;
}

QImage drawMenuPicture() {
    // A bear cub's face.
    QImage image = transparentCanvas(MenuPictureWidth, MenuPictureHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fur(170, 110, 60);
    const QColor furEdge(100, 60, 25);
    const QColor muzzle(240, 215, 175);
    const QPointF face(28.5, 38);

    p.setPen(QPen(furEdge, 1.5));
    p.setBrush(fur);
    for (double side : {-1.0, 1.0}) {
        p.drawEllipse(QPointF(face.x() + side * 17, 17), 8.5, 8.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 160, 140));
    for (double side : {-1.0, 1.0}) {
        p.drawEllipse(QPointF(face.x() + side * 17, 17.5), 4.5, 4.5);
    }
    p.setPen(QPen(furEdge, 1.5));
    p.setBrush(fur);
    p.drawEllipse(face, 25, 23);

    p.setPen(Qt::NoPen);
    p.setBrush(muzzle);
    p.drawEllipse(QPointF(face.x(), face.y() + 9), 12, 9);
    p.setBrush(QColor(255, 150, 150, 150));
    for (double side : {-1.0, 1.0}) {
        p.drawEllipse(QPointF(face.x() + side * 16, face.y() + 7), 4, 2.8);
    }
    p.setBrush(QColor(25, 15, 10));
    for (double side : {-1.0, 1.0}) {
        p.drawEllipse(QPointF(face.x() + side * 9, face.y() - 4), 3, 3.5);
    }
    p.setBrush(Qt::white);
    for (double side : {-1.0, 1.0}) {
        p.drawEllipse(QPointF(face.x() + side * 9 + 1, face.y() - 5.3), 1.1, 1.1);
    }
    p.setBrush(QColor(40, 25, 20));
    p.drawEllipse(QPointF(face.x(), face.y() + 4.5), 4.2, 3);
    QPainterPath smile(QPointF(face.x() - 5, face.y() + 11));
    smile.quadTo(QPointF(face.x() - 2.5, face.y() + 14), QPointF(face.x(), face.y() + 11));
    smile.quadTo(QPointF(face.x() + 2.5, face.y() + 14), QPointF(face.x() + 5, face.y() + 11));
    p.setPen(QPen(QColor(40, 25, 20), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(face.x(), face.y() + 7), QPointF(face.x(), face.y() + 11));
    p.drawPath(smile);
    return image;
}
