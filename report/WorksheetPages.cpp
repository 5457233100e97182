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
constexpr qreal kLinePerPoint = 1.25;  // a line's pitch when a cell takes several
constexpr qreal kCellPaddingEm = 0.9;  // the cell's own margins, in font heights
constexpr qreal kWritingRoomEm = 2.0;  // the least room to write an answer in
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

void paintPage(PointPainter &painter, const PageFrame &frame, const QString &title, const QString &nameLine,
               const QString &footer)
{
    const QRectF &inner = frame.inner;
    painter.setFont(face(QStringLiteral("楷体_GB2312"), 20, true));
    painter->drawText(QRectF(inner.left(), inner.top(), inner.width(), 30), Qt::AlignCenter, title);
    if (!nameLine.isEmpty()) {
        painter.setFont(song(12));
        painter->drawText(QRectF(inner.left(), inner.top() + 36, inner.width(), 20), Qt::AlignCenter, nameLine);
    }
    painter->setPen(QPen(Qt::black, 0.6));
    painter->drawLine(QPointF(inner.left(), frame.grid.top() - 8), QPointF(inner.right(), frame.grid.top() - 8));
    painter.setFont(song(9));
    painter->drawText(QRectF(inner.left(), inner.bottom() - 14, inner.width(), 14), Qt::AlignCenter, footer);
}

// A cell's text (a question, and on the key its answer) in the largest size
// down to the sheet's smallest that fits its width on one line, else at the
// smallest size on as many lines as it takes: broken where the width ends,
// the answer starting a line of its own when it does not fit after the
// question.
struct CellText
{
    qreal points;
    QStringList lines;
};

void wrapInto(QStringList &lines, const QString &text, qreal width, qreal points)
{
    for (const QChar c : text) {
        if (!lines.last().isEmpty() && ems(lines.last() + c) * points > width)
            lines.append(QString());
        lines.last() += c;
    }
}

CellText fitCell(const QString &question, const QString &answer, qreal width, qreal points)
{
    for (qreal size = points; size > kSmallestPoints; size -= 0.5) {
        if (ems(question + answer) * size <= width)
            return {size, {question + answer}};
    }
    const qreal size = qMin(points, kSmallestPoints);
    QStringList lines{QString()};
    wrapInto(lines, question, width, size);
    if (!answer.isEmpty() && ems(lines.last() + answer) * size > width)
        lines.append(QString());
    wrapInto(lines, answer, width, size);
    return {size, lines};
}

qreal lineHeight(qreal points) { return points * kLinePerPoint; }

// The cells of one sheet: each question's text on the sheet and on the key,
// and each row's height, the same on both so the two grids match.
struct CellLayout
{
    QList<CellText> questions;
    QList<CellText> keys;
    QList<qreal> rowHeights;
};

CellLayout layCells(const Sheet &sheet, const Grid &grid, qreal cellWidth)
{
    const qreal width = cellWidth - grid.points * kCellPaddingEm;
    CellLayout layout;
    for (const SheetQuestion &item : sheet.questions) {
        CellText question = fitCell(item.question, {}, width, grid.points);
        // Room to write the answer after the last line, else on a line of its own.
        if (ems(question.lines.last()) * question.points + kWritingRoomEm * grid.points > width)
            question.lines.append(QString());
        layout.questions.append(question);
        layout.keys.append(fitCell(item.question, item.answer, width, grid.points));
    }
    for (qsizetype first = 0; first < sheet.questions.size(); first += sheet.columns) {
        qreal height = grid.points * kRowPerPoint;
        for (qsizetype i = first; i < qMin(sheet.questions.size(), first + sheet.columns); ++i) {
            for (const CellText &cell : {layout.questions.at(i), layout.keys.at(i)}) {
                if (cell.lines.size() > 1)
                    height = qMax(height, cell.lines.size() * lineHeight(cell.points) + grid.points * 0.5);
            }
        }
        layout.rowHeights.append(height);
    }
    return layout;
}

// The first row of each page; rows go on while their heights fit the grid.
QList<int> pageStarts(const QList<qreal> &rowHeights, qreal gridHeight)
{
    QList<int> starts{0};
    qreal used = 0;
    for (int row = 0; row < rowHeights.size(); ++row) {
        if (used > 0 && used + rowHeights.at(row) > gridHeight + 0.01) {
            starts.append(row);
            used = 0;
        }
        used += rowHeights.at(row);
    }
    return starts;
}

void paintCells(PointPainter &painter, const PageFrame &frame, const Sheet &sheet, const Grid &grid,
                const CellLayout &layout, int firstRow, int endRow, bool key)
{
    const qreal cellWidth = frame.grid.width() / sheet.columns;
    qreal top = frame.grid.top();
    for (int row = firstRow; row < endRow; ++row) {
        const qreal rowHeight = layout.rowHeights.at(row);
        for (int column = 0; column < sheet.columns; ++column) {
            const qsizetype i = qsizetype(row) * sheet.columns + column;
            if (i >= sheet.questions.size())
                break;
            const CellText &cell = key ? layout.keys.at(i) : layout.questions.at(i);
            const qreal pitch = cell.lines.size() > 1 ? lineHeight(cell.points) : rowHeight;
            const qreal left = frame.grid.left() + column * cellWidth + grid.points * 0.3;
            qreal y = top + (rowHeight - pitch * cell.lines.size()) / 2;
            painter.setFont(song(cell.points));
            for (const QString &line : cell.lines) {
                painter->drawText(QRectF(left, y, cellWidth, pitch), Qt::AlignLeft | Qt::AlignVCenter, line);
                y += pitch;
            }
            if (key)
                continue;
            // A light line to write the answer on, after the last line's text.
            const qreal from = left + (ems(cell.lines.last()) + 0.2) * cell.points;
            const qreal baseline = y - pitch / 2 + emMetrics().ascent() / 100 * cell.points / 2;
            painter->setPen(QPen(QColor(160, 160, 160), 0.5));
            painter->drawLine(QPointF(from, baseline),
                              QPointF(frame.grid.left() + (column + 1) * cellWidth - grid.points * 0.6, baseline));
            painter->setPen(Qt::black);
        }
        top += rowHeight;
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

void paint(QPagedPaintDevice &device, const QList<Sheet> &sheets)
{
    const PageFrame frame = frameOf(device);
    PointPainter painter(device);
    bool first = true;
    for (const Sheet &sheet : sheets) {
        const Grid grid = chooseGrid(int(sheet.questions.size()), sheet.columns, frame.grid.size(),
                                     widestEm(sheet.questions));
        const CellLayout layout = layCells(sheet, grid, frame.grid.width() / sheet.columns);
        const QList<int> starts = pageStarts(layout.rowHeights, frame.grid.height());
        const int pages = int(starts.size());
        const QString nameLine = sheet.pupil.isEmpty()
                                     ? kNameLine
                                     : QStringLiteral("姓名：") + sheet.pupil + kNameLine.mid(kNameLine.indexOf(u'　'));
        const QString keyTitle = sheet.title + QStringLiteral("　答案")
                                 + (sheet.pupil.isEmpty() ? QString() : QStringLiteral("（%1）").arg(sheet.pupil));
        for (int page = 0; page < 2 * pages; ++page) {
            if (!first)
                device.newPage();
            first = false;
            const bool key = page >= pages;
            const QString footer =
                QStringLiteral("题卡号：%1　　第 %2 页，共 %3 页").arg(sheet.code).arg(page + 1).arg(2 * pages);
            paintPage(painter, frame, key ? keyTitle : sheet.title, key ? QString() : nameLine, footer);
            const int at = page % pages;
            paintCells(painter, frame, sheet, grid, layout, starts.at(at),
                       at + 1 < pages ? starts.at(at + 1) : int(layout.rowHeights.size()), key);
        }
    }
}

QByteArray pdf(const QList<Sheet> &sheets, const QString &title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Numora"));
        paint(writer, sheets);
    }
    return buffer.data();
}

} // namespace WorksheetPages
