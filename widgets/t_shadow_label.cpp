#include "t_shadow_label.h"

#include "classic_look.h"
#include "cp932_text.h"
#include "draw_text.h"
#include "gradation_fill.h"

#include <QEvent>
#include <QPainter>

namespace {

// Colours the characters of pieces of a text along colour runs, from a
// running x position shared by the pieces of one paint.
class ColourRuns {
  public:
    ColourRuns(QPainter& painter, const QRect& rect, unsigned flags, const Cp932Text& text)
        : painter_(painter), rect_(rect), flags_(flags), text_(text), x_(rect.left()) {}

    // The bytes [from, to) of the text, from colour a to colour b.
    void run(std::size_t from, std::size_t to, Colour a, Colour b) {
        const std::string_view piece = std::string_view(text_.bytes()).substr(from, to - from);
        const int n = cp932text::characterCount(piece);
        const QFontMetrics fm = painter_.fontMetrics();
        if (n == 1) {
            const QString shown = text_.display(from, to);
            drawIn(QRect(x_, rect_.top(), rect_.x() + rect_.width() - x_, rect_.height()), a,
                   shown);
            x_ += fm.horizontalAdvance(shown);
            return;
        }
        // Outline fonts have no overhang; the platform reports 0 for them.
        const int overhang = 0;
        std::size_t pos = 0;
        for (int k = 0; k < n; ++k) {
            const std::size_t length = cp932text::charLength(piece, pos);
            const QString shown = text_.display(from + pos, from + pos + length);
            const double t = static_cast<double>(k) / (n - 1);
            const int right = x_ + fm.horizontalAdvance(shown) - overhang;
            drawIn(QRect(x_, rect_.top(), right - x_, rect_.height()), gradation::colourAt(a, b, t),
                   shown);
            x_ = right;
            pos += length;
        }
    }

  private:
    void drawIn(const QRect& rect, Colour colour, const QString& shown) {
        painter_.setPen(classic::color(colour));
        drawtext::draw(painter_, rect, flags_, shown);
    }

    QPainter& painter_;
    QRect rect_;
    unsigned flags_;
    const Cp932Text& text_;
    int x_;
};

} // namespace

TShadowLabel::TShadowLabel(QWidget* parent)
    : QWidget(parent), highlight_(std::make_unique<TShadow>()),
      shadow_(std::make_unique<TShadow>()) {
    highlight_->setColor(colours::White);
    highlight_->setOffsetLeft(-1);
    highlight_->setOffsetTop(-1);
    highlight_->setOnChange([this] { update(); });
    shadow_->setOnChange([this] { update(); });
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

TShadowLabel::~TShadowLabel() = default;

template <typename T> void TShadowLabel::change(T& field, T value) {
    if (field != value) {
        field = value;
        update();
    }
}

void TShadowLabel::setCaption(const QString& value) {
    if (value != caption_) {
        caption_ = value;
        adjustBounds();
        update();
    }
}

void TShadowLabel::setColor(Colour value) {
    change(color_, value);
}
void TShadowLabel::setFontColor(Colour value) {
    change(fontColor_, value);
}
void TShadowLabel::setAlignment(Alignment value) {
    change(alignment_, value);
}
void TShadowLabel::setLayout(TextLayout value) {
    change(layout_, value);
}

void TShadowLabel::setWordWrap(bool value) {
    if (value != wordWrap_) {
        wordWrap_ = value;
        adjustBounds();
        update();
    }
}

void TShadowLabel::setAutoSize(bool value) {
    if (value != autoSize_) {
        autoSize_ = value;
        adjustBounds();
    }
}

void TShadowLabel::setTransparent(bool value) {
    if (value != transparent_) {
        transparent_ = value;
        // An opaque label covers every pixel; a transparent one lets the
        // parent show through.
        setAttribute(Qt::WA_OpaquePaintEvent, !value);
        update();
    }
}

void TShadowLabel::setShowAccelChar(bool value) {
    if (value != showAccelChar_) {
        showAccelChar_ = value;
        adjustBounds();
        update();
    }
}

void TShadowLabel::setEllipsis(Ellipsis value) {
    change(ellipsis_, value);
}

// A plain field: it decides how the next paint is done, not what it shows.
void TShadowLabel::setFlickerless(bool value) {
    flickerless_ = value;
}

void TShadowLabel::setGradation(bool value) {
    change(gradation_, value);
}
void TShadowLabel::setGradateVert(bool value) {
    change(gradateVert_, value);
}
void TShadowLabel::setGradationColor(Colour value) {
    change(gradationColor_, value);
}
void TShadowLabel::setTextGradation(TextGradation value) {
    change(textGradation_, value);
}

void TShadowLabel::setTextGradationColor(Colour value) {
    if (value != textGradationColor_) {
        textGradationColor_ = value;
        if (textGradation_ != tgNone) {
            update();
        }
    }
}

void TShadowLabel::setTextMidColor(Colour value) {
    if (value != textMidColor_) {
        textMidColor_ = value;
        if (textGradation_ == tg3Colors) {
            update();
        }
    }
}

void TShadowLabel::setHighlight(const TShadow* value) {
    if (value) {
        highlight_->assign(*value);
    }
}

void TShadowLabel::setShadow(const TShadow* value) {
    if (value) {
        shadow_->assign(*value);
    }
}

QString TShadowLabel::paintedText() const {
    if (caption_.isEmpty() || (showAccelChar_ && caption_ == QStringLiteral("&"))) {
        return caption_ + QLatin1Char(' ');
    }
    return caption_;
}

unsigned TShadowLabel::textFlags() const {
    unsigned flags = drawtext::ExpandTabs;
    if (alignment_ == taRightJustify) {
        flags |= drawtext::Right;
    } else if (alignment_ == taCenter) {
        flags |= drawtext::Center;
    }
    if (wordWrap_) {
        flags |= drawtext::WordBreak;
    }
    if (!showAccelChar_) {
        flags |= drawtext::NoPrefix;
    }
    if (ellipsis_ == elEnd) {
        flags |= drawtext::EndEllipsis;
    } else if (ellipsis_ == elPath) {
        flags |= drawtext::PathEllipsis;
    }
    return flags;
}

int TShadowLabel::layoutShift(TextLayout layout, int clientHeight, int textHeight) {
    switch (layout) {
    case tlCenter:
        // Truncates toward zero: a text one pixel too tall stays in place.
        return (clientHeight - textHeight) / 2;
    case tlBottom:
        return clientHeight - textHeight;
    case tlTop:
        break;
    }
    return 0;
}

int TShadowLabel::textHeight() const {
    return drawtext::measure(QFontMetrics(font()), rect(), textFlags() | drawtext::CalcRect,
                             paintedText())
        .height();
}

int TShadowLabel::layoutShift() const {
    return layoutShift(layout_, height(), textHeight());
}

void TShadowLabel::adjustBounds() {
    if (!autoSize_) {
        return;
    }
    // As the plain label measures: no alignment, no ellipsis; the offsets of
    // the shadow and the highlight are not part of the size.
    unsigned flags = drawtext::ExpandTabs | drawtext::CalcRect;
    if (wordWrap_) {
        flags |= drawtext::WordBreak;
    }
    if (!showAccelChar_) {
        flags |= drawtext::NoPrefix;
    }
    const QRect needed = drawtext::measure(QFontMetrics(font()), rect(), flags, paintedText());
    int left = x();
    if (alignment_ == taRightJustify) {
        left += width() - needed.width();
    }
    setGeometry(left, y(), needed.width(), needed.height());
}

void TShadowLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        adjustBounds();
    }
    QWidget::changeEvent(event);
}

void TShadowLabel::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    paint(canvas);
}

namespace {

// An image covering `size` at the device's pixel ratio, so that text drawn
// into it stays as sharp as text drawn on the screen.
QImage imageAtRatio(const QSize& size, qreal ratio, QImage::Format format) {
    QImage image((QSizeF(size) * ratio).toSize().expandedTo(size), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

QImage TShadowLabel::paintToImage(qreal devicePixelRatio) const {
    QImage image = imageAtRatio(size(), devicePixelRatio, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter canvas(&image);
    paint(canvas);
    canvas.end();
    return image;
}

void TShadowLabel::paint(QPainter& canvas) const {
    if (rect().isEmpty()) {
        return;
    }
    if (!flickerless_ || transparent_) {
        if (!transparent_) {
            paintBackground(canvas, nullptr);
        }
        paintText(canvas);
        return;
    }
    QImage bitmap =
        imageAtRatio(size(), canvas.device()->devicePixelRatio(), QImage::Format_RGB888);
    paintBackground(canvas, &bitmap);
    QPainter surface(&bitmap);
    if (!gradation_) {
        surface.fillRect(rect(), classic::color(color_));
    }
    paintText(surface);
    surface.end();
    canvas.drawImage(0, 0, bitmap);
}

void TShadowLabel::paintBackground(QPainter& canvas, QImage* offscreen) const {
    if (offscreen) {
        // The plain fill goes through the bitmap's own painter.
        if (gradation_) {
            gradation::fill(*offscreen, gradationColor_, color_, gradateVert_);
        }
        return;
    }
    if (!gradation_) {
        canvas.fillRect(rect(), classic::color(color_));
        return;
    }
    // Without the off-screen bitmap only a strip is computed and stretched.
    QImage strip = gradateVert_ ? QImage(1, height(), QImage::Format_RGB888)
                                : QImage(width(), height() / 20 + 1, QImage::Format_RGB888);
    gradation::fill(strip, gradationColor_, color_, gradateVert_);
    canvas.drawImage(rect(), strip);
}

void TShadowLabel::paintText(QPainter& surface) const {
    const QString text = paintedText();
    const unsigned flags = textFlags();
    surface.setFont(font());
    surface.setBrush(Qt::NoBrush);

    const int measured =
        drawtext::measure(surface.fontMetrics(), rect(), flags | drawtext::CalcRect, text).height();
    const QRect r = rect().translated(0, layoutShift(layout_, height(), measured));
    const QRect highlightRect = r.translated(highlight_->offsetLeft(), highlight_->offsetTop());
    const QRect shadowRect = r.translated(shadow_->offsetLeft(), shadow_->offsetTop());

    // Only the widget's own state counts, not that of its parents.
    const bool enabled = !testAttribute(Qt::WA_ForceDisabled);
    const Colour shadowColour = enabled ? shadow_->color() : colours::Gray;
    const Colour highlightColour = enabled ? highlight_->color() : colours::BtnHighlight;
    const Colour textColour = enabled ? fontColor_ : colours::BtnShadow;

    if (shadow_->visible()) {
        surface.setPen(classic::color(shadowColour));
        drawtext::draw(surface, shadowRect, flags, text);
    }
    if (highlight_->visible()) {
        surface.setPen(classic::color(highlightColour));
        drawtext::draw(surface, highlightRect, flags, text);
    }

    const Cp932Text bytes(text);
    const std::string_view all = bytes.bytes();
    if (textGradation_ == tgNone || cp932text::characterCount(all) <= 1) {
        surface.setPen(classic::color(textColour));
        drawtext::draw(surface, r, flags, text);
        return;
    }
    ColourRuns runs(surface, r, flags, bytes);
    if (textGradation_ == tg2Colors || cp932text::characterCount(all) == 2) {
        runs.run(0, all.size(), fontColor_, textGradationColor_);
        return;
    }
    const std::size_t n = cp932text::gradationSplit(all);
    runs.run(0, n, fontColor_, textMidColor_);
    if (cp932text::characterCount(all.substr(n)) == 1) {
        runs.run(n, all.size(), textGradationColor_, textGradationColor_);
    } else {
        runs.run(n, all.size(), textMidColor_, textGradationColor_);
    }
}
