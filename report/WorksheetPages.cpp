#include "report/WorksheetPages.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

namespace WorksheetPages {

namespace {

constexpr qreal kMargin = 42.5; // 15 mm on every side
constexpr qreal kHeaderHeight = 72;
constexpr qreal kFooterHeight = 24;
const QString kNameLine = QStringLiteral("姓名：________　日期：________　用时：________　得分：________");

QFont face(const QString &family, qreal points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont song(qreal points) { return face(QStringLiteral("宋体"), points); }

// Widths in font heights: measured on a 100-pixel face, so no screen's
// resolution comes in.
const QFontMetricsF &emMetrics()
{
    static const QFontMetricsF metrics = [] {
        QFont font(QStringLiteral("宋体"));
        font.setPixelSize(100);
        return QFontMetricsF(font);
    }();
    return metrics;
}

qreal ems(const QString &text) { return emMetrics().horizontalAdvance(text) / 100; }

// Draws in points on any device: the painter's unit is one point.
class PointPainter
{
public:
    explicit PointPainter(QPagedPaintDevice &device) : m_painter(&device)
    {
        const qreal scale = device.logicalDpiX() / 72.0;
        m_painter.scale(scale, scale);
    }
    QPainter &operator*() { return m_painter; }
    QPainter *operator->() { return &m_painter; }
    // Fonts are given in points of a 72-dpi page, whatever the device.
    void setFont(QFont font)
    {
        font.setPointSizeF(font.pointSizeF() * 72.0 / m_painter.device()->logicalDpiY());
        m_painter.setFont(font);
    }

private:
    QPainter m_painter;
};

struct PageFrame
{
    QRectF inner; // inside the margins
    QRectF grid;
};

PageFrame frameOf(QPagedPaintDevice &device)
{
    const QRectF inner = device.pageLayout().fullRectPoints().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    return {inner, inner.adjusted(0, kHeaderHeight, 0, -kFooterHeight)};
}

void paintPage(PointPainter &painter, const PageFrame &frame, const QString &title, bool nameLine,
               const QString &footer)
{
    const QRectF &inner = frame.inner;
    painter.setFont(face(QStringLiteral("楷体_GB2312"), 20, true));
    painter->drawText(QRectF(inner.left(), inner.top(), inner.width(), 30), Qt::AlignCenter, title);
    if (nameLine) {
        painter.setFont(song(12));
        painter->drawText(QRectF(inner.left(), inner.top() + 36, inner.width(), 20), Qt::AlignCenter, kNameLine);
    }
    painter->setPen(QPen(Qt::black, 0.6));
    painter->drawLine(QPointF(inner.left(), frame.grid.top() - 8), QPointF(inner.right(), frame.grid.top() - 8));
    painter.setFont(song(9));
    painter->drawText(QRectF(inner.left(), inner.bottom() - 14, inner.width(), 14), Qt::AlignCenter, footer);
}

void paintCells(PointPainter &painter, const PageFrame &frame, const Sheet &sheet, const Grid &grid,
                qsizetype first, bool key)
{
    const qreal cellWidth = frame.grid.width() / sheet.columns;
    const qreal rowHeight = grid.points * kRowPerPoint;
    painter.setFont(song(grid.points));
    const qreal ascent = emMetrics().ascent() / 100 * grid.points;
    const qsizetype last = qMin(sheet.questions.size(), first + qsizetype(grid.rowsPerPage) * sheet.columns);
    for (qsizetype i = first; i < last; ++i) {
        const int row = int((i - first) / sheet.columns);
        const int column = int((i - first) % sheet.columns);
        const QPointF corner(frame.grid.left() + column * cellWidth, frame.grid.top() + row * rowHeight);
        const QRectF text(corner + QPointF(grid.points * 0.3, 0), QSizeF(cellWidth, rowHeight));
        const SheetQuestion &item = sheet.questions.at(i);
        if (key) {
            painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, item.question + item.answer);
            continue;
        }
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, item.question);
        // A light line to write the answer on.
        const qreal from = text.left() + (ems(item.question) + 0.2) * grid.points;
        const qreal baseline = text.center().y() + ascent / 2;
        painter->setPen(QPen(QColor(160, 160, 160), 0.5));
        painter->drawLine(QPointF(from, baseline), QPointF(corner.x() + cellWidth - grid.points * 0.6, baseline));
        painter->setPen(Qt::black);
    }
}

qreal widestEm(const QList<SheetQuestion> &questions)
{
    qreal widest = 0;
    for (const SheetQuestion &item : questions)
        widest = qMax(widest, ems(item.question + item.answer));
    return widest;
}

} // namespace

Grid chooseGrid(int count, int columns, QSizeF gridArea, qreal widestEm)
{
    const int rows = (count + columns - 1) / columns;
    const qreal cellWidth = gridArea.width() / columns;
    const auto gridAt = [&](qreal points) {
        // An empty sheet still has a row: its pages are painted, empty.
        return Grid{points, qMax(1, qMin(rows, int(gridArea.height() / (points * kRowPerPoint))))};
    };
    // The fewest pages any size gives, at the largest size that gives them.
    std::optional<Grid> best;
    for (qreal points = kLargestPoints; points >= kSmallestPoints; points -= 0.5) {
        if ((widestEm + kAnswerRoomEm) * points > cellWidth && points > kSmallestPoints)
            continue;
        const Grid grid = gridAt(points);
        if (!best || questionPages(count, columns, grid) < questionPages(count, columns, *best))
            best = grid;
    }
    return *best;
}

int questionPages(int count, int columns, const Grid &grid)
{
    const int rows = (count + columns - 1) / columns;
    return qMax(1, (rows + grid.rowsPerPage - 1) / grid.rowsPerPage);
}

void paint(QPagedPaintDevice &device, const Sheet &sheet)
{
    const PageFrame frame = frameOf(device);
    const Grid grid = chooseGrid(int(sheet.questions.size()), sheet.columns, frame.grid.size(), widestEm(sheet.questions));
    const int pages = questionPages(int(sheet.questions.size()), sheet.columns, grid);
    const qsizetype perPage = qsizetype(grid.rowsPerPage) * sheet.columns;
    PointPainter painter(device);
    for (int page = 0; page < 2 * pages; ++page) {
        if (page > 0)
            device.newPage();
        const bool key = page >= pages;
        const QString footer = QStringLiteral("题卡号：%1　　第 %2 页，共 %3 页").arg(sheet.code).arg(page + 1).arg(2 * pages);
        paintPage(painter, frame, key ? sheet.title + QStringLiteral("　答案") : sheet.title, !key, footer);
        paintCells(painter, frame, sheet, grid, (page % pages) * perPage, key);
    }
}

QByteArray pdf(const Sheet &sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        writer.setResolution(300);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Numora"));
        paint(writer, sheet);
    }
    return buffer.data();
}

} // namespace WorksheetPages
