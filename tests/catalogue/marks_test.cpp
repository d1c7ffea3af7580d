#include "catalogue_harness.h"
#include "faulty_disk.h"
#include "marks_file.h"
#include "process_maps.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

// Chooses K12 from its menu and answers the whole set right at once.
void completeK12(CatalogueHarness& h) {
    h.click("K11Click");
    h.click("K12Click");
    h.answerAllRight();
}

} // namespace

TEST(Marks, OpeningAGroupMarksOnlyItsOwnCompletedEntries) {
    CatalogueHarness h;
    h.start();
    h.folder.write("checked.txt",
                   "k12\r\nK13 \r\nTOEIC70012\r\nnot an entry\r\nK12\r\n\x82\xa0\r\nK1");
    h.click("K22Click");
    h.click("TOEIC70021Click");
    EXPECT_TRUE(h.form().Checked.empty());
    h.click("K11Click");
    EXPECT_TRUE(h.form().isChecked("K12"));  // case ignored
    EXPECT_FALSE(h.form().isChecked("K13")); // trailing space: no match
    EXPECT_TRUE(h.form().isChecked("K1"));   // last line without an end
    EXPECT_FALSE(h.form().isChecked("K21"));
    EXPECT_FALSE(h.form().isChecked("TOEIC70012"));
    h.click("TOEIC70011Click");
    EXPECT_TRUE(h.form().isChecked("TOEIC70012"));
    EXPECT_EQ(h.form().Checked.size(), 3u);

    // Marks are never taken back, even when the file loses the line.
    h.folder.write("checked.txt", "");
    h.click("K11Click");
    EXPECT_TRUE(h.form().isChecked("K12"));
}

TEST(Marks, MenusWithoutEntriesNeverReadTheFile) {
    CatalogueHarness h;
    h.start();
    std::filesystem::remove(h.folder.path("checked.txt"));
    for (const char* handler : {"N4Click", "N6TOEC1Click", "K45Click"}) {
        h.click(handler);
    }
    // A marking group reads a missing file as no marks, and creates nothing.
    h.load(numberedSet(2));
    h.click("K22Click");
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_EQ(h.form().Caption, "ぽとらん for TOEIC   中２英文法");
    EXPECT_FALSE(std::filesystem::exists(h.folder.path("checked.txt")));
    EXPECT_TRUE(h.dialogs.errors().empty());
    // What is there but cannot be read is still reported: a folder, a
    // dangling link.
    std::filesystem::create_directory(h.folder.path("checked.txt"));
    h.click("K22Click");
    std::filesystem::remove(h.folder.path("checked.txt"));
    std::filesystem::create_symlink(h.folder.path("nowhere"), h.folder.path("checked.txt"));
    h.click("K22Click");
    // Nor is anything but a regular file read, or a file past the limit: a
    // link to /dev/zero filled the memory, a FIFO blocked the window.
    std::filesystem::remove(h.folder.path("checked.txt"));
    std::filesystem::create_symlink("/dev/zero", h.folder.path("checked.txt"));
    h.click("K22Click");
    std::filesystem::remove(h.folder.path("checked.txt"));
    ASSERT_EQ(::mkfifo(h.folder.path("checked.txt").c_str(), 0644), 0);
    h.click("K22Click");
    std::filesystem::remove(h.folder.path("checked.txt"));
    h.folder.write("checked.txt", std::string(MaxMarksFileBytes + 1, '\n'));
    h.click("K22Click");
    EXPECT_EQ(h.dialogs.errors(), std::vector<std::string>(5, "ファイル checked.txt は開けません"));
}

TEST(Marks, ALargeFileIsReadWithoutKeepingItsLines) {
    CatalogueHarness h;
    h.start();
    const std::size_t size = 15'000'000;
    h.folder.write("checked.txt", std::string(size - 5, '\n') + "k21\r\n");
    const long before = resetPeakMemoryKb();
    h.click("K11Click");
    const long growth = peakMemoryKb() - before;
    EXPECT_TRUE(h.form().isChecked("K21"));
    EXPECT_FALSE(h.form().isChecked("K12"));
    EXPECT_LE(growth, static_cast<long>(4 * size / 1024)) << growth << " kB";
}

TEST(Marks, CompletingABuiltInSetMarksAndAppendsIt) {
    CatalogueHarness h;
    h.start();
    h.folder.writeLines("jhgram/tango02.txt", numberedSet(2));
    completeK12(h);
    EXPECT_TRUE(h.form().isChecked("K12"));
    EXPECT_EQ(h.folder.read("checked.txt"), "K12\r\n");
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_TRUE(h.dialogs.errors().empty());
    // Twice: the name twice, the mark the same.
    completeK12(h);
    EXPECT_EQ(h.folder.read("checked.txt"), "K12\r\nK12\r\n");
    EXPECT_TRUE(h.form().isChecked("K12"));

    // A set loaded from a user file earns nothing.
    h.load(numberedSet(1));
    h.answerAllRight();
    EXPECT_TRUE(h.dialogs.saw("info: お疲れさまでした｡全て一度で正解しましたので、"
                              "この問題集にはチェックマークが付きます。"));
    EXPECT_EQ(h.folder.read("checked.txt"), "K12\r\nK12\r\n");
    EXPECT_EQ(h.form().Checked.size(), 1u);

    // A miss in the first pass earns nothing either.
    h.click("K11Click");
    h.click("K12Click");
    h.answer("wrong");
    h.run([&] { h.drill->kotakesuClick(); });
    h.answer("answer1");
    h.answer("answer2");
    EXPECT_EQ(h.folder.read("checked.txt"), "K12\r\nK12\r\n");
}

TEST(Marks, AppendKeepsOddFilesWhole) {
    struct Case {
        std::string before, after;
    };
    const Case cases[] = {
        {"K13", "K13\r\nK12\r\n"},           // no final line end
        {"K13 \nk5\r", "K13 \nk5\rK12\r\n"}, // lone LF and CR kept
        {"\x82\xa0\x82\xa2\r\n", "\x82\xa0\x82\xa2\r\nK12\r\n"},
        {std::string("K1\r\n\0junk", 9), std::string("K1\r\nK12\r\n\0junk", 14)},
    };
    for (const Case& c : cases) {
        CatalogueHarness h;
        h.start();
        h.folder.writeLines("jhgram/tango02.txt", numberedSet(1));
        h.folder.write("checked.txt", c.before);
        completeK12(h);
        EXPECT_EQ(h.folder.read("checked.txt"), c.after);
        // The new line is read back as a mark.
        h.form().Checked.clear();
        h.click("K11Click");
        EXPECT_TRUE(h.form().isChecked("K12"));
    }
}

TEST(Marks, AppendCreatesAMissingFileAndReportsAnUnwritableOne) {
    CatalogueHarness h;
    h.start();
    h.folder.writeLines("jhgram/tango02.txt", numberedSet(1));
    h.click("K11Click");
    h.click("K12Click");
    std::filesystem::remove(h.folder.path("checked.txt"));
    h.answerAllRight();
    EXPECT_TRUE(h.dialogs.errors().empty());
    EXPECT_EQ(h.folder.read("checked.txt"), "K12\r\n");

    CatalogueHarness failing;
    failing.start();
    failing.folder.writeLines("jhgram/tango02.txt", numberedSet(1));
    failing.folder.write("checked.txt", "K5\r\n");
    failing.click("K11Click");
    failing.click("K12Click");
    {
        ScopedFaultHook refused;
        failing.answerAllRight();
    }
    EXPECT_EQ(failing.dialogs.errors(),
              std::vector<std::string>{"ファイル checked.txt を作成できません"});
    EXPECT_EQ(failing.folder.read("checked.txt"), "K5\r\n");
    // The mark stays for the run; the drill is left with no set.
    EXPECT_TRUE(failing.form().isChecked("K12"));
    EXPECT_TRUE(failing.state().QuestionList.empty());
}

// The mark append against a disk that refuses it: the learner gets the
// program's message, checked.txt stays whole and no temporary file is left
// behind; completed again on a sound disk, the set is stored once.
class MarksOnAFaultyDisk : public ::testing::TestWithParam<Fault> {};

TEST_P(MarksOnAFaultyDisk, AnAppendKeepsTheMarksFile) {
    CatalogueHarness h;
    // The last line without its line end: kept as it is.
    const std::string marks = "K12\r\nk5";
    h.folder.write("checked.txt", marks);
    h.start();
    h.chooseK111();
    {
        FaultyDisk disk(GetParam());
        h.answer("answer1");
        h.answer("answer2");
    }
    EXPECT_EQ(h.dialogs.errors(),
              std::vector<std::string>{"ファイル checked.txt を作成できません"});
    EXPECT_EQ(h.folder.read("checked.txt"), marks);
    EXPECT_TRUE(leftovers(h.folder.root()).empty());
    // The mark stays for the run; the drill is left with no set.
    EXPECT_TRUE(h.form().isChecked("K111"));
    EXPECT_TRUE(h.state().QuestionList.empty());

    h.chooseK111();
    h.answer("answer1");
    h.answer("answer2");
    EXPECT_EQ(h.dialogs.errors().size(), 1u);
    EXPECT_EQ(h.folder.read("checked.txt"), "K12\r\nk5\r\nK111\r\n");
}

INSTANTIATE_TEST_SUITE_P(Disk, MarksOnAFaultyDisk,
                         ::testing::Values(Fault::Refused, Fault::DiskFull), faultName);
