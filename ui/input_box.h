#pragma once
// The editor's text input box: caption, prompt, an edit field that takes at
// most 255 CP932 bytes and refuses characters CP932 cannot carry, saying so
// in a line under the field.
//
// The box works on the bytes of the file: a text accepted unchanged gives
// back exactly the bytes it was filled with, even where they are not CP932
// (shown as U+FFFD) or are one of the characters CP932 codes twice. An
// edited text that still holds an unreadable character is refused, so the
// replacement character never reaches a file.

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;

class InputBox : public QDialog {
    Q_OBJECT
  public:
    // `initial`: CP932 bytes, cut to what the box holds.
    InputBox(QWidget* parent, const QString& caption, const QString& prompt,
             const std::string& initial);

    // The CP932 bytes of the text.
    std::string bytes() const;
    QLineEdit* edit() const { return edit_; }
    QLabel* notice() const { return notice_; }

    void accept() override;

  private:
    std::string initialBytes_;
    QString initialText_;
    QLineEdit* edit_;
    QLabel* notice_;
};
