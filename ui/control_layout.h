#pragma once
// Every control of the main window: where it stands, what kind of widget it
// is and how it looks. One row per control, in creation order (later rows
// lie above earlier ones); positions are pixels from the top-left of the
// client area or of the enclosing panel. The controls the Form carries
// (formControls(), keyed by the same names) take their texts, fonts and
// colours from the Form; the others take them from their row here.

#include "colour.h"

#include <QString>
#include <optional>
#include <span>

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

// The program clicks some buttons itself: reached by Tab, an arrow or a
// click, they would run a handler out of turn.
enum class Reach { Learner, ProgramOnly };

// The fixed look of a control the Form does not carry.
struct ControlLook {
    const char* caption = "";     // UTF-8
    const char* picture = "";     // a button's glyph, under the program folder
    const char* family = nullptr; // a fixed font, with its pixel size
    int pixels = 0;
    Colour text = colours::Black;
    std::optional<Colour> background = std::nullopt;
};

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent; // "" for the client area
    int x, y, w, h;
    const char* hint;
    Bevel bevel = Bevel::None;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    Reach reach = Reach::Learner;
    ControlLook look = {};
};

std::span<const ControlRow> controlLayout();
// The row of a control, or nullptr.
const ControlRow* findControlRow(const QString& name);

constexpr int ClientWidth = 792;
constexpr int ClientHeight = 401;
