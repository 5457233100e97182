#include "widgets/flat/TFlatEditUnit.h"

#include <QEvent>
#include <QPainter>

TFlatEdit::TFlatEdit(QWidget *parent)
    : QLineEdit(parent), FlatFramed(this, &sameKind)
{
    setFrame(false);
    setTextMargins(3, 3, 3, 3); // the frame's rings lie outside the text
    resize(121, 19);
    m_frame.followParent();
    m_frame.showLook();
    connect(this, &QLineEdit::textEdited, this, [this] {
        m_showsCut = false;
        m_wholeText.clear();
    });
}

void TFlatEdit::setWholeText(const QString &text)
{
    const QString shown = shownLine(text);
    m_showsCut = shown.size() != text.size();
    m_wholeText = m_showsCut ? text : QString();
    setText(shown);
}

void TFlatEdit::typeIn(const QString &text)
{
    if (m_showsCut)
        setWholeText(m_wholeText + text);
    else
        insert(text);
    setFocus();
}

bool TFlatEdit::event(QEvent *event)
{
    const bool lookChanges = m_frame.handle(event);
    const bool handled = QLineEdit::event(event);
    if (event->type() == QEvent::FontChange)
        resize(width(), FontTextHeight(font()) + 6);
    if (lookChanges)
        m_frame.showLook();
    return handled;
}

void TFlatEdit::paintEvent(QPaintEvent *event)
{
    const QColor background = m_frame.lookColour();
    {
        QPainter painter(this);
        painter.fillRect(rect(), background);
    }
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    DrawFlatRings(painter, rect(), m_frame.borderColour(), background);
}
