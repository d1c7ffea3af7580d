// Editor mode on and off, and the steps the editor operations share.
#include "editor.h"

#include "cp932.h"
#include "form_controls.h"
#include "integer_text.h"

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

bool Editor::setClosedSince(std::uint64_t generation) {
    if (drill_.state.generation() == generation) {
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
