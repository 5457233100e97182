#include "training/BankPair.h"
#include "text/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Every state a crash can leave the custom bank's replacement in.
class TestBankPair : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void crashLeavesOldOrNewPair_data();
    void crashLeavesOldOrNewPair();
    void replaceWritesBothAndNothingElse();

private:
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytes(const QString &name) const
    {
        QFile file(m_dir->filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestBankPair::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    write("make.tm", "old questions\r\n");
    write("make.da", "old answers\r\n");
}

void TestBankPair::crashLeavesOldOrNewPair_data()
{
    QTest::addColumn<QStringList>("left"); // what the crash left besides the old pair
    QTest::addColumn<bool>("newPair");
    QTest::newRow("questions half written") << QStringList{"make.tm.new"} << false;
    QTest::newRow("both written, no journal") << QStringList{"make.tm.new", "make.da.new"} << false;
    QTest::newRow("journal, nothing renamed") << QStringList{"make.tm.new", "make.da.new", "make.tm.commit"} << true;
    QTest::newRow("journal, questions renamed") << QStringList{"make.tm", "make.da.new", "make.tm.commit"} << true;
    QTest::newRow("journal, both renamed") << QStringList{"make.tm", "make.da", "make.tm.commit"} << true;
}

void TestBankPair::crashLeavesOldOrNewPair()
{
    QFETCH(QStringList, left);
    QFETCH(bool, newPair);
    for (const QString &name : left) {
        if (name.startsWith("make.tm") && !name.endsWith(".commit"))
            write(name, "new questions\r\n");
        else if (name.startsWith("make.da"))
            write(name, "new answers\r\n");
        else
            write(name, "journal\n");
    }
    const BankPair pair(m_dir->filePath("make.tm"), m_dir->filePath("make.da"));
    pair.recover();
    const QByteArray expected = newPair ? "new" : "old";
    QCOMPARE(bytes("make.tm"), expected + " questions\r\n");
    QCOMPARE(bytes("make.da"), expected + " answers\r\n");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), (QStringList{"make.da", "make.tm"}));
}

void TestBankPair::replaceWritesBothAndNothingElse()
{
    const BankPair pair = BankPair::custom(m_dir->path());
    QVERIFY(QDir(m_dir->path()).mkdir("data"));
    QCOMPARE(pair.read(), std::nullopt);
    pair.replace("1+1=\r\n", "2\r\n");
    QCOMPARE(pair.read(), std::optional(std::pair{QByteArray("1+1=\r\n"), QByteArray("2\r\n")}));
    QCOMPARE(QDir(m_dir->filePath("data")).entryList(QDir::Files), (QStringList{"make.da", "make.tm"}));
}

QTEST_GUILESS_MAIN(TestBankPair)
#include "tst_bankpair.moc"
