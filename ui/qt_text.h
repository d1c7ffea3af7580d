#pragma once
// Conversions between the logic's values and Qt's: CP932 texts, colours and
// fonts (the settings name Windows fonts; their metric twins are installed).

#include "colour.h"
#include "font.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>

class QWidget;

QString fromCp932(const std::string& bytes);
QString fromUtf8(const std::string& utf8);
std::string toUtf8(const QString& text);
// Typed text: characters CP932 cannot carry become NUL (never a right answer).
std::string typedToCp932(const QString& text);

QColor toQColor(Colour colour);
// A widget's background and text colours, in the palette roles it paints with.
void setColours(QWidget* widget, QPalette::ColorRole background, Colour backgroundColour,
                QPalette::ColorRole text, Colour textColour);
Colour fromQColor(const QColor& colour);

// The installed family that stands in for a font name of the settings.
QString familyFor(const std::string& cp932Name);
// The settings name for an installed family (the reverse of familyFor).
std::string settingsNameFor(const QString& family);

// Sizes are points at 96 dpi, so the pixel size is fixed whatever the screen.
QFont toQFont(const Font& font, double scale = 1.0);
Font fromQFont(const QFont& font, Colour colour);
