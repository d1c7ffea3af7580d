#pragma once
// The window's backdrop: a vertical gradient from navy at the top to light
// sky blue at the bottom, a 640 x 400 picture stretched over the top 347
// pixels of the window. The mark and erase bitmaps are painted in the same
// colours as the rows of the window they cover, so erasing leaves no trace.

#include <QColor>
#include <QImage>

constexpr int BackdropWidth = 640;
constexpr int BackdropHeight = 400;
constexpr int BackdropShownHeight = 347; // window pixels the picture is stretched over

// Colour at fraction t of the height (0 top, 1 bottom).
QColor backdropColour(double t);

// Colour of the stretched backdrop at row y of the window.
QColor backdropAtWindowRow(int y);

QImage drawBackdrop();
