#pragma once
// Pictures read with the reader their file name's suffix names (PNG and BMP
// are built into Qt). Left to guess, QImageReader first loads every
// image-format plugin installed (GIF, JPEG, ICO, and SVG, TIFF, WebP where
// present) to ask each whether it reads PNG: time and memory at start-up
// for nothing. A missing or unreadable file gives a null picture.

#include <QImage>
#include <QPixmap>
#include <QString>

QImage readPicture(const QString& file);
QPixmap readPixmap(const QString& file);
