#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace RecordName {

// A record's name: the date text of the day it was named and its number.
struct Choice
{
    QString dateText;
    int number = 1;
};

// "\job\" + date + "-第" + n + "次.xl"; a path separator in the date text
// becomes "-" so that the name never points into a folder that is missing.
QString relativeName(const QString &dateText, int number);
QString path(const QString &appDir, const Choice &choice);
QString jobFolder(const QString &appDir);

// Run number and date from "<date>-第<n>次.xl": false when the name has
// another shape. The date is invalid when it reads more than one way, as
// short dates of older versions may ("12-9-26"); the file's date stands in.
bool parse(const QString &fileName, QDate *date, int *runNumber);
// The date text of one of our names, as it was written ("2026-12-9").
QString dateTextOf(const QString &fileName);

// The first name, numbered from 1, that no file holds yet. The date is read
// again for every name tried.
Choice firstFree(const QString &appDir,
                 const std::function<QString()> &todayText,
                 const std::function<bool(const QString &)> &exists);

} // namespace RecordName
