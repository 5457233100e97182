#include "widgets/xp/XP_Unit.h"

#include <QPainter>
#include <QTest>

namespace {

// A source whose pixel (x, y) is (x, y, 0) shows where a copied pixel came from.
QImage codedImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 0));
    return image;
}

QImage stretched(const QImage &skin, QSize size)
{
    QImage target(size, QImage::Format_ARGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    StretchSkin(skin, painter, TRect{0, 0, size.width(), size.height()});
    return target;
}

// The first target pixel whose source differs from sourceOf(x, y).
QString firstMiss(const QImage &image, const std::function<QPoint(int, int)> &sourceOf)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPoint from = sourceOf(x, y);
            if (image.pixel(x, y) != qRgb(from.x(), from.y(), 0))
                return QStringLiteral("(%1, %2) came from (%3, %4)")
                    .arg(x).arg(y).arg(qRed(image.pixel(x, y))).arg(qGreen(image.pixel(x, y)));
        }
    return QString();
}

} // namespace

class TestXPUnit : public QObject
{
    Q_OBJECT

private slots:
    void pointInRect_data();
    void pointInRect();
    void grayColor_data();
    void grayColor();
    void grayBitmapMapsEveryPixel();
    void silhouette();
    void stripFrames_data();
    void stripFrames();
    void stretchSkinAtOwnOddSize();
    void stretchSkinKeepsCorners();
    void stretchSkinEvenHeight();
    void stretchSkinIntoSmallerTarget();
    void taskbarMargin_data();
    void taskbarMargin();
    void startUp_data();
    void startUp();
};

void TestXPUnit::pointInRect_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("bottom-right corner") << QPoint(25, 21) << true;
    QTest::newRow("top-left corner") << QPoint(10, 5) << true;
    QTest::newRow("right of it") << QPoint(26, 21) << false;
    QTest::newRow("below it") << QPoint(25, 22) << false;
    QTest::newRow("left of it") << QPoint(9, 10) << false;
}

void TestXPUnit::pointInRect()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    QCOMPARE(PointInRect(TRect{10, 5, 25, 21}, point.x(), point.y()), inside);
    QVERIFY(PointInRect(TRect{}, 0, 0));
    QVERIFY(!PointInRect(TRect{}, 1, 0));
}

void TestXPUnit::grayColor_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("grey");
    QTest::newRow("white") << QColor(255, 255, 255) << 30 << 240;
    QTest::newRow("black") << QColor(0, 0, 0) << 30 << 30;
    QTest::newRow("red") << QColor(255, 0, 0) << 30 << 115;
    QTest::newRow("level above 100") << QColor(0, 0, 0) << 150 << 100;
    QTest::newRow("limited to 240") << QColor(200, 200, 200) << 60 << 240;
}

void TestXPUnit::grayColor()
{
    QFETCH(QColor, colour);
    QFETCH(int, level);
    QFETCH(int, grey);
    QCOMPARE(GrayColor(colour, level), QColor(grey, grey, grey));
}

void TestXPUnit::grayBitmapMapsEveryPixel()
{
    QImage image = codedImage(7, 5);
    image.setPixel(3, 3, qRgb(3, 2, 0)); // a colour seen before, out of order
    const QImage source = image;
    GrayBitmap(image, 30);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixelColor(x, y), GrayColor(source.pixelColor(x, y), 30));
}

void TestXPUnit::silhouette()
{
    QImage surface(6, 6, QImage::Format_ARGB32);
    surface.fill(Qt::white);
    QImage uniform(3, 3, QImage::Format_ARGB32);
    uniform.fill(Qt::red);
    DrawSilhouette(uniform, surface, 1, 1, Qt::blue);
    QCOMPARE(surface.pixelColor(2, 2), QColor(Qt::white));

    QImage picture = uniform;                        // key: the bottom-left pixel, red
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(2, 2, qRgb(0, 0, 0));
    DrawSilhouette(picture, surface, 4, 4, Qt::blue); // partly off the surface
    QCOMPARE(surface.pixelColor(5, 4), QColor(Qt::blue));
    QCOMPARE(surface.pixelColor(4, 4), QColor(Qt::white));
    QCOMPARE(surface.pixelColor(5, 5), QColor(Qt::white));
}

void TestXPUnit::stripFrames_data()
{
    QTest::addColumn<QSize>("strip");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QRect>("frame");
    QTest::newRow("caption button 1") << QSize(46, 16) << 3 << 1 << true << QRect(0, 0, 15, 16);
    QTest::newRow("caption button 2") << QSize(46, 16) << 3 << 2 << true << QRect(15, 0, 15, 16);
    QTest::newRow("caption button 3") << QSize(46, 16) << 3 << 3 << true << QRect(30, 0, 15, 16);
    QTest::newRow("button look 4") << QSize(90, 21) << 5 << 4 << true << QRect(54, 0, 18, 21);
    QTest::newRow("caption inactive") << QSize(60, 58) << 2 << 2 << false << QRect(0, 29, 60, 29);
}

void TestXPUnit::stripFrames()
{
    QFETCH(QSize, strip);
    QFETCH(int, count);
    QFETCH(int, n);
    QFETCH(bool, horizontal);
    QFETCH(QRect, frame);
    const QImage cut = GetStripFrame(codedImage(strip.width(), strip.height()), count, n, horizontal);
    QCOMPARE(cut.size(), frame.size());
    QCOMPARE(firstMiss(cut, [&](int x, int y) { return frame.topLeft() + QPoint(x, y); }), QString());
}

void TestXPUnit::stretchSkinAtOwnOddSize()
{
    const QImage skin = codedImage(18, 21);
    QCOMPARE(stretched(skin, skin.size()), skin);
}

void TestXPUnit::stretchSkinKeepsCorners()
{
    const QImage image = stretched(codedImage(18, 21), QSize(75, 24));
    QCOMPARE(firstMiss(image, [](int x, int y) {
                 return QPoint(x < 9 ? x : x >= 66 ? x - 57 : 9, y < 10 ? y : y >= 13 ? y - 3 : 10);
             }),
             QString());
}

void TestXPUnit::stretchSkinEvenHeight()
{
    // Two lower rows spread over three target rows.
    const QImage image = stretched(codedImage(3, 4), QSize(3, 6));
    const int rows[] = {0, 1, 2, 2, 2, 3};
    QCOMPARE(firstMiss(image, [&](int x, int y) { return QPoint(x, rows[y]); }), QString());
}

void TestXPUnit::stretchSkinIntoSmallerTarget()
{
    const QImage image = stretched(codedImage(18, 21), QSize(6, 5));
    // Later steps overwrite earlier ones: the left part wins the columns, the
    // lower half the rows.
    QCOMPARE(firstMiss(image, [](int x, int y) { return QPoint(x, y + 16); }), QString());
}

void TestXPUnit::taskbarMargin_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<int>("margin");
    QTest::newRow("30 pixels") << QRect(0, 0, 1024, 738) << 28;
    QTest::newRow("hidden") << QRect(0, 0, 1024, 768) << 0;
    QTest::newRow("4 pixels") << QRect(0, 0, 1024, 764) << 0;
    QTest::newRow("on the left") << QRect(60, 0, 964, 768) << 0;
}

void TestXPUnit::taskbarMargin()
{
    QFETCH(QRect, available);
    QFETCH(int, margin);
    QCOMPARE(TaskbarMargin(QRect(0, 0, 1024, 768), available), margin);
}

void TestXPUnit::startUp_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("goesOn");
    QTest::newRow("no switch") << QStringList{"numora"} << true;
    QTest::newRow("switch") << QStringList{"numora", "/MOSSGLINT"} << false;
    QTest::newRow("any case") << QStringList{"numora", "/mossGlint"} << false;
    QTest::newRow("not first") << QStringList{"numora", "x", "/MOSSGLINT"} << true;
}

void TestXPUnit::startUp()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, goesOn);
    QStringList captions;
    QCOMPARE(XPStartUp(arguments, [&](const QString &caption, const QString &) { captions << caption; }), goesOn);
    QCOMPARE(captions, goesOn ? QStringList() : QStringList{"版权提示"});
    const QCursor hand = applicationCursor(crXPHand);
    QCOMPARE(hand.hotSpot(), QPoint(7, 1));
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
}

QTEST_MAIN(TestXPUnit)
#include "tst_xpunit.moc"
