#include "widgets/AccessibleWidgets.h"

#include "widgets/xp/XP_Url.h"

#include <QHash>
#include <QWidget>

namespace {

const char kLeftOut[] = "numoraAccessibleLeftOut";

QHash<QString, QAccessible::Role> &exposedRoles()
{
    static QHash<QString, QAccessible::Role> roles = {
        {QStringLiteral("TFlatPanel"), QAccessible::Pane},
        {QStringLiteral("TFlatGroupBox"), QAccessible::Grouping},
    };
    return roles;
}

// A link: its caption is its name, Enter, Space or the press action opens it.
class LinkAccessible : public QAccessibleWidget
{
public:
    explicit LinkAccessible(TXP_Url *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        QString shown = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && shown.isEmpty())
            shown = link()->text().remove(u'&');
        return shown;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        state.traversed = link()->visited();
        return state;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && link()->isEnabled())
            link()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TXP_Url *link() const { return static_cast<TXP_Url *>(widget()); }
};

// A notice speaks its text.
class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return static_cast<QLabel *>(widget())->text();
        case QAccessible::Description:
            return {}; // the hint after every question would only hold the child up
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("TXP_Url"))
        return new LinkAccessible(static_cast<TXP_Url *>(widget));
    if (className == QLatin1String("NoticeLabel"))
        return new NoticeAccessible(static_cast<QLabel *>(widget));
    if (className == QLatin1String("TDsFramedImage"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (const auto role = exposedRoles().constFind(className); role != exposedRoles().cend())
        return new ShownChildrenAccessible(widget, *role);
    return nullptr;
}

} // namespace

void AccessibleWidgets::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

void AccessibleWidgets::exposeAs(const char *className, QAccessible::Role role)
{
    exposedRoles().insert(QLatin1String(className), role);
}

void AccessibleWidgets::leaveOut(QWidget *widget)
{
    widget->setProperty(kLeftOut, true);
}

ShownChildrenAccessible::ShownChildrenAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

QList<QWidget *> ShownChildrenAccessible::shownChildren() const
{
    QList<QWidget *> shown;
    for (QObject *object : widget()->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && !child->isHidden() && !child->property(kLeftOut).toBool())
            shown.append(child);
    }
    return shown;
}

int ShownChildrenAccessible::childCount() const
{
    return int(shownChildren().size());
}

QAccessibleInterface *ShownChildrenAccessible::child(int index) const
{
    const QList<QWidget *> shown = shownChildren();
    return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown.at(index)) : nullptr;
}

int ShownChildrenAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    return int(shownChildren().indexOf(qobject_cast<QWidget *>(child->object())));
}

QAccessible::State ShownChildrenAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // A window is active while it has the keyboard; screen readers ignore
    // what happens in a window that is not.
    if (role() == QAccessible::Window)
        state.active = widget()->isActiveWindow();
    return state;
}

void NoticeLabel::announce()
{
    // Screen readers speak a notification as it appears; a changed name
    // alone they leave unread.
    if (!QAccessible::isActive() || !isVisible())
        return;
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
