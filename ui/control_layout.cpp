#include "control_layout.h"

std::span<const ControlRow> controlLayout() {
    using K = ControlKind;
    // A table reads best one control to a row or two.
    // clang-format off
    static const ControlRow rows[] = {
        {"Image1", K::Backdrop, "", 0, 0, 798, 347, ""},
        {"surface", K::Surface, "", 0, 0, ClientWidth, ClientHeight, ""},
        // Toolbar.
        {"SpdBtnModoru", K::PictureButton, "", 4, 4, 40, 28, "前の問題を表示します。", Bevel::None,
         Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/modoru.png"}},
        {"SpdBtnSusumeru", K::PictureButton, "", 45, 4, 40, 28, "次の問題を表示します。",
         Bevel::None, Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/susumeru.png"}},
        {"SpdBtnkaitou", K::PictureButton, "", 86, 4, 40, 28, "解答を表示します。(ﾘﾀｰﾝｷｰと同じ)",
         Bevel::None, Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/kaitou.png"}},
        {"SpdBtnShuryo", K::PictureButton, "", 127, 4, 40, 28, "問題集を閉じます。", Bevel::None,
         Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/shuryo.png"}},
        {"SpdBtnTojiru", K::PictureButton, "", 168, 4, 40, 28,
         "各種設定、正答･誤答数を保存して終了します。", Bevel::None, Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/tojiru.png"}},
        {"SpdBtnColor1", K::PictureButton, "", 209, 4, 40, 28, "問題文の背景色を選択します。",
         Bevel::None, Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/color1.png"}},
        {"SpdBtnFont", K::PictureButton, "", 250, 4, 40, 28, "問題文のﾌｫﾝﾄを選択します。",
         Bevel::None, Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/font.png"}},
        {"SpdBtnSaku", K::PictureButton, "", 291, 4, 40, 28, "問題を作成、変更、追加等します。",
         Bevel::None, Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/saku.png"}},
        {"SpdBtnhint", K::PictureButton, "", 332, 4, 40, 28,
         "ﾋﾝﾄ、解説を表示します｡(ｽﾗｯｼｭｷｰ'/'と同じ)", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.picture = "glyphs/hint.png"}},
        {"SpdBtnTimer", K::PictureButton, "", 332, 4, 40, 28, "１問あたりの解答時間を設定します。",
         Bevel::None, Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/timer.png"}},
        // Counters.
        {"SpeedButtonseisekiclear", K::FlatButton, "", 643, 11, 17, 15,
         "通算正答率、通算正誤答数をクリアします。", Bevel::None, Qt::PointingHandCursor,
         Reach::Learner, {.picture = "glyphs/seisekiclear.png"}},
        {"AllCountR_", K::Panel, "", 669, 9, 33, 18, "通算の正答数です。"},
        {"AllCountW_", K::Panel, "", 706, 9, 33, 18, "通算の誤答数です。"},
        {"tokuten", K::Panel, "", 743, 9, 42, 18, "通算の正答率です。"},
        // Title bar.
        {"Panel1", K::Panel, "", 3, 36, 787, 45, "", Bevel::Lowered, Qt::ArrowCursor,
         Reach::Learner, {.background = colours::Blue}},
        {"ShadowLabel4", K::ShadowLabel, "Panel1", 3, 3, 19, 39, "", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.family = "Liberation Serif", .pixels = 15, .text = colours::Aqua}},
        {"ShadowLabel2", K::ShadowLabel, "Panel1", 22, 3, 762, 39, "", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.family = "IPAPGothic", .pixels = 21, .text = colours::White}},
        // Question panel.
        {"Panel2", K::Panel, "", 3, 83, 786, 153, "", Bevel::Lowered, Qt::ArrowCursor,
         Reach::Learner, {.background = colours::White}},
        {"imidisp3", K::Field, "Panel2", 4, 4, 778, 145,
         "ダブルクリックすると色の選択ができます。"},
        {"Bangodisp", K::Field, "Panel2", 16, 22, 29, 25, ""},
        {"tangodisp", K::Field, "Panel2", 50, 18, 727, 42,
         "ダブルクリックすると色の選択ができます。"},
        {"imidisp", K::Field, "Panel2", 50, 60, 727, 42,
         "ダブルクリックすると色の選択ができます。"},
        {"imidisp2", K::Field, "Panel2", 50, 102, 727, 42,
         "ダブルクリックすると色の選択ができます。"},
        // Answer area.
        {"Panel7", K::Panel, "", 7, 243, 80, 88, "", Bevel::Lowered, Qt::ArrowCursor,
         Reach::Learner, {.background = 16735067}},
        {"Image2", K::Picture, "Panel7", 3, 4, 73, 64, ""},
        {"Panel4", K::Panel, "", 9, 309, 74, 18, "解答の制限時間です（秒）。",
         Bevel::RaisedLowered},
        {"Memo2", K::Memo, "", 90, 243, 377, 41,
         "下の窓に単語をタイプしてリターンキーを押します。誤答の場合、ここに正答が表示されますが、"
         "再タイプすると消えます。",
         Bevel::Sunken3D},
        {"Memo1", K::Memo, "", 90, 288, 377, 41, "", Bevel::Sunken3D},
        // Right part, taking turns.
        {"RadioGroup1", K::RadioGroup, "", 476, 245, 309, 40, "", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "解答時間の設定", .family = "IPAPGothic", .pixels = 15,
          .text = colours::Silver, .background = colours::Black}},
        {"Henkou", K::PushButton, "", 476, 245, 71, 21, "問題を変更､修正します｡", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "変更"}},
        {"Tuika", K::PushButton, "", 547, 245, 68, 21, "問題を追加します｡", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "追加"}},
        {"Sakujo", K::PushButton, "", 615, 245, 66, 21, "問題を一つ削除します｡", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "削除"}},
        {"Button2", K::PushButton, "", 681, 245, 84, 21, "問題集のタイトルを変更､修正します｡", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "ﾀｲﾄﾙ変更"}},
        {"Button6", K::PushButton, "", 765, 245, 20, 21, "ボタン類を隠します。", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "×"}},
        {"NewMondai", K::PushButton, "", 476, 266, 150, 20, "新しい問題集を作成します｡", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "新規問題作成"}},
        {"Hozon", K::PushButton, "", 626, 266, 159, 20, "変更や作成した問題集ﾌｧｲﾙを保存します。", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "保存"}},
        {"henko_panel", K::Panel, "", 491, 297, 177, 25, "", Bevel::Raised, Qt::PointingHandCursor},
        // Hint box over the question panel, its shadow first.
        {"Memo4", K::HintBox, "", 443, 181, 331, 96, ""},
        {"Memo3", K::HintBox, "", 438, 177, 333, 97, ""},
        // Foot.
        {"ShadowLabel1", K::ShadowLabel, "", 0, 337, 799, 18, "", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "ぽとらん for TOEIC 英単語 ver.3.0   ", .family = "IPAPGothic",
          .pixels = 10, .text = 16769992}},
        {"allmondai", K::Panel, "", 760, 359, 25, 16, "問題数です。"},
        {"TrackBar1", K::Slider, "", 719, 380, 71, 10, "問題文のフォントサイズを変更します。"},
        // Below the client area: reached only by focus or by the program.
        {"kotakesu", K::PushButton, "", 8, 456, 17, 17, "ﾌｫｰｶｽするのに必要（業務連絡！）", Bevel::None, Qt::ArrowCursor,
         Reach::ProgramOnly, {.caption = "kotakesu"}},
        {"Kotaefont", K::PushButton, "", 30, 456, 60, 21,
         "これは隠しﾎﾞﾀﾝです^^; 解答欄のﾌｫﾝﾄを選びます｡", Bevel::None, Qt::ArrowCursor,
         Reach::Learner, {.caption = "Font 2"}},
        {"Button1", K::PushButton, "", 95, 456, 19, 19, "", Bevel::None, Qt::ArrowCursor,
         Reach::ProgramOnly, {.caption = "Button1"}},
        {"change", K::PushButton, "", 120, 456, 41, 19, "", Bevel::None, Qt::ArrowCursor,
         Reach::ProgramOnly, {.caption = "change"}},
        {"SpdBtnClear", K::PushButton, "", 166, 456, 21, 19, "", Bevel::None, Qt::ArrowCursor,
         Reach::ProgramOnly, {.caption = "clear"}},
        {"Button9", K::PushButton, "", 192, 456, 49, 17, "", Bevel::None, Qt::ArrowCursor,
         Reach::ProgramOnly, {.caption = "Button9"}},
    };
    // clang-format on
    return rows;
}

const ControlRow* findControlRow(const QString& name) {
    for (const ControlRow& row : controlLayout()) {
        if (name == QLatin1String(row.name)) {
            return &row;
        }
    }
    return nullptr;
}
