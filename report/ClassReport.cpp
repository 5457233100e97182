#include "report/ClassReport.h"

#include "report/RunCache.h"
#include "text/Errors.h"
#include "training/RecordName.h"
#include "training/TimeLimitSetting.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <tuple>

namespace ClassReport {

namespace {

ReportCell count(qsizetype value)
{
    return {QString::number(value), int(value)};
}

ReportCell decimal(double value)
{
    return {QString::number(value, 'f', 1), value};
}

const ReportCell kEmpty{QString(), QVariant()};

// Why a pupil's job/ folder cannot be read; empty when it can, or when the
// pupil has none yet (a pupil who never trained).
QString unreadableReason(const QString &job)
{
    const QFileInfo info(job);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.isDir())
        return QStringLiteral("%1 不是文件夹").arg(job);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("无法读取文件夹 %1").arg(job);
    return {};
}

} // namespace

ClassRecords read(const QString &classFolder, const std::function<void(int, int)> &progress,
                  const std::atomic<bool> *cancelled)
{
    const Roster roster = ClassFolder::readRoster(classFolder);
    ClassRecords records;
    records.folder = classFolder;
    records.refused = roster.refused;
    for (const QString &name : roster.names)
        records.pupils.append({name, true, {}, {}, {}});
    for (const QString &name : ClassFolder::unlistedPupils(classFolder, roster.names))
        records.pupils.append({name, false, {}, {}, {}});

    // All the class's records in one collection: read side by side, which
    // is what makes a network share fast.
    QStringList jobs;
    QHash<QString, qsizetype> pupilOfJob;
    for (qsizetype i = 0; i < records.pupils.size(); ++i) {
        PupilRecords &pupil = records.pupils[i];
        const QString job = QDir::cleanPath(RecordName::jobFolder(ClassFolder::pupilFolder(classFolder, pupil.name)));
        pupil.unreadable = unreadableReason(job);
        if (pupil.unreadable.isEmpty() && QFileInfo(job).isDir()) {
            jobs << job;
            pupilOfJob.insert(job, i);
        }
    }
    RunCache cache(classFolder);
    RunCollection collection = collectRuns(jobs, progress, cancelled, &cache);
    if (!cancelled || !cancelled->load())
        cache.save();
    for (const QString &job : std::as_const(collection.unreadableFolders))
        records.pupils[pupilOfJob.value(QDir::cleanPath(job))].unreadable = QStringLiteral("无法读取文件夹 %1").arg(job);
    for (RecordedRun &run : collection.runs) {
        const auto pupil = pupilOfJob.constFind(QFileInfo(run.path).path());
        if (pupil != pupilOfJob.cend())
            records.pupils[*pupil].runs.append(std::move(run));
    }
    records.timeLimit = TimeLimitSetting::read({classFolder});
    for (PupilRecords &pupil : records.pupils) {
        pupil.mistakes = MistakeBook::collect(pupil.runs);
        const QString job = RecordName::jobFolder(ClassFolder::pupilFolder(classFolder, pupil.name));
        pupil.timeLimit = TimeLimitSetting::read({job}, records.timeLimit);
    }
    records.skipped = std::move(collection.skipped);
    return records;
}

QStringList pupilHeaders()
{
    return {QStringLiteral("姓名"),     QStringLiteral("训练次数"),   QStringLiteral("近7天训练次数"),
            QStringLiteral("最近训练"), QStringLiteral("最近正确率"), QStringLiteral("近7天正确率"),
            QStringLiteral("每分钟题数"), QStringLiteral("错题"),     QStringLiteral("已掌握")};
}

ReportRow pupilRow(const PupilRecords &pupil, const QDate &today)
{
    ReportRow row{{pupil.name, pupil.name}};
    if (!pupil.unreadable.isEmpty()) {
        row.resize(pupilHeaders().size(), kEmpty);
        return row;
    }
    const QDate weekStart = today.addDays(-6);
    int weekRuns = 0, weekDone = 0, weekRight = 0, done = 0, seconds = 0;
    for (const RecordedRun &run : pupil.runs) {
        if (run.date >= weekStart && run.date <= today) {
            ++weekRuns;
            weekDone += run.done;
            weekRight += run.right;
        }
        if (run.seconds > 0) {
            done += run.done;
            seconds += run.seconds;
        }
    }
    row << count(pupil.runs.size()) << count(weekRuns);
    if (pupil.runs.isEmpty()) {
        row.resize(pupilHeaders().size(), kEmpty);
        return row;
    }
    const RecordedRun &latest = pupil.runs.constLast();
    const auto open = std::count_if(pupil.mistakes.begin(), pupil.mistakes.end(),
                                    [](const Mistake &mistake) { return !mistake.mastered(); });
    row << ReportCell{latest.date.toString(QStringLiteral("yyyy-MM-dd")), latest.date}
        << decimal(latest.accuracy() * 100)
        << (weekDone > 0 ? decimal(100.0 * weekRight / weekDone) : kEmpty)
        << (seconds > 0 ? decimal(done * 60.0 / seconds) : kEmpty)
        << count(open) << count(pupil.mistakes.size() - open);
    return row;
}

QList<ReportRow> pupilRows(const QList<PupilRecords> &pupils, const QDate &today)
{
    QList<ReportRow> rows;
    for (const PupilRecords &pupil : pupils)
        rows.append(pupilRow(pupil, today));
    return rows;
}

QList<ClassMistake> mostMissed(const QList<PupilRecords> &pupils)
{
    QList<ClassMistake> missed;
    QHash<QString, qsizetype> index;
    for (const PupilRecords &pupil : pupils) {
        for (const Mistake &mistake : pupil.mistakes) {
            if (mistake.mastered())
                continue;
            auto found = index.constFind(mistake.question);
            if (found == index.cend()) {
                found = index.insert(mistake.question, missed.size());
                missed.append({mistake.question, 0, 0, mistake.rightValue(), mistake.practicable()});
            }
            ClassMistake &entry = missed[*found];
            ++entry.pupils;
            entry.wrong += mistake.wrong;
        }
    }
    std::sort(missed.begin(), missed.end(), [](const ClassMistake &a, const ClassMistake &b) {
        return std::tuple(-a.pupils, -a.wrong, a.question) < std::tuple(-b.pupils, -b.wrong, b.question);
    });
    return missed;
}

QStringList mistakeHeaders()
{
    return {QStringLiteral("题目"), QStringLiteral("答错人数"), QStringLiteral("答错次数"), QStringLiteral("正确答案")};
}

ReportRow mistakeRow(const ClassMistake &mistake)
{
    return {{mistake.question, mistake.question}, count(mistake.pupils), count(mistake.wrong),
            {mistake.rightValue, mistake.rightValue}};
}

QList<ReportRow> mistakeRows(const QList<ClassMistake> &missed)
{
    QList<ReportRow> rows;
    for (const ClassMistake &mistake : missed)
        rows.append(mistakeRow(mistake));
    return rows;
}

QList<SheetQuestion> sheetQuestions(const QList<ClassMistake> &missed)
{
    QList<SheetQuestion> questions;
    for (const ClassMistake &mistake : missed) {
        if (mistake.practicable)
            questions.append({mistake.question, mistake.rightValue});
    }
    return questions;
}

QList<SheetQuestion> pupilSheetQuestions(const PupilRecords &pupil, const QList<SheetQuestion> &classQuestions,
                                         int count)
{
    QList<SheetQuestion> questions = Worksheet::usable(pupil.mistakes);
    for (const SheetQuestion &question : classQuestions) {
        if (questions.size() >= count)
            break;
        if (!questions.contains(question))
            questions.append(question);
    }
    return questions;
}

QList<Sheet> sheets(const ClassRecords &records, const SheetRecipe &recipe)
{
    const QList<SheetQuestion> classQuestions = sheetQuestions(mostMissed(records.pupils));
    const QString title = Worksheet::defaultTitle(recipe.source);
    QList<Sheet> result;
    if (recipe.source == SheetRecipe::kClassMistakes) {
        if (!classQuestions.isEmpty())
            result.append({title, Worksheet::draw(classQuestions, recipe.count, recipe.seed), recipe.columns,
                           recipe.code(), {}});
        return result;
    }
    for (const PupilRecords &pupil : records.pupils) {
        const QList<SheetQuestion> pool = pupilSheetQuestions(pupil, classQuestions, recipe.count);
        if (pupil.unreadable.isEmpty() && !pool.isEmpty())
            result.append({title, Worksheet::draw(pool, recipe.count, recipe.seed), recipe.columns, recipe.code(),
                           pupil.name});
    }
    return result;
}

PracticeWritten writePracticeBanks(const ClassRecords &records)
{
    PracticeWritten written;
    for (const PupilRecords &pupil : records.pupils) {
        if (!pupil.unreadable.isEmpty() || Worksheet::usable(pupil.mistakes).isEmpty())
            continue;
        try {
            written.questions +=
                MistakeBook::writePracticeBank(ClassFolder::pupilFolder(records.folder, pupil.name), pupil.mistakes);
            ++written.pupils;
        } catch (const NumoraError &error) {
            written.failures << QStringLiteral("%1：%2").arg(pupil.name, error.localText());
        }
    }
    return written;
}

} // namespace ClassReport
