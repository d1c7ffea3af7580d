// The splash window and the two information boxes: how they close, how the
// splash goes away, and the manual the about box shows.

#include "about_box.h"
#include "about_box1.h"
#include "splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <sys/stat.h>

namespace {

const std::filesystem::path dataDir = POTORAN_DATA_DIR;

// Runs the box modally and presses Return in it from inside its loop.
int execWithReturn(QDialog& box) {
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : modal,
                            Qt::Key_Return);
        }
    });
    return box.exec();
}

QStringList manualLines(TAboutBox1& box) {
    return box.memo()->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

class BoxesTest : public QObject {
    Q_OBJECT

  private slots:
    void returnClosesEachBoxAndItOpensAgain() {
        TAboutBox version(dataDir);
        TAboutBox1 about(dataDir);
        for (QDialog* box : {static_cast<QDialog*>(&version), static_cast<QDialog*>(&about)}) {
            for (int showing = 0; showing < 2; ++showing) {
                QCOMPARE(execWithReturn(*box), int(QDialog::Accepted));
                QVERIFY(!box->isVisible());
            }
            // The close box closes it too.
            QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
            QCOMPARE(box->exec(), int(QDialog::Rejected));
            QVERIFY(!box->isVisible());
        }
    }

    void versionBoxIsFilledWhenFirstShown() {
        TAboutBox version(dataDir);
        QVERIFY(!version.filled());
        QCOMPARE(execWithReturn(version), int(QDialog::Accepted));
        QVERIFY(version.filled());
        QStringList texts;
        for (const QLabel* l : version.findChildren<QLabel*>()) {
            if (l->isVisibleTo(&version)) {
                texts << l->text();
            }
        }
        QVERIFY(texts.contains(QStringLiteral("Version 3.0")));
        QVERIFY(texts.contains(QStringLiteral("英語学習ソフト")));
        // Shown again, it is not filled twice.
        const auto count = version.findChildren<QLabel*>().size();
        QCOMPARE(execWithReturn(version), int(QDialog::Accepted));
        QCOMPARE(version.findChildren<QLabel*>().size(), count);
    }

    void manualIsReadWhenTheBoxFirstOpens() {
        TAboutBox1 about(dataDir);
        QVERIFY(!about.manualRead());
        QCOMPARE(execWithReturn(about), int(QDialog::Accepted));
        QVERIFY(about.manualRead());
        QCOMPARE(about.memo()->toPlainText(), TAboutBox1::loadManual(dataDir));
        // A FIFO in the manual's place is no manual, and does not block.
        QTemporaryDir fifoDir;
        QVERIFY(::mkfifo(qPrintable(fifoDir.filePath("manual.txt")), 0600) == 0);
        QVERIFY(TAboutBox1::loadManual(fifoDir.path().toStdString()).contains("manual.txt"));
    }

    void boxesHaveTheirFrameAndButton() {
        TAboutBox version(dataDir);
        QCOMPARE(version.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(version.size(), QSize(294, 207));
        QCOMPARE(version.okButton()->geometry(), QRect(118, 167, 64, 33));
        QVERIFY(version.okButton()->isDefault());
        QCOMPARE(version.minimumSize(), version.maximumSize());

        TAboutBox1 about(dataDir);
        QCOMPARE(about.windowTitle(), QStringLiteral("このｿﾌﾄについて"));
        QCOMPARE(about.size(), QSize(593, 300));
        QCOMPARE(about.okButton()->geometry(), QRect(262, 263, 64, 33));
        QCOMPARE(about.memo()->geometry(), QRect(8, 16, 577, 241));
        QVERIFY(about.memo()->isReadOnly());
        QCOMPARE(about.memo()->wordWrapMode(), QTextOption::NoWrap);
        QCOMPARE(about.memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(QApplication::focusWidget(), about.okButton());
    }

    void manualHoldsTheFixedLinesCentred() {
        TAboutBox1 about(dataDir);
        const QStringList lines = manualLines(about);
        const QString stars(68, QLatin1Char('*'));
        const QStringList banner = {stars,
                                    "英語学習ソフト",
                                    "",
                                    "ぽとらん",
                                    "",
                                    "for TOEIC",
                                    "",
                                    "Ver.3.0",
                                    "",
                                    stars,
                                    "",
                                    "",
                                    "----------基本的な操作方法----------"};
        QCOMPARE(lines.mid(0, banner.size()), banner);
        const QStringList headings = {
            "<<<<<問題集の選択>>>>>", "<<<<<問題の解き方>>>>>",
            "<<<<<成績の表示>>>>>",   "<<<<<問題の再出題>>>>>",
            "<<<<<修了チェック>>>>>", "<<<<<各種ボタン>>>>>",
            "<<<<<問題表示窓>>>>>",   "----------アンインストール-----------"};
        qsizetype at = banner.size();
        for (const QString& heading : headings) {
            const qsizetype found = lines.indexOf(heading, at);
            QVERIFY2(found > at, qPrintable(heading));
            // Every section has a body.
            QVERIFY(lines.mid(at, found - at).join(QString()).size() > 20);
            at = found + 1;
        }
        for (const char* button :
             {"[←][→]", "[こたえ]", "[やめる]", "[おわる]", "[いろ]", "[じかん]", "[もじ]"}) {
            QVERIFY2(lines.contains(QString::fromUtf8(button)), button);
        }
        QCOMPARE(lines.mid(lines.size() - 3),
                 QStringList({"---------------------End of file ----------------------", "", " "}));

        // Centred, and no line wider than the field, which neither wraps nor
        // scrolls sideways.
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QFontMetrics fm(about.memo()->font());
        const int room = about.memo()->viewport()->width() - 8;
        for (QTextBlock b = about.memo()->document()->begin(); b.isValid(); b = b.next()) {
            QCOMPARE(b.blockFormat().alignment(), Qt::AlignHCenter);
            QVERIFY2(fm.horizontalAdvance(b.text()) <= room, qPrintable(b.text()));
        }
    }

    void manualIsDrawnCentredAtEveryShowing() {
        TAboutBox1 about(dataDir);
        for (int showing = 0; showing < 2; ++showing) {
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QTextEdit* memo = about.memo();
            const int middle = memo->viewport()->width() / 2;
            for (const char* text : {"ぽとらん", "for TOEIC"}) {
                const QTextBlock b = memo->document()->find(QString::fromUtf8(text)).block();
                const QRectF line = b.layout()->lineAt(0).naturalTextRect();
                QVERIFY2(std::abs(line.center().x() - middle) < 20, text);
            }
            about.hide();
        }
    }

    void scrollPositionSurvivesShowings() {
        TAboutBox1 about(dataDir);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QScrollBar* bar = about.memo()->verticalScrollBar();
        QVERIFY(bar->maximum() > 100);
        bar->setValue(100);
        about.hide();
        about.show();
        QCOMPARE(bar->value(), 100);
    }

    void missingManualShowsANotice() {
        QTemporaryDir empty;
        TAboutBox1 about(empty.path().toStdString());
        QVERIFY(about.memo()->toPlainText().contains(QStringLiteral("manual.txt")));
        QCOMPARE(execWithReturn(about), int(QDialog::Accepted));
    }

    void splashIgnoresClicksAndGoesOnce() {
        QPointer<TSplashWindow> splash = new TSplashWindow(dataDir);
        QCOMPARE(splash->size(), QSize(345, 160));
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        splash->showAndPaint();
        QVERIFY(splash->windowHandle()->isExposed());
        const QRect screen = splash->screen()->geometry();
        QCOMPARE(splash->geometry().center(), screen.center());

        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseDClick(splash, Qt::LeftButton, {}, QPoint(200, 100));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash);
        QVERIFY(splash->isVisible());

        int destroyed = 0;
        connect(splash, &QObject::destroyed, [&destroyed] { ++destroyed; });
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(splash, &deactivate);
        splash->release();
        QVERIFY(splash); // released only once the current event is handled
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!splash);
        QCOMPARE(destroyed, 1);
    }

    void missingLogoLeavesTheSplashBlank() {
        QTemporaryDir empty;
        TSplashWindow splash(empty.path().toStdString());
        splash.showAndPaint();
        QVERIFY(splash.isVisible());
    }
};

QTEST_MAIN(BoxesTest)
#include "boxes_test.moc"
