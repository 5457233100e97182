#include "widgets/xp/XP_Unit.h"

#include <QImage>
#include <QSet>
#include <QTest>

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void iconIsSixteenColours();
    void menuIconsAtEverySize_data();
    void menuIconsAtEverySize();
    void skinSizes_data();
    void skinSizes();
    void captionButtonsAreMagentaAroundFaces();
    void buttonLooksDiffer();
    void handCursorIsTwoColours();
};

void TestArtwork::iconIsSixteenColours()
{
    Q_INIT_RESOURCE(resources);
    const QImage icon(QStringLiteral(":/numora-icon.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    QVERIFY(colours.size() <= 16);
}

void TestArtwork::menuIconsAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void TestArtwork::menuIconsAtEverySize()
{
    QFETCH(int, size);
    Q_INIT_RESOURCE(resources);
    const QImage icon(QStringLiteral(NUMORA_SOURCE_DIR "/packaging/icons/%1x%1/example.numora.Numora.png").arg(size));
    QCOMPARE(icon.size(), QSize(size, size));
    // Whole multiples are the window's icon in squares, pixel for pixel.
    if (size % 32 == 0) {
        const QImage window = QImage(QStringLiteral(":/numora-icon.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(icon.scaled(32, 32).convertToFormat(QImage::Format_RGB32), window);
    }
}

void TestArtwork::skinSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("caption") << "XPFORM_CAPTION" << QSize(60, 58);
    QTest::newRow("left") << "XPFORM_LEFT" << QSize(6, 63);
    QTest::newRow("right") << "XPFORM_RIGHT" << QSize(6, 63);
    QTest::newRow("bottom") << "XPFORM_BOTTOM" << QSize(43, 6);
    for (const char *name : {"XPFORM_CLOSE", "XPFORM_MAX", "XPFORM_RESTORE", "XPFORM_MIN", "XPFORM_HELP"})
        QTest::newRow(name) << name << QSize(46, 16);
    QTest::newRow("button") << "XPBUTTON" << QSize(90, 21);
    QTest::newRow("hand") << "XPHANDCUR" << QSize(32, 32);
}

void TestArtwork::skinSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(skinImage(name.toLatin1()).size(), size);
}

void TestArtwork::captionButtonsAreMagentaAroundFaces()
{
    const QRgb magenta = qRgb(255, 0, 255);
    for (const char *name : {"XPFORM_CLOSE", "XPFORM_MAX", "XPFORM_RESTORE", "XPFORM_MIN", "XPFORM_HELP"}) {
        const QImage strip = skinImage(name);
        QVector<QImage> frames;
        for (int n = 1; n <= 3; ++n) {
            const QImage frame = GetStripFrame(strip, 3, n, true);
            QCOMPARE(frame.pixel(0, 0), magenta);   // rounded corner
            QVERIFY(frame.pixel(7, 8) != magenta); // face
            frames.append(frame);
        }
        QVERIFY(frames[0] != frames[1] && frames[0] != frames[2] && frames[1] != frames[2]);
        QCOMPARE(strip.pixel(45, 8), magenta); // the spare column
    }
}

void TestArtwork::buttonLooksDiffer()
{
    const QImage strip = skinImage("XPBUTTON");
    QSet<QRgb> outlines;
    for (int n = 1; n <= 5; ++n) {
        const QImage frame = GetStripFrame(strip, 5, n, true);
        QCOMPARE(frame.pixel(0, 0), qRgb(236, 233, 216));
        for (int m = 1; m < n; ++m)
            QVERIFY(frame != GetStripFrame(strip, 5, m, true));
        outlines.insert(frame.pixel(0, 10));
    }
    QCOMPARE(outlines, (QSet<QRgb>{qRgb(0, 60, 116), qRgb(201, 199, 186)}));
}

void TestArtwork::handCursorIsTwoColours()
{
    const QImage hand = skinImage("XPHANDCUR");
    QSet<QRgb> colours;
    for (int y = 0; y < hand.height(); ++y)
        for (int x = 0; x < hand.width(); ++x)
            colours.insert(hand.pixel(x, y));
    QCOMPARE(colours, (QSet<QRgb>{qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    QVERIFY(qAlpha(hand.pixel(7, 1)) == 255); // the hot spot lies on the fingertip
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
