#pragma once

#include <QListView>
#include <QStringListModel>

// A list box drawn flat. Its lines live in a string list model, so that a
// bank of millions of lines loads at once.
class TFlatListBox : public QListView
{
    Q_OBJECT

public:
    explicit TFlatListBox(QWidget *parent = nullptr);

    QStringList items() const { return m_items.stringList(); }
    void setItems(const QStringList &items);
    int count() const { return m_items.rowCount(); }

private:
    QStringListModel m_items;
};
