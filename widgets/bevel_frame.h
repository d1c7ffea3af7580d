#pragma once
// A lowered box frame drawn over whatever lies beneath it (the frame around
// a picture).

#include <QWidget>

class BevelFrame : public QWidget {
    Q_OBJECT
  public:
    explicit BevelFrame(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
