#include "app/PickListView.h"

#include "widgets/flat/FlatUtilitys.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <utility>

namespace {

// A huge row is drawn cut; the model keeps it whole.
class ShownLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        return QStyledItemDelegate::displayText(shownLine(value.toString()), locale);
    }
};

} // namespace

PickListView::PickListView(QWidget *parent)
    : QListView(parent)
{
    setItemDelegate(new ShownLineDelegate(this));
    setUniformItemSizes(true); // rows of one line: no need to measure every row
    // Millions of rows are laid out in steps between events, never all at once.
    setLayoutMode(QListView::Batched);
    setBatchSize(20000);
}

void PickListView::focusInEvent(QFocusEvent *event)
{
    // Qt makes the first row current when a list without one gains the focus.
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void PickListView::mousePressEvent(QMouseEvent *event)
{
    m_buttonHeld = true;
    m_pressed = indexAt(event->position().toPoint());
    QListView::mousePressEvent(event);
}

void PickListView::mouseReleaseEvent(QMouseEvent *event)
{
    const QModelIndex released = indexAt(event->position().toPoint());
    QListView::mouseReleaseEvent(event);
    m_buttonHeld = false;
    const bool clickedRow = released.isValid() && released == m_pressed;
    if (std::exchange(m_selectedByMouse, false) || clickedRow)
        emit rowPicked();
}

void PickListView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QListView::selectionChanged(selected, deselected);
    if (selected.isEmpty())
        return;
    if (m_buttonHeld)
        m_selectedByMouse = true; // picked where the button is released
    else
        emit rowPicked();
}
