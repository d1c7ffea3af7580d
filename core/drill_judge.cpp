// Judging a typed answer, the key filter of the answer field, and the
// acknowledgement of a wrong answer.
#include "drill.h"

#include "cp932.h"
#include "integer_text.h"

namespace {

// The judge must never run inside itself (a timeout falling while one of its
// boxes is open); the flag is cleared however the judge ends.
class Guard {
  public:
    explicit Guard(bool& flag) : flag_(flag) { flag_ = true; }
    ~Guard() { flag_ = false; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

  private:
    bool& flag_;
};

const std::string& rateSuffix() {
    static const std::string s = cp932::sj("％");
    return s;
}

} // namespace

void Drill::showCounters() {
    form.AllCountR_.text = std::to_string(state.TotalRight);
    form.AllCountW_.text = std::to_string(state.TotalWrong);
    form.tokuten.text = std::to_string(RightRate()) + rateSuffix();
}

void Drill::coverMarkerRow(int count) {
    form.surface.text(-state.StripDX, geometry::markerRowY(state.StripDY), std::string(count, 'o'),
                      colours::DarkBlue);
}

void Drill::SpdBtnkaitouClick() {
    if (judging_) {
        return;
    }
    Guard guard(judging_);
    judge();
}

void Drill::closeAfterPass(const char* message) {
    state.closeSet();
    if (message) {
        dialogs_.information(message);
    }
    ResetDisplay();
}

void Drill::judge() {
    if (state.QuestionList.empty()) {
        dialogs_.information("問題集を選択して下さい｡");
        return;
    }
    bool hasHint = false;
    if (hasQuestion(state.QuestionList)) {
        const std::string& line = lineAt(state.QuestionList, state.CurrentBase + 3);
        AnswerSplit split = splitAnswer(line);
        form.Memo2.text = split.answer;
        if (split.hint) {
            form.Memo3.text = *split.hint;
            hasHint = true;
        } else {
            form.Memo3.text = line;
            form.Memo3.visible = false;
            form.Memo4.visible = false;
        }
    }
    const std::string& correct = form.Memo2.text;
    const bool right = !correct.empty() && form.Memo1.text == correct;
    const int k = questionNumberOf(state.CurrentBase);
    const int slot = (k >= 1 && k <= MaxQuestions) ? k : 0;

    if (!right) {
        state.LastWrong = 1;
        if (!MissedCurrent) {
            ++state.TotalWrong;
            form.AllCountW_.text = std::to_string(state.TotalWrong);
            PaintMark(false);
            form.tokuten.text = std::to_string(RightRate()) + rateSuffix();
        }
        if (state.WrongMarkX > geometry::MarkRowFull) {
            state.WrongMarkX = 0;
            dialogs_.information("間違いが多すぎます。再挑戦して下さい。");
        }
        if (state.WrongMarkX > geometry::NarrowMarkRowFull && geometry::isNarrow(screen_.width())) {
            state.WrongMarkX = 0;
            dialogs_.information("間違いが多すぎます。再挑戦して下さい。");
        }
        PaintStripNumber(colours::Red);
        MissedCurrent = true;
        state.MissInPass = 1;
        if (slot) {
            state.Passed[slot] = 0;
        }
        sounds_.play(Sound::Wrong);
        if (hasHint) {
            form.Memo3.visible = true;
            form.Memo4.visible = true;
        }
        form.henko_panel.visible = true;
        form.Memo1.font.color = colours::Red;
        form.focus = FocusRequest::Kotakesu;
        form.henko_panel.text = cp932::sj("リターンキーを押して下さい。");
        form.Timer3Enabled = false;
        state.SecondsLeft = state.TimeLimit;
        return;
    }

    state.LastWrong = 0;
    if (state.RightMarkX > geometry::MarkRowFull) {
        state.RightMarkX = 0;
    }
    if (!MissedCurrent) {
        ++state.TotalRight;
        form.AllCountR_.text = std::to_string(state.TotalRight);
        PaintMark(true);
        Button1Click();
        sounds_.play(Sound::Right);
        form.henko_panel.text = cp932::sj("よくできました。");
        form.tokuten.text = std::to_string(RightRate()) + rateSuffix();
        PaintStripNumber(colours::Blue);
        if (slot) {
            state.Passed[slot] = 1;
        }
    } else {
        PaintStripNumber(colours::Yellow);
        sounds_.play(Sound::RightAfterMiss);
        form.henko_panel.text = cp932::sj("クリアしました。");
    }
    MissedCurrent = false;
    form.Memo1.font.color = normalAnswerColour();
    ++state.Position;

    if (state.Position > state.QueueLength && state.MissInPass == 1) {
        form.henko_panel.visible = false;
        form.Timer3Enabled = false;
        coverMarkerRow(129);
        if (dialogs_.confirm("全問終了しました｡間違った問題だけを出題しますか ?", false) ==
            Answer::Yes) {
            BeginPass();
            state.PictureStep = 0;
            PracticeMode = true;
            form.henko_panel.text = cp932::sj("全問クリアするまでがんばりましょう。");
            dialogs_.information("これからは練習モードです。");
            form.henko_panel.text = cp932::sj("落ち着いて！！");
        } else if (dialogs_.confirm("もう一度最初から行いますか ?", false) == Answer::Yes) {
            state.clearPassed();
            state.Position = 1;
            BeginPass();
            PracticeMode = false;
            state.PictureStep = 0;
        } else {
            closeAfterPass("お疲れさまでした｡次回は全問正解を目指しましょう。");
        }
    }

    if (state.Position > state.QueueLength && state.MissInPass == 0 && !PracticeMode) {
        for (Control* c : {&form.Bangodisp, &form.tangodisp, &form.imidisp, &form.imidisp2,
                           &form.Memo2, &form.Memo1}) {
            c->text.clear();
        }
        form.Timer3Enabled = false;
        form.henko_panel.visible = false;
        coverMarkerRow(131);
        dialogs_.information("お疲れさまでした｡全て一度で正解しましたので、"
                             "この問題集にはチェックマークが付きます。");
        closeAfterPass(nullptr);
        if (state.LoadedBy && onSetCompleted) {
            onSetCompleted(*state.LoadedBy);
        }
    }

    form.tangodisp.text.clear();
    form.imidisp.text.clear();
    form.imidisp2.text.clear();
    form.Memo2.text.clear();
    form.Memo1.text.clear();
    ShowQuestion();

    if (state.Position > state.QueueLength && state.MissInPass == 0 && PracticeMode) {
        PracticeMode = false;
        ResetDisplay();
        if (dialogs_.confirm("全問終了しました。もう一度最初から行いますか ??", false) ==
            Answer::Yes) {
            state.clearPassed();
            state.Position = 1;
            BeginPass();
        } else {
            closeAfterPass("お疲れさまでした｡");
        }
        state.PictureStep = 0;
    }
}

void Drill::Button1Click() {
    ++state.PictureStep;
}

KeyAction Drill::Memo1KeyPress(const std::string& ch) {
    if (ch == "\r" || ch == "\n") {
        SpdBtnkaitouClick();
        state.TypedSinceJudge = 0;
        return KeyAction::Drop;
    }
    if (ch == " " && state.TypedSinceJudge == 0) {
        return KeyAction::Backspace;
    }
    if (ch == "/") {
        SpdBtnhintClick();
        return KeyAction::Backspace;
    }
    if (MissedCurrent) {
        form.Memo2.text.clear();
        form.henko_panel.visible = true;
        form.Memo1.font.color = colours::Yellow;
        form.henko_panel.text = cp932::sj("がんばれ～");
    } else {
        form.henko_panel.visible = true;
        form.henko_panel.text = cp932::sj("Ｔａｋｅ　ｉｔ　ｅａｓｙ　！");
    }
    state.TypedSinceJudge = 1;
    form.Memo3.visible = false;
    form.Memo4.visible = false;
    return KeyAction::Insert;
}

void Drill::kotakesuClick() {
    if (form.Memo1.font.color == colours::Red) {
        showPicture("image\\afterreturn.BMP");
        form.focus = FocusRequest::Memo1;
        form.Memo1.text.clear();
        form.Memo1.font.color = normalAnswerColour();
        form.henko_panel.text = cp932::sj("答をよく見てタイプ開始！");
        form.Memo3.visible = false;
        form.Memo4.visible = false;
    } else if (form.Memo1.font.color == colours::White) {
        form.henko_panel.visible = false;
    }
    if (drillRunning()) {
        form.Timer3Enabled = true;
    }
}
