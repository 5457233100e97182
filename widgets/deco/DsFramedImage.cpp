#include "widgets/deco/DsFramedImage.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// An outline along the inside of the region (l, t, r, b), r and b exclusive,
// with a corner ellipse of the given size, or square with 0. A rounded region
// leaves out its right column and bottom row, which the callers' +1 makes up.
void outline(QPainter &painter, int l, int t, int r, int b, int ellipse)
{
    const int cut = ellipse > 0 ? 1 : 0;
    const QRect box(l, t, r - l - 1 - cut, b - t - 1 - cut);
    if (ellipse > 0)
        painter.drawRoundedRect(box, ellipse / 2.0, ellipse / 2.0);
    else
        painter.drawRect(box);
}

// Rounded, like outline() it leaves out the right column and bottom row.
QRegion roundedRegion(int l, int t, int r, int b, int ellipse)
{
    if (ellipse <= 0)
        return QRegion(l, t, r - l, b - t);
    QPainterPath path;
    path.addRoundedRect(QRectF(l, t, r - l - 1, b - t - 1), ellipse / 2.0, ellipse / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

void fillRegion(QPainter &painter, const QRegion &region, QColor colour)
{
    for (const QRect &r : region)
        painter.fillRect(r, colour);
}

} // namespace

int evenFrameWidth(int frameWidth, TFrameStyle style)
{
    if (style == TFrameStyle::fsNone)
        return 0;
    return frameWidth % 2 ? frameWidth + 1 : frameWidth;
}

int halfFrameWidth(int frameWidth)
{
    return (frameWidth + 1) / 2;
}

QRect stretchedPictureRect(QSize control, QSize picture, int e)
{
    const int w = control.width(), h = control.height();
    const double sx = double(w - 2 * e) / picture.width();
    const double sy = double(h - 2 * e) / picture.height();
    if (sx > sy) {
        const int width = roundHalfEven(sy * picture.width());
        return QRect((w - width) / 2, e, width, h - 2 * e);
    }
    const int height = roundHalfEven(sx * picture.height());
    return QRect(e, (h - height) / 2, w - 2 * e, height);
}

QColor ringColour(QColor shadow, QColor frame, int w, int j)
{
    const double e = std::sqrt(double(w) * w - double(w - j) * (w - j));
    const auto mixed = [&](int s, int f) { return s + roundHalfEven(e * (f - s) / w); };
    return QColor(mixed(shadow.red(), frame.red()), mixed(shadow.green(), frame.green()),
                  mixed(shadow.blue(), frame.blue()));
}

TDsFramedImage::TDsFramedImage(QWidget *parent)
    : QWidget(parent)
{
    resize(89, 89);
}

void TDsFramedImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    relayout();
    update();
}

void TDsFramedImage::setColour(TColor &field, TColor colour)
{
    if (field == colour)
        return;
    field = colour;
    update();
}

void TDsFramedImage::setFrameCorner(TFrameCorner corner)
{
    if (m_frameCorner == corner)
        return;
    m_frameCorner = corner;
    update();
}

void TDsFramedImage::setFrameStyle(TFrameStyle style)
{
    if (m_frameStyle == style)
        return;
    m_frameStyle = style;
    relayout();
    update();
}

void TDsFramedImage::setFrameWidth(int width)
{
    if (m_frameWidth == width)
        return;
    m_frameWidth = qBound(4, width, 20);
    if (4 * m_frameWidth < m_cornerRadius)
        m_cornerRadius = 4 * m_frameWidth - 1;
    relayout();
    update();
}

void TDsFramedImage::setCornerRadius(int radius)
{
    if (m_cornerRadius == radius)
        return;
    m_cornerRadius = qBound(0, radius, 30);
    if (4 * m_frameWidth < m_cornerRadius)
        m_cornerRadius = 4 * m_frameWidth - 1;
    update();
}

void TDsFramedImage::setActualSize(bool actual)
{
    if (m_actualSize == actual)
        return;
    m_actualSize = actual;
    relayout();
    update();
}

void TDsFramedImage::setAlign(TAlign align)
{
    if (m_align == align)
        return;
    if (parentWidget()) {
        parentWidget()->removeEventFilter(this);
        if (align == TAlign::alClient)
            parentWidget()->installEventFilter(this);
    }
    m_align = align;
    fillParent();
    relayout();
    update();
}

void TDsFramedImage::fillParent()
{
    if (m_align == TAlign::alClient && parentWidget())
        setGeometry(parentWidget()->contentsRect());
}

bool TDsFramedImage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fillParent();
    return QWidget::eventFilter(watched, event);
}

void TDsFramedImage::relayout()
{
    // At its own size the picture sets the control's size along the sides
    // that the alignment leaves free; a frame fits in half the smaller side.
    // Twice: a narrower frame changes the size a picture needs.
    for (int pass = 0; pass < 2; ++pass) {
        if (m_actualSize && !m_picture.isNull()) {
            const int e = evenFrameWidth(m_frameWidth, m_frameStyle);
            const int w = m_picture.width() + 2 * e, h = m_picture.height() + 2 * e;
            switch (m_align) {
            case TAlign::alNone: resize(w, h); break;
            case TAlign::alTop:
            case TAlign::alBottom: resize(width(), h); break;
            case TAlign::alLeft:
            case TAlign::alRight: resize(w, height()); break;
            case TAlign::alClient: break;
            }
        }
        const int half = qMin(width(), height()) / 2;
        if (half >= m_frameWidth)
            return;
        m_frameWidth = half;
    }
}

QRect TDsFramedImage::pictureRect(int e) const
{
    const int w = m_picture.width(), h = m_picture.height();
    if (!m_actualSize)
        return stretchedPictureRect(size(), m_picture.size(), e);
    switch (m_align) {
    case TAlign::alNone:
        return QRect(e, e, w, h);
    case TAlign::alTop:
    case TAlign::alBottom:
        return QRect((width() - w) / 2, e, w, height() - 2 * e);
    case TAlign::alLeft:
    case TAlign::alRight:
        return QRect(e, (height() - h) / 2, width() - 2 * e, h);
    case TAlign::alClient:
        break;
    }
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

QImage TDsFramedImage::compose() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent); // outside the rounded corners the parent shows
    QPainter painter(&image);
    draw(painter);
    return image;
}

void TDsFramedImage::draw(QPainter &painter) const
{
    const int e = evenFrameWidth(m_frameWidth, m_frameStyle);
    QRect pictureRect;
    if (!m_picture.isNull())
        pictureRect = this->pictureRect(e);

    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !m_actualSize);
        if (m_actualSize)
            painter.drawImage(pictureRect.topLeft(), m_picture);
        else
            painter.drawImage(pictureRect, m_picture);
    }
    if (m_frameStyle == TFrameStyle::fsNone)
        return;

    QRect frame = rect();
    if (!m_picture.isNull() && !(m_actualSize && m_align == TAlign::alNone)) {
        frame = pictureRect.adjusted(-e, -e, e, e);
        if (m_actualSize && (m_align == TAlign::alTop || m_align == TAlign::alBottom))
            frame.setRect(frame.x(), 0, frame.width(), height());
        else if (m_actualSize && (m_align == TAlign::alLeft || m_align == TAlign::alRight))
            frame.setRect(0, frame.y(), width(), frame.height());
    }

    using enum TFrameStyle;
    const bool round = m_frameCorner == TFrameCorner::fcRound;
    const int r = m_cornerRadius;
    if (m_frameStyle != fsInGrad && m_frameStyle != fsOutGrad)
        drawBand(painter, frame, e);
    if (m_frameStyle == fsGradient || m_frameStyle == fsGradFlat || m_frameStyle == fsOutGrad)
        drawOuterShading(painter, frame, round ? r : 0);
    if (m_frameStyle == fsGradient || m_frameStyle == fsFlatGrad)
        drawInnerShading(painter, frame, r, e);
    if (m_frameStyle == fsInGrad)
        drawInnerShading(painter, frame, round ? r + e : 0, e);
}

void TDsFramedImage::drawBand(QPainter &painter, QRect frame, int e) const
{
    const int l = frame.left(), t = frame.top(), r = frame.left() + frame.width(), b = frame.top() + frame.height();
    const int radius = m_cornerRadius;
    const QRegion outer = m_frameCorner == TFrameCorner::fcRound && radius != 0
                              ? roundedRegion(l, t, r - 1, b - 1, 2 * radius)
                              : QRegion(l, t, r - 2 - l, b - 2 - t);
    const int q = 2 * radius - 2 * e;
    const QRegion inner = q > 0 ? roundedRegion(l + e - 2, t + e - 2, r - e + 1, b - e + 1, q)
                                : QRegion(l + e - 2, t + e - 2, r - e - (l + e - 2), b - e - (t + e - 2));
    const QRegion band = outer.xored(inner);
    // A light edge at the top left, a dark one at the bottom right.
    fillRegion(painter, band, resolve(m_colorHigh, palette()));
    fillRegion(painter, band.translated(2, 2), resolve(m_colorLow, palette()));
    fillRegion(painter, band.translated(1, 1), resolve(m_frameColor, palette()));
}

void TDsFramedImage::drawOuterShading(QPainter &painter, QRect frame, int radius) const
{
    const int l = frame.left(), t = frame.top(), r = frame.left() + frame.width(), b = frame.top() + frame.height();
    const int w = m_frameStyle == TFrameStyle::fsOutGrad ? m_frameWidth : halfFrameWidth(m_frameWidth);
    const QColor shadow = resolve(m_shadowColor, palette()), face = resolve(m_frameColor, palette());
    painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < w; ++k) {
        painter.setPen(ringColour(shadow, face, w, k));
        if (radius - k > 0)
            outline(painter, l + k, t + k, r - k + 1, b - k + 1, 2 * (radius - k));
        else
            outline(painter, l + k, t + k, r - k, b - k, 0);
    }
}

void TDsFramedImage::drawInnerShading(QPainter &painter, QRect frame, int radius, int e) const
{
    const int l = frame.left(), t = frame.top(), r = frame.left() + frame.width(), b = frame.top() + frame.height();
    const bool sunken = m_frameStyle == TFrameStyle::fsInGrad;
    const int w = sunken ? e : halfFrameWidth(m_frameWidth);
    const int inset = sunken ? 0 : w;
    const QColor shadow = resolve(m_shadowColor, palette()), face = resolve(m_frameColor, palette());
    painter.setBrush(Qt::NoBrush);
    // From the picture outward: the shadow colour first.
    for (int n = w; n >= 0; --n) {
        painter.setPen(ringColour(shadow, face, w, w - n));
        const int m = radius - w - n;
        const int d = inset + n - 1;
        if (m > 0)
            outline(painter, l + d, t + d, r - d + 1, b - d + 1, 2 * m);
        else
            outline(painter, l + d, t + d, r - d, b - d, 0);
    }
}

void TDsFramedImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(painter);
}

void TDsFramedImage::resizeEvent(QResizeEvent *)
{
    relayout();
}
