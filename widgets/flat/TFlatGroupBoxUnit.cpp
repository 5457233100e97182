#include "widgets/flat/TFlatGroupBoxUnit.h"

#include "widgets/OffscreenImage.h"

#include <QEvent>
#include <QPainter>

TFlatGroupBox::TFlatGroupBox(QWidget *parent)
    : QGroupBox(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 105);
}

void TFlatGroupBox::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    update();
}

void TFlatGroupBox::setColorBorder(TColor colour)
{
    if (m_colorBorder == colour)
        return;
    m_colorBorder = colour;
    update();
}

void TFlatGroupBox::setBorder(TGroupBoxBorder border)
{
    if (m_border == border)
        return;
    m_border = border;
    update();
}

void TFlatGroupBox::setAdvColorBorder(int percent)
{
    if (storeChanged(m_advColorBorder, percent))
        update();
}

void TFlatGroupBox::setUseAdvColors(bool use)
{
    if (m_useAdvColors == use)
        return;
    m_useAdvColors = use;
    update();
}

QImage TFlatGroupBox::compose() const
{
    QImage image = offscreenImage(*this);
    QPainter painter(&image);
    PaintBackground(this, painter, !m_transparent, palette().color(QPalette::Window));

    const QFontMetrics metrics(font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QSize text = title().isEmpty() ? QSize(0, metrics.height()) : metrics.size(flags, title());
    const int l = 0, r = width(), b = height();
    const int lineY = text.height() / 2;
    const QColor border = ShownColour(m_colorBorder, palette(), m_useAdvColors, palette().color(QPalette::Window),
                                      m_advColorBorder, LightnessShift::Darken);
    // The top line breaks from x = 6 to 12 + the caption's width.
    const int gapEnd = l + 12 + text.width();
    if (m_border == TGroupBoxBorder::brFull)
        painter.fillRect(QRect(l, lineY, 6, 1), border);
    else
        painter.fillRect(QRect(l + 1, lineY, 5, 1), border); // a line's end point is not drawn
    if (gapEnd + 1 <= r - 1)
        painter.fillRect(QRect(gapEnd + 1, lineY, r - 1 - gapEnd, 1), border);
    if (m_border == TGroupBoxBorder::brFull) {
        painter.fillRect(QRect(l, lineY, 1, b - lineY), border);
        painter.fillRect(QRect(l, b - 1, r - l, 1), border);
        painter.fillRect(QRect(r - 1, lineY, 1, b - lineY), border);
    }
    painter.setFont(font());
    const QRect captionRect(l + 10, 0, text.width(), text.height());
    DrawCaption(painter, captionRect, flags, title(), this);
    return image;
}

void TFlatGroupBox::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, compose());
}
