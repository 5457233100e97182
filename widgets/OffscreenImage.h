#pragma once

#include <QImage>
#include <QWidget>

// The off-screen image a widget composes its look in, at the screen's own
// pixels: at a fractional scale (1.25, 1.75) text drawn into it stays
// crisp, where an image of the logical size would be stretched and blurred.
inline QImage offscreenImage(const QWidget &widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}
