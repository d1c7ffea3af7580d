#include "display_field.h"

#include "frame_3d.h"

#include <QMouseEvent>
#include <QPainter>

DisplayField::DisplayField(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void DisplayField::setRings(const QList<Ring>& rings) {
    rings_ = rings;
    const int width = static_cast<int>(rings.size());
    setContentsMargins(width, width, width, width);
    update();
}

void DisplayField::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (rings_.isEmpty()) {
        return;
    }
    QPainter p(this);
    QRect r = rect();
    for (const Ring& ring : rings_) {
        frame3D(p, r, ring.topLeft, ring.bottomRight, 1);
    }
}

void DisplayField::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit pressed();
    }
    QLabel::mousePressEvent(event);
}

void DisplayField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void DisplayField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
    QLabel::mouseDoubleClickEvent(event);
}
