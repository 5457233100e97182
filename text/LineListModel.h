#pragma once

#include "text/LineStore.h"

#include <QAbstractListModel>

// A list model over a line store: a view asks only for the rows it shows, so
// a bank of millions of lines opens without work per row.
class LineListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // What the display role gives of a huge line; the edit role gives all.
    static constexpr qsizetype kDisplayedHead = 4096;
    // How the display role shows a NUL (␀).
    static constexpr QChar kNulMark = QChar(0x2400);

    using QAbstractListModel::QAbstractListModel;

    const LineStore &lines() const { return m_lines; }
    void setLines(const LineStore &lines);
    void appendLine(const QString &line);
    void replaceLine(int row, const QString &line);
    // A row past the end removes nothing.
    void removeLine(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    LineStore m_lines;
};
