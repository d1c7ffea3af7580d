#pragma once
// A borderless single-line field or panel that only shows text: a press hands
// the focus on (the display fields never keep it), a double-click may open a
// dialog, a click may run a handler.

#include <QLabel>

class DisplayField : public QLabel {
    Q_OBJECT
  public:
    explicit DisplayField(QWidget* parent);

  signals:
    void pressed();
    void clicked();
    void doubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
