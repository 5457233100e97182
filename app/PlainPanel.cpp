#include "app/PlainPanel.h"

#include <QPainter>
#include <qdrawutil.h>

PlainPanel::PlainPanel(QWidget *parent)
    : QFrame(parent)
{
    setAutoFillBackground(true); // panels are opaque
}

void PlainPanel::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

void PlainPanel::setBevels(Bevel inner, Bevel outer)
{
    m_inner = inner;
    m_outer = outer;
    update();
}

void PlainPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect area = rect();
    for (Bevel bevel : {m_outer, m_inner}) {
        if (bevel == Bevel::None)
            continue;
        qDrawShadeRect(&painter, area, palette(), bevel == Bevel::Lowered, 1);
        area.adjust(1, 1, -1, -1);
    }
    if (!m_caption.isEmpty())
        painter.drawText(area, Qt::AlignCenter, m_caption);
}
