#include "bevel_frame.h"

#include "classic_look.h"

#include <QPainter>

BevelFrame::BevelFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BevelFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor dark = classic::color(colours::BtnShadow);
    const QColor light = classic::color(colours::BtnHighlight);
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Shadow along the top and left, light along the bottom and right.
    p.fillRect(QRect(0, 0, 1, bottom), dark);
    p.fillRect(QRect(0, 0, right, 1), dark);
    p.fillRect(QRect(right, 0, 1, bottom + 1), light);
    p.fillRect(QRect(0, bottom, right + 1, 1), light);
}
