#pragma once
// Building blocks of the small windows: classic labels at fixed places, the
// logo picture, the classic window face and screen centring.

#include "colour.h"

#include <QFont>
#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QString>

#include <filesystem>

namespace formkit {

// A label sized to its text, at `at`.
QLabel* label(QWidget* parent, const QString& text, QPoint at, const QFont& font, Colour colour);

// A label of fixed size; its text is centred when it is shorter.
QLabel* fixedLabel(QWidget* parent, const QString& text, const QRect& place, const QFont& font,
                   Colour colour, bool wordWrap);

// The program's logo from the program folder, stretched over `place`; a
// missing picture leaves the place blank.
QLabel* logo(QWidget* parent, const std::filesystem::path& programDir, const QRect& place);

// The classic face: clBtnFace background, black text and the given font.
void classicFace(QWidget* window, const QFont& font, Colour text = colours::Black);

// Places a top-level window in the middle of its screen.
void centreOnScreen(QWidget* window);

} // namespace formkit
