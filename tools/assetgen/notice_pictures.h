#pragma once
// The two pictures that tell the learner what happened: time is up, and
// "read the answer, then type it".

#include <QImage>

// image\Timeout.BMP, shown when the countdown ran out.
QImage drawTimeoutPicture();

// image\afterreturn.BMP, shown once a wrong answer is acknowledged.
QImage drawReadThenTypePicture();
