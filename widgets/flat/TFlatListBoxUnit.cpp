#include "widgets/flat/TFlatListBoxUnit.h"

TFlatListBox::TFlatListBox(QWidget *parent)
    : QListView(parent)
{
    setModel(&m_items);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TFlatListBox::setItems(const QStringList &items)
{
    m_items.setStringList(items);
}
