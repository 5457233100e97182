#include "widgets/flat/TFlatPanelUnit.h"

#include <QEvent>
#include <QPainter>

TFlatPanel::TFlatPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContentsMargins(1, 1, 1, 1); // the client area lies inside the frame line
    resize(185, 41);
}

void TFlatPanel::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    update();
}

void TFlatPanel::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

void TFlatPanel::setAlignment(Qt::Alignment alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    update();
}

void TFlatPanel::setColorHighLight(TColor colour)
{
    if (m_colorHighLight == colour)
        return;
    m_colorHighLight = colour;
    update();
}

void TFlatPanel::setColorShadow(TColor colour)
{
    if (m_colorShadow == colour)
        return;
    m_colorShadow = colour;
    update();
}

QImage TFlatPanel::compose() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    draw(painter);
    return image;
}

void TFlatPanel::draw(QPainter &painter) const
{
    PaintBackground(this, painter, !m_transparent, palette().color(QPalette::Window));
    const TRect inside = DrawBevel(painter, TRect{0, 0, width(), height()}, resolve(m_colorHighLight, palette()),
                                   resolve(m_colorShadow, palette()), 1);
    const int flags = int(m_alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter | Qt::TextSingleLine
                      | Qt::TextShowMnemonic;
    painter.setFont(font());
    DrawCaption(painter, inside.toQRect(), flags, m_caption, this);
}

void TFlatPanel::paintEvent(QPaintEvent *)
{
    // The backing store is the off-screen image: a copy of its own cost
    // page faults at start-up.
    QPainter painter(this);
    draw(painter);
}

void TFlatPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}
