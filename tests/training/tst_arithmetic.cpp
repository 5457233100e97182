#include "training/Arithmetic.h"

#include <QTest>

class TestArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void evaluates_data();
    void evaluates();
    void decimalForms_data();
    void decimalForms();
};

void TestArithmetic::evaluates_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("value"); // empty: no value

    QTest::newRow("bank signs") << QStringLiteral("12×3÷4=") << "9";
    QTest::newRow("ascii signs and blanks") << QStringLiteral(" 12 * 3 / 4 = ") << "9";
    QTest::newRow("full-width signs") << QStringLiteral("（1＋2）×3－4＝") << "5";
    QTest::newRow("precedence") << QStringLiteral("2+3×4=") << "14";
    QTest::newRow("parentheses") << QStringLiteral("(2+3)×4=") << "20";
    QTest::newRow("decimals exactly") << QStringLiteral("0.1+0.2=") << "0.3";
    QTest::newRow("division not whole") << QStringLiteral("7÷4=") << "1.75";
    QTest::newRow("a third") << QStringLiteral("1÷3=") << "0.333333333333333";
    QTest::newRow("negative result") << QStringLiteral("3-5.5=") << "-2.5";
    QTest::newRow("division by zero") << QStringLiteral("3÷(2-2)=") << "";
    QTest::newRow("no equals sign") << QStringLiteral("3+4") << "";
    QTest::newRow("words") << QStringLiteral("三加四=") << "";
    QTest::newRow("open parenthesis") << QStringLiteral("(3+4=") << "";
    QTest::newRow("beyond 64 bits") << QStringLiteral("999999999999999999×999999999999999999=") << "";
    const auto nested = [](int depth) { return QString(depth, u'(') + u'7' + QString(depth, u')') + u'='; };
    QTest::newRow("200 brackets deep") << nested(200) << "7";
    QTest::newRow("201 brackets deep") << nested(201) << "";
    // Once a crash of every report start: the descent ran out of stack.
    QTest::newRow("30,000 brackets deep") << nested(30000) << "";
    QTest::newRow("30,000 unclosed") << QString(30000, u'(') + u'=' << "";
}

void TestArithmetic::evaluates()
{
    QFETCH(QString, question);
    QFETCH(QString, value);
    const auto evaluation = evaluateQuestion(question);
    QCOMPARE(evaluation ? evaluation->value.toDecimal() : QString(), value);
}

void TestArithmetic::decimalForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("whole") << "120" << true;
    QTest::newRow("decimal") << "0.05" << true;
    QTest::newRow("bare point") << "3." << false;
    QTest::newRow("sign") << "-3" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("exponent") << "1E5" << false;
}

void TestArithmetic::decimalForms()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const auto value = Fraction::fromDecimal(text);
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(value->toDecimal(), text);
}

QTEST_GUILESS_MAIN(TestArithmetic)
#include "tst_arithmetic.moc"
