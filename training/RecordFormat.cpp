#include "training/RecordFormat.h"

namespace RecordFormat {

namespace {

const QString kHead = QStringLiteral("第");
const QString kNumberEnd = QStringLiteral("题    ");
const QString kGap = QStringLiteral("    ");
const QString kRight = QStringLiteral("√");
const QString kWrong = QStringLiteral("×");

struct SummaryLabel
{
    QString label;
    QString unit;
};
const SummaryLabel kTimedAmount{QStringLiteral("训练时间为："), QStringLiteral("秒")};
const SummaryLabel kCountedAmount{QStringLiteral("训练题数为："), QStringLiteral("道")};
const SummaryLabel kDone{QStringLiteral("完成题数为："), QStringLiteral("道")};
const SummaryLabel kElapsed{QStringLiteral("完成时间为："), QStringLiteral("秒")};
const SummaryLabel kRightCount{QStringLiteral("正确题数为："), QStringLiteral("道")};

QString summaryLine(const SummaryLabel &label, const QString &value)
{
    return label.label + value + label.unit;
}

// "<label>N<unit>", as the summary writes it.
std::optional<int> summaryValue(const QString &line, const SummaryLabel &label)
{
    if (!line.startsWith(label.label) || !line.endsWith(label.unit))
        return std::nullopt;
    bool ok = false;
    const int value =
        QStringView(line).sliced(label.label.size(), line.size() - label.label.size() - label.unit.size()).toInt(&ok);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

// What the general number format writes: -?[0-9.,]+(E[+-]?[0-9]+)?, the
// comma under a comma locale.
bool isTypedNumber(QStringView text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const auto run = [&text, &i](auto accepts) {
        const qsizetype from = i;
        while (i < text.size() && accepts(text.at(i)))
            ++i;
        return i > from;
    };
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (!run([&digit](QChar c) { return digit(c) || c == u'.' || c == u','; }))
        return false;
    if (i < text.size() && text.at(i) == u'E') {
        ++i;
        if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
            ++i;
        if (!run(digit))
            return false;
    }
    return i == text.size();
}

} // namespace

QString answerLine(int number, const QString &questionAndTyped, bool right)
{
    return kHead + QString::number(number) + kNumberEnd + questionAndTyped + kGap + (right ? kRight : kWrong);
}

QStringList summaryLines(bool timed, const QString &amountText, int measured, int right)
{
    const QString value = QString::number(measured);
    return {timed ? summaryLine(kTimedAmount, amountText) : summaryLine(kCountedAmount, amountText),
            timed ? summaryLine(kDone, value) : summaryLine(kElapsed, value),
            summaryLine(kRightCount, QString::number(right))};
}

std::optional<RecordedAnswer> parseAnswer(const QString &line)
{
    // Taken apart by hand: a reader of ten thousand records meets a million.
    if (line.size() < 10 || !line.startsWith(kHead))
        return std::nullopt;
    qsizetype digits = kHead.size();
    while (digits < line.size() && line.at(digits) >= u'0' && line.at(digits) <= u'9')
        ++digits;
    const QStringView mark = QStringView(line).last(1);
    if (digits == kHead.size() || !QStringView(line).sliced(digits).startsWith(kNumberEnd)
        || !QStringView(line).chopped(1).endsWith(kGap) || (mark != kRight && mark != kWrong))
        return std::nullopt;
    const qsizetype start = digits + kNumberEnd.size(), end = line.size() - 1 - kGap.size();
    if (end < start)
        return std::nullopt;
    const QString text = line.sliced(start, end - start);
    RecordedAnswer answer;
    answer.right = mark == kRight;
    // The typed value follows the question's last "=" and is a number.
    const qsizetype equals = text.lastIndexOf(u'=');
    if (equals >= 0 && isTypedNumber(QStringView(text).sliced(equals + 1))) {
        answer.question = text.first(equals + 1);
        answer.typed = text.sliced(equals + 1);
    } else {
        answer.question = text;
    }
    return answer;
}

std::optional<Summary> parseSummary(const QString &first, const QString &second, const QString &third)
{
    const auto timedAmount = summaryValue(first, kTimedAmount);
    const auto countedAmount = summaryValue(first, kCountedAmount);
    const auto done = summaryValue(second, kDone);
    const auto elapsed = summaryValue(second, kElapsed);
    const auto right = summaryValue(third, kRightCount);
    if (!right || !((timedAmount && done) || (countedAmount && elapsed)))
        return std::nullopt;
    const bool timed = timedAmount.has_value();
    return Summary{timed, timed ? *timedAmount : *countedAmount, timed ? *done : *elapsed, *right};
}

} // namespace RecordFormat
