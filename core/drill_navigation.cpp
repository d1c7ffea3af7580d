// Moving through a pass, quitting a set and clearing the results.
#include "drill.h"

#include "cp932.h"
#include "form_controls.h"

void Drill::SpdBtnModoruClick() {
    if (state.QuestionList.empty()) {
        dialogs_.information("問題集を選択して下さい｡");
    }
    --state.Position;
    if (state.Position < 1) {
        state.Position = 1;
    }
    MissedCurrent = false;
    ShowQuestion();
    form.henko_panel.text = cp932::sj("問題を１つ戻しました。");
    form.Memo3.visible = false;
    form.Memo4.visible = false;
}

void Drill::SpdBtnSusumeruClick() {
    if (state.QuestionList.empty()) {
        dialogs_.information("問題集を選択して下さい｡");
    }
    ++state.Position;
    if (state.Position >= state.QueueLength) {
        state.Position = state.QueueLength;
    }
    MissedCurrent = false;
    state.MissInPass = 1;
    ShowQuestion();
    form.henko_panel.text = cp932::sj("問題を１つ進めました。");
    form.Memo3.visible = false;
    form.Memo4.visible = false;
}

void Drill::CloseSet() {
    state.closeSet();
    state.LoadedBy.reset();
    ResetDisplay();
    kotakesuClick();
    EraseMarks();
}

void Drill::changeClick() {
    Button6Click();
    form.Timer3Enabled = false;
    CloseSet();
}

void Drill::SpdBtnShuryoClick() {
    // Leaving editor mode acknowledges a pending wrong answer; outside editor
    // mode the answer must stay pending so that declining the quit keeps it.
    if (form.Button6.visible) {
        Button6Click();
    }
    form.Timer3Enabled = false;
    if (state.QuestionList.empty()) {
        dialogs_.information("問題集を選択して下さい｡");
        return;
    }
    if (dialogs_.confirm("現在の問題集を終了してもよろしいですか？", false) == Answer::Yes) {
        CloseSet();
    } else if (awaitingAcknowledgement()) {
        form.focus = FocusRequest::Kotakesu;
    } else {
        kotakesuClick();
    }
}

void Drill::SpeedButtonseisekiclearClick() {
    form.Timer3Enabled = false;
    if (dialogs_.confirm("通算の正答率、正誤答数をクリアしてもよろしいですか？", true) !=
        Answer::Yes) {
        return;
    }
    state.TotalRight = 0;
    state.TotalWrong = 0;
    form.AllCountR_.text = "0";
    form.AllCountW_.text = "0";
    form.tokuten.text.clear();
    dialogs_.information("クリアしました。");
}

void Drill::Button6Click() {
    for (Control Form::*button : EditorButtons) {
        (form.*button).visible = false;
    }
    form.SpdBtnSaku.visible = true;
    if (drillRunning()) {
        form.Timer3Enabled = true;
    }
    kotakesuClick();
}
