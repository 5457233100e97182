// Every delivered bank: line-aligned files, and every answer recomputed
// exactly from its question.
#include "training/Numbers.h"
#include "training/TextFile.h"
#include "training/TrainingCatalogue.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <numeric>
#include <optional>

namespace {

// An exact fraction, so that decimal questions are checked without rounding.
struct Fraction
{
    qint64 num = 0;
    qint64 den = 1;

    static Fraction make(qint64 n, qint64 d)
    {
        if (d < 0)
            n = -n, d = -d;
        const qint64 g = std::gcd(n, d);
        return {n / g, d / g};
    }
    friend Fraction operator+(Fraction a, Fraction b) { return make(a.num * b.den + b.num * a.den, a.den * b.den); }
    friend Fraction operator-(Fraction a, Fraction b) { return make(a.num * b.den - b.num * a.den, a.den * b.den); }
    friend Fraction operator*(Fraction a, Fraction b) { return make(a.num * b.num, a.den * b.den); }
    friend Fraction operator/(Fraction a, Fraction b) { return make(a.num * b.den, a.den * b.num); }
    friend bool operator==(Fraction a, Fraction b) { return a.num == b.num && a.den == b.den; }
    bool whole() const { return den == 1; }
};

std::optional<Fraction> parseDecimal(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)(?:\\.(\\d+))?$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString digits = match.captured(1) + match.captured(2);
    qint64 den = 1;
    for (int i = 0; i < match.captured(2).size(); ++i)
        den *= 10;
    return Fraction::make(digits.toLongLong(), den);
}

// Evaluates + - × ÷ and parentheses with the usual precedence, and notes
// every number met on the way: operands and partial results.
class Evaluator
{
public:
    explicit Evaluator(QString text) : m_text(std::move(text)) {}

    std::optional<Fraction> run()
    {
        const auto value = sum();
        if (!value || m_pos != m_text.size())
            return std::nullopt;
        return value;
    }

    QList<Fraction> seen;
    int operators = 0;
    QSet<QChar> operatorKinds;

private:
    QChar peek() const { return m_pos < m_text.size() ? m_text.at(m_pos) : QChar(); }

    std::optional<Fraction> sum()
    {
        auto left = product();
        while (left && (peek() == u'+' || peek() == u'-')) {
            const QChar op = m_text.at(m_pos++);
            const auto right = product();
            if (!right)
                return std::nullopt;
            left = op == u'+' ? *left + *right : *left - *right;
            note(op, *left);
        }
        return left;
    }

    std::optional<Fraction> product()
    {
        auto left = factor();
        while (left && (peek() == QChar(0xD7) || peek() == QChar(0xF7))) {
            const QChar op = m_text.at(m_pos++);
            const auto right = factor();
            if (!right || (op == QChar(0xF7) && right->num == 0))
                return std::nullopt;
            left = op == QChar(0xD7) ? *left * *right : *left / *right;
            note(op, *left);
        }
        return left;
    }

    std::optional<Fraction> factor()
    {
        if (peek() == u'(') {
            ++m_pos;
            const auto inner = sum();
            if (!inner || peek() != u')')
                return std::nullopt;
            ++m_pos;
            return inner;
        }
        const qsizetype start = m_pos;
        while (peek().isDigit() || peek() == u'.')
            ++m_pos;
        const auto number = parseDecimal(m_text.mid(start, m_pos - start));
        if (number)
            seen.append(*number);
        return number;
    }

    void note(QChar op, Fraction result)
    {
        ++operators;
        operatorKinds.insert(op);
        seen.append(result);
    }

    QString m_text;
    qsizetype m_pos = 0;
};

struct BankRule
{
    QString operators;      // the signs allowed
    int minOperators;
    int maxOperators;
    qint64 limit;           // no number or partial result above it
    bool decimals;          // whether decimal numbers belong in the bank
    int minQuestions;
};

} // namespace

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
        Evaluator evaluator(question.chopped(1));
        const auto value = evaluator.run();
        QVERIFY2(value, qPrintable(where));
        QVERIFY2(evaluator.operators >= minOperators && evaluator.operators <= maxOperators, qPrintable(where));
        for (QChar op : std::as_const(evaluator.operatorKinds))
            QVERIFY2(operators.contains(op), qPrintable(where));
        for (const Fraction &seen : std::as_const(evaluator.seen)) {
            QVERIFY2(seen.num >= 0 && seen.num <= limit * seen.den, qPrintable(where));
            anyDecimal |= !seen.whole();
        }

        // The answer line is what the program reads, and it is exact.
        const auto answer = parseDecimal(answers.at(i));
        QVERIFY2(answer && *answer == *value, qPrintable(where));
        QVERIFY2(decimals || value->whole(), qPrintable(where));
        QCOMPARE(Numbers::answerValue(answers.at(i)), Numbers::toFloat(answers.at(i)));
    }
    QCOMPARE(anyDecimal, decimals);
}

QTEST_GUILESS_MAIN(TestBanks)
#include "tst_banks.moc"
