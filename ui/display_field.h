#pragma once
// A borderless single-line field or panel that only shows text: a press hands
// the focus on (the display fields never keep it), a double-click may open a
// dialog, a click may run a handler.

#include <QColor>
#include <QLabel>
#include <QList>

class DisplayField : public QLabel {
    Q_OBJECT
  public:
    explicit DisplayField(QWidget* parent);

    // One-pixel rings around the text, from the outside in, each with its
    // top and left edges in the first colour and the others in the second:
    // the classic panel bevels and borders.
    struct Ring {
        QColor topLeft, bottomRight;
    };
    void setRings(const QList<Ring>& rings);

  signals:
    void pressed();
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QList<Ring> rings_;
};
