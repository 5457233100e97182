#include "training/MistakeBook.h"

#include "training/AppPaths.h"
#include "training/Errors.h"
#include "training/TextFile.h"
#include "training/TrainingCatalogue.h"

#include <QFile>
#include <QHash>

#include <algorithm>

namespace MistakeBook {

QList<Mistake> collect(QList<RecordedRun> runs)
{
    // Oldest first, so that the last wrong answer met is the latest one.
    std::stable_sort(runs.begin(), runs.end(), [](const RecordedRun &a, const RecordedRun &b) {
        return std::pair(a.date, a.runNumber) < std::pair(b.date, b.runNumber);
    });
    QHash<QString, Mistake> byQuestion;
    QHash<QString, int> rightOnly;
    for (const RecordedRun &run : std::as_const(runs)) {
        for (const RecordedAnswer &answer : run.answers) {
            if (answer.typed.isEmpty())
                continue; // no question to practise
            if (answer.right) {
                ++rightOnly[answer.question];
                continue;
            }
            Mistake &mistake = byQuestion[answer.question];
            mistake.question = answer.question;
            ++mistake.wrong;
            mistake.lastWrong = answer.typed;
        }
    }
    QList<Mistake> mistakes;
    mistakes.reserve(byQuestion.size());
    for (Mistake &mistake : byQuestion) {
        mistake.right = rightOnly.value(mistake.question);
        if (const auto evaluation = evaluateQuestion(mistake.question))
            mistake.value = evaluation->value;
        mistakes.append(std::move(mistake));
    }
    std::sort(mistakes.begin(), mistakes.end(), [](const Mistake &a, const Mistake &b) {
        if (a.wrong != b.wrong)
            return a.wrong > b.wrong;
        if (a.right != b.right)
            return a.right < b.right;
        return a.question < b.question;
    });
    return mistakes;
}

int writePracticeBank(const QString &appDir, const QList<Mistake> &mistakes)
{
    QStringList questions, answers;
    for (const Mistake &mistake : mistakes) {
        if (!mistake.practicable())
            continue;
        questions.append(mistake.question);
        answers.append(mistake.rightValue());
    }
    const TrainingCatalogue::TrainingRange &custom = TrainingCatalogue::range(0);
    for (const QString &relative : {custom.questionFile, custom.answerFile}) {
        const QString path = AppPaths::join(appDir, relative);
        const QString backup = path + QStringLiteral(".bak");
        if (!QFile::exists(path))
            continue;
        // The old bank is kept whole before anything is replaced.
        QFile::remove(backup + QStringLiteral(".new"));
        if (!QFile::copy(path, backup + QStringLiteral(".new")))
            throw FileCreateError(backup);
        QFile::remove(backup);
        if (!QFile::rename(backup + QStringLiteral(".new"), backup))
            throw FileCreateError(backup);
    }
    TextFile::writeLines(AppPaths::join(appDir, custom.questionFile), questions);
    TextFile::writeLines(AppPaths::join(appDir, custom.answerFile), answers);
    return int(questions.size());
}

} // namespace MistakeBook
