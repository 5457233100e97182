#include "training/AnswerTimes.h"

#include "text/TextFile.h"

#include <QStringList>

namespace AnswerTimes {

namespace {

const QString kHeader = QStringLiteral("题号,题目,答案,对错,用时毫秒");
const QString kRight = QStringLiteral("√");
const QString kWrong = QStringLiteral("×");

// The fields of one line; nothing when its quotes do not close.
std::optional<QStringList> fields(QStringView line)
{
    QStringList result;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c != u'"')
                current += c;
            else if (i + 1 < line.size() && line.at(i + 1) == u'"')
                current += line.at(++i);
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            result.append(std::exchange(current, QString()));
        } else {
            current += c;
        }
    }
    if (quoted)
        return std::nullopt;
    result.append(current);
    return result;
}

} // namespace

QString companionPath(const QString &recordPath)
{
    const qsizetype dot = recordPath.lastIndexOf(u'.');
    return (dot > recordPath.lastIndexOf(u'/') ? recordPath.first(dot) : recordPath) + QStringLiteral(".csv");
}

QByteArray text(const QList<TimedAnswer> &answers)
{
    // A custom bank's question may hold a comma or a quote.
    QByteArray out = TextFile::csvLine(kHeader.split(u','));
    for (const TimedAnswer &answer : answers) {
        out += TextFile::csvLine({QString::number(answer.number), answer.question, answer.typed,
                                  answer.right ? kRight : kWrong, QString::number(answer.millis)});
    }
    return out;
}

std::optional<QList<TimedAnswer>> parse(const QByteArray &bytes)
{
    QString content = QString::fromUtf8(bytes);
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    // A quoted question never holds a break: the lines split where the file breaks.
    QStringList lines = content.split(QStringLiteral("\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || QStringView(lines.constFirst()).trimmed() != kHeader)
        return std::nullopt;
    QList<TimedAnswer> answers;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringView line(lines.at(i));
        if (line.endsWith(u'\r'))
            line.chop(1);
        const auto values = fields(line);
        if (!values || values->size() != 5 || (values->at(3) != kRight && values->at(3) != kWrong))
            return std::nullopt;
        bool numberRead = false, millisRead = false;
        TimedAnswer answer;
        answer.number = values->at(0).toInt(&numberRead);
        answer.question = values->at(1);
        answer.typed = values->at(2);
        answer.right = values->at(3) == kRight;
        answer.millis = values->at(4).toLongLong(&millisRead);
        if (!numberRead || !millisRead || answer.millis < 0)
            return std::nullopt;
        answers.append(answer);
    }
    return answers;
}

} // namespace AnswerTimes
