#pragma once

#include "training/RecordFormat.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// A training record read back: one run.
struct RecordedRun
{
    QString path;
    QDate date;         // from the file name; else the file's own date
    int runNumber = 0;  // "第n次" of the file name; 0 when it has none
    bool timed = false;
    int amount = 0;     // the seconds or the questions chosen
    int seconds = 0;    // how long it took
    int done = 0;
    int right = 0;
    QList<RecordedAnswer> answers;

    double accuracy() const { return done > 0 ? double(right) / done : 0.0; }
    // Questions a minute; 0 when no time passed.
    double pace() const { return seconds > 0 ? done * 60.0 / seconds : 0.0; }
};

// A record, or why a file is none.
struct RecordRead
{
    std::optional<RecordedRun> run;
    QString reason;
};

namespace RecordReader {

// Whether to look for the record's answer times: a caller that has listed
// the folder knows, and spares a share a failed open a record.
enum class Times { Look, None };

// Never throws: whatever the file holds, the result is a run or a reason.
RecordRead read(const QString &path, Times times = Times::Look);
RecordRead parse(const QString &fileName, const QByteArray &bytes);

} // namespace RecordReader
