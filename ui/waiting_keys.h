#pragma once
// While a wrong answer waits for its acknowledgement, the keyboard of the main
// window does one thing only: Return, Enter or Space acknowledges. Every other
// key, menu keys and Tab included, is swallowed, so the focus cannot wander
// off the acknowledgement and no shortcut can close the set behind it.

#include <QObject>
#include <functional>

class QWidget;

class WaitingKeys : public QObject {
  public:
    // `waiting` tells whether a wrong answer waits; `acknowledge` runs the
    // acknowledgement. Installed on the application, for `window` only.
    WaitingKeys(QWidget* window, std::function<bool()> waiting, std::function<void()> acknowledge);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool concernsWindow(QObject* watched) const;

    QWidget* window_;
    std::function<bool()> waiting_;
    std::function<void()> acknowledge_;
};
