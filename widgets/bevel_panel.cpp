#include "bevel_panel.h"

#include "classic_look.h"
#include "frame_3d.h"

#include <QPainter>

namespace {

void bevel(QPainter& p, QRect& rect, BevelPanel::Bevel kind, int width) {
    if (kind == BevelPanel::None) {
        return;
    }
    const QColor light = classic::color(colours::BtnHighlight);
    const QColor dark = classic::color(colours::BtnShadow);
    if (kind == BevelPanel::Raised) {
        frame3D(p, rect, light, dark, width);
    } else {
        frame3D(p, rect, dark, light, width);
    }
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::setBevelOuter(Bevel bevel) {
    outer_ = bevel;
    update();
}

void BevelPanel::setBevelInner(Bevel bevel) {
    inner_ = bevel;
    update();
}

void BevelPanel::setBevelWidth(int width) {
    bevelWidth_ = width;
    update();
}

void BevelPanel::setBorderWidth(int width) {
    borderWidth_ = width;
    update();
}

void BevelPanel::setColor(Colour colour) {
    colour_ = colour;
    update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect rect = this->rect();
    const QColor face = classic::color(colour_);
    bevel(p, rect, outer_, bevelWidth_);
    frame3D(p, rect, face, face, borderWidth_);
    bevel(p, rect, inner_, bevelWidth_);
    p.fillRect(rect, face);
}
