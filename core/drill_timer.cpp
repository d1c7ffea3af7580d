// The answer countdown, the timeout and the hint box.
#include "drill.h"

#include "cp932.h"
#include "integer_text.h"

void Drill::SpdBtnTimerClick() {
    if (form.RadioGroup1.visible) {
        form.RadioGroup1.visible = false;
    } else {
        form.henko_panel.visible = false;
        form.RadioGroup1.visible = true;
        Button6Click();
    }
    form.focus = FocusRequest::Memo1;
}

void Drill::RadioGroup1Click(int item) {
    static constexpr int limits[] = {3, 10, 20, 30, 600};
    if (item >= 0 && item < 5) {
        form.RadioGroup1ItemIndex = item;
        state.TimeLimit = limits[item];
    }
    state.SecondsLeft = state.TimeLimit;
    form.SpdBtnSaku.visible = true;
    form.RadioGroup1.visible = false;
    if (state.TimeLimit >= 300) {
        form.Panel4.text.clear();
    } else {
        form.Panel4.text = std::to_string(state.TimeLimit);
    }
    form.focus = FocusRequest::Memo1;
}

void Drill::Panel4Click() {
    // The countdown rests while the judge waits in one of its boxes, so a
    // timeout never falls inside the judge.
    if (judging_) {
        return;
    }
    if (state.SecondsLeft < 300) {
        form.Panel4.text = std::to_string(state.SecondsLeft);
    }
    --state.SecondsLeft;
}

void Drill::Button8Click() {
    if (judging_ || state.SecondsLeft != -1) {
        return;
    }
    SpdBtnkaitouClick();
    if (state.LastWrong == 1) {
        showPicture("image\\Timeout.BMP");
    }
}

void Drill::SpdBtnhintClick() {
    if (state.QuestionList.empty()) {
        dialogs_.information("問題集を選択して下さい｡");
        return;
    }
    if (!hasQuestion(state.QuestionList)) {
        return;
    }
    AnswerSplit split = splitAnswer(lineAt(state.QuestionList, state.CurrentBase + 3));
    form.Memo3.text = split.hint ? *split.hint : cp932::sj("ヒント、解説はありません。");
    if (form.Memo3.visible) {
        form.Memo3.visible = false;
        form.Memo4.visible = false;
    } else {
        form.Memo3.visible = true;
        form.Memo4.visible = true;
    }
    form.Memo1.text.clear();
}
