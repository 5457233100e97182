// The window at twice the size (QT_SCALE_FACTOR=2, set by the test): skins
// are doubled pixel for pixel, never blurred, and texts keep their boxes.
#include "support/FormFixture.h"
#include "widgets/xp/XP_Button.h"

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void skinsDoublePixelForPixel_data();
    void skinsDoublePixelForPixel();
    void textsKeepTheirBoxes();
    void captionsDrawnInScreenPixels_data();
    void captionsDrawnInScreenPixels();

private:
    // Where a 2 x 2 block of the doubled image is not one colour, or none.
    static QString blurredBlock(const QImage &image, const QRect &logical)
    {
        for (int y = logical.top(); y <= logical.bottom(); ++y) {
            for (int x = logical.left(); x <= logical.right(); ++x) {
                const QRgb first = image.pixel(2 * x, 2 * y);
                if (image.pixel(2 * x + 1, 2 * y) != first || image.pixel(2 * x, 2 * y + 1) != first
                    || image.pixel(2 * x + 1, 2 * y + 1) != first)
                    return QStringLiteral("(%1, %2)").arg(x).arg(y);
            }
        }
        return QString();
    }
};

void TestHiDpi::skinsDoublePixelForPixel_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("ring"); // in the control's own coordinates; empty: all of it
    QTest::newRow("frame's left edge") << "XP_Form1" << QRect(0, 30, 3, 360);
    QTest::newRow("frame's caption start") << "XP_Form1" << QRect(0, 0, 8, 29);
    QTest::newRow("push button's top edge") << "FlatButton1" << QRect(0, 0, 75, 3);
    QTest::newRow("push button's left edge") << "FlatButton1" << QRect(0, 0, 3, 24);
}

void TestHiDpi::skinsDoublePixelForPixel()
{
    QFETCH(QString, control);
    QFETCH(QRect, ring);
    FormFixture fixture;
    QVERIFY(fixture.show());
    QCOMPARE(fixture.form->devicePixelRatio(), 2.0);
    auto *widget = control == "XP_Form1" ? static_cast<QWidget *>(fixture.form.get())
                                         : fixture.form->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QImage image = widget->grab().toImage();
    QCOMPARE(image.size(), widget->size() * 2);
    const QString blurred = blurredBlock(image, ring);
    QVERIFY2(blurred.isEmpty(), qPrintable("blurred at " + blurred));
    // The skin is there, not a plain fill: the edge has more than one colour.
    QSet<QRgb> colours;
    for (int y = ring.top(); y <= ring.bottom(); ++y)
        for (int x = ring.left(); x <= ring.right(); ++x)
            colours.insert(image.pixel(2 * x, 2 * y));
    QVERIFY(colours.size() > 1);
}

void TestHiDpi::textsKeepTheirBoxes()
{
    FormFixture fixture;
    QVERIFY(fixture.show());
    const TForm1 &f = *fixture.form;
    QCOMPARE(f.FlatButton1->size(), QSize(75, 24));
    // The title sizes itself to its text, whose height rounds up at twice the size.
    const QWidget *title = f.findChild<QWidget *>("antLabel1");
    QCOMPARE(title->width(), 117);
    QVERIFY(title->height() >= QFontMetrics(title->font()).height());
    const QFontMetrics metrics(f.FlatButton1->font());
    QVERIFY(metrics.horizontalAdvance(f.FlatButton1->text()) < f.FlatButton1->width());
}

void TestHiDpi::captionsDrawnInScreenPixels_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("caption"); // empty: all of the control
    QTest::newRow("push button") << "FlatButton1" << QRect();
    QTest::newRow("link") << "XP_Url1" << QRect();
    QTest::newRow("group box") << "FlatGroupBox1" << QRect(0, 0, 120, 12); // above its children
    QTest::newRow("flat button") << "FlatButton5" << QRect();
}

void TestHiDpi::captionsDrawnInScreenPixels()
{
    // A caption drawn at the logical size and stretched comes out in 2 x 2
    // blocks here, and blurred at 1.25 or 1.75; drawn in the screen's own
    // pixels, its strokes' edges fall inside blocks.
    QFETCH(QString, control);
    QFETCH(QRect, caption);
    FormFixture fixture;
    QVERIFY(fixture.show());
    auto *widget = fixture.form->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QImage image = widget->grab().toImage();
    QCOMPARE(image.size(), widget->size() * 2);
    QVERIFY2(!blurredBlock(image, caption.isEmpty() ? widget->rect() : caption).isEmpty(),
             "the caption is stretched from the logical size");
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
