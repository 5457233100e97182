#include "training/Numbers.h"

#include "text/Errors.h"

#include <QLocale>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace Numbers {

namespace {

bool isDecimalDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int hexDigitValue(QChar c)
{
    if (isDecimalDigit(c))
        return c.unicode() - u'0';
    const char16_t lower = c.toLower().unicode();
    if (lower >= u'a' && lower <= u'f')
        return lower - u'a' + 10;
    return -1;
}

// Parses digits from text[pos] to the end; false when there are none, a
// foreign character follows, or the magnitude exceeds limit.
bool parseMagnitude(const QString &text, qsizetype pos, int base, quint64 limit, quint64 &value)
{
    if (pos >= text.size())
        return false;
    value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = base == 16 ? hexDigitValue(text.at(pos))
                                     : (isDecimalDigit(text.at(pos)) ? text.at(pos).unicode() - u'0' : -1);
        if (digit < 0)
            return false;
        value = value * base + digit;
        if (value > limit)
            return false;
    }
    return true;
}

locale_t cNumericLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

} // namespace

int toInt(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos) == u' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text.at(pos) == u'-' || text.at(pos) == u'+')) {
        negative = text.at(pos) == u'-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && (text.at(pos) == u'$' || text.at(pos) == u'x' || text.at(pos) == u'X')) {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text.at(pos) == u'0'
               && (text.at(pos + 1) == u'x' || text.at(pos + 1) == u'X')) {
        base = 16;
        pos += 2;
    }
    const quint64 limit = negative ? 2147483648ULL : 2147483647ULL;
    quint64 magnitude = 0;
    if (!parseMagnitude(text, pos, base, limit, magnitude))
        throw ConvertError::integer(text);
    return negative ? int(-qint64(magnitude)) : int(magnitude);
}

long double toFloat(const QString &text, QChar decimalSeparator)
{
    // Normalised to plain C syntax, then converted with the C locale so the
    // process locale cannot change the meaning of the separator.
    QByteArray normal;
    qsizetype pos = 0;
    const qsizetype size = text.size();
    auto at = [&](qsizetype i) { return i < size ? text.at(i) : QChar(); };

    while (at(pos) == u' ')
        ++pos;
    if (at(pos) == u'+' || at(pos) == u'-')
        normal += char(text.at(pos++).unicode());
    int digits = 0;
    bool separatorSeen = false;
    for (;; ++pos) {
        const QChar c = at(pos);
        if (isDecimalDigit(c)) {
            normal += char(c.unicode());
            ++digits;
        } else if ((c == decimalSeparator || c == u'.') && !separatorSeen && !c.isNull()) {
            normal += '.';
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits == 0 && !separatorSeen)
        throw ConvertError::floatingPoint(text);
    if (digits == 0)
        normal = "0";
    if (at(pos) == u'e' || at(pos) == u'E') {
        normal += 'e';
        ++pos;
        if (at(pos) == u'+' || at(pos) == u'-')
            normal += char(text.at(pos++).unicode());
        int exponentDigits = 0;
        while (isDecimalDigit(at(pos))) {
            normal += char(text.at(pos++).unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throw ConvertError::floatingPoint(text);
    }
    while (at(pos) == u' ')
        ++pos;
    if (pos != size)
        throw ConvertError::floatingPoint(text);

    const long double value = strtold_l(normal.constData(), nullptr, cNumericLocale());
    if (!std::isfinite(value))
        throw ConvertError::floatingPoint(text);
    return value;
}

QString halfWidth(const QString &text)
{
    QString plain = text;
    for (QChar &c : plain) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            c = QChar(u'0' + (u - u'０'));
        else if (u == u'．' || u == u'。')
            c = u'.';
        else if (u == u'－' || u == u'−')
            c = u'-';
        else if (u == u'＋')
            c = u'+';
        else if (u == u'　')
            c = u' ';
    }
    return plain;
}

long double typedAnswer(const QString &text, QChar decimalSeparator)
{
    const QString plain = halfWidth(text).trimmed();
    qsizetype pos = plain.startsWith(u'+') || plain.startsWith(u'-') ? 1 : 0;
    int digits = 0, separators = 0;
    for (; pos < plain.size(); ++pos) {
        const QChar c = plain.at(pos);
        if (isDecimalDigit(c))
            ++digits;
        else if (c == decimalSeparator || c == u'.')
            ++separators;
        else
            break;
    }
    // No exponent and no lone point: what a child cannot mean as a number.
    if (pos != plain.size() || digits == 0 || separators > 1)
        throw ConvertError::floatingPoint(text);
    return toFloat(plain, decimalSeparator);
}

long double answerValue(const QString &line)
{
    try {
        return toInt(line);
    } catch (const ConvertError &wholeNumberError) {
        try {
            return toFloat(line, QLatin1Char('.'));
        } catch (const ConvertError &) {
            throw wholeNumberError;
        }
    }
}

QString formatGeneral(long double value, QChar decimalSeparator)
{
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits: one before the point, 14 after, then exponent;
    // to_chars, unlike printf, ignores the process's numeric locale.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const QByteArray scientific(buffer, written.ptr - buffer);
    const qsizetype ePos = scientific.indexOf('e');
    const int exponent = scientific.mid(ePos + 1).toInt();
    const bool negative = scientific.startsWith('-');
    QByteArray digits = scientific.left(ePos);
    digits.replace("-", "").replace(".", "");
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -4) {
        out += QChar(digits.at(0));
        if (digits.size() > 1)
            out += decimalSeparator + QString::fromLatin1(digits.mid(1));
        out += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        out += QLatin1Char('0') + QString(decimalSeparator) + QString(-exponent - 1, u'0')
               + QString::fromLatin1(digits);
    } else {
        const int integerDigits = exponent + 1;
        if (digits.size() <= integerDigits) {
            out += QString::fromLatin1(digits) + QString(integerDigits - digits.size(), u'0');
        } else {
            out += QString::fromLatin1(digits.left(integerDigits)) + decimalSeparator
                   + QString::fromLatin1(digits.mid(integerDigits));
        }
    }
    return out;
}

QChar localeDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.at(0) : QLatin1Char('.');
}

} // namespace Numbers
