// The shadow label painted into images and read pixel by pixel: gradations,
// vertical layout, character colouring on CP932 bytes, disabled colours, and
// which property changes repaint.

#include "cp932.h"
#include "cp932_text.h"
#include "draw_text.h"
#include "t_shadow_label.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMap>
#include <QTest>

#include <stdexcept>

namespace {

QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

QColor rgbOf(Colour c) {
    const Colour r = resolveColour(c);
    return QColor(redOf(r), greenOf(r), blueOf(r));
}

// A font of the wanted line height, so layout cases need no glyph guessing.
QFont fontOfHeight(int height) {
    QFont f(QStringLiteral("IPAPGothic"));
    for (int px = 4; px < 60; ++px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).height() == height) {
            return f;
        }
    }
    return QFont();
}

// Large, aliased text: every glyph pixel is exactly the pen colour.
QFont plainFont() {
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(40);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// A label whose only drawing is the main text on a white ground.
void bareText(TShadowLabel& label, const QString& caption) {
    label.setAutoSize(false);
    label.setFont(plainFont());
    label.setGeometry(0, 0, 400, 60);
    label.setColor(colours::White);
    label.shadow().setVisible(false);
    label.highlight().setVisible(false);
    label.setCaption(caption);
}

// The colour most of the non-background pixels of each character take, the
// characters laid out from x = 0 with their own advances.
QList<QColor> characterColours(const TShadowLabel& label, const QStringList& characters) {
    const QImage image = label.paintToImage();
    const QFontMetrics fm(label.font());
    QList<QColor> result;
    int x = 0;
    for (const QString& c : characters) {
        const int right = x + fm.horizontalAdvance(c);
        QMap<QRgb, int> counts;
        for (int px = x; px < right; ++px) {
            for (int py = 0; py < image.height(); ++py) {
                const QRgb p = image.pixel(px, py);
                if (p != qRgb(255, 255, 255)) {
                    ++counts[p];
                }
            }
        }
        QRgb best = 0;
        int most = 0;
        for (auto it = counts.begin(); it != counts.end(); ++it) {
            if (it.value() > most) {
                most = it.value();
                best = it.key();
            }
        }
        result << QColor(best);
        x = right;
    }
    return result;
}

class CountingLabel : public TShadowLabel {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TShadowLabel::paintEvent(event);
    }
};

class NotAShadow : public Persistent {
  public:
    const char* className() const override { return "TFont"; }
};

} // namespace

class ShadowLabelTest : public QObject {
    Q_OBJECT

  private slots:
    void shadowSettingsAnnounceChangesAndAssignOnlyFromShadows() {
        TShadow shadow;
        QCOMPARE(shadow.visible(), true);
        QCOMPARE(shadow.color(), colours::Silver);
        QCOMPARE(shadow.offsetLeft(), 1);
        QCOMPARE(shadow.offsetTop(), 1);
        int changes = 0;
        shadow.setOnChange([&] { ++changes; });
        shadow.setColor(colours::Silver);
        shadow.setOffsetLeft(1);
        QCOMPARE(changes, 0);
        shadow.setColor(colours::Navy);
        shadow.setOffsetTop(-2);
        shadow.setVisible(false);
        QCOMPARE(changes, 3);

        TShadow source;
        source.setOffsetLeft(5);
        shadow.assign(source);
        QCOMPARE(changes, 4);
        QCOMPARE(shadow.visible(), true);
        QCOMPARE(shadow.color(), colours::Silver);
        QCOMPARE(shadow.offsetLeft(), 5);
        QCOMPARE(shadow.offsetTop(), 1);
        shadow.assign(source); // nothing differs, still announced once
        QCOMPARE(changes, 5);

        try {
            shadow.assign(NotAShadow());
            QFAIL("assignment from another kind was accepted");
        } catch (const std::invalid_argument& e) {
            QVERIFY(QString::fromLatin1(e.what()).startsWith(QStringLiteral("Cannot assign")));
        }
        QCOMPARE(shadow.offsetLeft(), 5);
        QCOMPARE(changes, 5);
    }

    void gradationRunsFromStartColourToLabelColour() {
        // The footer of the main window: 18 pixels high.
        const Colour start = 16702650;
        const Colour end = 7415561;
        for (bool flickerless : {true, false}) {
            TShadowLabel label;
            label.setAutoSize(false);
            label.setGeometry(0, 0, 799, 18);
            label.setColor(end);
            label.setGradation(true);
            label.setGradateVert(true);
            label.setGradationColor(start);
            label.setFlickerless(flickerless);
            label.shadow().setVisible(false);
            label.highlight().setVisible(false);
            const QImage image = label.paintToImage();
            QCOMPARE(pixel(image, 0, 0), rgbOf(start));
            QCOMPARE(pixel(image, 798, 0), rgbOf(start));
            QCOMPARE(pixel(image, 400, 17), rgbOf(end));
            // Row 9 of 0..17: t = 9/17, every channel truncated.
            const QColor mid = pixel(image, 700, 9);
            QCOMPARE(mid.red(), int(186 + (9 - 186) * (9.0 / 17)));
            QCOMPARE(mid.blue(), int(254 + (113 - 254) * (9.0 / 17)));

            label.setGradateVert(false);
            const QImage across = label.paintToImage();
            QCOMPARE(pixel(across, 0, 10), rgbOf(start));
            QCOMPARE(pixel(across, 798, 3), rgbOf(end));
            QCOMPARE(pixel(across, 400, 0), pixel(across, 400, 17));
        }
        // A one-pixel extent has no step: it takes the start colour.
        TShadowLabel thin;
        thin.setAutoSize(false);
        thin.setGeometry(0, 0, 30, 1);
        thin.setGradation(true);
        thin.setGradateVert(true);
        thin.setGradationColor(colours::Red);
        thin.setColor(colours::Blue);
        QCOMPARE(pixel(thin.paintToImage(), 10, 0), QColor(255, 0, 0));
    }

    void centreLayoutTruncatesTowardZero() {
        QCOMPARE(TShadowLabel::layoutShift(TShadowLabel::tlCenter, 18, 13), 2);
        QCOMPARE(TShadowLabel::layoutShift(TShadowLabel::tlCenter, 18, 21), -1);
        QCOMPARE(TShadowLabel::layoutShift(TShadowLabel::tlBottom, 18, 21), -3);
        QCOMPARE(TShadowLabel::layoutShift(TShadowLabel::tlTop, 18, 21), 0);

        for (auto [height, shift] : {std::pair{13, 2}, std::pair{21, -1}}) {
            const QFont font = fontOfHeight(height);
            QVERIFY2(QFontMetrics(font).height() == height, "no font of that height");
            TShadowLabel label;
            label.setAutoSize(false);
            label.setGeometry(0, 0, 120, 18);
            label.setFont(font);
            label.setColor(colours::White);
            label.setFontColor(colours::Black);
            label.setCaption(QStringLiteral("Egypt"));
            QCOMPARE(label.textHeight(), height);
            const QImage top = label.paintToImage();
            label.setLayout(TShadowLabel::tlCenter);
            QCOMPARE(label.layoutShift(), shift);
            const QImage centred = label.paintToImage();
            // The whole drawing moved by `shift` rows.
            for (int y = 0; y < 18; ++y) {
                const int from = y - shift;
                if (from < 0 || from >= 18) {
                    continue;
                }
                for (int x = 0; x < 120; ++x) {
                    if (centred.pixel(x, y) != top.pixel(x, from)) {
                        QFAIL(qPrintable(
                            QStringLiteral("row %1 is not row %2 moved").arg(y).arg(from)));
                    }
                }
            }
            QVERIFY(centred != top);
        }
    }

    void threeColourGradationSplitsOnCharacters() {
        const Colour font = rgb(255, 0, 0);
        const Colour mid = rgb(0, 0, 255);
        const Colour end = rgb(0, 160, 0);
        TShadowLabel label;
        bareText(label, QString());
        label.setFontColor(font);
        label.setTextMidColor(mid);
        label.setTextGradationColor(end);
        label.setTextGradation(TShadowLabel::tg3Colors);

        struct Case {
            QStringList characters;
            QList<Colour> colours;
        };
        const QList<Case> cases = {
            {{"a", "b", "c"}, {font, mid, end}},
            {{"a", "b", "c", "d"}, {font, mid, mid, end}},
            // 4 bytes: the split at 2 would cut 漢, so it moves to 3 and the
            // last character stands alone in the end colour.
            {{"a", "漢", "b"}, {font, mid, end}},
            // ぁ is 82 9F: its trail byte lies in the lead-byte range, yet the
            // split at 3 falls between characters and stays there.
            {{"a", "ぁ", "ぁ", "c"}, {font, mid, mid, end}},
            // Two characters: one run from the font colour to the end colour.
            {{"a", "b"}, {font, end}},
        };
        for (const Case& c : cases) {
            label.setCaption(c.characters.join(QString()));
            const QList<QColor> got = characterColours(label, c.characters);
            for (int i = 0; i < c.colours.size(); ++i) {
                QVERIFY2(got[i] == rgbOf(c.colours[i]),
                         qPrintable(label.caption() + QStringLiteral(" character %1").arg(i)));
            }
        }

        label.setTextGradation(TShadowLabel::tg2Colors);
        label.setCaption(QStringLiteral("abc"));
        const QList<QColor> two = characterColours(label, {"a", "b", "c"});
        QCOMPARE(two[0], rgbOf(font));
        QCOMPARE(two[1], QColor(127, 80, 0));
        QCOMPARE(two[2], rgbOf(end));

        label.setTextGradation(TShadowLabel::tgNone);
        QCOMPARE(characterColours(label, {"a", "b", "c"}),
                 QList<QColor>({rgbOf(font), rgbOf(font), rgbOf(font)}));
    }

    void charactersAreCountedOnBytes() {
        using namespace cp932text;
        const std::string mixed = cp932::sj("a漢b");
        QCOMPARE(characterCount(mixed), 3);
        QCOMPARE(gradationSplit(mixed), std::size_t(3));
        QCOMPARE(gradationSplit(cp932::sj("aぁぁc")), std::size_t(3));
        QCOMPARE(gradationSplit(cp932::sj("ぁぁぁ")), std::size_t(4));
        // A lead byte at the very end counts as a character of its own.
        QCOMPARE(characterCount(std::string("ab\x82", 3)), 3);
        const Cp932Text text(QStringLiteral("a漢b"));
        QCOMPARE(text.display(0, 3), QStringLiteral("a漢"));
        QCOMPARE(text.display(3, 4), QStringLiteral("b"));
        // A character CP932 cannot hold is one two-byte character.
        const Cp932Text foreign(QStringLiteral("x\u00E9y"));
        QCOMPARE(foreign.bytes().size(), std::size_t(4));
        QCOMPARE(foreign.display(1, 3), QStringLiteral("\u00E9"));
    }

    void disabledLabelDrawsInDisabledColours() {
        TShadowLabel label;
        label.setAutoSize(false);
        label.setFont(plainFont());
        label.setGeometry(0, 0, 200, 60);
        label.setColor(colours::Navy);
        label.setFontColor(colours::Red);
        label.shadow().setColor(colours::Yellow);
        label.highlight().setColor(colours::Aqua);
        label.setCaption(QStringLiteral("HM"));
        label.setEnabled(false);
        const QImage image = label.paintToImage();
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                seen.insert(image.pixel(x, y));
            }
        }
        QVERIFY(seen.contains(qRgb(128, 128, 128))); // text and shadow
        QVERIFY(seen.contains(qRgb(255, 255, 255))); // highlight
        QVERIFY(!seen.contains(qRgb(255, 0, 0)));
        QVERIFY(!seen.contains(qRgb(255, 255, 0)));
        QVERIFY(!seen.contains(qRgb(0, 255, 255)));

        label.setEnabled(true);
        const QImage enabled = label.paintToImage();
        QCOMPARE(enabled.pixelColor(0, 0), QColor(0, 0, 128));
        bool red = false;
        for (int y = 0; y < 60 && !red; ++y) {
            for (int x = 0; x < 200 && !red; ++x) {
                red = enabled.pixel(x, y) == qRgb(255, 0, 0);
            }
        }
        QVERIFY(red);
    }

    void emptyCaptionMeasuresOneLine() {
        TShadowLabel label;
        label.setAutoSize(false);
        label.setFont(fontOfHeight(13));
        label.setGeometry(0, 0, 50, 18);
        label.setColor(colours::Purple);
        label.setLayout(TShadowLabel::tlBottom);
        QCOMPARE(label.textHeight(), 13);
        QCOMPARE(label.layoutShift(), 5);
        const QImage image = label.paintToImage();
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 50; ++x) {
                QCOMPARE(image.pixel(x, y), qRgb(128, 0, 128));
            }
        }
        label.setCaption(QStringLiteral("&"));
        QCOMPARE(label.textHeight(), 13);
        label.setCaption(QStringLiteral("one\ntwo"));
        QCOMPARE(label.textHeight(), 26);

        // At ratio 2 the text is drawn at 2x, not drawn at 1x and stretched:
        // some pixel differs from its neighbour within a 2x2 block.
        label.setCaption(QStringLiteral("Wo"));
        const QImage sharp = label.paintToImage(2.0);
        QCOMPARE(sharp.size(), QSize(100, 36));
        bool finer = false;
        for (int y = 0; y < 36; y += 2) {
            for (int x = 0; x < 100; x += 2) {
                finer = finer || sharp.pixel(x, y) != sharp.pixel(x + 1, y) ||
                        sharp.pixel(x, y) != sharp.pixel(x, y + 1);
            }
        }
        QVERIFY(finer);
    }

    void onlyChangesThatShowRepaint() {
        CountingLabel label;
        label.setAutoSize(false);
        label.resize(100, 20);
        label.setCaption(QStringLiteral("abc"));
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QTRY_VERIFY(label.paints > 0);
        auto paintsAfter = [&label](auto change) {
            QCoreApplication::processEvents();
            label.paints = 0;
            change();
            QCoreApplication::processEvents();
            return label.paints;
        };
        label.setTextGradation(TShadowLabel::tg2Colors);
        QCOMPARE(paintsAfter([&] { label.setTextMidColor(colours::Red); }), 0);
        QCOMPARE(paintsAfter([&] { label.setTextGradationColor(colours::Red); }), 1);
        QCOMPARE(paintsAfter([&] { label.setFlickerless(false); }), 0);
        QCOMPARE(paintsAfter([&] { label.setCaption(QStringLiteral("abc")); }), 0);
        QCOMPARE(paintsAfter([&] { label.setColor(colours::BtnFace); }), 0);
        QCOMPARE(paintsAfter([&] { label.setHighlight(nullptr); }), 0);
        QCOMPARE(paintsAfter([&] { label.shadow().setOffsetLeft(3); }), 1);
        TShadow other;
        other.setColor(colours::Red);
        QCOMPARE(paintsAfter([&] { label.setHighlight(&other); }), 1);
        QCOMPARE(label.highlight().color(), colours::Red);
        QCOMPARE(label.highlight().offsetLeft(), 1);
        label.setTextGradation(TShadowLabel::tg3Colors);
        QCOMPARE(paintsAfter([&] { label.setTextMidColor(colours::Blue); }), 1);
        label.setTextGradation(TShadowLabel::tgNone);
        QCOMPARE(paintsAfter([&] { label.setTextGradationColor(colours::Blue); }), 0);
        QCOMPARE(paintsAfter([&] { label.setCaption(QStringLiteral("xyz")); }), 1);
    }

    void ellipsisAndAutoSize() {
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPixelSize(14);
        const QFontMetrics fm(font);
        using namespace drawtext;
        const QString end =
            shortened(QStringLiteral("a long caption that does not fit"), EndEllipsis, fm, 80);
        QVERIFY(end.endsWith(QStringLiteral("...")));
        QVERIFY(fm.horizontalAdvance(end) <= 80);
        const QString path =
            shortened(QStringLiteral("C:\\Potoran\\UserFile\\lesson.txt"), PathEllipsis, fm, 110);
        QVERIFY(path.endsWith(QStringLiteral("...\\lesson.txt")));
        QVERIFY(path.startsWith(QStringLiteral("C")));
        QCOMPARE(shortened(QStringLiteral("fits"), EndEllipsis, fm, 80), QStringLiteral("fits"));
        QVERIFY(qtFlags(Right | NoPrefix) & Qt::AlignRight);
        QVERIFY(!(qtFlags(NoPrefix) & Qt::TextShowMnemonic));
        QVERIFY(qtFlags(Left) & Qt::TextShowMnemonic);

        // Auto size follows the text; a right-aligned label keeps its right edge.
        TShadowLabel label;
        label.setFont(font);
        label.setGeometry(200, 10, 300, 40);
        label.setAlignment(TShadowLabel::taRightJustify);
        label.setCaption(QStringLiteral("Version 3.0"));
        QCOMPARE(label.width(), fm.horizontalAdvance(QStringLiteral("Version 3.0")));
        QCOMPARE(label.height(), label.textHeight());
        QVERIFY(label.height() >= fm.height());
        QCOMPARE(label.x() + label.width(), 500);
    }
};

QTEST_MAIN(ShadowLabelTest)
#include "shadow_label_test.moc"
