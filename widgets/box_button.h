#pragma once
// What the two information boxes share: the dialog frame and the OK button.

#include <QPushButton>
#include <QRect>

namespace boxbutton {

// Caption bar with a close box; not resizable.
Qt::WindowFlags dialogFrame();

// The default button: Return presses it. Its caption stays black whatever
// the box's text colour, as a push button draws its caption in the button
// text colour.
QPushButton* ok(QWidget* box, const QRect& place);

} // namespace boxbutton
