#include "widgets/flat/TFlatComboBoxUnit.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

constexpr int kArrowBoxWidth = 13; // the 11-pixel box and a pixel on each side

// The list's rows, ItemHeight high.
class ItemHeightDelegate : public QStyledItemDelegate
{
public:
    ItemHeightDelegate(const int &height, QObject *parent) : QStyledItemDelegate(parent), m_height(height) {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_height);
    }

private:
    const int &m_height;
};

} // namespace

QRect comboArrowBox(QSize size)
{
    return QRect(size.width() - kArrowBoxWidth, 0, kArrowBoxWidth, size.height());
}

QList<QLine> comboArrowRows(QRect box, bool pointingUp)
{
    const int x0 = box.left() + box.width() / 2 - 6;
    const int y0 = box.top() + box.height() / 2 - 1;
    QList<QLine> rows;
    for (int r = 0; r < 3; ++r) {
        const int y = pointingUp ? y0 + 2 - r : y0 + r;
        rows.append(QLine(x0 + 4 + r, y, x0 + 8 - r, y));
    }
    return rows;
}

TFlatComboBox::TFlatComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    setAttribute(Qt::WA_OpaquePaintEvent);
    view()->setItemDelegate(new ItemHeightDelegate(m_itemHeight, this));
    lineEdit()->installEventFilter(this); // Qt places the edit by its own style, often
    // Qt makes an item with the typed text current on Enter and when the
    // focus leaves; only picking from the list chooses an item here.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, &TFlatComboBox::Change);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TFlatComboBox::onTextEdited);
    connect(lineEdit(), &QLineEdit::textChanged, this, &TFlatComboBox::onTextChanged);
    resize(145, 25);
    applyColour();
}

void TFlatComboBox::replaceItems(const QStringList &items)
{
    const QString shown = currentText();
    const QScopedValueRollback own(m_settingText, true);
    const QSignalBlocker blocker(this);
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(shown);
}

void TFlatComboBox::setEditText(const QString &text)
{
    const QScopedValueRollback own(m_settingText, true);
    QComboBox::setEditText(text);
}

void TFlatComboBox::onTextEdited(const QString &text)
{
    if (currentIndex() >= 0) {
        const int cursor = lineEdit()->cursorPosition();
        const QScopedValueRollback own(m_settingText, true);
        const QSignalBlocker blocker(this);
        setCurrentIndex(-1);
        setEditText(text);
        lineEdit()->setCursorPosition(cursor);
    }
    m_typed = true; // the edit tells of typing first, of the change after
    emit Change();
}

void TFlatComboBox::onTextChanged(const QString &text)
{
    if (std::exchange(m_typed, false) || m_settingText || (currentIndex() >= 0 && itemText(currentIndex()) == text))
        return;
    if (const int item = findText(text, Qt::MatchExactly); item >= 0) {
        setCurrentIndex(item);
        emit activated(item);
    } else {
        onTextEdited(text);
        m_typed = false;
    }
}

void TFlatComboBox::setColor(TColor colour)
{
    m_color = colour;
    applyColour();
}

void TFlatComboBox::setUseAdvColors(bool use)
{
    if (m_useAdvColors == use)
        return;
    m_useAdvColors = use;
    update();
}

void TFlatComboBox::setItemHeight(int height)
{
    m_itemHeight = height;
    view()->doItemsLayout();
}

void TFlatComboBox::applyColour()
{
    // The edit area and the dropped list take the box's colour.
    const QColor colour = resolve(m_color, palette());
    for (QWidget *part : {static_cast<QWidget *>(this), static_cast<QWidget *>(view())}) {
        if (part->palette().color(QPalette::Base) != colour) {
            QPalette own = part->palette();
            own.setColor(QPalette::Base, colour);
            part->setPalette(own);
        }
    }
    update();
}

void TFlatComboBox::fitEdit()
{
    const QRect place(3, 3, width() - 19, height() - 6);
    if (QLineEdit *edit = lineEdit(); edit && edit->geometry() != place)
        edit->setGeometry(place);
}

bool TFlatComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        fitEdit();
    return QComboBox::eventFilter(watched, event);
}

void TFlatComboBox::showPopup()
{
    m_dropped = true;
    update();
    QComboBox::showPopup();
}

void TFlatComboBox::hidePopup()
{
    QComboBox::hidePopup();
    m_dropped = false;
    update();
}

bool TFlatComboBox::event(QEvent *event)
{
    const bool handled = QComboBox::event(event);
    switch (event->type()) {
    case QEvent::FontChange:
        m_itemHeight = 13;
        fitEdit();
        break;
    case QEvent::Resize:
        fitEdit();
        break;
    case QEvent::EnabledChange:
        update();
        break;
    default:
        break;
    }
    return handled;
}

void TFlatComboBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &desktop = palette();
    const QColor colour = resolve(m_color, desktop);
    // Advanced colours follow the parent's, as the combo's own fill does.
    const QColor base = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : colour;
    const QColor border = ShownColour(m_colorBorder, desktop, m_useAdvColors, base, m_advColorBorder,
                                      LightnessShift::Darken);
    painter.fillRect(rect(), colour);
    DrawFlatRings(painter, QRect(0, 0, width() - 12, height()), border, colour);

    const QRect box = comboArrowBox(size());
    painter.fillRect(box, ShownColour(m_colorArrowBackground, desktop, m_useAdvColors, base,
                                      m_advColorArrowBackground, LightnessShift::Darken));
    DrawBevel(painter, TRect{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()}, border,
              border, 1);
    const auto drawArrow = [&](QPoint shift, QColor ink) {
        for (const QLine &row : comboArrowRows(box, m_dropped))
            painter.fillRect(QRect(row.p1() + shift, row.p2() + shift), ink);
    };
    if (isEnabled()) {
        drawArrow({0, 0}, resolve(m_colorArrow, desktop));
    } else {
        drawArrow({1, 1}, QColor(255, 255, 255));
        drawArrow({0, 0}, QColor(128, 128, 128));
    }
}
