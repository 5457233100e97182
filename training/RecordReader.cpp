#include "training/RecordReader.h"

#include "text/Errors.h"
#include "text/LineStore.h"
#include "text/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace RecordReader {

namespace {

// Larger than any run a child could answer: 100,000 answers a file.
constexpr qint64 kMaxRecordBytes = 8 << 20;

const QString kRight = QStringLiteral("√");
const QString kWrong = QStringLiteral("×");

RecordRead none(const QString &reason)
{
    return {std::nullopt, reason};
}

// "<label>N<unit>", as the summary writes it.
std::optional<int> summaryValue(const QString &line, const QString &label, const QString &unit)
{
    if (!line.startsWith(label) || !line.endsWith(unit))
        return std::nullopt;
    bool ok = false;
    const int value = QStringView(line).sliced(label.size(), line.size() - label.size() - unit.size()).toInt(&ok);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

// What the general format writes: -?[0-9.,]+(E[+-]?[0-9]+)?, the comma under
// a comma locale.
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

// "第n题    <question><typed>    √|×", taken apart by hand: a reader of
// ten thousand records meets a million of them.
std::optional<RecordedAnswer> answerOf(const QString &line)
{
    static const QString head = QStringLiteral("第"), tail = QStringLiteral("题    "), gap = QStringLiteral("    ");
    if (line.size() < 10 || !line.startsWith(head))
        return std::nullopt;
    qsizetype digits = head.size();
    while (digits < line.size() && line.at(digits) >= u'0' && line.at(digits) <= u'9')
        ++digits;
    const QStringView mark = QStringView(line).last(1);
    if (digits == head.size() || !QStringView(line).sliced(digits).startsWith(tail)
        || !QStringView(line).chopped(1).endsWith(gap) || (mark != kRight && mark != kWrong))
        return std::nullopt;
    const qsizetype start = digits + tail.size(), end = line.size() - 1 - gap.size();
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

} // namespace

bool parseName(const QString &fileName, QDate *date, int *runNumber)
{
    static const QRegularExpression shape(QStringLiteral("^(.+)-第(\\d+)次\\.xl$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(fileName);
    if (!match.hasMatch())
        return false;
    *runNumber = match.captured(2).toInt();
    // Our names are "yyyy-M-d"; older versions wrote the locale's short date
    // ("12-9-26", "09.12.26"). A date that reads more than one way is none.
    QString text = match.captured(1);
    text.replace(u'.', u'-').replace(u'/', u'-');
    QDate found;
    for (const char *format : {"yyyy-M-d", "d-M-yyyy", "M-d-yyyy", "d-M-yy", "M-d-yy"}) {
        QDate parsed = QDate::fromString(text, QLatin1String(format));
        if (!parsed.isValid())
            continue;
        if (!QByteArrayView(format).contains("yyyy"))
            parsed = parsed.addYears(100); // "yy" reads as 19yy
        if (found.isValid() && parsed != found) {
            *date = QDate();
            return true;
        }
        found = parsed;
    }
    *date = found;
    return true;
}

RecordRead parse(const QString &fileName, const QByteArray &bytes)
{
    const LineStore lines = LineStore::fromBytes(bytes);
    RecordedRun run;
    qsizetype index = 0;
    for (; index < lines.size(); ++index) {
        const auto answer = answerOf(lines.at(index));
        if (!answer)
            break;
        run.answers.append(*answer);
        run.right += answer->right;
    }
    const qsizetype summaryLines = lines.size() - index;
    if (index == 0 && summaryLines < 3)
        return none(QStringLiteral("不是训练记录：少于三行"));
    if (summaryLines == 0)
        return none(QStringLiteral("记录不完整：没有总结"));
    if (summaryLines < 3)
        return none(QStringLiteral("记录不完整：总结缺行"));
    if (summaryLines > 3)
        return none(index == 0 ? QStringLiteral("不是训练记录") : QStringLiteral("记录有多余的行"));
    const QString first = lines.at(index), second = lines.at(index + 1), third = lines.at(index + 2);
    const auto timedAmount = summaryValue(first, QStringLiteral("训练时间为："), QStringLiteral("秒"));
    const auto countedAmount = summaryValue(first, QStringLiteral("训练题数为："), QStringLiteral("道"));
    const auto done = summaryValue(second, QStringLiteral("完成题数为："), QStringLiteral("道"));
    const auto elapsed = summaryValue(second, QStringLiteral("完成时间为："), QStringLiteral("秒"));
    const auto right = summaryValue(third, QStringLiteral("正确题数为："), QStringLiteral("道"));
    if (!right || !((timedAmount && done) || (countedAmount && elapsed)))
        return none(QStringLiteral("不是训练记录：总结的格式不对"));
    run.timed = timedAmount.has_value();
    run.amount = run.timed ? *timedAmount : *countedAmount;
    run.seconds = run.timed ? *timedAmount : *elapsed;
    run.done = int(run.answers.size());
    if ((run.timed && *done != run.done) || *right != run.right)
        return none(QStringLiteral("总结与答题行不符"));
    parseName(fileName, &run.date, &run.runNumber);
    return {run, QString()};
}

RecordRead read(const QString &path)
{
    QFile file;
    try {
        TextFile::openRegular(file, path);
    } catch (const FileOpenError &) {
        return none(QFileInfo(path).isFile() || !QFileInfo::exists(path) ? QStringLiteral("无法打开")
                                                                          : QStringLiteral("不是普通文件"));
    }
    if (file.size() > kMaxRecordBytes)
        return none(QStringLiteral("文件太大，不是训练记录"));
    const QByteArray bytes = file.readAll();
    RecordRead result = parse(QFileInfo(path).fileName(), bytes);
    if (result.run) {
        result.run->path = path;
        if (!result.run->date.isValid())
            result.run->date = QFileInfo(path).lastModified().date();
    }
    return result;
}

} // namespace RecordReader
