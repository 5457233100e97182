#include "training/TrainingRun.h"

#include <QElapsedTimer>

#include <memory>

TrainingRun::TrainingRun(bool timed, int amount, Clock clock)
    : m_timed(timed), m_amount(amount), m_clock(std::move(clock))
{
    if (!m_clock) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        m_clock = [timer] { return timer->elapsed(); };
    }
}

bool TrainingRun::amountUsed() const
{
    return m_amount == (m_timed ? m_elapsed : m_answered);
}

void TrainingRun::start()
{
    m_answered = 0;
}

void TrainingRun::ask(const QString &question, long double rightValue)
{
    m_question = question;
    m_rightValue = rightValue;
    m_askedAt = m_clock();
}

TrainingRun::Answered TrainingRun::answer(long double typed, const QString &typedText)
{
    const Answered answered{++m_answered, typed == m_rightValue};
    m_correct += answered.right;
    m_answers.append({answered.number, m_question, typedText, answered.right, m_clock() - m_askedAt});
    return answered;
}

bool TrainingRun::tick()
{
    ++m_elapsed;
    const bool due = m_timed ? m_amount - m_elapsed == 0 : m_amount == m_answered;
    return due && !m_finished;
}

bool TrainingRun::finish()
{
    return !std::exchange(m_finished, true);
}
