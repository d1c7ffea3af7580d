#include "editor_harness.h"

#include <gtest/gtest.h>

namespace {

std::vector<Control*> editorButtons(Form& f) {
    return {&f.Henkou, &f.Tuika, &f.Sakujo, &f.Button2, &f.NewMondai, &f.Hozon, &f.Button6};
}

} // namespace

TEST(EditorMode, OnStopsTheCountdownAndASecondClickLeaves) {
    EditorHarness h;
    h.load(numberedSet(2));
    h.form().henko_panel.visible = true;
    h.enterEditorMode();
    for (Control* c : editorButtons(h.form())) {
        EXPECT_TRUE(c->visible);
    }
    EXPECT_FALSE(h.form().henko_panel.visible);
    EXPECT_FALSE(h.form().RadioGroup1.visible);
    EXPECT_FALSE(h.form().Timer3Enabled);
    EXPECT_EQ(h.form().focus, FocusRequest::Memo1);

    h.enterEditorMode();
    for (Control* c : editorButtons(h.form())) {
        EXPECT_FALSE(c->visible);
    }
    EXPECT_TRUE(h.form().SpdBtnSaku.visible);
    EXPECT_TRUE(h.form().Timer3Enabled); // a question is on screen
    EXPECT_TRUE(h.dialogs.log.empty());
}

TEST(EditorMode, RefusedWhileAWrongAnswerAwaitsReturn) {
    EditorHarness h;
    h.load(numberedSet(2));
    h.answer("wrong");
    h.enterEditorMode();
    EXPECT_EQ(h.dialogs.log, std::vector<std::string>{"info: ﾘﾀｰﾝｷｰを押してから作成して下さい。"});
    EXPECT_FALSE(h.form().Button6.visible);
    EXPECT_EQ(h.form().Memo1.font.color, colours::Red);
    EXPECT_EQ(h.form().focus, FocusRequest::Kotakesu);

    // Return acknowledges, and then editor mode opens.
    h.clickDrill(&Drill::kotakesuClick);
    h.enterEditorMode();
    EXPECT_TRUE(h.form().Button6.visible);
}

TEST(EditorMode, OpeningAUserFileLeavesIt) {
    EditorHarness h;
    h.load(numberedSet(2));
    h.enterEditorMode();
    h.click(&Editor::YomikomiClick);
    EXPECT_FALSE(h.form().Button6.visible);
    EXPECT_FALSE(h.form().Tuika.visible);
}
