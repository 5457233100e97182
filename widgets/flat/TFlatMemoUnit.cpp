#include "widgets/flat/TFlatMemoUnit.h"

#include "text/LineListModel.h"

#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

TFlatMemo::TFlatMemo(QWidget *parent)
    : QPlainTextEdit(parent), FlatFramed(this, &sameKind)
{
    // A 3-pixel frame keeps text and scroll bars inside the rings we paint.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(3);
    document()->setDocumentMargin(1); // a native memo's text starts right inside its frame
    resize(185, 89);
    m_frame.followParent();
    m_frame.showLook();
}

QStringList TFlatMemo::lines() const
{
    if (m_bigView && !m_bigView->isHidden())
        return m_bigModel->lines().toList();
    QStringList result;
    if (document()->isEmpty())
        return result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result.append(m_separator.isEmpty() ? block.text() : block.text().replace(u'\t', m_separator));
    return result;
}

QList<qreal> columnStops(const QStringList &lines, const QString &separator, const QFontMetricsF &metrics)
{
    QList<qreal> widths;
    for (const QString &line : lines) {
        const QStringList parts = line.split(separator);
        for (qsizetype column = 0; column + 1 < parts.size(); ++column) {
            if (widths.size() <= column)
                widths.append(0);
            widths[column] = std::max(widths[column], metrics.horizontalAdvance(parts.at(column)));
        }
    }
    QList<qreal> stops;
    qreal x = 0;
    for (const qreal width : widths) {
        x += width + metrics.horizontalAdvance(separator);
        stops.append(x);
    }
    return stops;
}

void TFlatMemo::setLines(const QStringList &lines)
{
    setBigText({});
    QStringList shown;
    shown.reserve(lines.size());
    for (const QString &line : lines)
        shown.append(shownLine(line));
    if (!m_separator.isEmpty()) {
        QTextOption option = document()->defaultTextOption();
        QList<QTextOption::Tab> tabs;
        for (const qreal stop : columnStops(shown, m_separator, QFontMetricsF(font())))
            tabs.append(QTextOption::Tab(stop, QTextOption::LeftTab));
        option.setTabs(tabs);
        document()->setDefaultTextOption(option);
        for (QString &line : shown)
            line.replace(m_separator, QStringLiteral("\t"));
    }
    setPlainText(shown.join(u'\n'));
}

void TFlatMemo::appendLine(const QString &line)
{
    appendPlainText(shownLine(line));
}

void TFlatMemo::showEnd()
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TFlatMemo::showLines(const LineStore &lines)
{
    if (!isReadOnly() || (lines.size() <= kDocumentLineLimit && lines.byteSize() <= kDocumentByteLimit)) {
        setLines(lines.toList());
        return;
    }
    clear();
    setBigText(lines);
}

void TFlatMemo::setBigText(const LineStore &lines)
{
    if (lines.isEmpty()) {
        if (m_bigView) {
            m_bigView->hide();
            m_bigModel->setLines({});
        }
        return;
    }
    if (!m_bigView) {
        m_bigModel = new LineListModel(this);
        m_bigView = new QListView(this);
        m_bigView->setObjectName(QStringLiteral("bigTextView"));
        m_bigView->setFrameShape(QFrame::NoFrame);
        m_bigView->setFocusPolicy(Qt::NoFocus); // the memo keeps the focus and its lit frame
        m_bigView->setUniformItemSizes(true);
        m_bigView->setLayoutMode(QListView::Batched);
        m_bigView->setBatchSize(200000);
        m_bigView->setSelectionMode(QAbstractItemView::NoSelection);
        m_bigView->setModel(m_bigModel);
    }
    m_bigView->setVerticalScrollBarPolicy(verticalScrollBarPolicy());
    m_bigView->setHorizontalScrollBarPolicy(horizontalScrollBarPolicy());
    m_bigView->setGeometry(contentsRect());
    m_bigModel->setLines(lines);
    m_bigView->show();
    m_bigView->raise();
}

void TFlatMemo::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (m_bigView)
        m_bigView->setGeometry(contentsRect());
}

bool TFlatMemo::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_bigView && !m_bigView->isHidden()) {
        // Moving through a big text: the list scrolls as the memo would.
        const auto *key = static_cast<QKeyEvent *>(event);
        QScrollBar *bar = m_bigView->verticalScrollBar();
        const int page = m_bigView->viewport()->height() / qMax(1, m_bigView->sizeHintForRow(0));
        switch (key->key()) {
        case Qt::Key_Up: bar->setValue(bar->value() - 1); return true;
        case Qt::Key_Down: bar->setValue(bar->value() + 1); return true;
        case Qt::Key_PageUp: bar->setValue(bar->value() - page); return true;
        case Qt::Key_PageDown: bar->setValue(bar->value() + page); return true;
        case Qt::Key_Home: bar->setValue(bar->minimum()); return true;
        case Qt::Key_End: bar->setValue(bar->maximum()); return true;
        default: break;
        }
    }
    const bool lookChanges = m_frame.handle(event);
    const bool handled = QPlainTextEdit::event(event);
    if (lookChanges)
        m_frame.showLook();
    // A text that cannot be changed is still read line by line with the
    // arrow keys, by a screen reader too: it keeps a caret.
    if (event->type() == QEvent::ReadOnlyChange && isReadOnly())
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (event->type() == QEvent::Paint) {
        QPainter painter(this);
        const QColor background = m_frame.lookColour();
        DrawFlatRings(painter, rect(), m_frame.borderColour(), background);
        // Where both scroll bars meet, as wide and high as they are here.
        const QScrollBar *across = horizontalScrollBar(), *down = verticalScrollBar();
        if (across->isVisible() && down->isVisible())
            painter.fillRect(QRect(width() - 3 - down->width(), height() - 3 - across->height(), down->width(),
                                   across->height()),
                             background);
    }
    return handled;
}
