#pragma once
// A font dialog that returns a whole font, its colour included (Qt's own font
// dialog offers underline and strike-out but no colour).

#include "font.h"

#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

class FontChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    FontChoiceDialog(QWidget* parent, const Font& current);
    Font chosen() const;

  private:
    void showColour();
    Font current_;
    QFontDialog* fonts_;
    QFont opened_;
    QPushButton* colourButton_;
    Colour colour_;
};
