#pragma once
// The settings of one offset copy of a shadow label's text: the shadow or the
// highlight. Every change is announced through OnChange so that the label
// owning it can repaint.

#include "colour.h"
#include "persistent.h"

#include <functional>

class TShadow : public Persistent {
  public:
    // The defaults a stored label description may leave out.
    static constexpr bool DefaultVisible = true;
    static constexpr Colour DefaultColor = colours::Silver;
    static constexpr int DefaultOffset = 1;

    TShadow() = default;
    TShadow(const TShadow&) = delete;
    TShadow& operator=(const TShadow&) = delete;

    bool visible() const { return visible_; }
    Colour color() const { return color_; }
    int offsetLeft() const { return offsetLeft_; }
    int offsetTop() const { return offsetTop_; }

    // Each setter stores only a new value and then announces it.
    void setVisible(bool value);
    void setColor(Colour value);
    void setOffsetLeft(int value);
    void setOffsetTop(int value);

    void setOnChange(std::function<void()> listener) { onChange_ = std::move(listener); }

    // From another TShadow: copies all four values and announces once, even
    // when nothing differed. Any other kind of object is refused.
    void assign(const Persistent& source) override;
    const char* className() const override { return "TShadow"; }

  private:
    void changed();

    bool visible_ = DefaultVisible;
    Colour color_ = DefaultColor;
    int offsetLeft_ = DefaultOffset;
    int offsetTop_ = DefaultOffset;
    std::function<void()> onChange_;
};
