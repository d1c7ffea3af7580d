#include "form.h"

#include "cp932.h"
#include "form_controls.h"

namespace {

Font font(const char* nameUtf8, int pixels) {
    Font f;
    f.name = cp932::sj(nameUtf8);
    f.size = pointsFromPixels(pixels);
    f.color = colours::White;
    return f;
}

} // namespace

Form::Form() {
    Caption = "ぽとらん for TOEIC　英単語  ver.3.0";
    for (const FormControl& c : formControls()) {
        this->*c.member = c.design;
    }
    FontDialog1 = font("ＭＳ Ｐ明朝", 30);
    FontDialog2 = font("Times New Roman", 33);
}

bool Form::isChecked(const std::string& entry) const {
    auto it = Checked.find(entry);
    return it != Checked.end() && it->second;
}
