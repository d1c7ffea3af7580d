#pragma once
// Pictures read with the reader their file name's suffix names (PNG and BMP
// are built into Qt). Left to guess, QImageReader first loads every
// image-format plugin installed (GIF, JPEG, ICO, and SVG, TIFF, WebP where
// present) to ask each whether it reads PNG: time and memory at start-up
// for nothing. A missing or unreadable file gives a null picture.

#include <QImage>
#include <QPixmap>
#include <QString>

// At a device pixel ratio above 1, reads "name@2x.ext" beside the file where
// there is one, as a picture of the same size drawn at twice the pixels.
QImage readPicture(const QString& file, qreal devicePixelRatio = 1.0);
// At the screens' device pixel ratio.
QPixmap readPixmap(const QString& file);
