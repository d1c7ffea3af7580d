#pragma once
// Where every control of the main window stands: one row per control, in
// creation order (later rows lie above earlier ones). Positions are pixels
// from the top-left of the client area or of the enclosing panel.

#include <QString>
#include <vector>

enum class ControlKind {
    Backdrop,
    Surface,
    PictureButton,
    FlatButton,
    Panel,
    Field,
    Picture,
    Memo,
    HintBox,
    RadioGroup,
    PushButton,
    ShadowLabel,
    Slider,
};

enum class Bevel { None, Lowered, Raised, RaisedLowered, Sunken3D };

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent; // "" for the client area
    int x, y, w, h;
    const char* hint;
    Bevel bevel = Bevel::None;
    Qt::CursorShape cursor = Qt::ArrowCursor;
};

const std::vector<ControlRow>& controlLayout();

// Glyph file of a picture button, relative to the program folder.
QString glyphFor(const QString& buttonName);

constexpr int ClientWidth = 792;
constexpr int ClientHeight = 401;
