#pragma once

#include "training/Arithmetic.h"
#include "training/RecordReader.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// A question answered wrong at least once, over all the runs read.
struct Mistake
{
    QString question;
    int wrong = 0;
    int right = 0;
    QString lastWrong;              // the latest wrong answer typed
    std::optional<Fraction> value;  // its right value, when it can be worked out
    int rightSinceLastWrong = 0;    // right answers in a row after the latest wrong one

    // What the practice bank can ask: a value a child can type exactly.
    bool practicable() const { return value && value->terminates(); }
    // Right twice in a row after its last mistake: kept, but no longer practised.
    bool mastered() const { return rightSinceLastWrong >= kMasteredAfter; }
    // What practice banks and worksheets ask.
    bool practised() const { return practicable() && !mastered(); }
    static constexpr int kMasteredAfter = 2;
    QString rightValue() const { return value ? value->toDecimal() : QString(); }
};

namespace MistakeBook {

// Most-missed first, then the fewest right answers, then by question.
QList<Mistake> collect(QList<RecordedRun> runs);

// Writes the practicable mistakes not yet mastered as the custom bank of appDir and returns
// how many questions were written; throws NumoraError. The teacher's own
// bank is kept as make.tm.bak and make.da.bak until it is put back: a
// practice bank written here is replaced without a copy, and an older copy
// of the teacher's is moved to a dated name rather than replaced.
int writePracticeBank(const QString &appDir, const QList<Mistake> &mistakes,
                      const QDateTime &now = QDateTime::currentDateTime());

// The same for questions chosen elsewhere, with their answers.
void writePracticeQuestions(const QString &appDir, const QStringList &questions, const QStringList &answers,
                            const QDateTime &now = QDateTime::currentDateTime());

// Whether a teacher's bank is kept that differs from the custom bank now.
bool canRestoreTeacherBank(const QString &appDir);
// Puts the kept teacher's bank back as the custom bank. A bank the teacher
// wrote since is kept under a dated name first. Throws NumoraError.
void restoreTeacherBank(const QString &appDir, const QDateTime &now = QDateTime::currentDateTime());

} // namespace MistakeBook
