#include "platform/DrawSeed.h"
#include "training/DrawGenerator.h"

#include <QTest>

class TestDrawSeed : public QObject
{
    Q_OBJECT

private slots:
    void parsesUnsignedNumbers_data();
    void parsesUnsignedNumbers();
    void environmentSetsTheSeed();
    void launchesDrawDifferently();
};

void TestDrawSeed::parsesUnsignedNumbers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("seed"); // -1: no number
    QTest::newRow("zero") << QByteArray("0") << qint64(0);
    QTest::newRow("largest") << QByteArray("4294967295") << qint64(4294967295);
    QTest::newRow("hexadecimal") << QByteArray("0x10") << qint64(16);
    QTest::newRow("beyond 32 bits") << QByteArray("4294967296") << qint64(-1);
    QTest::newRow("negative") << QByteArray("-1") << qint64(-1);
    QTest::newRow("signed") << QByteArray("+1") << qint64(-1);
    QTest::newRow("blank before") << QByteArray(" 5") << qint64(-1);
    QTest::newRow("words") << QByteArray("seven") << qint64(-1);
    QTest::newRow("empty") << QByteArray() << qint64(-1);
}

void TestDrawSeed::parsesUnsignedNumbers()
{
    QFETCH(QByteArray, text);
    QFETCH(qint64, seed);
    const auto parsed = DrawSeed::parse(text);
    QCOMPARE(parsed ? qint64(*parsed) : -1, seed);
}

void TestDrawSeed::environmentSetsTheSeed()
{
    qputenv("NUMORA_SEED", "0");
    QCOMPARE(DrawSeed::forLaunch(), 0u);
    qputenv("NUMORA_SEED", "123456789");
    QCOMPARE(DrawSeed::forLaunch(), 123456789u);
    qunsetenv("NUMORA_SEED");
}

// Once every launch began 11+1, 7-4, 3+3, and a child learnt the list.
void TestDrawSeed::launchesDrawDifferently()
{
    qunsetenv("NUMORA_SEED");
    QSet<QList<quint32>> openings;
    for (int launch = 0; launch < 20; ++launch) {
        DrawGenerator generator(DrawSeed::forLaunch());
        QList<quint32> opening;
        for (int i = 0; i < 5; ++i)
            opening.append(generator.next(1000));
        openings.insert(opening);
        QTest::qWait(1);
    }
    QCOMPARE(openings.size(), 20);
    // The same moment in two processes still differs.
    QVERIFY(DrawSeed::mix(1'700'000'000'000'000'000ull, 1000) != DrawSeed::mix(1'700'000'000'000'000'000ull, 1001));
}

QTEST_GUILESS_MAIN(TestDrawSeed)
#include "tst_drawseed.moc"
