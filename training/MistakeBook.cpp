#include "training/MistakeBook.h"

#include "training/AppPaths.h"
#include "training/BankPair.h"
#include "text/Errors.h"
#include "text/OwnFile.h"
#include "text/TextFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
                if (const auto found = byQuestion.find(answer.question); found != byQuestion.end())
                    ++found->rightSinceLastWrong;
                continue;
            }
            Mistake &mistake = byQuestion[answer.question];
            mistake.question = answer.question;
            ++mistake.wrong;
            mistake.rightSinceLastWrong = 0;
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

namespace {

using PairBytes = std::pair<QByteArray, QByteArray>;

const QString kBackupSuffix = QStringLiteral(".bak");

// Beside the bank: which pair this program wrote as a practice bank, so that
// it is never taken for the teacher's own.
QString markerPath(const QString &appDir)
{
    return AppPaths::join(appDir, QStringLiteral("\\data\\make.practice"));
}

QByteArray markerFor(const PairBytes &bank)
{
    return QByteArrayLiteral("numora practice bank\n")
           + QCryptographicHash::hash(bank.first, QCryptographicHash::Sha256).toHex() + '\n'
           + QCryptographicHash::hash(bank.second, QCryptographicHash::Sha256).toHex() + '\n';
}

bool isPracticeBank(const QString &appDir, const PairBytes &bank)
{
    if (OwnFile::kindOf(markerPath(appDir)) != OwnFile::Kind::Regular)
        return false;
    QFile marker(markerPath(appDir));
    return marker.open(QIODevice::ReadOnly) && marker.read(4096) == markerFor(bank);
}

// "make.tm.2026-12-09-153000.bak", a name no other copy holds.
BankPair datedBackup(const BankPair &bank, const QDateTime &now)
{
    const QString stamp = now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    for (int n = 1;; ++n) {
        const QString suffix = QStringLiteral(".%1%2.bak").arg(stamp, n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        const BankPair dated = bank.withSuffix(suffix);
        if (!dated.read())
            return dated;
    }
}

// Keeps the teacher's bank as the .bak pair; an older, different copy there
// moves to a dated name first.
void keepTeacherBank(const BankPair &bank, const PairBytes &teachers, const QDateTime &now)
{
    const BankPair backup = bank.withSuffix(kBackupSuffix);
    backup.recover();
    if (const auto older = backup.read()) {
        if (*older == teachers)
            return;
        datedBackup(bank, now).replace(older->first, older->second);
    }
    backup.replace(teachers.first, teachers.second);
}

} // namespace

int writePracticeBank(const QString &appDir, const QList<Mistake> &mistakes, const QDateTime &now)
{
    QStringList questions, answers;
    for (const Mistake &mistake : mistakes) {
        if (!mistake.practised())
            continue;
        questions.append(mistake.question);
        answers.append(mistake.rightValue());
    }
    writePracticeQuestions(appDir, questions, answers, now);
    return int(questions.size());
}

void writePracticeQuestions(const QString &appDir, const QStringList &questions, const QStringList &answers,
                            const QDateTime &now)
{
    const BankPair bank = BankPair::custom(appDir);
    // A class pupil's folder may have no bank folder yet; the pupil's folder
    // itself is never made here.
    QDir().mkdir(QFileInfo(bank.questionPath()).path());
    bank.recover();
    if (const auto current = bank.read(); current && !isPracticeBank(appDir, *current))
        keepTeacherBank(bank, *current, now);
    const PairBytes practice{TextFile::joinLines(questions), TextFile::joinLines(answers)};
    // Marked first: a crash before the pair is replaced leaves the teacher's
    // bank, which the marker does not match, so it is still kept next time.
    OwnFile::replace(markerPath(appDir), markerFor(practice));
    bank.replace(practice.first, practice.second);
}

bool canRestoreTeacherBank(const QString &appDir)
{
    // Only reads: an interrupted save is finished by whatever writes next.
    try {
        const BankPair bank = BankPair::custom(appDir);
        const auto kept = bank.withSuffix(kBackupSuffix).read();
        return kept && kept != bank.read();
    } catch (const NumoraError &) {
        return false;
    }
}

void restoreTeacherBank(const QString &appDir, const QDateTime &now)
{
    const BankPair bank = BankPair::custom(appDir);
    const BankPair backup = bank.withSuffix(kBackupSuffix);
    bank.recover();
    backup.recover();
    const auto kept = backup.read();
    if (!kept)
        throw NumoraError(QStringLiteral("没有保存的原题库：%1").arg(backup.questionPath()));
    if (const auto current = bank.read(); current && *current != *kept && !isPracticeBank(appDir, *current))
        datedBackup(bank, now).replace(current->first, current->second);
    bank.replace(kept->first, kept->second);
}

} // namespace MistakeBook
