#include "support/FakeSound.h"
#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/BankPair.h"
#include "training/ProgramFolders.h"
#include "training/TrainingModel.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

class TestProgramFolders : public QObject
{
    Q_OBJECT

private slots:
    void tellsPortableFromInstalled_data();
    void tellsPortableFromInstalled();
    void findsUserDataHome_data();
    void findsUserDataHome();
    void copiesDeliveredBankOnce();
    void reportsFolderThatCannotBeMade();
    void installedRunReadsDeliveredAndWritesUsers();

private:
    // An installed tree: root/usr/bin, root/usr/share/numora/data and the
    // user's data home root/home.
    static ProgramFolders installedIn(const QTemporaryDir &root)
    {
        QDir(root.path()).mkpath("usr/bin");
        QDir(root.path()).mkpath("usr/share/numora/data");
        return ProgramFolders::forExecutable(root.filePath("usr/bin"), root.filePath("home"));
    }
};

void TestProgramFolders::tellsPortableFromInstalled_data()
{
    QTest::addColumn<QString>("besideExecutable"); // "" nothing, "dir:" or "file:" a name
    QTest::addColumn<bool>("portable");
    QTest::newRow("data folder beside") << "dir:data" << true;
    QTest::newRow("nothing beside") << "" << false;
    QTest::newRow("a file named data") << "file:data" << false;
    QTest::newRow("only job beside") << "dir:job" << false;
}

void TestProgramFolders::tellsPortableFromInstalled()
{
    QFETCH(QString, besideExecutable);
    QFETCH(bool, portable);
    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin");
    QDir().mkpath(bin);
    if (besideExecutable.startsWith("dir:"))
        QDir(bin).mkdir(besideExecutable.mid(4));
    else if (besideExecutable.startsWith("file:"))
        TextFile::writeLines(QDir(bin).filePath(besideExecutable.mid(5)), {"x"});

    const ProgramFolders folders = ProgramFolders::forExecutable(bin, "/home/kid/.local/share");
    QCOMPARE(folders.installed(), !portable);
    if (portable) {
        QCOMPARE(folders.delivered, bin);
        QCOMPARE(folders.user, bin);
        QCOMPARE(folders.modules, bin);
    } else {
        QCOMPARE(folders.delivered, root.filePath("usr/share/numora"));
        QCOMPARE(folders.user, QString("/home/kid/.local/share/numora"));
        QCOMPARE(folders.modules, root.filePath("usr/" NUMORA_LIBRARY_FOLDER));
    }
}

void TestProgramFolders::findsUserDataHome_data()
{
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("expected"); // empty: the user database's home
    QTest::newRow("XDG_DATA_HOME") << QByteArray("/data/kid") << QByteArray("/home/kid") << "/data/kid";
    QTest::newRow("unset") << QByteArray() << QByteArray("/home/kid") << "/home/kid/.local/share";
    QTest::newRow("relative is ignored") << QByteArray("data") << QByteArray("/home/kid") << "/home/kid/.local/share";
    QTest::newRow("no HOME") << QByteArray() << QByteArray() << QString();
}

void TestProgramFolders::findsUserDataHome()
{
    QFETCH(QByteArray, dataHome);
    QFETCH(QByteArray, home);
    QFETCH(QString, expected);
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    const auto set = [](const char *name, const QByteArray &value) {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    };
    set("XDG_DATA_HOME", dataHome);
    set("HOME", home);
    const QString found = UserData::home();
    set("XDG_DATA_HOME", savedDataHome.isEmpty() ? QByteArray() : savedDataHome);
    set("HOME", savedHome);
    if (expected.isEmpty())
        expected = QFile::decodeName(::getpwuid(::getuid())->pw_dir) + "/.local/share";
    QCOMPARE(found, expected);
}

void TestProgramFolders::copiesDeliveredBankOnce()
{
    QTemporaryDir root;
    const ProgramFolders folders = installedIn(root);
    BankPair::custom(folders.delivered).replace("1+1=\r\n", "2\r\n");

    UserData::prepare(folders);
    QVERIFY(QFileInfo(QDir(folders.user).filePath("job")).isDir());
    QCOMPARE(BankPair::custom(folders.user).read()->first, QByteArray("1+1=\r\n"));

    // The user's own bank, even a half one, is never replaced.
    BankPair::custom(folders.user).replace("7×8=\r\n", "56\r\n");
    QFile::remove(BankPair::custom(folders.user).answerPath());
    UserData::prepare(folders);
    QCOMPARE(BankPair::custom(folders.user).read()->first, QByteArray("7×8=\r\n"));
    QVERIFY(!QFile::exists(BankPair::custom(folders.user).answerPath()));
}

void TestProgramFolders::reportsFolderThatCannotBeMade()
{
    QTemporaryDir root;
    TextFile::writeLines(root.filePath("home"), {"a file where the data home should be"});
    QVERIFY_THROWS_EXCEPTION(FileCreateError, UserData::prepare(installedIn(root)));
}

void TestProgramFolders::installedRunReadsDeliveredAndWritesUsers()
{
    QTemporaryDir root;
    const ProgramFolders folders = installedIn(root);
    UserData::prepare(folders);
    QCOMPARE(BankPair::ofRange(folders, 0).questionPath(), QDir(folders.user).filePath("data/make.tm"));
    BankPair::ofRange(folders, 1).replace("1+1=\r\n", "2\r\n");

    FakeSound sound;
    TrainingModel model(folders, &sound);
    model.fixRecordPath([] { return QStringLiteral("2026-12-9"); });
    model.selectRange(1);
    model.selectMode(1);
    model.selectAmount(0, "10");
    model.writeRangeTitle();
    model.writeTrainingTexts();
    model.loadBank();
    model.answerStep(QString());
    for (int i = 0; i < 10; ++i)
        model.answerStep("2");
    QVERIFY(model.tick()); // the run ends and is recorded
    QVERIFY(!sound.played.isEmpty());
    QVERIFY2(sound.played.first().startsWith(folders.delivered + "/sound/"), qPrintable(sound.played.first()));
    QCOMPARE(QDir(QDir(folders.user).filePath("job")).entryList(QDir::Files),
             (QStringList{"2026-12-9-第1次.csv", "2026-12-9-第1次.xl"}));
}

QTEST_GUILESS_MAIN(TestProgramFolders)
#include "tst_programfolders.moc"
