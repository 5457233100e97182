// The drill window on a Wayland compositor: run by e2e/wayland.sh under
// weston's headless backend with QT_QPA_PLATFORM=wayland.
#include "support/FormFixture.h"
#include "widgets/xp/XP_Form.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QWindow>

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void framelessAndShaped();
    void captionDragLeavesPlacingToCompositor();
    void minimisesAndCloses();

private:
    static void clickCaption(TXP_Form *frame, const TRect &button)
    {
        QVERIFY(button.Right > button.Left);
        const QPoint centre((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
        QTest::mouseClick(frame, Qt::LeftButton, {}, centre);
    }
};

void TestWayland::init()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestWayland::framelessAndShaped()
{
    FormFixture fixture;
    QVERIFY(fixture.show());
    QWindow *window = fixture.form->windowHandle();
    QVERIFY(window->flags() & Qt::FramelessWindowHint);
    QCOMPARE(window->frameMargins(), QMargins()); // no title bar of the toolkit's own
    QCOMPARE(window->mask(), windowShape(fixture.form->size()));
    QVERIFY(window->requestedFormat().hasAlpha()); // not opaque: the compositor sees the corners through
    const QImage shot = fixture.form->grab().toImage();
    QCOMPARE(qAlpha(shot.pixel(0, 0)), 0); // a rounded corner, see-through
    QCOMPARE(qAlpha(shot.pixel(shot.width() - 1, 0)), 0);
    QCOMPARE(qAlpha(shot.pixel(200, 10)), 255); // the caption
}

void TestWayland::captionDragLeavesPlacingToCompositor()
{
    FormFixture fixture;
    QVERIFY(fixture.show());
    TXP_Form *frame = fixture.form->XP_Form1;
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(frame, QPoint(260, 60));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(260, 60));
    QVERIFY(fixture.form->isVisible());
}

void TestWayland::minimisesAndCloses()
{
    FormFixture fixture;
    QVERIFY(fixture.show());
    TXP_Form *frame = fixture.form->XP_Form1;
    clickCaption(frame, frame->buttonRects().min);
    QTRY_VERIFY(fixture.form->isMinimized());
    fixture.form->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.form.get()));
    clickCaption(frame, frame->buttonRects().close);
    QTRY_VERIFY(!fixture.form->isVisible());
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
