#include "widgets/flat/TFlatEditUnit.h"

#include <QApplication>
#include <QPainter>

TFlatEdit::TFlatEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(3, 3, 3, 3); // the frame's rings lie outside the text
    resize(121, 19);
    // Whether a hovered edit is lit depends on where the focus is.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (m_frame.hovered)
            applyLook();
    });
    m_frame.update();
    applyLook();
}

bool TFlatEdit::isLit() const
{
    return m_frame.lit(qobject_cast<TFlatEdit *>(QApplication::focusWidget()) != nullptr);
}

void TFlatEdit::applyLook()
{
    const QColor background = m_frame.lookColour(isLit());
    if (palette().color(QPalette::Base) != background) {
        QPalette own = palette();
        own.setColor(QPalette::Base, background);
        setPalette(own);
    }
    update();
}

bool TFlatEdit::event(QEvent *event)
{
    const bool lookChanges = m_frame.handle(event);
    const bool handled = QLineEdit::event(event);
    if (event->type() == QEvent::FontChange)
        resize(width(), FontTextHeight(font()) + 6);
    if (lookChanges)
        applyLook();
    return handled;
}

void TFlatEdit::paintEvent(QPaintEvent *event)
{
    const QColor background = m_frame.lookColour(isLit());
    {
        QPainter painter(this);
        painter.fillRect(rect(), background);
    }
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    DrawFlatRings(painter, rect(), m_frame.borderColour(), background);
}
