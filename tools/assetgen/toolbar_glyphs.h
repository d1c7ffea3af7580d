#pragma once
// Glyphs of the toolbar's picture buttons (40 x 30, rounded tiles with a
// transparent margin) and the small circular glyph of the results-clear
// button (11 x 11).

#include <QImage>
#include <QString>

constexpr int GlyphWidth = 40;
constexpr int GlyphHeight = 30;
constexpr int ClearGlyphSize = 11;

enum class TileColour { Blue, Green };

// A hiragana label on a tile; green marks the two buttons that leave.
QImage drawLabelGlyph(const QString& label, TileColour colour);

// A white arrow on a blue tile.
QImage drawArrowGlyph(bool pointsLeft);

QImage drawClearGlyph();
