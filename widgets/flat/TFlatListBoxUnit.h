#pragma once

#include "widgets/WidgetColors.h"
#include "widgets/flat/FlatUtilitys.h"
#include "text/LineStore.h"

#include <QStringList>
#include <QWidget>

#include <bitset>
#include <limits>

// The rules of a flat list box's rows, arrow bars and scrolling.
namespace FlatList {

constexpr int kInset = 3;       // rows from the frame, bars aside
constexpr int kRowGap = 2;      // between one row and the next
constexpr int kBarHeight = 11;  // each arrow bar
constexpr int kBarsExtra = 20;  // what both bars add to the list's height

// The height that is not rows: the frame, and the bars where there are some.
int chromeHeight(bool scrollBars);
int visibleRows(int height, int itemHeight, bool scrollBars);
// The height of the whole rows that fit in the given one.
int snappedHeight(int height, int itemHeight, bool scrollBars);
QRect rowRect(int row, int width, int itemHeight, bool scrollBars);
// The visible row under a point, or -1.
int rowAt(QPoint at, int width, int rows, int itemHeight, bool scrollBars);
enum class Bar { None, Up, Down };
Bar barAt(QPoint at, int height, bool scrollBars);

// The top row after scrolling: up by some rows, not past the first; down by
// one row only while a row is left below; down a page (or the wheel's
// lines) where that many are left, else to the last full page.
int scrolledUp(int top, int rows);
int steppedDown(int top, int count, int visible);
int pagedDown(int top, int rows, int count, int visible);

} // namespace FlatList

// A list of text lines drawn entirely by itself: rows with gaps, a
// highlight for selected rows (indices 0 to 255 only), and optional arrow
// bars at the top and bottom that scroll, repeating while held.
class TFlatListBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TTransparentMode TransparentMode READ TransparentMode WRITE setTransparentMode)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE setItemHeight)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE setMultiSelect)
    Q_PROPERTY(bool ScrollBars READ ScrollBars WRITE setScrollBars)
    Q_PROPERTY(TColor ColorArrow READ ColorArrow WRITE setColorArrow)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(TColor ColorItemsRect READ ColorItemsRect WRITE setColorItemsRect)
    Q_PROPERTY(TColor ColorItemsSelect READ ColorItemsSelect WRITE setColorItemsSelect)
    Q_PROPERTY(int AdvColorBorder READ AdvColorBorder WRITE setAdvColorBorder)
    Q_PROPERTY(bool UseAdvColors READ UseAdvColors WRITE setUseAdvColors)
    Q_PROPERTY(bool Sorted READ Sorted WRITE setSorted)

public:
    static constexpr int kMaxAssignedLines = 256;

    explicit TFlatListBox(QWidget *parent = nullptr);

    QStringList items() const { return m_items.toList(); }
    // The property: a list of more than 256 lines is refused, lines are
    // trimmed of blanks and control characters.
    void setItems(const QStringList &items);
    // Filling the lines directly, as loading a file does: no limit, no
    // trimming, and the lines are shared, not copied.
    void fillItems(const LineStore &lines);
    int count() const { return int(qMin<qsizetype>(m_items.size(), std::numeric_limits<int>::max())); }

    TTransparentMode TransparentMode() const { return m_transparentMode; }
    void setTransparentMode(TTransparentMode mode) { if (storeChanged(m_transparentMode, mode)) update(); }
    int ItemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);
    bool MultiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool multi) { m_multiSelect = multi; }
    bool ScrollBars() const { return m_scrollBars; }
    void setScrollBars(bool on);
    TColor ColorArrow() const { return m_colorArrow; }
    void setColorArrow(TColor colour) { if (storeChanged(m_colorArrow, colour)) update(); }
    TColor ColorBorder() const { return m_colorBorder; }
    void setColorBorder(TColor colour) { if (storeChanged(m_colorBorder, colour)) update(); }
    TColor ColorItemsRect() const { return m_colorItemsRect; }
    void setColorItemsRect(TColor colour) { if (storeChanged(m_colorItemsRect, colour)) update(); }
    TColor ColorItemsSelect() const { return m_colorItemsSelect; }
    void setColorItemsSelect(TColor colour) { if (storeChanged(m_colorItemsSelect, colour)) update(); }
    int AdvColorBorder() const { return m_advColorBorder; }
    void setAdvColorBorder(int percent) { if (storeChanged(m_advColorBorder, percent)) update(); }
    bool UseAdvColors() const { return m_useAdvColors; }
    void setUseAdvColors(bool use);
    bool Sorted() const { return m_sorted; }
    void setSorted(bool sorted);

    int topIndex() const { return m_topIndex; }
    int visibleCount() const { return m_visibleCount; }
    QRect rowRect(int row) const;
    // The selection, which the list offers no other way.
    bool isSelected(int index) const;
    QList<int> selectedIndexes() const;
    QImage compose() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend struct ScrollRepeat;
    void itemsChanged();
    void sortItems();
    void layoutRows();
    void scrollTo(int top);
    void repeatScroll(bool down);
    void drawArrow(QPainter &painter, bool up, bool active) const;

    LineStore m_items;
    TTransparentMode m_transparentMode = TTransparentMode::tmNone;
    int m_itemHeight = 17;
    bool m_multiSelect = false;
    bool m_scrollBars = false;
    TColor m_colorArrow = clBlack;
    TColor m_colorBorder = kFlatBorder;
    TColor m_colorItemsRect = clWhite;
    TColor m_colorItemsSelect = kFlatSelected;
    int m_advColorBorder = 40;
    bool m_useAdvColors = false;
    bool m_sorted = false;
    int m_topIndex = 0;
    int m_visibleCount = 0;
    std::bitset<kMaxAssignedLines> m_selected;
};
