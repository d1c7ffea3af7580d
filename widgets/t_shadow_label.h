#pragma once
// A text label that paints its background as a two-colour gradation, draws
// its text over a shadow copy and a highlight copy, can colour the text
// character by character and shorten it with an ellipsis, and paints through
// an off-screen bitmap so that a repaint never flickers.
//
// Besides its own properties it carries those of the platform's plain label
// (caption, background colour, font colour, alignment, vertical layout, word
// wrap, auto size, transparency, accelerator display); the font is the
// widget's font and the enabled state the widget's own.

#include "colour.h"
#include "t_shadow.h"

#include <QImage>
#include <QWidget>

#include <memory>

class TShadowLabel : public QWidget {
    Q_OBJECT
  public:
    enum Alignment { taLeftJustify, taRightJustify, taCenter };
    enum TextLayout { tlTop, tlCenter, tlBottom };
    enum Ellipsis { elNone, elEnd, elPath };
    enum TextGradation { tgNone, tg2Colors, tg3Colors };

    explicit TShadowLabel(QWidget* parent = nullptr);
    ~TShadowLabel() override;

    // The plain label's properties.
    QString caption() const { return caption_; }
    void setCaption(const QString& value);
    Colour color() const { return color_; }
    void setColor(Colour value);
    Colour fontColor() const { return fontColor_; }
    void setFontColor(Colour value);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment value);
    TextLayout layout() const { return layout_; }
    void setLayout(TextLayout value);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool value);
    // On by default, as for the plain label: the size follows the text.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool value);
    bool transparent() const { return transparent_; }
    void setTransparent(bool value);
    bool showAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool value);

    // The shadow label's own properties.
    Ellipsis ellipsis() const { return ellipsis_; }
    void setEllipsis(Ellipsis value);
    bool flickerless() const { return flickerless_; }
    void setFlickerless(bool value);
    bool gradation() const { return gradation_; }
    void setGradation(bool value);
    bool gradateVert() const { return gradateVert_; }
    void setGradateVert(bool value);
    Colour gradationColor() const { return gradationColor_; }
    void setGradationColor(Colour value);
    TextGradation textGradation() const { return textGradation_; }
    void setTextGradation(TextGradation value);
    Colour textGradationColor() const { return textGradationColor_; }
    void setTextGradationColor(Colour value);
    Colour textMidColor() const { return textMidColor_; }
    void setTextMidColor(Colour value);

    // The label's own copies, owned for its whole life; changing them
    // repaints the label.
    TShadow& highlight() { return *highlight_; }
    const TShadow& highlight() const { return *highlight_; }
    TShadow& shadow() { return *shadow_; }
    const TShadow& shadow() const { return *shadow_; }
    // Copy the values of `value` into the label's own object; no object, no
    // change.
    void setHighlight(const TShadow* value);
    void setShadow(const TShadow* value);

    // The height of the text as measured with the label's flags, and how far
    // the vertical layout moves the text down (negative: up).
    int textHeight() const;
    int layoutShift() const;
    static int layoutShift(TextLayout layout, int clientHeight, int textHeight);

    // The label painted as on screen, over transparent pixels, at a device
    // pixel ratio.
    QImage paintToImage(qreal devicePixelRatio = 1.0) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QString paintedText() const;
    unsigned textFlags() const;
    void paint(QPainter& canvas) const;
    void paintBackground(QPainter& canvas, QImage* offscreen) const;
    void paintText(QPainter& surface) const;
    void adjustBounds();
    template <typename T> void change(T& field, T value);

    QString caption_;
    Colour color_ = colours::BtnFace;
    Colour fontColor_ = colours::WindowText;
    Alignment alignment_ = taLeftJustify;
    TextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool showAccelChar_ = true;

    Ellipsis ellipsis_ = elNone;
    bool flickerless_ = true;
    bool gradation_ = false;
    bool gradateVert_ = false;
    Colour gradationColor_ = colours::Blue;
    TextGradation textGradation_ = tgNone;
    Colour textGradationColor_ = colours::Maroon;
    Colour textMidColor_ = colours::Navy;
    std::unique_ptr<TShadow> highlight_;
    std::unique_ptr<TShadow> shadow_;
};
