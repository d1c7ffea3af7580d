#include "editor_harness.h"

#include <gtest/gtest.h>

using cp932::sj;

namespace {

const LineList added = {"new 1", "new 2", " ", "new"};

LineList withInserted(LineList lines, size_t at, const LineList& record) {
    lines.insert(lines.begin() + static_cast<long>(at), record.begin(), record.end());
    return lines;
}

LineList withoutQuestion(LineList lines, size_t base) {
    lines.erase(lines.begin() + static_cast<long>(base),
                lines.begin() + static_cast<long>(base) + 4);
    return lines;
}

} // namespace

TEST(AddQuestion, AfterQuestionTwoOfThree) {
    EditorHarness h;
    h.load(numberedSet(3));
    h.clickDrill(&Drill::SpdBtnSusumeruClick);
    h.enterEditorMode();
    h.inputs(added);
    std::vector<std::string> numbers;
    h.dialogs.whileOpen = [&] { numbers.push_back(h.form().Bangodisp.text); };
    h.click(&Editor::TuikaClick);

    EXPECT_EQ(h.state().QuestionList, withInserted(numberedSet(3), 10, added));
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"3", "new 1", "new 2", " ", "new"}));
    EXPECT_EQ(h.state().position(), 3);
    EXPECT_EQ(h.state().queueLength(), 4);
    EXPECT_EQ(h.numberColour(4), colours::White);
    EXPECT_EQ(h.dialogs.log,
              (std::vector<std::string>{
                  "input: 問題の追加１|１行目の問題文を入力して下さい。|",
                  "input: 問題の追加２|new 1 の下の問題文を入力して下さい。|",
                  "input: 問題の追加３|new 2 の下の問題文を入力して下さい。無い時は空白を。|",
                  "input: 問題の追加４|答を入力して下さい。|",
                  "input: 問題の追加１|１行目の問題文を入力して下さい。|",
                  "save",
              }));
    // The new number appears once line 1 is in.
    EXPECT_EQ(numbers, (std::vector<std::string>{"2", "3", "3", "3", "3", "3"}));
    EXPECT_FALSE(h.form().Timer3Enabled);
}

TEST(AddQuestion, AtTheEndAndTwoInOneRun) {
    EditorHarness end;
    end.load(numberedSet(3));
    end.clickDrill(&Drill::SpdBtnSusumeruClick);
    end.clickDrill(&Drill::SpdBtnSusumeruClick);
    end.enterEditorMode();
    end.inputs(added);
    end.click(&Editor::TuikaClick);
    EXPECT_EQ(end.state().QuestionList, withInserted(numberedSet(3), 14, added));
    EXPECT_EQ(end.form().Bangodisp.text, "4");
    EXPECT_EQ(end.state().position(), 4);

    EditorHarness two;
    two.load(numberedSet(3));
    two.enterEditorMode();
    two.inputs({"A1", "A2", " ", "a", "B1", "B2", " ", "b"});
    two.click(&Editor::TuikaClick);
    const auto& list = two.state().QuestionList;
    ASSERT_EQ(list.size(), 22u);
    EXPECT_EQ(list[6], "A1");
    EXPECT_EQ(list[10], "B1");
    EXPECT_EQ(list[14], "question 2");
    EXPECT_EQ(two.shown(), (std::vector<std::string>{"3", "B1", "B2", " ", "b"}));
    EXPECT_EQ(two.state().queueLength(), 5);
}

TEST(AddQuestion, ACancelledAnswerStoresNothingButTheSaveIsOffered) {
    EditorHarness h;
    h.load(numberedSet(2));
    h.enterEditorMode();
    h.inputs({"x1", "x2", " "});
    h.click(&Editor::TuikaClick);
    EXPECT_EQ(h.state().QuestionList, numberedSet(2));
    EXPECT_EQ(h.dialogs.log.back(), "save");
    // The unfinished question stays on screen until another is shown.
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"2", "x1", "x2", " ", ""}));
}

TEST(AddQuestion, TheThirtyThirdIsRefusedBeforeItsFirstBox) {
    EditorHarness h;
    h.load(numberedSet(31));
    h.enterEditorMode();
    h.inputs({"n1", "n2", " ", "n", "m1", "m2", " ", "m"});
    h.click(&Editor::TuikaClick);
    EXPECT_EQ(h.boxesOpened(), 4);
    const auto& log = h.dialogs.log;
    EXPECT_EQ(log[log.size() - 2], std::string("info: ") + Editor::SetFullMessage);
    EXPECT_EQ(log.back(), "save");
    EXPECT_EQ(questionCount(h.state().QuestionList), 32);
    EXPECT_EQ(h.state().queueLength(), 32);

    h.dialogs.log.clear();
    h.click(&Editor::TuikaClick);
    EXPECT_EQ(h.dialogs.log,
              (std::vector<std::string>{std::string("info: ") + Editor::SetFullMessage, "save"}));
    EXPECT_EQ(questionCount(h.state().QuestionList), 32);
}

TEST(EditQuestions, ResultsStayWithTheirQuestionsAndTheQueueDecidesWhatIsShown) {
    EditorHarness h;
    h.load(numberedSet(3));
    h.answer("answer1");
    h.answer("answer2");
    h.clickDrill(&Drill::SpdBtnModoruClick);
    h.clickDrill(&Drill::SpdBtnModoruClick); // back to question 1, passed already
    h.enterEditorMode();
    h.inputs(added);
    h.click(&Editor::TuikaClick);
    const auto& s = h.state();
    EXPECT_EQ(s.passed(1), 1);
    EXPECT_EQ(s.passed(2), 0); // the new question
    EXPECT_EQ(s.passed(3), 1); // the former question 2
    EXPECT_EQ(s.passed(4), 0);
    EXPECT_EQ(s.queueLength(), 2);
    EXPECT_EQ(s.queued(1), 6);
    EXPECT_EQ(s.queued(2), 14);
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"2", "new 1", "new 2", " ", "new"}));
    EXPECT_FALSE(h.numberColour(1));
    EXPECT_EQ(h.numberColour(2), colours::White);

    // Deleting the new question again: the former question 2 takes its
    // place but stays passed, so the next one queued is shown.
    h.dialogs.answers = {Answer::Yes};
    h.click(&Editor::SakujoClick);
    EXPECT_EQ(s.QuestionList, numberedSet(3));
    EXPECT_EQ(s.passed(2), 1);
    EXPECT_EQ(s.passed(3), 0);
    EXPECT_EQ(s.queueLength(), 1);
    EXPECT_EQ(h.form().tangodisp.text, "question 3");
}

TEST(AddQuestion, TheNewQuestionCarriesNoMissOfTheOneBefore) {
    EditorHarness h;
    h.load(numberedSet(2));
    h.answer("wrong");
    h.clickDrill(&Drill::kotakesuClick); // retyping question 1
    h.enterEditorMode();
    h.inputs(added);
    h.click(&Editor::TuikaClick);
    h.enterEditorMode(); // leave
    h.answer("new");
    EXPECT_EQ(h.state().TotalRight, 1);
    EXPECT_EQ(h.numberColour(2), colours::Blue);
}

TEST(EditQuestions, ASetOfTitleAndInstructionOnly) {
    EditorHarness h;
    h.load({"Title", "Instruction"});
    h.enterEditorMode();
    h.inputs({"x"});
    h.click(&Editor::TuikaClick);
    h.click(&Editor::HenkouClick); // reaches its save step, which offers nothing
    h.click(&Editor::SakujoClick);
    EXPECT_TRUE(h.dialogs.log.empty());
    EXPECT_EQ(h.state().QuestionList, (LineList{"Title", "Instruction"}));
    EXPECT_EQ(h.form().focus, FocusRequest::Memo1);
}

TEST(ChangeQuestion, AllFourBoxesReplaceTheQuestionOnScreen) {
    EditorHarness h;
    h.load(numberedSet(3));
    h.clickDrill(&Drill::SpdBtnSusumeruClick);
    h.enterEditorMode();
    h.inputs({"c1", "c2", "c3", "c4#hint"});
    h.click(&Editor::HenkouClick);
    EXPECT_EQ(h.dialogs.log,
              (std::vector<std::string>{
                  "input: 問題の変更１|新しい問題文１を入力して下さい。|question 2",
                  "input: 問題の変更２|新しい問題文２を入力して下さい。|meaning 2",
                  "input: 問題の変更３|新しい問題文３を入力して下さい。無い時は空白を。| ",
                  "input: 問題の変更４|新しい答を入力して下さい。|answer2",
                  "save",
              }));
    const LineList changed = {"c1", "c2", "c3", "c4#hint"};
    LineList expected = numberedSet(3);
    std::copy(changed.begin(), changed.end(), expected.begin() + 6);
    EXPECT_EQ(h.state().QuestionList, expected);
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"2", "c1", "c2", "c3", "c4#hint"}));
    EXPECT_FALSE(h.form().Timer3Enabled);
}

TEST(ChangeQuestion, AbandonedAtBoxThreeLeavesTheListAsItWas) {
    EditorHarness h;
    h.load(numberedSet(3));
    h.clickDrill(&Drill::SpdBtnSusumeruClick);
    h.enterEditorMode();
    h.inputs({"c1", "c2"});
    h.click(&Editor::HenkouClick);
    EXPECT_EQ(h.state().QuestionList, numberedSet(3));
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"2", "c1", "c2", " ", ""}));
    EXPECT_EQ(h.dialogs.log.back(), "save");
}

TEST(ChangeQuestion, AnEmptyThirdLineNeedsOneSpace) {
    EditorHarness h;
    h.load(setLines("T", "I", {{"q1", "m1", "", "a1"}}));
    h.enterEditorMode();
    h.inputs({"q1", "m1"}); // the empty third line taken back as it is
    h.click(&Editor::HenkouClick);
    EXPECT_TRUE(
        h.dialogs.saw("input: 問題の変更３|新しい問題文３を入力して下さい。無い時は空白を。|"));
    EXPECT_EQ(h.boxesOpened(), 3);
    EXPECT_EQ(h.state().QuestionList[4], "");

    h.inputs({"q1", "m1", " ", "a1"});
    h.click(&Editor::HenkouClick);
    EXPECT_EQ(h.state().QuestionList, setLines("T", "I", {{"q1", "m1", " ", "a1"}}));
}

TEST(ChangeQuestion, LinesLongerThanTheBoxKeepTheirTailWhenTakenBack) {
    std::string hint;
    for (int i = 0; i < 150; ++i) {
        hint += "説";
    }
    const std::string answerLine = sj("go#" + hint); // 303 bytes
    EditorHarness h;
    h.load(setLines("T", "I", {{"q1", "m1", " ", answerLine}}));
    h.enterEditorMode();
    h.inputs({"q1", "m1", " "});
    h.dialogs.inputs.push_back(answerLine); // the box gives back its first 255 bytes
    h.click(&Editor::HenkouClick);
    EXPECT_EQ(h.state().QuestionList[5], answerLine);

    const std::string typed(255, 'z');
    h.inputs({"q1", "m1", " ", typed});
    h.click(&Editor::HenkouClick);
    EXPECT_EQ(h.state().QuestionList[5], typed);
}

TEST(DeleteQuestion, YesShowsTheNextQuestionOrTheNewLast) {
    EditorHarness h;
    h.load(numberedSet(3));
    h.clickDrill(&Drill::SpdBtnSusumeruClick);
    h.enterEditorMode();
    h.dialogs.answers = {Answer::Yes};
    h.click(&Editor::SakujoClick);
    EXPECT_EQ(h.dialogs.log,
              std::vector<std::string>{"confirm3: question 2　の問題を削除します。"});
    EXPECT_EQ(h.state().QuestionList, withoutQuestion(numberedSet(3), 6));
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"2", "question 3", "meaning 3", " ", ""}));
    EXPECT_EQ(h.state().position(), 2);
    EXPECT_TRUE(h.form().Timer3Enabled); // deleting leaves the countdown running
    EXPECT_EQ(h.dialogs.log.size(), 1u); // and offers no save

    h.dialogs.answers = {Answer::Yes}; // now the last question
    h.click(&Editor::SakujoClick);
    EXPECT_EQ(h.state().QuestionList, withoutQuestion(numberedSet(2), 6));
    EXPECT_EQ(h.form().tangodisp.text, "question 1");
    EXPECT_EQ(h.state().position(), 1);
}

TEST(DeleteQuestion, TheOnlyQuestion) {
    EditorHarness h;
    h.load(numberedSet(1));
    h.enterEditorMode();
    h.clickDrill(&Drill::SpdBtnModoruClick); // the countdown runs again
    h.dialogs.answers = {Answer::Yes};
    h.click(&Editor::SakujoClick);
    EXPECT_EQ(h.state().QuestionList, (LineList{"Numbered", "Type the answer"}));
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"1", "", "", "", ""}));
    EXPECT_EQ(h.numberColour(1), colours::White);
    EXPECT_EQ(h.state().CurrentBase, 2);
    EXPECT_EQ(h.state().position(), 0);
    // No countdown is left to judge an answer to no question.
    EXPECT_FALSE(h.form().Timer3Enabled);
    for (int i = 0; i < 30; ++i) {
        h.tick();
    }
    EXPECT_EQ(h.state().TotalWrong, 0);

    h.inputs(added);
    h.click(&Editor::TuikaClick);
    EXPECT_EQ(h.boxesOpened(), 0);
}

TEST(DeleteQuestion, NoOrCancelRestartsOnTheSameQuestion) {
    for (Answer a : {Answer::No, Answer::Cancel}) {
        EditorHarness h;
        h.load(numberedSet(3));
        h.answer("answer1");
        h.answer("wrong");
        h.clickDrill(&Drill::kotakesuClick); // retyping question 2
        h.enterEditorMode();
        h.dialogs.answers = {a};
        h.click(&Editor::SakujoClick);
        EXPECT_EQ(h.state().QuestionList, numberedSet(3));
        // Question 1, passed, leaves the queue; question 2 stays on screen.
        EXPECT_EQ(h.state().queueLength(), 2);
        EXPECT_EQ(h.form().tangodisp.text, "question 2");
        EXPECT_EQ(h.state().MissInPass, 0);
        EXPECT_TRUE(h.drill->MissedCurrent);
    }
}

TEST(DeleteQuestion, TheLastQuestionStillQueuedInAReaskPass) {
    EditorHarness h;
    h.load(numberedSet(2));
    h.answer("answer1");
    h.answer("wrong");
    h.clickDrill(&Drill::kotakesuClick);
    h.dialogs.answers = {Answer::Yes}; // ask the missed question again
    h.answer("answer2");
    ASSERT_EQ(h.state().queueLength(), 1);
    h.enterEditorMode();
    h.dialogs.answers = {Answer::Yes};
    h.click(&Editor::SakujoClick);
    EXPECT_TRUE(h.dialogs.errors().empty());
    EXPECT_EQ(h.state().QuestionList, numberedSet(1));
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"1", "question 1", "meaning 1", " ", ""}));
}

TEST(DeleteQuestion, TheConfirmationQuotesTheLineCutAt64Bytes) {
    EditorHarness h;
    LineList set = numberedSet(2);
    set[2] = std::string(100, 'q');
    h.load(set);
    h.enterEditorMode();
    h.dialogs.answers = {Answer::No};
    h.click(&Editor::SakujoClick);
    EXPECT_EQ(h.dialogs.log.back(),
              "confirm3: " + std::string(64, 'q') + "…　の問題を削除します。");
}
