// The learner's choice of background colours and fonts. Only the Form
// changes; font.txt is written by the confirmed finish alone.
#include "catalogue.h"

void Catalogue::chooseBackground(std::initializer_list<Control Form::*> fields) {
    Form& f = drill_.form;
    f.Timer3Enabled = false;
    if (auto colour = drill_.dialogs().chooseColour(f.ColorDialog1)) {
        markLive(liveSettings_, fields, SettingGroup::Background);
        f.ColorDialog1 = *colour;
        for (Control Form::*field : fields) {
            (f.*field).color = *colour;
        }
    }
    f.focus = FocusRequest::Memo1;
    drill_.kotakesuClick();
}

void Catalogue::SpdBtnColor1Click() {
    chooseBackground(
        {&Form::tangodisp, &Form::imidisp, &Form::imidisp2, &Form::Bangodisp, &Form::imidisp3});
}

void Catalogue::color2Click() {
    chooseBackground({&Form::Memo2});
}

void Catalogue::color3Click() {
    chooseBackground({&Form::Memo1});
}

void Catalogue::SpdBtnFontClick() {
    Form& f = drill_.form;
    f.Timer3Enabled = false;
    if (auto font = drill_.dialogs().chooseFont(f.FontDialog1)) {
        const auto fields = {&Form::tangodisp, &Form::imidisp, &Form::imidisp2, &Form::Memo2,
                             &Form::Memo1};
        markLive(liveSettings_, fields, SettingGroup::Font);
        f.FontDialog1 = *font;
        for (Control Form::*field : fields) {
            (f.*field).font = *font;
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
        markLive(liveSettings_, {&Form::Memo2, &Form::Memo1}, SettingGroup::Font);
        f.FontDialog2 = *font;
        f.Memo2.font = *font;
        f.Memo1.font = *font;
    }
    f.focus = FocusRequest::Memo1;
}
