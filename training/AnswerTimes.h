#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// One answer of a run with the time it took.
struct TimedAnswer
{
    int number = 0;
    QString question; // as shown
    QString typed;    // as written in the record
    bool right = false;
    qint64 millis = 0; // from the question shown to the Enter that answered it
};

// The companion of a record: "2026-12-9-第1次.csv" beside "…第1次.xl", a line
// per answer in the record's order, written and read here alone. The record
// itself stays as older versions and other tools read it.
namespace AnswerTimes {

QString companionPath(const QString &recordPath);

// UTF-8, a header row, CR LF.
QByteArray text(const QList<TimedAnswer> &answers);
// Nothing when the bytes are not such a file.
std::optional<QList<TimedAnswer>> parse(const QByteArray &bytes);

} // namespace AnswerTimes
