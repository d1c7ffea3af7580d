#pragma once
// A classic panel: an outer bevel, a border in the panel colour and an inner
// bevel, each drawn inside the previous one, around a plain face.

#include "colour.h"

#include <QWidget>

class BevelPanel : public QWidget {
    Q_OBJECT
  public:
    enum Bevel { None, Raised, Lowered };

    explicit BevelPanel(QWidget* parent);

    void setBevelOuter(Bevel bevel);
    void setBevelInner(Bevel bevel);
    void setBevelWidth(int width);
    void setBorderWidth(int width);
    void setColor(Colour colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Bevel outer_ = Raised;
    Bevel inner_ = None;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    Colour colour_ = colours::BtnFace;
};
