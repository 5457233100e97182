#pragma once

#include "report/ReportTables.h"
#include "report/WorksheetPages.h"
#include "report/RunCollection.h"
#include "training/ClassFolder.h"
#include "training/MistakeBook.h"
#include "training/Worksheet.h"

#include <QDate>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

// One pupil of a class, as the pupil's folder holds the records.
struct PupilRecords
{
    QString name;
    bool onRoster = true;
    QString unreadable; // why the records could not be read; empty when they were
    QList<RecordedRun> runs; // oldest first
    QList<Mistake> mistakes;
    int timeLimit = FactFluency::kDefaultTimeLimit; // a fluent answer's seconds: the pupil's own, else the class's
};

// A question the class misses: how many pupils have it open in their
// 错题本, and how often they answered it wrong.
struct ClassMistake
{
    QString question;
    int pupils = 0;
    int wrong = 0;
    QString rightValue;
    bool practicable = false; // a value a child can write exactly
};

struct ClassRecords
{
    QString folder;
    QString unreadable; // why the roster could not be read
    QList<PupilRecords> pupils; // roster order, then pupil folders not on it
    QList<RosterRefusal> refused;
    QList<SkippedFile> skipped;
    int timeLimit = FactFluency::kDefaultTimeLimit; // the class's
};

// The teacher's view of a class folder: every pupil's records read at once.
namespace ClassReport {

// Throws FileOpenError when the roster cannot be read. progress and
// cancelled as for collectRuns.
ClassRecords read(const QString &classFolder, const std::function<void(int, int)> &progress = {},
                  const std::atomic<bool> *cancelled = nullptr);

QStringList pupilHeaders();
// Runs counted in the 7 days up to today; a pupil with no run has empty
// cells but for the counts.
ReportRow pupilRow(const PupilRecords &pupil, const QDate &today);
QList<ReportRow> pupilRows(const QList<PupilRecords> &pupils, const QDate &today);

// Most pupils first, then most wrong answers; mistakes a pupil has
// mastered are left out for that pupil.
QList<ClassMistake> mostMissed(const QList<PupilRecords> &pupils);
QStringList mistakeHeaders();
ReportRow mistakeRow(const ClassMistake &mistake);
QList<ReportRow> mistakeRows(const QList<ClassMistake> &missed);

// What a 口算题卡 can ask of the class's most-missed questions.
QList<SheetQuestion> sheetQuestions(const QList<ClassMistake> &missed);
// A pupil's own sheet: the pupil's open mistakes, padded with the class's
// questions the pupil has not, up to count.
QList<SheetQuestion> pupilSheetQuestions(const PupilRecords &pupil, const QList<SheetQuestion> &classQuestions,
                                         int count);

// The class's sheets as the recipe asks: the most-missed on one sheet, or
// a sheet a pupil who could be read, named, of the pupil's own mistakes
// padded from the class's. None when there is nothing to ask.
QList<Sheet> sheets(const ClassRecords &records, const SheetRecipe &recipe);

struct PracticeWritten
{
    int pupils = 0;
    int questions = 0;
    QStringList failures; // "name：reason"
};
// Each pupil's open mistakes as that pupil's bank of range 1, the
// teacher's bank kept as for one child; a pupil with none keeps the bank.
PracticeWritten writePracticeBanks(const ClassRecords &records);

} // namespace ClassReport
