#include "text/Errors.h"
#include "text/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void splitsLines_data();
    void splitsLines();
    void roundTripsGbk();
    void writesCrLfAfterEveryLine();
    void invalidBytesRoundTrip_data();
    void invalidBytesRoundTrip();
    void unencodableCharactersBecomeQuestionMarks();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void unwritablePathCannotBeCreated();
    void readsLargeFile();
};

void TestTextFile::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("crlf") << QByteArray("1+1=\r\n2+2=\r\n3+3=\r\n") << QStringList{"1+1=", "2+2=", "3+3="};
    QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("lone cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("lf cr is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n\r\n") << QStringList{"a", "", "b", ""};
    QTest::newRow("only a break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("nul ends text") << QByteArray("a\r\nb\0c\r\nd\r\n", 11) << QStringList{"a", "b"};
    QTest::newRow("blanks kept") << QByteArray(" 12 \r\n") << QStringList{" 12 "};
}

void TestTextFile::splitsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::splitLines(bytes), lines);
}

void TestTextFile::roundTripsGbk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bank.tm");
    const QStringList lines{QStringLiteral("×÷训练"), QStringLiteral("3×4=")};
    TextFile::writeLines(path, lines);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xA1\xC1\xA1\xC2\xD1\xB5\xC1\xB7\r\n" "3\xA1\xC1" "4=\r\n"));
    QCOMPARE(TextFile::readLines(path), lines);
}

void TestTextFile::writesCrLfAfterEveryLine()
{
    QCOMPARE(TextFile::joinLines({"a", "", "b"}), QByteArray("a\r\n\r\nb\r\n"));
    QCOMPARE(TextFile::joinLines({}), QByteArray());
}

void TestTextFile::invalidBytesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // a raw byte b reads as U+DC00 + b
    const auto raw = [](uchar b) { return QString(QChar(0xDC00 + b)); };
    QTest::newRow("lone lead at the end") << QByteArray("1+\x81") << "1+" + raw(0x81);
    QTest::newRow("lead before a digit") << QByteArray("\xB0" "1") << raw(0xB0) + "1";
    QTest::newRow("lead before a break") << QByteArray("\xB0\r\n") << raw(0xB0) + "\r\n";
    QTest::newRow("ff") << QByteArray("\xFF" "1") << raw(0xFF) + "1";
    QTest::newRow("80") << QByteArray("\x80") << raw(0x80);
    QTest::newRow("trail 7f") << QByteArray("\xB0\x7F") << raw(0xB0) + QChar(0x7F);
    QTest::newRow("four-byte sequence") << QByteArray("\x81\x30\x81\x30") << raw(0x81) + "0" + raw(0x81) + "0";
    QTest::newRow("between characters") << QByteArray("\xD1\xB5\xFF\xC1\xB7") << QStringLiteral("训") + raw(0xFF) + QStringLiteral("练");
}

void TestTextFile::invalidBytesRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextFile::decodeGbk(bytes), text);
    QCOMPARE(TextFile::encodeGbk(text), bytes);

    QTemporaryDir dir;
    const QString path = dir.filePath("bank.tm");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes + "\r\n");
    file.close();
    TextFile::writeLines(path, TextFile::readLines(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes + "\r\n");
}

void TestTextFile::unencodableCharactersBecomeQuestionMarks()
{
    QCOMPARE(TextFile::joinLines({QStringLiteral("a😀b")}), QByteArray("a?b\r\n"));
}

void TestTextFile::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing" << "";
    QTest::newRow("folder") << "folder" << ": 这不是普通文件";
    // A FIFO with no writer once hung the viewer, the editor and the run.
    QTest::newRow("fifo") << "fifo" << ": 这不是普通文件";
}

void TestTextFile::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("make.tm");
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("make.tm"));
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    try {
        TextFile::readLines(path);
        QFAIL("no error");
    } catch (const FileOpenError &error) {
        QCOMPARE(error.text(), "Cannot open file " + path + reason);
    }
}

void TestTextFile::unwritablePathCannotBeCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no-such-folder/out.xl");
    try {
        TextFile::writeLines(path, {"x"});
        QFAIL("no error");
    } catch (const FileCreateError &error) {
        QCOMPARE(error.text(), "Cannot create file " + path);
    }
}

void TestTextFile::readsLargeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large.tm");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray line("12\xA1\xC1" "34=\r\n"); // 9 bytes
    QByteArray block;
    for (int i = 0; i < 100000; ++i)
        block += line;
    for (int i = 0; i < 56; ++i)
        file.write(block); // about 50 MB
    file.close();

    const QStringList lines = TextFile::readLines(path);
    QCOMPARE(lines.size(), 5600000);
    QCOMPARE(lines.last(), QStringLiteral("12×34="));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
