// Closing the window, by the frame, the window manager or the end of the
// desktop session, never drops a run or an edited bank without a question.
#include "platform/TerminationSignals.h"
#include "support/FormFixture.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatPanelUnit.h"
#include "widgets/xp/XP_Button.h"

#include <QFile>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>

using Answer = UserDialogs::Answer;

class TestClosing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.reset(); }

    void closeDuringRun_data();
    void closeDuringRun();
    void closeWithEditedBank_data();
    void closeWithEditedBank();
    void exitAsksOnceForEditedBank();
    void sessionEndRecordsUnasked();
    void terminationSignalArrivesAsEvent_data();
    void terminationSignalArrivesAsEvent();

private:
    TForm1 &form() { return *m_fixture->form; }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    void enterCountedRun()
    {
        m_fixture->writeBank("make", {"1+1="}, {"2"});
        FormFixture::pick(form().FlatComboBox1, 0);
        FormFixture::pick(form().FlatComboBox2, 1);
        FormFixture::pick(form().FlatComboBox3, 0);
        FormFixture::press(form().FlatButton1);
    }
    void answer(const QString &text)
    {
        form().FlatEdit2->setText(text);
        QTest::keyClick(form().FlatEdit2, Qt::Key_Return);
    }
    QString record() const { return m_fixture->path("job/2026-12-8-第1次.xl"); }
    void editBank()
    {
        m_fixture->writeBank("make", {"1+1="}, {"2"});
        FormFixture::press(form().FlatButton8);
        QTRY_VERIFY(!form().bankBusy());
        form().editor().add("3+4=", "7");
    }

    std::unique_ptr<FormFixture> m_fixture;
};

void TestClosing::init()
{
    m_fixture = std::make_unique<FormFixture>();
    QVERIFY(m_fixture->show());
}

void TestClosing::closeDuringRun_data()
{
    QTest::addColumn<QString>("stage");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("recorded");
    QTest::newRow("before the start") << "entered" << QList<Answer>() << 0 << true << false;
    QTest::newRow("running, No") << "running" << QList<Answer>{Answer::No} << 1 << false << false;
    QTest::newRow("running, Yes") << "running" << QList<Answer>{Answer::Yes} << 1 << true << true;
    QTest::newRow("finished") << "finished" << QList<Answer>() << 1 << true << true; // the closing message
}

// Once the frame's close button ended a run with no question and no record.
void TestClosing::closeDuringRun()
{
    QFETCH(QString, stage);
    QFETCH(QList<Answer>, answers);
    QFETCH(int, questions);
    QFETCH(bool, closed);
    QFETCH(bool, recorded);
    enterCountedRun();
    if (stage != "entered") {
        FormFixture::press(form().FlatButton3);
        answer("2");
    }
    if (stage == "finished") {
        for (int i = 0; i < 10; ++i)
            answer("2");
        QVERIFY(QMetaObject::invokeMethod(form().Timer1, "timeout"));
    }
    dialogs().answers = answers;
    QCOMPARE(form().close(), closed);
    QCOMPARE(dialogs().shown.size(), questions);
    if (stage == "running")
        QCOMPARE(dialogs().shown.first().text, QStringLiteral("训练还没有结束，真得要退出吗？"));
    QCOMPARE(QFile::exists(record()), recorded);
    if (stage == "running" && !closed) {
        QVERIFY(form().Timer1->isActive());
        answer("3");
        QCOMPARE(form().model().processLines().last(), QStringLiteral("第2题    1+1=3    ×"));
    }
}

void TestClosing::closeWithEditedBank_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("cancelled"); // "取消" pressed before closing
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("savedRows");
    QTest::newRow("nothing edited") << false << false << QList<Answer>() << true << 1;
    QTest::newRow("edited, Cancel") << true << false << QList<Answer>{Answer::Cancel} << false << 1;
    QTest::newRow("edited, No") << true << false << QList<Answer>{Answer::No} << true << 1;
    QTest::newRow("edited, Yes") << true << false << QList<Answer>{Answer::Yes} << true << 2;
    QTest::newRow("edited, then 取消") << true << true << QList<Answer>() << true << 1;
}

void TestClosing::closeWithEditedBank()
{
    QFETCH(bool, edited);
    QFETCH(bool, cancelled);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, closed);
    QFETCH(int, savedRows);
    m_fixture->writeBank("make", {"1+1="}, {"2"});
    FormFixture::press(form().FlatButton8);
    QTRY_VERIFY(!form().bankBusy());
    if (edited)
        form().editor().add("3+4=", "7");
    if (cancelled)
        FormFixture::press(form().FlatButton17);
    dialogs().answers = answers;
    QCOMPARE(form().close(), closed);
    QCOMPARE(dialogs().shown.size(), answers.size());
    if (!answers.isEmpty()) {
        QCOMPARE(dialogs().shown.first().text, QStringLiteral("题库已修改，保存吗？"));
        QCOMPARE(dialogs().shown.first().buttons, UserDialogs::Buttons::YesNoCancel);
    }
    QCOMPARE(TextFile::readLines(m_fixture->path("data/make.tm")).size(), savedRows);
    QCOMPARE(TextFile::readLines(m_fixture->path("data/make.da")).size(), savedRows);
    QCOMPARE(form().FlatPanel4->isVisible(), !closed);
}

void TestClosing::exitAsksOnceForEditedBank()
{
    editBank();
    dialogs().answers = {Answer::Cancel};
    FormFixture::press(form().FlatButton2);
    QCOMPARE(m_fixture->terminations, 0);
    dialogs().answers = {Answer::No};
    FormFixture::press(form().FlatButton2);
    QCOMPARE(m_fixture->terminations, 1);
    // Quitting then closes the window without a second question.
    QVERIFY(form().close());
    QCOMPARE(dialogs().shown.size(), 2);
    QCOMPARE(TextFile::readLines(m_fixture->path("data/make.tm")).size(), 1);
}

void TestClosing::sessionEndRecordsUnasked()
{
    enterCountedRun();
    FormFixture::press(form().FlatButton3);
    answer("2");
    QVERIFY(form().endForSessionEnd(false));
    QVERIFY(form().close());
    QVERIFY(dialogs().shown.isEmpty());
    QCOMPARE(TextFile::readLines(record()),
             (QStringList{"第1题    1+1=2    √", "训练题数为：10道", "完成时间为：0秒", "正确题数为：1道"}));
}

void TestClosing::terminationSignalArrivesAsEvent_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("session end") << SIGTERM;
    QTest::newRow("terminal closed") << SIGHUP;
    QTest::newRow("Ctrl+C") << SIGINT;
}

void TestClosing::terminationSignalArrivesAsEvent()
{
    QFETCH(int, signalNumber);
    TerminationSignals termination;
    QSignalSpy received(&termination, &TerminationSignals::received);
    QCOMPARE(::raise(signalNumber), 0); // handled: the test goes on
    QVERIFY(received.wait(2000));
    QCOMPARE(received.first().first().toInt(), signalNumber);
}

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
