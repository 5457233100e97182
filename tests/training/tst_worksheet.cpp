#include "training/Worksheet.h"

#include <QSet>
#include <QTest>

class TestWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void seedTextRoundTrips();
    void readsSeedText_data();
    void readsSeedText();
    void readsCode_data();
    void readsCode();
    void keepsQuestionsWithFiniteValues();
    void drawsWithoutRepeatsWhileEnough_data();
    void drawsWithoutRepeatsWhileEnough();
    void seedDecidesTheSheet();
    void namesSources_data();
    void namesSources();

private:
    static QList<SheetQuestion> pool(int size)
    {
        QStringList questions;
        for (int i = 0; i < size; ++i)
            questions << QStringLiteral("%1+1=").arg(i);
        return Worksheet::usable(questions);
    }
};

void TestWorksheet::seedTextRoundTrips()
{
    for (const quint32 seed : {0u, 1u, 31u, 32u, 123456789u, (1u << 30) - 1}) {
        const QString text = Worksheet::seedText(seed);
        QCOMPARE(text.size(), 6);
        QCOMPARE(Worksheet::parseSeed(text), std::optional<quint32>(seed));
    }
}

void TestWorksheet::readsSeedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seed"); // -1: refused
    QTest::newRow("digits") << "000012" << 34;
    QTest::newRow("lower case") << "00000z" << 31;
    QTest::newRow("O, I and L as digits") << "0000OI" << 1;
    QTest::newRow("L") << "00000L" << 1;
    QTest::newRow("U is no digit") << "00000U" << -1;
    QTest::newRow("too short") << "00001" << -1;
    QTest::newRow("too long") << "0000001" << -1;
    QTest::newRow("not Latin") << "00000二" << -1;
}

void TestWorksheet::readsSeedText()
{
    QFETCH(QString, text);
    QFETCH(int, seed);
    const auto read = Worksheet::parseSeed(text);
    QCOMPARE(read.has_value(), seed >= 0);
    if (read)
        QCOMPARE(int(*read), seed);
}

void TestWorksheet::readsCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::newRow("range") << "4-100-4-K7M2QX" << true;
    QTest::newRow("mistakes") << "m-10-1-000001" << true;
    QTest::newRow("range 13") << "13-100-4-K7M2QX" << false;
    QTest::newRow("count 201") << "4-201-4-K7M2QX" << false;
    QTest::newRow("columns 0") << "4-100-0-K7M2QX" << false;
    QTest::newRow("three parts") << "4-100-K7M2QX" << false;
}

void TestWorksheet::readsCode()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    const auto recipe = SheetRecipe::fromCode(code);
    QCOMPARE(recipe.has_value(), valid);
    if (recipe)
        QCOMPARE(recipe->code(), code.toUpper());
}

void TestWorksheet::keepsQuestionsWithFiniteValues()
{
    const QList<SheetQuestion> kept = Worksheet::usable(
        QStringList{"7×8=", " 7×8= ", "1÷3=", "1÷4=", "3÷0=", "abc", "", "0.1+0.2=", "12-20="});
    const QList<SheetQuestion> expected{{"7×8=", "56"}, {"1÷4=", "0.25"}, {"0.1+0.2=", "0.3"}, {"12-20=", "-8"}};
    QCOMPARE(kept, expected);
}

void TestWorksheet::drawsWithoutRepeatsWhileEnough_data()
{
    QTest::addColumn<int>("poolSize");
    QTest::addColumn<int>("count");
    QTest::newRow("more than enough") << 300 << 100;
    QTest::newRow("just enough") << 100 << 100;
    QTest::newRow("too few: repeats as needed") << 30 << 100;
    QTest::newRow("one question") << 1 << 10;
}

void TestWorksheet::drawsWithoutRepeatsWhileEnough()
{
    QFETCH(int, poolSize);
    QFETCH(int, count);
    const QList<SheetQuestion> sheet = Worksheet::draw(pool(poolSize), count, 77);
    QCOMPARE(sheet.size(), count);
    QHash<QString, int> times;
    for (const SheetQuestion &item : sheet)
        ++times[item.question];
    QCOMPARE(times.size(), qMin(poolSize, count));
    const int most = (count + poolSize - 1) / poolSize;
    for (const int n : times)
        QVERIFY(n == most || n == most - 1);
}

void TestWorksheet::seedDecidesTheSheet()
{
    QCOMPARE(Worksheet::draw(pool(100), 50, 5), Worksheet::draw(pool(100), 50, 5));
    QVERIFY(Worksheet::draw(pool(100), 50, 5) != Worksheet::draw(pool(100), 50, 6));
}

void TestWorksheet::namesSources_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("name");
    QTest::newRow("mistakes") << 0 << "错题本";
    QTest::newRow("custom bank") << 1 << "自制题库";
    QTest::newRow("range 2") << 2 << "20以内一步加减法";
    QTest::newRow("range 12") << 12 << "小数乘除法";
}

void TestWorksheet::namesSources()
{
    QFETCH(int, source);
    QFETCH(QString, name);
    QCOMPARE(Worksheet::sourceName(source), name);
}

QTEST_GUILESS_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
