#include "widgets/xp/XP_Url.h"

#include "platform/UrlOpener.h"
#include "widgets/OffscreenImage.h"
#include "widgets/xp/XP_Unit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

UrlTarget urlTarget(const QString &url, const std::function<bool(const QString &)> &fileExists)
{
    const QString trimmed = url.trimmed();
    const QString upper = trimmed.toUpper();
    if (upper.isEmpty())
        return UrlTarget::Nothing;
    if (upper.startsWith(QLatin1String("HTTP://")))
        return UrlTarget::WebPage;
    if (upper.contains(u'@'))
        return UrlTarget::DefaultHandler;
    // File names keep their case: most file systems here tell cases apart.
    if (fileExists(trimmed))
        return UrlTarget::File;
    return UrlTarget::Nothing;
}

TXP_Url::TXP_Url(QWidget *parent)
    : QWidget(parent), m_opener(&UrlOpener::desktop())
{
    setGeometry(0, 0, 121, 17);
    setFocusPolicy(Qt::TabFocus); // a keyboard alone reaches every link
}

void TXP_Url::activate()
{
    if (isEnabled())
        openTarget();
}

void TXP_Url::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    if (m_shortcut)
        releaseShortcut(m_shortcut);
    m_shortcut = grabShortcut(QKeySequence::mnemonic(text));
    fitWidth();
    update();
}

void TXP_Url::setPicture(const QImage &picture)
{
    m_picture = picture;
    fitWidth();
    update();
}

void TXP_Url::setPicOffSet(int offset)
{
    if (m_picOffSet == offset)
        return;
    m_picOffSet = offset;
    update();
}

void TXP_Url::setLineOffSet(int offset)
{
    if (m_lineOffSet == offset)
        return;
    m_lineOffSet = offset;
    update();
}

void TXP_Url::setUnderLine(bool underline)
{
    if (m_underLine == underline)
        return;
    m_underLine = underline;
    update();
}

void TXP_Url::setPicTrans(bool transparent)
{
    if (m_picTrans == transparent)
        return;
    m_picTrans = transparent;
    update();
}

void TXP_Url::setPicTransColor(TColor colour)
{
    if (m_picTransColor == colour)
        return;
    m_picTransColor = colour;
    update();
}

QFont TXP_Url::textFont() const
{
    QFont plain = font(); // the line is drawn, not the font's underline
    plain.setUnderline(false);
    return plain;
}

QString TXP_Url::plainCaption() const
{
    return QString(m_text).remove(u'&');
}

int TXP_Url::fittingWidth() const
{
    const int textStart = m_picture.width() >= 1 ? m_picture.width() + 2 : 0;
    return textStart + QFontMetrics(textFont()).horizontalAdvance(plainCaption());
}

void TXP_Url::fitWidth()
{
    resize(fittingWidth(), height());
}

QImage TXP_Url::compose(bool hover) const
{
    QImage image = offscreenImage(*this);
    image.fill(Qt::transparent); // the parent shows through
    QPainter painter(&image);
    const int w = width(), h = height();

    int textStart = 0;
    if (m_picture.width() >= 1) {
        QImage work(m_picture.size(), QImage::Format_ARGB32);
        work.fill(Qt::transparent);
        QPainter(&work).drawImage(0, 0, m_picture, 0, 0, qMin(m_picture.width(), w), qMin(m_picture.height(), h));
        work = pictureWithTransparency(work, m_picTrans, resolve(m_picTransColor, palette()));
        if (!isEnabled())
            GrayBitmap(work, 30);
        textStart = work.width() + 2;
        painter.drawImage(0, (h - work.height()) / 2 + m_picOffSet, work);
    }

    QColor colour = palette().color(QPalette::WindowText);
    if (!isEnabled())
        colour = resolve(clGray, palette());
    else if (hover)
        colour = resolve(m_hoverColor, palette());
    else if (m_visited)
        colour = resolve(m_visitedColor, palette());

    const QFontMetrics metrics(textFont());
    painter.setFont(textFont());
    painter.setPen(colour);
    const int captionWidth = metrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, m_text).width();
    painter.drawText(QRect(textStart, 0, captionWidth, h),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, m_text);
    if (m_underLine) {
        const QString plain = plainCaption();
        const int y = (h - metrics.height()) / 2 + metrics.height() + m_lineOffSet;
        const int length = metrics.horizontalAdvance(plain);
        if (length > 0)
            painter.drawLine(textStart, y, textStart + length - 1, y); // the end point is not drawn
    }
    if (hasFocus()) {
        painter.setPen(QPen(colour, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    return image;
}

void TXP_Url::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, compose(m_hover));
}

void TXP_Url::openTarget()
{
    m_visited = true;
    const QString target = m_url.trimmed();
    switch (urlTarget(m_url, [this](const QString &path) { return m_opener->fileExists(path); })) {
    case UrlTarget::WebPage:
        if (!m_opener->openWebPage(target))
            emit openFailed(QStringLiteral("无法在浏览器中打开 %1").arg(target));
        break;
    case UrlTarget::DefaultHandler:
        m_opener->openWithDefaultHandler(m_url);
        break;
    case UrlTarget::File:
        m_opener->openFile(target);
        break;
    case UrlTarget::Nothing:
        break;
    }
}

bool TXP_Url::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        activate();
        return true;
    }
    return QWidget::event(event);
}

void TXP_Url::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    setCursor(applicationCursor(crXPHand));
    m_hover = true;
    update();
}

void TXP_Url::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    unsetCursor();
    m_hover = false;
    update();
}

void TXP_Url::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    activate(); // any button opens the target
}

void TXP_Url::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TXP_Url::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TXP_Url::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWidth();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        update();
}
