#pragma once

#include "report/ReportTables.h"
#include "training/FactFluency.h"
#include "training/ProgramFolders.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>

// The 熟练度 view: each fact a child answered, its state and time; for a
// class, how many pupils know each fact.
namespace FluencyReport {

QStringList factHeaders(); // 题目,作答次数,答对次数,中位用时秒,最近作答,状态
ReportRow factRow(const Fact &fact, int limitSeconds);
QString medianText(const Fact &fact); // "4.2"; empty when no time is known
// What the map says of a fact, on hover and to a screen reader.
QString factDescription(const Fact &fact, int limitSeconds);

// The questions of the range (2–12) whose bank holds most of the facts
// answered, in the bank's order; none when no range holds any.
QStringList freshQuestions(const ProgramFolders &program, const QList<Fact> &facts);
// Today's practice written as appDir's custom bank; returns how many
// questions. Throws NumoraError.
int writeToday(const QString &appDir, const QList<Fact> &facts, int limitSeconds, const ProgramFolders &program,
               const QDate &today = QDate::currentDate());

// The folder whose data/ a child's records in `folder` train with: the one
// holding the job folder; empty when `folder` is no job folder.
QString appDirOfRecords(const QString &folder);

// A class: of the pupils, how many are fluent in each fact, and how many
// answered it.
struct Share
{
    int fluent = 0;
    int answered = 0;
};
QHash<QString, Share> classShares(const QList<QList<Fact>> &pupils, int limitSeconds);

} // namespace FluencyReport
