#include "catalogue_harness.h"
#include "cp932.h"
#include "faulty_disk.h"

using cp932::sj;

namespace {

const char* const FinishQuestion = "confirm3: 終了してもよろしいですか？";
const char* const Farewell = "info: お疲れさまでした。 「継続は力なり」  次回もがんばりましょう。";

// A started program with a drill on screen and a wrong answer pending.
void startWithPendingWrongAnswer(CatalogueHarness& h) {
    h.start();
    h.load(numberedSet(3));
    h.answer("answer1");
    h.answer("nope");
    ASSERT_TRUE(h.drill->awaitingAcknowledgement());
}

} // namespace

TEST(Finish, ConfirmedSavesTheRunAndClosesTheWindow) {
    CatalogueHarness h;
    startWithPendingWrongAnswer(h);
    h.form().Timer3Enabled = true;
    bool timerDuringQuestion = true;
    h.dialogs.whileOpen = [&] { timerDuringQuestion = h.form().Timer3Enabled; };
    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
    EXPECT_FALSE(timerDuringQuestion);
    EXPECT_EQ(h.dialogs.log, (std::vector<std::string>{FinishQuestion, Farewell, "close"}));
    const LineList saved = h.folder.readLines("font.txt");
    EXPECT_EQ(saved[26], "1");
    EXPECT_EQ(saved[27], "1");
    // The red of the pending wrong answer is never saved.
    EXPECT_EQ(saved[10], "0");
    EXPECT_EQ(h.form().Memo1.font.color, 0);
}

TEST(Finish, DecliningWritesNothingAndKeepsTheDrill) {
    for (Answer decline : {Answer::No, Answer::Cancel}) {
        CatalogueHarness h;
        startWithPendingWrongAnswer(h);
        const std::string before = h.folder.read("font.txt");
        h.dialogs.answers = {decline};
        h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
        EXPECT_EQ(h.dialogs.log.back(), FinishQuestion);
        EXPECT_FALSE(h.dialogs.closed);
        EXPECT_EQ(h.folder.read("font.txt"), before);
        EXPECT_EQ(h.state().QuestionList.size(), 14u);
        EXPECT_EQ(h.state().position(), 2);
        EXPECT_EQ(h.state().TotalRight, 1);
        EXPECT_EQ(h.state().TotalWrong, 1);
        // Reset to line 10 before the question, so no longer red: the
        // acknowledgement step runs and the countdown resumes.
        EXPECT_EQ(h.form().Memo1.font.color, 0);
        EXPECT_TRUE(h.form().Timer3Enabled);
    }
    // With red as the normal colour the pending answer keeps the focus on kotakesu.
    CatalogueHarness red;
    LineList s = defaultSettings();
    s[10] = "255";
    red.folder.writeLines("font.txt", s);
    startWithPendingWrongAnswer(red);
    red.form().focus = FocusRequest::None;
    red.run([&] { red.catalogue.SpdBtnTojiruClick(); });
    EXPECT_EQ(red.form().focus, FocusRequest::Kotakesu);
    EXPECT_FALSE(red.form().Timer3Enabled);
}

TEST(Finish, AFailedSaveWritesNothingAndLeavesTheWindowOpen) {
    // Not writable.
    {
        CatalogueHarness h;
        h.start();
        const std::string before = h.folder.read("font.txt");
        h.dialogs.answers = {Answer::Yes};
        {
            ScopedFaultHook refused;
            h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
        }
        EXPECT_TRUE(h.dialogs.saw(Farewell));
        EXPECT_EQ(h.dialogs.errors(),
                  std::vector<std::string>{"ファイル font.txt を作成できません"});
        EXPECT_EQ(h.folder.read("font.txt"), before);
        EXPECT_FALSE(h.dialogs.closed);
    }
    // Shortened on disk during the run: stops at the first missing line; the
    // list read at start-up stays in use, so the drill keeps its line 10.
    {
        CatalogueHarness h;
        h.start();
        LineList shortened = defaultSettings();
        shortened.resize(20);
        h.folder.writeLines("font.txt", shortened);
        h.dialogs.answers = {Answer::Yes};
        h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
        EXPECT_EQ(h.dialogs.errors(),
                  std::vector<std::string>{"リストのインデックスが範囲を超えています (20)"});
        EXPECT_EQ(h.folder.readLines("font.txt"), shortened);
        EXPECT_EQ(h.state().SettingsList, defaultSettings());
        EXPECT_FALSE(h.dialogs.closed);
    }
    // Gone: reported, nothing created.
    {
        CatalogueHarness h;
        h.start();
        std::filesystem::remove(h.folder.path("font.txt"));
        h.dialogs.answers = {Answer::Yes};
        h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
        EXPECT_EQ(h.dialogs.errors(), std::vector<std::string>{"ファイル font.txt は開けません"});
        EXPECT_FALSE(std::filesystem::exists(h.folder.path("font.txt")));
    }
}

// The finish against a disk that refuses the write: the learner gets the
// program's message, font.txt stays whole and no temporary file is left
// behind; once the disk takes writes again, the run's counters are saved.
class FinishOnAFaultyDisk : public ::testing::TestWithParam<Fault> {};

TEST_P(FinishOnAFaultyDisk, KeepsTheSettingsAndCanBeRepeated) {
    CatalogueHarness h;
    LineList settings = defaultSettings();
    settings[0] = sj("設定ファイル");
    settings[26] = "40";
    settings.push_back(sj("最後の行"));
    h.folder.writeLines("font.txt", settings);
    h.start();
    h.chooseK111();
    h.answer("answer1");
    h.answer("wrong");
    const std::string before = h.folder.read("font.txt");

    h.dialogs.answers = {Answer::Yes};
    {
        FaultyDisk disk(GetParam());
        h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
    }
    EXPECT_EQ(h.dialogs.errors(), std::vector<std::string>{"ファイル font.txt を作成できません"});
    EXPECT_EQ(h.folder.read("font.txt"), before);
    EXPECT_TRUE(leftovers(h.folder.root()).empty());
    EXPECT_FALSE(h.dialogs.closed);

    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
    EXPECT_TRUE(h.dialogs.closed);
    LineList expected = settings;
    expected[26] = "1";
    expected[27] = "1";
    EXPECT_EQ(h.folder.readLines("font.txt"), expected);
}

INSTANTIATE_TEST_SUITE_P(Disk, FinishOnAFaultyDisk,
                         ::testing::Values(Fault::Refused, Fault::DiskFull), faultName);
