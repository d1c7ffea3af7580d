#include "t_shadow.h"

void TShadow::changed() {
    if (onChange_) {
        onChange_();
    }
}

void TShadow::setVisible(bool value) {
    if (value != visible_) {
        visible_ = value;
        changed();
    }
}

void TShadow::setColor(Colour value) {
    if (value != color_) {
        color_ = value;
        changed();
    }
}

void TShadow::setOffsetLeft(int value) {
    if (value != offsetLeft_) {
        offsetLeft_ = value;
        changed();
    }
}

void TShadow::setOffsetTop(int value) {
    if (value != offsetTop_) {
        offsetTop_ = value;
        changed();
    }
}

void TShadow::assign(const Persistent& source) {
    const auto* other = dynamic_cast<const TShadow*>(&source);
    if (!other) {
        refuse(source);
    }
    visible_ = other->visible_;
    color_ = other->color_;
    offsetLeft_ = other->offsetLeft_;
    offsetTop_ = other->offsetTop_;
    changed();
}
