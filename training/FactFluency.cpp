#include "training/FactFluency.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>

namespace {

constexpr qsizetype kLastAnswers = 3;
constexpr int kFluentDays = 2;
constexpr std::array kReviewDays = {1, 3, 7, 14, 30};

} // namespace

int Fact::rightCount() const
{
    return int(std::count_if(answers.begin(), answers.end(), [](const FactAnswer &a) { return a.right; }));
}

std::optional<qint64> Fact::medianMillis() const
{
    QList<qint64> times;
    for (const FactAnswer &answer : answers) {
        if (answer.millis >= 0)
            times.append(answer.millis);
    }
    if (times.isEmpty())
        return std::nullopt;
    std::sort(times.begin(), times.end());
    const qsizetype middle = times.size() / 2;
    return times.size() % 2 ? times.at(middle) : (times.at(middle - 1) + times.at(middle)) / 2;
}

FactState Fact::state(qint64 limitMillis) const
{
    return FactFluency::stateOf(answers, answers.size(), limitMillis);
}

QDate Fact::reviewDue(qint64 limitMillis) const
{
    // Each day's last answer says where the fact stood that day.
    int fluentDays = 0;
    QDate lastFluent;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (i + 1 < answers.size() && answers.at(i + 1).day == answers.at(i).day)
            continue;
        if (FactFluency::stateOf(answers, i + 1, limitMillis) == FactState::Fluent) {
            ++fluentDays;
            lastFluent = answers.at(i).day;
        } else {
            fluentDays = 0;
        }
    }
    if (fluentDays == 0)
        return {};
    return lastFluent.addDays(kReviewDays[std::min<size_t>(fluentDays, kReviewDays.size()) - 1]);
}

namespace FactFluency {

const QList<int> &timeLimits()
{
    static const QList<int> limits = {3, 6, 12};
    return limits;
}

namespace {

struct StateTexts
{
    const char *name;
    const char *letter;
};

// In FactState's order.
constexpr std::array<StateTexts, 3> kStateTexts = {{{"熟练", "熟"}, {"较慢", "慢"}, {"出错", "错"}}};

} // namespace

QString stateName(FactState state)
{
    return QString::fromUtf8(kStateTexts.at(size_t(state)).name);
}

QString stateLetter(FactState state)
{
    return QString::fromUtf8(kStateTexts.at(size_t(state)).letter);
}

QString key(QStringView question)
{
    QString text;
    text.reserve(question.size());
    for (const QChar c : question) {
        if (!c.isSpace())
            text += c;
    }
    return text;
}

FactState stateOf(const QList<FactAnswer> &answers, qsizetype count, qint64 limitMillis)
{
    const qsizetype first = std::max<qsizetype>(0, count - kLastAnswers);
    QSet<QDate> days;
    bool quick = count - first == kLastAnswers;
    for (qsizetype i = first; i < count; ++i) {
        const FactAnswer &answer = answers.at(i);
        if (!answer.right)
            return FactState::Wrong;
        quick = quick && answer.millis >= 0 && answer.millis <= limitMillis;
        days.insert(answer.day);
    }
    return quick && days.size() >= kFluentDays ? FactState::Fluent : FactState::Slow;
}

QList<Fact> collect(QList<RecordedRun> runs)
{
    std::stable_sort(runs.begin(), runs.end(), [](const RecordedRun &a, const RecordedRun &b) {
        return std::pair(a.date, a.runNumber) < std::pair(b.date, b.runNumber);
    });
    QList<Fact> facts;
    QHash<QString, qsizetype> index;
    for (const RecordedRun &run : std::as_const(runs)) {
        for (const RecordedAnswer &answer : run.answers) {
            if (answer.typed.isEmpty())
                continue; // the question cannot be told from what was typed
            const QString question = key(answer.question);
            auto found = index.find(question);
            if (found == index.end()) {
                found = index.insert(question, facts.size());
                facts.append({question, {}, {}});
                if (const auto evaluation = evaluateQuestion(question))
                    facts.last().value = evaluation->value;
            }
            facts[*found].answers.append({run.date, answer.right, answer.millis});
        }
    }
    return facts;
}

namespace {

struct Operation
{
    int a;
    QChar op; // + - × ÷
    int b;
};

std::optional<Operation> operationOf(const QString &question)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{1,2})([+＋\\-－−×xX*÷/／])(\\d{1,2})[=＝]$"));
    const QRegularExpressionMatch match = shape.match(question);
    if (!match.hasMatch())
        return std::nullopt;
    const QChar sign = match.capturedView(2).at(0);
    QChar op = u'+';
    if (QStringLiteral("-－−").contains(sign))
        op = u'-';
    else if (QStringLiteral("×xX*").contains(sign))
        op = u'×';
    else if (QStringLiteral("÷/／").contains(sign))
        op = u'÷';
    return Operation{match.captured(1).toInt(), op, match.captured(3).toInt()};
}

} // namespace

std::optional<GridCell> cellOf(const QString &question)
{
    const auto operation = operationOf(key(question));
    if (!operation)
        return std::nullopt;
    const auto [a, op, b] = *operation;
    if (op == u'+' && a + b <= 20)
        return GridCell{Grid::Addition, a, b};
    if (op == u'-' && b <= a && a <= 20)
        return GridCell{Grid::Subtraction, a, b};
    if (op == u'×' && a >= 1 && a <= 9 && b >= 1 && b <= 9)
        return GridCell{Grid::Multiplication, a - 1, b - 1};
    if (op == u'÷' && b >= 1 && b <= 9 && a % b == 0 && a / b >= 1 && a / b <= 9)
        return GridCell{Grid::Division, b - 1, a / b - 1};
    return std::nullopt;
}

int gridSize(Grid grid)
{
    return grid == Grid::Addition || grid == Grid::Subtraction ? 21 : 9;
}

QString gridQuestion(Grid grid, int row, int column)
{
    switch (grid) {
    case Grid::Addition:
        return row + column <= 20 ? QStringLiteral("%1+%2=").arg(row).arg(column) : QString();
    case Grid::Subtraction:
        return column <= row ? QStringLiteral("%1-%2=").arg(row).arg(column) : QString();
    case Grid::Multiplication:
        return QStringLiteral("%1×%2=").arg(row + 1).arg(column + 1);
    case Grid::Division:
        return QStringLiteral("%1÷%2=").arg((row + 1) * (column + 1)).arg(row + 1);
    }
    return {};
}

QList<PracticeQuestion> todaysPractice(const QList<Fact> &facts, qint64 limitMillis, const QDate &today,
                                        const QStringList &fresh, int size)
{
    QList<const Fact *> wrong, slow, due;
    for (const Fact &fact : facts) {
        if (!fact.value || !fact.value->terminates())
            continue;
        switch (fact.state(limitMillis)) {
        case FactState::Wrong:
            wrong.append(&fact);
            break;
        case FactState::Slow:
            slow.append(&fact);
            break;
        case FactState::Fluent:
            if (fact.reviewDue(limitMillis) <= today)
                due.append(&fact);
            break;
        }
    }
    std::stable_sort(wrong.begin(), wrong.end(),
                     [](const Fact *a, const Fact *b) { return a->lastAnswered() > b->lastAnswered(); });
    // No time known sorts after every known one.
    std::stable_sort(slow.begin(), slow.end(), [](const Fact *a, const Fact *b) {
        return a->medianMillis().value_or(-1) > b->medianMillis().value_or(-1);
    });
    std::stable_sort(due.begin(), due.end(), [limitMillis](const Fact *a, const Fact *b) {
        return a->reviewDue(limitMillis) < b->reviewDue(limitMillis);
    });

    QList<PracticeQuestion> practice;
    QSet<QString> taken;
    const auto add = [&](const QString &question, const std::optional<Fraction> &value) {
        if (practice.size() < size && value && value->terminates() && !taken.contains(key(question))) {
            taken.insert(key(question));
            practice.append({question, value->toDecimal()});
        }
    };
    for (const QList<const Fact *> &group : {wrong, slow, due}) {
        for (const Fact *fact : group)
            add(fact->question, fact->value);
    }
    QSet<QString> answered;
    for (const Fact &fact : facts)
        answered.insert(fact.question);
    for (const QString &question : fresh) {
        if (practice.size() >= size)
            break;
        if (!answered.contains(key(question))) {
            const auto evaluation = evaluateQuestion(question);
            add(question, evaluation ? std::optional(evaluation->value) : std::nullopt);
        }
    }
    return practice;
}

} // namespace FactFluency
