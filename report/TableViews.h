#pragma once

#include "report/ReportTables.h"

class QStandardItemModel;
class QTableView;
class QWidget;

// A read-only table of report rows, sorted by a click on a column by the
// cells' sort keys.
QTableView *sortableTable(QStandardItemModel *model, const QString &name, QWidget *parent);
void fill(QStandardItemModel *model, const QStringList &headers, const QList<ReportRow> &rows);
