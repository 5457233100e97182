#include "training/RecordReader.h"

#include "text/Errors.h"
#include "text/LineStore.h"
#include "text/TextFile.h"
#include "training/AnswerTimes.h"
#include "training/RecordName.h"

#include <QFile>
#include <QFileInfo>

namespace RecordReader {

namespace {

// Larger than any run a child could answer: 100,000 answers a file.
constexpr qint64 kMaxRecordBytes = 8 << 20;

RecordRead none(const QString &reason)
{
    return {std::nullopt, reason};
}

// The times of the companion file, when it is this run's: the same answers
// in the same order. Anything else is read as a run without times.
void readTimes(const QString &recordPath, QList<RecordedAnswer> &answers)
{
    QFile file;
    try {
        TextFile::openRegular(file, AnswerTimes::companionPath(recordPath));
    } catch (const FileOpenError &) {
        return;
    }
    if (file.size() > kMaxRecordBytes)
        return;
    const auto times = AnswerTimes::parse(file.readAll());
    if (!times || times->size() != answers.size())
        return;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const TimedAnswer &timed = times->at(i);
        const RecordedAnswer &answer = answers.at(i);
        if (timed.right != answer.right || timed.question + timed.typed != answer.question + answer.typed)
            return;
    }
    for (qsizetype i = 0; i < answers.size(); ++i)
        answers[i].millis = times->at(i).millis;
}

} // namespace

RecordRead parse(const QString &fileName, const QByteArray &bytes)
{
    const LineStore lines = LineStore::fromBytes(bytes);
    RecordedRun run;
    qsizetype index = 0;
    for (; index < lines.size(); ++index) {
        const auto answer = RecordFormat::parseAnswer(lines.at(index));
        if (!answer)
            break;
        run.answers.append(*answer);
        run.right += answer->right;
    }
    const qsizetype summaryLines = lines.size() - index;
    if (index == 0 && summaryLines < RecordFormat::kSummaryLineCount)
        return none(QStringLiteral("不是训练记录：少于三行"));
    if (summaryLines == 0)
        return none(QStringLiteral("记录不完整：没有总结"));
    if (summaryLines < RecordFormat::kSummaryLineCount)
        return none(QStringLiteral("记录不完整：总结缺行"));
    if (summaryLines > RecordFormat::kSummaryLineCount)
        return none(index == 0 ? QStringLiteral("不是训练记录") : QStringLiteral("记录有多余的行"));
    const auto summary = RecordFormat::parseSummary(lines.at(index), lines.at(index + 1), lines.at(index + 2));
    if (!summary)
        return none(QStringLiteral("不是训练记录：总结的格式不对"));
    run.timed = summary->timed;
    run.amount = summary->amount;
    run.seconds = run.timed ? summary->amount : summary->measured;
    run.done = int(run.answers.size());
    if ((run.timed && summary->measured != run.done) || summary->right != run.right)
        return none(QStringLiteral("总结与答题行不符"));
    RecordName::parse(fileName, &run.date, &run.runNumber);
    return {run, QString()};
}

RecordRead read(const QString &path, Times times)
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
        if (times == Times::Look)
            readTimes(path, result.run->answers);
        if (!result.run->date.isValid())
            result.run->date = QFileInfo(path).lastModified().date();
    }
    return result;
}

} // namespace RecordReader
