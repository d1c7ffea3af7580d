#include "paint_kit.h"

#include <QFontDatabase>

#include <algorithm>
#include <stdexcept>

namespace {
const char* const GothicFamily = "IPAPGothic";
const char* const MinchoFamily = "IPAPMincho";
} // namespace

void requireIpaFonts() {
    const QStringList families = QFontDatabase::families();
    for (const char* family : {GothicFamily, MinchoFamily}) {
        if (!families.contains(QString::fromLatin1(family))) {
            throw std::runtime_error(std::string("font ") + family +
                                     " not found: install fonts-ipafont-gothic and "
                                     "fonts-ipafont-mincho (scripts/install-deps)");
        }
    }
}

QFont gothicFont(int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(GothicFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

namespace {
int canvasScale = 1;

QImage scaledCanvas(int width, int height) {
    QImage image(width * canvasScale, height * canvasScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(canvasScale);
    return image;
}
} // namespace

void setCanvasScale(int scale) {
    canvasScale = scale;
}

QImage transparentCanvas(int width, int height) {
    QImage image = scaledCanvas(width, height);
    image.fill(Qt::transparent);
    return image;
}

QImage filledCanvas(int width, int height, const QColor& fill) {
    QImage image = scaledCanvas(width, height);
    image.fill(fill);
    return image;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

void drawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour, const QColor& shadow) {
    p.save();
    p.setFont(font);
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(box.translated(1, 1), Qt::AlignCenter, text);
    }
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}
