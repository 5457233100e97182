#include "support/PixelProbe.h"
#include "widgets/xp/XP_Button.h"
#include "widgets/xp/XP_Unit.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestXPButton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void effectiveLook_data();
    void effectiveLook();
    void layout_data();
    void layout();
    void looksByState();
    void dragOutKeepsPressedUntilLeave();
    void doubleClickClicksOnce();
    void dialogKeys();
    void enterAndSpaceClickOnKeyDown();
    void disabledPictureIsSilhouette();

private:
    QColor framePixel(int look, QPoint at) const
    {
        return GetStripFrame(skinImage("XPBUTTON"), 5, look, true).pixelColor(at);
    }

    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_edit = nullptr;
    TXP_Button *m_button = nullptr;
    TXP_Button *m_other = nullptr;
};

void TestXPButton::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setPalette(testDesktopPalette());
    m_window->resize(200, 120);
    m_edit = new QLineEdit(m_window.get());
    m_edit->setGeometry(8, 8, 120, 22);
    m_button = new TXP_Button(m_window.get());
    m_button->setText("OK");
    m_button->move(8, 40);
    m_other = new TXP_Button(m_window.get());
    m_other->move(8, 70);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_edit->setFocus();
}

void TestXPButton::cleanup()
{
    m_window.reset();
}

void TestXPButton::effectiveLook_data()
{
    QTest::addColumn<ButtonLook>("look");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<ButtonLook>("shown");
    using L = ButtonLook;
    QTest::newRow("normal") << L::Normal << true << false << L::Normal;
    QTest::newRow("normal, focused") << L::Normal << true << true << L::Focused;
    QTest::newRow("pressed, focused") << L::Pressed << true << true << L::Pressed;
    QTest::newRow("pointer over, focused") << L::Hover << true << true << L::Hover;
    QTest::newRow("disabled wins") << L::Hover << false << true << L::Disabled;
}

void TestXPButton::effectiveLook()
{
    QFETCH(ButtonLook, look);
    QFETCH(bool, enabled);
    QFETCH(bool, focused);
    QFETCH(ButtonLook, shown);
    QCOMPARE(effectiveButtonLook(look, enabled, focused), shown);
}

void TestXPButton::layout_data()
{
    QTest::addColumn<QSize>("button");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("position");
    QTest::addColumn<QPoint>("pictureAt");
    QTest::addColumn<QRect>("caption");
    QTest::newRow("no picture") << QSize(75, 24) << QSize() << int(TPicPos::pTop) << QPoint() << QRect(0, 0, 75, 24);
    QTest::newRow("above") << QSize(75, 40) << QSize(16, 16) << int(TPicPos::pTop) << QPoint(29, 5) << QRect(0, 23, 75, 12);
    QTest::newRow("left") << QSize(75, 24) << QSize(16, 16) << int(TPicPos::pLeft) << QPoint(13, 4) << QRect(31, 0, 30, 24);
}

void TestXPButton::layout()
{
    QFETCH(QSize, button);
    QFETCH(QSize, picture);
    QFETCH(int, position);
    QFETCH(QPoint, pictureAt);
    QFETCH(QRect, caption);
    const ButtonLayout placed = layoutButton(button, picture, QSize(30, 12), TPicPos(position), 2);
    if (picture.isValid())
        QCOMPARE(placed.picture, pictureAt);
    QCOMPARE(placed.caption, caption);
}

void TestXPButton::looksByState()
{
    // Column 2, row 5 lies in every look's face or rim, away from the caption.
    const QPoint probe(2, 5);
    const auto shows = [&](int look) {
        return probesMatch(m_button->grab().toImage(), {{probe, framePixel(look, probe)}}, "xpbutton");
    };
    QCOMPARE(shows(1), QString());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), m_button->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(m_button, &enter);
    QCOMPARE(shows(4), QString());
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(shows(2), QString());
    QSignalSpy clicks(m_button, &QAbstractButton::clicked);
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(30, 12));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(shows(5), QString()); // focused since the press, not pointer-over
    m_button->setEnabled(false);
    QCOMPARE(shows(3), QString());
    QCOMPARE(framePixel(3, probe) == framePixel(1, probe), false);
}

void TestXPButton::dragOutKeepsPressedUntilLeave()
{
    QSignalSpy clicks(m_button, &QAbstractButton::clicked);
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseMove(m_button, QPoint(200, 12));
    const QPoint probe(2, 5);
    QCOMPARE(m_button->grab().toImage().pixelColor(probe), framePixel(2, probe));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_button, &leave);
    QCOMPARE(m_button->grab().toImage().pixelColor(probe), framePixel(5, probe));
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(200, 12));
    QCOMPARE(clicks.size(), 0);
}

void TestXPButton::doubleClickClicksOnce()
{
    QSignalSpy clicks(m_button, &QAbstractButton::clicked);
    const QPointF at(30, 12);
    const QPointF global = m_button->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(m_button, &event);
    }
    QCOMPARE(clicks.size(), 1);
}

void TestXPButton::dialogKeys()
{
    QSignalSpy defaultClicks(m_button, &QAbstractButton::clicked);
    QSignalSpy otherClicks(m_other, &QAbstractButton::clicked);
    QTest::keyClick(m_edit, Qt::Key_Return);
    QCOMPARE(defaultClicks.size(), 0); // no Default button yet

    m_button->setDefault(true);
    m_other->setCancel(true);
    QTest::keyClick(m_edit, Qt::Key_Return);
    QCOMPARE(defaultClicks.size(), 1);
    QTest::keyClick(m_edit, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(defaultClicks.size(), 1);
    QTest::keyClick(m_edit, Qt::Key_Escape);
    QCOMPARE(otherClicks.size(), 1);

    m_other->setFocus(); // Enter goes to the focused XP button instead
    QTest::keyClick(m_other, Qt::Key_Return);
    QCOMPARE(otherClicks.size(), 2);
    QCOMPARE(defaultClicks.size(), 1);

    m_edit->setFocus();
    m_button->setEnabled(false);
    QTest::keyClick(m_edit, Qt::Key_Return);
    QCOMPARE(defaultClicks.size(), 1);
}

void TestXPButton::enterAndSpaceClickOnKeyDown()
{
    QSignalSpy clicks(m_button, &QAbstractButton::clicked);
    m_button->setFocus();
    QTest::keyPress(m_button, Qt::Key_Space);
    QCOMPARE(clicks.size(), 1);
    QTest::keyPress(m_button, Qt::Key_Space, {}, -1); // held: a repeat clicks again
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(m_button, &repeat);
    QCOMPARE(clicks.size(), 3);
    QTest::keyRelease(m_button, Qt::Key_Space);
    QCOMPARE(clicks.size(), 3);
    QTest::keyClick(m_button, Qt::Key_Enter);
    QCOMPARE(clicks.size(), 4);
}

void TestXPButton::disabledPictureIsSilhouette()
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::white); // the key colour: the bottom-left pixel
    picture.setPixel(8, 2, qRgb(200, 0, 0));
    m_button->resize(75, 40);
    m_button->setPicture(picture);
    m_button->setEnabled(false);
    const QImage image = m_button->compose(ButtonLook::Normal);
    const int top = (40 - (m_button->fontMetrics().height() + 16 + 2)) / 2;
    QCOMPARE(image.pixelColor(29 + 8, top + 2), QColor(236, 233, 216)); // the button face
    QCOMPARE(image.pixelColor(29 + 3, top + 3), framePixel(3, QPoint(9, top + 3))); // the skin shows
}

QTEST_MAIN(TestXPButton)
#include "tst_xpbutton.moc"
