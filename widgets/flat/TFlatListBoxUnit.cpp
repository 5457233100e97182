#include "widgets/flat/TFlatListBoxUnit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

// One timer for every list box repeats a held arrow: first after 600 ms,
// then every 100 ms, for the list box that started it last.
struct ScrollRepeat
{
    static constexpr int kFirstDelay = 600;
    static constexpr int kRepeat = 100;

    QTimer timer;
    QPointer<TFlatListBox> target;
    bool down = false;

    ScrollRepeat()
    {
        timer.setInterval(kFirstDelay);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            timer.setInterval(kRepeat);
            if (target)
                target->repeatScroll(down);
            else
                timer.stop();
        });
    }
};

namespace {

ScrollRepeat *scrollRepeat = nullptr;
int listBoxes = 0;

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

TFlatListBox::TFlatListBox(QWidget *parent)
    : QWidget(parent)
{
    if (listBoxes++ == 0)
        scrollRepeat = new ScrollRepeat;
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(137, 99);
    layoutRows();
}

TFlatListBox::~TFlatListBox()
{
    if (--listBoxes == 0) {
        delete scrollRepeat;
        scrollRepeat = nullptr;
    }
}

bool TFlatListBox::scrollRepeating()
{
    return scrollRepeat && scrollRepeat->timer.isActive();
}

int TFlatListBox::scrollRepeatInterval()
{
    return scrollRepeat ? scrollRepeat->timer.interval() : 0;
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
    resize(width(), (m_itemHeight + 2) * m_visibleCount + barsHeight());
    layoutRows();
}

void TFlatListBox::setScrollBars(bool on)
{
    if (m_scrollBars == on)
        return;
    m_scrollBars = on;
    resize(width(), height() + (on ? 20 : -20));
    layoutRows();
}

void TFlatListBox::setUseAdvColors(bool use)
{
    if (m_useAdvColors == use)
        return;
    m_useAdvColors = use;
    deriveColours();
}

void TFlatListBox::deriveColours()
{
    if (m_useAdvColors) {
        const QColor border = ShiftLightness(palette().color(QPalette::Window), resolve(m_colorBorder, palette()),
                                             m_advColorBorder, LightnessShift::Darken);
        m_colorBorder = toTColor(border);
    }
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
    m_visibleCount = (height() - barsHeight()) / (m_itemHeight + 2);
    update();
}

QRect TFlatListBox::rowRect(int row) const
{
    const int top = (m_scrollBars ? 13 : 3) + row * (m_itemHeight + 2);
    return QRect(3, top, width() - 6, m_itemHeight);
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
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QPalette &desktop = palette();
    const QColor itemsRect = resolve(m_colorItemsRect, desktop);
    const QColor border = resolve(m_colorBorder, desktop);
    PaintBackground(this, painter,
                    m_transparentMode == TTransparentMode::tmNone
                        || (m_transparentMode == TTransparentMode::tmNotFocused && hasFocus()),
                    itemsRect);
    DrawBevel(painter, TRect{0, 0, width(), height()}, border, border, 1);

    if (m_scrollBars) {
        for (const TRect bar : {TRect{0, 0, width(), 11}, TRect{0, height() - 11, width(), height()}}) {
            painter.fillRect(bar.toQRect(), desktop.color(QPalette::Window));
            DrawBevel(painter, bar, border, border, 1);
        }
        drawArrow(painter, true, m_topIndex > 0 && isEnabled());
        drawArrow(painter, false, canScrollDown() && isEnabled());
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
    m_visibleCount = (height() - barsHeight()) / (m_itemHeight + 2);
    // The height snaps to whole rows.
    const int snapped = (m_itemHeight + 2) * m_visibleCount + barsHeight();
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
    for (int row = 0; count() > 0 && row < m_visibleCount; ++row) {
        if (!rowRect(row).contains(at))
            continue;
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
    if (m_scrollBars && (at.y() < 11 || at.y() >= height() - 11)) {
        const bool down = at.y() >= height() - 11;
        if (!down)
            m_topIndex = qMax(0, m_topIndex - 1);
        else if (canScrollDown())
            ++m_topIndex;
        setFocus(Qt::MouseFocusReason);
        update();
        scrollRepeat->timer.stop();
        scrollRepeat->timer.setInterval(ScrollRepeat::kFirstDelay);
        scrollRepeat->target = this;
        scrollRepeat->down = down;
        scrollRepeat->timer.start();
    }
    QWidget::mousePressEvent(event);
}

void TFlatListBox::repeatScroll(bool down)
{
    if (down) {
        if (canScrollDown())
            ++m_topIndex;
        else
            scrollRepeat->timer.stop();
    } else if (m_topIndex - 1 < 0) {
        m_topIndex = 0;
        scrollRepeat->timer.stop();
    } else {
        --m_topIndex;
    }
    update();
}

void TFlatListBox::mouseReleaseEvent(QMouseEvent *event)
{
    scrollRepeat->timer.stop();
    scrollRepeat->timer.setInterval(ScrollRepeat::kFirstDelay);
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TFlatListBox::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    const int lines = QApplication::wheelScrollLines() > 0 ? QApplication::wheelScrollLines() : m_visibleCount;
    if (delta == -120) {
        if (canScrollDown(lines))
            m_topIndex += lines;
        else
            m_topIndex = qMax(0, count() - m_visibleCount);
    } else if (delta == 120) {
        m_topIndex = qMax(0, m_topIndex - lines);
    }
    update();
}

void TFlatListBox::keyPressEvent(QKeyEvent *event)
{
    // The keys scroll the view; they never change the selection.
    switch (event->key()) {
    case Qt::Key_PageUp:
        m_topIndex = qMax(0, m_topIndex - m_visibleCount);
        break;
    case Qt::Key_PageDown:
        if (count() >= 2 * m_visibleCount + m_topIndex)
            m_topIndex += m_visibleCount;
        else
            m_topIndex = qMax(0, count() - m_visibleCount);
        break;
    case Qt::Key_Up:
        m_topIndex = qMax(0, m_topIndex - 1);
        break;
    case Qt::Key_Down:
        if (canScrollDown())
            ++m_topIndex;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

void TFlatListBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_useAdvColors)
        deriveColours();
    else if (event->type() == QEvent::EnabledChange)
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
