// Adding, changing and deleting single questions of the current set.
#include "editor.h"

#include "cp932.h"
#include "integer_text.h"

#include <algorithm>
#include <array>

void Editor::TuikaClick() {
    DrillState& s = drill_.state;
    if (hasQuestion(s.QuestionList)) {
        LineList record;
        while (true) {
            if (setIsFull()) {
                drill_.dialogs().information(SetFullMessage);
                break;
            }
            // The new question goes after the one on screen as the learner
            // starts it, even if a tick moves the drill on while a box is open.
            const int anchor = s.CurrentBase;
            const int end = baseLineOf(questionCount(s.QuestionList) + 1);
            const bool follows = anchor >= 2 && (anchor - 2) % 4 == 0 && anchor + 4 < end;
            const int at = follows ? anchor + 4 : end;
            if (askQuestion("問題の追加", questionNumberOf(at), true, record) != Asked::Complete ||
                record[3].empty()) {
                break;
            }
            s.insertQuestionAt(at, record);
            // The next question follows this one: it is on screen now.
            drill_.restartAt(at);
            drill_.form.Memo2.text = record[3];
        }
        saveStep(3);
    }
    focusAnswer();
}

void Editor::HenkouClick() {
    DrillState& s = drill_.state;
    Form& form = drill_.form;
    const std::uint64_t generation = s.generation();
    if (s.QuestionList.size() > 2) {
        struct Box {
            const char* caption;
            const char* prompt;
            Control* field;
        };
        const std::array<Box, 4> boxes = {{
            {"問題の変更１", "新しい問題文１を入力して下さい。", &form.tangodisp},
            {"問題の変更２", "新しい問題文２を入力して下さい。", &form.imidisp},
            {"問題の変更３", "新しい問題文３を入力して下さい。無い時は空白を。", &form.imidisp2},
            {"問題の変更４", "新しい答を入力して下さい。", &form.Memo2},
        }};
        // The question being changed is the one on screen now; a tick that
        // moves the drill while a box is open must not redirect the change.
        const int base = s.CurrentBase;
        LineList old;
        for (int i = 0; i < 4; ++i) {
            old.push_back(lineAt(s.QuestionList, base + i));
        }
        LineList changed;
        bool complete = true;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const std::string text = input(boxes[i].caption, boxes[i].prompt, old[i]);
            if (setClosedSince(generation) || text.empty()) {
                complete = false;
                break;
            }
            changed.push_back(keptWhole(old[i], text));
            for (std::size_t j = 0; j <= i; ++j) {
                boxes[j].field->text = changed[j];
            }
        }
        // Written only when all four boxes were answered.
        if (complete) {
            std::copy(changed.begin(), changed.end(), s.QuestionList.begin() + base);
        }
    }
    saveStep(5);
    focusAnswer();
}

void Editor::SakujoClick() {
    DrillState& s = drill_.state;
    Form& form = drill_.form;
    if (s.QuestionList.size() <= 2) {
        focusAnswer();
        return;
    }
    const std::uint64_t generation = s.generation();
    const int base = s.CurrentBase;
    const Answer answer = drill_.dialogs().confirm(
        cp932::excerpt(lineAt(s.QuestionList, base)) + "　の問題を削除します。", true);
    if (s.generation() != generation) {
        // The pass ended and closed the set while the box was open.
        focusAnswer();
        return;
    }
    const bool removed = answer == Answer::Yes;
    if (removed) {
        s.removeQuestionAt(base);
    }
    if (questionCount(s.QuestionList) == 0) {
        // Nothing left to drill. The countdown stops, or its timeout would
        // judge an answer to no question and count it wrong.
        s.CurrentBase = 2;
        form.tangodisp.text.clear();
        form.imidisp.text.clear();
        form.imidisp2.text.clear();
        form.Timer3Enabled = false;
        form.SpdBtnTimer.visible = true;
    } else {
        // The drill restarts on the question that took the removed one's
        // place (after No, the same question), or on the new last one.
        drill_.restartAt(base, removed ? -1 : base);
    }
    focusAnswer();
}
