#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

// How the painted widgets meet a screen reader: containers list only the
// children a sighted user sees, panels are panes rather than windows, a
// link is a focusable link that can be pressed.
namespace AccessibleWidgets {

// Installs the accessible views; call once, before the first window shows.
void install();
// Another class exposed with this role, its children the shown ones (the
// programs' own classes register here; the widgets know nothing of them).
void exposeAs(const char *className, QAccessible::Role role);
// Leaves a control out of the tree: a value whose caption speaks for it.
void leaveOut(QWidget *widget);

} // namespace AccessibleWidgets

// A container whose accessible children are its shown ones, in the order
// they were made.
class ShownChildrenAccessible : public QAccessibleWidget
{
public:
    ShownChildrenAccessible(QWidget *widget, QAccessible::Role role);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessible::State state() const override;

private:
    QList<QWidget *> shownChildren() const;
};

// A label a screen reader speaks whenever it is told to: a notification,
// for texts that change while the keyboard stays elsewhere (a new question
// while the answer field keeps the focus).
class NoticeLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Has a screen reader speak the text now.
    void announce();
};
