#include "support/FakeSound.h"
#include "training/AnswerTimes.h"
#include "training/MistakeBook.h"
#include "training/RecordName.h"
#include "training/RecordReader.h"
#include "text/TextFile.h"
#include "training/TrainingModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestRecordReader : public QObject
{
    Q_OBJECT

private slots:
    void readsTheProgramsOwnRecord();
    void answerTimesKeepAwkwardQuestions();
    void skipsWhatIsNoRecord_data();
    void skipsWhatIsNoRecord();
    void tenThousandLines();
    void namesGiveDateAndNumber_data();
    void namesGiveDateAndNumber();
    void ambiguousNameTakesTheFileDate();
    void fifoIsSkippedUnread();
    void mistakesRankMostMissedFirst();
    void mastered_data();
    void mastered();
    void practiceBankReplacesAndKeepsTheOld();
    void practiceNeverReplacesTheTeachersBank();

private:
    static QByteArray gbk(const QString &text) { return TextFile::encodeGbk(text); }
};

void TestRecordReader::readsTheProgramsOwnRecord()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("data");
    TextFile::writeLines(dir.filePath("data/make.tm"), {"3+4=", "7÷2="});
    TextFile::writeLines(dir.filePath("data/make.da"), {"7", "3.5"});
    FakeSound sound;
    TrainingModel model(dir.path(), &sound);
    model.fixRecordPath([] { return QStringLiteral("2026-12-8"); });
    model.selectRange(0);
    model.selectMode(1);
    model.selectAmount(0, "3");
    model.writeTrainingTexts();
    model.loadBank();
    model.answerStep(QString());
    for (int i = 0; i < 3; ++i) {
        const bool half = model.text(TrainingText::Question) == QStringLiteral("7÷2=");
        model.answerStep(i == 2 ? QStringLiteral("1") : half ? QStringLiteral("3.5") : QStringLiteral("7"));
    }
    model.tick();
    model.finishRun();

    const RecordRead read = RecordReader::read(model.state().RecordPath);
    QVERIFY2(read.run, qPrintable(read.reason));
    const RecordedRun &run = *read.run;
    QCOMPARE(run.date, QDate(2026, 12, 8));
    QCOMPARE(run.runNumber, 1);
    QVERIFY(!run.timed);
    QCOMPARE(run.amount, 3);
    QCOMPARE(run.done, 3);
    QCOMPARE(run.right, 2);
    QCOMPARE(run.answers.size(), 3);
    QCOMPARE(run.answers.last().typed, "1");
    QVERIFY(!run.answers.last().right);
    QVERIFY(run.answers.last().question.endsWith(u'='));
}

void TestRecordReader::skipsWhatIsNoRecord_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // empty: a record
    const QByteArray answers = gbk("第1题    3+4=7    √\r\n第2题    5-1=3    ×\r\n");
    const QByteArray timed = gbk("训练时间为：60秒\r\n完成题数为：2道\r\n");
    QTest::newRow("record") << answers + timed + gbk("正确题数为：1道\r\n") << "";
    QTest::newRow("lone LF") << QByteArray(answers + timed + gbk("正确题数为：1道\r\n")).replace("\r\n", "\n") << "";
    QTest::newRow("answer not separable still done")
        << gbk("第1题    三加四    ×\r\n训练题数为：1道\r\n完成时间为：9秒\r\n正确题数为：0道\r\n") << "";
    QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10) << "不是训练记录：少于三行";
    QTest::newRow("truncated") << answers + gbk("训练时间为：60秒\r\n") << "记录不完整：总结缺行";
    QTest::newRow("no summary") << answers << "记录不完整：没有总结";
    QTest::newRow("extra line") << answers + timed + gbk("正确题数为：1道\r\n再见\r\n") << "记录有多余的行";
    QTest::newRow("wrong summary") << answers + timed + gbk("正确题数为：2道\r\n") << "总结与答题行不符";
    QTest::newRow("UTF-8 text") << QString("第1题    3+4=7    √\n训练时间为：60秒\n完成题数为：1道\n正确题数为：1道\n").toUtf8()
                                << "不是训练记录";
    QTest::newRow("notes") << gbk("一\r\n二\r\n三\r\n") << "不是训练记录：总结的格式不对";
}

void TestRecordReader::skipsWhatIsNoRecord()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const RecordRead read = RecordReader::parse(QStringLiteral("2026-12-8-第2次.xl"), bytes);
    QCOMPARE(read.reason, reason);
    QCOMPARE(read.run.has_value(), reason.isEmpty());
}

void TestRecordReader::tenThousandLines()
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 1; i <= 9997; ++i)
        bytes += gbk(QStringLiteral("第%1题    %1+1=%2    √\r\n").arg(i).arg(i + 1));
    bytes += gbk("训练时间为：600秒\r\n完成题数为：9997道\r\n正确题数为：9997道\r\n");
    QFile file(dir.filePath("2026-1-2-第3次.xl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const RecordRead read = RecordReader::read(file.fileName());
    QVERIFY(read.run);
    QCOMPARE(read.run->done, 9997);
    QCOMPARE(read.run->pace(), 9997.0 / 10);

    QFile huge(dir.filePath("huge.xl"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.resize(50 << 20);
    huge.close();
    QVERIFY(!RecordReader::read(huge.fileName()).run);
    QVERIFY(!RecordReader::read(dir.filePath("missing.xl")).run);
}

void TestRecordReader::namesGiveDateAndNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("number");
    QTest::newRow("ours") << "2026-12-8-第1次.xl" << QDate(2026, 12, 8) << 1;
    QTest::newRow("day first") << "28-2-2026-第12次.xl" << QDate(2026, 2, 28) << 12;
    QTest::newRow("day first, two-digit year, one way only") << "28-2-26-第2次.xl" << QDate(2026, 2, 28) << 2;
    // Older versions named records by the locale's short date.
    QTest::newRow("en_US, two ways") << "12-9-26-第1次.xl" << QDate() << 1;
    QTest::newRow("de_DE") << "09.12.26-第4次.xl" << QDate() << 4;
    QTest::newRow("de_DE, one way only") << "28.12.26-第4次.xl" << QDate(2026, 12, 28) << 4;
    QTest::newRow("renamed") << "小明.xl" << QDate() << 0;
}

void TestRecordReader::namesGiveDateAndNumber()
{
    QFETCH(QString, name);
    QFETCH(QDate, date);
    QFETCH(int, number);
    QDate parsed;
    int parsedNumber = 0;
    QCOMPARE(RecordName::parse(name, &parsed, &parsedNumber), number > 0);
    QCOMPARE(parsed, date);
    QCOMPARE(parsedNumber, number);
}

void TestRecordReader::ambiguousNameTakesTheFileDate()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("12-9-26-第3次.xl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(gbk("第1题    3+4=7    √\r\n训练时间为：60秒\r\n完成题数为：1道\r\n正确题数为：1道\r\n"));
    QVERIFY(file.flush()); // written before the time is set, which a later write would move to now
    QVERIFY(file.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(10, 0)), QFileDevice::FileModificationTime));
    file.close();
    const RecordRead read = RecordReader::read(file.fileName());
    QVERIFY(read.run);
    QCOMPARE(read.run->date, QDate(2026, 12, 9)); // not 2012-09-26
    QCOMPARE(read.run->runNumber, 3);
}

void TestRecordReader::fifoIsSkippedUnread()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("2026-12-9-第1次.xl");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const RecordRead read = RecordReader::read(fifo);
    QVERIFY(!read.run);
    QCOMPARE(read.reason, QStringLiteral("不是普通文件"));
}

void TestRecordReader::mistakesRankMostMissedFirst()
{
    const auto run = [](QDate date, QList<RecordedAnswer> answers) {
        RecordedRun r;
        r.date = date;
        r.answers = std::move(answers);
        return r;
    };
    const QList<RecordedRun> runs{
        run({2026, 12, 2}, {{"7×8=", "54", false}, {"6+7=", "13", true}, {"9-3=", "5", false}}),
        run({2026, 12, 1}, {{"7×8=", "48", false}, {"9-3=", "6", true}, {"1÷3=", "0.3", false}}),
        run({2026, 12, 3}, {{"三加四", "", false}, {"6+7=", "12", false}}),
    };
    const QList<Mistake> mistakes = MistakeBook::collect(runs);
    QStringList order;
    for (const Mistake &m : mistakes)
        order << m.question;
    QCOMPARE(order, (QStringList{"7×8=", "1÷3=", "6+7=", "9-3="}));
    QCOMPARE(mistakes.first().lastWrong, "54"); // the latest run's, not the last read
    QCOMPARE(mistakes.first().rightValue(), "56");
    QCOMPARE(mistakes.at(2).right, 1);
    QVERIFY(!mistakes.at(1).practicable()); // a third has no exact decimal
}

void TestRecordReader::mastered_data()
{
    QTest::addColumn<QString>("answers"); // of one question, oldest first: r right, w wrong
    QTest::addColumn<bool>("mastered");
    QTest::newRow("right twice after the mistake") << "wrr" << true;
    QTest::newRow("right once") << "wr" << false;
    QTest::newRow("missed again") << "wrrw" << false;
    QTest::newRow("right before the mistake does not count") << "rrw" << false;
    QTest::newRow("broken run of rights") << "wrwr" << false;
    QTest::newRow("mastered after missing again") << "wrrwrr" << true;
}

void TestRecordReader::mastered()
{
    QFETCH(QString, answers);
    QFETCH(bool, mastered);
    QList<RecordedRun> runs;
    for (qsizetype n = 0; n < answers.size(); ++n) { // one run a day, given newest first
        RecordedRun run;
        run.date = QDate(2026, 12, 1).addDays(n);
        run.answers = {{"7×8=", answers.at(n) == u'r' ? "56" : "54", answers.at(n) == u'r'}};
        runs.prepend(run);
    }
    const QList<Mistake> mistakes = MistakeBook::collect(runs);
    QCOMPARE(mistakes.size(), 1);
    QCOMPARE(mistakes.first().mastered(), mastered);
    // Kept, but a practice bank leaves it out.
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("data");
    QCOMPARE(MistakeBook::writePracticeBank(dir.path(), mistakes), mastered ? 0 : 1);
}

void TestRecordReader::practiceBankReplacesAndKeepsTheOld()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("data");
    TextFile::writeLines(dir.filePath("data/make.tm"), {"old="});
    TextFile::writeLines(dir.filePath("data/make.da"), {"1"});
    Mistake product{"7×8=", 2, 0, "54", Fraction{56, 1}};
    Mistake half{"7÷2=", 1, 0, "3", Fraction{7, 2}};
    Mistake third{"1÷3=", 1, 0, "0.3", Fraction{1, 3}};
    QCOMPARE(MistakeBook::writePracticeBank(dir.path(), {product, third, half}), 2);
    const auto bytes = [&dir](const char *name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QCOMPARE(bytes("data/make.tm"), gbk("7×8=\r\n7÷2=\r\n"));
    QCOMPARE(bytes("data/make.da"), QByteArray("56\r\n3.5\r\n"));
    QCOMPARE(bytes("data/make.tm.bak"), QByteArray("old=\r\n"));
    QCOMPARE(bytes("data/make.da.bak"), QByteArray("1\r\n"));
}

// Once a second "练习错题" replaced the teacher's bank in the .bak pair with
// the first practice bank.
void TestRecordReader::practiceNeverReplacesTheTeachersBank()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("data");
    const auto bank = [&dir](const QString &suffix = {}) {
        return QStringList{TextFile::readLines(dir.filePath("data/make.tm" + suffix)).value(0),
                           TextFile::readLines(dir.filePath("data/make.da" + suffix)).value(0)};
    };
    const auto teacherWrites = [&dir](const QString &question, const QString &answer) {
        TextFile::writeLines(dir.filePath("data/make.tm"), {question});
        TextFile::writeLines(dir.filePath("data/make.da"), {answer});
    };
    const auto practise = [&dir](const QString &question, qint64 value, int minute) {
        MistakeBook::writePracticeBank(dir.path(), {Mistake{question, 1, 0, "0", Fraction{value, 1}}},
                                       QDateTime(QDate(2026, 12, 9), QTime(10, minute)));
    };
    teacherWrites("1+1=", "2");
    practise("7×8=", 56, 0);
    practise("6×7=", 42, 1);
    QCOMPARE(bank(".bak"), (QStringList{"1+1=", "2"}));
    QCOMPARE(bank(), (QStringList{"6×7=", "42"}));
    QVERIFY(MistakeBook::canRestoreTeacherBank(dir.path()));

    // The teacher rewrote the bank since: both of the teacher's banks are kept.
    teacherWrites("2+2=", "4");
    practise("9×9=", 81, 2);
    QCOMPARE(bank(".bak"), (QStringList{"2+2=", "4"}));
    QCOMPARE(bank(".2026-12-09-100200.bak"), (QStringList{"1+1=", "2"}));

    MistakeBook::restoreTeacherBank(dir.path());
    QCOMPARE(bank(), (QStringList{"2+2=", "4"}));
    QVERIFY(!MistakeBook::canRestoreTeacherBank(dir.path()));

    // Putting the kept bank back never loses one the teacher wrote meanwhile.
    practise("3×3=", 9, 3);
    teacherWrites("5+5=", "10");
    MistakeBook::restoreTeacherBank(dir.path(), QDateTime(QDate(2026, 12, 9), QTime(11, 0)));
    QCOMPARE(bank(), (QStringList{"2+2=", "4"}));
    QCOMPARE(bank(".2026-12-09-110000.bak"), (QStringList{"5+5=", "10"}));
}

// A custom bank's question may hold a comma or a quote.
void TestRecordReader::answerTimesKeepAwkwardQuestions()
{
    const QList<TimedAnswer> written = {{1, "1,000+1=", "1001", true, 2500}, {2, "\"3\"+4=", "8", false, 0}};
    const QByteArray bytes = AnswerTimes::text(written);
    QVERIFY(bytes.contains("\"1,000+1=\""));
    const auto read = AnswerTimes::parse(bytes);
    QVERIFY(read);
    QCOMPARE(read->size(), 2);
    QCOMPARE(read->at(0).question + read->at(1).question, "1,000+1=\"3\"+4=");
    QCOMPARE(read->at(0).millis, 2500);
    QVERIFY(!AnswerTimes::parse("题号,题目,答案,对错,用时毫秒\r\n1,\"3+4=,7,√,5\r\n"));
}

QTEST_GUILESS_MAIN(TestRecordReader)
#include "tst_recordreader.moc"
