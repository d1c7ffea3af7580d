#include "about_box.h"

#include "bevel_frame.h"
#include "bevel_panel.h"
#include "box_button.h"
#include "classic_look.h"
#include "form_kit.h"

#include <QPushButton>

namespace {

const QString gothic = QStringLiteral("ＭＳ Ｐゴシック");

} // namespace

TAboutBox::TAboutBox(const std::filesystem::path& programDir, QWidget* parent)
    : QDialog(parent, boxbutton::dialogFrame()), programDir_(programDir) {
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setFixedSize(294, 207);
    formkit::classicFace(this, classic::font(gothic, 12), colours::Black);
    ok_ = boxbutton::ok(this, QRect(118, 167, 64, 33));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::fill() {
    if (filled_) {
        return;
    }
    filled_ = true;
    auto* panel = new BevelPanel(this);
    panel->setGeometry(8, 8, 277, 145);
    panel->setBevelInner(BevelPanel::Raised);
    panel->setBevelOuter(BevelPanel::Lowered);
    panel->setBorderWidth(1);

    const QRect logoPlace(8, 8, 89, 97);
    formkit::logo(panel, programDir_, logoPlace);
    (new BevelFrame(panel))->setGeometry(logoPlace);

    formkit::label(panel, QStringLiteral("英語学習ソフト"), {142, 16}, classic::font(gothic, 15),
                   colours::Black);
    // The label named for the version carries the product name.
    formkit::label(panel, QStringLiteral("ぽとらん"), {162, 39}, classic::font(gothic, 13),
                   colours::Black);
    formkit::label(panel, QStringLiteral("for"), {183, 56}, classic::font(gothic, 12),
                   colours::Black);
    formkit::label(panel, QStringLiteral("TOEIC英単語"), {156, 72}, classic::font(gothic, 12),
                   colours::Black);
    formkit::label(panel, QStringLiteral("Version 3.0"), {152, 94}, classic::font(gothic, 16),
                   colours::Black);
    formkit::fixedLabel(panel, QStringLiteral("\u00A9 Potoran  英語を学ぶ人のための練習ソフト"),
                        QRect(16, 123, 243, 12), classic::font(gothic, 12), colours::Black, true);
    panel->show();
}

void TAboutBox::showEvent(QShowEvent* event) {
    fill();
    formkit::centreOnScreen(this);
    QDialog::showEvent(event);
    ok_->setFocus();
}
