#include "form.h"

#include "cp932.h"

namespace {

Font font(const char* nameUtf8, int pixels, Colour colour, std::uint8_t style = 0) {
    Font f;
    f.name = cp932::sj(nameUtf8);
    f.size = pointsFromPixels(pixels);
    f.color = colour;
    f.style = style;
    return f;
}

} // namespace

Form::Form() {
    using namespace colours;
    Caption = "ぽとらん for TOEIC　英単語  ver.3.0";
    const Font windowDefault = font("ＭＳ Ｐゴシック", 17, Black);

    for (Control* c :
         {&Bangodisp,  &tangodisp,   &imidisp, &imidisp2,     &imidisp3,    &Memo1,
          &Memo2,      &Memo3,       &Memo4,   &allmondai,    &Panel4,      &henko_panel,
          &AllCountR_, &AllCountW_,  &tokuten, &ShadowLabel2, &SpdBtnTimer, &SpdBtnhint,
          &SpdBtnSaku, &RadioGroup1, &Henkou,  &Tuika,        &Sakujo,      &Button2,
          &NewMondai,  &Hozon,       &Button6}) {
        c->font = windowDefault;
    }

    imidisp3.color = Black;
    Bangodisp.font = font("Times New Roman", 20, White, fontstyle::Bold);
    Bangodisp.color = Black;
    tangodisp.font = font("ＭＳ Ｐ明朝", 30, White);
    tangodisp.color = Black;
    imidisp.font = font("ＭＳ Ｐ明朝", 30, White);
    imidisp.color = Black;
    imidisp2.font = font("ＭＳ Ｐゴシック", 17, Black);
    imidisp2.color = Black;

    Memo3.font = font("ＭＳ ゴシック", 15, Black);
    Memo3.color = 15005122;
    Memo3.visible = false;
    Memo4.color = Navy;
    Memo4.visible = false;

    Panel4.text = "20";
    Panel4.font = font("ＭＳ Ｐゴシック", 17, White, fontstyle::Bold);
    Panel4.color = Navy;
    henko_panel.text = "Take it easy !!       ";
    henko_panel.font = font("ＭＳ Ｐゴシック", 12, White);
    henko_panel.color = 16744576;
    henko_panel.visible = false;
    allmondai.font = font("ＭＳ Ｐゴシック", 13, White);
    allmondai.color = 16744576;
    for (Control* c : {&AllCountR_, &AllCountW_, &tokuten}) {
        c->color = 16744576;
    }
    AllCountR_.font = font("Times New Roman", 15, 10485760);
    AllCountW_.font = font("Times New Roman", 15, Red);
    tokuten.font = font("Times New Roman", 15, Blue);

    ShadowLabel2.text = cp932::sj("英語学習ソフト　ぽとらん for TOEIC");
    ShadowLabel2.font = font("ＭＳ Ｐゴシック", 21, White);
    ShadowLabel2.color = 7415561;

    RadioGroup1.visible = false;
    for (Control* c : {&Henkou, &Tuika, &Sakujo, &Button2, &NewMondai, &Hozon, &Button6}) {
        c->visible = false;
        c->font = font("ＭＳ Ｐゴシック", 15, Black, fontstyle::Bold);
    }

    FontDialog1 = font("ＭＳ Ｐ明朝", 30, White);
    FontDialog2 = font("Times New Roman", 33, White);
}

bool Form::isChecked(const std::string& entry) const {
    auto it = Checked.find(entry);
    return it != Checked.end() && it->second;
}
