#pragma once

#include "training/AnswerTimes.h"

#include <QList>
#include <QString>

#include <functional>

// One run from the start press to its end, apart from what the panel shows:
// the counts, the seconds, the question asked and how long each answer took.
class TrainingRun
{
public:
    // Milliseconds from any fixed moment, never going back.
    using Clock = std::function<qint64()>;

    // What an answer did.
    struct Answered
    {
        int number = 0;
        bool right = false;
    };

    // A run of `amount` seconds (timed) or questions; the clock defaults to
    // the system's monotonic one.
    TrainingRun(bool timed, int amount, Clock clock = {});

    int amount() const { return m_amount; }
    bool started() const { return m_answered >= 0; }
    bool finished() const { return m_finished; }
    // No press counts once the seconds or the questions are used up; the
    // next tick ends the run. A timed run of no seconds never starts.
    bool amountUsed() const;

    // The start press.
    void start();
    // A question is shown now; rightValue is NaN when its answer cannot be
    // read, so that nothing typed is right.
    void ask(const QString &question, long double rightValue);
    // An answer to the question asked, typed as `typed` and written as `typedText`.
    Answered answer(long double typed, const QString &typedText);
    // One second; true when the run is due to end (and has not).
    bool tick();
    // Ends the run; false when it had ended already.
    bool finish();

    // -1 before the start press.
    int answeredCount() const { return m_answered; }
    int correctCount() const { return m_correct; }
    int elapsedTicks() const { return m_elapsed; }
    // What the record says it measured: the questions done in a timed run,
    // the seconds of a counted one.
    int measured() const { return m_timed ? m_answered : m_elapsed; }
    const QList<TimedAnswer> &answers() const { return m_answers; }

private:
    bool m_timed;
    int m_amount;
    Clock m_clock;
    int m_answered = -1;
    int m_correct = 0;
    int m_elapsed = 0;
    bool m_finished = false;
    QString m_question;
    long double m_rightValue = 0;
    qint64 m_askedAt = 0;
    QList<TimedAnswer> m_answers;
};
