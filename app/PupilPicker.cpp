#include "app/PupilPicker.h"

#include "platform/AppFonts.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

PupilPicker::PupilPicker(const QStringList &names, QWidget *parent)
    : QDialog(parent), m_names(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("谁在训练？"));
    auto *prompt = new QLabel(QStringLiteral("请选择你的名字(&N)："), this);
    prompt->setFont(AppFonts::font(QStringLiteral("宋体"), 20));
    prompt->setBuddy(m_names);
    m_names->setObjectName(QStringLiteral("PupilNames"));
    m_names->setAccessibleName(QStringLiteral("学生名单"));
    m_names->setFont(AppFonts::font(QStringLiteral("楷体_GB2312"), 36));
    m_names->setViewMode(QListView::IconMode); // names side by side, wrapped
    m_names->setFlow(QListView::LeftToRight);
    m_names->setResizeMode(QListView::Adjust);
    m_names->setMovement(QListView::Static);
    m_names->setGridSize(QSize(190, 80)); // equal cells: big targets in even rows
    m_names->addItems(names);
    m_names->setCurrentRow(0);
    m_names->installEventFilter(this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("开始"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_names);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A click or Enter on a name starts at once.
    connect(m_names, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(m_names, &QListWidget::itemClicked, this, &QDialog::accept);
    resize(640, 480);
}

bool PupilPicker::eventFilter(QObject *watched, QEvent *event)
{
    // The list says only itself when it gets the keyboard; a child who
    // cannot see it must also hear which name is chosen. After the list's
    // own focus event, so that the name is said last.
    if (watched == m_names && event->type() == QEvent::FocusIn && QAccessible::isActive()) {
        QTimer::singleShot(0, m_names, [names = m_names] {
            if (!names->hasFocus() || names->currentRow() < 0)
                return;
            QAccessibleEvent focus(names, QAccessible::Focus);
            focus.setChild(names->currentRow());
            QAccessible::updateAccessibility(&focus);
        });
    }
    return QDialog::eventFilter(watched, event);
}

QString PupilPicker::chosen() const
{
    const QListWidgetItem *item = m_names->currentItem();
    return item ? item->text() : QString();
}

QString PupilPicker::ask(const QStringList &names)
{
    PupilPicker picker(names);
    return picker.exec() == QDialog::Accepted ? picker.chosen() : QString();
}
