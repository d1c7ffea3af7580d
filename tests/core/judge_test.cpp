#include "cp932.h"
#include "drill_harness.h"

#include <gtest/gtest.h>

using cp932::sj;

namespace {

void answerAll(DrillHarness& h, int from, int to) {
    for (int k = from; k <= to; ++k) {
        h.answer("answer" + std::to_string(k));
    }
}

} // namespace

TEST(Judge, WholeFirstPassWithoutAMissCompletesTheSet) {
    DrillHarness h;
    std::vector<std::string> completed;
    h.drill->onSetCompleted = [&](const std::string& e) { completed.push_back(e); };
    EXPECT_EQ(h.sounds.prepared, 0);
    h.load(numberedSet(30));
    // The players are made ready before the first answer is judged.
    EXPECT_GE(h.sounds.prepared, 1);
    h.state().LoadedBy = "K12";
    answerAll(h, 1, 29);
    EXPECT_EQ(h.state().TotalRight, 29);
    EXPECT_EQ(h.form().AllCountR_.text, "29");
    EXPECT_EQ(h.form().tokuten.text, "100" + sj("％"));
    EXPECT_EQ(h.state().PictureStep, 29);
    EXPECT_EQ(h.form().Image2Picture, "image\\26.BMP");
    EXPECT_EQ(h.numberColour(29), colours::Blue);
    EXPECT_EQ(h.form().henko_panel.text, sj("よくできました。"));
    answerAll(h, 30, 30);
    EXPECT_EQ(completed, std::vector<std::string>{"K12"});
    EXPECT_TRUE(h.dialogs.saw("info: お疲れさまでした｡全て一度で正解しましたので、"
                              "この問題集にはチェックマークが付きます。"));
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_TRUE(h.form().SpdBtnTimer.visible);
    EXPECT_FALSE(h.form().Timer3Enabled);
    EXPECT_EQ(h.state().PictureStep, 0);
    EXPECT_EQ(h.state().TotalRight, 30);
    EXPECT_EQ(h.sounds.played.size(), 30u);
    // A set not from the catalogue completes without a mark.
    DrillHarness user;
    user.drill->onSetCompleted = [&](const std::string& e) { completed.push_back(e); };
    user.load(numberedSet(1));
    std::optional<std::pair<char, Colour>> marker;
    user.dialogs.whileOpen = [&] { marker = user.form().surface.charAt(26, 433 - 57); };
    user.answer("answer1");
    // The yellow marker was covered before the box.
    ASSERT_TRUE(marker);
    EXPECT_EQ(marker->second, colours::DarkBlue);
    EXPECT_EQ(completed.size(), 1u);
    EXPECT_TRUE(user.dialogs.saw("info: お疲れさまでした｡全て一度で正解しましたので、"
                                 "この問題集にはチェックマークが付きます。"));
}

TEST(Judge, WrongThenRetypeCountsOnceAndEndsYellow) {
    DrillHarness h;
    h.load(numberedSet(2));
    h.answer("Answer1");
    EXPECT_EQ(h.state().TotalWrong, 1);
    EXPECT_EQ(h.form().Memo1.font.color, colours::Red);
    EXPECT_EQ(h.form().Memo2.text, "answer1");
    EXPECT_EQ(h.form().focus, FocusRequest::Kotakesu);
    EXPECT_FALSE(h.form().Timer3Enabled);
    EXPECT_EQ(h.form().henko_panel.text, sj("リターンキーを押して下さい。"));
    EXPECT_EQ(h.numberColour(1), colours::Red);
    EXPECT_EQ(h.sounds.played.back(), Sound::Wrong);

    h.run([&] { h.drill->kotakesuClick(); });
    EXPECT_EQ(h.form().Memo1.font.color, 0);
    EXPECT_EQ(h.form().Memo1.text, "");
    EXPECT_EQ(h.form().Memo2.text, "answer1"); // still shown until typing starts
    EXPECT_EQ(h.form().Image2Picture, "image\\afterreturn.BMP");
    EXPECT_TRUE(h.form().Timer3Enabled);

    h.answer("wrong again");
    h.run([&] { h.drill->kotakesuClick(); });
    h.type("a");
    EXPECT_EQ(h.form().Memo2.text, "");
    EXPECT_EQ(h.form().Memo1.font.color, colours::Yellow);
    EXPECT_EQ(h.form().henko_panel.text, sj("がんばれ～"));
    h.type("nswer1\r");
    EXPECT_EQ(h.state().TotalWrong, 1);
    EXPECT_EQ(h.state().TotalRight, 0);
    EXPECT_EQ(h.numberColour(1), colours::Yellow);
    EXPECT_EQ(h.sounds.played.back(), Sound::RightAfterMiss);
    EXPECT_EQ(h.state().passed(1), 0);
    EXPECT_EQ(h.form().Bangodisp.text, "2");
}

TEST(Judge, ExactBytesOnly) {
    DrillHarness h;
    h.load(setLines(
        "t", "i",
        {{"q", "m", " ", "apple"}, {"q", "m", " ", "two  spaces"}, {"q", "m", " ", "#h"}}));
    h.answer("Apple");
    EXPECT_EQ(h.state().TotalWrong, 1);
    h.run([&] { h.drill->kotakesuClick(); });
    h.answer("apple");
    h.answer("two spaces");
    EXPECT_EQ(h.state().TotalWrong, 2);
    h.run([&] { h.drill->kotakesuClick(); });
    h.answer("two  spaces");
    // An empty stored answer can never be right, not even when nothing is typed.
    h.run([&] { h.drill->SpdBtnkaitouClick(); });
    EXPECT_EQ(h.form().Memo1.font.color, colours::Red);
    EXPECT_TRUE(h.form().Memo3.visible);
    EXPECT_EQ(h.form().Memo3.text, "h");
}

TEST(Judge, NoSetLoaded) {
    DrillHarness h;
    h.run([&] { h.drill->SpdBtnkaitouClick(); });
    EXPECT_EQ(h.dialogs.log, std::vector<std::string>{"info: 問題集を選択して下さい｡"});
    EXPECT_EQ(h.state().TotalWrong, 0);
}

TEST(Judge, EndOfPassRestartAndQuit) {
    // Restart from the beginning.
    DrillHarness h;
    h.load(numberedSet(2));
    h.answer("x");
    h.run([&] { h.drill->kotakesuClick(); });
    h.answer("answer1");
    h.dialogs.answers = {Answer::No, Answer::Yes};
    h.answer("answer2");
    EXPECT_TRUE(h.dialogs.saw("confirm: もう一度最初から行いますか ?"));
    EXPECT_EQ(h.state().queueLength(), 2);
    EXPECT_EQ(h.state().passed(2), 0);
    EXPECT_FALSE(h.drill->PracticeMode);
    EXPECT_EQ(h.form().Bangodisp.text, "1");

    // Decline both: the set is closed.
    DrillHarness q;
    q.load(numberedSet(2));
    q.answer("x");
    q.run([&] { q.drill->kotakesuClick(); });
    q.answer("answer1");
    q.answer("answer2");
    EXPECT_TRUE(q.dialogs.saw("info: お疲れさまでした｡次回は全問正解を目指しましょう。"));
    EXPECT_TRUE(q.state().QuestionList.empty());
    EXPECT_EQ(q.form().tangodisp.text, "");
    EXPECT_TRUE(q.form().SpdBtnTimer.visible);
}

TEST(Judge, ReaskPassFinishedOffersRestartAndNeverMarks) {
    DrillHarness h;
    int marks = 0;
    h.drill->onSetCompleted = [&](const std::string&) { ++marks; };
    h.load(numberedSet(2));
    h.state().LoadedBy = "K13";
    h.answer("x");
    h.run([&] { h.drill->kotakesuClick(); });
    h.answer("answer1");
    h.dialogs.answers = {Answer::Yes};
    h.answer("answer2");
    ASSERT_TRUE(h.drill->PracticeMode);
    EXPECT_EQ(h.state().queueLength(), 1);
    h.dialogs.answers = {Answer::No};
    h.answer("answer1");
    EXPECT_TRUE(h.dialogs.saw("confirm: 全問終了しました。もう一度最初から行いますか ??"));
    EXPECT_TRUE(h.dialogs.saw("info: お疲れさまでした｡"));
    EXPECT_EQ(marks, 0);
    EXPECT_FALSE(h.drill->PracticeMode);
    EXPECT_TRUE(h.state().QuestionList.empty());
}

TEST(Judge, QuittingAReaskPassLetsTheNextSetEarnItsMark) {
    DrillHarness h;
    std::vector<std::string> marks;
    h.drill->onSetCompleted = [&](const std::string& e) { marks.push_back(e); };
    h.load(numberedSet(2));
    h.answer("x");
    h.run([&] { h.drill->kotakesuClick(); });
    h.answer("answer1");
    h.dialogs.answers = {Answer::Yes};
    h.answer("answer2");
    ASSERT_TRUE(h.drill->PracticeMode);
    // Quit while retyping a missed question, then load another set.
    h.answer("x");
    h.run([&] { h.drill->kotakesuClick(); });
    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.drill->SpdBtnShuryoClick(); });
    h.load(numberedSet(1));
    h.state().LoadedBy = "K14";
    h.answer("answer1");
    EXPECT_EQ(marks, std::vector<std::string>{"K14"});
}

TEST(Judge, TooManyWrongMarks) {
    DrillHarness wide;
    wide.load(numberedSet(1));
    for (int i = 1; i <= 69; ++i) {
        wide.drill->MissedCurrent = false;
        wide.answer("x");
        wide.run([&] { wide.drill->kotakesuClick(); });
    }
    EXPECT_FALSE(wide.dialogs.saw("info: 間違いが多すぎます。再挑戦して下さい。"));
    EXPECT_EQ(wide.state().WrongMarkX, 345);
    wide.drill->MissedCurrent = false;
    wide.answer("x");
    EXPECT_TRUE(wide.dialogs.saw("info: 間違いが多すぎます。再挑戦して下さい。"));
    EXPECT_EQ(wide.state().WrongMarkX, 0);

    DrillHarness narrow(899);
    narrow.load(numberedSet(1));
    for (int i = 1; i <= 61; ++i) {
        narrow.drill->MissedCurrent = false;
        narrow.answer("x");
        narrow.run([&] { narrow.drill->kotakesuClick(); });
        EXPECT_EQ(narrow.dialogs.saw("info: 間違いが多すぎます。再挑戦して下さい。"), i == 61) << i;
    }
}

TEST(Judge, SeventyFirstRightMarkStartsTheRowAgain) {
    DrillHarness h;
    h.load(numberedSet(2));
    h.state().RightMarkX = 350; // after 70 marks
    h.answer("answer1");
    bool atStart = false;
    for (const auto& op : h.form().surface.ops()) {
        atStart |= op.bitmapName == "right.bmp" && op.x == 387 && op.y == 9;
    }
    EXPECT_TRUE(atStart);
}

TEST(KeyFilter, ReturnSpaceSlashAndOtherKeys) {
    DrillHarness h;
    h.load(setLines("t", "i", {{"q", "m", " ", "a b#hint"}, {"q", "m", " ", "c"}}));
    // A space first after a judgement becomes a backspace.
    EXPECT_EQ(h.drill->Memo1KeyPress(" "), KeyAction::Backspace);
    EXPECT_EQ(h.drill->Memo1KeyPress("a"), KeyAction::Insert);
    EXPECT_EQ(h.form().henko_panel.text, sj("Ｔａｋｅ　ｉｔ　ｅａｓｙ　！"));
    EXPECT_TRUE(h.form().henko_panel.visible);
    EXPECT_EQ(h.drill->Memo1KeyPress(" "), KeyAction::Insert);
    // "/" never enters the field and opens the hint, emptying the field.
    h.form().Memo1.text = "a ";
    EXPECT_EQ(h.drill->Memo1KeyPress("/"), KeyAction::Backspace);
    EXPECT_TRUE(h.form().Memo3.visible);
    EXPECT_EQ(h.form().Memo3.text, "hint");
    EXPECT_EQ(h.form().Memo1.text, "");
    // Typing hides the hint box.
    h.type("a b");
    EXPECT_FALSE(h.form().Memo3.visible);
    EXPECT_EQ(h.drill->Memo1KeyPress("\r"), KeyAction::Drop);
    EXPECT_EQ(h.state().TypedSinceJudge, 0);
    EXPECT_EQ(h.form().Bangodisp.text, "2");
}

TEST(KeyFilter, TypingAJapaneseAnswerMatchesItsBytes) {
    DrillHarness h;
    EXPECT_FALSE(h.form().Memo1InputMethod);
    h.load(setLines("t", "i",
                    {{"q", "m", " ", "do#" + sj("する")},
                     {"q", "m", " ", sj("りんご")},
                     {"q", "m", " ", sj("A～B")}}));
    // The input method is on only while the answer needs it; a hint beyond
    // the "#" does not count.
    EXPECT_FALSE(h.form().Memo1InputMethod);
    h.answer("do");
    EXPECT_TRUE(h.form().Memo1InputMethod);
    h.answer("りんご");
    // An input method types 〜 as U+301C; CP932 codes it as the set's ～.
    EXPECT_TRUE(h.form().Memo1InputMethod);
    h.run([&] { h.drill->CloseSet(); });
    EXPECT_FALSE(h.form().Memo1InputMethod);
    h.load(setLines("t", "i", {{"q", "m", " ", sj("A～B")}}));
    h.answer("A〜B");
    EXPECT_EQ(h.state().TotalRight, 3);
}

TEST(Acknowledgement, WhiteAnswerTextHidesThePanel) {
    DrillHarness h;
    h.form().henko_panel.visible = true;
    h.form().Memo1.font.color = colours::White;
    h.run([&] { h.drill->kotakesuClick(); });
    EXPECT_FALSE(h.form().henko_panel.visible);
    EXPECT_FALSE(h.form().Timer3Enabled); // no drill running
}
