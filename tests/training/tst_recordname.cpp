#include "platform/DateSource.h"
#include "training/RecordName.h"
#include "training/RecordReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestRecordName : public QObject
{
    Q_OBJECT

private slots:
    void picksFirstFreeNumber_data();
    void picksFirstFreeNumber();
    void mendsSeparatorsInDate_data();
    void mendsSeparatorsInDate();
    void readsDateForEveryTry();
    void namesReadBackAsTheirDay();
};

void TestRecordName::picksFirstFreeNumber_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty job folder") << QStringList() << "2003-5-12-第1次.xl";
    QTest::newRow("two taken") << QStringList{"2003-5-12-第1次.xl", "2003-5-12-第2次.xl"} << "2003-5-12-第3次.xl";
    QTest::newRow("gap not filled beyond first free") << QStringList{"2003-5-12-第2次.xl"} << "2003-5-12-第1次.xl";
    QTest::newRow("other days ignored") << QStringList{"2003-5-11-第1次.xl"} << "2003-5-12-第1次.xl";
}

void TestRecordName::picksFirstFreeNumber()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    QTemporaryDir appDir;
    QVERIFY(QDir(appDir.path()).mkdir("job"));
    for (const QString &name : existing) {
        QFile file(appDir.filePath("job/" + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const RecordName::Choice choice = RecordName::firstFree(
        appDir.path(), [] { return QStringLiteral("2003-5-12"); }, [](const QString &p) { return QFile::exists(p); });
    QCOMPARE(RecordName::path(appDir.path(), choice), appDir.path() + "/job/" + expected);
}

void TestRecordName::mendsSeparatorsInDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("name");
    QTest::newRow("dashes") << "2003-5-12" << "\\job\\2003-5-12-第7次.xl";
    QTest::newRow("slashes") << "2003/5/12" << "\\job\\2003-5-12-第7次.xl";
    QTest::newRow("backslashes") << "12\\5\\03" << "\\job\\12-5-03-第7次.xl";
    QTest::newRow("dots") << "12.05.03" << "\\job\\12.05.03-第7次.xl";
}

void TestRecordName::mendsSeparatorsInDate()
{
    QFETCH(QString, date);
    QFETCH(QString, name);
    QCOMPARE(RecordName::relativeName(date, 7), name);
}

void TestRecordName::readsDateForEveryTry()
{
    // Midnight passes while the names are tried: the later date counts.
    QStringList dates{"2003-5-12", "2003-5-13"};
    int reads = 0;
    const RecordName::Choice choice = RecordName::firstFree(
        " /app ", [&] { return dates.at(std::min(reads++, 1)); },
        [](const QString &p) { return p.endsWith("2003-5-12-第1次.xl"); });
    QCOMPARE(RecordName::path(" /app ", choice), QStringLiteral("/app/job/2003-5-13-第2次.xl"));
}

// Whatever the locale, a record's name reads back as the day it was written.
void TestRecordName::namesReadBackAsTheirDay()
{
    QCOMPARE(recordDateText(QDate(2003, 5, 12)), "2003-5-12");
    for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1)) {
        const QString name = RecordName::relativeName(recordDateText(day), 3).section(u'\\', -1);
        QDate date;
        int number = 0;
        QVERIFY(RecordName::parse(name, &date, &number));
        QCOMPARE(date, day);
        QCOMPARE(number, 3);
    }
}

QTEST_GUILESS_MAIN(TestRecordName)
#include "tst_recordname.moc"
