#pragma once
// The editor's text input box: caption, prompt, an edit field that takes at
// most 255 CP932 bytes and refuses characters CP932 cannot carry.

#include <QDialog>

class QLineEdit;

class InputBox : public QDialog {
    Q_OBJECT
  public:
    InputBox(QWidget* parent, const QString& caption, const QString& prompt,
             const QString& initial);
    QString text() const;
    QLineEdit* edit() const { return edit_; }

  private:
    QLineEdit* edit_;
};
