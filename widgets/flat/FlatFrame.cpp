#include "widgets/flat/FlatFrame.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

FlatFrame::FlatFrame(QWidget *owner, bool (*sameKind)(const QWidget *))
    : m_owner(owner), m_sameKind(sameKind)
{
    // Whether a hovered control is lit depends on where the focus is.
    QObject::connect(qApp, &QApplication::focusChanged, owner, [this] {
        if (hovered)
            showLook();
    });
}

void FlatFrame::setColorFlat(TColor colour)
{
    colorFlat = colour;
    parentColor = false;
    followParent();
}

void FlatFrame::setParentColor(bool follow)
{
    parentColor = follow;
    followParent();
}

void FlatFrame::setUseAdvColors(bool use)
{
    useAdvColors = use;
    parentColor = use;
    followParent();
}

void FlatFrame::followParent()
{
    const QWidget *parent = m_owner->parentWidget();
    if ((parentColor || useAdvColors) && parent) {
        const QColor own = parent->palette().color(QPalette::Window);
        colorFlat = toTColor(own);
    }
}

bool FlatFrame::lit() const
{
    const QWidget *focused = QApplication::focusWidget();
    return m_owner->hasFocus() || (hovered && !(focused && m_sameKind(focused)));
}

QColor FlatFrame::lookColour() const
{
    const QPalette &desktop = m_owner->palette();
    const QColor flat = resolve(colorFlat, desktop);
    if (!lit())
        return flat;
    return ShownColour(colorFocused, desktop, useAdvColors, flat, advColorFocused, LightnessShift::Lighten);
}

void FlatFrame::showLook()
{
    const QColor background = lookColour();
    if (m_owner->palette().color(QPalette::Base) != background) {
        QPalette own = m_owner->palette();
        own.setColor(QPalette::Base, background);
        m_owner->setPalette(own);
    }
    m_owner->update();
}

QColor FlatFrame::borderColour() const
{
    const QPalette &desktop = m_owner->palette();
    return ShownColour(colorBorder, desktop, useAdvColors, resolve(colorFlat, desktop), advColorBorder,
                       LightnessShift::Darken);
}

bool FlatFrame::handle(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        hovered = QApplication::activeWindow() != nullptr;
        return true;
    case QEvent::Leave:
        hovered = false;
        return true;
    case QEvent::ParentChange:
    case QEvent::ParentAboutToChange:
    case QEvent::PaletteChange:
        followParent();
        return true;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        return true;
    default:
        return false;
    }
}
