#include "toolbar_glyphs.h"

#include "paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace {

struct TileShades {
    QColor top, bottom, edge, textShadow;
};

TileShades shadesOf(TileColour colour) {
    if (colour == TileColour::Green) {
        return {QColor(110, 205, 120), QColor(25, 135, 55), QColor(10, 85, 30), QColor(5, 70, 25)};
    }
    return {QColor(105, 160, 255), QColor(25, 70, 205), QColor(10, 35, 130), QColor(5, 25, 100)};
}

const QRectF TileBox(0.5, 0.5, GlyphWidth - 1.0, GlyphHeight - 1.0);

void drawTile(QPainter& p, TileColour colour) {
    const TileShades s = shadesOf(colour);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, GlyphHeight);
    fill.setColorAt(0, s.top);
    fill.setColorAt(1, s.bottom);
    p.setPen(QPen(s.edge, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(TileBox, 5, 5);
    // A soft shine on the upper half.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 55));
    p.drawRoundedRect(QRectF(2.5, 2, GlyphWidth - 5.0, GlyphHeight / 2.0 - 2), 4, 4);
}

} // namespace

QImage drawLabelGlyph(const QString& label, TileColour colour) {
    QImage image = transparentCanvas(GlyphWidth, GlyphHeight);
    QPainter p(&image);
    drawTile(p, colour);
    // Three kana fill the tile at 12 pixels; two may be larger.
    const int size = label.size() >= 3 ? 12 : 15;
    drawCentredText(p, TileBox.adjusted(0, 0, 0, -1), label, gothicFont(size, true), Qt::white,
                    shadesOf(colour).textShadow);
    return image;
}

QImage drawArrowGlyph(bool pointsLeft) {
    QImage image = transparentCanvas(GlyphWidth, GlyphHeight);
    QPainter p(&image);
    drawTile(p, TileColour::Blue);
    const double dir = pointsLeft ? -1.0 : 1.0;
    const double cx = GlyphWidth / 2.0;
    const double cy = GlyphHeight / 2.0;
    QPolygonF arrow;
    for (QPointF pt : {QPointF(-11, -3), QPointF(1, -3), QPointF(1, -9), QPointF(11, 0),
                       QPointF(1, 9), QPointF(1, 3), QPointF(-11, 3)}) {
        arrow << QPointF(cx + dir * pt.x(), cy + pt.y());
    }
    p.setPen(Qt::NoPen);
    p.setBrush(shadesOf(TileColour::Blue).textShadow);
    p.drawPolygon(arrow.translated(1, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    return image;
}

QImage drawClearGlyph() {
    QImage image = transparentCanvas(ClearGlyphSize, ClearGlyphSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ball(QPointF(4, 4), 7);
    ball.setColorAt(0, QColor(255, 235, 200));
    ball.setColorAt(0.35, QColor(255, 150, 60));
    ball.setColorAt(1, QColor(200, 60, 20));
    p.setPen(QPen(QColor(130, 40, 10), 1.0));
    p.setBrush(ball);
    p.drawEllipse(QRectF(0.5, 0.5, ClearGlyphSize - 1.0, ClearGlyphSize - 1.0));
    return image;
}
