#include "menu_bar_pictures.h"

#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <cmath>

namespace {

constexpr int Gap = 2;

class PictureMenuBarStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type != CT_MenuBarItem || !item || item->icon.isNull()) {
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        }
        // As tall as a caption alone; wider by the picture at that height.
        const QSize text = item->fontMetrics.size(Qt::TextShowMnemonic, item->text);
        const QSize plain = QProxyStyle::sizeFromContents(type, option, text, widget);
        return {plain.width() + pictureWidth(*item, plain.height()) + Gap, plain.height()};
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuBarItem || !item || item->icon.isNull()) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        // The face (and the highlight of an open item) without a caption,
        // then the picture at the left and the caption beside it.
        QStyleOptionMenuItem face = *item;
        face.icon = QIcon();
        face.text.clear();
        QProxyStyle::drawControl(element, &face, painter, widget);
        const QRect& r = item->rect;
        const QRect picture(r.left() + Gap, r.top(), pictureWidth(*item, r.height()), r.height());
        item->icon.paint(painter, picture);
        const bool open = (item->state & State_Selected) && (item->state & State_Sunken);
        int alignment =
            Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
        if (!proxy()->styleHint(SH_UnderlineShortcut, item, widget)) {
            alignment |= Qt::TextHideMnemonic;
        }
        proxy()->drawItemText(painter, r.adjusted(picture.width() + Gap, 0, 0, 0), alignment,
                              item->palette, item->state & State_Enabled, item->text,
                              open ? QPalette::HighlightedText : QPalette::ButtonText);
    }

  private:
    static int pictureWidth(const QStyleOptionMenuItem& item, int height) {
        const QList<QSize> sizes = item.icon.availableSizes();
        const QSize natural = sizes.isEmpty() ? QSize(1, 1) : sizes.first();
        return static_cast<int>(std::lround(double(natural.width()) * height / natural.height()));
    }
};

} // namespace

void showPicturesBesideCaptions(QMenuBar* bar) {
    auto* style = new PictureMenuBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
}
