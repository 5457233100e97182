#include "widgets/flat/TFlatListBoxUnit.h"

#include "widgets/OffscreenImage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

// One timer for every list box repeats a held arrow: first after 600 ms,
// then every 100 ms, for the list box that started it last. It lives with
// the application.
struct ScrollRepeat : QObject
{
    static constexpr int kFirstDelay = 600;
    static constexpr int kRepeat = 100;

    QTimer timer;
    QPointer<TFlatListBox> target;
    bool down = false;

    static ScrollRepeat &instance()
    {
        static QPointer<ScrollRepeat> repeat;
        if (!repeat)
            repeat = new ScrollRepeat(QCoreApplication::instance());
        return *repeat;
    }

    explicit ScrollRepeat(QObject *application) : QObject(application)
    {
        timer.setObjectName(QStringLiteral("flatListScrollRepeat"));
        timer.setParent(this); // found by its name among the application's objects
        timer.setInterval(kFirstDelay);
        QObject::connect(&timer, &QTimer::timeout, this, [this] {
            timer.setInterval(kRepeat);
            if (target)
                target->repeatScroll(down);
            else
                timer.stop();
        });
    }
};

namespace {

constexpr int kWheelNotch = 120; // one notch of an ordinary wheel

QString trimmedOfControls(const QString &line)
{
    qsizetype start = 0, end = line.size();
    while (start < end && line.at(start).unicode() <= u' ')
        ++start;
    while (end > start && line.at(end - 1).unicode() <= u' ')
        --end;
    return line.mid(start, end - start);
}

} // namespace

namespace FlatList {

int chromeHeight(bool scrollBars)
{
    return 2 * kInset - kRowGap + (scrollBars ? kBarsExtra : 0);
}

int visibleRows(int height, int itemHeight, bool scrollBars)
{
    return (height - chromeHeight(scrollBars)) / (itemHeight + kRowGap);
}

int snappedHeight(int height, int itemHeight, bool scrollBars)
{
    return (itemHeight + kRowGap) * visibleRows(height, itemHeight, scrollBars) + chromeHeight(scrollBars);
}

QRect rowRect(int row, int width, int itemHeight, bool scrollBars)
{
    const int top = (scrollBars ? kBarHeight + kRowGap : kInset) + row * (itemHeight + kRowGap);
    return QRect(kInset, top, width - 2 * kInset, itemHeight);
}

int rowAt(QPoint at, int width, int rows, int itemHeight, bool scrollBars)
{
    for (int row = 0; row < rows; ++row) {
        if (rowRect(row, width, itemHeight, scrollBars).contains(at))
            return row;
    }
    return -1;
}

Bar barAt(QPoint at, int height, bool scrollBars)
{
    if (!scrollBars)
        return Bar::None;
    if (at.y() < kBarHeight)
        return Bar::Up;
    return at.y() >= height - kBarHeight ? Bar::Down : Bar::None;
}

int scrolledUp(int top, int rows)
{
    return qMax(0, top - rows);
}

int steppedDown(int top, int count, int visible)
{
    return count >= top + visible + 1 ? top + 1 : top;
}

int pagedDown(int top, int rows, int count, int visible)
{
    return count >= top + visible + rows ? top + rows : qMax(0, count - visible);
}

} // namespace FlatList

TFlatListBox::TFlatListBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(137, 99);
    layoutRows();
}

void TFlatListBox::setItems(const QStringList &items)
{
    if (items.size() > kMaxAssignedLines)
        return;
    QStringList trimmed;
    trimmed.reserve(items.size());
    for (const QString &line : items)
        trimmed.append(trimmedOfControls(line));
    m_items = LineStore::fromLines(trimmed);
    if (m_sorted)
        sortItems();
    itemsChanged();
}

void TFlatListBox::fillItems(const LineStore &lines)
{
    m_items = lines;
    if (m_sorted)
        sortItems();
    itemsChanged();
}

void TFlatListBox::sortItems()
{
    QStringList lines = m_items.toList();
    lines.sort();
    m_items = LineStore::fromLines(lines);
}

void TFlatListBox::itemsChanged()
{
    // A disabled list keeps its selection through changes of its lines.
    if (isEnabled())
        m_selected.reset();
    update();
}

void TFlatListBox::setItemHeight(int height)
{
    m_itemHeight = qMax(1, height);
    resize(width(), (m_itemHeight + FlatList::kRowGap) * m_visibleCount + FlatList::chromeHeight(m_scrollBars));
    layoutRows();
}

void TFlatListBox::setScrollBars(bool on)
{
    if (m_scrollBars == on)
        return;
    m_scrollBars = on;
    resize(width(), height() + (on ? FlatList::kBarsExtra : -FlatList::kBarsExtra));
    layoutRows();
}

void TFlatListBox::setUseAdvColors(bool use)
{
    if (m_useAdvColors == use)
        return;
    m_useAdvColors = use;
    update();
}

void TFlatListBox::setSorted(bool sorted)
{
    if (m_sorted == sorted)
        return;
    m_sorted = sorted;
    if (sorted)
        sortItems();
    m_selected.reset();
    update();
}

void TFlatListBox::layoutRows()
{
    m_visibleCount = FlatList::visibleRows(height(), m_itemHeight, m_scrollBars);
    update();
}

QRect TFlatListBox::rowRect(int row) const
{
    return FlatList::rowRect(row, width(), m_itemHeight, m_scrollBars);
}

void TFlatListBox::scrollTo(int top)
{
    m_topIndex = top;
    update();
}

bool TFlatListBox::isSelected(int index) const
{
    return index >= 0 && index < kMaxAssignedLines && m_selected.test(size_t(index));
}

QList<int> TFlatListBox::selectedIndexes() const
{
    QList<int> indexes;
    for (int i = 0; i < kMaxAssignedLines; ++i)
        if (m_selected.test(size_t(i)))
            indexes.append(i);
    return indexes;
}

void TFlatListBox::drawArrow(QPainter &painter, bool up, bool active) const
{
    const int c = width() / 2;
    const auto triangle = [&](QPoint shift, QColor ink) {
        for (int r = 0; r < 3; ++r) {
            const int y = up ? 4 + r : height() - 5 - r; // the point, then wider rows
            painter.fillRect(QRect(QPoint(c - r, y) + shift, QPoint(c + r, y) + shift), ink);
        }
    };
    if (active) {
        triangle({0, 0}, resolve(m_colorArrow, palette()));
    } else {
        triangle({1, 1}, QColor(255, 255, 255));
        triangle({0, 0}, QColor(128, 128, 128));
    }
}

QImage TFlatListBox::compose() const
{
    QImage image = offscreenImage(*this);
    QPainter painter(&image);
    const QPalette &desktop = palette();
    const QColor itemsRect = resolve(m_colorItemsRect, desktop);
    const QColor border = ShownColour(m_colorBorder, desktop, m_useAdvColors, desktop.color(QPalette::Window),
                                      m_advColorBorder, LightnessShift::Darken);
    PaintBackground(this, painter,
                    m_transparentMode == TTransparentMode::tmNone
                        || (m_transparentMode == TTransparentMode::tmNotFocused && hasFocus()),
                    itemsRect);
    DrawBevel(painter, TRect{0, 0, width(), height()}, border, border, 1);

    if (m_scrollBars) {
        using FlatList::kBarHeight;
        for (const TRect bar : {TRect{0, 0, width(), kBarHeight}, TRect{0, height() - kBarHeight, width(), height()}}) {
            painter.fillRect(bar.toQRect(), desktop.color(QPalette::Window));
            DrawBevel(painter, bar, border, border, 1);
        }
        drawArrow(painter, true, m_topIndex > 0 && isEnabled());
        drawArrow(painter, false, FlatList::steppedDown(m_topIndex, count(), m_visibleCount) != m_topIndex && isEnabled());
    }

    painter.setFont(font());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    for (int row = 0; row < m_visibleCount; ++row) {
        const int index = m_topIndex + row;
        if (index >= count())
            break;
        const QRect box = rowRect(row);
        if (isSelected(index)) {
            painter.fillRect(box, resolve(m_colorItemsSelect, desktop));
            DrawBevel(painter, TRect{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()},
                      border, border, 1);
        }
        DrawCaption(painter, box.adjusted(3, 0, -3, 0), flags, m_items.head(index, kShownLineLimit + 1), this);
    }
    return image;
}

void TFlatListBox::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, compose());
}

void TFlatListBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The height snaps to whole rows.
    const int snapped = FlatList::snappedHeight(height(), m_itemHeight, m_scrollBars);
    if (snapped != height() && snapped > 0)
        resize(width(), snapped);
    layoutRows();
}

void TFlatListBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (const int row = FlatList::rowAt(at, width(), m_visibleCount, m_itemHeight, m_scrollBars);
        count() > 0 && row >= 0) {
        // A row below the last line counts, with an index no line has.
        const int index = m_topIndex + row;
        if (m_multiSelect) {
            if (index < kMaxAssignedLines)
                m_selected.flip(size_t(index));
        } else {
            m_selected.reset();
            if (index < kMaxAssignedLines)
                m_selected.set(size_t(index));
        }
        setFocus(Qt::MouseFocusReason);
        update();
        return;
    }
    if (const FlatList::Bar bar = FlatList::barAt(at, height(), m_scrollBars); bar != FlatList::Bar::None) {
        const bool down = bar == FlatList::Bar::Down;
        scrollTo(down ? FlatList::steppedDown(m_topIndex, count(), m_visibleCount) : FlatList::scrolledUp(m_topIndex, 1));
        setFocus(Qt::MouseFocusReason);
        ScrollRepeat::instance().timer.stop();
        ScrollRepeat::instance().timer.setInterval(ScrollRepeat::kFirstDelay);
        ScrollRepeat::instance().target = this;
        ScrollRepeat::instance().down = down;
        ScrollRepeat::instance().timer.start();
    }
    QWidget::mousePressEvent(event);
}

void TFlatListBox::repeatScroll(bool down)
{
    const int top = down ? FlatList::steppedDown(m_topIndex, count(), m_visibleCount) : FlatList::scrolledUp(m_topIndex, 1);
    if (top == m_topIndex)
        ScrollRepeat::instance().timer.stop(); // at an end
    scrollTo(top);
}

void TFlatListBox::mouseReleaseEvent(QMouseEvent *event)
{
    ScrollRepeat::instance().timer.stop();
    ScrollRepeat::instance().timer.setInterval(ScrollRepeat::kFirstDelay);
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TFlatListBox::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    const int lines = QApplication::wheelScrollLines() > 0 ? QApplication::wheelScrollLines() : m_visibleCount;
    if (delta == -kWheelNotch)
        scrollTo(FlatList::pagedDown(m_topIndex, lines, count(), m_visibleCount));
    else if (delta == kWheelNotch)
        scrollTo(FlatList::scrolledUp(m_topIndex, lines));
}

void TFlatListBox::keyPressEvent(QKeyEvent *event)
{
    // The keys scroll the view; they never change the selection.
    switch (event->key()) {
    case Qt::Key_PageUp:
        scrollTo(FlatList::scrolledUp(m_topIndex, m_visibleCount));
        break;
    case Qt::Key_PageDown:
        scrollTo(FlatList::pagedDown(m_topIndex, m_visibleCount, count(), m_visibleCount));
        break;
    case Qt::Key_Up:
        scrollTo(FlatList::scrolledUp(m_topIndex, 1));
        break;
    case Qt::Key_Down:
        scrollTo(FlatList::steppedDown(m_topIndex, count(), m_visibleCount));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TFlatListBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TFlatListBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_transparentMode != TTransparentMode::tmNone)
        update();
}

void TFlatListBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_transparentMode != TTransparentMode::tmNone)
        update();
}
