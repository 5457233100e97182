#include "training/Arithmetic.h"

#include "training/Numbers.h"

#include <limits>
#include <utility>

namespace {

constexpr __int128 kMax = std::numeric_limits<qint64>::max();

__int128 gcd128(__int128 a, __int128 b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

// The signs as the banks write them; anything else is no operator.
QChar canonicalSign(QChar c)
{
    switch (c.unicode()) {
    case u'+': case 0xFF0B: return u'+';
    case u'-': case 0xFF0D: case 0x2212: return u'-';
    case 0xD7: case u'*': case 0xFF0A: return QChar(0xD7);
    case 0xF7: case u'/': case 0xFF0F: return QChar(0xF7);
    case 0xFF08: return u'(';
    case 0xFF09: return u')';
    case 0xFF1D: return u'=';
    default: return c;
    }
}

// Deeper than any question a person writes, and far within the stack: each
// level costs three frames of the descent below.
constexpr int kMaxNesting = 200;

class Parser
{
public:
    explicit Parser(QString text) : m_text(std::move(text)) {}

    std::optional<Evaluation> run()
    {
        const auto value = sum();
        if (!value || m_pos != m_text.size())
            return std::nullopt;
        m_result.value = *value;
        return m_result;
    }

private:
    QChar peek() const { return m_pos < m_text.size() ? m_text.at(m_pos) : QChar(); }

    std::optional<Fraction> sum()
    {
        auto left = product();
        while (left && (peek() == u'+' || peek() == u'-')) {
            const QChar op = m_text.at(m_pos++);
            const auto right = product();
            left = right ? (op == u'+' ? *left + *right : *left - *right) : std::nullopt;
            note(op, left);
        }
        return left;
    }

    std::optional<Fraction> product()
    {
        auto left = factor();
        while (left && (peek() == QChar(0xD7) || peek() == QChar(0xF7))) {
            const QChar op = m_text.at(m_pos++);
            const auto right = factor();
            left = right ? (op == QChar(0xD7) ? *left * *right : *left / *right) : std::nullopt;
            note(op, left);
        }
        return left;
    }

    std::optional<Fraction> factor()
    {
        if (peek() == u'(') {
            if (m_depth == kMaxNesting)
                return std::nullopt;
            ++m_pos;
            ++m_depth;
            const auto inner = sum();
            --m_depth;
            if (!inner || peek() != u')')
                return std::nullopt;
            ++m_pos;
            return inner;
        }
        const qsizetype start = m_pos;
        while (peek().isDigit() || peek() == u'.')
            ++m_pos;
        const auto number = Fraction::fromDecimal(QStringView(m_text).sliced(start, m_pos - start));
        if (number)
            m_result.seen.append(*number);
        return number;
    }

    void note(QChar op, const std::optional<Fraction> &result)
    {
        if (!result)
            return;
        ++m_result.operators;
        m_result.operatorKinds.insert(op);
        m_result.seen.append(*result);
    }

    QString m_text;
    qsizetype m_pos = 0;
    int m_depth = 0;
    Evaluation m_result;
};

} // namespace

std::optional<Fraction> Fraction::make(__int128 num, __int128 den)
{
    if (den == 0)
        return std::nullopt;
    if (den < 0)
        num = -num, den = -den;
    if (const __int128 g = gcd128(num, den); g > 1)
        num /= g, den /= g;
    if (num > kMax || num < -kMax || den > kMax)
        return std::nullopt;
    return Fraction{qint64(num), qint64(den)};
}

std::optional<Fraction> Fraction::fromDecimal(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    if (whole.isEmpty() || (point >= 0 && fraction.isEmpty()) || whole.size() + fraction.size() > 18)
        return std::nullopt;
    __int128 num = 0, den = 1;
    for (QStringView part : {whole, fraction}) {
        for (QChar c : part) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            num = num * 10 + (c.unicode() - u'0');
        }
    }
    for (qsizetype i = 0; i < fraction.size(); ++i)
        den *= 10;
    return make(num, den);
}

bool Fraction::terminates() const
{
    qint64 d = den;
    for (const qint64 p : {2, 5}) {
        while (d % p == 0)
            d /= p;
    }
    return d == 1;
}

QString Fraction::toDecimal() const
{
    if (!terminates())
        return Numbers::formatGeneral(static_cast<long double>(num) / den, QLatin1Char('.'));
    const bool negative = num < 0;
    const __int128 magnitude = negative ? -__int128(num) : __int128(num);
    QString text = QString::number(qint64(magnitude / den));
    __int128 rest = magnitude % den;
    if (rest != 0)
        text += u'.';
    while (rest != 0) {
        rest *= 10;
        text += QChar(u'0' + int(rest / den));
        rest %= den;
    }
    return negative ? u'-' + text : text;
}

std::optional<Fraction> operator+(Fraction a, Fraction b)
{
    return Fraction::make(__int128(a.num) * b.den + __int128(b.num) * a.den, __int128(a.den) * b.den);
}

std::optional<Fraction> operator-(Fraction a, Fraction b)
{
    return Fraction::make(__int128(a.num) * b.den - __int128(b.num) * a.den, __int128(a.den) * b.den);
}

std::optional<Fraction> operator*(Fraction a, Fraction b)
{
    return Fraction::make(__int128(a.num) * b.num, __int128(a.den) * b.den);
}

std::optional<Fraction> operator/(Fraction a, Fraction b)
{
    return Fraction::make(__int128(a.num) * b.den, __int128(a.den) * b.num);
}

std::optional<Evaluation> evaluateQuestion(QStringView question)
{
    QString text;
    text.reserve(question.size());
    for (QChar c : question) {
        if (!c.isSpace())
            text += canonicalSign(c);
    }
    if (!text.endsWith(u'='))
        return std::nullopt;
    text.chop(1);
    return Parser(std::move(text)).run();
}
