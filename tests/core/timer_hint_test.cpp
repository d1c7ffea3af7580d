#include "cp932.h"
#include "drill_harness.h"

#include <gtest/gtest.h>

using cp932::sj;

TEST(Countdown, ThreeSecondsThenTimeout) {
    DrillHarness h;
    h.run([&] { h.drill->RadioGroup1Click(0); });
    EXPECT_EQ(h.form().Panel4.text, "3");
    h.load(numberedSet(2));
    std::vector<std::string> shown;
    for (int i = 0; i < 4; ++i) {
        h.tick();
        shown.push_back(h.form().Panel4.text);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"3", "2", "1", "0"}));
    EXPECT_EQ(h.state().SecondsLeft, -1);
    EXPECT_EQ(h.state().TotalWrong, 0);
    h.tick();
    EXPECT_EQ(h.state().TotalWrong, 1);
    EXPECT_EQ(h.form().Image2Picture, "image\\Timeout.BMP");
    EXPECT_EQ(h.state().SecondsLeft, 3);
    EXPECT_FALSE(h.form().Timer3Enabled);
}

TEST(Countdown, TimeoutJudgesWhatWasTypedRight) {
    DrillHarness h;
    h.run([&] { h.drill->RadioGroup1Click(0); });
    h.load(numberedSet(2));
    h.type("answer1");
    for (int i = 0; i < 5; ++i) {
        h.tick();
    }
    EXPECT_EQ(h.state().TotalRight, 1);
    EXPECT_EQ(h.form().Bangodisp.text, "2");
}

TEST(Countdown, NoLimitCountsNothingForFiveMinutes) {
    DrillHarness h;
    h.run([&] { h.drill->RadioGroup1Click(4); });
    EXPECT_EQ(h.state().TimeLimit, 600);
    EXPECT_EQ(h.form().Panel4.text, "");
    // Loading resets the display, which shows the limit as it is.
    h.load(numberedSet(1));
    EXPECT_EQ(h.form().Panel4.text, "600");
    for (int i = 0; i < 301; ++i) {
        h.tick();
    }
    EXPECT_EQ(h.form().Panel4.text, "600");
    EXPECT_EQ(h.state().SecondsLeft, 299);
    h.tick();
    EXPECT_EQ(h.form().Panel4.text, "299");
}

TEST(Countdown, TickDuringTheJudgesBoxesNeverReentersIt) {
    DrillHarness h;
    h.run([&] { h.drill->RadioGroup1Click(0); });
    h.load(numberedSet(1));
    // Answer wrong 69 times so the next miss brings the warning box.
    for (int i = 0; i < 69; ++i) {
        h.drill->MissedCurrent = false;
        h.answer("x");
        h.run([&] { h.drill->kotakesuClick(); });
    }
    int ticksInside = 0;
    long wrongBefore = h.state().TotalWrong;
    h.dialogs.whileOpen = [&] {
        // Many seconds pass while the warning is open: the countdown rests.
        for (int i = 0; i < 10; ++i) {
            h.tick();
            ++ticksInside;
        }
        EXPECT_EQ(h.state().SecondsLeft, 0);
        // Were the countdown past zero, the timeout would still not judge,
        h.state().SecondsLeft = -1;
        h.tick();
        EXPECT_NE(h.form().Image2Picture, "image\\Timeout.BMP");
        // nor would Return reaching the judge through the box.
        h.run([&] { h.drill->SpdBtnkaitouClick(); });
        h.state().SecondsLeft = 0;
    };
    h.drill->MissedCurrent = false;
    h.state().SecondsLeft = 0;
    h.answer("x");
    h.dialogs.whileOpen = nullptr;
    EXPECT_EQ(ticksInside, 10);
    EXPECT_EQ(h.state().TotalWrong, wrongBefore + 1);
    EXPECT_EQ(h.state().SecondsLeft, 3);
    EXPECT_TRUE(h.dialogs.errors().empty());
}

TEST(Countdown, TicksStillRunWhileAConfirmationIsOpen) {
    DrillHarness h;
    h.load(numberedSet(2));
    int seen = -100;
    h.dialogs.whileOpen = [&] {
        h.tick();
        seen = h.state().SecondsLeft;
    };
    h.run([&] { h.drill->SpdBtnShuryoClick(); });
    // The quit stops the countdown before asking.
    EXPECT_EQ(seen, 20);
}

TEST(TimeLimitChoice, ToggleAndLeaveEditorMode) {
    DrillHarness h;
    h.form().Button6.visible = true;
    h.run([&] { h.drill->SpdBtnTimerClick(); });
    EXPECT_TRUE(h.form().RadioGroup1.visible);
    EXPECT_FALSE(h.form().Button6.visible);
    h.run([&] { h.drill->SpdBtnTimerClick(); });
    EXPECT_FALSE(h.form().RadioGroup1.visible);
    h.run([&] { h.drill->SpdBtnTimerClick(); });
    h.run([&] { h.drill->RadioGroup1Click(3); });
    EXPECT_EQ(h.state().TimeLimit, 30);
    EXPECT_EQ(h.state().SecondsLeft, 30);
    EXPECT_FALSE(h.form().RadioGroup1.visible);
    EXPECT_TRUE(h.form().SpdBtnSaku.visible);
    EXPECT_EQ(h.form().focus, FocusRequest::Memo1);
    h.run([&] { h.drill->RadioGroup1Click(-1); });
    EXPECT_EQ(h.state().TimeLimit, 30);
}

TEST(Hint, WithAndWithoutExplanation) {
    DrillHarness h;
    h.load(setLines("t", "i", {{"q", "m", " ", "go#" + sj("行く")}, {"q", "m", " ", "come"}}));
    h.type("go");
    h.run([&] { h.drill->SpdBtnhintClick(); });
    EXPECT_TRUE(h.form().Memo3.visible);
    EXPECT_TRUE(h.form().Memo4.visible);
    EXPECT_EQ(h.form().Memo3.text, sj("行く"));
    EXPECT_EQ(h.form().Memo1.text, "");
    h.run([&] { h.drill->SpdBtnhintClick(); });
    EXPECT_FALSE(h.form().Memo3.visible);
    h.answer("go");
    h.run([&] { h.drill->SpdBtnhintClick(); });
    EXPECT_EQ(h.form().Memo3.text, sj("ヒント、解説はありません。"));

    DrillHarness none;
    none.run([&] { none.drill->SpdBtnhintClick(); });
    EXPECT_TRUE(none.dialogs.saw("info: 問題集を選択して下さい｡"));
}
