#include "form_controls.h"

#include "cp932.h"

#include <vector>

namespace {

Font font(const char* nameUtf8, int pixels, Colour colour, std::uint8_t style = 0) {
    Font f;
    f.name = cp932::sj(nameUtf8);
    f.size = pointsFromPixels(pixels);
    f.color = colour;
    f.style = style;
    return f;
}

Control design(Font f, Colour background = colours::Window, bool visible = true,
               const char* textUtf8 = "") {
    return Control{cp932::sj(textUtf8), visible, std::move(f), background};
}

std::vector<FormControl> buildTable() {
    using namespace colours;
    using fontstyle::Bold;
    const Font plain = font("ＭＳ Ｐゴシック", 17, Black);
    const Font editing = font("ＭＳ Ｐゴシック", 15, Black, Bold);
    const Colour counters = 16744576;
    return {
        // Question panel.
        {"Bangodisp", &Form::Bangodisp, design(font("Times New Roman", 20, White, Bold), Black)},
        {"tangodisp", &Form::tangodisp, design(font("ＭＳ Ｐ明朝", 30, White), Black)},
        {"imidisp", &Form::imidisp, design(font("ＭＳ Ｐ明朝", 30, White), Black)},
        {"imidisp2", &Form::imidisp2, design(plain, Black)},
        {"imidisp3", &Form::imidisp3, design(plain, Black)},
        // Answer fields, hint box and its frame.
        {"Memo1", &Form::Memo1, design(plain)},
        {"Memo2", &Form::Memo2, design(plain)},
        {"Memo3", &Form::Memo3, design(font("ＭＳ ゴシック", 15, Black), 15005122, false)},
        {"Memo4", &Form::Memo4, design(plain, Navy, false)},
        // Panels and labels.
        {"allmondai", &Form::allmondai, design(font("ＭＳ Ｐゴシック", 13, White), counters)},
        {"Panel4", &Form::Panel4,
         design(font("ＭＳ Ｐゴシック", 17, White, Bold), Navy, true, "20")},
        {"henko_panel", &Form::henko_panel,
         design(font("ＭＳ Ｐゴシック", 12, White), counters, false, "Take it easy !!       ")},
        {"AllCountR_", &Form::AllCountR_, design(font("Times New Roman", 15, 10485760), counters)},
        {"AllCountW_", &Form::AllCountW_, design(font("Times New Roman", 15, Red), counters)},
        {"tokuten", &Form::tokuten, design(font("Times New Roman", 15, Blue), counters)},
        {"ShadowLabel2", &Form::ShadowLabel2,
         design(font("ＭＳ Ｐゴシック", 21, White), 7415561, true,
                "英語学習ソフト　ぽとらん for TOEIC")},
        // Buttons whose visibility carries meaning.
        {"SpdBtnTimer", &Form::SpdBtnTimer, design(plain)},
        {"SpdBtnhint", &Form::SpdBtnhint, design(plain)},
        {"SpdBtnSaku", &Form::SpdBtnSaku, design(plain)},
        {"RadioGroup1", &Form::RadioGroup1, design(plain, Window, false)},
        {"Henkou", &Form::Henkou, design(editing, Window, false)},
        {"Tuika", &Form::Tuika, design(editing, Window, false)},
        {"Sakujo", &Form::Sakujo, design(editing, Window, false)},
        {"Button2", &Form::Button2, design(editing, Window, false)},
        {"NewMondai", &Form::NewMondai, design(editing, Window, false)},
        {"Hozon", &Form::Hozon, design(editing, Window, false)},
        {"Button6", &Form::Button6, design(editing, Window, false)},
    };
}

} // namespace

std::span<const FormControl> formControls() {
    static const std::vector<FormControl> table = buildTable();
    return table;
}
