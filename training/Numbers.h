#pragma once

#include <QString>

namespace Numbers {

// Whole numbers as in answer lines: optional leading blanks, optional sign,
// decimal digits or hexadecimal after "$", "x" or "0x", nothing after; the
// value must fit signed 32 bits. Throws ConvertError::integer.
int toInt(const QString &text);

// Decimal numbers as typed answers: blanks around, optional sign, digits with
// at most one decimal separator (the given one or a point, which the banks
// themselves write), optional exponent. A lone separator reads as 0. Throws
// ConvertError::floatingPoint.
long double toFloat(const QString &text, QChar decimalSeparator = QLatin1Char('.'));

// What a child types: blanks around, an optional sign, digits with at most
// one decimal separator (the given one or a point) and nothing else. Typed
// in a Chinese input method's full-width mode, digits, "．", "。", "－" and
// "＋" read as their plain forms. Throws ConvertError::floatingPoint.
long double typedAnswer(const QString &text, QChar decimalSeparator);

// The full-width digits, points, signs and blank of a Chinese input method
// as their plain forms.
QString halfWidth(const QString &text);

// An answer line of a bank: a whole number, or else a decimal number with a
// "." as separator (so that decimal banks can hold answers such as 0.7).
// Throws ConvertError::integer.
long double answerValue(const QString &line);

// General number format: 15 significant digits, no trailing zeros, fixed
// notation from 0.0001 up to 15 integer digits, scientific otherwise.
QString formatGeneral(long double value, QChar decimalSeparator = QLatin1Char('.'));

// The decimal separator of the user's locale.
QChar localeDecimalSeparator();

} // namespace Numbers
