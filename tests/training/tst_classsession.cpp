// A class pupil's records carried to the class folder, and the bank
// fetched from it.
#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/AnswerTimes.h"
#include "training/BankPair.h"
#include "training/ClassSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestClassSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void deliversOldestFirstUnderFreeNumbers();
    void dropsWhatAlreadyArrived_data();
    void dropsWhatAlreadyArrived();
    void neverMakesAVanishedClassFolder();
    void fetchesThePupilsBankElseTheClasss();
    void mirrorsThePupilsRecords();
    void carriesAnEditedBank();

private:
    QString keep(const QString &pupil, const QString &name, const QStringList &lines, int ageSeconds);
    // Whole seconds, as a share keeps them, some time ago.
    static QDateTime ago(int seconds);
    QStringList delivered(const QString &pupil) const;

    QTemporaryDir m_root;
    QString m_class, m_kept;
};

void TestClassSession::init()
{
    QDir(m_root.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_root.filePath("class")));
    m_class = m_root.filePath("class");
    m_kept = m_root.filePath("kept");
    TextFile::writeLines(m_class + "/名单.txt", {"王小明", "李华"});
}

QString TestClassSession::keep(const QString &pupil, const QString &name, const QStringList &lines, int ageSeconds)
{
    const QString path = m_kept + "/" + pupil + "/job/" + name;
    QDir().mkpath(QFileInfo(path).path());
    TextFile::writeLines(path, lines);
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(ago(ageSeconds), QFileDevice::FileModificationTime);
    return path;
}

QDateTime TestClassSession::ago(int seconds)
{
    static const QDateTime now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    return now.addSecs(-seconds);
}

QStringList TestClassSession::delivered(const QString &pupil) const
{
    QStringList runs;
    const QDir job(m_class + "/" + pupil + "/job");
    for (const QString &name : job.entryList({"*.xl"}, QDir::Files, QDir::Name))
        runs << name + ":" + TextFile::readLines(job.filePath(name)).first();
    return runs;
}

void TestClassSession::deliversOldestFirstUnderFreeNumbers()
{
    // Another computer delivered number 1 of the day already.
    QDir().mkpath(m_class + "/王小明/job");
    TextFile::writeLines(m_class + "/王小明/job/2026-12-9-第1次.xl", {"theirs"});
    keep("王小明", "2026-12-9-第1次.xl", {"older"}, 60);
    keep("王小明", "2026-12-9-第2次.xl", {"newer"}, 10);
    keep("李华", "2026-12-8-第1次.xl", {"hers"}, 30);
    QCOMPARE(ClassSession::deliverKept(m_kept, m_class), 3);
    QCOMPARE(delivered("王小明"),
             (QStringList{"2026-12-9-第1次.xl:theirs", "2026-12-9-第2次.xl:older", "2026-12-9-第3次.xl:newer"}));
    QCOMPARE(delivered("李华"), QStringList{"2026-12-8-第1次.xl:hers"});
    QVERIFY(QDir(m_kept + "/王小明/job").isEmpty());
}

void TestClassSession::dropsWhatAlreadyArrived_data()
{
    QTest::addColumn<int>("arrivedAgeSeconds");
    QTest::addColumn<QString>("arrivedTimes");
    QTest::addColumn<QString>("keptTimes");
    QTest::addColumn<int>("deliveredRuns");
    // A delivery that hung finished after all: the kept copy is the same run.
    QTest::newRow("same bytes, same time") << 5 << "" << "" << 1;
    QTest::newRow("and the same answer times") << 5 << "1,1+1=,2,√,900" << "1,1+1=,2,√,900" << 1;
    // Two runs of a small bank can hold the same bytes.
    QTest::newRow("same bytes, another run") << 600 << "" << "" << 2;
    // One pupil on two computers, the same answers in the same second.
    QTest::newRow("same bytes and time, other answer times") << 5 << "1,1+1=,2,√,900" << "1,1+1=,2,√,1200" << 2;
}

void TestClassSession::dropsWhatAlreadyArrived()
{
    QFETCH(int, arrivedAgeSeconds);
    QFETCH(QString, arrivedTimes);
    QFETCH(QString, keptTimes);
    QFETCH(int, deliveredRuns);
    const QStringList lines{"第1题    1+1=2    √", "same"};
    const QString arrived = m_class + "/王小明/job/2026-12-9-第4次.xl";
    QDir().mkpath(QFileInfo(arrived).path());
    TextFile::writeLines(arrived, lines);
    QFile file(arrived);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(ago(arrivedAgeSeconds), QFileDevice::FileModificationTime));
    file.close();
    const QString kept = keep("王小明", "2026-12-9-第1次.xl", lines, 5);
    if (!arrivedTimes.isEmpty())
        TextFile::writeLines(AnswerTimes::companionPath(arrived), {"题号,题目,答案,对错,用时毫秒", arrivedTimes});
    if (!keptTimes.isEmpty())
        TextFile::writeLines(AnswerTimes::companionPath(kept), {"题号,题目,答案,对错,用时毫秒", keptTimes});
    ClassSession::deliverKept(m_kept, m_class);
    QCOMPARE(delivered("王小明").size(), deliveredRuns);
    QVERIFY(!QFileInfo::exists(kept));
}

void TestClassSession::neverMakesAVanishedClassFolder()
{
    // An unmounted share leaves its empty mount point.
    QFile::remove(m_class + "/名单.txt");
    const QString kept = keep("王小明", "2026-12-9-第1次.xl", {"mine"}, 5);
    QVERIFY_THROWS_EXCEPTION(NumoraError, ClassSession::deliverKept(m_kept, m_class));
    QVERIFY(QDir(m_class).isEmpty());
    QVERIFY(QFileInfo::exists(kept));
}

void TestClassSession::fetchesThePupilsBankElseTheClasss()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath("home")));
    const ProgramFolders program(m_root.filePath("program"));
    QDir().mkpath(m_class + "/data");
    QDir().mkpath(m_class + "/李华/data");
    BankPair::custom(m_class).replace("1+1=\r\n", "2\r\n");
    ClassSession session(m_class, "李华", program);
    QVERIFY(session.fetchBank(std::chrono::seconds(5)));
    const BankPair local = BankPair::custom(session.folders().user);
    QCOMPARE(local.read()->first, QByteArray("1+1=\r\n"));
    BankPair::custom(m_class + "/李华").replace("2+2=\r\n", "4\r\n");
    QVERIFY(session.fetchBank(std::chrono::seconds(5)));
    QCOMPARE(local.read()->first, QByteArray("2+2=\r\n"));
}

void TestClassSession::mirrorsThePupilsRecords()
{
    const QString job = m_class + "/李华/job", mirror = m_root.filePath("records");
    QDir().mkpath(job);
    TextFile::writeLines(job + "/2026-12-8-第1次.xl", {"first"});
    TextFile::writeLines(job + "/2026-12-8-第2次.xl", {"second"});
    QDir().mkpath(mirror);
    TextFile::writeLines(mirror + "/2026-12-8-第2次.xl", {"cut"}); // an earlier copy that broke off
    ClassSession::mirrorRecords(job, mirror);
    QCOMPARE(TextFile::readLines(mirror + "/2026-12-8-第1次.xl"), QStringList{"first"});
    QCOMPARE(TextFile::readLines(mirror + "/2026-12-8-第2次.xl"), QStringList{"second"});
}

void TestClassSession::carriesAnEditedBank()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath("home")));
    QDir().mkpath(m_class + "/data");
    BankPair::custom(m_class).replace("1+1=\r\n", "2\r\n");
    ClassSession session(m_class, "李华", ProgramFolders(m_root.filePath("program")));
    QVERIFY(session.fetchBank(std::chrono::seconds(5)));
    const QString local = session.folders().user;
    BankPair::custom(local).replace("3+3=\r\n", "6\r\n");
    // Edited while the class folder is gone: the edit waits here...
    QVERIFY(QFile::rename(m_class + "/名单.txt", m_class + "/名单.old"));
    session.bankEdited();
    QCOMPARE(session.awaitDelivery(std::chrono::seconds(5)), ClassSession::Delivery::Kept);
    // ...never replaced by the class's bank at the next start...
    QVERIFY(QFile::rename(m_class + "/名单.old", m_class + "/名单.txt"));
    QVERIFY(session.fetchBank(std::chrono::seconds(5)));
    QCOMPARE(BankPair::custom(local).read()->first, QByteArray("3+3=\r\n"));
    // ...and goes out as the pupil's own.
    session.deliver();
    QCOMPARE(session.awaitDelivery(std::chrono::seconds(5)), ClassSession::Delivery::Delivered);
    QCOMPARE(BankPair::custom(m_class + "/李华").read()->first, QByteArray("3+3=\r\n"));
    QCOMPARE(BankPair::custom(m_class).read()->first, QByteArray("1+1=\r\n"));
}

QTEST_MAIN(TestClassSession)
#include "tst_classsession.moc"
