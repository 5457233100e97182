#include "widgets/flat/FlatUtilitys.h"
#include "widgets/flat/HSLUtils.h"
#include "widgets/flat/TFlatButtonUnit.h"
#include "widgets/flat/TFlatListBoxUnit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

class TestFlatUtils : public QObject
{
    Q_OBJECT

private slots:
    void buttonLook_data();
    void buttonLook();
    void listGeometry_data();
    void listGeometry();
    void listScrolling_data();
    void listScrolling();
    void greyHasNoHue();
    void scaledRoundTrip();
    void shiftLightness_data();
    void shiftLightness();
    void bevelRings();
    void layout_data();
    void layout();
    void disabledGlyph();
};

void TestFlatUtils::greyHasNoHue()
{
    const HslColor grey = ColorToHsl(QColor(128, 128, 128));
    QCOMPARE(grey.H, 0.0);
    QCOMPARE(grey.S, 0.0);
    QCOMPARE(HslToColor({0.3, 0, 0.5}), QColor(128, 128, 128)); // 127.5: the half goes to even
    QCOMPARE(ColorToHslScaled(QColor(255, 0, 0)), (HslScaled{0, 240, 120}));
}

void TestFlatUtils::scaledRoundTrip()
{
    for (const QColor colour : {QColor(235, 234, 225), QColor(160, 150, 131), QColor(247, 222, 156)}) {
        const QColor back = HslScaledToColor(ColorToHslScaled(colour));
        QVERIFY2(qAbs(back.red() - colour.red()) <= 1 && qAbs(back.green() - colour.green()) <= 1
                     && qAbs(back.blue() - colour.blue()) <= 1,
                 qPrintable(colour.name() + " came back as " + back.name()));
    }
}

void TestFlatUtils::shiftLightness_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("lighten");
    QTest::addColumn<int>("lightness"); // on the 240 scale, -1: the fallback
    QTest::newRow("0 percent: the fallback") << QColor(10, 20, 30) << 0 << true << -1;
    QTest::newRow("lightened past 100") << QColor(255, 255, 255) << 10 << true << 100;
    QTest::newRow("darkened below 0") << QColor(20, 20, 20) << 50 << false << 0;
    QTest::newRow("darkened") << QColor(236, 233, 216) << 50 << false << 172;
}

void TestFlatUtils::shiftLightness()
{
    QFETCH(QColor, base);
    QFETCH(int, percent);
    QFETCH(bool, lighten);
    QFETCH(int, lightness);
    const QColor fallback(1, 2, 3);
    const QColor shifted = ShiftLightness(base, fallback, percent,
                                          lighten ? LightnessShift::Lighten : LightnessShift::Darken);
    if (lightness < 0)
        QCOMPARE(shifted, fallback);
    else
        QVERIFY(qAbs(ColorToHslScaled(shifted).L - lightness) <= 1);
}

void TestFlatUtils::bevelRings()
{
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const TRect inside = DrawBevel(painter, TRect{0, 0, 6, 6}, Qt::red, Qt::blue, 2);
    painter.end();
    QCOMPARE(inside, (TRect{2, 2, 4, 4}));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(image.pixelColor(4, 0), QColor(Qt::red));
    QCOMPARE(image.pixelColor(5, 0), QColor(Qt::blue)); // top-right corner
    QCOMPARE(image.pixelColor(0, 5), QColor(Qt::blue)); // bottom-left corner
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::red));  // second ring
    QCOMPARE(image.pixelColor(4, 4), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
}

void TestFlatUtils::layout_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("glyph");
    QTest::addColumn<int>("layout");
    QTest::newRow("caption alone, centred") << "Ab" << QSize() << int(TButtonLayout::blGlyphTop);
    QTest::newRow("glyph alone, centred") << "" << QSize(16, 16) << int(TButtonLayout::blGlyphLeft);
    QTest::newRow("glyph left of caption") << "Ab" << QSize(16, 16) << int(TButtonLayout::blGlyphLeft);
}

void TestFlatUtils::layout()
{
    QFETCH(QString, caption);
    QFETCH(QSize, glyph);
    QFETCH(int, layout);
    const QFontMetrics metrics{QFont()};
    const QRect client(10, 20, 100, 30);
    const QPoint press(1, 1);
    const GlyphAndCaption placed =
        LayoutGlyphAndCaption(metrics, client, press, caption, glyph, -1, 4, TButtonLayout(layout));
    // Centred: the gaps on both sides differ by the odd pixel at most, which goes before.
    const auto centred = [&](int start, int length, int clientStart, int clientLength) {
        const int before = start - (clientStart + 1);
        const int after = clientStart + 1 + clientLength - (start + length);
        return before - after == 0 || before - after == 1;
    };
    const QRect text = placed.caption;
    if (layout == int(TButtonLayout::blGlyphTop)) {
        QVERIFY(centred(text.left(), text.width(), client.left(), client.width()));
        QVERIFY(centred(text.top(), text.height(), client.top(), client.height()));
        return;
    }
    // Side by side: the pair is centred, with the spacing only between both.
    const int pair = caption.isEmpty() ? 16 : 16 + 4 + text.width();
    QVERIFY(centred(placed.glyph.x(), pair, client.left(), client.width()));
    QVERIFY(centred(placed.glyph.y(), 16, client.top(), client.height()));
    if (!caption.isEmpty())
        QCOMPARE(text.left(), placed.glyph.x() + 16 + 4);
}

void TestFlatUtils::disabledGlyph()
{
    QImage glyph(3, 2, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    glyph.setPixel(0, 0, qRgb(0, 0, 0));
    const QImage flat = MakeDisabledGlyph(glyph, Qt::black, Qt::gray, true, Qt::white, Qt::darkGray);
    QCOMPARE(flat.pixelColor(0, 0), QColor(Qt::darkGray));
    QCOMPARE(flat.pixelColor(1, 1), QColor(Qt::white)); // the highlight, down and right
    QCOMPARE(flat.pixelColor(2, 0), QColor(Qt::gray));
}

// Worked by hand: rows 2 pixels apart, 3 from the frame, 11-pixel bars.
void TestFlatUtils::listGeometry_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("itemHeight");
    QTest::addColumn<bool>("bars");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("snapped");
    QTest::addColumn<int>("secondRowTop");
    QTest::newRow("default list") << 99 << 17 << false << 5 << 99 << 22;
    QTest::newRow("with bars") << 120 << 13 << true << 6 << 114 << 28;
    QTest::newRow("less than a row") << 10 << 17 << false << 0 << 4 << 22;
}

void TestFlatUtils::listGeometry()
{
    QFETCH(int, height);
    QFETCH(int, itemHeight);
    QFETCH(bool, bars);
    QFETCH(int, rows);
    QFETCH(int, snapped);
    QFETCH(int, secondRowTop);
    QCOMPARE(FlatList::visibleRows(height, itemHeight, bars), rows);
    QCOMPARE(FlatList::snappedHeight(height, itemHeight, bars), snapped);
    const QRect second = FlatList::rowRect(1, 137, itemHeight, bars);
    QCOMPARE(second, QRect(3, secondRowTop, 131, itemHeight));
    QCOMPARE(FlatList::rowAt(second.topLeft(), 137, rows, itemHeight, bars), rows > 1 ? 1 : -1);
    QCOMPARE(FlatList::rowAt(second.topLeft() - QPoint(0, 1), 137, rows, itemHeight, bars), -1); // the gap
    QCOMPARE(FlatList::rowAt(QPoint(2, second.top()), 137, rows, itemHeight, bars), -1);       // the inset
    QCOMPARE(FlatList::barAt(QPoint(5, 10), height, bars), bars ? FlatList::Bar::Up : FlatList::Bar::None);
    QCOMPARE(FlatList::barAt(QPoint(5, height - 11), height, bars), bars ? FlatList::Bar::Down : FlatList::Bar::None);
    QCOMPARE(FlatList::barAt(QPoint(5, height - 12), height, bars), FlatList::Bar::None);
}

void TestFlatUtils::listScrolling_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("result");
    // Five rows in sight.
    QTest::newRow("up past the first") << "up 3" << 2 << 10 << 0;
    QTest::newRow("step with a row left below") << "step" << 4 << 10 << 5;
    QTest::newRow("step at the end") << "step" << 5 << 10 << 5;
    QTest::newRow("step keeps a top beyond a shrunk list") << "step" << 8 << 10 << 8;
    QTest::newRow("page with a page left") << "page" << 0 << 12 << 5;
    QTest::newRow("page to the last full page") << "page" << 5 << 12 << 7;
    QTest::newRow("page in a short list") << "page" << 0 << 2 << 0;
}

void TestFlatUtils::listScrolling()
{
    QFETCH(QString, move);
    QFETCH(int, top);
    QFETCH(int, count);
    QFETCH(int, result);
    constexpr int visible = 5;
    const int moved = move == "step" ? FlatList::steppedDown(top, count, visible)
                      : move == "page" ? FlatList::pagedDown(top, visible, count, visible)
                                       : FlatList::scrolledUp(top, 3);
    QCOMPARE(moved, result);
}

void TestFlatUtils::buttonLook_data()
{
    using S = FlatButtonState;
    using F = FlatButtonLook::Fill;
    using E = FlatButtonLook::Edge;
    QTest::addColumn<S>("stored");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<F>("fill");
    QTest::addColumn<E>("edge");
    QTest::newRow("up") << S::Up << true << false << false << F::Face << E::Border;
    QTest::newRow("up, default") << S::Up << true << false << true << F::Face << E::DefaultBorder;
    QTest::newRow("up under the pointer, default") << S::Up << true << true << true << F::Focused << E::Raised;
    QTest::newRow("down under the pointer") << S::Down << true << true << false << F::Down << E::Sunken;
    QTest::newRow("latched under the pointer") << S::Exclusive << true << true << false << F::Focused << E::Sunken;
    QTest::newRow("disabled shows no pointer") << S::Up << false << true << true << F::Face << E::Border;
    QTest::newRow("enabled again, not latched") << S::Disabled << true << false << false << F::Face << E::Border;
}

void TestFlatUtils::buttonLook()
{
    QFETCH(FlatButtonState, stored);
    QFETCH(bool, enabled);
    QFETCH(bool, hovered);
    QFETCH(bool, isDefault);
    QFETCH(FlatButtonLook::Fill, fill);
    QFETCH(FlatButtonLook::Edge, edge);
    const FlatButtonLook look = flatButtonLook(effectiveFlatState(stored, enabled, false, 0), hovered, isDefault);
    QCOMPARE(look.fill, fill);
    QCOMPARE(look.edge, edge);
    QCOMPARE(look.pressed, edge == FlatButtonLook::Edge::Sunken);
}

QTEST_MAIN(TestFlatUtils)
#include "tst_flatutils.moc"
