#include "widgets/xp/XP_Url.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

TXP_Url::TXP_Url(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void TXP_Url::setURL(const QString &url)
{
    m_url = url;
}

void TXP_Url::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && !m_url.isEmpty())
        QDesktopServices::openUrl(QUrl(m_url));
    QLabel::mouseReleaseEvent(event);
}
