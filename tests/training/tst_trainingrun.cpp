#include "support/RunTestBase.h"
#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/TrainingModel.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>


class TestTrainingRun : public RunTestBase
{
    Q_OBJECT

private slots:
    void init() { resetRun(); }

    void seedZeroDrawsTheDocumentedSequence();
    void otherSeedsDrawOtherwise();
    void startPressStartsTheRun();
    void judgesTypedAnswers_data();
    void judgesTypedAnswers();
    void emptyAnswerIsIgnored();
    void timedRunLabelsAndFinish();
    void countedRunFinishesOneTickAfterLastAnswer();
    void amountZero_data();
    void amountZero();
    void amountTextNotANumberStopsStart();
    void decimalAnswerLines();
    void answerLineNotANumber();
    void emptyQuestionList();
    void shortAnswerList();
    void missingAnswerLineIsNeverRight();
    void hostileAnswerLines_data();
    void hostileAnswerLines();
    void twoMillionLineBank();
    void dataFolderUnderAFile();
    void soundFailureIsToldOnceAndRunGoesOn();
    void canEndAtOnce();
    void finishedOnceOnly();

};

void TestTrainingRun::seedZeroDrawsTheDocumentedSequence()
{
    QStringList questions, answers;
    indexBank(100, questions, answers);
    writeBank(questions, answers);
    enter(1, "10");
    start();
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("Q3="));
    answer("0");
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("Q20="));
    answer("20");
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("Q67="));
    QCOMPARE(m_sound.names(), (QStringList{"c0", "c1", "z0"}));
}

void TestTrainingRun::otherSeedsDrawOtherwise()
{
    QStringList questions, answers;
    indexBank(100, questions, answers);
    writeBank(questions, answers);
    QSet<QString> firstQuestions;
    for (const quint32 seed : {1u, 2u, 1000u, 4000000000u}) {
        m_model = std::make_unique<TrainingModel>(m_appDir->path(), &m_sound, seed);
        enter(1, "10");
        start();
        firstQuestions.insert(m_model->text(TrainingText::Question));
    }
    QVERIFY(firstQuestions.size() >= 3);
    QVERIFY(!firstQuestions.contains("Q3="));
}

void TestTrainingRun::startPressStartsTheRun()
{
    writeBank({"1+1="}, {"2"});
    enter(0, "60");
    QSignalSpy focus(m_model.get(), &TrainingModel::answerFocusRequested);
    start();
    const RunView &view = m_model->runView();
    QVERIFY(view.answerEnabled);
    QVERIFY(view.timerRunning);
    QVERIFY(!view.startEnabled);
    QCOMPARE(view.answerText, QString());
    QVERIFY(focus.count() >= 1);
    QVERIFY(m_model->processLines().isEmpty()); // the start is no answer
    QCOMPARE(m_model->run()->answeredCount(), 0);
    QCOMPARE(m_model->run()->correctCount(), 0);
    QCOMPARE(m_model->text(TrainingText::Used), QStringLiteral("0道"));
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("1+1="));

    // The start button is disabled now; no second start.
    QVERIFY(!m_model->runView().startEnabled);
}

void TestTrainingRun::judgesTypedAnswers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line"); // empty: a conversion error
    QTest::newRow("7") << "7" << "第1题    3+4=7    √";
    QTest::newRow("7.0") << "7.0" << "第1题    3+4=7    √";
    QTest::newRow("+7") << "+7" << "第1题    3+4=7    √";
    QTest::newRow("blanks around") << "  7 " << "第1题    3+4=7    √";
    QTest::newRow("7.5") << "7.5" << "第1题    3+4=7.5    ×";
    QTest::newRow("08") << "08" << "第1题    3+4=8    ×";
    QTest::newRow("07a") << "07a" << "";
    QTest::newRow("blanks only") << "   " << "";
}

void TestTrainingRun::judgesTypedAnswers()
{
    QFETCH(QString, typed);
    QFETCH(QString, line);
    writeBank({"3+4="}, {"7"});
    enter(1, "5");
    start();
    if (line.isEmpty()) {
        try {
            answer(typed);
            QFAIL("accepted");
        } catch (const ConvertError &error) {
            QCOMPARE(error.text(), "'" + typed + "' is not a valid floating point value");
        }
        QCOMPARE(m_model->run()->answeredCount(), 0);
        QCOMPARE(m_model->runView().answerText, typed); // the text stays
        return;
    }
    answer(typed);
    QCOMPARE(m_model->processLines().last(), line);
    QCOMPARE(m_model->run()->correctCount(), line.endsWith("√") ? 1 : 0);
    QCOMPARE(m_model->text(TrainingText::Left), QStringLiteral("4道"));
    QCOMPARE(m_model->text(TrainingText::Right), line.endsWith("√") ? QStringLiteral("1道") : QStringLiteral("0道"));
    QCOMPARE(m_model->runView().answerText, QString());
}

void TestTrainingRun::emptyAnswerIsIgnored()
{
    writeBank({"3+4="}, {"7"});
    enter(1, "5");
    start();
    const QStringList before = m_model->processLines();
    answer(QString());
    QCOMPARE(m_model->processLines(), before);
    QCOMPARE(m_model->run()->answeredCount(), 0);
    QCOMPARE(m_sound.played.size(), 1);
}

void TestTrainingRun::timedRunLabelsAndFinish()
{
    writeBank({"3+4="}, {"7"});
    enter(0, "3");
    start();
    answer("7");
    QCOMPARE(m_model->text(TrainingText::Used), QStringLiteral("1道"));
    QVERIFY(!m_model->tick());
    QCOMPARE(m_model->text(TrainingText::Left), QStringLiteral("2秒"));
    answer("6");
    QVERIFY(!m_model->tick());
    QCOMPARE(m_model->text(TrainingText::Left), QStringLiteral("1秒"));
    QVERIFY(m_model->tick());
    QCOMPARE(m_model->text(TrainingText::Left), QStringLiteral("0秒"));

    const RunView &view = m_model->runView();
    QVERIFY(!view.timerRunning);
    QVERIFY(!view.answerVisible);
    QVERIFY(view.processVisible);
    QVERIFY(view.endEnabled);
    QCOMPARE(m_model->processLines(), (QStringList{"第1题    3+4=7    √", "第2题    3+4=6    ×", "训练时间为：3秒",
                                                   "完成题数为：2道", "正确题数为：1道"}));
    // The time is used up: further answers are ignored.
    answer("7");
    QCOMPARE(m_model->run()->answeredCount(), 2);
}

void TestTrainingRun::countedRunFinishesOneTickAfterLastAnswer()
{
    writeBank({"3+4=", "5+5="}, {"7", "10"});
    enter(1, "2");
    start();
    QVERIFY(!m_model->tick());
    QCOMPARE(m_model->text(TrainingText::Used), QStringLiteral("1秒"));
    answer("7");
    answer("1");
    QCOMPARE(m_model->text(TrainingText::Left), QStringLiteral("0道"));
    QVERIFY(m_model->runView().timerRunning); // a new question is shown still
    answer("5");                              // ignored by the amount guard
    QCOMPARE(m_model->run()->answeredCount(), 2);
    QVERIFY(m_model->tick());
    QCOMPARE(m_model->processLines().mid(2),
             (QStringList{"训练题数为：2道", "完成时间为：2秒", "正确题数为：1道"}));
    QVERIFY(!m_model->runView().timerRunning);
}

void TestTrainingRun::amountZero_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("timed") << 0;
    QTest::newRow("counted") << 1;
}

void TestTrainingRun::amountZero()
{
    QFETCH(int, mode);
    writeBank({"3+4="}, {"7"});
    enter(mode, "0");
    start();
    if (mode == 0) {
        // The start press is ignored: the time is used up before it begins.
        QVERIFY(m_model->runView().startEnabled);
        QVERIFY(!m_model->runView().timerRunning);
        QVERIFY(m_model->canEndAtOnce(false));
        return;
    }
    QVERIFY(m_model->runView().timerRunning);
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("3+4="));
    QVERIFY(m_model->tick());
    QCOMPARE(m_model->processLines(), (QStringList{"训练题数为：0道", "完成时间为：1秒", "正确题数为：0道"}));
}

void TestTrainingRun::amountTextNotANumberStopsStart()
{
    writeBank({"3+4="}, {"7"});
    m_model->selectRange(0);
    m_model->selectMode(1);
    m_model->selectAmount(1, "50");
    QVERIFY_THROWS_EXCEPTION(ConvertError, m_model->enterCustomAmount("abc"));
    m_model->writeTrainingTexts();
    m_model->loadBank();
    QCOMPARE(m_model->text(TrainingText::Amount), QStringLiteral("abc道"));
    try {
        start();
        QFAIL("started");
    } catch (const ConvertError &error) {
        QCOMPARE(error.text(), QStringLiteral("'abc' is not a valid integer value"));
    }
    QVERIFY(m_model->runView().startEnabled);
    QVERIFY(!m_model->runView().timerRunning);
}

void TestTrainingRun::decimalAnswerLines()
{
    writeBank({"0.3+0.4=", "1.2×0.5="}, {"0.7", "0.6"});
    enter(1, "5");
    start(); // draws line 0
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("0.3+0.4="));
    answer("0.70");
    QCOMPARE(m_model->run()->correctCount(), 1);
    QCOMPARE(m_model->processLines().last(), QStringLiteral("第1题    0.3+0.4=0.7    √"));
}

void TestTrainingRun::answerLineNotANumber()
{
    writeBank({"1+1=", "2+2="}, {"abc", "4"});
    enter(1, "5");
    try {
        start(); // draws line 0
        QFAIL("no error");
    } catch (const ConvertError &error) {
        QCOMPARE(error.text(), QStringLiteral("'abc' is not a valid integer value"));
    }
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("1+1="));
    QVERIFY(m_model->processLines().isEmpty());
    QCOMPARE(m_model->runView().answerText, QString()); // ready for the next answer
    // Judged against no answer rather than the one before it.
    QVERIFY_THROWS_EXCEPTION(ConvertError, answer("0"));
    QCOMPARE(m_model->processLines().last(), QStringLiteral("第1题    1+1=0    ×"));
}

void TestTrainingRun::emptyQuestionList()
{
    TextFile::writeLines(m_appDir->filePath("data/make.da"), {"1"});
    m_model->selectRange(0);
    m_model->selectMode(1);
    m_model->selectAmount(0, "10");
    QVERIFY_THROWS_EXCEPTION(FileOpenError, m_model->loadBank());
    try {
        start();
        QFAIL("no error");
    } catch (const ListIndexError &error) {
        QCOMPARE(error.text(), QStringLiteral("List index out of bounds (0)"));
    }
    QVERIFY(m_model->run()->started());
}

void TestTrainingRun::shortAnswerList()
{
    QStringList questions, answers;
    indexBank(100, questions, answers);
    writeBank(questions, answers.mid(0, 3));
    enter(1, "10");
    try {
        start(); // draws line 3, which has no answer
        QFAIL("no error");
    } catch (const ListIndexError &error) {
        QCOMPARE(error.text(), QStringLiteral("List index out of bounds (3)"));
    }
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("Q3="));
}

// Once "2+2=" took the answer of the question before it and a child typing 2
// throughout scored full marks.
void TestTrainingRun::missingAnswerLineIsNeverRight()
{
    writeBank({"1+1=", "2+2="}, {"2"});
    enter(1, "12");
    QStringList errors;
    const auto step = [&](const QString &text) {
        try {
            answer(text);
        } catch (const ListIndexError &error) {
            errors.append(error.text());
        }
    };
    step(QString());
    for (int i = 0; i < 12; ++i)
        step("2");
    const QStringList lines = m_model->processLines();
    QCOMPARE(lines.size(), 12);
    QVERIFY(!errors.isEmpty());
    QCOMPARE(errors.first(), QStringLiteral("List index out of bounds (1)"));
    int rightCount = 0;
    for (const QString &line : lines) {
        QCOMPARE(line.endsWith(u'√'), line.contains("1+1=2"));
        rightCount += line.endsWith(u'√');
    }
    QVERIFY(rightCount < 12);
    QCOMPARE(m_model->run()->correctCount(), rightCount);
}

// Every answer line a bank may hold: read as a whole number, else as a
// decimal, else the whole-number error shows and the run goes on.
void TestTrainingRun::hostileAnswerLines_data()
{
    QTest::addColumn<QByteArray>("answerFile");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    QTest::newRow("hexadecimal") << QByteArray("$1F\r\n") << "31" << "";
    QTest::newRow("beyond 32 bits reads as a decimal") << QByteArray("2147483648\r\n") << "2147483648" << "";
    QTest::newRow("trailing blank reads as a decimal") << QByteArray("7 \r\n") << "7" << "";
    QTest::newRow("not a number") << QByteArray("seven\r\n") << "7" << "'seven' is not a valid integer value";
    QTest::newRow("longer than the questions") << QByteArray("7\r\n8\r\n9\r\n") << "7" << "";
    QTest::newRow("NUL ends the file") << QByteArray("7\r\n\0" "8\r\n", 6) << "7" << "";
}

void TestTrainingRun::hostileAnswerLines()
{
    QFETCH(QByteArray, answerFile);
    QFETCH(QString, typed);
    QFETCH(QString, error);
    TextFile::writeLines(m_appDir->filePath("data/make.tm"), {"3+4="});
    QFile answers(m_appDir->filePath("data/make.da"));
    QVERIFY(answers.open(QIODevice::WriteOnly));
    answers.write(answerFile);
    answers.close();
    enter(1, "5");
    try {
        start();
        QVERIFY2(error.isEmpty(), "no error");
        answer(typed);
        QCOMPARE(m_model->run()->correctCount(), 1);
    } catch (const ConvertError &e) {
        QCOMPARE(e.text(), error);
        QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("3+4="));
    }
}

void TestTrainingRun::twoMillionLineBank()
{
    QByteArray questions, answers;
    for (int i = 0; i < 2000000; ++i) {
        questions += QByteArray::number(i) + "+0=\r\n";
        answers += QByteArray::number(i) + "\r\n";
    }
    QFile q(m_appDir->filePath("data/make.tm")), a(m_appDir->filePath("data/make.da"));
    QVERIFY(q.open(QIODevice::WriteOnly) && q.write(questions) == questions.size());
    QVERIFY(a.open(QIODevice::WriteOnly) && a.write(answers) == answers.size());
    q.close();
    a.close();
    enter(1, "3");
    start();
    for (int i = 0; i < 3; ++i)
        answer(m_model->text(TrainingText::Question).chopped(3));
    QCOMPARE(m_model->questionLines().size(), 2000000);
    QCOMPARE(m_model->run()->correctCount(), 3);
}

void TestTrainingRun::dataFolderUnderAFile()
{
    // Tests run as root, so only a path through a plain file cannot be read.
    QVERIFY(QDir(m_appDir->filePath("data")).removeRecursively());
    TextFile::writeLines(m_appDir->filePath("data"), {"not a folder"});
    m_model->selectRange(0);
    m_model->selectMode(1);
    m_model->selectAmount(0, "10");
    try {
        m_model->loadBank();
        QFAIL("loaded");
    } catch (const FileOpenError &error) {
        QCOMPARE(error.text(), "Cannot open file " + m_appDir->filePath("data/make.da"));
    }
}

// An empty right-answer sound once dropped the answer from the record and
// booked the later ones to the wrong questions.
void TestTrainingRun::soundFailureIsToldOnceAndRunGoesOn()
{
    writeBank({"3+4="}, {"7"});
    enter(1, "5");
    m_sound.failure = "无法播放声音文件 c0.wav：没有声音";
    try {
        start();
        QFAIL("no error");
    } catch (const NumoraError &error) {
        QCOMPARE(error.text(), m_sound.failure);
    }
    QCOMPARE(m_model->text(TrainingText::Question), QStringLiteral("3+4="));
    QCOMPARE(m_model->runView().answerText, QString());
    answer("7"); // silently now
    answer("8");
    QCOMPARE(m_model->processLines(),
             (QStringList{"第1题    3+4=7    √", "第2题    3+4=8    ×"}));
    QCOMPARE(m_model->run()->correctCount(), 1);
    QCOMPARE(m_model->text(TrainingText::Left), QStringLiteral("3道"));
    QCOMPARE(m_model->text(TrainingText::Right), QStringLiteral("1道"));
    QVERIFY(m_sound.played.isEmpty());
}

void TestTrainingRun::canEndAtOnce()
{
    writeBank({"3+4="}, {"7"});
    enter(1, "1");
    QVERIFY(m_model->canEndAtOnce(false)); // before the start press
    start();
    QVERIFY(!m_model->canEndAtOnce(false)); // running
    QVERIFY(m_model->canEndAtOnce(true));   // the selection panel is up
    answer("7");
    QVERIFY(m_model->tick());
    QVERIFY(m_model->canEndAtOnce(false)); // finished
}

void TestTrainingRun::finishedOnceOnly()
{
    writeBank({"3+4="}, {"7"});
    enter(1, "1");
    start();
    answer("7");
    QVERIFY(m_model->tick()); // finishes while a question is open
    const QByteArray written = recordBytes();
    QFile::remove(m_model->state().RecordPath);
    m_model->finishRun(); // the question's Yes
    QVERIFY(!QFile::exists(m_model->state().RecordPath));
    QCOMPARE(m_model->processLines().size(), 4);
    QVERIFY(!written.isEmpty());
}

QTEST_GUILESS_MAIN(TestTrainingRun)
#include "tst_trainingrun.moc"
