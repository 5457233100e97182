#include "widgets/flat/TFlatButtonUnit.h"

#include "widgets/OffscreenImage.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

// One 100 ms timer for every flat button watches whether the pointer is
// still over the one button it last entered. It lives with the application.
struct HoverWatch : QObject
{
    QTimer timer;
    QPointer<TFlatButton> hot;

    static HoverWatch *existing() { return s_watch; }
    static HoverWatch &instance()
    {
        if (!s_watch)
            s_watch = new HoverWatch(QCoreApplication::instance());
        return *s_watch;
    }

    explicit HoverWatch(QObject *application) : QObject(application)
    {
        timer.setInterval(100);
        QObject::connect(&timer, &QTimer::timeout, this, [this] {
            if (hot && !hot->pointerOverMe())
                hot->leave();
        });
    }

    void stopFor(const TFlatButton *button)
    {
        if (hot == button) {
            timer.stop();
            hot = nullptr;
        }
    }

private:
    static inline QPointer<HoverWatch> s_watch;
};

int glyphCell(int numGlyphs, FlatButtonState state)
{
    // Cells: up, disabled, down, exclusive, as far as the glyph has them.
    switch (state) {
    case FlatButtonState::Up: return 0;
    case FlatButtonState::Disabled: return numGlyphs >= 2 ? 1 : 0;
    case FlatButtonState::Down: return numGlyphs >= 3 ? 2 : 0;
    case FlatButtonState::Exclusive: return numGlyphs >= 4 ? 3 : numGlyphs == 3 ? 2 : 0;
    }
    return 0;
}

int numGlyphsFor(QSize glyph, int current)
{
    if (glyph.isEmpty() || glyph.width() % glyph.height() != 0)
        return current;
    const int cells = glyph.width() / glyph.height();
    return cells > 4 ? 1 : cells;
}

FlatButtonState effectiveFlatState(FlatButtonState stored, bool enabled, bool down, int groupIndex)
{
    if (!enabled)
        return FlatButtonState::Disabled;
    if (stored == FlatButtonState::Disabled)
        return down && groupIndex != 0 ? FlatButtonState::Exclusive : FlatButtonState::Up;
    return stored;
}

FlatButtonLook flatButtonLook(FlatButtonState state, bool hovered, bool isDefault)
{
    using Fill = FlatButtonLook::Fill;
    using Edge = FlatButtonLook::Edge;
    switch (state) {
    case FlatButtonState::Up:
        if (hovered)
            return {Fill::Focused, Edge::Raised, false};
        return {Fill::Face, isDefault ? Edge::DefaultBorder : Edge::Border, false};
    case FlatButtonState::Disabled:
        return {Fill::Face, Edge::Border, false};
    case FlatButtonState::Down:
        return {Fill::Down, Edge::Sunken, true};
    case FlatButtonState::Exclusive:
        return {hovered ? Fill::Focused : Fill::Down, Edge::Sunken, true};
    }
    return {};
}

TFlatButton::TFlatButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus); // TabStop is off unless asked for
    resize(sizeHint());
}

TFlatButton::~TFlatButton()
{
    if (HoverWatch *watch = HoverWatch::existing())
        watch->stopFor(this);
}

void TFlatButton::setAllowAllUp(bool allow)
{
    if (m_allowAllUp == allow)
        return;
    m_allowAllUp = allow;
    broadcastGroup();
}

void TFlatButton::setUseAdvColors(bool use)
{
    if (m_useAdvColors == use)
        return;
    m_useAdvColors = use;
    update();
}

void TFlatButton::setGroupIndex(int index)
{
    if (m_groupIndex == index)
        return;
    m_groupIndex = index;
    broadcastGroup();
}

void TFlatButton::setDown(bool down)
{
    if (m_groupIndex == 0)
        down = false;
    if (down == m_down || (m_down && !m_allowAllUp))
        return;
    m_down = down;
    if (down) {
        m_state = FlatButtonState::Exclusive;
        update();
        broadcastGroup();
    } else {
        m_state = FlatButtonState::Up;
        repaint();
    }
}

void TFlatButton::broadcastGroup()
{
    if (!parentWidget())
        return;
    for (TFlatButton *other : parentWidget()->findChildren<TFlatButton *>(Qt::FindDirectChildrenOnly)) {
        if (other == this || other->m_groupIndex != m_groupIndex || m_groupIndex == 0)
            continue;
        if (m_down && other->m_down) {
            other->m_down = false;
            other->m_state = FlatButtonState::Up;
            other->update();
        }
        other->m_allowAllUp = m_allowAllUp;
    }
}

void TFlatButton::setGlyph(const QImage &glyph)
{
    m_glyph = glyph;
    m_numGlyphs = numGlyphsFor(glyph.size(), m_numGlyphs);
    update();
}

void TFlatButton::setMargin(int margin)
{
    if (margin < -1)
        return;
    m_margin = margin;
    update();
}

QImage TFlatButton::compose() const
{
    const QPalette &desktop = palette();
    const QColor face = desktop.color(QPalette::Window);
    const auto shown = [&](TColor set, int percent, LightnessShift direction) {
        return ShownColour(set, desktop, m_useAdvColors, face, percent, direction);
    };
    const QColor focused = shown(m_colorFocused, m_advColorFocused, LightnessShift::Lighten);
    const QColor down = shown(m_colorDown, m_advColorDown, LightnessShift::Darken);
    const QColor border = shown(m_colorBorder, m_advColorBorder, LightnessShift::Darken);
    const QColor light = resolve(m_colorHighLight, desktop), dark = resolve(m_colorShadow, desktop);

    const FlatButtonState state = effectiveFlatState(m_state, isEnabled(), m_down, m_groupIndex);
    const FlatButtonLook look = flatButtonLook(state, m_hovered, m_default);

    QImage image = offscreenImage(*this);
    QPainter painter(&image);
    const QColor fill = look.fill == FlatButtonLook::Fill::Focused ? focused
                        : look.fill == FlatButtonLook::Fill::Down  ? down
                                                                  : face;
    const bool filled = m_transparentMode == TTransparentMode::tmNone
                        || (m_transparentMode == TTransparentMode::tmNotFocused && m_hovered);
    PaintBackground(this, painter, filled, fill);

    const TRect client{0, 0, width(), height()};
    switch (look.edge) {
    case FlatButtonLook::Edge::Sunken: DrawBevel(painter, client, dark, light, 1); break;
    case FlatButtonLook::Edge::Raised: DrawBevel(painter, client, light, dark, 1); break;
    case FlatButtonLook::Edge::Border: DrawBevel(painter, client, border, border, 1); break;
    case FlatButtonLook::Edge::DefaultBorder: DrawBevel(painter, client, border, border, 2); break;
    }

    const QSize cell = m_glyph.isNull() ? QSize() : QSize(m_glyph.width() / m_numGlyphs, m_glyph.height());
    const GlyphAndCaption placed = LayoutGlyphAndCaption(QFontMetrics(font()), rect(), look.pressed ? QPoint(1, 1) : QPoint(),
                                                         text(), cell, m_margin, m_spacing, m_layout);
    if (!m_glyph.isNull()) {
        QImage picture = m_glyph.copy(cell.width() * glyphCell(m_numGlyphs, state), 0, cell.width(), cell.height());
        if (state == FlatButtonState::Disabled && m_numGlyphs == 1)
            picture = MakeDisabledGlyph(picture, Qt::black, resolve(clBtnFace, desktop), true,
                                        resolve(clBtnHighlight, desktop), resolve(clBtnShadow, desktop));
        // The bottom-left pixel's colour is left out.
        picture = picture.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = picture.pixel(0, picture.height() - 1);
        for (int y = 0; y < picture.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                if (line[x] == key)
                    line[x] = 0;
        }
        painter.drawImage(placed.glyph, picture);
    }
    painter.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    DrawCaption(painter, placed.caption, flags, text(), this);
    return image;
}

void TFlatButton::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, compose());
}

bool TFlatButton::pointerOverMe() const
{
    return QApplication::widgetAt(QCursor::pos()) == this;
}

void TFlatButton::clickOnce()
{
    if (auto *dialog = qobject_cast<QDialog *>(window()))
        dialog->setResult(m_modalResult);
    click();
}

void TFlatButton::leave()
{
    if (isEnabled() && m_hovered && !m_pressing) {
        m_hovered = false;
        HoverWatch::instance().stopFor(this);
        update();
    }
}

void TFlatButton::updateTracking()
{
    if (!isEnabled())
        return;
    m_hovered = pointerOverMe();
    if (!m_hovered)
        HoverWatch::instance().stopFor(this);
    update();
}

void TFlatButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!m_down) {
        m_state = FlatButtonState::Down;
        update();
    }
    m_pressing = true;
    setFocus(Qt::MouseFocusReason);
}

void TFlatButton::mouseMoveEvent(QMouseEvent *event)
{
    if (HoverWatch::instance().hot != this && pointerOverMe()) {
        if (HoverWatch::instance().hot)
            HoverWatch::instance().hot->leave();
        if (QApplication::activeWindow()) {
            HoverWatch::instance().timer.stop();
            HoverWatch::instance().hot = this;
            HoverWatch::instance().timer.start();
            if (isEnabled() && !m_hovered) {
                m_hovered = true;
                update();
            }
        }
    }
    if (!m_pressing)
        return;
    FlatButtonState state = m_down ? FlatButtonState::Exclusive : FlatButtonState::Up;
    if (rect().contains(event->position().toPoint()))
        state = m_down ? FlatButtonState::Exclusive : FlatButtonState::Down;
    if (state != m_state) {
        m_state = state;
        update();
    }
}

void TFlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressing)
        return;
    m_pressing = false;
    const bool inside = rect().contains(event->position().toPoint());
    if (m_groupIndex == 0) {
        m_state = FlatButtonState::Up;
        m_hovered = false;
    } else if (inside) {
        setDown(!m_down);
    } else if (m_down) {
        m_state = FlatButtonState::Exclusive;
    }
    update();
    if (inside)
        clickOnce();
    else
        leave();
    updateTracking();
}

void TFlatButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_down)
        emit doubleClicked();
}

void TFlatButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space) {
        event->ignore(); // Enter is not the flat button's, Default or not
        return;
    }
    if (m_groupIndex != 0)
        setDown(true);
    else
        m_state = FlatButtonState::Down;
    update();
}

void TFlatButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    if (m_groupIndex != 0)
        setDown(false);
    else
        m_state = FlatButtonState::Up;
    clickOnce();
    update();
}

void TFlatButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    if (isEnabled() && !m_hovered) {
        m_hovered = true;
        update();
    }
}

void TFlatButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    leave();
}

void TFlatButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    if (isEnabled()) {
        m_hovered = true;
        update();
    }
}

void TFlatButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    leave();
}

bool TFlatButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled()) {
            if (m_groupIndex != 0)
                setDown(true);
            clickOnce();
        }
        return true;
    }
    return QAbstractButton::event(event);
}

void TFlatButton::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_hovered = false;
            m_state = FlatButtonState::Disabled;
            HoverWatch::instance().stopFor(this);
        }
        updateTracking();
        update();
    }
}
