// The program folder the build writes: every file the program opens beside
// itself, and every built-in set loading as a 30-question drill.

#include "asset_paths.h"

#include "set_loader.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace fs = std::filesystem;

namespace {

std::string numbered(const char* pattern, int n) {
    char name[64];
    std::snprintf(name, sizeof name, pattern, n);
    return name;
}

// Folder and file of each of the 204 built-in sets, as the menus name them.
std::vector<std::string> builtInSets() {
    std::vector<std::string> sets{"jhgram/Tango01.txt"};
    for (int n : {2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23, 24, 25, 26}) {
        sets.push_back(numbered("jhgram/tango%02d.txt", n));
    }
    for (int n = 31; n <= 36; ++n) {
        sets.push_back(numbered("highexam/tango%d.txt", n));
    }
    for (int n = 51; n <= 74; ++n) {
        sets.push_back(numbered("semi/tango%d.txt", n));
    }
    for (int n = 101; n <= 125; ++n) {
        sets.push_back(numbered("jhword/tang%d.txt", n));
    }
    for (int n = 1; n <= 30; ++n) {
        sets.push_back(numbered("TOEIC700/TOEIC700_%03d.txt", n));
    }
    for (int n = 1; n <= 97; ++n) {
        sets.push_back(numbered("TOEIC550/TOEIC550_%02d.txt", n));
    }
    return sets;
}

} // namespace

TEST(ProgramFolder, HoldsEveryFileTheProgramOpens) {
    std::vector<std::string> files = assetFiles();
    files.push_back("font.txt");
    files.push_back("checked.txt");
    for (const auto& file : files) {
        EXPECT_TRUE(fs::is_regular_file(programDir() / file)) << file;
    }
    EXPECT_TRUE(fs::is_directory(programDir() / "UserFile"));
}

TEST(ProgramFolder, EveryBuiltInSetLoadsWith30Questions) {
    const auto sets = builtInSets();
    ASSERT_EQ(sets.size(), 204u);
    for (const auto& set : sets) {
        SCOPED_TRACE(set);
        const fs::path path = programDir() / set;
        ASSERT_TRUE(fs::is_regular_file(path));
        const LineList lines = loadSetFile(path, set);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_FALSE(lines[0].empty()) << "title";
        EXPECT_FALSE(lines[1].empty()) << "instruction";
        EXPECT_EQ((lines.size() - 2) / 4, 30u);
    }
}
