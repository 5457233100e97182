#pragma once

#include "training/Arithmetic.h"
#include "training/RecordReader.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// How well a child knows a fact.
enum class FactState { Fluent, Slow, Wrong };

// One answer to a fact, as the fact's history keeps it.
struct FactAnswer
{
    QDate day;
    bool right = false;
    qint64 millis = -1; // -1: a record without times
};

// A question as a child met it over all their runs: the same text, blanks
// ignored.
struct Fact
{
    QString question;          // without blanks
    QList<FactAnswer> answers; // oldest first
    std::optional<Fraction> value;

    int rightCount() const;
    QDate lastAnswered() const { return answers.constLast().day; }
    // Of the answers whose time is known; none when no time is.
    std::optional<qint64> medianMillis() const;
    FactState state(qint64 limitMillis) const;
    // When a fluent fact comes back for review: 1, 3, 7, 14, then every 30
    // days after the days it became or stayed fluent. Invalid when not fluent.
    QDate reviewDue(qint64 limitMillis) const;
};

namespace FactFluency {

// The seconds a fluent answer may take: 3 by default, 6 or 12 for beginners.
const QList<int> &timeLimits();
constexpr int kDefaultTimeLimit = 3;
constexpr qint64 limitMillis(int seconds)
{
    return seconds * qint64(1000);
}

QString stateName(FactState state); // 熟练, 较慢, 出错
QString stateLetter(FactState state); // one character, for a cell of the map
QString key(QStringView question);

// The state after the first `count` answers: 出错 when one of the last three
// is wrong; 熟练 when the last three are right, each within the limit, on
// at least two days; 较慢 otherwise.
FactState stateOf(const QList<FactAnswer> &answers, qsizetype count, qint64 limitMillis);

// Every question answered in the runs, in the order first met.
QList<Fact> collect(QList<RecordedRun> runs);

// The facts a child learns by heart, laid out as the map shows them.
enum class Grid { Addition, Subtraction, Multiplication, Division };
struct GridCell
{
    Grid grid;
    int row;
    int column;
};
// Addition: a+b with a, b and the sum 0–20 at (a, b); subtraction: a−b
// with b ≤ a ≤ 20 at (a, b); the table a×b at (a−1, b−1) for 1–9; its
// divisions (a×b)÷b at (b−1, a−1).
std::optional<GridCell> cellOf(const QString &question);
QString gridQuestion(Grid grid, int row, int column); // empty off the grid
int gridSize(Grid grid); // rows and columns: every map is square

// About `size` questions for today: the wrong facts first (latest first),
// then the slow ones slowest first, then fluent ones due for review, then
// questions of `fresh` never answered; each once, each with a value a child
// can type.
struct PracticeQuestion
{
    QString question;
    QString answer;
};
QList<PracticeQuestion> todaysPractice(const QList<Fact> &facts, qint64 limitMillis, const QDate &today,
                                        const QStringList &fresh, int size = 30);

} // namespace FactFluency
