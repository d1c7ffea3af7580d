#include "bitmap_file.h"
#include "cp932.h"
#include "drill_harness.h"
#include "errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <sys/stat.h>

TEST(Pass, FreshSetQueuesEveryQuestionInWhite) {
    DrillHarness h;
    h.load(numberedSet(30));
    for (int k = 1; k <= 30; ++k) {
        EXPECT_EQ(h.state().queued(k), 4 * k - 2);
        EXPECT_EQ(h.numberColour(k), colours::White) << k;
    }
    EXPECT_EQ(h.state().queueLength(), 30);
    EXPECT_EQ(h.form().allmondai.text, "30");
    EXPECT_EQ(h.form().ShadowLabel2.text, "Type the answer");
    EXPECT_EQ(h.form().Bangodisp.text, "1");
    EXPECT_EQ(h.form().tangodisp.text, "question 1");
    EXPECT_TRUE(h.form().Timer3Enabled);
    EXPECT_FALSE(h.form().SpdBtnTimer.visible);
    // Question 1 does not bring up the status panel.
    EXPECT_FALSE(h.form().henko_panel.visible);
    // Wide screen: numbers 23 pixels apart on row 363, marker row at 376.
    EXPECT_EQ(h.form().surface.charAt(26, 363)->first, '1');
    EXPECT_EQ(h.form().surface.charAt(49, 363)->first, '2');
    auto marker = h.form().surface.charAt(26, 376);
    EXPECT_EQ(marker->first, 'o');
    EXPECT_EQ(marker->second, colours::Yellow);
    EXPECT_EQ(h.form().surface.charAt(50, 376)->second, colours::DarkBlue);
}

TEST(Pass, NarrowScreenMovesStripAndMarks) {
    DrillHarness h(800);
    h.load(numberedSet(3));
    // 20 pixels per question on row 315.
    EXPECT_EQ(h.form().surface.charAt(23, 315)->first, '1');
    EXPECT_EQ(h.form().surface.charAt(43, 315)->first, '2');
    h.answer("answer1");
    const SurfaceOp* mark = h.form().surface.topAt(82 + 255, 9);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->bitmapName, "right.bmp");
    EXPECT_EQ(mark->x, 337);
    // The narrow screen erases with its own bitmap.
    bool narrowErase = false;
    for (const auto& op : h.form().surface.ops()) {
        narrowErase |= op.bitmapName == "kesu2.bmp";
    }
    EXPECT_TRUE(narrowErase);
}

TEST(Pass, ReaskQueuesOnlyMissedQuestions) {
    DrillHarness h;
    h.load(numberedSet(8));
    for (int k = 1; k <= 8; ++k) {
        if (k == 3 || k == 7) {
            h.answer("wrong");
            h.run([&] { h.drill->kotakesuClick(); });
        }
        h.answer("answer" + std::to_string(k));
    }
    // The last answer ended the pass; the re-ask offer was answered No, then
    // the restart No: the set closed.
    const std::vector<std::string> tail(h.dialogs.log.end() - 3, h.dialogs.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "confirm: 全問終了しました｡間違った問題だけを出題しますか ?",
                        "confirm: もう一度最初から行いますか ?",
                        "info: お疲れさまでした｡次回は全問正解を目指しましょう。"}));
    EXPECT_TRUE(h.state().QuestionList.empty());

    DrillHarness r;
    r.load(numberedSet(8));
    r.dialogs.answers = {Answer::Yes};
    // The marker row is covered before the pass's question is asked.
    std::optional<std::pair<char, Colour>> marker;
    r.dialogs.whileOpen = [&] {
        if (!marker) {
            marker = r.form().surface.charAt(23 * 7 + 26, 433 - 57);
        }
    };
    for (int k = 1; k <= 8; ++k) {
        if (k == 3 || k == 7) {
            r.answer("wrong");
            r.run([&] { r.drill->kotakesuClick(); });
        }
        r.answer("answer" + std::to_string(k));
        if (k == 1) {
            // Question 1 passed, then missed when gone back to: asked again.
            r.run([&] { r.drill->SpdBtnModoruClick(); });
            r.answer("wrong");
            r.run([&] { r.drill->kotakesuClick(); });
            r.answer("answer1");
        }
    }
    ASSERT_TRUE(marker);
    EXPECT_EQ(marker->second, colours::DarkBlue);
    EXPECT_EQ(r.state().queueLength(), 3);
    EXPECT_EQ(r.state().queued(1), 2);
    EXPECT_EQ(r.state().queued(2), 10);
    EXPECT_EQ(r.state().queued(3), 26);
    // The new pass began with the marks erased.
    EXPECT_EQ(r.state().RightMarkX, 0);
    EXPECT_EQ(r.state().WrongMarkX, 0);
    const SurfaceOp* top = r.form().surface.topAt(82 + 305, 364 - 355);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->bitmapName, "kesu.bmp");
    EXPECT_EQ(r.numberColour(1), colours::White);
    EXPECT_EQ(r.numberColour(3), colours::White);
    EXPECT_EQ(r.numberColour(7), colours::White);
    EXPECT_FALSE(r.numberColour(2));
    EXPECT_TRUE(r.drill->PracticeMode);
    EXPECT_EQ(r.form().henko_panel.text, cp932::sj("落ち着いて！！"));
    EXPECT_TRUE(r.dialogs.saw("info: これからは練習モードです。"));
}

TEST(Pass, MegabyteLinesAreShownCutAndKeptWhole) {
    DrillHarness h;
    LineList set = numberedSet(1);
    const std::string huge = std::string(1023, 'i') + cp932::sj("長") + std::string(1000000, 'x');
    set[1] = set[2] = set[3] = set[4] = huge;
    h.load(set);
    for (const Control* c :
         {&h.form().ShadowLabel2, &h.form().tangodisp, &h.form().imidisp, &h.form().imidisp2}) {
        EXPECT_EQ(c->text, std::string(1023, 'i'));
    }
    EXPECT_EQ(h.state().QuestionList, set);
}

TEST(Pass, EmptyOrTitleOnlyListShowsNothing) {
    DrillHarness h;
    h.load({"title", "instruction"});
    EXPECT_EQ(h.state().queueLength(), 0);
    EXPECT_EQ(h.form().Bangodisp.text, "");
    EXPECT_EQ(h.form().ShadowLabel2.text, "");
    EXPECT_EQ(h.form().allmondai.text, "");
    EXPECT_FALSE(h.numberColour(1));
}

TEST(Pass, RightRate) {
    DrillHarness h;
    EXPECT_EQ(h.drill->RightRate(), 0);
    h.state().TotalRight = 2;
    h.state().TotalWrong = 1;
    EXPECT_EQ(h.drill->RightRate(), 66);
    h.state().TotalRight = 30000000;
    h.state().TotalWrong = 0;
    EXPECT_EQ(h.drill->RightRate(), 100);
}

TEST(Presentation, FontSizeTable) {
    struct Case {
        size_t len;
        int size;
    } cases[] = {{0, 0},   {1, 24},  {35, 24}, {36, 23}, {40, 23}, {41, 22},
                 {45, 22}, {46, 21}, {50, 21}, {51, 20}, {55, 20}, {56, 18},
                 {60, 18}, {61, 17}, {65, 17}, {66, 16}, {200, 16}};
    for (auto c : cases) {
        EXPECT_EQ(Drill::questionFontSize(c.len), c.size) << c.len;
    }
    DrillHarness h;
    h.load(setLines("t", "i",
                    {{std::string(36, 'x'), std::string(10, 'y'), " ", "a"},
                     {std::string(35, 'x'), std::string(10, 'y'), " ", "b"},
                     {cp932::sj("あいうえおかきくけこさしすせそたちつてと"), "", " ", "c"},
                     {"", "", std::string(80, 'z'), "d"}}));
    EXPECT_EQ(h.form().tangodisp.font.size, 23);
    EXPECT_EQ(h.form().imidisp2.font.size, 23);
    EXPECT_EQ(h.form().TrackBar1Position, 23);
    h.answer("a");
    EXPECT_EQ(h.form().tangodisp.font.size, 24);
    h.answer("b");
    EXPECT_EQ(h.form().tangodisp.font.size, 23);
    h.answer("c");
    // Both lines empty: the previous size stays, whatever line 3 holds.
    EXPECT_EQ(h.form().tangodisp.font.size, 23);
}

TEST(Presentation, PictureTable) {
    EXPECT_EQ(Drill::pictureFor(-1), "image\\01.BMP");
    EXPECT_EQ(Drill::pictureFor(0), "image\\01.BMP");
    EXPECT_EQ(Drill::pictureFor(1), "image\\02.BMP");
    EXPECT_EQ(Drill::pictureFor(9), "image\\10.BMP");
    EXPECT_EQ(Drill::pictureFor(10), "image\\01.BMP");
    EXPECT_EQ(Drill::pictureFor(19), "image\\10.BMP");
    EXPECT_EQ(Drill::pictureFor(20), "image\\11.BMP");
    EXPECT_EQ(Drill::pictureFor(21), "image\\12.BMP");
    EXPECT_EQ(Drill::pictureFor(22), "image\\19.BMP");
    EXPECT_EQ(Drill::pictureFor(29), "image\\26.BMP");
    EXPECT_EQ(Drill::pictureFor(30), "image\\27.BMP");
    EXPECT_EQ(Drill::pictureFor(35), "image\\27.BMP");
}

TEST(Presentation, UnreadablePicturesAndAnswerColourNeverLockTheDrill) {
    DrillHarness h;
    for (const char* name : {"image/01.BMP", "image/02.BMP", "right.bmp", "kesu.bmp"}) {
        std::filesystem::remove(h.folder.path(name));
    }
    h.drill->storedAnswerColour = []() -> Colour { throw NotIntegerError("red"); };
    h.load(numberedSet(3));
    EXPECT_EQ(h.form().tangodisp.text, "question 1");
    EXPECT_EQ(h.state().queueLength(), 3);
    h.answer("answer1");
    h.answer("answer2");
    // Each question counted once, the drill moved on, the countdown restarted.
    EXPECT_EQ(h.state().TotalRight, 2);
    EXPECT_EQ(h.form().Bangodisp.text, "3");
    EXPECT_EQ(h.state().SecondsLeft, h.state().TimeLimit);
    EXPECT_EQ(h.form().Memo1.font.color, colours::Black);
    // Each file reported once per run, however often it is drawn.
    h.load(numberedSet(3));
    EXPECT_EQ(h.dialogs.errors(),
              (std::vector<std::string>{
                  "ファイル kesu.bmp は開けません", "ファイル image\\01.BMP は開けません",
                  "ファイル right.bmp は開けません", "'red' は整数ではありません",
                  "ファイル image\\02.BMP は開けません"}));
}

TEST(Presentation, AFileWithoutAWholeQuestionStartsNoDrill) {
    DrillHarness h;
    for (size_t lines = 3; lines <= 5; ++lines) {
        LineList list = numberedSet(1);
        list.resize(lines);
        h.load(list);
        EXPECT_FALSE(h.form().Timer3Enabled) << lines;
        EXPECT_EQ(h.form().tangodisp.text, "") << lines;
        for (int i = 0; i < 25; ++i) {
            h.tick();
        }
        h.run([&] { h.drill->SpdBtnhintClick(); });
        EXPECT_TRUE(h.dialogs.errors().empty()) << lines;
    }
}

TEST(Presentation, EmptyListChangesOnlyPictureAndBase) {
    DrillHarness h;
    // Question 1 passed, the next pass queues question 2 first; the set
    // closed, slot 1 keeps its base line.
    h.load(numberedSet(3));
    h.answer("answer1");
    h.run([&] {
        h.drill->BeginPass();
        h.drill->CloseSet();
    });
    ASSERT_EQ(h.state().queued(1), 6);
    h.state().PictureStep = 22;
    h.run([&] { h.drill->ShowQuestion(); });
    EXPECT_EQ(h.form().Image2Picture, "image\\19.BMP");
    EXPECT_EQ(h.state().CurrentBase, 6);
    EXPECT_FALSE(h.form().Timer3Enabled);
    EXPECT_TRUE(h.form().SpdBtnTimer.visible);
}

TEST(Presentation, SliderClampsAndRunsOnlyOnChange) {
    DrillHarness h;
    h.form().tangodisp.font.size = 8;
    h.drill->setTrackBar1Position(22);
    EXPECT_EQ(h.form().tangodisp.font.size, 8); // unchanged position: handler not run
    h.drill->setTrackBar1Position(5);
    EXPECT_EQ(h.form().TrackBar1Position, 10);
    EXPECT_EQ(h.form().tangodisp.font.size, 10);
    h.drill->setTrackBar1Position(99);
    EXPECT_EQ(h.form().imidisp2.font.size, 30);
}

TEST(Presentation, HostileBitmapHeadersAreUnreadable) {
    DrillHarness h;
    // A header trusted as it stood: 60000 pixels square covered the number
    // strip; INT_MIN as a height was undefined behaviour.
    auto withSize = [](std::int32_t width, std::int32_t height) {
        std::string b = stubBitmap(5, 6);
        for (int i = 0; i < 4; ++i) {
            b[18 + i] = static_cast<char>(static_cast<std::uint32_t>(width) >> (8 * i));
            b[22 + i] = static_cast<char>(static_cast<std::uint32_t>(height) >> (8 * i));
        }
        return b;
    };
    h.folder.write("wrong.bmp", withSize(60000, 60000));
    h.folder.write("right.bmp", withSize(5, INT32_MIN));
    h.folder.write("image/01.BMP", withSize(-5, 6));
    h.folder.write("image/02.BMP", withSize(4000, 4000)); // the rows are not there
    std::filesystem::remove(h.folder.path("kesu.bmp"));
    ASSERT_EQ(::mkfifo(h.folder.path("kesu.bmp").c_str(), 0644), 0);
    h.load(numberedSet(3));
    h.answer("answer1");
    h.answer("wrong");
    EXPECT_EQ(h.numberColour(1), colours::Blue);
    EXPECT_EQ(h.numberColour(2), colours::Red);
    EXPECT_EQ(h.numberColour(3), colours::White);
    EXPECT_EQ(h.dialogs.errors(), (std::vector<std::string>{"ファイル kesu.bmp は開けません",
                                                            "ファイル image\\01.BMP は開けません",
                                                            "ファイル right.bmp は開けません",
                                                            "ファイル image\\02.BMP は開けません",
                                                            "ファイル wrong.bmp は開けません"}));
    // Stored top-down (a negative height) a bitmap is fine.
    h.folder.write("right.bmp", withSize(5, -6));
    EXPECT_EQ(readBitmapSize(h.folder.path("right.bmp"), "right.bmp").height, 6);

    // Operations at the far end of the coordinates neither wrap nor cover.
    Surface s;
    s.text(10, 10, "1", colours::White);
    s.bitmap(INT32_MAX - 2, 0, 4096, 4096, "x.bmp", "x.bmp");
    s.bitmap(0, INT32_MAX - 2, 4096, 4096, "y.bmp", "y.bmp");
    EXPECT_EQ(s.ops().size(), 3u);
    EXPECT_EQ(s.charAt(10, 10)->first, '1');
    EXPECT_EQ(s.topAt(INT32_MAX - 1, 5)->bitmapName, "x.bmp");
}

TEST(Dispatcher, AnyExceptionEndsOnlyItsHandler) {
    DrillHarness h;
    h.run([] {
        throw std::filesystem::filesystem_error("scan", "UserFile",
                                                std::make_error_code(std::errc::io_error));
    });
    h.run([] { throw std::runtime_error(std::string(62, 'x') + "あいう"); });
    h.run([] { throw FileOpenError("x.txt"); });
    EXPECT_EQ(
        h.dialogs.errors(),
        (std::vector<std::string>{
            "エラーが発生しました: filesystem error: scan: Input/output error [UserFile]",
            "エラーが発生しました: " + std::string(62, 'x') + "…", "ファイル x.txt は開けません"}));
}
