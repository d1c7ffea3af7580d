#include "editor_harness.h"

#include <gtest/gtest.h>

using cp932::sj;

namespace {

std::string saveDialogs(const EditorHarness& h) {
    std::string s;
    for (const auto& l : h.dialogs.log) {
        s += l == "save" ? "S" : "";
    }
    return s;
}

} // namespace

TEST(NewSet, DeclinedChangesNothing) {
    EditorHarness h;
    h.load(numberedSet(2));
    h.enterEditorMode();
    const LineList before = h.state().QuestionList;
    const auto shownBefore = h.shown();
    h.dialogs.answers = {Answer::No};
    h.click(&Editor::NewMondaiClick);
    EXPECT_EQ(h.dialogs.log,
              std::vector<std::string>{"confirm: 問題集の作成を始めてもよいですか？"});
    EXPECT_EQ(h.state().QuestionList, before);
    EXPECT_EQ(h.shown(), shownBefore);
    EXPECT_EQ(h.form().ShadowLabel2.text, "Type the answer");
}

TEST(NewSet, CancelAtEachBoxBeforeTheFirstQuestionIsComplete) {
    struct Case {
        std::vector<std::string> typed;
        LineList list;
        std::string banner;
        std::string tangodisp;
    };
    const Case cases[] = {
        {{}, {}, "", ""},                                              // title
        {{"My set"}, {}, "My set", ""},                                // instruction
        {{"My set", "Fill in"}, {"My set", "Fill in"}, "Fill in", ""}, // question line 1
        {{"My set", "Fill in", "I ( ) a pen.", "私はペンを持っている。"},
         {"My set", "Fill in"},
         "Fill in",
         "I ( ) a pen."}, // question line 3
    };
    for (const auto& c : cases) {
        EditorHarness h;
        h.load(numberedSet(3));
        h.state().LoadedBy = "K11";
        h.clickDrill(&Drill::SpdBtnSusumeruClick);
        h.answer("answer2");
        ASSERT_EQ(h.state().passed(2), 1);
        h.enterEditorMode();
        h.dialogs.answers = {Answer::Yes};
        h.inputs(c.typed);
        h.click(&Editor::NewMondaiClick);
        EXPECT_EQ(h.state().QuestionList, c.list);
        EXPECT_EQ(h.form().ShadowLabel2.text, c.banner);
        EXPECT_EQ(h.form().tangodisp.text, c.tangodisp);
        EXPECT_EQ(h.form().Memo2.text, "");
        EXPECT_FALSE(h.state().LoadedBy);
        EXPECT_EQ(h.state().passed(2), 0);
        EXPECT_EQ(saveDialogs(h), ""); // fewer than 5 lines
        EXPECT_FALSE(h.form().Timer3Enabled);
    }
}

TEST(NewSet, TwoQuestionsAndAThirdEndedAtItsSecondBox) {
    EditorHarness h;
    h.enterEditorMode();
    h.dialogs.answers = {Answer::Yes};
    h.inputs({"Unit 1", "Fill in", "I ( ) a pen.", "私はペンを持っている。", " ", "have",
              "She ( ) tea.", "彼女はお茶を飲む。", "飲む", "drinks#三人称単数", "Third"});
    std::vector<std::vector<std::string>> seen;
    h.dialogs.whileOpen = [&] { seen.push_back(h.shown()); };
    const auto path = h.folder.path("UserFile/unit1.txt");
    h.dialogs.files = {path};
    h.click(&Editor::NewMondaiClick);

    EXPECT_EQ(
        h.dialogs.log,
        (std::vector<std::string>{
            "confirm: 問題集の作成を始めてもよいですか？",
            "input: 問題集の作成１|作成する問題集のタイトル名を入力して下さい。|小学1年生問題(例）",
            "input: 問題集の作成２|設問を入力して下さい。|次の空欄に適語を入れなさい(例）",
            "input: 問題の入力１|１行目の問題文を入力して下さい。|",
            "input: 問題の入力２|I ( ) a pen. の下の問題文を入力して下さい。|",
            "input: 問題の入力３|私はペンを持っている。 "
            "の下の問題文を入力して下さい。無い時は空白を。|",
            "input: 問題の入力４|答を入力して下さい。|",
            "input: 問題の入力１|１行目の問題文を入力して下さい。|",
            "input: 問題の入力２|She ( ) tea. の下の問題文を入力して下さい。|",
            "input: 問題の入力３|彼女はお茶を飲む。 "
            "の下の問題文を入力して下さい。無い時は空白を。|",
            "input: 問題の入力４|答を入力して下さい。|",
            "input: 問題の入力１|１行目の問題文を入力して下さい。|",
            "input: 問題の入力２|Third の下の問題文を入力して下さい。|",
            "save",
        }));
    // What the learner saw as each box opened: number, three lines, answer.
    EXPECT_EQ(seen[3], (std::vector<std::string>{"1", "", "", "", ""}));
    EXPECT_EQ(seen[5], (std::vector<std::string>{"1", "I ( ) a pen.", sj("私はペンを持っている。"),
                                                 "", ""}));
    EXPECT_EQ(seen[6], (std::vector<std::string>{"1", "I ( ) a pen.", sj("私はペンを持っている。"),
                                                 " ", ""}));
    // Question 1 is a drill question while question 2 is typed.
    EXPECT_EQ(seen[7], (std::vector<std::string>{"2", "I ( ) a pen.", sj("私はペンを持っている。"),
                                                 " ", "have"}));

    const LineList expected = {sj("Unit 1"),
                               "Fill in",
                               "I ( ) a pen.",
                               sj("私はペンを持っている。"),
                               " ",
                               "have",
                               "She ( ) tea.",
                               sj("彼女はお茶を飲む。"),
                               sj("飲む"),
                               sj("drinks#三人称単数")};
    EXPECT_EQ(h.state().QuestionList, expected);
    EXPECT_EQ(h.state().position(), 2);
    EXPECT_EQ(h.state().queueLength(), 2);
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"3", "Third", "", "", ""}));
    EXPECT_EQ(h.numberColour(1), colours::White);
    EXPECT_EQ(h.numberColour(2), colours::White);
    EXPECT_FALSE(h.form().Timer3Enabled); // stopped for the save step

    const FileDialogOptions& o = h.dialogs.fileOptions.at(0);
    EXPECT_EQ(o.title, "");
    EXPECT_EQ(o.initialDir, h.folder.dir().userFileDir());
    EXPECT_TRUE(o.proposed.empty());
    EXPECT_TRUE(o.confirmOverwrite);
    EXPECT_EQ(h.state().CurrentFileName, path);
    EXPECT_EQ(h.folder.read("UserFile/unit1.txt"), joinLines(expected));
}

TEST(NewSet, AnEmptyAnswerIsStoredAndEndsTheDialogue) {
    EditorHarness h;
    h.enterEditorMode();
    h.dialogs.answers = {Answer::Yes};
    h.inputs({"T", "I", "q1", "m1", " "}); // the answer box cancelled
    h.click(&Editor::NewMondaiClick);
    EXPECT_EQ(h.state().QuestionList, (LineList{"T", "I", "q1", "m1", " ", ""}));
    EXPECT_EQ(h.boxesOpened(), 6);
    EXPECT_EQ(saveDialogs(h), "S");
    EXPECT_EQ(h.form().tangodisp.text, "q1");
}

TEST(NewSet, TheThirtyThirdQuestionIsRefusedBeforeItsFirstBox) {
    EditorHarness h;
    h.enterEditorMode();
    h.dialogs.answers = {Answer::Yes};
    h.inputs({"T", "I"});
    for (int k = 1; k <= 32; ++k) {
        h.inputs({"q" + std::to_string(k), "m", " ", "a" + std::to_string(k)});
    }
    h.inputs({"q33", "m", " ", "a33"});
    h.click(&Editor::NewMondaiClick);
    EXPECT_EQ(h.boxesOpened(), 2 + 32 * 4);
    const auto& log = h.dialogs.log;
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 2], std::string("info: ") + Editor::SetFullMessage);
    EXPECT_EQ(log.back(), "save");
    EXPECT_EQ(h.state().QuestionList.size(), 2u + 32 * 4);
    EXPECT_EQ(h.state().QuestionList.back(), "a32");
    EXPECT_EQ(h.form().Bangodisp.text, "32");
    EXPECT_EQ(h.state().queueLength(), 32);
}

TEST(NewSet, TextsOfTheFull255Bytes) {
    EditorHarness h;
    h.enterEditorMode();
    h.dialogs.answers = {Answer::Yes};
    std::string kana;
    for (int i = 0; i < 126; ++i) {
        kana += "あ";
    }
    const std::string line1 = kana + "xyz"; // 255 bytes in CP932
    const std::string line2(255, 'm');
    const std::string answer = "a#" + kana + "b"; // 255 bytes
    h.inputs({"T", "I", line1, line2, " ", answer});
    h.click(&Editor::NewMondaiClick);
    ASSERT_EQ(h.state().QuestionList.size(), 6u);
    EXPECT_EQ(h.state().QuestionList[2].size(), 255u);
    EXPECT_EQ(h.state().QuestionList[2], sj(line1));
    EXPECT_EQ(h.state().QuestionList[3], line2);
    EXPECT_EQ(h.state().QuestionList[5], sj(answer));
    EXPECT_EQ(h.state().QuestionList[5].size(), 255u);
    // The prompts quote the lines before them cut at 64 bytes.
    EXPECT_TRUE(h.dialogs.saw("input: 問題の入力２|" + kana.substr(0, 32 * 3) +
                              "… の下の問題文を入力して下さい。|"));
    EXPECT_TRUE(h.dialogs.saw("input: 問題の入力３|" + line2.substr(0, 64) +
                              "… の下の問題文を入力して下さい。無い時は空白を。|"));
    EXPECT_EQ(h.form().tangodisp.text, sj(line1));
}

TEST(TitleChange, ReplacesTitleAndInstructionButNotTheCaption) {
    EditorHarness empty;
    empty.click(&Editor::Button2Click);
    EXPECT_TRUE(empty.dialogs.log.empty());
    EXPECT_EQ(empty.form().focus, FocusRequest::Memo1);

    EditorHarness h;
    h.load(numberedSet(2));
    h.form().Caption = "caption as loaded";
    h.enterEditorMode();
    h.inputs({"新しい題", "新しい設問"});
    h.click(&Editor::Button2Click);
    EXPECT_EQ(h.dialogs.log,
              (std::vector<std::string>{
                  "input: タイトル名の変更|新しいタイトルを入力して下さい。|Numbered",
                  "input: 設問の変更|新しい設問文を入力して下さい。|Type the answer"}));
    EXPECT_EQ(h.state().QuestionList[0], sj("新しい題"));
    EXPECT_EQ(h.state().QuestionList[1], sj("新しい設問"));
    EXPECT_EQ(h.form().ShadowLabel2.text, sj("新しい設問"));
    EXPECT_EQ(h.form().Caption, "caption as loaded");

    // Instruction cancelled: the title stays changed, the banner blank.
    h.inputs({"Third title"});
    h.click(&Editor::Button2Click);
    EXPECT_EQ(h.state().QuestionList[0], "Third title");
    EXPECT_EQ(h.state().QuestionList[1], sj("新しい設問"));
    EXPECT_EQ(h.form().ShadowLabel2.text, "");
}
