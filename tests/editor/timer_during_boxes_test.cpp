// A 3-second countdown keeps running while the editor's boxes are open: its
// timeout may judge, move on or end the pass, and the learner's entries stay.
#include "editor_harness.h"

#include <gtest/gtest.h>

namespace {

// A drill with the 3-second limit, in editor mode, with `answer` typed into
// the answer field of question 1 and the countdown running.
void startTyping(EditorHarness& h, const LineList& set, const std::string& answer) {
    h.run([&] { h.drill->RadioGroup1Click(0); });
    h.load(set);
    h.enterEditorMode();
    h.clickDrill(&Drill::SpdBtnModoruClick);
    h.type(answer);
}

} // namespace

TEST(TimerDuringBoxes, TimeoutsWhileCreatingLoseNothing) {
    EditorHarness h;
    h.run([&] { h.drill->RadioGroup1Click(0); });
    h.enterEditorMode();
    h.dialogs.answers = {Answer::Yes};
    h.inputs({"T", "I", "q1", "m1", " ", "a1", "q2", "m2", " ", "a2", "q3"});
    h.tickInBoxes("問題の入力", 5);
    h.click(&Editor::NewMondaiClick);
    EXPECT_EQ(h.state().QuestionList,
              setLines("T", "I", {{"q1", "m1", " ", "a1"}, {"q2", "m2", " ", "a2"}}));
    // Questions 1 and 2 each timed out while the next one was typed.
    EXPECT_EQ(h.state().TotalWrong, 2);
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"3", "q3", "", "", ""}));
    EXPECT_EQ(h.dialogs.log.back(), "save");
    // The last timeout waits for Return.
    EXPECT_EQ(h.form().Memo1.font.color, colours::Red);
    EXPECT_EQ(h.form().focus, FocusRequest::Kotakesu);
}

TEST(TimerDuringBoxes, ARightTimeoutMovesOnButTheAddFollowsTheChosenQuestion) {
    EditorHarness h;
    startTyping(h, numberedSet(3), "answer1");
    h.inputs({"n1", "n2", " ", "n"});
    h.tickInBoxes("問題の追加１", 5);
    h.click(&Editor::TuikaClick);
    EXPECT_EQ(h.state().TotalRight, 1);
    const auto& list = h.state().QuestionList;
    ASSERT_EQ(list.size(), 18u);
    EXPECT_EQ(list[6], "n1");
    EXPECT_EQ(list[10], "question 2");
    EXPECT_EQ(h.state().passed(1), 1);
    EXPECT_EQ(h.state().passed(2), 0);
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"2", "n1", "n2", " ", "n"}));
}

TEST(TimerDuringBoxes, ARightTimeoutDoesNotRedirectAChange) {
    EditorHarness h;
    startTyping(h, numberedSet(3), "answer1");
    h.inputs({"c1", "c2", "c3", "c4"});
    h.tickInBoxes("問題の変更２", 5);
    h.click(&Editor::HenkouClick);
    EXPECT_EQ(h.state().TotalRight, 1);
    EXPECT_EQ(h.state().QuestionList, setLines("Numbered", "Type the answer",
                                               {{"c1", "c2", "c3", "c4"},
                                                {"question 2", "meaning 2", " ", "answer2"},
                                                {"question 3", "meaning 3", " ", "answer3"}}));
}

TEST(TimerDuringBoxes, APassEndingInABoxClosesTheSetAndSaysSo) {
    for (auto handler : {&Editor::TuikaClick, &Editor::HenkouClick, &Editor::Button2Click}) {
        EditorHarness h;
        startTyping(h, numberedSet(1), "answer1");
        h.inputs({"n1", "n2", " ", "n"});
        h.tickInBoxes("", 5);
        h.click(handler);
        EXPECT_TRUE(h.state().QuestionList.empty());
        EXPECT_TRUE(h.dialogs.saw(std::string("info: ") + Editor::SetClosedMessage));
        EXPECT_EQ(h.boxesOpened(), 1);
        EXPECT_FALSE(h.dialogs.saw("save"));
        EXPECT_TRUE(h.dialogs.errors().empty());
    }

    EditorHarness h;
    startTyping(h, numberedSet(1), "answer1");
    h.dialogs.whileOpen = [&] {
        if (h.dialogs.log.back().rfind("confirm3: ", 0) == 0) {
            for (int i = 0; i < 5; ++i) {
                h.tick();
            }
        }
    };
    h.dialogs.answers = {Answer::Yes};
    h.click(&Editor::SakujoClick);
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_TRUE(h.dialogs.errors().empty());
}

TEST(TimerDuringBoxes, TheSaveDialogWritesWhatTheLearnerSaved) {
    EditorHarness h;
    startTyping(h, numberedSet(1), "answer1");
    h.dialogs.whileOpen = [&] {
        if (h.dialogs.log.back() == "save") {
            for (int i = 0; i < 5; ++i) {
                h.tick();
            }
        }
    };
    h.dialogs.files = {h.folder.path("UserFile/kept.txt")};
    h.click(&Editor::HozonClick);
    EXPECT_TRUE(h.state().QuestionList.empty()); // the pass ended in the dialog
    EXPECT_EQ(h.folder.readLines("UserFile/kept.txt"), numberedSet(1));
    EXPECT_TRUE(h.state().CurrentFileName.empty());
}
