// The backdrop must look exactly like its picture stretched to the window,
// however little of the picture it keeps.

#include "backdrop_image.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QSize windowPart(798, 347);

QImage verticalGradient() {
    QImage image(640, 400, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb c = qRgb(y * 130 / 400, 16 + y * 190 / 400, 128 + y * 120 / 400);
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, c);
        }
    }
    return image;
}

QImage painted(BackdropImage& backdrop) {
    QImage out(backdrop.size(), QImage::Format_RGB32);
    out.fill(Qt::magenta);
    backdrop.render(&out, QPoint(), QRegion(), QWidget::DrawChildren);
    return out;
}

QImage stretchedWhole(const QImage& picture, QSize size) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class BackdropTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString save(const QImage& image, const char* name) {
        const QString file = dir.filePath(QString::fromLatin1(name));
        if (!image.save(file)) {
            qFatal("cannot write %s", qPrintable(file));
        }
        return file;
    }

  private slots:
    void gradientIsKeptAsOneColumnAndPaintsTheFullStretch() {
        const QImage picture = verticalGradient();
        BackdropImage backdrop(nullptr, save(picture, "gradient.png"));
        backdrop.resize(windowPart);
        QCOMPARE(backdrop.stretched().size(), QSize(1, windowPart.height()));
        QCOMPARE(painted(backdrop), stretchedWhole(picture, windowPart));
    }

    void anyOtherPictureIsStretchedWhole() {
        QImage picture = verticalGradient();
        QPainter(&picture).fillRect(300, 100, 40, 40, Qt::yellow);
        BackdropImage backdrop(nullptr, save(picture, "spot.png"));
        backdrop.resize(windowPart);
        QCOMPARE(backdrop.stretched().size(), windowPart);
        QCOMPARE(painted(backdrop), stretchedWhole(picture, windowPart));
    }

    void aNewSizeStretchesAgain() {
        const QImage picture = verticalGradient();
        BackdropImage backdrop(nullptr, save(picture, "gradient.png"));
        backdrop.resize(windowPart);
        painted(backdrop);
        // The layout for narrow screens shrinks the window.
        const QSize smaller(windowPart * 0.8);
        backdrop.resize(smaller);
        QCOMPARE(painted(backdrop), stretchedWhole(picture, smaller));
    }

    void missingPictureShowsWhatIsBehind() {
        BackdropImage backdrop(nullptr, dir.filePath(QStringLiteral("none.png")));
        backdrop.resize(windowPart);
        QVERIFY(backdrop.stretched().isNull());
        const QImage out = painted(backdrop);
        QCOMPARE(out.pixel(10, 10), QColor(Qt::magenta).rgb());
    }
};

QTEST_MAIN(BackdropTest)
#include "backdrop_test.moc"
