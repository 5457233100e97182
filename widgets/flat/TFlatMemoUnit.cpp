#include "widgets/flat/TFlatMemoUnit.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

TFlatMemo::TFlatMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(3, 3, 3, 3); // the frame's rings lie outside text and scroll bars
    resize(185, 89);
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (m_frame.hovered)
            applyLook();
    });
    m_frame.update();
    applyLook();
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
    setPlainText(lines.join(u'\n'));
}

bool TFlatMemo::isLit() const
{
    return m_frame.lit(qobject_cast<TFlatMemo *>(QApplication::focusWidget()) != nullptr);
}

void TFlatMemo::applyLook()
{
    const QColor background = m_frame.lookColour(isLit());
    if (palette().color(QPalette::Base) != background) {
        QPalette own = palette();
        own.setColor(QPalette::Base, background);
        setPalette(own);
    }
    update();
}

bool TFlatMemo::event(QEvent *event)
{
    const bool lookChanges = m_frame.handle(event);
    const bool handled = QPlainTextEdit::event(event);
    if (lookChanges)
        applyLook();
    if (event->type() == QEvent::Paint) {
        QPainter painter(this);
        const QColor background = m_frame.lookColour(isLit());
        DrawFlatRings(painter, rect(), m_frame.borderColour(), background);
        // Where both scroll bars meet.
        if (horizontalScrollBar()->isVisible() && verticalScrollBar()->isVisible())
            painter.fillRect(QRect(width() - 19, height() - 19, 16, 16), background);
    }
    return handled;
}
