#pragma once
// Progress pictures for the 73 x 64 picture box. The drill shows pictures
// 01 to 10 for the first ten right answers and again for the next ten, so
// they are one lap of an oval track that can start again; 11, 12 and 19 to
// 26 are the home straight, 27 the finish.

#include <QImage>

constexpr int ProgressWidth = 73;
constexpr int ProgressHeight = 64;
constexpr int LapSteps = 10;     // pictures 01 to 10
constexpr int StretchSteps = 10; // pictures 11, 12, 19 to 26

// Step 0 (picture 01) stands on the start line; step 9 is nine tenths round.
QImage drawLapPicture(int step);

// Step 0 (picture 11) enters the straight; step 9 (picture 26) is one stride
// from the finish line.
QImage drawStretchPicture(int step);

// Picture 27: the runner crosses the line, arms up.
QImage drawFinishPicture();
