#include "widgets/xp/XP_Form.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TXP_Form::TXP_Form(QWidget *window)
    : QWidget(window)
{
    window->installEventFilter(this);
    fitToWindow();
    lower();
}

void TXP_Form::setClientPanel(QWidget *panel)
{
    if (m_clientPanel == panel)
        return;
    m_clientPanel = panel;
    fitToWindow();
}

QRect TXP_Form::clientArea(QSize windowSize)
{
    return QRect(kEdgeWidth, kCaptionHeight, windowSize.width() - 2 * kEdgeWidth,
                 windowSize.height() - kCaptionHeight - kEdgeWidth);
}

bool TXP_Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::WindowTitleChange))
        fitToWindow();
    return QWidget::eventFilter(watched, event);
}

void TXP_Form::fitToWindow()
{
    const QSize size = parentWidget()->size();
    setGeometry(0, 0, size.width(), size.height());
    if (m_clientPanel)
        m_clientPanel->setGeometry(clientArea(size));
    update();
}

void TXP_Form::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xF8, 0xF6, 0xE6));
    painter.fillRect(QRect(0, 0, kEdgeWidth, height()), QColor(0x00, 0x4E, 0xD8));
    painter.fillRect(QRect(width() - kEdgeWidth, 0, kEdgeWidth, height()), QColor(0x00, 0x4E, 0xD8));
    painter.fillRect(QRect(0, height() - kEdgeWidth, width(), kEdgeWidth), QColor(0x00, 0x4E, 0xD8));
    QLinearGradient caption(0, 0, 0, kCaptionHeight);
    caption.setColorAt(0, QColor(0x3D, 0x95, 0xFF));
    caption.setColorAt(1, QColor(0x00, 0x4E, 0xD8));
    painter.fillRect(QRect(0, 0, width(), kCaptionHeight), caption);

    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const QRect titleRect(8, 0, width() - 16, kCaptionHeight);
    const QString title = parentWidget()->property("Caption").toString();
    painter.setPen(Qt::black);
    painter.drawText(titleRect.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, title);
    painter.setPen(Qt::white);
    painter.drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft, title);
}

void TXP_Form::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || event->position().y() >= kCaptionHeight)
        return;
    QWindow *handle = window()->windowHandle();
    // Without a window manager the system move is refused: move it ourselves.
    if (handle && handle->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void TXP_Form::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        window()->move(event->globalPosition().toPoint() - m_dragOffset);
}

void TXP_Form::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
