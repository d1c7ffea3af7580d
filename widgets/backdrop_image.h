#pragma once
// A picture stretched to fill the widget, as the main window's backdrop.
// Only the stretched copy is kept, made when the size is first known; and a
// picture whose every row is a single colour (the backdrop's vertical
// gradient) is kept as one stretched column, tiled across. That saves about
// two megabytes over a label holding both the picture and its stretched copy.

#include <QPixmap>
#include <QString>
#include <QWidget>

class BackdropImage : public QWidget {
  public:
    BackdropImage(QWidget* parent, QString file);

    // The pixmap painted at the current size: a single column when the
    // picture's rows are uniform. Made on demand.
    const QPixmap& stretched();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString file_;
    QPixmap stretched_;
    QSize stretchedFor_;
};
