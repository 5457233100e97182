#include "widgets/flat/TFlatMemoUnit.h"

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

TFlatMemo::TFlatMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    // A 3-pixel frame keeps text and scroll bars inside the rings we paint.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(3);
    document()->setDocumentMargin(1); // a native memo's text starts right inside its frame
    resize(185, 89);
    m_frame.update();
    m_frame.showLook();
}

QStringList TFlatMemo::lines() const
{
    QStringList result;
    if (document()->isEmpty())
        return result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    return result;
}

void TFlatMemo::setLines(const QStringList &lines)
{
    QStringList shown;
    shown.reserve(lines.size());
    for (const QString &line : lines)
        shown.append(shownLine(line));
    setPlainText(shown.join(u'\n'));
}

void TFlatMemo::appendLine(const QString &line)
{
    appendPlainText(shownLine(line));
}

bool TFlatMemo::event(QEvent *event)
{
    const bool lookChanges = m_frame.handle(event);
    const bool handled = QPlainTextEdit::event(event);
    if (lookChanges)
        m_frame.showLook();
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
