// What only the window can get wrong: places, bindings, focus, painting,
// menus and timers. The logic below it has its own tests.

#include "catalogue_table.h"
#include "classic_look.h"
#include "cp932.h"
#include "main_window.h"
#include "qt_screen.h"
#include "temp_program_dir.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <vector>

using cp932::sj;

namespace {

// Answers the next modal box from inside its event loop.
void answerNextBox(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* box = QApplication::activeModalWidget();
        if (box) {
            answer(box);
        }
    });
}

// Answers the first modal box that opens from now on.
void answerWhenABoxOpens(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            answer(box);
        }
    });
    poll->start(10);
}

void pressButton(QWidget* box, const QString& text) {
    for (auto* b : box->findChildren<QAbstractButton*>()) {
        if (b->text() == text) {
            b->click();
            return;
        }
    }
    QFAIL(qPrintable("no button " + text));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramDir> folder;
    std::unique_ptr<MainWindow> window;

    void open(int screenWidth = 1280, const LineList& settings = defaultSettings()) {
        folder = std::make_unique<TempProgramDir>();
        if (settings.empty()) {
            std::filesystem::remove(folder->path("font.txt"));
        } else {
            folder->writeLines("font.txt", settings);
        }
        folder->writeLines("jhgram/tango02.txt", numberedSet(3));
        QImage bear(57, 65, QImage::Format_RGB32);
        bear.fill(QColor(150, 100, 50));
        std::filesystem::create_directories(folder->path("pictures"));
        bear.save(QString::fromStdString(folder->path("pictures/toeic_menu.png").string()));
        window = std::make_unique<MainWindow>(folder->root(),
                                              std::make_unique<QtScreen>(screenWidth, 1024));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY(window->formCreated());
    }

    // Pairs of shown controls of the client area that overlap, apart from
    // the backdrop and the surface under everything, and what lies on
    // another by design: the timer button over the hint button, the time
    // panel on the picture frame.
    QStringList overlaps() {
        QList<QWidget*> shown;
        for (QObject* o : window->centralWidget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w->isVisible() && w->objectName() != "Image1" &&
                w->objectName() != "surface" && w->objectName() != "SpdBtnhint") {
                shown << w;
            }
        }
        QStringList pairs;
        for (int i = 0; i < shown.size(); ++i) {
            for (int j = i + 1; j < shown.size(); ++j) {
                const QString pair = shown[i]->objectName() + "/" + shown[j]->objectName();
                if (shown[i]->geometry().intersects(shown[j]->geometry()) &&
                    pair != "Panel7/Panel4") {
                    pairs << pair;
                }
            }
        }
        return pairs;
    }

    QPlainTextEdit* memo1() { return static_cast<QPlainTextEdit*>(window->control("Memo1")); }

    void loadK12() {
        window->handle([this] {
            window->catalogue().menuClick("K11Click");
            window->catalogue().menuClick("K12Click");
        });
    }

  private slots:
    // The program runs with Qt's Japanese translation: so do its windows here.
    void initTestCase() { QVERIFY(classic::useJapaneseDialogs()); }

    void cleanup() {
        window.reset();
        folder.reset();
    }

    void controlsStandAtTheirPlaces() {
        open();
        struct Expect {
            const char* name;
            QRect geometry;
        } expects[] = {
            {"SpdBtnModoru", {4, 4, 40, 28}},     {"SpdBtnTimer", {332, 4, 40, 28}},
            {"AllCountR_", {669, 9, 33, 18}},     {"Panel1", {3, 36, 787, 45}},
            {"tangodisp", {50, 18, 727, 42}},     {"Memo1", {90, 288, 377, 41}},
            {"henko_panel", {491, 297, 177, 25}}, {"Memo3", {438, 177, 333, 97}},
            {"TrackBar1", {719, 380, 71, 10}},    {"ShadowLabel1", {0, 337, 799, 18}},
        };
        for (const auto& e : expects) {
            QCOMPARE(window->control(e.name)->geometry(), e.geometry);
        }
        QCOMPARE(window->centralWidget()->size(), QSize(792, 401));
        QCOMPARE(window->control("SpdBtnkaitou")->toolTip(),
                 QStringLiteral("解答を表示します。(ﾘﾀｰﾝｷｰと同じ)"));
        QCOMPARE(static_cast<QAbstractButton*>(window->control("NewMondai"))->text(),
                 QStringLiteral("新規問題作成"));
        for (const char* button : {"Henkou", "NewMondai", "Button6"}) {
            const QFont f = window->control(button)->font();
            QCOMPARE(f.family(), QStringLiteral("IPAPGothic"));
            QCOMPARE(f.pixelSize(), 15);
            QVERIFY(f.bold());
        }
        QVERIFY(!window->control("RadioGroup1")->isVisible());
        QVERIFY(!window->control("Memo3")->isVisible());
        QVERIFY(window->control("SpdBtnTimer")->isVisible());
        // The timer button lies over the hint button while it is shown.
        QCOMPARE(window->centralWidget()->childAt(340, 10), window->control("SpdBtnTimer"));
        QCOMPARE(static_cast<QLabel*>(window->control("Panel4"))->text(), QStringLiteral("20"));
        QCOMPARE(static_cast<QLabel*>(window->control("tokuten"))->text(), QStringLiteral("0％"));

        // The classic borders, ring by ring from the outside at the left edge
        // and at the right edge.
        window->handle([this] { window->drill().form.henko_panel.visible = true; });
        const QColor white(255, 255, 255), grey(128, 128, 128), black(0, 0, 0);
        const struct {
            const char* name;
            QColor left[2], right[2];
        } rings[] = {
            {"Panel4", {grey, white}, {white, grey}},
            {"henko_panel", {black, white}, {black, grey}},
            {"Memo1", {grey, QColor(64, 64, 64)}, {white, QColor(212, 208, 200)}},
            {"Memo2", {grey, QColor(64, 64, 64)}, {white, QColor(212, 208, 200)}},
        };
        for (const auto& r : rings) {
            const QImage image = window->control(r.name)->grab().toImage();
            const int y = image.height() / 2, w = image.width();
            for (int ring = 0; ring < 2; ++ring) {
                QCOMPARE(image.pixelColor(ring, y), r.left[ring]);
                QCOMPARE(image.pixelColor(w - 1 - ring, y), r.right[ring]);
            }
        }
    }

    void typingDrivesRightAndWrongAnswers() {
        open();
        auto inputMethodOn = [this] { return memo1()->inputMethodQuery(Qt::ImEnabled).toBool(); };
        QVERIFY(!inputMethodOn());
        window->handle([this] { window->drill().form.Memo1InputMethod = true; });
        QVERIFY(inputMethodOn());
        loadK12();
        QVERIFY(!inputMethodOn());
        QCOMPARE(static_cast<QLabel*>(window->control("tangodisp"))->text(),
                 QStringLiteral("question 1"));
        QTest::keyClicks(memo1(), "answer1");
        QTest::keyClick(memo1(), Qt::Key_Return);
        QCOMPARE(window->drill().state.TotalRight, 1);
        QCOMPARE(memo1()->toPlainText(), QString());
        QCOMPARE(static_cast<QLabel*>(window->control("Bangodisp"))->text(), QStringLiteral("2"));

        QTest::keyClicks(memo1(), "wrong");
        QTest::keyClick(memo1(), Qt::Key_Return);
        QCOMPARE(window->drill().state.TotalWrong, 1);
        QCOMPARE(QApplication::focusWidget(), window->control("kotakesu"));
        QCOMPARE(memo1()->palette().color(QPalette::Text), QColor(255, 0, 0));
        // Every other key of the keyboard, alone or with a modifier, menu keys
        // included, changes nothing; Return acknowledges.
        QWidget* kotakesu = window->control("kotakesu");
        std::vector<int> keys = {Qt::Key_Tab,    Qt::Key_Backtab,   Qt::Key_Left,   Qt::Key_Right,
                                 Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Home,   Qt::Key_End,
                                 Qt::Key_PageUp, Qt::Key_PageDown,  Qt::Key_Escape, Qt::Key_Insert,
                                 Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Slash,  Qt::Key_Minus,
                                 Qt::Key_Comma,  Qt::Key_Period,    Qt::Key_Menu,   Qt::Key_Alt};
        for (int k = Qt::Key_0; k <= Qt::Key_9; ++k) {
            keys.push_back(k);
        }
        for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k) {
            keys.push_back(k);
        }
        for (int k = Qt::Key_F1; k <= Qt::Key_F12; ++k) {
            keys.push_back(k);
        }
        for (int key : keys) {
            for (auto mod : {Qt::NoModifier, Qt::ShiftModifier, Qt::AltModifier}) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mod);
                QVERIFY2(QApplication::focusWidget() == kotakesu, qPrintable(QString::number(key)));
                QVERIFY(!QApplication::activePopupWidget());
                QCOMPARE(memo1()->toPlainText(), QStringLiteral("wrong"));
            }
        }
        QCOMPARE(window->drill().state.QuestionList.size(), size_t(14));
        QCOMPARE(window->drill().state.TotalWrong, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(memo1()->toPlainText(), QString());
        QCOMPARE(QApplication::focusWidget(), memo1());
        // Tab reaches the hidden answer-font button, never a trigger button.
        QTest::keyClick(memo1(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->control("Kotaefont"));
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            for (const char* trigger :
                 {"kotakesu", "Button1", "change", "SpdBtnClear", "Button9"}) {
                QVERIFY(QApplication::focusWidget() != window->control(trigger));
            }
        }
        QCOMPARE(window->drill().state.QuestionList.size(), size_t(14));
    }

    void hiddenTextFieldGetsItsTextWhenShown() {
        open();
        Form& form = window->drill().form;
        auto* memo3 = static_cast<QPlainTextEdit*>(window->control("Memo3"));
        window->handle([&] { form.Memo3.text = sj("見えない間に来た文"); });
        QVERIFY(!memo3->isVisible());
        window->handle([&] { form.Memo3.visible = true; });
        QCOMPARE(memo3->toPlainText(), QStringLiteral("見えない間に来た文"));
        window->handle([&] { form.Memo3.text = sj("見えている間の文"); });
        QCOMPARE(memo3->toPlainText(), QStringLiteral("見えている間の文"));
        // A long right answer is shown from its start.
        auto* memo2 = static_cast<QPlainTextEdit*>(window->control("Memo2"));
        std::string answer;
        for (int i = 0; i < 20; ++i) {
            answer += "a long answer ";
        }
        window->handle([&] { form.Memo2.text = answer; });
        QVERIFY(memo2->verticalScrollBar()->maximum() > 0);
        QCOMPARE(memo2->textCursor().position(), 0);
        QCOMPARE(memo2->verticalScrollBar()->value(), 0);
    }

    void aTickDoesNotInterruptTyping() {
        open();
        loadK12();
        memo1()->setFocus();
        QTest::keyClicks(memo1(), "ans");
        QMetaObject::invokeMethod(window->timer3(), "timeout", Qt::DirectConnection);
        QMetaObject::invokeMethod(window->timer4(), "timeout", Qt::DirectConnection);
        QTest::keyClicks(memo1(), "wer1");
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("answer1"));
        QCOMPARE(static_cast<QLabel*>(window->control("Panel4"))->text(), QStringLiteral("20"));
    }

    void stripAndMarksArePaintedAtTheirPixels() {
        open();
        loadK12();
        QTest::keyClicks(memo1(), "answer1");
        QTest::keyClick(memo1(), Qt::Key_Return);
        const QImage image = window->centralWidget()->grab().toImage();
        // Number 1 at (26, 363) in blue, number 2 at (49, 363) in white: look
        // for ink of that colour in the cell.
        auto inkIn = [&](QRect cell, QColor colour) {
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    // Glyph edges are smoothed: the strongest pixels come close.
                    const QColor c = image.pixelColor(x, y);
                    if (std::abs(c.red() - colour.red()) < 60 &&
                        std::abs(c.green() - colour.green()) < 60 &&
                        std::abs(c.blue() - colour.blue()) < 60) {
                        return true;
                    }
                }
            }
            return false;
        };
        QVERIFY(inkIn(QRect(26, 363, 6, 12), QColor(0, 0, 255)));
        QVERIFY(inkIn(QRect(49, 363, 6, 12), QColor(255, 255, 255)));
        QVERIFY(!inkIn(QRect(26, 363, 6, 12), QColor(255, 255, 255)));
        // The yellow marker under question 2 on the marker row.
        QVERIFY(inkIn(QRect(49, 376, 6, 12), QColor(255, 255, 0)));
        // Background of the strip cell is the canvas brush, above the navy window.
        QCOMPARE(image.pixelColor(40, 368), QColor(0, 0, 128));
    }

    void stripDigitsAreCrispOnWideAndNarrowScreens() {
        for (int screenWidth : {1280, 800}) {
            open(screenWidth);
            loadK12();
            // The stem of the white "1" below the footer: a column of pure
            // white pixels.
            const QImage image = window->centralWidget()->grab().toImage();
            int longest = 0;
            for (int x = 0; x < 60; ++x) {
                int run = 0;
                for (int y = window->control("ShadowLabel1")->geometry().bottom() + 1;
                     y < image.height(); ++y) {
                    run = image.pixelColor(x, y) == QColor(255, 255, 255) ? run + 1 : 0;
                    longest = std::max(longest, run);
                }
            }
            QVERIFY2(longest >= 7, qPrintable(QString::number(screenWidth)));
            cleanup();
        }
    }

    void menusComeFromTheTable() {
        open();
        int entries = 0;
        for (const MenuRef& e : catalogueEntries()) {
            QAction* a = window->menuAction(QString::fromStdString(e.item->name));
            QVERIFY(a);
            QCOMPARE(a->text(), QString::fromStdString(e.item->caption));
            QVERIFY(!a->isChecked());
            ++entries;
        }
        QCOMPARE(entries, 204);
        // The TOEIC item: its picture (a brown bear) beside its caption, in a
        // bar as tall as captions alone make it.
        QMenuBar* bar = window->menuBar();
        QAction* toeic = window->menuAction("N6TOEC1");
        QMenuBar plain;
        plain.setFont(bar->font());
        plain.addAction(toeic->text());
        QCOMPARE(bar->sizeHint().height(), plain.sizeHint().height());
        const QRect item = bar->actionGeometry(toeic);
        const QImage image = bar->grab(item).toImage();
        int brown = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < item.height(); ++x) {
                const QColor c = image.pixelColor(x, y);
                brown += c.red() > c.green() && c.green() > c.blue() && c.red() - c.blue() > 60;
            }
        }
        QVERIFY(brown > 20);
        QVERIFY(item.width() > plain.sizeHint().width() + item.height() / 2);
        // Opening a group's menu runs its handler.
        QMenu* k11 = window->menu("K11");
        QVERIFY(k11);
        emit k11->aboutToShow();
        QCOMPARE(window->windowTitle(), QStringLiteral("ぽとらん for TOEIC   中１英文法"));
        // A click on a marked entry does not clear its mark.
        window->drill().form.Checked["K13"] = true;
        window->render();
        QAction* k13 = window->menuAction("K13");
        QVERIFY(k13->isChecked());
        folder->writeLines("jhgram/tango03.txt", numberedSet(2));
        k13->trigger();
        QVERIFY(k13->isChecked());
        QAction* k1 = window->menuAction("K1");
        folder->writeLines("jhgram/tango04.txt", numberedSet(2));
        k1->trigger();
        QVERIFY(!k1->isChecked());
    }

    void modalBoxesShowTheFormFirst() {
        open();
        loadK12();
        bool sawQuestion = false;
        answerNextBox([&](QWidget* box) {
            sawQuestion = static_cast<QLabel*>(window->control("tangodisp"))->text() ==
                          QStringLiteral("question 1");
            pressButton(box, QStringLiteral("いいえ(&N)"));
        });
        static_cast<QAbstractButton*>(window->control("SpdBtnShuryo"))->click();
        QVERIFY(sawQuestion);
        QCOMPARE(window->drill().state.QuestionList.size(), size_t(14));
        answerNextBox([](QWidget* box) { pressButton(box, QStringLiteral("はい(&Y)")); });
        static_cast<QAbstractButton*>(window->control("SpdBtnShuryo"))->click();
        QVERIFY(window->drill().state.QuestionList.empty());
    }

    void inputBoxHoldsAtMost255BytesOfTheFilesOwnText() {
        open();
        auto notice = [](QWidget* box) { return box->findChild<QLabel*>("notice")->text(); };
        auto type = [](QWidget* edit, const QString& ch) {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, ch, Qt::NoModifier);
        };
        std::string typed;
        QString said;
        answerNextBox([&](QWidget* box) {
            auto* edit = box->findChild<QLineEdit*>();
            edit->clear();
            QTest::keyClicks(edit, QString(300, QLatin1Char('x')));
            typed = edit->text().toStdString();
            said = notice(box);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        std::string result = window->dialogs().inputBox("cap", "prompt", "");
        QCOMPARE(typed.size(), size_t(255));
        QCOMPARE(result.size(), size_t(255));
        QVERIFY(!said.isEmpty());

        // A paste longer than the room left is cut on a character boundary.
        answerNextBox([&](QWidget* box) {
            auto* edit = box->findChild<QLineEdit*>();
            edit->setText(QString(250, QLatin1Char('x')));
            edit->insert(QStringLiteral("あいう"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(window->dialogs().inputBox("cap", "prompt", ""),
                 std::string(250, 'x') + sj("あい"));

        // Unchanged, the box gives back the bytes it was filled with: a byte
        // that is not CP932 and both codes of a character coded twice.
        const std::string odd = "ab\xA0" + std::string("\x87\x90\xED\x40", 4) + "cd";
        answerNextBox([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QCOMPARE(window->dialogs().inputBox("cap", "prompt", odd), odd);

        // Edited, the unreadable character must go before OK is taken.
        bool refused = false;
        answerNextBox([&](QWidget* box) {
            auto* edit = box->findChild<QLineEdit*>();
            edit->end(false);
            QTest::keyClicks(edit, "e");
            QTest::keyClick(edit, Qt::Key_Return);
            refused = QApplication::activeModalWidget() == box && !notice(box).isEmpty();
            edit->setText(edit->text().remove(QChar(0xFFFD)));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(window->dialogs().inputBox("cap", "prompt", odd), sj("ab≒纊cde"));
        QVERIFY(refused);

        bool prompted = false;
        // 〜 as input methods type it is written as CP932 writes it; a
        // character CP932 cannot carry is refused in the line under the field.
        answerNextBox([&](QWidget* box) {
            auto* edit = box->findChild<QLineEdit*>();
            // The prompt quotes the learner's words as they stand.
            for (auto* l : box->findChildren<QLabel*>()) {
                if (l->text() == QStringLiteral("<b>He</b>")) {
                    prompted = l->textFormat() == Qt::PlainText;
                }
            }
            type(edit, QStringLiteral("€"));
            said = notice(box);
            type(edit, QStringLiteral("〜"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(window->dialogs().inputBox("cap", "<b>He</b>", "old"), std::string("\x81\x60"));
        QVERIFY(!said.isEmpty());
        QVERIFY(prompted);
    }

    void informationBoxesStopTheCountdownAndResumeIt() {
        open();
        auto* version = new QDialog(window.get());
        auto* about = new QDialog(window.get());
        window->setInformationBoxes(version, about);
        loadK12();
        QVERIFY(window->timer3()->isActive());
        QMetaObject::invokeMethod(window->timer3(), "timeout", Qt::DirectConnection);
        QMetaObject::invokeMethod(window->timer3(), "timeout", Qt::DirectConnection);
        const int left = window->drill().state.SecondsLeft;
        for (const char* handler : {"K60Click", "About1Click"}) {
            bool stoppedWhileOpen = false;
            answerNextBox([&](QWidget* box) {
                stoppedWhileOpen = !window->timer3()->isActive();
                static_cast<QDialog*>(box)->accept();
            });
            window->handle([&] { window->catalogue().menuClick(handler); });
            QVERIFY(stoppedWhileOpen);
            QVERIFY(window->timer3()->isActive());
            QCOMPARE(window->drill().state.SecondsLeft, left);
        }
    }

    void fontDialogsOpenOnTheStylesOfTheSettings() {
        // The translation names the styles the dialog looks for 太字 and 標準,
        // while its list keeps the fonts' own names.
        // Bold everywhere: the answer font has a bold face, the question
        // font (a Mincho with one face) does not.
        LineList settings = defaultSettings();
        for (int line = 16; line <= 20; ++line) {
            settings[line] = "1";
        }
        open(1280, settings);
        for (const char* button : {"SpdBtnFont", "Kotaefont"}) {
            QFont opened;
            answerNextBox([&](QWidget* box) {
                opened = box->findChild<QFontDialog*>()->currentFont();
                box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
            static_cast<QAbstractButton*>(window->control(button))->click();
            QVERIFY(!opened.italic());
            QVERIFY(opened.bold() || button == std::string("SpdBtnFont"));
        }
        answerNextBox([](QWidget* box) {
            answerNextBox(
                [](QWidget* information) { static_cast<QDialog*>(information)->accept(); });
            pressButton(box, QStringLiteral("はい(&Y)"));
        });
        window->handle([this] { window->catalogue().SpdBtnTojiruClick(); });
        const LineList written = folder->readLines("font.txt");
        QCOMPARE(LineList(written.begin() + 16, written.begin() + 21),
                 LineList(settings.begin() + 16, settings.begin() + 21));
    }

    void startUpErrorStandsOverTheScaledCentredWindow() {
        // A missing settings file is reported over the window already scaled
        // and centred.
        QPoint boxAt, windowAt, centred;
        int clientWidth = 0;
        answerWhenABoxOpens([&](QWidget* box) {
            boxAt = box->geometry().center();
            windowAt = window->pos();
            centred = QPoint(window->drill().form.Left, window->drill().form.Top);
            clientWidth = window->centralWidget()->width();
            static_cast<QDialog*>(box)->accept();
        });
        open(800, {});
        QVERIFY(clientWidth > 0 && clientWidth < 792);
        QVERIFY(centred.x() > 0);
        QCOMPARE(windowAt, centred);
        QVERIFY(window->frameGeometry().contains(boxAt));
    }

    void fontDialogAnswersAsAWhole() {
        open();
        Font start;
        start.name = sj("ＭＳ Ｐ明朝");
        start.size = 22;
        start.color = 255;
        start.style = fontstyle::Underline;
        answerNextBox([](QWidget* box) {
            // Return inside the embedded font list accepts the whole dialog.
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box,
                            Qt::Key_Return);
        });
        auto chosen = window->dialogs().chooseFont(start);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->size, 22);
        QCOMPARE(chosen->color, 255);
        QCOMPARE(chosen->name, sj("ＭＳ Ｐ明朝"));
        QVERIFY(chosen->style & fontstyle::Underline);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void menuStaysOpenWhileItsErrorWaits() {
        open();
        std::filesystem::remove(folder->path("kesu.bmp"));
        // The report waits while the menu is open; chosen from it, the entry
        // loads, and then the report shows, once.
        QStringList reports;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&reports] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reports << box->text();
                box->close();
            }
        });
        closer.start(10);
        QMenu* k11 = window->menu("K11");
        k11->popup(QPoint(10, 10));
        QTest::qWait(200);
        QVERIFY(k11->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(reports.isEmpty());
        window->menuAction("K12")->trigger();
        k11->hide();
        QTRY_COMPARE(reports, QStringList{QStringLiteral("ファイル kesu.bmp は開けません")});
        QTest::qWait(200);
        QCOMPARE(reports.size(), 1);
        QCOMPARE(static_cast<QLabel*>(window->control("tangodisp"))->text(),
                 QStringLiteral("question 1"));
    }

    void narrowScreenScalesTheWindow() {
        for (int width : {800, 853, 899}) {
            open(width);
            QVERIFY(window->drill().form.ScaleRatio < 1.0);
            QVERIFY(window->centralWidget()->width() < 792);
            // No control lies over another, a drill under way.
            loadK12();
            QCOMPARE(overlaps().join(" "), QString());
            // All nine menus in view, none behind the overflow button.
            QMenuBar* bar = window->menuBar();
            QTRY_VERIFY(bar->width() < 792);
            QVERIFY(bar->font().pixelSize() >= 10);
            for (QAction* a : bar->actions()) {
                QVERIFY2(!bar->actionGeometry(a).isEmpty() &&
                             bar->actionGeometry(a).right() < bar->width(),
                         qPrintable(QString::number(width) + a->text()));
            }
            cleanup();
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
