#include "qt_text.h"

#include "classic_look.h"
#include "cp932.h"

#include <QWidget>
#include <cmath>

QString fromCp932(const std::string& bytes) {
    return QString::fromStdString(cp932::decode(bytes));
}
QString fromUtf8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
std::string toUtf8(const QString& text) {
    return text.toStdString();
}
std::string typedToCp932(const QString& text) {
    return cp932::encodeTyped(text.toStdString());
}

QColor toQColor(Colour c) {
    return classic::color(c);
}

Colour fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

QString familyFor(const std::string& cp932Name) {
    return classic::family(QString::fromStdString(cp932::decode(cp932Name)));
}

std::string settingsNameFor(const QString& family) {
    auto encoded = cp932::encode(classic::windowsName(family).toStdString());
    return encoded ? *encoded : cp932::sj("ＭＳ Ｐゴシック");
}

QFont toQFont(const Font& f, double scale) {
    QFont q(familyFor(f.name));
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelsFromPoints(f.size) * scale))));
    q.setBold(f.style & fontstyle::Bold);
    q.setItalic(f.style & fontstyle::Italic);
    q.setUnderline(f.style & fontstyle::Underline);
    q.setStrikeOut(f.style & fontstyle::StrikeOut);
    return q;
}

Font fromQFont(const QFont& q, Colour colour) {
    Font f;
    f.name = settingsNameFor(q.family());
    if (q.pixelSize() > 0) {
        f.size = pointsFromPixels(q.pixelSize());
    } else {
        f.size = static_cast<int>(std::lround(q.pointSizeF()));
    }
    f.color = colour;
    f.style = static_cast<std::uint8_t>(
        (q.bold() ? fontstyle::Bold : 0) | (q.italic() ? fontstyle::Italic : 0) |
        (q.underline() ? fontstyle::Underline : 0) | (q.strikeOut() ? fontstyle::StrikeOut : 0));
    return f;
}

void setColours(QWidget* widget, QPalette::ColorRole background, Colour backgroundColour,
                QPalette::ColorRole text, Colour textColour) {
    QPalette p = widget->palette();
    p.setColor(background, toQColor(backgroundColour));
    p.setColor(text, toQColor(textColour));
    widget->setPalette(p);
}
