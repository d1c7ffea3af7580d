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

constexpr char16_t Unreadable = 0xFFFD;

// Bytes of one character in the file, or none when the box may not take it.
// An unreadable character stands for the one byte the decoder replaced.
std::optional<std::size_t> byteLength(const QString& character) {
    if (character == QChar(Unreadable)) {
        return 1;
    }
    auto bytes = cp932::encode(character.toStdString());
    if (!bytes) {
        return std::nullopt;
    }
    return bytes->size();
}

// The characters of a text, a surrogate pair as one.
QStringList characters(const QString& text) {
    QStringList out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        out << text.mid(i, n);
        i += n;
    }
    return out;
}

std::size_t byteLengthOf(const QString& text) {
    std::size_t total = 0;
    for (const QString& c : characters(text)) {
        total += byteLength(c).value_or(1);
    }
    return total;
}

// Sees each change as the text around it and what came in (typed, pasted,
// committed by an input method, dropped): what came in loses the characters
// CP932 cannot carry and is cut, on a character boundary, to the room left.
// The text that was there stays as it is, unreadable characters included.
class Cp932Validator : public QValidator {
  public:
    Cp932Validator(QLineEdit* edit, QLabel* notice) : QValidator(edit), notice_(notice) {
        previous_ = edit->text();
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { previous_ = t; });
    }

    State validate(QString& input, int& pos) const override {
        if (input == previous_) {
            return Acceptable;
        }
        const qsizetype shorter = std::min(input.size(), previous_.size());
        qsizetype head = 0;
        while (head < shorter && input.at(head) == previous_.at(head)) {
            ++head;
        }
        qsizetype tail = 0;
        while (tail < shorter - head &&
               input.at(input.size() - 1 - tail) == previous_.at(previous_.size() - 1 - tail)) {
            ++tail;
        }
        // Never split a surrogate pair between the kept text and what came in.
        if (head > 0 && input.at(head - 1).isHighSurrogate()) {
            --head;
        }
        if (tail > 0 && input.at(input.size() - tail).isLowSurrogate()) {
            --tail;
        }
        const QString came = input.mid(head, input.size() - head - tail);
        if (came.isEmpty()) {
            // Only taken away (or the text this check put back).
            return Acceptable;
        }
        const QString before = input.left(head);
        const QString after = input.right(tail);
        const std::size_t kept = byteLengthOf(before + after);
        std::size_t room = kept < InputBoxMaxBytes ? InputBoxMaxBytes - kept : 0;
        QString taken;
        bool refused = false;
        bool cut = false;
        for (const QString& c : characters(came)) {
            const auto length = c == QChar(Unreadable) ? std::nullopt : byteLength(c);
            if (!length) {
                refused = true;
            } else if (*length > room) {
                cut = true;
                break;
            } else {
                room -= *length;
                taken += c;
            }
        }
        if (refused) {
            notice_->setText(QStringLiteral("問題集ファイルに書けない文字は入力できません。"));
        } else if (cut) {
            notice_->setText(QStringLiteral("半角で255文字（全角で127文字）までです。"));
        } else {
            notice_->clear();
        }
        input = before + taken + after;
        pos = static_cast<int>(before.size() + taken.size());
        return Acceptable;
    }

  private:
    QLabel* notice_;
    QString previous_;
};

} // namespace

InputBox::InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                   const std::string& initial)
    : QDialog(parent), initialBytes_(initial.substr(0, cp932::safeCut(initial, InputBoxMaxBytes))),
      initialText_(QString::fromStdString(cp932::decode(initialBytes_))) {
    setWindowTitle(caption);
    setObjectName(QStringLiteral("InputBox"));
    auto* layout = new QVBoxLayout(this);
    // The prompt may quote the learner's own line: never read it as markup.
    auto* label = new QLabel(prompt, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);
    edit_ = new QLineEdit(this);
    edit_->setText(initialText_);
    edit_->selectAll();
    layout->addWidget(edit_);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setTextFormat(Qt::PlainText);
    notice_->setMinimumHeight(notice_->fontMetrics().height());
    QPalette red = notice_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    notice_->setPalette(red);
    layout->addWidget(notice_);
    // Installed after the prefill, which the box takes as the file holds it.
    edit_->setValidator(new Cp932Validator(edit_, notice_));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(360, sizeHint().height());
}

std::string InputBox::bytes() const {
    const QString text = edit_->text();
    if (text == initialText_) {
        return initialBytes_;
    }
    return cp932::encode(text.toStdString()).value_or(std::string());
}

void InputBox::accept() {
    const QString text = edit_->text();
    if (text != initialText_ && !cp932::encode(text.toStdString())) {
        notice_->setText(QStringLiteral("読めない文字（\uFFFD）を消してから OK を押して下さい。"));
        edit_->setFocus();
        return;
    }
    QDialog::accept();
}
