#include "catalogue_harness.h"
#include "cp932.h"

using cp932::sj;

namespace {

Font chosenFont(int size, Colour colour) {
    Font f;
    f.name = "Georgia";
    f.size = size;
    f.color = colour;
    f.style = fontstyle::Italic;
    return f;
}

// Started, with a drill on screen and the countdown running.
void startDrilling(CatalogueHarness& h) {
    h.start();
    h.load(numberedSet(3));
    ASSERT_TRUE(h.form().Timer3Enabled);
}

} // namespace

TEST(Appearance, ColourChoicesLandInTheirFieldsAndResumeTheDrill) {
    CatalogueHarness h;
    startDrilling(h);
    const std::string settingsBefore = h.folder.read("font.txt");
    bool timerWhileOpen = true;
    h.dialogs.whileOpen = [&] { timerWhileOpen = h.form().Timer3Enabled; };

    h.dialogs.colourChoices = {rgb(1, 2, 3)};
    h.form().focus = FocusRequest::None;
    h.run([&] { h.catalogue.SpdBtnColor1Click(); });
    EXPECT_FALSE(timerWhileOpen);
    for (const Control* c : {&h.form().tangodisp, &h.form().imidisp, &h.form().imidisp2,
                             &h.form().Bangodisp, &h.form().imidisp3}) {
        EXPECT_EQ(c->color, rgb(1, 2, 3));
    }
    EXPECT_EQ(h.form().ColorDialog1, rgb(1, 2, 3));
    EXPECT_EQ(h.form().focus, FocusRequest::Memo1);
    EXPECT_TRUE(h.form().Timer3Enabled);

    h.dialogs.colourChoices = {rgb(4, 5, 6), rgb(7, 8, 9)};
    h.run([&] { h.catalogue.color2Click(); });
    h.run([&] { h.catalogue.color3Click(); });
    EXPECT_EQ(h.form().Memo2.color, rgb(4, 5, 6));
    EXPECT_EQ(h.form().Memo1.color, rgb(7, 8, 9));
    EXPECT_EQ(h.form().tangodisp.color, rgb(1, 2, 3));

    // Cancelled with a wrong answer pending: nothing changes, yet the focus
    // and the acknowledgement still happen.
    h.answer("wrong");
    ASSERT_TRUE(h.drill->awaitingAcknowledgement());
    h.run([&] { h.catalogue.SpdBtnColor1Click(); });
    EXPECT_EQ(h.form().tangodisp.color, rgb(1, 2, 3));
    EXPECT_EQ(h.form().Memo1.color, rgb(7, 8, 9));
    EXPECT_EQ(h.form().ColorDialog1, rgb(7, 8, 9));
    EXPECT_FALSE(h.drill->awaitingAcknowledgement());
    EXPECT_EQ(h.form().henko_panel.text, sj("答をよく見てタイプ開始！"));
    EXPECT_EQ(h.form().focus, FocusRequest::Memo1);

    // Nothing reaches font.txt before the confirmed finish.
    EXPECT_EQ(h.folder.read("font.txt"), settingsBefore);
}

TEST(Appearance, QuestionFontMovesTheSliderWithinItsRange) {
    CatalogueHarness h;
    startDrilling(h);
    h.form().TrackBar1Position = 22;
    bool timerWhileOpen = true;
    h.dialogs.whileOpen = [&] { timerWhileOpen = h.form().Timer3Enabled; };

    // Size 8: the slider stops at 10 and resizes the question lines only.
    h.dialogs.fontChoices = {chosenFont(8, rgb(0, 0, 200))};
    h.run([&] { h.catalogue.SpdBtnFontClick(); });
    EXPECT_FALSE(timerWhileOpen);
    EXPECT_EQ(h.form().TrackBar1Position, 10);
    for (const Control* c : {&h.form().tangodisp, &h.form().imidisp, &h.form().imidisp2}) {
        EXPECT_EQ(c->font.size, 10);
        EXPECT_EQ(c->font.name, "Georgia");
    }
    EXPECT_EQ(h.form().Memo2.font, chosenFont(8, rgb(0, 0, 200)));
    EXPECT_EQ(h.form().Memo1.font, chosenFont(8, rgb(0, 0, 200)));
    EXPECT_EQ(h.form().FontDialog1, chosenFont(8, rgb(0, 0, 200)));
    EXPECT_TRUE(h.form().Timer3Enabled);

    // Size 22 at a slider of 22: every field keeps 22.
    h.form().TrackBar1Position = 22;
    h.dialogs.fontChoices = {chosenFont(22, 0)};
    h.run([&] { h.catalogue.SpdBtnFontClick(); });
    EXPECT_EQ(h.form().TrackBar1Position, 22);
    for (const Control* c : {&h.form().tangodisp, &h.form().imidisp, &h.form().imidisp2,
                             &h.form().Memo2, &h.form().Memo1}) {
        EXPECT_EQ(c->font.size, 22);
    }

    // Size 40: question lines 30.
    h.dialogs.fontChoices = {chosenFont(40, 0)};
    h.run([&] { h.catalogue.SpdBtnFontClick(); });
    EXPECT_EQ(h.form().tangodisp.font.size, 30);
    EXPECT_EQ(h.form().Memo1.font.size, 40);

    // Cancelled: nothing changes.
    h.run([&] { h.catalogue.SpdBtnFontClick(); });
    EXPECT_EQ(h.form().Memo1.font.size, 40);
}

TEST(Appearance, RedOrWhiteAnswerTextIsSeenByTheAcknowledgementStep) {
    // Red reads as a pending wrong answer: the field is emptied and returns
    // to the colour of line 10 at once.
    CatalogueHarness h;
    startDrilling(h);
    h.form().Memo1.text = "typed";
    h.dialogs.fontChoices = {chosenFont(20, colours::Red)};
    h.run([&] { h.catalogue.SpdBtnFontClick(); });
    EXPECT_EQ(h.form().Memo1.font.color, 0);
    EXPECT_EQ(h.form().Memo1.text, "");
    EXPECT_EQ(h.form().Image2Picture, "image\\afterreturn.BMP");
    EXPECT_EQ(h.form().tangodisp.font.color, colours::Red);

    // White hides the status panel and stays until the next right answer.
    h.form().henko_panel.visible = true;
    h.dialogs.fontChoices = {chosenFont(20, colours::White)};
    h.run([&] { h.catalogue.SpdBtnFontClick(); });
    EXPECT_FALSE(h.form().henko_panel.visible);
    EXPECT_EQ(h.form().Memo1.font.color, colours::White);
    h.answer("answer1");
    EXPECT_EQ(h.form().Memo1.font.color, 0);
}

TEST(Appearance, AnswerFontLeavesTheCountdownAndTheQuestionLinesAlone) {
    CatalogueHarness h;
    startDrilling(h);
    h.answer("wrong");
    h.form().Timer3Enabled = true; // as if the countdown ran
    const Font question = h.form().tangodisp.font;
    bool timerWhileOpen = false;
    h.dialogs.whileOpen = [&] { timerWhileOpen = h.form().Timer3Enabled; };
    h.dialogs.fontChoices = {chosenFont(28, rgb(0, 128, 0))};
    h.form().focus = FocusRequest::None;
    h.run([&] { h.catalogue.KotaefontClick(); });
    EXPECT_TRUE(timerWhileOpen);
    EXPECT_EQ(h.form().Memo2.font, chosenFont(28, rgb(0, 128, 0)));
    EXPECT_EQ(h.form().Memo1.font, chosenFont(28, rgb(0, 128, 0)));
    EXPECT_EQ(h.form().FontDialog2, chosenFont(28, rgb(0, 128, 0)));
    EXPECT_EQ(h.form().tangodisp.font, question);
    EXPECT_EQ(h.form().focus, FocusRequest::Memo1);
    // No acknowledgement step: the wrong answer's text is still there.
    EXPECT_EQ(h.form().Memo1.text, "wrong");

    // The finish writes the new Memo2 colour to line 9; line 10 keeps its value.
    h.dialogs.answers = {Answer::Yes};
    h.run([&] { h.catalogue.SpdBtnTojiruClick(); });
    const LineList saved = h.folder.readLines("font.txt");
    EXPECT_EQ(saved[9], std::to_string(rgb(0, 128, 0)));
    EXPECT_EQ(saved[10], "0");
    EXPECT_EQ(saved[4], "Georgia");
    EXPECT_EQ(saved[14], "28");
    EXPECT_EQ(saved[19], "2");
}
