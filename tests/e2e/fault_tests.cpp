// The three writes of a run (the finish, the mark append, the user-file save)
// against a disk that refuses them: the learner gets the program's message,
// every old file stays whole and no temporary file is left behind; once the
// disk takes writes again, nothing of the run is lost.
//
// Two ways to refuse, because tests run as root, for whom permissions never
// fail: the file writer's seam (a refused permission), and a file size limit
// of 0 (the real write fails midway, as on a full disk; root is bound by it
// too).

#include "catalogue.h"
#include "cp932.h"
#include "drill_harness.h"
#include "editor.h"
#include "faulty_disk.h"

#include <gtest/gtest.h>

#include <optional>

#include <sys/resource.h>

using cp932::sj;
namespace fs = std::filesystem;

namespace {

enum class Fault { Refused, DiskFull };

class FaultyDisk {
  public:
    explicit FaultyDisk(Fault fault) : fault_(fault) {
        if (fault_ == Fault::Refused) {
            hook_.emplace();
            return;
        }
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        // SIGXFSZ is left as it is: the writer must keep it from killing
        // the program, as `ulimit -f` in the learner's shell would.
        const rlimit none{0, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FaultyDisk() {
        if (fault_ == Fault::Refused) {
            return;
        }
        ::setrlimit(RLIMIT_FSIZE, &saved_);
    }
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

  private:
    Fault fault_;
    std::optional<ScopedFaultHook> hook_;
    rlimit saved_{};
};

// The drill with the catalogue and the editor on it, as the window has them.
struct Program : DrillHarness {
    Catalogue catalogue{*drill};
    Editor editor{*drill};

    void start() {
        run([&] { catalogue.FormCreate(); });
    }
    void menu(const std::string& handler) {
        run([&] { EXPECT_TRUE(catalogue.menuClick(handler)) << handler; });
    }
    // 中学1年（１）, entry K111, from a two-question set.
    void chooseK111() {
        folder.writeLines("jhword/tang101.txt", numberedSet(2));
        menu("K110Click");
        menu("K111Click");
    }
    void finish() {
        run([&] { catalogue.SpdBtnTojiruClick(); });
    }
    void save(const fs::path& path) {
        dialogs.files = {path};
        run([&] { editor.HozonClick(); });
    }
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(folder.root())) {
            if (e.path().filename().string().find(".tmp-") != std::string::npos) {
                names.push_back(e.path().filename().string());
            }
        }
        return names;
    }
};

class WriteFaults : public ::testing::TestWithParam<Fault> {};

std::string createMessage(const std::string& name) {
    return "ファイル " + name + " を作成できません";
}

} // namespace

TEST_P(WriteFaults, TheFinishKeepsTheSettingsAndCanBeRepeated) {
    Program p;
    LineList settings = defaultSettings();
    settings[0] = sj("設定ファイル");
    settings[26] = "40";
    settings.push_back(sj("最後の行"));
    p.folder.writeLines("font.txt", settings);
    p.start();
    p.chooseK111();
    p.answer("answer1");
    p.answer("wrong");
    const std::string before = p.folder.read("font.txt");

    p.dialogs.answers = {Answer::Yes};
    {
        FaultyDisk disk(GetParam());
        p.finish();
    }
    EXPECT_EQ(p.dialogs.errors(), std::vector<std::string>{createMessage("font.txt")});
    EXPECT_EQ(p.folder.read("font.txt"), before);
    EXPECT_TRUE(p.leftovers().empty());
    EXPECT_FALSE(p.dialogs.closed);

    // The run is not lost: the next finish saves its counters.
    p.dialogs.answers = {Answer::Yes};
    p.finish();
    EXPECT_TRUE(p.dialogs.closed);
    LineList expected = settings;
    expected[26] = "1";
    expected[27] = "1";
    EXPECT_EQ(p.folder.readLines("font.txt"), expected);
}

TEST_P(WriteFaults, AMarkAppendKeepsTheMarksFile) {
    Program p;
    // The last line without its line end: kept as it is.
    const std::string marks = "K12\r\nk5";
    p.folder.write("checked.txt", marks);
    p.start();
    p.chooseK111();
    {
        FaultyDisk disk(GetParam());
        p.answer("answer1");
        p.answer("answer2");
    }
    EXPECT_EQ(p.dialogs.errors(), std::vector<std::string>{createMessage("checked.txt")});
    EXPECT_EQ(p.folder.read("checked.txt"), marks);
    EXPECT_TRUE(p.leftovers().empty());
    // The mark stays for the run; the drill is left with no set.
    EXPECT_TRUE(p.form().isChecked("K111"));
    EXPECT_TRUE(p.state().QuestionList.empty());

    // Completed again on a sound disk, the set is stored once.
    p.chooseK111();
    p.answer("answer1");
    p.answer("answer2");
    EXPECT_EQ(p.dialogs.errors().size(), 1u);
    EXPECT_EQ(p.folder.read("checked.txt"), "K12\r\nk5\r\nK111\r\n");
}

TEST_P(WriteFaults, AUserFileSaveKeepsTheOldFile) {
    Program p;
    const LineList old = setLines(sj("私の問題集"), sj("英語にしなさい。"),
                                  {{sj("りんご"), "", " ", "apple"}, {sj("ねこ"), "", " ", "cat"}});
    p.folder.writeLines("UserFile/mine.txt", old);
    const std::string oldBytes = p.folder.read("UserFile/mine.txt");
    const fs::path mine = p.folder.path("UserFile/mine.txt");
    const fs::path fresh = p.folder.path("UserFile/fresh.txt");
    p.start();
    p.dialogs.files = {mine};
    p.run([&] { p.editor.YomikomiClick(); });
    ASSERT_EQ(p.state().QuestionList, old);
    p.run([&] { p.editor.SpdBtnSakuClick(); });
    p.dialogs.inputs = {sj("新しい題"), sj("新しい設問")};
    p.run([&] { p.editor.Button2Click(); });
    const LineList edited = p.state().QuestionList;
    ASSERT_NE(edited, old);

    {
        FaultyDisk disk(GetParam());
        p.save(mine);
        p.save(fresh);
    }
    EXPECT_EQ(p.dialogs.errors(), (std::vector<std::string>{createMessage(mine.string()),
                                                            createMessage(fresh.string())}));
    EXPECT_EQ(p.folder.read("UserFile/mine.txt"), oldBytes);
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_TRUE(p.leftovers().empty());
    // The edits are still there to be saved.
    EXPECT_EQ(p.state().QuestionList, edited);

    p.save(mine);
    EXPECT_EQ(p.dialogs.errors().size(), 2u);
    EXPECT_EQ(p.folder.readLines("UserFile/mine.txt"), edited);
}

INSTANTIATE_TEST_SUITE_P(Disk, WriteFaults, ::testing::Values(Fault::Refused, Fault::DiskFull),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                             return info.param == Fault::Refused ? std::string("Refused")
                                                                 : std::string("Full");
                         });
