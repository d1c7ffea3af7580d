#include "box_button.h"

#include "classic_look.h"

namespace boxbutton {

Qt::WindowFlags dialogFrame() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

QPushButton* ok(QWidget* box, const QRect& place) {
    auto* button = new QPushButton(QStringLiteral("OK"), box);
    button->setGeometry(place);
    button->setDefault(true);
    button->setAutoDefault(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, classic::color(colours::Black));
    button->setPalette(palette);
    return button;
}

} // namespace boxbutton
