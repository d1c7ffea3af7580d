// Creating a set and changing its title and instruction.
#include "editor.h"

#include "cp932.h"

void Editor::NewMondaiClick() {
    DrillState& s = drill_.state;
    Form& form = drill_.form;
    if (drill_.dialogs().confirm("問題集の作成を始めてもよいですか？", false) != Answer::Yes) {
        focusAnswer();
        return;
    }
    // The previous set leaves memory (its file stays as it is); the new one is
    // queued in full and marks no catalogue entry when finished.
    s.QuestionList.clear();
    s.clearPassed();
    s.LoadedBy.reset();
    drill_.ResetDisplay();

    const std::string title =
        input("問題集の作成１", "作成する問題集のタイトル名を入力して下さい。",
              cp932::sj("小学1年生問題(例）"));
    if (!title.empty()) {
        form.ShadowLabel2.text = title;
        const std::string instruction = input("問題集の作成２", "設問を入力して下さい。",
                                              cp932::sj("次の空欄に適語を入れなさい(例）"));
        if (!instruction.empty()) {
            form.ShadowLabel2.text = instruction;
            s.QuestionList = {title, instruction};
            s.CurrentBase = 2;
            createQuestions();
        }
    }
    saveStep(5);
    focusAnswer();
}

void Editor::createQuestions() {
    DrillState& s = drill_.state;
    int created = 0;
    LineList record;
    while (true) {
        if (setIsFull()) {
            drill_.dialogs().information(SetFullMessage);
            return;
        }
        if (askQuestion("問題の入力", created + 1, false, record) != Asked::Complete) {
            // An unfinished question is not stored; its lines stay on screen.
            return;
        }
        const int base = baseLineOf(questionCount(s.QuestionList) + 1);
        s.insertQuestionAt(base, record);
        ++created;
        drill_.restartAt(base);
        drill_.form.Memo2.text = record[3];
        // An empty answer is stored too, and ends the dialogue.
        if (record[3].empty()) {
            return;
        }
    }
}

void Editor::Button2Click() {
    DrillState& s = drill_.state;
    Form& form = drill_.form;
    if (s.QuestionList.size() <= 2) {
        focusAnswer();
        return;
    }
    const std::uint64_t generation = s.generation();
    const std::string oldTitle = s.QuestionList[0];
    const std::string title =
        input("タイトル名の変更", "新しいタイトルを入力して下さい。", oldTitle);
    if (setClosedSince(generation) || title.empty()) {
        focusAnswer();
        return;
    }
    s.QuestionList[0] = keptWhole(oldTitle, title);
    form.ShadowLabel2.text.clear();

    const std::string oldInstruction = s.QuestionList[1];
    const std::string instruction =
        input("設問の変更", "新しい設問文を入力して下さい。", oldInstruction);
    if (setClosedSince(generation) || instruction.empty()) {
        focusAnswer();
        return;
    }
    s.QuestionList[1] = keptWhole(oldInstruction, instruction);
    form.ShadowLabel2.text = s.QuestionList[1];
    focusAnswer();
}
