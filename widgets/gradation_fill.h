#pragma once
// The two-colour background of a shadow label: one row or column is computed
// and replicated over the rest of the bitmap.

#include "colour.h"

#include <QImage>

namespace gradation {

// The channel value at step t (0..1) from a to b, truncated; it always lies
// between the two ends.
int channelAt(int a, int b, double t);

// The colour at step t from a to b (both resolved to RGB first).
Colour colourAt(Colour a, Colour b, double t);

// Fills a 24-bit (Format_RGB888) bitmap from `from` at the top or left edge to
// `to` at the bottom or right edge. A one-pixel extent has no step and gets
// the start colour.
void fill(QImage& bitmap, Colour from, Colour to, bool vertical);

} // namespace gradation
