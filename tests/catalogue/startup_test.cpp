#include "catalogue_harness.h"
#include "cp932.h"

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using cp932::sj;

TEST(Startup, WideScreenKeepsTheLayoutAndCentresTheWindow) {
    for (int width : {900, 1280}) {
        CatalogueHarness h(width);
        h.screen.h = 1024;
        h.form().Width = 800;
        h.form().Height = 447;
        const int designSize = h.form().tangodisp.font.size;
        h.start();
        EXPECT_EQ(h.state().StripDX, 0);
        EXPECT_EQ(h.state().StripDY, 57);
        EXPECT_EQ(h.state().MarkDX, -305);
        EXPECT_EQ(h.state().MarkDY, 355);
        EXPECT_EQ(h.form().ScaleRatio, 1.0);
        EXPECT_EQ(h.form().Width, 800);
        EXPECT_EQ(h.form().Left, (width - 800) / 2);
        EXPECT_EQ(h.form().Top, (1024 - 447) / 2);
        EXPECT_EQ(h.form().tangodisp.font.size, designSize);
    }
}

TEST(Startup, NarrowScreenScalesByScreenWidthOverWindowWidthPlus120) {
    // The strip and mark offsets are exact at 800 pixels and follow the
    // scale ratio at other narrow widths.
    const int offsets[][4] = {{800, 3, 105, -255}, {853, 2, 84, -277}, {899, 1, 66, -297}};
    for (auto [width, dx, dy, markDx] : offsets) {
        CatalogueHarness narrow(width);
        narrow.start();
        EXPECT_EQ(narrow.state().StripDX, dx) << width;
        EXPECT_EQ(narrow.state().StripDY, dy) << width;
        EXPECT_EQ(narrow.state().MarkDX, markDx) << width;
        EXPECT_EQ(narrow.state().MarkDY, 355) << width;
    }
    CatalogueHarness h(899);
    h.screen.h = 700;
    h.form().Width = 800;
    h.form().Height = 447;
    h.start();
    EXPECT_DOUBLE_EQ(h.form().ScaleRatio, 899.0 / 920.0);
    EXPECT_EQ(h.form().Width, 782);  // 781.7
    EXPECT_EQ(h.form().Height, 437); // 436.8
    // Centred with the size after scaling, rounding toward zero.
    EXPECT_EQ(h.form().Left, (899 - 782) / 2);
    EXPECT_EQ(h.form().Top, (700 - 437) / 2);
    // Design fonts shrink with the window (23 points of the question line);
    // sizes applied afterwards from font.txt do not.
    EXPECT_EQ(h.form().tangodisp.font.size, 22);
    EXPECT_EQ(h.form().Memo2.font.size, 25);
    EXPECT_EQ(h.form().Memo1.font.size, 25);
}

TEST(Startup, SetsDefaultsAppliesSettingsAndShowsZeroCounters) {
    CatalogueHarness h;
    LineList settings = defaultSettings();
    settings[26] = "55"; // counts of the last run are not carried
    settings[27] = "44";
    h.folder.writeLines("font.txt", settings);
    h.state().TotalRight = 3;
    h.load(numberedSet(3));
    h.run([&] { h.drill->SpdBtnSusumeruClick(); });
    ASSERT_EQ(h.state().position(), 2);
    h.start();
    EXPECT_TRUE(h.dialogs.errors().empty());
    EXPECT_TRUE(h.catalogue.created());
    EXPECT_EQ(h.state().SettingsList, settings);
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_EQ(h.state().CurrentBase, 2);
    EXPECT_EQ(h.state().position(), 1);
    EXPECT_EQ(h.state().TimeLimit, 20);
    EXPECT_EQ(h.state().SecondsLeft, 20);
    EXPECT_FALSE(h.state().LoadedBy);
    EXPECT_EQ(h.form().Panel4.text, "20");
    EXPECT_EQ(h.form().ShadowLabel2.font.name, "Times New Roman");
    EXPECT_EQ(h.state().TotalRight, 0);
    EXPECT_EQ(h.state().TotalWrong, 0);
    EXPECT_EQ(h.form().AllCountR_.text, "0");
    EXPECT_EQ(h.form().AllCountW_.text, "0");
    EXPECT_EQ(h.form().tokuten.text, "0" + sj("％"));
    EXPECT_EQ(h.form().Memo2.font.name, "Times New Roman");

    // Runs once: coming back to the window after a box changes nothing.
    h.state().TotalRight = 5;
    h.form().Memo2.font.name = "Other";
    h.start();
    EXPECT_EQ(h.state().TotalRight, 5);
    EXPECT_EQ(h.form().Memo2.font.name, "Other");
}

TEST(Startup, MissingSettingsStopsAfterTheBannerFont) {
    CatalogueHarness h;
    std::filesystem::remove(h.folder.path("font.txt"));
    const Font designMemo2 = h.form().Memo2.font;
    h.start();
    EXPECT_EQ(h.dialogs.errors(), std::vector<std::string>{"ファイル font.txt は開けません"});
    EXPECT_TRUE(h.catalogue.created());
    EXPECT_EQ(h.form().ShadowLabel2.font.name, "Times New Roman");
    EXPECT_EQ(h.form().Panel4.text, "20");
    EXPECT_TRUE(h.state().SettingsList.empty());
    EXPECT_EQ(h.form().Memo2.font, designMemo2);
    EXPECT_EQ(h.form().AllCountR_.text, "");
    EXPECT_EQ(h.form().AllCountW_.text, "");
    EXPECT_EQ(h.form().tokuten.text, "");

    // Without line 10 the answer colour is reported and the design one used;
    // the finish asks, and its save of the missing file fails whole.
    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
    EXPECT_TRUE(h.dialogs.saw("error: リストのインデックスが範囲を超えています (10)"));
    EXPECT_EQ(h.form().Memo1.font.color, Form().Memo1.font.color);
    EXPECT_EQ(h.dialogs.errors().back(), "ファイル font.txt は開けません");
    EXPECT_FALSE(std::filesystem::exists(h.folder.path("font.txt")));
    EXPECT_FALSE(h.dialogs.closed);
}

TEST(Startup, RemovesOnlyTheTemporaryFilesOfWritersThatAreGone) {
    CatalogueHarness h;
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ::waitpid(gone, nullptr, 0);
    const std::string stale = ".tmp-" + std::to_string(gone);
    // pid 1 always runs: another instance in the middle of its write.
    const std::vector<std::string> kept = {"font.txt.tmp-1", "UserFile/a.txt.tmp-1", "notes.tmp-x",
                                           "jhgram/Tango01.txt" + stale};
    for (const std::string& name : kept) {
        h.folder.write(name, "x");
    }
    h.folder.write("font.txt" + stale, "half");
    h.folder.write("UserFile/mine.txt" + stale, "half");
    h.start();
    EXPECT_FALSE(std::filesystem::exists(h.folder.path("font.txt" + stale)));
    EXPECT_FALSE(std::filesystem::exists(h.folder.path("UserFile/mine.txt" + stale)));
    for (const std::string& name : kept) {
        EXPECT_TRUE(std::filesystem::exists(h.folder.path(name))) << name;
    }
    EXPECT_TRUE(h.dialogs.errors().empty());
}
