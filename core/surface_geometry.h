#pragma once
// Where the drill draws on the window: the number strip, its marker row and
// the two mark rows, and the screen width below which the window is scaled
// down. Positions are the design's; the DrillState offsets (StripDX/DY,
// MarkDX/DY) move them to where the strip and the marks land on the screen.

namespace geometry {

// Below this screen width start-up scales the window down to fit.
constexpr int NarrowScreenBelow = 900;
constexpr bool isNarrow(int screenWidth) {
    return screenWidth < NarrowScreenBelow;
}

// The number strip: question k's number at stripNumberX(k), row stripRowY;
// the row beneath it is blanked with it, out to StripRightX.
constexpr int StripPitch = 23;
constexpr int StripNumberX = 3;
constexpr int StripRowY = 420;
constexpr int StripLowerRowY = 430;
constexpr int StripRightX = 1000;
// The marker row under the strip: a yellow "o" under the question shown.
constexpr int MarkerRowY = 433;
constexpr int MarkerX = 26;

// The mark rows: a right or wrong mark every MarkStep pixels from MarkX; the
// eraser picture covers both from EraserX. A row is full past MarkRowFull
// pixels, on a narrow screen past NarrowMarkRowFull.
constexpr int MarkX = 82;
constexpr int RightMarkY = 364;
constexpr int WrongMarkY = 371;
constexpr int MarkStep = 5;
constexpr int EraserX = 80;
constexpr int MarkRowFull = 348;
constexpr int NarrowMarkRowFull = 300;

constexpr int stripNumberX(int k, int stripDX) {
    return (StripPitch - stripDX) * k + StripNumberX;
}
constexpr int stripRowY(int stripDY) {
    return StripRowY - stripDY;
}
constexpr int markerRowY(int stripDY) {
    return MarkerRowY - stripDY;
}
// The marker under question k.
constexpr int markerX(int k, int stripDX) {
    return (StripPitch - stripDX) * (k - 1) + MarkerX - stripDX;
}

struct SurfaceOffsets {
    int stripDX;
    int stripDY;
    int markDX;
    int markDY;
};

// On a wide screen the numbers are StripPitch apart on row 363 and the marks
// start at x 387 on row 9.
constexpr SurfaceOffsets WideOffsets = {0, StripRowY - 363, MarkX - 387, RightMarkY - 9};

// The offsets for a screen: the wide ones, or on a narrow screen those of
// the scaled window, exact at 800 pixels and following the ratio elsewhere.
SurfaceOffsets surfaceOffsets(int screenWidth);

} // namespace geometry
