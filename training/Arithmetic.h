#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// An exact fraction in lowest terms with a positive denominator; arithmetic
// that would leave 64 bits gives no value.
struct Fraction
{
    qint64 num = 0;
    qint64 den = 1;

    static std::optional<Fraction> make(__int128 num, __int128 den);
    // "12", "0.75"; no sign, no exponent.
    static std::optional<Fraction> fromDecimal(QStringView text);
    bool whole() const { return den == 1; }
    // Whether it has a finite decimal form: a denominator of 2s and 5s.
    bool terminates() const;
    // Its finite decimal form ("7", "-2.25"), or the general format the
    // records use ("0.333333333333333").
    QString toDecimal() const;
    friend bool operator==(const Fraction &, const Fraction &) = default;
};

std::optional<Fraction> operator+(Fraction a, Fraction b);
std::optional<Fraction> operator-(Fraction a, Fraction b);
std::optional<Fraction> operator*(Fraction a, Fraction b);
std::optional<Fraction> operator/(Fraction a, Fraction b);

// A bank question worked out exactly: + - × ÷ (also as ＋ － − * / ／ and the
// full-width ×÷) with the usual precedence, parentheses (also full-width),
// whole numbers and decimals, and "=" (or "＝") at the end, blanks allowed.
// Brackets nested more than 200 deep give no value.
struct Evaluation
{
    Fraction value;
    int operators = 0;
    QSet<QChar> operatorKinds; // as + - × ÷
    QList<Fraction> seen;      // every operand and partial result
};
std::optional<Evaluation> evaluateQuestion(QStringView question);
