#include "report/TableViews.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

QTableView *sortableTable(QStandardItemModel *model, const QString &name, QWidget *parent)
{
    auto *proxy = new QSortFilterProxyModel(parent);
    proxy->setSourceModel(model);
    proxy->setSortRole(Qt::UserRole);
    auto *table = new QTableView(parent);
    table->setAccessibleName(name);
    table->setModel(proxy);
    table->setSortingEnabled(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

void fill(QStandardItemModel *model, const QStringList &headers, const QList<ReportRow> &rows)
{
    model->clear();
    model->setHorizontalHeaderLabels(headers);
    for (const ReportRow &row : rows) {
        QList<QStandardItem *> items;
        for (const ReportCell &cell : row) {
            auto *item = new QStandardItem(cell.text);
            item->setData(cell.sortKey, Qt::UserRole);
            const auto type = cell.sortKey.typeId();
            if (type == QMetaType::Int || type == QMetaType::Double)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items.append(item);
        }
        model->appendRow(items);
    }
}
