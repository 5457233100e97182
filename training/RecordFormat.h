#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One answer of a recorded run.
struct RecordedAnswer
{
    QString question; // up to and with its last "="; the whole text when not separable
    QString typed;    // empty when it cannot be told from the question
    bool right = false;
    qint64 millis = -1; // how long it took; -1 when not known
};

// The lines of a training record, written and read here alone: an answer a
// line ("第3题    7×8=54    ×"), then three summary lines.
namespace RecordFormat {

// The question with the typed answer after it, numbered from 1.
QString answerLine(int number, const QString &questionAndTyped, bool right);

struct Summary
{
    bool timed = false;
    int amount = 0;   // the seconds or the questions chosen
    int measured = 0; // the questions done in a timed run, the seconds of a counted one
    int right = 0;
};
// amountText as the user typed it, written unchanged.
QStringList summaryLines(bool timed, const QString &amountText, int measured, int right);
constexpr int kSummaryLineCount = 3;

// An answer line taken apart; nothing when the line has another shape.
std::optional<RecordedAnswer> parseAnswer(const QString &line);
// The three summary lines read back; nothing when they have another shape.
std::optional<Summary> parseSummary(const QString &first, const QString &second, const QString &third);

} // namespace RecordFormat
