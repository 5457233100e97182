#include "support/PixelProbe.h"
#include "widgets/xp/XP_Form.h"
#include "widgets/xp/XP_Unit.h"

#include <QApplication>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(Qt::Edges)

namespace {

const ShownCaptionButtons kMainWindowButtons{true, false, true, true};

QSet<QRgb> colours(const QImage &image, QRect area)
{
    QSet<QRgb> seen;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            seen.insert(image.pixel(x, y));
    return seen;
}

} // namespace

class TestXPForm : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void buttonLayout();
    void shownButtons_data();
    void shownButtons();
    void resizeEdges_data();
    void resizeEdges();
    void magnet_data();
    void magnet();
    void shapeCorners_data();
    void shapeCorners();
    void framesTheClientPanel();
    void activeAndInactiveLooks();
    void captionButtonFrames_data();
    void captionButtonFrames();
    void captionButtonStates();
    void releaseDecidesTheButton();
    void captionDragMovesWindow();
    void doubleClicks();
    void maximisedWindowStaysPut();
    void neverSmallerThan100();

private:
    void showWindow();

    std::unique_ptr<QWidget> m_window;
    TXP_Form *m_frame = nullptr;
    QWidget *m_panel = nullptr;
};

void TestXPForm::captionButtonFrames_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("under");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<int>("frame");
    QTest::newRow("under the pointer") << int(CloseButton) << int(CloseButton) << false << 3;
    QTest::newRow("held down") << int(CloseButton) << int(CloseButton) << true << 2;
    QTest::newRow("another held down") << int(MinButton) << int(CloseButton) << true << 1;
    QTest::newRow("none under the pointer") << int(HelpButton) << int(NoCaptionButton) << false << 1;
}

void TestXPForm::captionButtonFrames()
{
    QFETCH(int, button);
    QFETCH(int, under);
    QFETCH(bool, pressed);
    QFETCH(int, frame);
    QCOMPARE(captionButtonFrame(CaptionButton(button), {CaptionButton(under), pressed}), frame);
}

// A 674 x 424 window like the main one: no maximise button, a help button.
void TestXPForm::showWindow()
{
    m_window = std::make_unique<QWidget>();
    m_window->setPalette(testDesktopPalette());
    m_window->resize(674, 424);
    m_frame = new TXP_Form(m_window.get());
    m_frame->setBtnMax(false);
    m_frame->setBtnHelp(true);
    m_frame->setCaptionText("HHHH");
    m_panel = new QWidget(m_window.get());
    m_frame->setClientPanel(m_panel);
    m_window->move(100, 100);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestXPForm::cleanup()
{
    m_window.reset();
}

void TestXPForm::buttonLayout()
{
    const CaptionButtonRects rects = layoutCaptionButtons(674, 29, kMainWindowButtons, QSize(15, 16));
    QCOMPARE(rects.close, (TRect{651, 7, 666, 23}));
    QCOMPARE(rects.max, TRect{});
    QCOMPARE(rects.min, (TRect{636, 7, 651, 23}));
    QCOMPARE(rects.help, (TRect{621, 7, 636, 23}));
    QCOMPARE(captionButtonAt(rects, {651, 10}), CloseButton); // a shared edge: the first tested
    QCOMPARE(captionButtonAt(rects, {650, 10}), MinButton);
    QCOMPARE(captionButtonAt(rects, {621, 23}), HelpButton);
    QCOMPARE(captionButtonAt(rects, {620, 10}), NoCaptionButton);
    QCOMPARE(captionButtonAt(rects, {0, 0}), NoCaptionButton); // hidden buttons are never hit
    showWindow();
    QCOMPARE(m_frame->buttonRects().close, rects.close);
    QCOMPARE(m_frame->buttonRects().help, rects.help);
}

void TestXPForm::shownButtons_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("shown"); // close, max, min, help
    QTest::newRow("none") << int(TFormBorderStyle::bsNone) << "----";
    QTest::newRow("single") << int(TFormBorderStyle::bsSingle) << "cxmh";
    QTest::newRow("dialog") << int(TFormBorderStyle::bsDialog) << "c--h";
    QTest::newRow("tool window") << int(TFormBorderStyle::bsToolWindow) << "c-mh";
    QTest::newRow("sizeable tool window") << int(TFormBorderStyle::bsSizeToolWin) << "cxmh";
}

void TestXPForm::shownButtons()
{
    QFETCH(int, style);
    QFETCH(QString, shown);
    const ShownCaptionButtons s = shownCaptionButtons(TFormBorderStyle(style), {true, true, true, true});
    QCOMPARE(QString("%1%2%3%4").arg(s.close ? "c" : "-", s.max ? "x" : "-", s.min ? "m" : "-", s.help ? "h" : "-"),
             shown);
    QVERIFY(!shownCaptionButtons(TFormBorderStyle(style), {false, true, true, true}).close);
}

void TestXPForm::resizeEdges_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Qt::Edges>("edges");
    QTest::newRow("right band at W - 4") << QPoint(670, 200) << Qt::Edges(Qt::RightEdge);
    QTest::newRow("inside at W - 5") << QPoint(669, 200) << Qt::Edges();
    QTest::newRow("left band") << QPoint(4, 200) << Qt::Edges(Qt::LeftEdge);
    QTest::newRow("top band") << QPoint(300, 4) << Qt::Edges(Qt::TopEdge);
    QTest::newRow("bottom at H - 4") << QPoint(300, 420) << Qt::Edges(Qt::BottomEdge);
    QTest::newRow("top-left") << QPoint(0, 0) << (Qt::LeftEdge | Qt::TopEdge);
    QTest::newRow("top-right") << QPoint(673, 2) << (Qt::RightEdge | Qt::TopEdge);
    QTest::newRow("bottom-right") << QPoint(673, 423) << (Qt::RightEdge | Qt::BottomEdge);
    QTest::newRow("bottom-left") << QPoint(1, 423) << (Qt::LeftEdge | Qt::BottomEdge);
}

void TestXPForm::resizeEdges()
{
    QFETCH(QPoint, point);
    QFETCH(Qt::Edges, edges);
    QCOMPARE(resizeEdgesAt(QSize(674, 424), point), edges);
}

void TestXPForm::magnet_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("magnet");
    QTest::addColumn<QPoint>("snapped");
    // Screen 1024 x 768 with a 28-pixel taskbar margin.
    QTest::newRow("near the left") << QRect(7, 200, 300, 200) << 10 << QPoint(0, 200);
    QTest::newRow("switched off") << QRect(7, 3, 300, 200) << 0 << QPoint(7, 3);
    QTest::newRow("past the top") << QRect(200, -40, 300, 200) << 10 << QPoint(200, 0);
    QTest::newRow("above the taskbar") << QRect(200, 535, 300, 200) << 10 << QPoint(200, 540);
    QTest::newRow("right edge") << QRect(720, 200, 300, 200) << 10 << QPoint(724, 200);
    QTest::newRow("both: the later rule wins") << QRect(5, 200, 1020, 200) << 10 << QPoint(4, 200);
}

void TestXPForm::magnet()
{
    QFETCH(QRect, window);
    QFETCH(int, magnet);
    QFETCH(QPoint, snapped);
    QCOMPARE(magnetSnap(window, QSize(1024, 768), 28, magnet), snapped);
}

void TestXPForm::shapeCorners_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top-left corner") << QPoint(0, 0) << false;
    QTest::newRow("rounding of the first row") << QPoint(3, 0) << false;
    QTest::newRow("first row") << QPoint(4, 0) << true;
    QTest::newRow("second row") << QPoint(1, 1) << false;
    QTest::newRow("fifth row") << QPoint(0, 4) << true;
    QTest::newRow("top-right corner") << QPoint(673, 0) << false;
    QTest::newRow("first row, right end") << QPoint(670, 0) << true;
    QTest::newRow("bottom-left corner, square") << QPoint(0, 423) << true;
    QTest::newRow("bottom-right corner, square") << QPoint(673, 423) << true;
}

void TestXPForm::shapeCorners()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    QCOMPARE(windowShape(QSize(674, 424)).contains(point), inside);
}

void TestXPForm::framesTheClientPanel()
{
    showWindow();
    QCOMPARE(m_frame->geometry(), QRect(0, 0, 674, 424));
    QCOMPARE(m_window->mask(), windowShape(QSize(674, 424)));
    QCOMPARE(m_panel->geometry(), QRect(3, 29, 668, 392));
    m_window->resize(500, 300);
    QCOMPARE(m_panel->geometry(), QRect(3, 29, 494, 268));
    QCOMPARE(m_frame->buttonRects().close, (TRect{477, 7, 492, 23}));
}

void TestXPForm::activeAndInactiveLooks()
{
    showWindow();
    QSignalSpy active(m_frame, &TXP_Form::Active);
    QSignalSpy inactive(m_frame, &TXP_Form::InActive);
    const QRect title(8, 6, 40, 16);
    const QImage caption = skinImage("XPFORM_CAPTION");
    QImage image = m_frame->compose();
    QVERIFY(colours(image, title).contains(qRgb(255, 255, 255)));
    QCOMPARE(image.pixel(300, 14), caption.pixel(30, 14));

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!m_frame->windowActive());
    QCOMPARE(inactive.size(), 1);
    image = m_frame->compose();
    QVERIFY(colours(image, title).contains(qRgb(0xD4, 0xD0, 0xC8)));
    QVERIFY(!colours(image, title).contains(qRgb(255, 255, 255)));
    QCOMPARE(image.pixel(300, 14), caption.pixel(30, 29 + 14));
    QCOMPARE(image.pixel(0, 200), skinImage("XPFORM_LEFT").pixel(3, 40));

    QApplication::setActiveWindow(m_window.get());
    QTRY_VERIFY(m_frame->windowActive());
    QCOMPARE(active.size(), 1);
}

void TestXPForm::captionButtonStates()
{
    showWindow();
    // The close strip holds three frames side by side: normal, pressed, hovered.
    const QImage strip = skinImage("XPFORM_CLOSE");
    const auto closeFace = [&](int frame) { return strip.pixel((frame - 1) * strip.width() / 3 + 7, 2); };
    QVERIFY(closeFace(1) != closeFace(2) && closeFace(2) != closeFace(3));
    QTest::mouseMove(m_frame, QPoint(655, 12));
    QCOMPARE(m_frame->buttonState(), (CaptionButtonState{CloseButton, false}));
    QCOMPARE(m_frame->compose().pixel(651 + 7, 7 + 2), closeFace(3));
    QTest::mousePress(m_frame, Qt::LeftButton, {}, QPoint(655, 12));
    QCOMPARE(m_frame->buttonState(), (CaptionButtonState{CloseButton, true}));
    QCOMPARE(m_frame->compose().pixel(651 + 7, 7 + 2), closeFace(2));
    QTest::mouseRelease(m_frame, Qt::LeftButton, {}, QPoint(600, 12)); // off every button: nothing happens
    QVERIFY(m_window->isVisible());
    QTest::mouseMove(m_frame, QPoint(640, 12));
    QCOMPARE(m_frame->buttonState(), (CaptionButtonState{MinButton, false}));
    QTest::mouseMove(m_frame, QPoint(300, 12));
    QCOMPARE(m_frame->buttonState(), CaptionButtonState());
    QCOMPARE(m_frame->compose().pixel(651 + 7, 7 + 2), closeFace(1));
}

void TestXPForm::releaseDecidesTheButton()
{
    showWindow();
    QSignalSpy help(m_frame, &TXP_Form::Help);
    QTest::mousePress(m_frame, Qt::LeftButton, {}, QPoint(640, 12)); // minimise
    QTest::mouseRelease(m_frame, Qt::LeftButton, {}, QPoint(625, 12)); // help
    QCOMPARE(help.size(), 1);
    QVERIFY(m_window->isVisible());
    QTest::mousePress(m_frame, Qt::LeftButton, {}, QPoint(640, 12));
    QTest::mouseRelease(m_frame, Qt::LeftButton, {}, QPoint(655, 12)); // close
    QVERIFY(!m_window->isVisible());
}

void TestXPForm::captionDragMovesWindow()
{
    showWindow();
    const QPoint start = m_window->pos();
    QTest::mousePress(m_frame, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(m_frame, QPoint(130, 30));
    QTest::mouseRelease(m_frame, Qt::LeftButton, {}, QPoint(130, 30));
    QCOMPARE(m_window->pos(), start + QPoint(30, 20));
}

void TestXPForm::doubleClicks()
{
    showWindow();
    QTest::mouseDClick(m_frame, Qt::LeftButton, {}, QPoint(300, 10));
    QVERIFY(!m_window->isMaximized()); // no maximise button, no change
    m_frame->setBtnMax(true);
    QTest::mouseDClick(m_frame, Qt::LeftButton, {}, QPoint(300, 10));
    QTRY_VERIFY(m_window->isMaximized());

    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    m_frame->setPicture(picture);
    QCOMPARE(m_frame->iconRect(), (TRect{8, 6, 24, 22}));
    QTest::mouseDClick(m_frame, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!m_window->isVisible());
}

void TestXPForm::maximisedWindowStaysPut()
{
    showWindow();
    m_frame->setBtnMax(true);
    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    const QPoint start = m_window->pos();
    QTest::mousePress(m_frame, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(m_frame, QPoint(130, 30));
    QTest::mouseRelease(m_frame, Qt::LeftButton, {}, QPoint(130, 30));
    QCOMPARE(m_window->pos(), start);
    const TRect max = m_frame->buttonRects().max;
    // The button shows the first of the restore strip's three frames: every
    // pixel where it differs from the maximise face (neither is see-through there).
    const QImage restore = skinImage("XPFORM_RESTORE"), maximise = skinImage("XPFORM_MAX");
    const QImage shown = m_frame->compose();
    int differing = 0;
    for (int y = 0; y < restore.height(); ++y)
        for (int x = 0; x < restore.width() / 3; ++x)
            if (restore.pixel(x, y) != maximise.pixel(x, y) && qAlpha(restore.pixel(x, y)) == 255
                && restore.pixelColor(x, y) != QColor(255, 0, 255)) {
                QCOMPARE(shown.pixel(max.Left + x, max.Top + y), restore.pixel(x, y));
                ++differing;
            }
    QVERIFY(differing > 0);
}

void TestXPForm::neverSmallerThan100()
{
    showWindow();
    m_window->resize(50, 40);
    QCOMPARE(m_window->size(), QSize(100, 100));
}

QTEST_MAIN(TestXPForm)
#include "tst_xpform.moc"
