#include "cp932.h"
#include "drill_harness.h"

#include <gtest/gtest.h>

using cp932::sj;

TEST(Navigation, BackAndForwardStayInsideThePass) {
    DrillHarness h;
    h.load(numberedSet(3));
    h.run([&] { h.drill->SpdBtnModoruClick(); });
    EXPECT_EQ(h.form().Bangodisp.text, "1");
    EXPECT_EQ(h.form().henko_panel.text, sj("問題を１つ戻しました。"));
    h.run([&] { h.drill->SpdBtnSusumeruClick(); });
    h.run([&] { h.drill->SpdBtnSusumeruClick(); });
    h.run([&] { h.drill->SpdBtnSusumeruClick(); });
    EXPECT_EQ(h.form().Bangodisp.text, "3");
    EXPECT_EQ(h.state().position(), 3);
    EXPECT_EQ(h.form().henko_panel.text, sj("問題を１つ進めました。"));
    EXPECT_EQ(h.state().MissInPass, 1);
}

TEST(Navigation, SkippingForwardEndsWithTheReaskOffer) {
    DrillHarness h;
    int marks = 0;
    h.drill->onSetCompleted = [&](const std::string&) { ++marks; };
    h.load(numberedSet(4));
    h.state().LoadedBy = "K1";
    h.answer("answer1");
    h.answer("answer2");
    h.run([&] { h.drill->SpdBtnSusumeruClick(); }); // skip 3
    h.answer("answer4");
    EXPECT_TRUE(h.dialogs.saw("confirm: 全問終了しました｡間違った問題だけを出題しますか ?"));
    EXPECT_EQ(marks, 0);

    DrillHarness r;
    r.load(numberedSet(4));
    r.answer("answer1");
    r.answer("answer2");
    r.run([&] { r.drill->SpdBtnSusumeruClick(); });
    r.dialogs.answers = {Answer::Yes};
    r.answer("answer4");
    EXPECT_EQ(r.state().queueLength(), 1);
    EXPECT_EQ(r.form().Bangodisp.text, "3");
}

TEST(Navigation, MovingAwayFromAMissedQuestionCountsTheNextAsFirstTry) {
    // Back: the question before the miss is answered at a first try again.
    DrillHarness h;
    h.load(numberedSet(3));
    EXPECT_FALSE(h.form().henko_panel.visible);
    h.answer("answer1");
    h.answer("nope");
    h.run([&] { h.drill->kotakesuClick(); });
    h.run([&] { h.drill->SpdBtnModoruClick(); });
    h.answer("answer1");
    EXPECT_EQ(h.numberColour(1), colours::Blue);
    EXPECT_EQ(h.state().TotalRight, 2);
    // Forward: the question after the miss.
    DrillHarness f;
    f.load(numberedSet(3));
    f.answer("nope");
    f.run([&] { f.drill->kotakesuClick(); });
    f.run([&] { f.drill->SpdBtnSusumeruClick(); });
    f.answer("answer2");
    EXPECT_EQ(f.numberColour(2), colours::Blue);
    EXPECT_EQ(f.state().passed(2), 1);
    EXPECT_EQ(f.state().TotalRight, 1);
    // The status panel shows for every question after the first.
    DrillHarness g;
    g.load(numberedSet(3));
    g.run([&] { g.drill->SpdBtnSusumeruClick(); });
    EXPECT_TRUE(g.form().henko_panel.visible);
}

TEST(Navigation, WithNoSetLoaded) {
    DrillHarness h;
    h.run([&] { h.drill->SpdBtnModoruClick(); });
    h.run([&] { h.drill->SpdBtnShuryoClick(); });
    EXPECT_EQ(h.dialogs.log, (std::vector<std::string>{"info: 問題集を選択して下さい｡",
                                                       "info: 問題集を選択して下さい｡"}));
}

TEST(Navigation, QuitConfirmedAndDeclined) {
    DrillHarness h;
    h.load(numberedSet(3));
    h.state().LoadedBy = "K5";
    h.answer("wrong");
    // Declined while a wrong answer waits: still red, Return still acknowledges.
    h.run([&] { h.drill->SpdBtnShuryoClick(); });
    EXPECT_TRUE(h.dialogs.saw("confirm: 現在の問題集を終了してもよろしいですか？"));
    EXPECT_EQ(h.form().Memo1.font.color, colours::Red);
    EXPECT_EQ(h.form().focus, FocusRequest::Kotakesu);
    EXPECT_FALSE(h.form().Timer3Enabled);

    h.run([&] { h.drill->kotakesuClick(); });
    h.form().focus = FocusRequest::None;
    // Declined while typing: the countdown starts again.
    h.run([&] { h.drill->SpdBtnShuryoClick(); });
    EXPECT_TRUE(h.form().Timer3Enabled);

    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.drill->SpdBtnShuryoClick(); });
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_FALSE(h.state().LoadedBy);
    EXPECT_FALSE(h.drill->MissedCurrent);
    EXPECT_EQ(h.form().Memo1.font.color, 0);
    EXPECT_FALSE(h.numberColour(1));
    EXPECT_TRUE(h.form().SpdBtnTimer.visible);
}

TEST(Navigation, ClearingResults) {
    DrillHarness h;
    h.load(numberedSet(2));
    h.answer("answer1");
    h.dialogs.answers = {Answer::Cancel};
    h.run([&] { h.drill->SpeedButtonseisekiclearClick(); });
    EXPECT_TRUE(h.dialogs.saw("confirm3: 通算の正答率、正誤答数をクリアしてもよろしいですか？"));
    EXPECT_EQ(h.state().TotalRight, 1);
    EXPECT_FALSE(h.form().Timer3Enabled); // stays off until the next question
    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.drill->SpeedButtonseisekiclearClick(); });
    EXPECT_EQ(h.state().TotalRight, 0);
    EXPECT_EQ(h.form().AllCountR_.text, "0");
    EXPECT_EQ(h.form().AllCountW_.text, "0");
    EXPECT_EQ(h.form().tokuten.text, "");
    EXPECT_TRUE(h.dialogs.saw("info: クリアしました。"));
}

TEST(EditorMode, LeavingRestartsTheCountdownOnlyDuringADrill) {
    DrillHarness h;
    h.form().Button6.visible = true;
    h.form().Henkou.visible = true;
    h.run([&] { h.drill->Button6Click(); });
    EXPECT_FALSE(h.form().Button6.visible);
    EXPECT_FALSE(h.form().Henkou.visible);
    EXPECT_FALSE(h.form().Timer3Enabled);
    h.load(numberedSet(2));
    h.form().Timer3Enabled = false;
    h.state().SecondsLeft = 7;
    h.run([&] { h.drill->Button6Click(); });
    EXPECT_TRUE(h.form().Timer3Enabled);
    EXPECT_EQ(h.state().SecondsLeft, 7);
}
