#pragma once
// The main window as plain data: for every named control, the properties the
// logic reads or writes. Handlers change the Form; the window renders it.
// Texts are CP932 bytes, except the window caption, which may hold a file
// name and so is UTF-8.

#include "colour.h"
#include "font.h"
#include "surface.h"

#include <map>
#include <string>

struct Control {
    std::string text;
    bool visible = true;
    Font font;
    Colour color = colours::Window; // background
};

// A one-off request the window carries out once after a handler.
enum class FocusRequest { None, Memo1, Kotakesu };

struct Form {
    Form();

    std::string Caption; // UTF-8

    // Question panel.
    Control Bangodisp, tangodisp, imidisp, imidisp2, imidisp3;
    // Answer fields, hint box and its frame.
    Control Memo1, Memo2, Memo3, Memo4;
    // Panels and labels.
    Control allmondai, Panel4, henko_panel, AllCountR_, AllCountW_, tokuten;
    Control ShadowLabel2;
    // Buttons whose visibility carries meaning.
    Control SpdBtnTimer, SpdBtnhint, SpdBtnSaku, RadioGroup1;
    Control Henkou, Tuika, Sakujo, Button2, NewMondai, Hozon, Button6;

    int RadioGroup1ItemIndex = 2;
    int TrackBar1Position = 22;

    // Progress picture: backslash name under the program folder; empty shows
    // the design picture (the logo).
    std::string Image2Picture;

    bool Timer3Enabled = false;
    bool Timer4Enabled = true;

    // Menu check marks by entry name; shown only when set.
    std::map<std::string, bool> Checked;

    FocusRequest focus = FocusRequest::None;

    // Whether Memo1 takes an input method: only for an answer beyond ASCII,
    // so a learner left in kana mode still types English answers.
    bool Memo1InputMethod = false;

    Surface surface;

    // Dialog states, kept for the run so each opens on its last choice.
    Font FontDialog1;
    Font FontDialog2;
    Colour ColorDialog1 = 12615808;

    // Window geometry: outer size, position, and the narrow-screen scaling.
    int Left = 0, Top = 0;
    int Width = 800, Height = 447;
    double ScaleRatio = 1.0;

    bool isChecked(const std::string& entry) const;
};
