#pragma once
// Paints what the drill draws straight on the window (the number strip and
// the mark rows) from the Form, above the backdrop and below every control.

#include "surface.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

class SurfaceOverlay : public QWidget {
  public:
    SurfaceOverlay(QWidget* parent, const Surface& surface);

    // The canvas font, "MSゴシック" size 9, and the brush behind its text.
    static QFont canvasFont();
    static QColor canvasBrush();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QPixmap& bitmap(const SurfaceOp& op);
    const Surface& surface_;
    QHash<QString, QPixmap> bitmaps_;
};
