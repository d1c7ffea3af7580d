#include "surface_overlay.h"
#include "path_text.h"

#include "colour.h"
#include "picture_file.h"
#include "qt_text.h"

#include <QFontMetrics>
#include <QPainter>

SurfaceOverlay::SurfaceOverlay(QWidget* parent, const Surface& surface)
    : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setObjectName(QStringLiteral("surface"));
}

QFont SurfaceOverlay::canvasFont() {
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(SurfaceCharHeight);
    f.setStyleHint(QFont::Monospace);
    // The platform draws the strip's small digits without smoothing: each
    // stroke a column of whole pixels in the digit's own colour.
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QColor SurfaceOverlay::canvasBrush() {
    return toQColor(colours::Navy);
}

const QPixmap& SurfaceOverlay::bitmap(const SurfaceOp& op) {
    const QString key = toQString(op.bitmapPath);
    auto it = bitmaps_.find(key);
    if (it == bitmaps_.end()) {
        // Kept here, so not in QPixmap's file cache as well.
        it = bitmaps_.insert(key, readPixmap(key));
    }
    return *it;
}

void SurfaceOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFont font = canvasFont();
    p.setFont(font);
    const QFontMetrics metrics(font);
    for (const SurfaceOp& op : surface_.ops()) {
        if (op.kind == SurfaceOp::Kind::Bitmap) {
            p.drawPixmap(op.x, op.y, bitmap(op));
            continue;
        }
        // Text at a point with an opaque background; the point is the top-left
        // corner, so the baseline lies one ascent below it.
        p.fillRect(QRect(op.x, op.y, op.width, op.height), canvasBrush());
        p.setPen(toQColor(op.colour));
        const QString text = QString::fromLatin1(op.text.c_str());
        for (int i = 0; i < text.size(); ++i) {
            p.drawText(op.x + i * SurfaceCharWidth, op.y + metrics.ascent(), text.mid(i, 1));
        }
    }
}
