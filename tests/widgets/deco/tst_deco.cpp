#include "support/PixelProbe.h"
#include "widgets/deco/DsFramedImage.h"
#include "widgets/deco/JpegPicture.h"
#include "widgets/deco/antLabel.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QTest>

class TestDeco : public QObject
{
    Q_OBJECT

private slots:
    void ringShares();
    void welcomePictureInItsFrame();
    void frameClamps_data();
    void frameClamps();
    void frameWidthFitsTheControl();
    void noFrameDrawsPictureOnly();
    void jpegDecoding();
    void jpegColours_data();
    void jpegColours();
    void labelStates();
    void shadowOffsets_data();
    void shadowOffsets();
};

void TestDeco::ringShares()
{
    const double shares[] = {0, 0.484, 0.661, 0.781, 0.866, 0.927, 0.968, 0.992, 1};
    for (int j = 0; j <= 8; ++j) {
        const QColor ring = ringColour(QColor(0, 0, 0), QColor(200, 100, 0), 8, j);
        QVERIFY2(qAbs(ring.red() - 200 * shares[j]) <= 0.6 && qAbs(ring.green() - 100 * shares[j]) <= 0.6,
                 qPrintable(QString::number(j)));
    }
    QCOMPARE(ringColour(QColor(128, 128, 128), QColor(236, 233, 216), 8, 0), QColor(128, 128, 128));
}

void TestDeco::welcomePictureInItsFrame()
{
    QCOMPARE(stretchedPictureRect(QSize(443, 360), QSize(500, 401), 8), QRect(8, 9, 427, 342));
    QWidget parent;
    parent.setPalette(testDesktopPalette());
    TDsFramedImage framed(&parent);
    framed.resize(443, 360);
    framed.setFrameStyle(TFrameStyle::fsInGrad);
    QImage picture(500, 401, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    framed.setPicture(picture);
    const QImage image = framed.compose();
    // On all four sides the shadow lies against the picture (8..434 by
    // 9..350) and the rings mirror each other; the frame colour at the
    // outside; pixels outside the rounded corner stay unpainted.
    const QColor shadow(128, 128, 128), blue(0, 0, 255), face(236, 233, 216);
    QCOMPARE(probesMatch(image, {{{7, 180}, shadow}, {{8, 180}, blue}, {{434, 180}, blue}, {{435, 180}, shadow},
                                 {{200, 8}, shadow}, {{200, 9}, blue}, {{200, 350}, blue}, {{200, 351}, shadow},
                                 {{200, 0}, face}, {{200, 359}, face}},
                         "framed"),
             QString());
    for (int inset = 0; inset < 8; ++inset) {
        QCOMPARE(image.pixel(inset, 180), image.pixel(442 - inset, 180));
        QCOMPARE(image.pixel(200, inset), image.pixel(200, 359 - inset));
    }
    QCOMPARE(qAlpha(image.pixel(0, 1)), 0);
    QCOMPARE(qAlpha(image.pixel(442, 358)), 0);
}

void TestDeco::frameClamps_data()
{
    QTest::addColumn<int>("radiusFirst");
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("storedWidth");
    QTest::addColumn<int>("storedRadius");
    QTest::newRow("width 3") << 10 << 3 << -1 << 4 << 10;
    QTest::newRow("width 25") << 10 << 25 << -1 << 20 << 10;
    QTest::newRow("width 5 under radius 30") << 30 << 5 << -1 << 5 << 19;
    QTest::newRow("radius 50") << 10 << 8 << 50 << 8 << 30;
    QTest::newRow("radius 50 with width 4") << 10 << 4 << 50 << 4 << 15;
}

void TestDeco::frameClamps()
{
    QFETCH(int, radiusFirst);
    QFETCH(int, frameWidth);
    QFETCH(int, radius);
    QFETCH(int, storedWidth);
    QFETCH(int, storedRadius);
    TDsFramedImage framed;
    framed.setCornerRadius(radiusFirst);
    framed.setFrameWidth(frameWidth);
    if (radius >= 0)
        framed.setCornerRadius(radius);
    QCOMPARE(framed.FrameWidth(), storedWidth);
    QCOMPARE(framed.CornerRadius(), storedRadius);
}

void TestDeco::frameWidthFitsTheControl()
{
    TDsFramedImage framed;
    framed.resize(20, 30);
    framed.setFrameWidth(20);
    QCOMPARE(framed.FrameWidth(), 10);
    framed.setFrameWidth(8);
    framed.resize(12, 30); // a smaller control narrows the frame it holds, once shown
    framed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&framed));
    QCOMPARE(framed.FrameWidth(), 6);
}

void TestDeco::noFrameDrawsPictureOnly()
{
    TDsFramedImage framed;
    framed.resize(40, 30);
    framed.setFrameStyle(TFrameStyle::fsNone);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    framed.setPicture(picture);
    const QImage image = framed.compose();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red)); // no frame: the whole control
    QCOMPARE(image.pixelColor(39, 29), QColor(Qt::red));
}

void TestDeco::jpegDecoding()
{
    Q_INIT_RESOURCE(resources);
    QFile file(":/welcome.jpg");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const JpegPicture welcome = decodeJpeg(bytes);
    QCOMPARE(welcome.image.size(), QSize(500, 401));
    QCOMPARE(welcome.components, 3);
    QVERIFY(bytes.startsWith("\xFF\xD8"));
    QVERIFY(decodeJpeg(bytes.left(bytes.size() / 2)).image.isNull());
    QVERIFY(decodeJpeg(bytes.left(300)).image.isNull());
    QVERIFY(decodeJpeg(QByteArray("GIF89a, not a JPEG at all")).image.isNull());
    QVERIFY(decodeJpeg(QByteArray()).image.isNull());
    // Found by fuzzing: a header claiming 65496 x 65496 pixels.
    const QByteArray huge = QByteArray::fromBase64(
        "/9hKRklGAAEBAAEAAP/bAEMABgQFBgUEBgYFBgcHBggKEAoKCQkKFA4PDBAXFBgAAAEgFhodJR8aGyMcFhYgLCAjJicpKikZHy0wLSgwJSgp"
        "KP/bAEMBBwcHCggKEwgKEygaFhooKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCibKCj/wAARCP/Y/9gD"
        "ASIAAhEBAxEAAAAA/9oADAMBAAIRAwA/nQBqpF//2Q==");
    QVERIFY(decodeJpeg(huge).image.isNull());
    QByteArray damaged = bytes;
    for (int i = 1000; i < damaged.size(); i += 97)
        damaged[i] = char(0xFF);
    decodeJpeg(damaged); // must come back, picture or not
}

void TestDeco::jpegColours_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("components");
    QTest::newRow("colour") << QImage::Format_RGB32 << QColor(200, 30, 90) << 3;
    QTest::newRow("grey") << QImage::Format_Grayscale8 << QColor(120, 120, 120) << 1;
}

// Every channel lands where the screen reads it, opaque.
void TestDeco::jpegColours()
{
    QFETCH(QImage::Format, format);
    QFETCH(QColor, colour);
    QFETCH(int, components);
    QImage source(16, 16, format);
    source.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!source.save(&buffer, "JPEG", 100))
        QSKIP("no JPEG writer to make the sample with");
    const JpegPicture picture = decodeJpeg(bytes);
    QCOMPARE(picture.components, components);
    const QColor got = picture.image.pixelColor(8, 8);
    QCOMPARE(got.alpha(), 255);
    for (auto [a, b] : {std::pair{got.red(), colour.red()}, {got.green(), colour.green()}, {got.blue(), colour.blue()}})
        QVERIFY2(qAbs(a - b) <= 3, qPrintable(got.name() + " for " + colour.name()));
}

void TestDeco::labelStates()
{
    QWidget parent;
    parent.setPalette(testDesktopPalette());
    TantLabel label(&parent);
    label.setText("登陆窗口");
    parent.show();
    const auto front = [&] { return label.ColorFront().value(); };
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&label, &enter);
    QCOMPARE(label.displayState(), TDisplayState::Selected);
    QCOMPARE(front(), clBlue);
    QCOMPARE(label.ColorBack().value(), clNavy);
    QVERIFY(label.font().underline());
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(front(), clRed);
    QCOMPARE(label.ColorBack().value(), clMaroon);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave); // dragged out, button held
    QCOMPARE(label.displayState(), TDisplayState::Selected);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(200, 2));
    QCOMPARE(label.displayState(), TDisplayState::Normal);
    QCOMPARE(front(), clBlack);

    QApplication::sendEvent(&label, &enter);
    label.setActive(false); // the look stays until the pointer leaves
    QCOMPARE(label.displayState(), TDisplayState::Selected);
    QApplication::sendEvent(&label, &leave);
    QCOMPARE(label.displayState(), TDisplayState::Normal);
    label.setEnabled(false);
    QCOMPARE(label.displayState(), TDisplayState::Disabled);
    QCOMPARE(front(), clBtnShadow);
}

void TestDeco::shadowOffsets_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<QPoint>("front");
    QTest::addColumn<QPoint>("back");
    QTest::newRow("default") << int(Qt::AlignLeft) << 1 << 1 << QPoint(0, 0) << QPoint(1, 1);
    QTest::newRow("depth -2, left") << int(Qt::AlignLeft) << -2 << 0 << QPoint(2, 0) << QPoint(0, 0);
    QTest::newRow("right") << int(Qt::AlignRight) << 1 << 1 << QPoint(-1, 0) << QPoint(0, 1);
    QTest::newRow("depth 0") << int(Qt::AlignLeft) << 0 << 0 << QPoint(0, 0) << QPoint(0, 0);
}

void TestDeco::shadowOffsets()
{
    QFETCH(int, alignment);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QPoint, front);
    QFETCH(QPoint, back);
    const ShadowRects rects = antShadowRects(QRect(0, 0, 100, 30), Qt::Alignment(alignment), dx, dy);
    QCOMPARE(rects.front.topLeft(), front);
    QCOMPARE(rects.back.topLeft(), back);
    QCOMPARE(rects.result.left(), 0);
    QCOMPARE(rects.result.size(), QSize(100 + qAbs(dx), 30 + qAbs(dy)));

    TantLabel label;
    label.setText("Numora");
    label.setColor3dXDepth(dx);
    label.setColor3dYDepth(dy);
    QCOMPARE(label.size(), label.fontMetrics().size(Qt::TextShowMnemonic, "Numora") + QSize(qAbs(dx), qAbs(dy)));
}

QTEST_MAIN(TestDeco)
#include "tst_deco.moc"
