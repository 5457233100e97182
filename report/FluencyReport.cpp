#include "report/FluencyReport.h"

#include "text/Errors.h"
#include "training/MistakeBook.h"
#include "training/RecordName.h"
#include "training/TrainingCatalogue.h"
#include "training/Worksheet.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace FluencyReport {

QStringList factHeaders()
{
    return {QStringLiteral("题目"), QStringLiteral("作答次数"), QStringLiteral("答对次数"),
            QStringLiteral("中位用时秒"), QStringLiteral("最近作答"), QStringLiteral("状态")};
}

QString medianText(const Fact &fact)
{
    const auto median = fact.medianMillis();
    return median ? QString::number(*median / 1000.0, 'f', 1) : QString();
}

ReportRow factRow(const Fact &fact, int limitSeconds)
{
    const FactState state = fact.state(FactFluency::limitMillis(limitSeconds));
    const auto median = fact.medianMillis();
    return {{fact.question, fact.question},
            {QString::number(fact.answers.size()), int(fact.answers.size())},
            {QString::number(fact.rightCount()), fact.rightCount()},
            {medianText(fact), median ? QVariant(*median) : QVariant(qint64(-1))},
            {fact.lastAnswered().toString(QStringLiteral("yyyy-MM-dd")), fact.lastAnswered()},
            {FactFluency::stateName(state), int(state)}};
}

QString factDescription(const Fact &fact, int limitSeconds)
{
    QString text = fact.question + u' ' + FactFluency::stateName(fact.state(FactFluency::limitMillis(limitSeconds)));
    text += QStringLiteral("，答了 %1 次，对 %2 次").arg(fact.answers.size()).arg(fact.rightCount());
    if (const QString median = medianText(fact); !median.isEmpty())
        text += QStringLiteral("，中位用时 %1 秒").arg(median);
    return text;
}

QStringList freshQuestions(const ProgramFolders &program, const QList<Fact> &facts)
{
    QSet<QString> answered;
    for (const Fact &fact : facts)
        answered.insert(fact.question);
    QStringList best;
    int bestCount = 0;
    // Range 1 is the custom bank, where practice goes: not a range to learn.
    for (int range = 2; range <= TrainingCatalogue::kRangeCount; ++range) {
        QList<SheetQuestion> questions;
        try {
            questions = Worksheet::rangeQuestions(program, range);
        } catch (const NumoraError &) {
            continue;
        }
        QStringList texts;
        int count = 0;
        for (const SheetQuestion &question : std::as_const(questions)) {
            texts.append(question.question);
            count += answered.contains(FactFluency::key(question.question));
        }
        if (count > bestCount) {
            bestCount = count;
            best = texts;
        }
    }
    return best;
}

int writeToday(const QString &appDir, const QList<Fact> &facts, int limitSeconds, const ProgramFolders &program,
               const QDate &today)
{
    const auto practice =
        FactFluency::todaysPractice(facts, FactFluency::limitMillis(limitSeconds), today, freshQuestions(program, facts));
    QStringList questions, answers;
    for (const FactFluency::PracticeQuestion &question : practice) {
        questions.append(question.question);
        answers.append(question.answer);
    }
    MistakeBook::writePracticeQuestions(appDir, questions, answers);
    return int(questions.size());
}

QString appDirOfRecords(const QString &folder)
{
    const QFileInfo info(QDir::cleanPath(QDir(folder).absolutePath()));
    return info.fileName() == QFileInfo(RecordName::jobFolder(info.path())).fileName() ? info.path() : QString();
}

QHash<QString, Share> classShares(const QList<QList<Fact>> &pupils, int limitSeconds)
{
    QHash<QString, Share> shares;
    for (const QList<Fact> &facts : pupils) {
        for (const Fact &fact : facts) {
            Share &share = shares[fact.question];
            ++share.answered;
            share.fluent += fact.state(FactFluency::limitMillis(limitSeconds)) == FactState::Fluent;
        }
    }
    return shares;
}

} // namespace FluencyReport
