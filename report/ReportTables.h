#pragma once

#include "training/MistakeBook.h"
#include "training/RecordReader.h"

#include <QList>
#include <QStringList>
#include <QVariant>

// A table cell: the text shown and exported, and the value it sorts by.
struct ReportCell
{
    QString text;
    QVariant sortKey;
};
using ReportRow = QList<ReportCell>;

namespace ReportTables {

QStringList runHeaders();
ReportRow runRow(const RecordedRun &run);
QStringList mistakeHeaders();
ReportRow mistakeRow(const Mistake &mistake);

// A CSV file as spreadsheet programs in Chinese locales open it: UTF-8 with
// a byte-order mark, CR LF, fields with a comma, quote or break quoted.
QByteArray csv(const QStringList &headers, const QList<ReportRow> &rows);

} // namespace ReportTables
