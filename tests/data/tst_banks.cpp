// Every delivered bank: line-aligned files, and every answer recomputed
// exactly from its question.
#include "training/Arithmetic.h"
#include "training/Numbers.h"
#include "text/TextFile.h"
#include "training/TrainingCatalogue.h"

#include <QSet>
#include <QTest>

class TestBanks : public QObject
{
    Q_OBJECT

private slots:
    void bankAnswersAreRight_data();
    void bankAnswersAreRight();
};

void TestBanks::bankAnswersAreRight_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("operators");
    QTest::addColumn<int>("minOperators");
    QTest::addColumn<int>("maxOperators");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("decimals");
    QTest::addColumn<int>("minQuestions");
    const QString addSub = "+-", mulDiv = QStringLiteral("×÷"), all = QStringLiteral("+-×÷");
    QTest::newRow("custom") << 0 << all << 1 << 3 << qint64(10000) << false << 10;
    QTest::newRow("within 20, one step") << 1 << addSub << 1 << 1 << qint64(20) << false << 200;
    QTest::newRow("within 20, two steps") << 2 << addSub << 2 << 2 << qint64(20) << false << 200;
    QTest::newRow("within 100, one step") << 3 << addSub << 1 << 1 << qint64(100) << false << 200;
    QTest::newRow("within 100, two steps") << 4 << addSub << 2 << 2 << qint64(100) << false << 200;
    QTest::newRow("within 10000, add and subtract") << 5 << addSub << 1 << 1 << qint64(10000) << false << 200;
    QTest::newRow("multiplication table") << 6 << mulDiv << 1 << 1 << qint64(81) << false << 150;
    QTest::newRow("within 10000, multiply and divide") << 7 << mulDiv << 1 << 1 << qint64(10000) << false << 200;
    QTest::newRow("mixed four operations") << 8 << all << 2 << 3 << qint64(10000) << false << 200;
    QTest::newRow("one digit times two digits") << 9 << QStringLiteral("×") << 1 << 1 << qint64(891) << false << 200;
    QTest::newRow("decimal add and subtract") << 10 << addSub << 1 << 1 << qint64(200) << true << 200;
    QTest::newRow("decimal multiply and divide") << 11 << mulDiv << 1 << 1 << qint64(100) << true << 200;
}

void TestBanks::bankAnswersAreRight()
{
    QFETCH(int, range);
    QFETCH(QString, operators);
    QFETCH(int, minOperators);
    QFETCH(int, maxOperators);
    QFETCH(qint64, limit);
    QFETCH(bool, decimals);
    QFETCH(int, minQuestions);

    const auto &bank = TrainingCatalogue::range(range);
    auto local = [](QString relative) { return QStringLiteral(NUMORA_SOURCE_DIR) + relative.replace(u'\\', u'/'); };
    const QStringList questions = TextFile::readLines(local(bank.questionFile));
    const QStringList answers = TextFile::readLines(local(bank.answerFile));
    QCOMPARE(questions.size(), answers.size());
    QVERIFY2(questions.size() >= minQuestions && questions.size() <= 5000, qPrintable(QString::number(questions.size())));
    QCOMPARE(QSet<QString>(questions.begin(), questions.end()).size(), questions.size());

    bool anyDecimal = false;
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const QString &question = questions.at(i);
        const QString where = QStringLiteral("line %1: %2 %3").arg(i + 1).arg(question, answers.at(i));
        QVERIFY2(question.endsWith(u'='), qPrintable(where));
        const auto evaluation = evaluateQuestion(question);
        QVERIFY2(evaluation, qPrintable(where));
        const Fraction value = evaluation->value;
        QVERIFY2(evaluation->operators >= minOperators && evaluation->operators <= maxOperators, qPrintable(where));
        for (QChar op : std::as_const(evaluation->operatorKinds))
            QVERIFY2(operators.contains(op), qPrintable(where));
        for (const Fraction &seen : std::as_const(evaluation->seen)) {
            QVERIFY2(seen.num >= 0 && seen.num <= limit * seen.den, qPrintable(where));
            anyDecimal |= !seen.whole();
        }

        // The answer line is what the program reads, and it is exact.
        const auto answer = Fraction::fromDecimal(answers.at(i));
        QVERIFY2(answer && *answer == value, qPrintable(where));
        QVERIFY2(decimals || value.whole(), qPrintable(where));
        QCOMPARE(Numbers::answerValue(answers.at(i)), Numbers::toFloat(answers.at(i)));
    }
    QCOMPARE(anyDecimal, decimals);
}

QTEST_GUILESS_MAIN(TestBanks)
#include "tst_banks.moc"
