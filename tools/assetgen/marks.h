#pragma once
// The mark rows near the top edge of the window: a right mark (blue circle)
// or a wrong mark (red cross) per answer, each row advancing 5 pixels, and
// the erase strip that wipes both rows at the start of a pass.

#include <QImage>

constexpr int RightRowY = 9;  // window row of the right marks
constexpr int WrongRowY = 16; // window row of the wrong marks
constexpr int MarkWidth = 5;  // one advance; the last column is a gap
constexpr int MarkHeight = 6;
constexpr int EraseWidth = 360; // the rows run 348 pixels plus one mark
constexpr int EraseHeight = 14; // from the right row's top to the wrong row's foot

QImage drawRightMark();
QImage drawWrongMark();

// Both erase bitmaps (wide and narrow screens) show the same backdrop rows.
QImage drawEraseStrip();
