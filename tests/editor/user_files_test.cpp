#include "editor_harness.h"
#include "errors.h"
#include "faulty_disk.h"
#include "set_loader.h"

#include <gtest/gtest.h>

using cp932::sj;
namespace fs = std::filesystem;

namespace {

const std::string userFileCaption = "ぽとらん for TOEIC   ユーザーファイル";

void expectNoDrill(EditorHarness& h) {
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_EQ(h.form().Caption, userFileCaption);
    EXPECT_TRUE(h.form().SpdBtnTimer.visible);
    EXPECT_FALSE(h.form().Timer3Enabled);
    EXPECT_TRUE(h.state().CurrentFileName.empty());
}

} // namespace

TEST(OpenUserFile, Cancelled) {
    EditorHarness h;
    h.load(numberedSet(2));
    h.state().LoadedBy = "K11";
    h.click(&Editor::YomikomiClick);
    expectNoDrill(h);
    EXPECT_FALSE(h.state().LoadedBy);
    EXPECT_EQ(h.dialogs.log, std::vector<std::string>{"open"});
    const FileDialogOptions& o = h.dialogs.fileOptions.at(0);
    EXPECT_EQ(o.title, "ユーザーファイルを開きます");
    EXPECT_EQ(o.initialDir, h.folder.dir().userFileDir());
    EXPECT_TRUE(o.proposed.empty());
    EXPECT_FALSE(o.confirmOverwrite);
}

TEST(OpenUserFile, ASampleBecomesTheDrillAndIsProposedForSaving) {
    EditorHarness h;
    const LineList sample = setLines(sj("サンプル"), "Fill in",
                                     {{"I ( ) a pen.", "", " ", "have"}, {"q2", "m2", " ", "a2"}});
    h.folder.writeLines("UserFile/sample.txt", sample);
    const fs::path path = h.folder.path("UserFile/sample.txt");
    h.dialogs.files = {path};
    h.click(&Editor::YomikomiClick);
    EXPECT_EQ(h.form().Caption, userFileCaption + " : サンプル   sample.txt");
    EXPECT_EQ(h.state().QuestionList, sample);
    EXPECT_EQ(h.state().CurrentFileName, path);
    EXPECT_EQ(h.shown(), (std::vector<std::string>{"1", "I ( ) a pen.", "", " ", ""}));
    EXPECT_EQ(h.state().queueLength(), 2);
    EXPECT_TRUE(h.form().Timer3Enabled);

    h.enterEditorMode();
    h.click(&Editor::HozonClick);
    EXPECT_EQ(h.dialogs.fileOptions.back().proposed, path);
}

TEST(OpenUserFile, TwoLinesShowTheTitleAndNoQuestion) {
    EditorHarness h;
    h.folder.writeLines("UserFile/two.txt", {"Two", "Instruction"});
    h.dialogs.files = {h.folder.path("UserFile/two.txt")};
    h.click(&Editor::YomikomiClick);
    EXPECT_EQ(h.form().Caption, userFileCaption + " : Two   two.txt");
    EXPECT_EQ(h.state().QuestionList.size(), 2u);
    EXPECT_EQ(h.form().Bangodisp.text, "");
    EXPECT_FALSE(h.numberColour(1));
    EXPECT_EQ(h.state().queueLength(), 0);
}

TEST(OpenUserFile, RetryAfterAnUnreadableFile) {
    EditorHarness h;
    h.folder.writeLines("UserFile/good.txt", numberedSet(1));
    const fs::path missing = h.folder.path("UserFile/missing.txt");
    h.dialogs.files = {missing, h.folder.path("UserFile/good.txt")};
    h.dialogs.retries = {true};
    h.click(&Editor::YomikomiClick);
    EXPECT_EQ(h.dialogs.log,
              (std::vector<std::string>{
                  "open", "retry: ファイル " + missing.string() + " は開けません", "open"}));
    EXPECT_EQ(h.state().QuestionList, numberedSet(1));
    EXPECT_EQ(h.form().Caption, userFileCaption + " : Numbered   good.txt");

    EditorHarness cancelled;
    cancelled.dialogs.files = {missing};
    cancelled.click(&Editor::YomikomiClick);
    EXPECT_EQ(cancelled.dialogs.log.size(), 2u);
    expectNoDrill(cancelled);
}

TEST(OpenUserFile, TooLargeOrEmptyFilesStartNoDrill) {
    EditorHarness large;
    large.folder.writeLines("UserFile/large.txt", numberedSet(33));
    const fs::path largePath = large.folder.path("UserFile/large.txt");
    large.dialogs.files = {largePath};
    large.click(&Editor::YomikomiClick);
    EXPECT_EQ(large.dialogs.errors(),
              std::vector<std::string>{SetTooLargeError(largePath.string(), 33).what()});
    expectNoDrill(large);

    EditorHarness empty;
    empty.folder.write("UserFile/empty.txt", "");
    const fs::path emptyPath = empty.folder.path("UserFile/empty.txt");
    empty.dialogs.files = {emptyPath};
    empty.click(&Editor::YomikomiClick);
    EXPECT_TRUE(empty.dialogs.saw("info: ファイル " + emptyPath.string() +
                                  " は空です。問題集として読み込めません。"));
    EXPECT_TRUE(empty.dialogs.errors().empty());
    expectNoDrill(empty);
}

TEST(SaveUserFile, ReadsBackByteForByteWithCrLfAfterEveryLine) {
    EditorHarness h;
    const LineList lines = {sj("題"), "I", "q", "", " ", "a#" + sj("ヒント")};
    h.load(lines);
    fs::remove_all(h.folder.path("UserFile")); // the first save makes the folder
    const fs::path path = h.folder.path("UserFile/mine.txt");
    h.dialogs.files = {path};
    h.click(&Editor::HozonClick);
    EXPECT_EQ(h.dialogs.fileOptions.at(0).initialDir, h.folder.dir().userFileDir());
    EXPECT_TRUE(h.dialogs.fileOptions.at(0).confirmOverwrite);
    EXPECT_EQ(h.folder.read("UserFile/mine.txt"),
              "\x91\xe8\r\nI\r\nq\r\n\r\n \r\na#\x83\x71\x83\x93\x83\x67\r\n");
    EXPECT_EQ(loadSetFile(path, "mine.txt"), lines);
    EXPECT_EQ(h.state().CurrentFileName, path);
    EXPECT_EQ(h.form().focus, FocusRequest::Memo1);
}

TEST(SaveUserFile, OfferedOnlyWithAQuestionLineAndCancelWritesNothing) {
    EditorHarness h;
    h.load({"Title", "Instruction"});
    h.click(&Editor::HozonClick);
    EXPECT_TRUE(h.dialogs.log.empty());

    h.load(numberedSet(1));
    h.state().CurrentFileName = h.folder.path("UserFile/old.txt");
    h.click(&Editor::HozonClick);
    EXPECT_EQ(h.dialogs.log, std::vector<std::string>{"save"});
    EXPECT_EQ(h.state().CurrentFileName, h.folder.path("UserFile/old.txt"));
    EXPECT_FALSE(fs::exists(h.folder.path("UserFile/old.txt")));
}

TEST(SaveUserFile, AFailedWriteIsReportedAndKeepsTheList) {
    EditorHarness h;
    h.load(numberedSet(2));
    const fs::path path = h.folder.path("UserFile/full.txt");
    h.dialogs.files = {path};
    {
        ScopedFaultHook refused;
        h.click(&Editor::HozonClick);
    }
    EXPECT_EQ(h.dialogs.errors(),
              std::vector<std::string>{"ファイル " + path.string() + " を作成できません"});
    EXPECT_EQ(h.state().QuestionList, numberedSet(2));
    EXPECT_EQ(h.state().CurrentFileName, path);
    EXPECT_FALSE(fs::exists(path));
}

// A save against a disk that refuses it, over an old file and as a new one:
// the learner gets the program's message, the old file stays whole, no
// temporary file is left behind, and the edits can still be saved.
class SaveOnAFaultyDisk : public ::testing::TestWithParam<Fault> {};

TEST_P(SaveOnAFaultyDisk, KeepsTheOldFileAndTheEdits) {
    EditorHarness h;
    const LineList old = setLines(sj("私の問題集"), sj("英語にしなさい。"),
                                  {{sj("りんご"), "", " ", "apple"}, {sj("ねこ"), "", " ", "cat"}});
    h.folder.writeLines("UserFile/mine.txt", old);
    const std::string oldBytes = h.folder.read("UserFile/mine.txt");
    const fs::path mine = h.folder.path("UserFile/mine.txt");
    const fs::path fresh = h.folder.path("UserFile/fresh.txt");
    h.dialogs.files = {mine};
    h.click(&Editor::YomikomiClick);
    ASSERT_EQ(h.state().QuestionList, old);
    h.enterEditorMode();
    h.dialogs.inputs = {sj("新しい題"), sj("新しい設問")};
    h.click(&Editor::Button2Click);
    const LineList edited = h.state().QuestionList;
    ASSERT_NE(edited, old);

    const auto save = [&](const fs::path& path) {
        h.dialogs.files = {path};
        h.click(&Editor::HozonClick);
    };
    {
        FaultyDisk disk(GetParam());
        save(mine);
        save(fresh);
    }
    EXPECT_EQ(h.dialogs.errors(),
              (std::vector<std::string>{"ファイル " + mine.string() + " を作成できません",
                                        "ファイル " + fresh.string() + " を作成できません"}));
    EXPECT_EQ(h.folder.read("UserFile/mine.txt"), oldBytes);
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_TRUE(leftovers(h.folder.root()).empty());
    EXPECT_EQ(h.state().QuestionList, edited);

    save(mine);
    EXPECT_EQ(h.dialogs.errors().size(), 2u);
    EXPECT_EQ(h.folder.readLines("UserFile/mine.txt"), edited);
}

INSTANTIATE_TEST_SUITE_P(Disk, SaveOnAFaultyDisk,
                         ::testing::Values(Fault::Refused, Fault::DiskFull), faultName);
