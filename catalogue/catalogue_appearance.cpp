// The learner's choice of background colours and fonts. Only the Form
// changes; font.txt is written by the confirmed finish alone.
#include "catalogue.h"

void Catalogue::chooseBackground(std::initializer_list<Control*> fields,
                                 std::initializer_list<int> lines) {
    Form& f = drill_.form;
    f.Timer3Enabled = false;
    if (auto colour = drill_.dialogs().chooseColour(f.ColorDialog1)) {
        markLive(liveSettings_, lines);
        f.ColorDialog1 = *colour;
        for (Control* c : fields) {
            c->color = *colour;
        }
    }
    f.focus = FocusRequest::Memo1;
    drill_.kotakesuClick();
}

void Catalogue::SpdBtnColor1Click() {
    Form& f = drill_.form;
    chooseBackground({&f.tangodisp, &f.imidisp, &f.imidisp2, &f.Bangodisp, &f.imidisp3},
                     {21, 22, 23, 24, 25});
}

void Catalogue::color2Click() {
    chooseBackground({&drill_.form.Memo2}, {28});
}

void Catalogue::color3Click() {
    chooseBackground({&drill_.form.Memo1}, {29});
}

void Catalogue::SpdBtnFontClick() {
    Form& f = drill_.form;
    f.Timer3Enabled = false;
    if (auto font = drill_.dialogs().chooseFont(f.FontDialog1)) {
        markLive(liveSettings_, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18, 19, 20});
        f.FontDialog1 = *font;
        for (Control* c : {&f.tangodisp, &f.imidisp, &f.imidisp2, &f.Memo2, &f.Memo1}) {
            c->font = *font;
        }
        // The slider clamps to 10..30 and resizes the question lines only
        // when its position changes.
        drill_.setTrackBar1Position(f.tangodisp.font.size);
    }
    f.focus = FocusRequest::Memo1;
    drill_.kotakesuClick();
}

void Catalogue::KotaefontClick() {
    // The countdown keeps running while this dialog is open.
    Form& f = drill_.form;
    if (auto font = drill_.dialogs().chooseFont(f.FontDialog2)) {
        markLive(liveSettings_, {4, 5, 9, 10, 14, 15, 19, 20});
        f.FontDialog2 = *font;
        f.Memo2.font = *font;
        f.Memo1.font = *font;
    }
    f.focus = FocusRequest::Memo1;
}
