#include "platform/UrlOpener.h"
#include "support/PixelProbe.h"
#include "widgets/AccessibleWidgets.h"
#include "widgets/xp/XP_Unit.h"
#include "widgets/xp/XP_Url.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FakeOpener : public UrlOpener
{
public:
    QStringList opened; // "web: ...", "handler: ...", "file: ..."
    bool browserStarts = true;
    QString existingFile;

    bool openWebPage(const QString &address) override
    {
        opened << "web: " + address;
        return browserStarts;
    }
    void openWithDefaultHandler(const QString &target) override { opened << "handler: " + target; }
    void openFile(const QString &path) override { opened << "file: " + path; }
    bool fileExists(const QString &path) const override { return path == existingFile; }
};

} // namespace

class TestXPUrl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { m_parent.reset(); }
    void targets_data();
    void targets();
    void pressOpensAndReleaseClicks();
    void failedBrowserIsReported();
    void keyboardReachesAndOpens();
    void widthFollowsText();
    void colours_data();
    void colours();
    void handCursorWhileOver();

private:
    std::unique_ptr<QWidget> m_parent;
    TXP_Url *m_link = nullptr;
    FakeOpener m_opener;
};

void TestXPUrl::initTestCase()
{
    AccessibleWidgets::install();
    XPStartUp({"tst_xpurl"}, [](const QString &, const QString &) {});
}

void TestXPUrl::init()
{
    m_parent = std::make_unique<QWidget>();
    m_parent->setPalette(testDesktopPalette());
    m_parent->resize(200, 60);
    m_link = new TXP_Url(m_parent.get());
    m_link->move(10, 10);
    m_link->setText("联系作者：hi@numora.example");
    m_opener = FakeOpener();
    m_link->setOpener(&m_opener);
    m_parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_parent.get()));
}

void TestXPUrl::targets_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("target");
    QTest::newRow("web") << "http://www.numora.example" << int(UrlTarget::WebPage);
    QTest::newRow("web, any case, blanks") << "  HtTp://numora.example/rjxz " << int(UrlTarget::WebPage);
    QTest::newRow("https") << "https://numora.example" << int(UrlTarget::Nothing);
    QTest::newRow("www") << "www.numora.example" << int(UrlTarget::Nothing);
    QTest::newRow("mail") << "mailto:hi@numora.example" << int(UrlTarget::DefaultHandler);
    QTest::newRow("https with @") << "https://a@numora.example" << int(UrlTarget::DefaultHandler);
    QTest::newRow("empty") << "" << int(UrlTarget::Nothing);
    QTest::newRow("blank") << "   " << int(UrlTarget::Nothing);
    QTest::newRow("file, its own case") << " /tmp/Notes.txt" << int(UrlTarget::File);
    QTest::newRow("missing file") << "/tmp/none.txt" << int(UrlTarget::Nothing);
}

void TestXPUrl::targets()
{
    QFETCH(QString, url);
    QFETCH(int, target);
    QCOMPARE(int(urlTarget(url, [](const QString &path) { return path == "/tmp/Notes.txt"; })), target);
}

void TestXPUrl::pressOpensAndReleaseClicks()
{
    QSignalSpy clicks(m_link, &TXP_Url::clicked);
    m_link->setUrl(" http://www.numora.example ");
    QTest::mousePress(m_link, Qt::LeftButton, {}, QPoint(5, 8));
    QCOMPARE(m_opener.opened, QStringList{"web: http://www.numora.example"});
    QCOMPARE(clicks.size(), 0);
    QTest::mouseRelease(m_link, Qt::LeftButton, {}, QPoint(5, 8));
    QCOMPARE(clicks.size(), 1);
    QVERIFY(m_link->visited());

    m_link->setUrl("mailto:hi@numora.example");
    QTest::mouseClick(m_link, Qt::RightButton, {}, QPoint(5, 8));
    QCOMPARE(m_opener.opened.last(), "handler: mailto:hi@numora.example");
    QCOMPARE(clicks.size(), 1);

    m_link->setEnabled(false);
    QTest::mouseClick(m_link, Qt::LeftButton, {}, QPoint(5, 8));
    QCOMPARE(m_opener.opened.size(), 2);
}

// Tab reaches a link, a dotted frame shows it, Enter, Space and the
// accessible press action open it.
void TestXPUrl::keyboardReachesAndOpens()
{
    m_link->setUrl("http://www.numora.example");
    QCOMPARE(m_link->focusPolicy(), Qt::TabFocus);
    m_link->clearFocus();
    QVERIFY(qAlpha(m_link->compose(false).pixel(0, 0)) == 0);
    m_link->setFocus();
    QVERIFY(m_link->hasFocus());
    QVERIFY(qAlpha(m_link->compose(false).pixel(0, 0)) != 0);
    QTest::keyClick(m_link, Qt::Key_Return);
    QTest::keyClick(m_link, Qt::Key_Space);
    QTest::keyClick(m_link, Qt::Key_A);
    QCOMPARE(m_opener.opened.size(), 2);
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(m_link);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral("联系作者：hi@numora.example"));
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_opener.opened.size(), 3);
}

void TestXPUrl::failedBrowserIsReported()
{
    QSignalSpy failures(m_link, &TXP_Url::openFailed);
    m_opener.browserStarts = false;
    m_link->setUrl("http://www.numora.example");
    QTest::mousePress(m_link, Qt::LeftButton, {}, QPoint(5, 8));
    QCOMPARE(failures.size(), 1);
    QCOMPARE(failures.first().first().toString(), "无法在浏览器中打开 http://www.numora.example");
}

void TestXPUrl::widthFollowsText()
{
    const QFontMetrics metrics(m_link->font());
    m_link->setText("&Numora");
    QCOMPARE(m_link->width(), metrics.horizontalAdvance("Numora"));
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    m_link->setPicture(picture);
    QCOMPARE(m_link->width(), metrics.horizontalAdvance("Numora") + 18);
}

void TestXPUrl::colours_data()
{
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("visited");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("normal") << false << false << true << QColor(0, 0, 0);
    QTest::newRow("hover") << true << false << true << QColor(255, 0, 0);
    QTest::newRow("visited") << false << true << true << QColor(128, 0, 128);
    QTest::newRow("hover wins") << true << true << true << QColor(255, 0, 0);
    QTest::newRow("disabled") << true << false << false << QColor(128, 128, 128);
}

void TestXPUrl::colours()
{
    QFETCH(bool, hover);
    QFETCH(bool, visited);
    QFETCH(bool, enabled);
    QFETCH(QColor, colour);
    if (visited)
        QTest::mousePress(m_link, Qt::LeftButton, {}, QPoint(5, 8));
    m_link->setEnabled(enabled);
    // The underline runs one pixel below the text's box.
    const QFontMetrics metrics(m_link->font());
    const int y = (m_link->height() - metrics.height()) / 2 + metrics.height();
    QCOMPARE(probesMatch(m_link->compose(hover), {{{0, y}, colour}, {{m_link->width() - 1, y}, colour}}, "xpurl"),
             QString());
}

void TestXPUrl::handCursorWhileOver()
{
    QEnterEvent enter(QPointF(2, 2), QPointF(12, 12), m_link->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(m_link, &enter);
    QCOMPARE(m_link->cursor().hotSpot(), QPoint(7, 1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_link, &leave);
    QVERIFY(!m_link->testAttribute(Qt::WA_SetCursor));
}

QTEST_MAIN(TestXPUrl)
#include "tst_xpurl.moc"
