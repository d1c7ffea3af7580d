#include "errors.h"
#include "faulty_disk.h"
#include "file_bytes.h"
#include "file_writer.h"
#include "line_list.h"
#include "set_loader.h"
#include "temp_program_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(LineReader, EveryLineEnding) {
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (LineList{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\nc"), (LineList{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\n\nb"), (LineList{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (LineList{"a", ""}));
    EXPECT_EQ(splitLines("a\n\r"), (LineList{"a", ""}));
    EXPECT_EQ(splitLines(""), LineList{});
    EXPECT_EQ(splitLines("\r\n"), LineList{""});
    EXPECT_EQ(splitLines(std::string("a\r\nb\0c\r\nd", 9)), (LineList{"a", "b"}));
    EXPECT_EQ(splitLines("  spaced  \r\n"), LineList{"  spaced  "});
}

TEST(LineReader, BytesThatAreNotCp932StayAsTheyAre) {
    LineList lines = splitLines("\x81\r\n\xFF\xA0z");
    EXPECT_EQ(lines, (LineList{"\x81", "\xFF\xA0z"}));
}

TEST(LineWriter, CrLfAfterEveryLineAndAtomicReplace) {
    TempProgramDir dir;
    auto path = dir.path("out.txt");
    FileWriter::writeLines(path, {"a", "", "b"}, "out.txt");
    EXPECT_EQ(dir.read("out.txt"), "a\r\n\r\nb\r\n");
    FileWriter::writeLines(path, {}, "out.txt");
    EXPECT_EQ(dir.read("out.txt"), "");
    // No temporary file is left behind.
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.root())) {
        files += e.path().filename().string().rfind("out.txt", 0) == 0;
    }
    EXPECT_EQ(files, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.path("out.txt.tmp-" + std::to_string(getpid()))));
}

TEST(LineWriter, AFailedWriteLeavesTheOldFileWhole) {
    TempProgramDir dir;
    dir.write("keep.txt", "old\r\n");
    {
        ScopedFaultHook refused;
        EXPECT_THROW(FileWriter::writeLines(dir.path("keep.txt"), {"new"}, "keep.txt"),
                     FileCreateError);
    }
    EXPECT_EQ(dir.read("keep.txt"), "old\r\n");
    try {
        FileWriter::writeLines(dir.path("missing/dir/x.txt"), {"x"}, "x.txt");
        FAIL();
    } catch (const FileCreateError& e) {
        EXPECT_STREQ(e.what(), "ファイル x.txt を作成できません");
    }
}

TEST(LineWriter, WritesThroughLinksKeepsModeAndOwnerRefusesOddTargets) {
    namespace fs = std::filesystem;
    TempProgramDir dir;
    dir.write("real/font.txt", "old\r\n");
    ::chmod(dir.path("real/font.txt").c_str(), 0640);
    ASSERT_EQ(::chown(dir.path("real/font.txt").c_str(), 65534, 65534), 0);
    fs::create_symlink("real/font.txt", dir.path("link.txt"));
    FileWriter::writeLines(dir.path("link.txt"), {"new"}, "link.txt");
    EXPECT_TRUE(fs::is_symlink(dir.path("link.txt")));
    EXPECT_EQ(dir.read("real/font.txt"), "new\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(dir.path("real/font.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path("real")), {}), 1);

    // A FIFO, a device or a folder in the target's place is refused before
    // anything is written, and the FIFO never blocks the write.
    ASSERT_EQ(::mkfifo(dir.path("fifo.txt").c_str(), 0644), 0);
    fs::create_symlink("/dev/null", dir.path("null.txt"));
    fs::create_directory(dir.path("folder.txt"));
    for (const char* name : {"fifo.txt", "null.txt", "folder.txt"}) {
        try {
            FileWriter::writeLines(dir.path(name), {"x"}, name);
            ADD_FAILURE() << name;
        } catch (const FileOpenError& e) {
            EXPECT_EQ(e.what(), "ファイル " + std::string(name) + " は開けません");
        }
    }
    EXPECT_TRUE(fs::is_fifo(dir.path("fifo.txt")));
    EXPECT_TRUE(fs::is_symlink(dir.path("null.txt")));
}

// Root may write any file: CI runs this again as nobody (see CMakeLists).
TEST(LineWriter, UnprivilegedRefusalsLeaveEverythingWhole) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write any file";
    }
    namespace fs = std::filesystem;
    TempProgramDir dir;
    dir.write("real/locked.txt", "old\r\n");
    ::chmod(dir.path("real/locked.txt").c_str(), 0444);
    fs::create_symlink("real/locked.txt", dir.path("link.txt"));
    for (const char* name : {"real/locked.txt", "link.txt"}) {
        EXPECT_THROW(FileWriter::writeLines(dir.path(name), {"new"}, name), FileCreateError);
    }
    EXPECT_EQ(dir.read("real/locked.txt"), "old\r\n");
    EXPECT_TRUE(fs::is_symlink(dir.path("link.txt")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path("real")), {}), 1);

    // A file of ours keeps its unusual mode; an unreadable one is refused.
    dir.write("mine.txt", "x\r\n");
    ::chmod(dir.path("mine.txt").c_str(), 0604);
    FileWriter::writeLines(dir.path("mine.txt"), {"y"}, "mine.txt");
    struct stat st {};
    ASSERT_EQ(::stat(dir.path("mine.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);
    ::chmod(dir.path("mine.txt").c_str(), 0);
    EXPECT_THROW(loadSetFile(dir.path("mine.txt"), "mine.txt"), FileOpenError);
}

TEST(SetLoader, ReadsRefusesAndReports) {
    TempProgramDir dir;
    dir.writeLines("jhgram/Tango01.txt", numberedSet(32));
    EXPECT_EQ(loadSetFile(dir.dir().resolve("jhgram\\tango01.txt"), "x").size(), 130u);
    dir.writeLines("big.txt", numberedSet(33));
    EXPECT_THROW(loadSetFile(dir.path("big.txt"), "big.txt"), SetTooLargeError);
    try {
        loadSetFile(dir.path("none.txt"), "jhgram\\none.txt");
        FAIL();
    } catch (const FileOpenError& e) {
        EXPECT_STREQ(e.what(), "ファイル jhgram\\none.txt は開けません");
    }
    // A set of 32 questions plus three stray lines is still 32 questions.
    LineList lines = numberedSet(32);
    lines.insert(lines.end(), {"x", "y", "z"});
    dir.writeLines("stray.txt", lines);
    EXPECT_NO_THROW(loadSetFile(dir.path("stray.txt"), "stray.txt"));
}

TEST(ProgramDirResolver, BackslashNamesWithCaseFallback) {
    TempProgramDir dir;
    dir.write("TOEIC700/TOEIC700_001.txt", "x");
    dir.write("jhgram/Tango01.txt", "y");
    EXPECT_EQ(dir.dir().resolve("TOEIC700\\TOEIC700_001.txt"),
              dir.path("TOEIC700/TOEIC700_001.txt"));
    EXPECT_EQ(dir.dir().resolve("JHGRAM\\tango01.TXT"), dir.path("jhgram/Tango01.txt"));
    EXPECT_EQ(dir.dir().resolve("image\\01.bmp"), dir.path("image/01.BMP"));
    EXPECT_EQ(dir.dir().resolve("nowhere\\x.txt"), dir.path("nowhere/x.txt"));
}

TEST(ProgramDirResolver, AnInstalledProgramKeepsTheLearnersFilesInTheirDataFolder) {
    TempProgramDir install;
    install.writeLines("font.txt", {"installed"});
    install.write("checked.txt", "");
    // Without the marker, a build or a portable copy: one folder for all.
    ProgramDir build = ProgramDir::locate(install.root(), "/nowhere", "/nowhere");
    EXPECT_EQ(build.resolve("font.txt"), install.path("font.txt"));
    EXPECT_EQ(build.userFileDir(), install.path("UserFile"));

    install.write(ProgramDir::LearnerFilesInHomeMarker, "");
    TempProgramDir home;
    const auto data = home.root() / "data";
    // A relative XDG_DATA_HOME is ignored for ~/.local/share.
    ProgramDir first = ProgramDir::locate(install.root(), "relative", home.root().c_str());
    const auto learner = home.root() / ".local/share/potoran";
    EXPECT_EQ(first.learnerRoot(), learner);
    EXPECT_EQ(home.readLines(".local/share/potoran/font.txt"), LineList{"installed"});
    EXPECT_TRUE(std::filesystem::exists(learner / "checked.txt"));

    // The three learner names go to the learner's root, whatever their case;
    // everything else to the install root.
    ProgramDir dir = ProgramDir::locate(install.root(), data.c_str(), nullptr);
    EXPECT_EQ(dir.resolve("font.txt"), data / "potoran/font.txt");
    EXPECT_EQ(dir.resolve("CHECKED.TXT"), data / "potoran/checked.txt");
    EXPECT_EQ(dir.resolve("UserFile\\mine.txt"), data / "potoran/UserFile/mine.txt");
    EXPECT_EQ(dir.userFileDir(), data / "potoran/UserFile");
    EXPECT_EQ(dir.resolve("jhgram\\Tango01.txt"), install.path("jhgram/Tango01.txt"));
    EXPECT_EQ(dir.resolve("right.bmp"), install.path("right.bmp"));

    // Seeded once: a learner's font.txt deleted later is not made again.
    std::filesystem::remove(data / "potoran/font.txt");
    ProgramDir::locate(install.root(), data.c_str(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(data / "potoran/font.txt"));
    EXPECT_FALSE(std::filesystem::exists(data / ".potoran.partial"));
}

TEST(FileBytes, WholeOrHeadNulsKeptNothingWhenUnreadable) {
    TempProgramDir dir;
    const std::string bytes = std::string("BM\0\x01\x02", 5) + std::string(40000, 'x');
    dir.write("a.bin", bytes);
    EXPECT_EQ(readFileBytes(dir.root() / "a.bin"), bytes);
    EXPECT_EQ(readFileHead(dir.root() / "a.bin", 4), bytes.substr(0, 4));
    EXPECT_EQ(readFileHead(dir.root() / "a.bin", 0), std::string());
    // Larger than allowed: refused, not cut.
    EXPECT_EQ(readFileBytes(dir.root() / "a.bin", bytes.size()), bytes);
    EXPECT_EQ(readFileBytes(dir.root() / "a.bin", bytes.size() - 1), std::nullopt);
    dir.write("empty.txt", "");
    EXPECT_EQ(readFileBytes(dir.root() / "empty.txt"), std::string());
    EXPECT_EQ(readFileBytes(dir.root() / "missing.txt"), std::nullopt);
    std::filesystem::create_directory(dir.root() / "folder");
    EXPECT_EQ(readFileBytes(dir.root() / "folder"), std::nullopt);
    // Only regular files: a FIFO without a writer would block the window, a
    // link to /dev/zero would fill the memory.
    ASSERT_EQ(::mkfifo(dir.path("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", dir.path("zero"));
    for (const char* name : {"fifo", "zero"}) {
        EXPECT_EQ(readFileBytes(dir.path(name)), std::nullopt) << name;
        EXPECT_EQ(readFileHead(dir.path(name), 26), std::nullopt) << name;
    }
    // Files under /proc report size 0 and are still read whole.
    EXPECT_NE(readFileBytes("/proc/self/status").value_or("").find("Pid:"), std::string::npos);
}

TEST(FileLimits, OutsideFilesOverTheirLimitOrNotRegularAreRefused) {
    TempProgramDir dir;
    dir.write("big.txt", std::string(MaxSetFileBytes + 1, '\n'));
    EXPECT_THROW(loadSetFile(dir.path("big.txt"), "big.txt"), FileOpenError);
    dir.write("fits.txt", "title\n" + std::string(MaxSetFileBytes - 7, 'x') + "\n");
    EXPECT_NO_THROW(loadSetFile(dir.path("fits.txt"), "fits.txt"));
    ASSERT_EQ(::mkfifo(dir.path("fifo.txt").c_str(), 0644), 0);
    try {
        loadSetFile(dir.path("fifo.txt"), "fifo.txt");
        FAIL();
    } catch (const FileOpenError& e) {
        EXPECT_STREQ(e.what(), "ファイル fifo.txt は開けません");
    }
}
