// Putting a question on screen and clearing the display.
#include "drill.h"

#include "errors.h"
#include "integer_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

// The progress picture for each picture step (a right answer at the first
// try is a step): image\NN.BMP. Steps past the table keep its last picture.
constexpr std::array<int, 31> PictureByStep = {
    1,                                      // before the first right answer
    2,  3,  4,  5,  6,  7,  8,  9,  10,     // steps 1-9
    1,  2,  3,  4,  5,  6,  7,  8,  9,  10, // steps 10-19 show the first ten again
    11, 12,                                 // steps 20, 21
    19, 20, 21, 22, 23, 24, 25, 26,         // steps 22-29
    27,                                     // step 30 and on
};

// The question lines' font size by the longer of the first two lines, in
// bytes: the first row whose minimum the length reaches.
struct FontStep {
    std::size_t fromBytes;
    int size;
};
constexpr std::array<FontStep, 8> QuestionFontSizes = {{
    {66, 16},
    {61, 17},
    {56, 18},
    {51, 20},
    {46, 21},
    {41, 22},
    {36, 23},
    {1, 24},
}};

} // namespace

std::string Drill::pictureFor(int step) {
    const int last = static_cast<int>(PictureByStep.size()) - 1;
    char name[32];
    std::snprintf(name, sizeof name, "image\\%02d.BMP",
                  PictureByStep[static_cast<std::size_t>(std::clamp(step, 0, last))]);
    return name;
}

int Drill::questionFontSize(size_t longerLineBytes) {
    for (const FontStep& step : QuestionFontSizes) {
        if (longerLineBytes >= step.fromBytes) {
            return step.size;
        }
    }
    return 0; // an empty line keeps the sizes as they are
}

void Drill::showPicture(const std::string& name) {
    pictureSize(name);
    form.Image2Picture = name;
}

Colour Drill::normalAnswerColour() {
    static const Colour design = Form().Memo1.font.color;
    if (!storedAnswerColour) {
        return design;
    }
    try {
        return storedAnswerColour();
    } catch (const RuntimeError& e) {
        if (!std::exchange(reportedAnswerColour_, true)) {
            dialogs_.errorReport(e.what());
        }
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

    const int y = geometry::markerRowY(state.StripDY);
    form.surface.text(geometry::MarkerX - state.StripDX, y, std::string(160, 'o'),
                      colours::DarkBlue);
    form.surface.text(geometry::markerX(questionNumberOf(state.CurrentBase), state.StripDX), y, "o",
                      colours::Yellow);

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
    form.surface.text(-state.StripDX, geometry::markerRowY(state.StripDY), std::string(132, 'o'),
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
