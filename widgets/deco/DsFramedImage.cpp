#include "widgets/deco/DsFramedImage.h"

#include <QPainter>

TDsFramedImage::TDsFramedImage(QWidget *parent)
    : QWidget(parent)
{
}

void TDsFramedImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TDsFramedImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawImage(rect(), m_picture);
}
