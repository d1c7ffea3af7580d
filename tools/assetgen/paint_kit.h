#pragma once
// Small drawing helpers shared by every picture.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

// Stops with a clear message when the IPA fonts (Debian packages
// fonts-ipafont-gothic and fonts-ipafont-mincho) are not installed: without
// them Japanese labels would come out as empty boxes.
void requireIpaFonts();

// IPA P Gothic at a pixel size; bold is drawn by emboldening the outline.
QFont gothicFont(int pixelSize, bool bold = false);

// A fully transparent canvas of the given size.
QImage transparentCanvas(int width, int height);

// An opaque canvas filled with one colour.
QImage filledCanvas(int width, int height, const QColor& fill);

// Straight blend of two colours; t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// Text centred in `box`, with a one-pixel drop shadow when `shadow` is valid.
void drawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour, const QColor& shadow = QColor());

// Canvases are made this many times larger, with that device pixel ratio, so
// that painting in the 1x coordinates gives the sharp picture for high-DPI
// screens. 1 unless changed.
void setCanvasScale(int scale);
