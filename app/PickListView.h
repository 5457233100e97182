#pragma once

#include <QListView>
#include <QPersistentModelIndex>

// A list in which a person picks a row: by a click, by the arrow keys, or by
// a mouse selection, dragged or not, which picks the row where it ends. The
// focus alone picks nothing and makes no row current.
class PickListView : public QListView
{
    Q_OBJECT

public:
    explicit PickListView(QWidget *parent = nullptr);

signals:
    void rowPicked();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    bool m_buttonHeld = false;
    bool m_selectedByMouse = false; // while the button is held
    QPersistentModelIndex m_pressed;
};
