// The program's fonts as a whole: Japanese text in a Latin face borrows the
// Japanese face Windows associates with it, and boxes speak in the UI font.

#include "classic_look.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

QImage drawn(const QFont& font, const QString& text) {
    QImage image(260, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(4, 30, text);
    return image;
}

} // namespace

class ClassicFontsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { classic::useClassicFonts(); }

    void latinFacesBorrowTheirAssociatedJapaneseFace() {
        // The set's instruction in the title, whose face is Times New Roman.
        const QString japanese = QStringLiteral("次の空欄に適語を入れなさい");
        const QImage serif = drawn(classic::font(QStringLiteral("Times New Roman"), 21), japanese);
        QCOMPARE(serif, drawn(classic::font(QStringLiteral("ＭＳ Ｐ明朝"), 21), japanese));
        QVERIFY(serif != drawn(classic::font(QStringLiteral("ＭＳ 明朝"), 21), japanese));
        QCOMPARE(drawn(classic::font(QStringLiteral("Arial"), 15), japanese),
                 drawn(classic::font(QStringLiteral("ＭＳ Ｐゴシック"), 15), japanese));
        // Latin letters keep the Latin face.
        QVERIFY(drawn(classic::font(QStringLiteral("Times New Roman"), 21), QStringLiteral("Ag")) !=
                drawn(classic::font(QStringLiteral("ＭＳ Ｐ明朝"), 21), QStringLiteral("Ag")));
    }

    void boxesUseTheUiFontWithTheFontsOwnHinting() {
        const QFont f = QApplication::font();
        QCOMPARE(f.family(), classic::uiFont().family());
        QCOMPARE(f.pixelSize(), 12);
        QCOMPARE(f.hintingPreference(), QFont::PreferFullHinting);
        // Fonts made later inherit the hinting.
        QCOMPARE(
            QFont(classic::font(QStringLiteral("ＭＳ Ｐ明朝"), 30)).resolve(f).hintingPreference(),
            QFont::PreferFullHinting);
    }
};

QTEST_MAIN(ClassicFontsTest)
#include "classic_fonts_test.moc"
