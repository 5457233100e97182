// A class's roster: which lines name a pupil folder, whatever the
// spreadsheet that wrote it, and which are refused with their line.
#include "text/TextFile.h"
#include "training/ClassFolder.h"

#include <QTest>

class TestClassFolder : public QObject
{
    Q_OBJECT

private slots:
    void readsUtf8AndGbk_data();
    void readsUtf8AndGbk();
    void refusesNamesThatLeaveTheFolder_data();
    void refusesNamesThatLeaveTheFolder();
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

QTEST_MAIN(TestClassFolder)
#include "tst_classfolder.moc"
