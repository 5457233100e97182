// Writes the delivered question banks into a data folder: for each range a
// question file (.tm) and an answer file (.da), GBK with CR LF, shuffled with
// a fixed seed so that the output is the same on every run.
// Usage: make_banks DATA_FOLDER
#include "text/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <cstdio>
#include <functional>

namespace {

const QString kTimes = QStringLiteral("×");
const QString kDivide = QStringLiteral("÷");

// A small deterministic generator, so that no library's distribution
// changes the banks.
class Random
{
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    int between(int low, int high) // inclusive
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return low + int(m_state % quint64(high - low + 1));
    }

private:
    quint64 m_state;
};

struct Question
{
    QString text; // without the "="
    QString answer;
};

class Bank
{
public:
    explicit Bank(quint64 seed) : random(seed) {}

    Random random;

    void add(const QString &text, const QString &answer)
    {
        if (m_seen.contains(text))
            return;
        m_seen.insert(text);
        m_questions.append({text, answer});
    }
    void add(const QString &text, qint64 answer) { add(text, QString::number(answer)); }

    // Draws until the bank holds count questions or tries run out.
    void fill(int count, const std::function<void()> &drawOne)
    {
        for (int tries = 0; m_questions.size() < count && tries < count * 200; ++tries)
            drawOne();
    }

    bool write(const QString &folder, const QString &stem)
    {
        for (qsizetype i = m_questions.size() - 1; i > 0; --i)
            m_questions.swapItemsAt(i, random.between(0, int(i)));
        QStringList questions, answers;
        for (const Question &q : std::as_const(m_questions)) {
            questions.append(q.text + u'=');
            answers.append(q.answer);
        }
        TextFile::writeLines(folder + u'/' + stem + QStringLiteral(".tm"), questions);
        TextFile::writeLines(folder + u'/' + stem + QStringLiteral(".da"), answers);
        std::printf("%s: %lld questions\n", qPrintable(stem), qlonglong(questions.size()));
        return true;
    }

private:
    QList<Question> m_questions;
    QSet<QString> m_seen;
};

QString n(qint64 value) { return QString::number(value); }

// A fixed-point number with the given decimal places as text, without
// trailing zeros.
QString decimal(qint64 scaled, int places)
{
    qint64 unit = 1;
    for (int i = 0; i < places; ++i)
        unit *= 10;
    QString text = n(scaled / unit);
    QString fraction = QStringLiteral("%1").arg(scaled % unit, places, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return text;
}

// a ± b, or nothing when it leaves the range 0..limit.
bool step(qint64 a, bool plus, qint64 b, qint64 limit, qint64 &result)
{
    result = plus ? a + b : a - b;
    return result >= 0 && result <= limit;
}

QString sign(bool plus) { return plus ? QStringLiteral("+") : QStringLiteral("-"); }

void oneStep(Bank &bank, int low, int high, qint64 limit, int count)
{
    bank.fill(count, [&] {
        const qint64 a = bank.random.between(low, high), b = bank.random.between(low, high);
        const bool plus = bank.random.between(0, 1);
        qint64 r;
        if (step(a, plus, b, limit, r))
            bank.add(n(a) + sign(plus) + n(b), r);
    });
}

void twoSteps(Bank &bank, int low, int high, qint64 limit, int count)
{
    bank.fill(count, [&] {
        const qint64 a = bank.random.between(low, high), b = bank.random.between(low, high),
                     c = bank.random.between(low, high);
        const bool p1 = bank.random.between(0, 1), p2 = bank.random.between(0, 1);
        qint64 r1, r2;
        if (step(a, p1, b, limit, r1) && step(r1, p2, c, limit, r2))
            bank.add(n(a) + sign(p1) + n(b) + sign(p2) + n(c), r2);
    });
}

void within20OneStep(Bank &bank)
{
    for (int a = 0; a <= 20; ++a)
        for (int b = 0; b <= 20; ++b) {
            if (a + b <= 20)
                bank.add(n(a) + u'+' + n(b), a + b);
            if (b <= a)
                bank.add(n(a) + u'-' + n(b), a - b);
        }
}

void multiplicationTable(Bank &bank)
{
    for (int a = 0; a <= 9; ++a)
        for (int b = 0; b <= 9; ++b) {
            if (a == 0 && b == 0)
                continue;
            bank.add(n(a) + kTimes + n(b), a * b);
            if (a > 0)
                bank.add(n(a * b) + kDivide + n(a), b);
        }
}

void within10000TimesDivide(Bank &bank)
{
    bank.fill(1000, [&] {
        const int a = bank.random.between(11, 999), b = bank.random.between(2, 99);
        if (a * b <= 10000)
            bank.add(n(a) + kTimes + n(b), a * b);
    });
    bank.fill(2000, [&] {
        const int divisor = bank.random.between(2, 99), quotient = bank.random.between(2, 999);
        if (divisor * quotient <= 10000)
            bank.add(n(divisor * quotient) + kDivide + n(divisor), quotient);
    });
}

// Mixed operations within 10000: every partial result a whole number from
// 0 to 10000, divisions exact.
void mixedOperations(Bank &bank)
{
    auto ok = [](qint64 v) { return v >= 0 && v <= 10000; };
    bank.fill(2000, [&] {
        Random &r = bank.random;
        const qint64 a = r.between(2, 200), b = r.between(2, 99), c = r.between(2, 99);
        switch (r.between(0, 9)) {
        case 0: // a + b × c
            if (ok(b * c) && ok(a + b * c))
                bank.add(n(a) + u'+' + n(b) + kTimes + n(c), a + b * c);
            break;
        case 1: // a × b - c
            if (ok(a * b) && ok(a * b - c))
                bank.add(n(a) + kTimes + n(b) + u'-' + n(c), a * b - c);
            break;
        case 2: // (a + b) × c
            if (ok(a + b) && ok((a + b) * c))
                bank.add(u'(' + n(a) + u'+' + n(b) + u')' + kTimes + n(c), (a + b) * c);
            break;
        case 3: // (a - b) × c
            if (ok(a - b) && ok((a - b) * c))
                bank.add(u'(' + n(a) + u'-' + n(b) + u')' + kTimes + n(c), (a - b) * c);
            break;
        case 4: // a × b ÷ c
            if (ok(a * b) && (a * b) % c == 0)
                bank.add(n(a) + kTimes + n(b) + kDivide + n(c), a * b / c);
            break;
        case 5: // (b × c) ÷ c + a, shown as q ÷ c + a
            if (ok(b * c) && ok(b + a))
                bank.add(n(b * c) + kDivide + n(c) + u'+' + n(a), b + a);
            break;
        case 6: // a - q ÷ c
            if (ok(b * c) && ok(a - b))
                bank.add(n(a) + u'-' + n(b * c) + kDivide + n(c), a - b);
            break;
        case 7: // (a + b) ÷ c
            if ((a + b) % c == 0)
                bank.add(u'(' + n(a) + u'+' + n(b) + u')' + kDivide + n(c), (a + b) / c);
            break;
        case 8: // a × (b - c)
            if (ok(b - c) && ok(a * (b - c)))
                bank.add(n(a) + kTimes + u'(' + n(b) + u'-' + n(c) + u')', a * (b - c));
            break;
        default: // a + b - c × d
        {
            const qint64 d = r.between(2, 9);
            if (ok(a + b) && ok(c * d) && ok(a + b - c * d))
                bank.add(n(a) + u'+' + n(b) + u'-' + n(c) + kTimes + n(d), a + b - c * d);
            break;
        }
        }
    });
}

void oneDigitTimesTwoDigits(Bank &bank)
{
    for (int a = 2; a <= 9; ++a)
        for (int b = 10; b <= 99; ++b) {
            bank.add(n(a) + kTimes + n(b), a * b);
            bank.add(n(b) + kTimes + n(a), a * b);
        }
}

void decimalAddSubtract(Bank &bank)
{
    // Numbers in hundredths: one or two decimal places, up to 99.99.
    auto draw = [&](int places) {
        const qint64 v = bank.random.between(1, places == 1 ? 999 : 9999);
        return places == 1 ? v * 10 : v;
    };
    bank.fill(2000, [&] {
        const qint64 a = draw(bank.random.between(1, 2)), b = draw(bank.random.between(1, 2));
        const bool plus = bank.random.between(0, 1);
        if (a % 100 == 0 && b % 100 == 0)
            return; // keep a decimal in every question
        if (!plus && a < b)
            return;
        bank.add(decimal(a, 2) + sign(plus) + decimal(b, 2), decimal(plus ? a + b : a - b, 2));
    });
}

void decimalTimesDivide(Bank &bank)
{
    // Products: tenths times a one-digit whole number or tenths.
    bank.fill(1000, [&] {
        const qint64 a = bank.random.between(1, 99);
        if (bank.random.between(0, 1)) {
            const qint64 b = bank.random.between(2, 9);
            if (a % 10)
                bank.add(decimal(a, 1) + kTimes + n(b), decimal(a * b, 1));
        } else {
            const qint64 b = bank.random.between(1, 9);
            if (a % 10 || b % 10)
                bank.add(decimal(a, 1) + kTimes + decimal(b, 1), decimal(a * b, 2));
        }
    });
    // Exact divisions: quotient in tenths, divisor whole or in tenths.
    bank.fill(2000, [&] {
        const qint64 q = bank.random.between(1, 99);
        if (bank.random.between(0, 1)) {
            const qint64 d = bank.random.between(2, 9);
            if (q % 10)
                bank.add(decimal(q * d, 1) + kDivide + n(d), decimal(q, 1));
        } else {
            const qint64 d = bank.random.between(2, 9); // tenths: 0.2 to 0.9
            bank.add(decimal(q * d, 2) + kDivide + decimal(d, 1), decimal(q, 1));
        }
    });
}

void customStarter(Bank &bank)
{
    const QList<std::pair<const char *, int>> questions = {
        {"3+5", 8},      {"9-4", 5},      {"7+8", 15},     {"15-9", 6},     {"2×6", 12},
        {"18÷3", 6},     {"25+37", 62},   {"64-28", 36},   {"7×8", 56},     {"72÷9", 8},
        {"4×5+6", 26},   {"30-4×6", 6},   {"(12+8)÷5", 4}, {"6×(9-3)", 36}, {"100-45", 55},
        {"48÷6×2", 16},  {"13+29-17", 25}, {"9×9", 81},    {"56÷7", 8},     {"36+64", 100},
    };
    for (const auto &[text, answer] : questions)
        bank.add(QString::fromUtf8(text), answer);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_banks DATA_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    const QList<std::pair<const char *, std::function<void(Bank &)>>> banks = {
        {"make", customStarter},
        {"201", within20OneStep},
        {"202", [](Bank &b) { twoSteps(b, 1, 19, 20, 1500); }},
        {"1001", [](Bank &b) { oneStep(b, 1, 99, 100, 2000); }},
        {"1002", [](Bank &b) { twoSteps(b, 1, 99, 100, 2000); }},
        {"10000a", [](Bank &b) { oneStep(b, 10, 9999, 10000, 2000); }},
        {"kj", multiplicationTable},
        {"10000d", within10000TimesDivide},
        {"sz", mixedOperations},
        {"12", oneDigitTimesTwoDigits},
        {"xsjj", decimalAddSubtract},
        {"xscc", decimalTimesDivide},
    };
    quint64 seed = 20261208;
    for (const auto &[stem, build] : banks) {
        Bank bank(seed++);
        build(bank);
        bank.write(folder, QString::fromLatin1(stem));
    }
    return 0;
}
