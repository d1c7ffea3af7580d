#pragma once
// The platform's formatted text drawing (DrawText and its flags) carried out
// with Qt: alignment, word break, tab expansion, accelerator prefixes and the
// two ellipsis styles.

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

namespace drawtext {

constexpr unsigned Left = 0x0;
constexpr unsigned Center = 0x1;
constexpr unsigned Right = 0x2;
constexpr unsigned WordBreak = 0x10;
constexpr unsigned ExpandTabs = 0x40;
constexpr unsigned CalcRect = 0x400;
constexpr unsigned NoPrefix = 0x800;
constexpr unsigned PathEllipsis = 0x4000;
constexpr unsigned EndEllipsis = 0x8000;

// Qt's text flags for the platform flags. The rectangle is always laid out
// from its top; vertical placement is the caller's business.
int qtFlags(unsigned flags);

// The text as it is drawn into a rectangle `width` pixels wide: with an
// ellipsis flag, every line that does not fit is shortened ("..." at the end,
// or in the middle keeping the last path component). Word-broken text is
// wrapped to fit and left as it is.
QString shortened(const QString& text, unsigned flags, const QFontMetrics& metrics, int width);

// The rectangle the text needs: same top-left corner; the height is that of
// every line, the width that of the widest one (or of `rect` when word-broken).
QRect measure(const QFontMetrics& metrics, const QRect& rect, unsigned flags, const QString& text);

// Draws the text into the rectangle with the flags, clipped to it.
void draw(QPainter& painter, const QRect& rect, unsigned flags, const QString& text);

} // namespace drawtext
