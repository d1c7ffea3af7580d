#include "draw_text.h"

#include <QStringList>

namespace drawtext {
namespace {

const QString dots = QStringLiteral("...");

// Drops characters from the end until the line and its ellipsis fit.
QString endEllipsis(const QString& line, const QFontMetrics& fm, int width) {
    QString head = line;
    while (!head.isEmpty() && fm.horizontalAdvance(head + dots) > width) {
        head.chop(1);
    }
    return head + dots;
}

// Keeps the last path component whole when it can, shortening what is in
// front of it; otherwise drops characters from the middle.
QString pathEllipsis(const QString& line, const QFontMetrics& fm, int width) {
    const qsizetype slash =
        std::max(line.lastIndexOf(QLatin1Char('\\')), line.lastIndexOf(QLatin1Char('/')));
    QString head = slash >= 0 ? line.left(slash) : line.left(line.size() / 2);
    QString tail = slash >= 0 ? line.mid(slash) : line.mid(line.size() / 2);
    while (!head.isEmpty() && fm.horizontalAdvance(head + dots + tail) > width) {
        head.chop(1);
    }
    while (!tail.isEmpty() && fm.horizontalAdvance(head + dots + tail) > width) {
        tail.remove(0, 1);
    }
    return head + dots + tail;
}

} // namespace

int qtFlags(unsigned flags) {
    int qt = Qt::AlignTop;
    if (flags & Right) {
        qt |= Qt::AlignRight;
    } else if (flags & Center) {
        qt |= Qt::AlignHCenter;
    } else {
        qt |= Qt::AlignLeft;
    }
    if (flags & WordBreak) {
        qt |= Qt::TextWordWrap;
    }
    if (flags & ExpandTabs) {
        qt |= Qt::TextExpandTabs;
    }
    if (!(flags & NoPrefix)) {
        qt |= Qt::TextShowMnemonic;
    }
    return qt;
}

QString shortened(const QString& text, unsigned flags, const QFontMetrics& fm, int width) {
    if (!(flags & (EndEllipsis | PathEllipsis)) || (flags & WordBreak)) {
        return text;
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (fm.horizontalAdvance(line) <= width) {
            continue;
        }
        line =
            (flags & PathEllipsis) ? pathEllipsis(line, fm, width) : endEllipsis(line, fm, width);
    }
    return lines.join(QLatin1Char('\n'));
}

QRect measure(const QFontMetrics& fm, const QRect& rect, unsigned flags, const QString& text) {
    const QRect needed = fm.boundingRect(rect, qtFlags(flags), text);
    // Several broken lines keep the given width (or the widest word beyond
    // it); a single line is as wide as its text.
    const bool severalLines = needed.height() > fm.height();
    const int width = (flags & WordBreak) && severalLines ? std::max(rect.width(), needed.width())
                                                          : needed.width();
    return QRect(rect.topLeft(), QSize(width, needed.height()));
}

void draw(QPainter& painter, const QRect& rect, unsigned flags, const QString& text) {
    const QString shown = shortened(text, flags, painter.fontMetrics(), rect.width());
    painter.drawText(rect, qtFlags(flags), shown);
}

} // namespace drawtext
