// Pictures are read by their suffix without waking the image-format plugins.

#include "picture_file.h"
#include "process_maps.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

bool pluginLoaded() {
    return mappedInThisProcess("/imageformats/");
}

QImage sample() {
    QImage image(73, 64, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 128));
    QPainter(&image).fillRect(10, 5, 20, 30, QColor(255, 255, 0));
    return image;
}

// Written by a child process: Qt's writers would load the plugins here.
bool writeSamples(const QString& png, const QString& bmp) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(sample().save(png, "PNG") && sample().save(bmp, "BMP") ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

class PictureFileTest : public QObject {
    Q_OBJECT

  private slots:
    void pngAndBmpReadWithoutPlugins() {
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("logo.png"));
        // The runner pictures' names end in upper-case ".BMP".
        const QString bmp = dir.filePath(QStringLiteral("01.BMP"));
        QVERIFY(writeSamples(png, bmp));
        QVERIFY(!pluginLoaded());
        QCOMPARE(readPicture(png).convertToFormat(QImage::Format_RGB32), sample());
        QCOMPARE(readPicture(bmp).convertToFormat(QImage::Format_RGB32), sample());
        QCOMPARE(readPixmap(bmp).size(), QSize(73, 64));
        // Above ratio 1 the @2x file is read where there is one; only its
        // ratio tells it here.
        QVERIFY(QFile::copy(png, dir.filePath(QStringLiteral("logo@2x.png"))));
        QCOMPARE(readPicture(png, 1.5).devicePixelRatio(), 2.0);
        QCOMPARE(readPicture(png).devicePixelRatio(), 1.0);
        QCOMPARE(readPicture(bmp, 2.0).devicePixelRatio(), 1.0);
        QCOMPARE(readPicture(bmp, 2.0).convertToFormat(QImage::Format_RGB32), sample());
        QVERIFY(!pluginLoaded());
    }

    void missingOrBrokenFileIsANullPicture() {
        QTemporaryDir dir;
        // The splash looks for logo.bmp first: its absence is no news.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QVERIFY(readPicture(dir.filePath(QStringLiteral("logo.bmp"))).isNull());
        const QString broken = dir.filePath(QStringLiteral("broken.bmp"));
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("BM not really a bitmap");
        f.close();
        QVERIFY(readPixmap(broken).isNull());
    }
};

QTEST_MAIN(PictureFileTest)
#include "picture_file_test.moc"
