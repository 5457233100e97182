#include "widgets/deco/antLabel.h"

#include "widgets/flat/FlatUtilitys.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

ShadowRects antShadowRects(QRect rect, Qt::Alignment alignment, int dx, int dy)
{
    QRect front = rect, back = rect;
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignRight) {
        if (dx > 0)
            front.translate(-dx, 0);
        else
            back.translate(dx, 0);
    } else {
        if (horizontal & Qt::AlignHCenter) {
            front.setRight(front.right() - qAbs(dx));
            back.setRight(back.right() - qAbs(dx));
        }
        if (dx > 0)
            back.translate(dx, 0);
        else
            front.translate(-dx, 0);
    }
    if (dy > 0)
        back.translate(0, dy);
    else
        front.translate(0, -dy);
    QRect result = front.united(back);
    if (result.left() != 0)
        result.moveLeft(0);
    return {front, back, result};
}

TantCustomLabel::TantCustomLabel(QWidget *parent)
    : QLabel(parent)
{
    m_colorFront.setAll(clBlack, clBlue, clRed, clBtnShadow);
    m_colorBack.setAll(clBtnShadow, clNavy, clMaroon, clBtnHighlight);
    m_cursors.setAll(crDefault, crHandPoint, crHandPoint, crDefault);
    m_underLine.setAll(false, true, true, false);
}

void TantCustomLabel::setText(const QString &text)
{
    QLabel::setText(text);
    fitSize();
}

void TantCustomLabel::SetDisplayState(TDisplayState state)
{
    if (state == m_state)
        return;
    m_state = state;
    for (TantRunTimeDesc *desc : {static_cast<TantRunTimeDesc *>(&m_colorFront), static_cast<TantRunTimeDesc *>(&m_colorBack),
                                  static_cast<TantRunTimeDesc *>(&m_cursors), static_cast<TantRunTimeDesc *>(&m_underLine)})
        desc->SetDisplayState(state);
    applyCursor(this, m_cursors.value());
    QPalette own = palette();
    own.setColor(QPalette::WindowText, resolve(m_colorFront.value(), palette()));
    setPalette(own);
    QFont underlined = font();
    underlined.setUnderline(m_underLine.value());
    setFont(underlined);
    update();
}

void TantCustomLabel::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    update();
}

void TantCustomLabel::setColor3d(bool on)
{
    if (m_color3d == on)
        return;
    m_color3d = on;
    fitSize();
    update();
}

void TantCustomLabel::setColor3dXDepth(int depth)
{
    if (m_dx == depth)
        return;
    m_dx = depth;
    fitSize();
    update();
}

void TantCustomLabel::setColor3dYDepth(int depth)
{
    if (m_dy == depth)
        return;
    m_dy = depth;
    fitSize();
    update();
}

void TantCustomLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    fitSize();
}

void TantCustomLabel::setTransparent(bool on)
{
    m_transparent = on;
    update();
}

QFont TantCustomLabel::stateFont() const
{
    QFont f = font();
    f.setUnderline(m_underLine.value());
    return f;
}

int TantCustomLabel::textFlags() const
{
    // Vertical placement moves the rectangle; the text itself starts at its top.
    return int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs
           | (wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
}

QString TantCustomLabel::shownText(bool measuring) const
{
    const QString caption = text();
    if (measuring && caption.isEmpty())
        return QStringLiteral(" ");
    if (caption == QLatin1String("&"))
        return QStringLiteral("& ");
    return caption;
}

QSize TantCustomLabel::measure() const
{
    const QFontMetrics metrics(stateFont());
    const QSize text = metrics.boundingRect(QRect(0, 0, wordWrap() ? width() : 0xFFFFFF, 0xFFFFFF), textFlags(),
                                            shownText(true)).size();
    return m_color3d ? text + QSize(qAbs(m_dx), qAbs(m_dy)) : text;
}

void TantCustomLabel::fitSize()
{
    if (!m_autoSize)
        return;
    const QSize measured = measure();
    if (alignment() & Qt::AlignRight)
        setGeometry(geometry().right() + 1 - measured.width(), y(), measured.width(), measured.height());
    else
        resize(measured);
}

QImage TantCustomLabel::compose() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (!m_transparent)
        painter.fillRect(rect(), palette().color(QPalette::Window));

    QRect box = rect();
    if (!(alignment() & Qt::AlignTop)) {
        const int free = height() - measure().height();
        box.translate(0, alignment() & Qt::AlignBottom ? free : free / 2);
    }
    painter.setFont(stateFont());
    const int flags = textFlags();
    const QString caption = shownText(false);
    const QPalette &desktop = palette();
    if (m_color3d) {
        const ShadowRects rects = antShadowRects(box, alignment(), m_dx, m_dy);
        if (m_dx != 0 || m_dy != 0) {
            painter.setPen(resolve(m_colorBack.value(), desktop));
            painter.drawText(rects.back, flags, caption);
        }
        painter.setPen(resolve(m_colorFront.value(), desktop));
        painter.drawText(rects.front, flags, caption);
    } else if (isEnabled()) {
        painter.setPen(resolve(m_colorFront.value(), desktop));
        painter.drawText(box, flags, caption);
    } else {
        DrawEmbossedText(painter, box, flags, caption, desktop);
    }
    return image;
}

void TantCustomLabel::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, compose());
}

bool TantCustomLabel::event(QEvent *event)
{
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::FontChange)
        fitSize();
    return handled;
}

void TantCustomLabel::enterEvent(QEnterEvent *event)
{
    m_mouseInside = true;
    if (isEnabled() && m_active)
        SetDisplayState(m_pressed ? TDisplayState::Active : TDisplayState::Selected);
    emit MouseEnter();
    QLabel::enterEvent(event);
}

void TantCustomLabel::leaveEvent(QEvent *event)
{
    m_mouseInside = false;
    if (isEnabled())
        SetDisplayState(m_active && m_pressed ? TDisplayState::Selected : TDisplayState::Normal);
    emit MouseLeave();
    QLabel::leaveEvent(event);
}

void TantCustomLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        if (isEnabled() && m_active)
            SetDisplayState(TDisplayState::Active);
    }
    QLabel::mousePressEvent(event);
}

void TantCustomLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        if (isEnabled() && m_active)
            SetDisplayState(m_mouseInside ? TDisplayState::Selected : TDisplayState::Normal);
    }
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TantCustomLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        SetDisplayState(isEnabled() ? TDisplayState::Normal : TDisplayState::Disabled);
}
