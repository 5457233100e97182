// The training record a run writes: its bytes, its name, and what is left
// when it cannot be written.
#include "support/RunTestBase.h"
#include "text/Errors.h"
#include "training/RecordReader.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

class TestRecordFile : public RunTestBase
{
    Q_OBJECT

private slots:
    void init() { resetRun(); }
    void recordExactBytes();
    void recordTakesNextFreeNumber();
    void recordPassesPlantedLinks();
    void recordCreatesMissingJobFolder();
    void recordWriteFailure();
    void recordOnFullDisk();
    void recordKeepsQuestionBytes();
    void answerTimesFollowTheirRecord();
};

void TestRecordFile::recordExactBytes()
{
    writeBank({"3×4="}, {"12"});
    enter(1, "10");
    start();
    answer("12");
    answer("1.5");
    for (int i = 0; i < 25; ++i)
        m_model->tick();
    m_model->finishRun(); // "结束训练" and Yes
    QCOMPARE(m_model->state().RecordPath, m_appDir->path() + "/job/2026-12-8-第1次.xl");
    QCOMPARE(recordBytes(), QByteArray("\xB5\xDA" "1\xCC\xE2    3\xA1\xC1" "4=12    \xA1\xCC\r\n"
                                       "\xB5\xDA" "2\xCC\xE2    3\xA1\xC1" "4=1.5    \xA1\xC1\r\n"
                                       "\xD1\xB5\xC1\xB7\xCC\xE2\xCA\xFD\xCE\xAA\xA3\xBA" "10\xB5\xC0\r\n"
                                       "\xCD\xEA\xB3\xC9\xCA\xB1\xBC\xE4\xCE\xAA\xA3\xBA" "25\xC3\xEB\r\n"
                                       "\xD5\xFD\xC8\xB7\xCC\xE2\xCA\xFD\xCE\xAA\xA3\xBA" "1\xB5\xC0\r\n"));
}

void TestRecordFile::recordTakesNextFreeNumber()
{
    writeBank({"3+4="}, {"7"});
    enter(1, "1");
    start();
    // Another copy wrote number 1 since this one started.
    TextFile::writeLines(m_appDir->filePath("job/2026-12-8-第1次.xl"), {"theirs"});
    m_model->finishRun();
    QCOMPARE(m_model->state().RecordPath, m_appDir->path() + "/job/2026-12-8-第2次.xl");
    // Made as any file the user makes, not only for its owner.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(m_model->state().RecordPath).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0666 & ~mask);
    QCOMPARE(TextFile::readLines(m_appDir->filePath("job/2026-12-8-第1次.xl")), QStringList{"theirs"});
    QCOMPARE(TextFile::readLines(m_model->state().RecordPath).size(), 3);
}

void TestRecordFile::recordPassesPlantedLinks()
{
    writeBank({"3+4="}, {"7"});
    enter(1, "1");
    start();
    // Links planted at the names a record would take are passed, not followed.
    QTemporaryDir outside;
    const QString theirs = outside.filePath("theirs.txt");
    TextFile::writeLines(theirs, {"theirs"});
    QDir().mkpath(m_appDir->filePath("job"));
    QVERIFY(QFile::link(outside.filePath("nowhere"), m_appDir->filePath("job/2026-12-8-第1次.xl")));
    QVERIFY(QFile::link(theirs, m_appDir->filePath("job/2026-12-8-第2次.xl")));
    m_model->finishRun();
    QCOMPARE(m_model->state().RecordPath, m_appDir->path() + "/job/2026-12-8-第3次.xl");
    QCOMPARE(TextFile::readLines(theirs), QStringList{"theirs"});
    QVERIFY(!QFileInfo::exists(outside.filePath("nowhere")));
}

void TestRecordFile::recordCreatesMissingJobFolder()
{
    writeBank({"3+4="}, {"7"});
    enter(0, "1");
    start();
    QVERIFY(QDir(m_appDir->filePath("job")).removeRecursively());
    QVERIFY(m_model->tick());
    QCOMPARE(TextFile::readLines(m_model->state().RecordPath).size(), 3);
}

void TestRecordFile::recordWriteFailure()
{
    writeBank({"3+4="}, {"7"});
    enter(1, "1");
    start();
    answer("7");
    // A plain file where the job folder belongs: nothing can be created there.
    QVERIFY(QDir(m_appDir->filePath("job")).removeRecursively());
    TextFile::writeLines(m_appDir->filePath("job"), {"not a folder"});
    try {
        m_model->tick();
        QFAIL("written");
    } catch (const FileCreateError &error) {
        QVERIFY2(error.text().startsWith("Cannot create file " + m_appDir->path() + "/job/2026-12-8-第1次.xl: "),
                 qPrintable(error.text()));
    }
    QCOMPARE(m_model->processLines().first(), QStringLiteral("第1题    3+4=7    √"));
    QVERIFY(!m_model->runView().timerRunning);
    QVERIFY(m_model->canEndAtOnce(false));
    QVERIFY(!m_model->tick());
    m_model->finishRun();
    QCOMPARE(m_model->processLines().size(), 4); // no further line removed
}

// Once an empty "第1次.xl" stayed behind and the message did not say why.
void TestRecordFile::recordOnFullDisk()
{
    // A small file system of this process's own over the job folder.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        QSKIP("no mount namespace of its own");
    const QByteArray job = QFile::encodeName(m_appDir->filePath("job"));
    QCOMPARE(::mount("tmpfs", job.constData(), "tmpfs", 0, "size=8k"), 0);
    const auto unmount = qScopeGuard([&job] { ::umount(job.constData()); });
    QFile filler(m_appDir->filePath("job/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
    }
    filler.close();
    QStringList questions, answers;
    indexBank(10, questions, answers);
    writeBank(questions, answers);
    enter(1, "3");
    start();
    for (int i = 0; i < 3; ++i)
        answer("1");
    try {
        m_model->tick();
        QFAIL("written");
    } catch (const FileCreateError &error) {
        QVERIFY2(error.text().endsWith(": No space left on device"), qPrintable(error.text()));
    }
    QCOMPARE(QDir(m_appDir->filePath("job")).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"});
}

void TestRecordFile::recordKeepsQuestionBytes()
{
    QFile bank(m_appDir->filePath("data/make.tm"));
    QVERIFY(bank.open(QIODevice::WriteOnly));
    bank.write("3\xFF+\x81" "4=\r\n");
    bank.close();
    TextFile::writeLines(m_appDir->filePath("data/make.da"), {"7"});
    enter(1, "1");
    start();
    answer("7");
    m_model->finishRun();
    QVERIFY(recordBytes().startsWith("\xB5\xDA" "1\xCC\xE2    3\xFF+\x81" "4=7    \xA1\xCC\r\n"));
}

void TestRecordFile::answerTimesFollowTheirRecord()
{
    qint64 now = 0;
    m_model = std::make_unique<TrainingModel>(m_appDir->path(), &m_sound, 0, [&now] { return now; });
    m_model->fixRecordPath([] { return QStringLiteral("2026-12-8"); });
    writeBank({"3+4="}, {"7"});
    enter(1, "5");
    // Times left without their record, and a record of an older version
    // without times: neither name is taken, neither is paired with this run.
    const QString job = m_appDir->filePath("job/");
    TextFile::writeLines(job + "2026-12-8-第1次.csv", {"题号,题目,答案,对错,用时毫秒", "1,3+4=,7,√,1"});
    TextFile::writeLines(job + "2026-12-8-第2次.xl", {"theirs"});
    now = 1000;
    start();
    now = 1700;
    answer("7");
    now = 5700;
    answer("8");
    m_model->finishRun();
    QCOMPARE(m_model->state().RecordPath, job + "2026-12-8-第3次.xl");
    QFile times(job + "2026-12-8-第3次.csv");
    QVERIFY(times.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(times.readAll()), "题号,题目,答案,对错,用时毫秒\r\n1,3+4=,7,√,700\r\n2,3+4=,8,×,4000\r\n");
    QVERIFY(!QFileInfo::exists(job + "2026-12-8-第2次.csv"));
    QCOMPARE(TextFile::readLines(job + "2026-12-8-第1次.csv").last(), "1,3+4=,7,√,1");

    const auto millisOf = [](const QString &record) {
        QList<qint64> millis;
        const RecordRead read = RecordReader::read(record);
        for (const RecordedAnswer &answer : read.run->answers)
            millis.append(answer.millis);
        return millis;
    };
    QCOMPARE(millisOf(job + "2026-12-8-第3次.xl"), (QList<qint64>{700, 4000}));
    // Times that are not this record's answers are not read as its times.
    TextFile::writeLines(job + "2026-12-8-第3次.csv", {"题号,题目,答案,对错,用时毫秒", "1,3+4=,7,√,5", "2,3+4=,9,×,6"});
    QCOMPARE(millisOf(job + "2026-12-8-第3次.xl"), (QList<qint64>{-1, -1}));
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
