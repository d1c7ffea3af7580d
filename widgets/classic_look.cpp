#include "classic_look.h"

#include "font.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace classic {

QColor color(Colour colour) {
    const Colour c = resolveColour(colour);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

namespace {

struct FamilyPair {
    const char* windowsName; // UTF-8
    const char* family;
};

// Metric twins of the fonts the settings and the layouts name.
constexpr FamilyPair families[] = {
    {"ＭＳ Ｐ明朝", "IPAPMincho"}, {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ 明朝", "IPAMincho"},    {"ＭＳ ゴシック", "IPAGothic"},
    {"MSゴシック", "IPAGothic"},   {"Times New Roman", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
};

// Where the Latin faces find Japanese characters, as Windows' font
// association gives them: roman faces borrow from ＭＳ Ｐ明朝, swiss faces
// from ＭＳ Ｐゴシック. Both are loaded for the drill anyway; left to
// fontconfig, a Latin face would open a fifth Japanese font for the title.
struct Fallback {
    const char* latin;
    const char* japanese;
};
constexpr Fallback japaneseFallbacks[] = {
    {"Liberation Serif", "IPAPMincho"},
    {"Liberation Sans", "IPAPGothic"},
};

} // namespace

QString family(const QString& windowsName) {
    for (const auto& p : families) {
        if (windowsName == QString::fromUtf8(p.windowsName)) {
            return QString::fromLatin1(p.family);
        }
    }
    return windowsName;
}

QString windowsName(const QString& installedFamily) {
    for (const auto& p : families) {
        if (installedFamily.compare(QString::fromLatin1(p.family), Qt::CaseInsensitive) == 0) {
            return QString::fromUtf8(p.windowsName);
        }
    }
    return installedFamily;
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

void useClassicFonts() {
    for (const auto& p : japaneseFallbacks) {
        QFont::insertSubstitution(QString::fromLatin1(p.latin), QString::fromLatin1(p.japanese));
    }
    QFont f = uiFont();
    f.setHintingPreference(QFont::PreferFullHinting);
    QGuiApplication::setFont(f);
}

bool useJapaneseDialogs() {
    auto* japanese = new QTranslator(QCoreApplication::instance());
    if (!japanese->load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete japanese;
        return false;
    }
    QCoreApplication::installTranslator(japanese);
    return true;
}

} // namespace classic
