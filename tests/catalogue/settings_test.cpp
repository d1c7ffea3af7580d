#include "catalogue_harness.h"
#include "cp932.h"
#include "file_writer.h"
#include "settings_file.h"

using cp932::sj;

namespace {

LineList distinctSettings() {
    LineList s = defaultSettings();
    s[0] = sj("設定ファイル　見出し");
    s[1] = sj("ＭＳ Ｐ明朝");
    s[2] = "Arial";
    s[3] = "Courier New";
    s[4] = "Times New Roman";
    s[5] = sj("ＭＳ ゴシック");
    s[6] = "255";         // red
    s[7] = "16777215";    // white
    s[8] = "-2147483640"; // the system's window text colour
    s[9] = "65280";
    s[10] = "0";
    s[11] = "\x82\xa0 keep";
    s[12] = "";
    s[13] = "  13  ";
    s[14] = "+18";
    s[15] = "20";
    s[16] = "3";   // bold italic
    s[17] = "257"; // only the low 8 bits: bold
    s[18] = "4";
    s[19] = "8";
    s[20] = "0";
    s[21] = "-2147483633"; // button face
    s[22] = "1";
    s[23] = "2";
    s[24] = "3";
    s[25] = "4";
    s[28] = "5";
    s[29] = "6";
    return s;
}

} // namespace

TEST(Settings, ThirtyLineFileIsAppliedInFullAndWrittenBackUnchanged) {
    CatalogueHarness h;
    const LineList s = distinctSettings();
    h.folder.writeLines("font.txt", s);
    h.start();
    ASSERT_TRUE(h.dialogs.errors().empty());
    const Form& f = h.form();
    EXPECT_EQ(f.tangodisp.font.name, sj("ＭＳ Ｐ明朝"));
    EXPECT_EQ(f.imidisp.font.name, "Arial");
    EXPECT_EQ(f.imidisp2.font.name, "Courier New");
    EXPECT_EQ(f.Memo2.font.name, "Times New Roman");
    EXPECT_EQ(f.Memo1.font.name, sj("ＭＳ ゴシック"));
    EXPECT_EQ(f.tangodisp.font.color, colours::Red);
    EXPECT_EQ(f.imidisp.font.color, colours::White);
    EXPECT_EQ(f.imidisp2.font.color, colours::WindowText);
    EXPECT_EQ(f.Memo2.font.color, rgb(0, 255, 0));
    EXPECT_EQ(f.Memo1.font.color, 0);
    EXPECT_EQ(f.Memo2.font.size, 18);
    EXPECT_EQ(f.Memo1.font.size, 20);
    EXPECT_EQ(f.tangodisp.font.style, fontstyle::Bold | fontstyle::Italic);
    EXPECT_EQ(f.imidisp.font.style, fontstyle::Bold);
    EXPECT_EQ(f.imidisp2.font.style, fontstyle::Underline);
    EXPECT_EQ(f.Memo2.font.style, fontstyle::StrikeOut);
    EXPECT_EQ(f.tangodisp.color, colours::BtnFace);
    EXPECT_EQ(f.imidisp.color, 1);
    EXPECT_EQ(f.imidisp2.color, 2);
    EXPECT_EQ(f.imidisp3.color, 3);
    EXPECT_EQ(f.Bangodisp.color, 4);
    EXPECT_EQ(f.Memo2.color, 5);
    EXPECT_EQ(f.Memo1.color, 6);
    // The dialogs open on the fonts of tangodisp and Memo2.
    EXPECT_EQ(f.FontDialog1.name, sj("ＭＳ Ｐ明朝"));
    EXPECT_EQ(f.FontDialog1.color, colours::Red);
    EXPECT_EQ(f.FontDialog1.style, fontstyle::Bold | fontstyle::Italic);
    EXPECT_EQ(f.FontDialog1.size, 23); // design size kept
    EXPECT_EQ(f.FontDialog2.name, "Times New Roman");
    EXPECT_EQ(f.FontDialog2.color, rgb(0, 255, 0));
    EXPECT_EQ(f.FontDialog2.size, 18);
    EXPECT_EQ(f.FontDialog2.style, fontstyle::StrikeOut);
    EXPECT_EQ(f.ColorDialog1, colours::BtnFace);

    // Saved straight away: the same 30 lines, except what the program owns
    // normalises ("+18" is 18, 257 is 1); the system colours are kept.
    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
    ASSERT_TRUE(h.dialogs.errors().empty());
    LineList expected = s;
    expected[14] = "18";
    expected[17] = "1";
    expected[26] = "0";
    expected[27] = "0";
    EXPECT_EQ(h.folder.readLines("font.txt"), expected);
    EXPECT_EQ(h.folder.read("font.txt"), joinLines(expected));
}

TEST(Settings, ShortFileStopsAtTheMissingLineWithEverythingBeforeApplied) {
    CatalogueHarness h;
    LineList s = distinctSettings();
    s.pop_back(); // 29 lines: no background for Memo1
    h.folder.writeLines("font.txt", s);
    const Form design;
    h.start();
    EXPECT_EQ(h.dialogs.errors(),
              std::vector<std::string>{"リストのインデックスが範囲を超えています (29)"});
    EXPECT_EQ(h.state().SettingsList, s);
    EXPECT_EQ(h.form().tangodisp.font.style, fontstyle::Bold | fontstyle::Italic);
    EXPECT_EQ(h.form().Bangodisp.color, 4);
    EXPECT_EQ(h.form().Memo2.color, 5);
    EXPECT_EQ(h.form().Memo1.color, design.Memo1.color);
    EXPECT_EQ(h.form().FontDialog1, design.FontDialog1);
    EXPECT_EQ(h.form().FontDialog2, design.FontDialog2);
    EXPECT_EQ(h.form().ColorDialog1, design.ColorDialog1);
    EXPECT_EQ(h.form().AllCountR_.text, "");
}

TEST(Settings, ANonNumberStopsAtItsLine) {
    CatalogueHarness h;
    LineList s = defaultSettings();
    s[6] = "255";
    s[7] = " 12"; // nothing is trimmed
    h.folder.writeLines("font.txt", s);
    h.start();
    EXPECT_EQ(h.dialogs.errors(), std::vector<std::string>{"' 12' は整数ではありません"});
    EXPECT_EQ(h.form().tangodisp.font.color, colours::Red);
    EXPECT_EQ(h.form().imidisp.font.color, Form().imidisp.font.color);
    EXPECT_EQ(h.form().Memo2.font.size, Form().Memo2.font.size);
    EXPECT_EQ(h.form().AllCountR_.text, "");

    // The finish writes only what start-up applied or a dialog changed; every
    // other line goes back as it was, not as a design value.
    h.dialogs.colourChoices = {Colour{4242}};
    h.run([&] { h.catalogue.color3Click(); });
    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
    const LineList saved = h.folder.readLines("font.txt");
    ASSERT_EQ(saved.size(), s.size());
    EXPECT_EQ(saved[6], "255");
    EXPECT_EQ(saved[29], "4242");
    for (long i = 7; i < 29; ++i) {
        if (i != 26 && i != 27) {
            EXPECT_EQ(saved[i], s[i]) << i;
        }
    }
}

TEST(Settings, TheDrillReadsItsAnswerColourFromTheListHeld) {
    CatalogueHarness h;
    LineList s = defaultSettings();
    s[10] = "red";
    h.folder.writeLines("font.txt", s);
    h.start();
    h.load(numberedSet(3));
    h.answer("answer1");
    h.answer("answer2");
    // Once where start-up stops, once from the drill however often it asks.
    const std::string bad = "'red' は整数ではありません";
    EXPECT_EQ(h.dialogs.errors(), (std::vector<std::string>{bad, bad}));
    EXPECT_EQ(h.form().Memo1.font.color, colours::Black);
}

TEST(Settings, AHugeLineIsQuotedCutAndAHugeFileRefused) {
    LineList s = defaultSettings();
    s[6] = std::string(63, '7') + sj("あ") + std::string(1000000, 'x');
    CatalogueHarness quoted;
    quoted.folder.writeLines("font.txt", s);
    quoted.start();
    EXPECT_EQ(quoted.dialogs.errors(),
              std::vector<std::string>{"'" + std::string(63, '7') + "…' は整数ではありません"});

    s[6] = "0";
    s.push_back(std::string(MaxSettingsFileBytes, ' '));
    CatalogueHarness refused;
    refused.folder.writeLines("font.txt", s);
    refused.start();
    EXPECT_EQ(refused.dialogs.errors(), std::vector<std::string>{"ファイル font.txt は開けません"});
}

TEST(Settings, SaveKeepsUnownedLinesAndWritesTheRunsFieldsAndCounters) {
    CatalogueHarness h;
    LineList s = distinctSettings();
    s.push_back("line 30");
    s.push_back(sj("日本語の行"));
    h.folder.writeLines("font.txt", s);
    h.start();
    // The learner changes the look and drills a little.
    h.form().tangodisp.font.name = "Georgia";
    h.form().Memo2.font.size = 31;
    h.form().imidisp3.color = 123456;
    h.state().TotalRight = 9;
    h.state().TotalWrong = 2;
    // Someone edits the unowned lines while the program runs: they are reread.
    LineList onDisk = s;
    onDisk[0] = "edited 0";
    onDisk[12] = "edited 12";
    onDisk[31] = "edited 31";
    h.folder.writeLines("font.txt", onDisk);

    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
    const LineList saved = h.folder.readLines("font.txt");
    ASSERT_EQ(saved.size(), 32u);
    for (long i : {0, 11, 12, 13, 30, 31}) {
        EXPECT_EQ(saved[i], onDisk[i]) << i;
    }
    EXPECT_EQ(saved[1], "Georgia");
    EXPECT_EQ(saved[8], "-2147483640");
    EXPECT_EQ(saved[14], "31");
    EXPECT_EQ(saved[21], "-2147483633");
    EXPECT_EQ(saved[24], "123456");
    EXPECT_EQ(saved[26], "9");
    EXPECT_EQ(saved[27], "2");
    EXPECT_EQ(h.state().SettingsList, saved);
}

TEST(Settings, SystemColoursResolveThroughOneTable) {
    EXPECT_EQ(resolveColour(255), colours::Red);
    EXPECT_EQ(resolveColour(16777215), colours::White);
    EXPECT_EQ(resolveColour(-2147483643), colours::White);     // window
    EXPECT_EQ(resolveColour(-2147483633), rgb(212, 208, 200)); // button face
    EXPECT_EQ(resolveColour(colours::WindowText), colours::Black);
    // An index past the table still gives a colour to draw with.
    EXPECT_EQ(resolveColour(colours::system(200)), colours::Black);
}
