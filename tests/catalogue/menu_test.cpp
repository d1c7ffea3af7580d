#include "catalogue_harness.h"
#include "cp932.h"

#include <filesystem>

using cp932::sj;

namespace {

const std::string T = "ぽとらん for TOEIC   ";

LineList titled(const std::string& titleUtf8, int questions) {
    LineList lines = numberedSet(questions);
    lines[0] = sj(titleUtf8);
    return lines;
}

} // namespace

TEST(Menu, OpeningAGroupClosesTheSetAndShowsItsCaption) {
    CatalogueHarness h;
    h.start();
    h.load(numberedSet(3));
    h.state().LoadedBy = "K12";
    h.click("K11Click");
    // Closing the menu without choosing leaves no set loaded.
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_FALSE(h.state().LoadedBy);
    EXPECT_TRUE(h.form().SpdBtnTimer.visible);
    EXPECT_EQ(h.form().Caption, T + "中１英文法");
    EXPECT_TRUE(h.dialogs.errors().empty());
}

TEST(Menu, ChoosingAnEntryLoadsItsFileSetsTheCaptionAndStartsTheDrill) {
    CatalogueHarness h;
    h.start();
    h.folder.writeLines("jhgram/tango02.txt", titled("様々な否定文", 3));
    h.click("K11Click");
    h.click("K12Click");
    EXPECT_EQ(h.form().Caption, T + "中１英文法  様々な否定文  tango02.txt");
    EXPECT_EQ(h.state().LoadedBy, "K12");
    EXPECT_EQ(h.state().queueLength(), 3);
    EXPECT_EQ(h.form().tangodisp.text, "question 1");
    EXPECT_FALSE(h.form().SpdBtnTimer.visible);

    // K21's file is found whatever the case on disk; the caption keeps the
    // catalogue's name.
    h.folder.writeLines("jhgram/tango01.txt", titled("様々な疑問文", 2));
    h.click("K11Click");
    h.click("K21Click");
    EXPECT_EQ(h.form().Caption, T + "中１英文法  様々な疑問文  Tango01.txt");
    EXPECT_EQ(h.state().LoadedBy, "K21");

    // A title of a megabyte shows its first 64 bytes, never half a character.
    LineList huge = numberedSet(2);
    huge[0] = std::string(63, 'T') + sj("題") + std::string(1000000, 'x');
    h.folder.writeLines("jhgram/tango01.txt", huge);
    h.click("K11Click");
    h.click("K21Click");
    EXPECT_EQ(h.form().Caption, T + "中１英文法  " + std::string(63, 'T') + "…  Tango01.txt");

    // TOEIC entries use the bare prefix; reaching one runs both openings.
    h.folder.writeLines("TOEIC700/TOEIC700_001.txt", titled("TOEIC頻出語", 2));
    h.click("N6TOEC1Click");
    EXPECT_TRUE(h.state().QuestionList.empty());
    h.click("TOEIC70011Click");
    EXPECT_EQ(h.form().Caption, T + "TOEIC700点(1)");
    h.click("TOEIC70012Click");
    EXPECT_EQ(h.form().Caption, T + "TOEIC頻出語  TOEIC700_001.txt");

    // The last 550-point entry.
    h.folder.writeLines("TOEIC550/TOEIC550_97.txt", titled("最後", 1));
    h.click("TOEIC5502158Click");
    EXPECT_EQ(h.form().Caption, T + "最後  TOEIC550_97.txt");
    EXPECT_EQ(h.state().LoadedBy, "TOEIC5502158");
    EXPECT_TRUE(h.dialogs.errors().empty());
}

TEST(Menu, SchoolVocabularyClosesOnceWhenTheOuterMenuOpens) {
    CatalogueHarness h;
    h.start();
    h.load(numberedSet(2));
    h.click("K45Click");
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_EQ(h.form().Caption, T + "英単語");
    // The inner group leaves a loaded set alone.
    h.load(numberedSet(2));
    h.state().LoadedBy = "K111";
    h.click("K110Click");
    EXPECT_EQ(h.state().QuestionList.size(), 10u);
    EXPECT_EQ(h.state().LoadedBy, "K111");
    EXPECT_EQ(h.form().Caption, T + "英単語 中学1年生");
}

TEST(Menu, BadSetFilesStopTheEntryAtTheirStep) {
    CatalogueHarness h;
    h.start();

    // Missing: stops at loading; the set, caption and LoadedBy stay.
    h.load(numberedSet(2));
    h.state().LoadedBy = "K5";
    h.form().Caption = "before";
    h.click("K12Click");
    EXPECT_EQ(h.dialogs.errors().back(), "ファイル jhgram\\tango02.txt は開けません");
    EXPECT_EQ(h.state().QuestionList.size(), 10u);
    EXPECT_EQ(h.state().LoadedBy, "K5");
    EXPECT_EQ(h.form().Caption, "before");
    // K21 closes the set itself first, so the same failure leaves none.
    h.click("K21Click");
    EXPECT_EQ(h.dialogs.errors().back(), "ファイル jhgram\\Tango01.txt は開けません");
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_FALSE(h.state().LoadedBy);

    // Empty: loaded, but there is no title line.
    h.folder.write("jhgram/tango02.txt", "");
    h.click("K11Click");
    h.click("K12Click");
    EXPECT_EQ(h.dialogs.errors().back(), "リストのインデックスが範囲を超えています (0)");
    EXPECT_EQ(h.form().Caption, T + "中１英文法");
    EXPECT_TRUE(h.form().SpdBtnTimer.visible);
    EXPECT_FALSE(h.state().LoadedBy);

    // One or two lines: the caption is set and a pass without questions begins.
    for (const LineList& lines : {LineList{sj("題")}, LineList{sj("題"), "instruction"}}) {
        h.folder.writeLines("jhgram/tango02.txt", lines);
        const size_t errors = h.dialogs.errors().size();
        h.click("K11Click");
        h.click("K12Click");
        EXPECT_EQ(h.dialogs.errors().size(), errors);
        EXPECT_EQ(h.form().Caption, T + "中１英文法  題  tango02.txt");
        EXPECT_EQ(h.state().queueLength(), 0);
        EXPECT_EQ(h.state().LoadedBy, "K12");
    }

    // Over 32 questions: refused whole, nothing loaded.
    h.folder.writeLines("jhgram/tango02.txt", numberedSet(33));
    h.click("K11Click");
    h.click("K12Click");
    EXPECT_NE(h.dialogs.errors().back().find("32"), std::string::npos);
    EXPECT_TRUE(h.state().QuestionList.empty());
    EXPECT_EQ(h.form().Caption, T + "中１英文法");

    // Binary bytes: shown leniently, the drill goes on.
    h.folder.write("jhgram/tango02.txt", std::string("\xff\xfe\x81\r\n\x01\x02\r\n", 9));
    const size_t errors = h.dialogs.errors().size();
    h.click("K12Click");
    EXPECT_EQ(h.dialogs.errors().size(), errors);
    EXPECT_EQ(h.state().LoadedBy, "K12");
    EXPECT_NE(h.form().Caption.find("\xEF\xBF\xBD"), std::string::npos);
}

TEST(Menu, HelpBoxesStopTheCountdownAndAcknowledgeAfterwards) {
    for (const char* handler : {"K60Click", "About1Click"}) {
        CatalogueHarness h;
        h.start();
        h.load(numberedSet(2));
        ASSERT_TRUE(h.form().Timer3Enabled);
        bool timerWhileOpen = true;
        h.dialogs.whileOpen = [&] { timerWhileOpen = h.form().Timer3Enabled; };
        h.click(handler);
        EXPECT_FALSE(timerWhileOpen);
        EXPECT_EQ(h.dialogs.log.back(), std::string(handler) == "K60Click" ? "about" : "version");
        EXPECT_TRUE(h.form().Timer3Enabled);
        EXPECT_EQ(h.state().QuestionList.size(), 10u);
    }
    CatalogueHarness h;
    EXPECT_FALSE(h.catalogue.menuClick("YomikomiClick"));
    EXPECT_FALSE(h.catalogue.menuClick("Help1Click"));
    EXPECT_FALSE(h.catalogue.menuClick("K12"));
    EXPECT_TRUE(h.dialogs.log.empty());
}
