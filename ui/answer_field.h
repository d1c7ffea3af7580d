#pragma once
// The multi-line answer fields. For the learner's field every typed character
// goes through the drill's key filter first; text from an input method goes
// through it one character at a time. Return never inserts a line break.

#include "drill.h"

#include <QPlainTextEdit>
#include <functional>

class AnswerField : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit AnswerField(QWidget* parent);

    // Decides what becomes of one typed character (UTF-8); unset for fields
    // that take no typing.
    std::function<KeyAction(const std::string&)> keyFilter;

    void setCentredText(const QString& text);

    // Switches the input method off for this field. Qt asks the field
    // ImEnabled each time it gains focus; answering false is the one way that
    // keeps an input method out even after it was on in another field.
    void setInputMethodAllowed(bool allowed);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  signals:
    void pressed();
    void doubleClicked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void typeCharacter(const QString& ch);

    bool inputMethodAllowed_ = true;
};
