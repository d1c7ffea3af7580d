#include "input_box.h"

#include "cp932.h"
#include "dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

class Cp932Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        auto bytes = cp932::encode(input.toStdString());
        if (!bytes || bytes->size() > InputBoxMaxBytes) {
            return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

InputBox::InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                   const QString& initial)
    : QDialog(parent) {
    setWindowTitle(caption);
    setObjectName(QStringLiteral("InputBox"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setWordWrap(true);
    layout->addWidget(label);
    edit_ = new QLineEdit(this);
    edit_->setValidator(new Cp932Validator(edit_));
    // An initial text the box could not hold is cut to what it can.
    QString start = initial;
    while (!start.isEmpty()) {
        auto bytes = cp932::encode(start.toStdString());
        if (bytes && bytes->size() <= InputBoxMaxBytes) {
            break;
        }
        start.chop(1);
    }
    edit_->setText(start);
    edit_->selectAll();
    layout->addWidget(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(360, sizeHint().height());
}

QString InputBox::text() const {
    return edit_->text();
}
