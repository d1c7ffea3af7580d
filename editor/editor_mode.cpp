// Editor mode on and off, and the steps the editor operations share.
#include "editor.h"

#include "cp932.h"
#include "errors.h"
#include "form_controls.h"
#include "integer_text.h"

#include <algorithm>

Editor::Editor(Drill& drill) : drill_(drill) {}

void Editor::SpdBtnSakuClick() {
    Form& form = drill_.form;
    if (form.Button6.visible) {
        drill_.Button6Click();
        return;
    }
    if (drill_.awaitingAcknowledgement()) {
        drill_.dialogs().information("ﾘﾀｰﾝｷｰを押してから作成して下さい。");
        form.focus = FocusRequest::Kotakesu;
        return;
    }
    for (Control Form::*button : EditorButtons) {
        (form.*button).visible = true;
    }
    form.henko_panel.visible = false;
    form.RadioGroup1.visible = false;
    form.Timer3Enabled = false;
    form.focus = FocusRequest::Memo1;
}

std::string Editor::input(const std::string& caption, const std::string& prompt,
                          const std::string& initial) {
    return drill_.dialogs().inputBox(caption, prompt, initial);
}

bool Editor::setClosedSince(std::size_t linesBefore) {
    if (drill_.state.QuestionList.size() == linesBefore) {
        return false;
    }
    drill_.dialogs().information(SetClosedMessage);
    return true;
}

bool Editor::setIsFull() const {
    return questionCount(drill_.state.QuestionList) >= MaxQuestions;
}

void Editor::focusAnswer() {
    drill_.form.focus =
        drill_.awaitingAcknowledgement() ? FocusRequest::Kotakesu : FocusRequest::Memo1;
}

void Editor::beginPass() {
    DrillState& s = drill_.state;
    // A pass that queues nothing (every question left already passed) shows
    // slot 1 all the same; slots BeginPass does not fill keep base lines of an
    // earlier, possibly longer list, so point slot 1 at a question that exists.
    if (questionCount(s.QuestionList) > 0) {
        s.Queue[1] = baseLineOf(1);
    }
    drill_.BeginPass();
}

void Editor::restartPassAt(int base, int previousBase) {
    DrillState& s = drill_.state;
    beginPass();
    // BeginPass leaves out questions already passed, so positions of the old
    // queue no longer name the same questions: show the question at `base`,
    // or the next one still queued, or the last queued.
    const int length = std::clamp(s.QueueLength, 0, MaxQuestions);
    int slot = std::max(length, 1);
    for (int p = 1; p <= length; ++p) {
        if (s.Queue[p] >= base) {
            slot = p;
            break;
        }
    }
    s.Position = slot;
    drill_.ShowQuestion();
    // A miss belongs to the question it was made at.
    if (s.CurrentBase != previousBase) {
        drill_.MissedCurrent = false;
    }
}

void Editor::insertQuestion(int at, const LineList& record) {
    DrillState& s = drill_.state;
    s.QuestionList.insert(s.QuestionList.begin() + at, record.begin(), record.end());
    // Results belong to questions, not to numbers: the questions after the
    // new one move up a number and take their flags along.
    const int k = questionNumberOf(at);
    for (int n = MaxQuestions; n > k; --n) {
        s.Passed[n] = s.Passed[n - 1];
    }
    s.Passed[k] = 0;
}

void Editor::removeQuestion(int base) {
    DrillState& s = drill_.state;
    if (base < 0 || static_cast<std::size_t>(base) + 3 >= s.QuestionList.size()) {
        throw ListIndexError(base + 3);
    }
    s.QuestionList.erase(s.QuestionList.begin() + base, s.QuestionList.begin() + base + 4);
    const int k = questionNumberOf(base);
    for (int n = std::max(k, 1); n < MaxQuestions; ++n) {
        s.Passed[n] = s.Passed[n + 1];
    }
    s.Passed[MaxQuestions] = 0;
}

void Editor::saveStep(int minimumLines) {
    drill_.form.Timer3Enabled = false;
    SaveUserFile(minimumLines);
}

std::string Editor::keptWhole(const std::string& original, const std::string& result) {
    if (original.size() > InputBoxMaxBytes &&
        result == original.substr(0, cp932::safeCut(original, InputBoxMaxBytes))) {
        return original;
    }
    return result;
}
