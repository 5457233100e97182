#pragma once

#include "training/Arithmetic.h"
#include "training/RecordReader.h"

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

    // What the practice bank can ask: a value a child can type exactly.
    bool practicable() const { return value && value->terminates(); }
    QString rightValue() const { return value ? value->toDecimal() : QString(); }
};

namespace MistakeBook {

// Most-missed first, then the fewest right answers, then by question.
QList<Mistake> collect(QList<RecordedRun> runs);

// Writes the practicable mistakes as the custom bank of appDir: the old pair
// is kept as make.tm.bak and make.da.bak, and each file is replaced whole.
// Returns how many questions were written; throws FileCreateError.
int writePracticeBank(const QString &appDir, const QList<Mistake> &mistakes);

} // namespace MistakeBook
