#include "font_choice_dialog.h"

#include "qt_text.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FontChoiceDialog::FontChoiceDialog(QWidget* parent, const Font& current)
    : QDialog(parent), current_(current), colour_(current.color) {
    setWindowTitle(QStringLiteral("フォント"));
    setObjectName(QStringLiteral("FontChoiceDialog"));
    auto* layout = new QVBoxLayout(this);
    fonts_ = new QFontDialog(this);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    QFont start = toQFont(current);
    start.setPointSize(current.size);
    // The dialog finds the style in its list by name, and a translated Qt
    // names a font's weight in its own language ("太字") while the list keeps
    // the font's names ("Bold"): name the style as the list does.
    const QString family = start.family();
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::bold(family, style) == start.bold() &&
            QFontDatabase::italic(family, style) == start.italic()) {
            start.setStyleName(style);
            break;
        }
    }
    fonts_->setCurrentFont(start);
    opened_ = fonts_->currentFont();
    layout->addWidget(fonts_);
    // The embedded font dialog answers Return and Escape itself: let its
    // answer be the whole dialog's.
    connect(fonts_, &QDialog::accepted, this, &QDialog::accept);
    connect(fonts_, &QDialog::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("色:"), this));
    colourButton_ = new QPushButton(this);
    colourButton_->setObjectName(QStringLiteral("colourButton"));
    connect(colourButton_, &QPushButton::clicked, this, [this] {
        QColor c = QColorDialog::getColor(toQColor(colour_), this, QStringLiteral("色の設定"));
        if (c.isValid()) {
            colour_ = fromQColor(c);
            showColour();
        }
    });
    row->addWidget(colourButton_);
    row->addStretch();
    layout->addLayout(row);
    showColour();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void FontChoiceDialog::showColour() {
    QPixmap swatch(40, 14);
    swatch.fill(toQColor(colour_));
    colourButton_->setIcon(QIcon(swatch));
    colourButton_->setIconSize(swatch.size());
}

Font FontChoiceDialog::chosen() const {
    QFont q = fonts_->currentFont();
    if (q == opened_) {
        // Unchanged: the font as it came, even where the list has no face
        // for its style (a bold drawn from a regular face).
        Font f = current_;
        f.color = colour_;
        return f;
    }
    Font f = fromQFont(q, colour_);
    // The dialog speaks in points, as the settings do.
    if (q.pointSize() > 0) {
        f.size = q.pointSize();
    }
    return f;
}
