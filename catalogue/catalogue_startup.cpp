// The one-time initialisation and the finish button.
#include "catalogue.h"

#include "cp932.h"
#include "file_writer.h"
#include "form_controls.h"
#include "integer_text.h"

#include <cmath>

namespace {

// Multiplies and rounds, halves away from zero.
int scaled(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

} // namespace

Catalogue::Catalogue(Drill& drill) : drill_(drill) {
    drill_.onSetCompleted = [this](const std::string& entry) { setCompleted(entry); };
    drill_.storedAnswerColour = [this] {
        static constexpr int line = settingLine(&Form::Memo1, SettingKind::FontColour);
        static_assert(line > 0);
        return integerLine(drill_.state.SettingsList, line);
    };
}

Catalogue::~Catalogue() {
    drill_.onSetCompleted = nullptr;
    drill_.storedAnswerColour = nullptr;
}

void Catalogue::fitToScreen() {
    Form& f = drill_.form;
    DrillState& st = drill_.state;
    const int screenWidth = drill_.screen().width();
    if (geometry::isNarrow(screenWidth)) {
        // The divisor is the outer width before scaling.
        const int divisor = f.Width + 120;
        f.ScaleRatio = static_cast<double>(screenWidth) / divisor;
        f.Width = scaled(f.Width, screenWidth, divisor);
        f.Height = scaled(f.Height, screenWidth, divisor);
        for (const FormControl& c : formControls()) {
            Font& font = (f.*c.member).font;
            font.size = scaled(font.size, screenWidth, divisor);
        }
    }
    const geometry::SurfaceOffsets offsets = geometry::surfaceOffsets(screenWidth);
    st.StripDX = offsets.stripDX;
    st.StripDY = offsets.stripDY;
    st.MarkDX = offsets.markDX;
    st.MarkDY = offsets.markDY;
}

void Catalogue::centreOnScreen() {
    Form& f = drill_.form;
    f.Top = (drill_.screen().height() - f.Height) / 2;
    f.Left = (drill_.screen().width() - f.Width) / 2;
}

void Catalogue::FormCreate() {
    if (created_) {
        return;
    }
    // Set first: a box opened by a failing step hands the activation back.
    created_ = true;
    Form& f = drill_.form;
    DrillState& st = drill_.state;

    fitToScreen();
    centreOnScreen();
    st.QuestionList.clear();
    st.SettingsList.clear();
    st.CurrentBase = 2;
    st.CurrentFileName.clear();
    st.rewind();
    st.TimeLimit = 20;
    st.SecondsLeft = 20;
    f.Panel4.text = std::to_string(st.TimeLimit);
    f.ShadowLabel2.font.name = "Times New Roman";

    // Writers killed half-way (a crash, a power cut) leave their temporary
    // files in the learner's folders; nothing else ever removes them.
    const ProgramDir& dir = drill_.programDir();
    FileWriter::removeStaleTemporaries({dir.learnerRoot(), dir.userFileDir()});

    st.SettingsList = readSettings(drill_.programDir());
    applySettings(st.SettingsList, f, &liveSettings_);

    // The counts of the last run are not carried over.
    st.TotalRight = 0;
    st.TotalWrong = 0;
    f.AllCountR_.text = "0";
    f.AllCountW_.text = std::to_string(st.TotalWrong);
    f.tokuten.text = std::to_string(drill_.RightRate()) + cp932::sj("％");
}

void Catalogue::SpdBtnTojiruClick() {
    Form& f = drill_.form;
    f.Timer3Enabled = false;
    // A pending wrong answer's red is never saved.
    f.Memo1.font.color = drill_.normalAnswerColour();
    if (drill_.dialogs().confirm("終了してもよろしいですか？", true) == Answer::Yes) {
        drill_.dialogs().information(
            "お疲れさまでした。 「継続は力なり」  次回もがんばりましょう。");
        // The list held since start-up stays in use should the save fail.
        drill_.state.SettingsList =
            saveSettings(drill_.programDir(), f, drill_.state, liveSettings_);
        drill_.dialogs().closeMainWindow();
        return;
    }
    if (drill_.awaitingAcknowledgement()) {
        f.focus = FocusRequest::Kotakesu;
    } else {
        drill_.kotakesuClick();
    }
}
