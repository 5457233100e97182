#include "widgets/xp/XP_Button.h"

#include "widgets/OffscreenImage.h"
#include "widgets/xp/XP_Unit.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ButtonLook effectiveButtonLook(ButtonLook look, bool enabled, bool focused)
{
    if (!enabled)
        return ButtonLook::Disabled;
    if (look != ButtonLook::Pressed && look != ButtonLook::Hover && focused)
        return ButtonLook::Focused;
    return look;
}

ButtonLayout layoutButton(QSize button, QSize picture, QSize caption, TPicPos position, int offset)
{
    const int w = button.width(), h = button.height();
    const int pw = picture.width(), ph = picture.height();
    if (pw < 1 || ph < 1)
        return {{}, QRect(0, 0, w, h)};
    if (position == TPicPos::pTop) {
        const int top = (h - (caption.height() + ph + offset)) / 2;
        return {{(w - pw) / 2, top}, QRect(0, top + ph + offset, w, caption.height())};
    }
    const int left = (w - (pw + caption.width() + offset)) / 2;
    return {{left, (h - ph) / 2}, QRect(left + pw + offset, 0, caption.width(), h)};
}

TXP_Button::TXP_Button(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
    // The window's result is written before anyone hears of the click.
    connect(this, &QAbstractButton::clicked, this, &TXP_Button::writeModalResult);
}

void TXP_Button::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TXP_Button::setPicPos(TPicPos position)
{
    if (m_picPos == position)
        return;
    m_picPos = position;
    update();
}

void TXP_Button::setPicTrans(bool transparent)
{
    if (m_picTrans == transparent)
        return;
    m_picTrans = transparent;
    update();
}

void TXP_Button::setPicTransColor(TColor colour)
{
    if (m_picTransColor == colour)
        return;
    m_picTransColor = colour;
    update();
}

void TXP_Button::setPicOffSet(int offset)
{
    if (m_picOffSet == offset)
        return;
    m_picOffSet = offset;
    update();
}

bool TXP_Button::enterTarget() const
{
    const QWidget *focused = QApplication::focusWidget();
    if (qobject_cast<const TXP_Button *>(focused))
        return focused == this;
    return m_default;
}

QImage TXP_Button::compose(ButtonLook look) const
{
    QImage image = offscreenImage(*this);
    QPainter painter(&image);
    const ButtonLook shown = effectiveButtonLook(look, isEnabled(), hasFocus());
    StretchSkin(GetStripFrame(skinImage("XPBUTTON"), 5, int(shown), true), painter, TRect{0, 0, width(), height()});

    const QFontMetrics metrics(font());
    const QSize caption = metrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, text());
    const ButtonLayout layout = layoutButton(size(), m_picture.size(), caption, m_picPos, m_picOffSet);
    if (!m_picture.isNull()) {
        const QImage picture =
            pictureWithTransparency(m_picture, m_picTrans, resolve(m_picTransColor, palette()));
        if (isEnabled()) {
            painter.drawImage(layout.picture, picture);
        } else {
            // In a layer of the picture's own pixels, whatever the image's scale.
            QImage silhouette(picture.size(), QImage::Format_ARGB32_Premultiplied);
            silhouette.fill(Qt::transparent);
            DrawSilhouette(picture, silhouette, 0, 0, resolve(clBtnFace, palette()));
            painter.drawImage(layout.picture, silhouette);
        }
    }
    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::WindowText) : resolve(clGray, palette()));
    painter.drawText(layout.caption, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, text());
    return image;
}

void TXP_Button::showLook(ButtonLook look)
{
    m_look = look;
    update();
}

void TXP_Button::writeModalResult()
{
    auto *dialog = qobject_cast<QDialog *>(window());
    if (!dialog)
        return;
    dialog->setResult(m_modalResult);
    if (m_modalResult != 0)
        dialog->done(m_modalResult);
}

void TXP_Button::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, compose(m_look));
}

bool TXP_Button::event(QEvent *event)
{
    // The caption's "&" letter takes the focus and clicks at once.
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
        }
        return true;
    }
    return QAbstractButton::event(event);
}

bool TXP_Button::eventFilter(QObject *watched, QEvent *event)
{
    // Keys no control of the window took: Enter for the Enter target,
    // Escape for a Cancel button.
    if (watched == m_keyWindow && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
        const bool wanted = (isEnter(key->key()) && enterTarget()) || (key->key() == Qt::Key_Escape && m_cancel);
        if (plain && wanted && isVisible() && isEnabled()) {
            click();
            return true;
        }
    }
    return QAbstractButton::eventFilter(watched, event);
}

void TXP_Button::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    showLook(ButtonLook::Hover);
}

void TXP_Button::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    showLook(ButtonLook::Normal);
}

void TXP_Button::mousePressEvent(QMouseEvent *event)
{
    QAbstractButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled()) {
        setFocus(Qt::MouseFocusReason);
        showLook(ButtonLook::Pressed);
    }
}

void TXP_Button::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        showLook(ButtonLook::Normal);
    QAbstractButton::mouseReleaseEvent(event);
}

void TXP_Button::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click neither presses nor clicks.
    event->accept();
}

void TXP_Button::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event->key()) || event->key() == Qt::Key_Space) {
        click(); // on the key going down, again with each repeat
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TXP_Button::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        return; // it clicked when it went down
    QAbstractButton::keyReleaseEvent(event);
}

void TXP_Button::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        showLook(ButtonLook::Normal);
    else if (event->type() == QEvent::FontChange)
        update();
}

void TXP_Button::showEvent(QShowEvent *event)
{
    QAbstractButton::showEvent(event);
    if (m_keyWindow != window()) {
        if (m_keyWindow)
            m_keyWindow->removeEventFilter(this);
        m_keyWindow = window();
        m_keyWindow->installEventFilter(this);
    }
}
