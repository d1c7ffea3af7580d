// Putting a question on screen and clearing the display.
#include "drill.h"

#include "errors.h"
#include "integer_text.h"

#include <algorithm>
#include <cstdio>
#include <utility>

std::string Drill::pictureFor(int step) {
    int n;
    if (step <= 0) {
        n = 1;
    } else if (step <= 9) {
        n = step + 1;
    } else if (step <= 19) {
        n = step - 9;
    } else if (step == 20) {
        n = 11;
    } else if (step == 21) {
        n = 12;
    } else if (step <= 29) {
        n = step - 3;
    } else {
        n = 27;
    }
    char name[32];
    std::snprintf(name, sizeof name, "image\\%02d.BMP", n);
    return name;
}

int Drill::questionFontSize(size_t l) {
    if (l == 0) {
        return 0;
    }
    if (l >= 66) {
        return 16;
    }
    if (l >= 61) {
        return 17;
    }
    if (l >= 56) {
        return 18;
    }
    if (l >= 51) {
        return 20;
    }
    if (l >= 46) {
        return 21;
    }
    if (l >= 41) {
        return 22;
    }
    if (l >= 36) {
        return 23;
    }
    return 24;
}

void Drill::showPicture(const std::string& name) {
    pictureSize(name);
    form.Image2Picture = name;
}

Colour Drill::normalAnswerColour() {
    try {
        return integerLine(state.SettingsList, 10);
    } catch (const RuntimeError& e) {
        if (!std::exchange(reportedAnswerColour_, true)) {
            dialogs_.errorReport(e.what());
        }
        static const Colour design = Form().Memo1.font.color;
        return design;
    }
}

void Drill::ShowQuestion() {
    showPicture(pictureFor(state.PictureStep));
    state.CurrentBase = state.Queue[std::clamp(state.Position, 1, MaxQuestions)];
    const auto& list = state.QuestionList;
    if (!hasQuestion(list)) {
        form.Memo1InputMethod = false;
        return;
    }
    const std::string answer = splitAnswer(lineAt(list, state.CurrentBase + 3)).answer;
    form.Memo1InputMethod = std::any_of(
        answer.begin(), answer.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    form.Bangodisp.text = std::to_string(questionNumberOf(state.CurrentBase));
    const std::string& line1 = lineAt(list, state.CurrentBase);
    const std::string& line2 = lineAt(list, state.CurrentBase + 1);
    form.tangodisp.text = shownPart(line1);
    form.imidisp.text = shownPart(line2);
    form.imidisp2.text = shownPart(lineAt(list, state.CurrentBase + 2));
    const int size = questionFontSize(std::max(line1.size(), line2.size()));
    if (size != 0) {
        form.tangodisp.font.size = size;
        form.imidisp.font.size = size;
        form.imidisp2.font.size = size;
    }
    setTrackBar1Position(form.tangodisp.font.size);
    form.Memo2.text.clear();
    form.Memo1.text.clear();

    const int y = 433 - state.StripDY;
    form.surface.text(26 - state.StripDX, y, std::string(160, 'o'), colours::DarkBlue);
    form.surface.text((23 - state.StripDX) * ((state.CurrentBase + 1) / 4) + 26 - state.StripDX, y,
                      "o", colours::Yellow);

    form.SpdBtnTimer.visible = false;
    kotakesuClick();
    if (form.Bangodisp.text != "1") {
        form.henko_panel.visible = true;
    }
    form.SpdBtnSaku.visible = true;
    form.Timer3Enabled = true;
    state.SecondsLeft = state.TimeLimit;
    form.focus = FocusRequest::Memo1;
}

void Drill::ResetDisplay() {
    for (Control* c : {&form.allmondai, &form.Bangodisp, &form.ShadowLabel2, &form.tangodisp,
                       &form.imidisp, &form.imidisp2, &form.Memo2, &form.Memo1}) {
        c->text.clear();
    }
    form.surface.text(-state.StripDX, 433 - state.StripDY, std::string(132, 'o'),
                      colours::DarkBlue);
    SpdBtnClearClick();
    form.SpdBtnTimer.visible = true;
    form.Timer3Enabled = false;
    state.SecondsLeft = state.TimeLimit;
    form.Panel4.text = std::to_string(state.TimeLimit);
    blankStrip();
    state.PictureStep = 0;
    MissedCurrent = false;
    PracticeMode = false;
    form.henko_panel.visible = false;
    form.Memo3.visible = false;
    form.Memo4.visible = false;
    form.Memo1InputMethod = false;
}

void Drill::SpdBtnClearClick() {
    EraseMarks();
    form.focus = FocusRequest::Memo1;
}

void Drill::TrackBar1Change() {
    form.tangodisp.font.size = form.TrackBar1Position;
    form.imidisp.font.size = form.TrackBar1Position;
    form.imidisp2.font.size = form.TrackBar1Position;
    form.focus = FocusRequest::Memo1;
}

void Drill::setTrackBar1Position(int position) {
    position = std::clamp(position, 10, 30);
    if (position != form.TrackBar1Position) {
        form.TrackBar1Position = position;
        TrackBar1Change();
    }
}

void Drill::focusmove() {
    form.focus = FocusRequest::Memo1;
}
