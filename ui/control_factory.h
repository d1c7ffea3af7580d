#pragma once
// Builds the widgets of the main window from the layout table: one widget
// per row, of the row's kind, with its position, tip, cursor, reach and fixed
// look. The widgets the window talks to are kept typed; the rest are reached
// by name through a checked cast.

#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>

class AnswerField;
class QButtonGroup;
class QLabel;
class QPushButton;
class QSlider;
class Surface;
class SurfaceOverlay;

struct Controls {
    QHash<QString, QWidget*> byName;
    SurfaceOverlay* overlay = nullptr;
    AnswerField* memo1 = nullptr;
    QSlider* trackBar = nullptr;
    QButtonGroup* radioGroup = nullptr;
    QPushButton* kotakesu = nullptr;
    QLabel* image2 = nullptr;

    // A control of a known kind; a name or kind the table does not give is
    // a fault in the program, not in the learner's files.
    template <class W> W* as(const QString& name) const {
        W* w = qobject_cast<W*>(byName.value(name));
        if (w == nullptr) {
            throw std::logic_error("no control " + name.toStdString() + " of that kind");
        }
        return w;
    }
};

// Turns a name under the program folder (backslashes allowed) into a path.
using PicturePath = std::function<QString(const std::string&)>;

Controls buildControls(QWidget* client, Surface& surface, const PicturePath& pictures);
