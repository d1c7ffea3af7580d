#include "classic_look.h"

#include "font.h"

namespace classic {

QColor color(Colour colour) {
    const Colour c = resolveColour(colour);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QString family(const QString& windowsName) {
    if (windowsName == QStringLiteral("ＭＳ Ｐゴシック")) {
        return QStringLiteral("IPAPGothic");
    }
    if (windowsName == QStringLiteral("ＭＳ ゴシック")) {
        return QStringLiteral("IPAGothic");
    }
    if (windowsName == QStringLiteral("Times New Roman")) {
        return QStringLiteral("Liberation Serif");
    }
    return windowsName;
}

QFont font(const QString& windowsName, int pixels, int style) {
    QFont f(family(windowsName));
    f.setPixelSize(pixels);
    f.setBold(style & fontstyle::Bold);
    f.setItalic(style & fontstyle::Italic);
    f.setUnderline(style & fontstyle::Underline);
    f.setStrikeOut(style & fontstyle::StrikeOut);
    return f;
}

QFont uiFont() {
    return font(QStringLiteral("ＭＳ Ｐゴシック"), 12);
}

} // namespace classic
