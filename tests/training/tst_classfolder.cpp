// A class's roster: which lines name a pupil folder, whatever the
// spreadsheet that wrote it, and which are refused with their line.
#include "text/TextFile.h"
#include "training/ClassFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

class TestClassFolder : public QObject
{
    Q_OBJECT

private slots:
    void readsUtf8AndGbk_data();
    void readsUtf8AndGbk();
    void refusesNamesThatLeaveTheFolder_data();
    void refusesNamesThatLeaveTheFolder();
    void findsTheClassSetting_data();
    void findsTheClassSetting();
};

void TestClassFolder::readsUtf8AndGbk_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("王小明\r\n\r\n  李华 \n　张伟A　\r");
    QTest::newRow("UTF-8") << text.toUtf8();
    QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    QTest::newRow("GBK") << TextFile::encodeGbk(text);
}

void TestClassFolder::readsUtf8AndGbk()
{
    QFETCH(QByteArray, bytes);
    const Roster roster = ClassFolder::parseRoster(bytes);
    QCOMPARE(roster.names, (QStringList{"王小明", "李华", "张伟A"}));
    QVERIFY(roster.refused.isEmpty());
}

void TestClassFolder::refusesNamesThatLeaveTheFolder_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("up and out") << "../../x";
    QTest::newRow("up") << "..";
    QTest::newRow("a folder below") << "王伟/作业";
    QTest::newRow("backslash") << "王伟\\作业";
    QTest::newRow("hidden") << ".王伟";
    QTest::newRow("control character") << "王\t伟";
    QTest::newRow("NUL") << QString("王") + QChar(0) + "伟";
    QTest::newRow("not kept on a Windows share") << "王伟?";
    QTest::newRow("repeat") << "王伟";
    QTest::newRow("repeat but for case") << "wang WEI";
    QTest::newRow("too long") << QString(100, u'王');
}

void TestClassFolder::refusesNamesThatLeaveTheFolder()
{
    QFETCH(QString, line);
    const Roster roster = ClassFolder::parseRoster(QStringLiteral("王伟\nWang Wei\n%1\n李华\n").arg(line).toUtf8());
    QCOMPARE(roster.names, (QStringList{"王伟", "Wang Wei", "李华"}));
    QCOMPARE(roster.refused.size(), 1);
    QCOMPARE(roster.refused.first().line, 3);
    QVERIFY(!roster.refused.first().reason.isEmpty());
}

void TestClassFolder::findsTheClassSetting_data()
{
    // Files as "where:ClassFolder=value" ("portable", "user", "computer").
    QTest::addColumn<bool>("portable");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected"); // below the test's root
    QTest::newRow("none") << false << QStringList{} << "";
    QTest::newRow("beside a portable program") << true << QStringList{"portable:/share/3班"} << "/share/3班";
    QTest::newRow("a portable program reads no other")
        << true << QStringList{"user:/share/3班", "computer:/share/4班"} << "";
    QTest::newRow("the computer's") << false << QStringList{"computer:/share/4班"} << "/share/4班";
    QTest::newRow("the user's first") << false << QStringList{"user:/share/3班", "computer:/share/4班"} << "/share/3班";
    QTest::newRow("relative to the file") << false << QStringList{"user:班级/3班"} << "/config/numora/班级/3班";
    QTest::newRow("a file without the line") << false << QStringList{"user:", "computer:/share/4班"} << "/share/4班";
}

void TestClassFolder::findsTheClassSetting()
{
    QFETCH(bool, portable);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir root;
    const QString base = root.path();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + "/config"));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(base + "/etc/xdg"));
    const ProgramFolders folders = portable ? ProgramFolders(base + "/program")
                                            : ProgramFolders(base + "/usr/share/numora", base + "/home", base + "/lib");
    const QHash<QString, QString> where{{"portable", base + "/program/numora.conf"},
                                        {"user", base + "/config/numora/numora.conf"},
                                        {"computer", base + "/etc/xdg/numora/numora.conf"}};
    for (const QString &file : files) {
        const QString path = where.value(file.section(u':', 0, 0));
        QDir().mkpath(QFileInfo(path).path());
        QString value = file.section(u':', 1);
        if (value.startsWith(u'/'))
            value.prepend(base);
        TextFile::writeLines(path, value.isEmpty() ? QStringList{"# nothing set"} : QStringList{"ClassFolder=" + value});
    }
    const QString found = ClassFolder::configuredFolder(ClassFolder::settingFiles(folders));
    QCOMPARE(QDir::cleanPath(found), expected.isEmpty() ? QString() : QDir::cleanPath(base + expected));
}

QTEST_MAIN(TestClassFolder)
#include "tst_classfolder.moc"
