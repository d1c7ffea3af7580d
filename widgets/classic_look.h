#pragma once
// Colours and fonts of the small windows, named as the settings and the
// layouts name them: colour values (system colours included) and Windows font
// names, mapped onto the installed metric twins.

#include "colour.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace classic {

QColor color(Colour colour);

// The installed family standing in for a Windows font name (UTF-8).
QString family(const QString& windowsName);
// The Windows name an installed family stands in for (the reverse of family);
// a family that stands in for none keeps its own name.
QString windowsName(const QString& installedFamily);

// A font of the given character height in pixels; style bits as the
// settings store them (1 bold, 2 italic, 4 underline, 8 strike-out).
QFont font(const QString& windowsName, int pixels, int style = 0);

// The default font of the small windows: "ＭＳ Ｐゴシック", 12 px.
QFont uiFont();

// Makes the default font of the program, for its message boxes and standard
// dialogs too, the one its small windows use (uiFont), as Windows shows
// its boxes in its Japanese UI font. Japanese text in a Latin face is drawn
// with the Japanese face Windows associates with it. And every font, unless it says
// otherwise, uses the font's own TrueType hinting, as Windows draws these
// fonts: Qt's default here is the auto-hinter, which on opening a CJK font
// analyses a hundred of its glyphs first, about 2 MiB of font file and heap
// and some time for each of the four Japanese fonts.
void useClassicFonts();

// Qt's Japanese translation, so the standard dialogs (files, fonts, colours)
// speak Japanese too; false when it is not installed.
bool useJapaneseDialogs();

} // namespace classic
