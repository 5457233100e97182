#include "text/Errors.h"
#include "training/Numbers.h"

#include <QTest>

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void readsWholeNumbers_data();
    void readsWholeNumbers();
    void rejectsWholeNumbers_data();
    void rejectsWholeNumbers();
    void readsDecimalNumbers_data();
    void readsDecimalNumbers();
    void rejectsDecimalNumbers_data();
    void rejectsDecimalNumbers();
    void readsLocaleSeparator();
    void readsTypedAnswers_data();
    void readsTypedAnswers();
    void formatsGeneral_data();
    void formatsGeneral();
};

void TestNumbers::readsWholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "12" << 12;
    QTest::newRow("leading blanks") << "   7" << 7;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("minus") << "-5" << -5;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("dollar hex") << "$1F" << 31;
    QTest::newRow("x hex") << "x10" << 16;
    QTest::newRow("0x hex") << "0xff" << 255;
    QTest::newRow("negative hex") << "-$10" << -16;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
}

void TestNumbers::readsWholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(Numbers::toInt(text), value);
}

void TestNumbers::rejectsWholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("trailing letter") << "07a";
    QTest::newRow("decimal") << "0.7";
    QTest::newRow("sign only") << "-";
    QTest::newRow("hex prefix only") << "$";
    QTest::newRow("overflow") << "2147483648";
    QTest::newRow("underflow") << "-2147483649";
    QTest::newRow("hex overflow") << "$80000000";
    QTest::newRow("huge") << "99999999999999999999";
    QTest::newRow("tab before") << "\t5";
}

void TestNumbers::rejectsWholeNumbers()
{
    QFETCH(QString, text);
    try {
        Numbers::toInt(text);
        QFAIL("accepted");
    } catch (const ConvertError &error) {
        QCOMPARE(error.text(), "'" + text + "' is not a valid integer value");
    }
}

void TestNumbers::readsDecimalNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("general");
    QTest::newRow("whole") << "7" << "7";
    QTest::newRow("point zero") << "7.0" << "7";
    QTest::newRow("plus") << "+7" << "7";
    QTest::newRow("blanks around") << "  7  " << "7";
    QTest::newRow("fraction") << "7.5" << "7.5";
    QTest::newRow("leading zero") << "08" << "8";
    QTest::newRow("lone separator") << "." << "0";
    QTest::newRow("no integer part") << ".25" << "0.25";
    QTest::newRow("no fraction digits") << "3." << "3";
    QTest::newRow("exponent") << "1e3" << "1000";
    QTest::newRow("signed exponent") << "25E-6" << "2.5E-5";
    QTest::newRow("negative") << "-0.7" << "-0.7";
    QTest::newRow("sixteen digits") << "1234567890123456" << "1.23456789012346E15";
}

void TestNumbers::readsDecimalNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, general);
    QCOMPARE(Numbers::formatGeneral(Numbers::toFloat(text)), general);
}

void TestNumbers::rejectsDecimalNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("trailing letter") << "07a";
    QTest::newRow("two separators") << "1.2.3";
    QTest::newRow("sign only") << "-";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("exponent only") << "e5";
    QTest::newRow("comma") << "1,5";
    QTest::newRow("hex") << "$10";
    QTest::newRow("overflow") << "1e99999";
}

void TestNumbers::rejectsDecimalNumbers()
{
    QFETCH(QString, text);
    try {
        Numbers::toFloat(text);
        QFAIL("accepted");
    } catch (const ConvertError &error) {
        QCOMPARE(error.text(), "'" + text + "' is not a valid floating point value");
    }
}

void TestNumbers::readsLocaleSeparator()
{
    QCOMPARE(Numbers::toFloat("7,5", u','), 7.5L);
    // The point the banks write is read under a comma locale too, once.
    QCOMPARE(Numbers::toFloat("7.5", u','), 7.5L);
    QVERIFY_THROWS_EXCEPTION(ConvertError, Numbers::toFloat("7.5,1", u','));
    QVERIFY_THROWS_EXCEPTION(ConvertError, Numbers::toFloat("7,5", u'.'));
    QCOMPARE(Numbers::formatGeneral(7.5L, u','), "7,5");
    // Equal to the answer line's value, not merely close to it.
    QCOMPARE(Numbers::toFloat("0.7"), Numbers::toFloat(" 0.70 "));
}

void TestNumbers::readsTypedAnswers_data()
{
    // Full-width forms come from a Chinese input method; an empty value
    // means the text is refused.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << " 12 " << "12";
    QTest::newRow("full-width digit") << "３" << "3";
    QTest::newRow("full-width number") << "１２" << "12";
    QTest::newRow("full-width point") << "１２．５" << "12.5";
    QTest::newRow("ideographic full stop") << "12。5" << "12.5";
    QTest::newRow("full-width minus") << "－７" << "-7";
    QTest::newRow("point after digits") << "5." << "5";
    QTest::newRow("point before digits") << ".5" << "0.5";
    QTest::newRow("lone point") << "." << "";
    QTest::newRow("lone full stop") << "。" << "";
    QTest::newRow("exponent") << "2e1" << "";
    QTest::newRow("two points") << "1。2.3" << "";
    QTest::newRow("sign only") << "－" << "";
    QTest::newRow("hex") << "$10" << "";
}

void TestNumbers::readsTypedAnswers()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    try {
        QCOMPARE(Numbers::formatGeneral(Numbers::typedAnswer(text, u'.')), value);
        QVERIFY2(!value.isEmpty(), "accepted");
    } catch (const ConvertError &error) {
        QVERIFY2(value.isEmpty(), qPrintable(error.text()));
        QCOMPARE(error.text(), "'" + text + "' is not a valid floating point value");
    }
}

void TestNumbers::formatsGeneral_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0L << "0";
    QTest::newRow("negative zero") << -0.0L << "0";
    QTest::newRow("whole") << 42.0L << "42";
    QTest::newRow("negative") << -3.25L << "-3.25";
    QTest::newRow("smallest fixed") << 0.0001L << "0.0001";
    QTest::newRow("below fixed") << 0.000025L << "2.5E-5";
    QTest::newRow("fifteen digits") << 999999999999999.0L << "999999999999999";
    QTest::newRow("sixteen digits") << 1e15L << "1E15";
    QTest::newRow("rounds up to sixteen") << 999999999999999.9L << "1E15";
    QTest::newRow("fifteen significant") << 0.1234567890123456789L << "0.123456789012346";
    QTest::newRow("third") << (1.0L / 3) << "0.333333333333333";
    QTest::newRow("large") << 1.5e300L << "1.5E300";
    QTest::newRow("sentinel") << 999999999999.0L << "999999999999";
}

void TestNumbers::formatsGeneral()
{
    QFETCH(long double, value);
    QFETCH(QString, text);
    QCOMPARE(Numbers::formatGeneral(value), text);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
