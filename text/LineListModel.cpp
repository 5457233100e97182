#include "text/LineListModel.h"

#include <limits>

void LineListModel::setLines(const LineStore &lines)
{
    beginResetModel();
    m_lines = lines;
    endResetModel();
}

void LineListModel::appendLine(const QString &line)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_lines.append(line);
    endInsertRows();
}

void LineListModel::replaceLine(int row, const QString &line)
{
    m_lines.replace(row, line);
    emit dataChanged(index(row), index(row));
}

void LineListModel::removeLine(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_lines.removeAt(row);
    endRemoveRows();
}

int LineListModel::rowCount(const QModelIndex &parent) const
{
    // Views count rows in int; lines beyond that are not shown.
    return parent.isValid() ? 0 : int(qMin<qsizetype>(m_lines.size(), std::numeric_limits<int>::max()));
}

QVariant LineListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // A NUL shows as a mark of its own instead of ending the row's text.
        return m_lines.head(index.row(), kDisplayedHead).replace(QChar(0), kNulMark);
    case Qt::EditRole:
        return m_lines.at(index.row());
    default:
        return {};
    }
}
