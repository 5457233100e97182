#include "widgets/xp/XP_Form.h"

#include "widgets/xp/XP_Unit.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace {

constexpr int kButtonsRightMargin = 8;
constexpr int kTitleLeft = 8;
constexpr int kEdgeBand = 5;
constexpr int kMinimumSize = 100;
const QColor kInactiveTitle(0xD4, 0xD0, 0xC8);

const char *captionButtonSkin(CaptionButton button, bool restore)
{
    switch (button) {
    case CloseButton: return "XPFORM_CLOSE";
    case MaxButton: return restore ? "XPFORM_RESTORE" : "XPFORM_MAX";
    case MinButton: return "XPFORM_MIN";
    default: return "XPFORM_HELP";
    }
}

QSize captionButtonSize()
{
    return GetStripFrame(skinImage("XPFORM_CLOSE"), 3, 1, true).size();
}

} // namespace

ShownCaptionButtons shownCaptionButtons(TFormBorderStyle style, ShownCaptionButtons on)
{
    using enum TFormBorderStyle;
    if (style == bsNone)
        return {};
    return {on.close, on.max && style != bsDialog && style != bsToolWindow, on.min && style != bsDialog, on.help};
}

CaptionButtonRects layoutCaptionButtons(int frameWidth, int captionHeight, ShownCaptionButtons shown, QSize buttonSize)
{
    CaptionButtonRects rects;
    int x = frameWidth - kButtonsRightMargin;
    const int y = (captionHeight - buttonSize.height()) / 2 + 1;
    const auto place = [&](bool isShown, TRect &rect) {
        if (!isShown)
            return;
        x -= buttonSize.width();
        rect = TRect{x, y, x + buttonSize.width(), y + buttonSize.height()};
    };
    place(shown.close, rects.close);
    place(shown.max, rects.max);
    place(shown.min, rects.min);
    place(shown.help, rects.help);
    return rects;
}

CaptionButton captionButtonAt(const CaptionButtonRects &rects, QPoint point)
{
    // A button that is not shown has an all-zero rectangle and is never hit.
    const auto hit = [&](const TRect &rect) { return !rect.isNull() && PointInRect(rect, point.x(), point.y()); };
    if (hit(rects.close))
        return CloseButton;
    if (hit(rects.max))
        return MaxButton;
    if (hit(rects.min))
        return MinButton;
    if (hit(rects.help))
        return HelpButton;
    return NoCaptionButton;
}

Qt::Edges resizeEdgesAt(QSize frame, QPoint point)
{
    const int x = point.x(), y = point.y(), w = frame.width(), h = frame.height();
    const bool left = x < kEdgeBand, top = y < kEdgeBand;
    const bool right = x > w - kEdgeBand, bottom = y > h - kEdgeBand;
    if (left && top)
        return Qt::LeftEdge | Qt::TopEdge;
    if (right && top)
        return Qt::RightEdge | Qt::TopEdge;
    if (right && bottom)
        return Qt::RightEdge | Qt::BottomEdge;
    if (left && bottom)
        return Qt::LeftEdge | Qt::BottomEdge;
    if (left)
        return Qt::LeftEdge;
    if (top)
        return Qt::TopEdge;
    if (right)
        return Qt::RightEdge;
    if (bottom)
        return Qt::BottomEdge;
    return {};
}

bool resizesFromEdges(TFormBorderStyle style)
{
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}

QPoint magnetSnap(QRect window, QSize screen, int taskbarMargin, int magnet)
{
    QPoint at = window.topLeft();
    if (magnet <= 0)
        return at;
    if (at.y() <= magnet)
        at.setY(0);
    if (at.x() <= magnet)
        at.setX(0);
    if (screen.height() - at.y() - window.height() - taskbarMargin <= magnet)
        at.setY(screen.height() - window.height() - taskbarMargin);
    if (screen.width() - at.x() - window.width() <= magnet)
        at.setX(screen.width() - window.width());
    return at;
}

QRegion windowShape(QSize frame)
{
    // A 13 x 13 rounding on a rectangle one pixel larger than the frame; the
    // bottom corners stay square.
    constexpr double radius = 6.5;
    const int w = frame.width() + 1, h = frame.height() + 1;
    QRegion shape(0, 7, w, qMax(0, h - 7));
    for (int y = 0; y < qMin(7, h); ++y) {
        const double dy = y + 0.5 - radius;
        const int inset = qMax(0, int(std::ceil(radius - std::sqrt(radius * radius - dy * dy) - 0.5)));
        shape += QRect(inset, y, w - 2 * inset, 1);
    }
    return shape;
}

int captionButtonFrame(CaptionButton button, CaptionButtonState state)
{
    if (state.button != button || button == NoCaptionButton)
        return 1;
    return state.pressed ? 2 : 3;
}

TXP_Form::TXP_Form(QWidget *window)
    : QWidget(window)
{
    window->setWindowFlag(Qt::FramelessWindowHint);
    // A Wayland compositor takes a window's shape from its pixels alone: the
    // corners the shape leaves out stay see-through.
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        window->setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(window->rect());
    lower();
    // A maximised window stays above the taskbar.
    if (const QScreen *screen = window->screen()) {
        const int highest = screen->geometry().height() - TaskbarMargin();
        if (window->maximumHeight() > highest)
            window->setMaximumHeight(highest);
    }
    m_systemMoveEnd.setSingleShot(true);
    m_systemMoveEnd.setInterval(300);
    connect(&m_systemMoveEnd, &QTimer::timeout, this, &TXP_Form::snapToScreen);
    window->installEventFilter(this);
    relayout();
}

void TXP_Form::setFlag(bool &flag, bool on)
{
    if (flag == on)
        return;
    flag = on;
    relayout();
}

void TXP_Form::setIconOffSet(int offset)
{
    if (m_iconOffSet == offset)
        return;
    m_iconOffSet = offset;
    relayout();
}

void TXP_Form::setCaptionOffSet(int offset)
{
    if (m_captionOffSet == offset)
        return;
    m_captionOffSet = offset;
    relayout();
}

void TXP_Form::setPicture(const QImage &picture)
{
    m_picture = picture;
    relayout();
}

void TXP_Form::setBorderStyle(TFormBorderStyle style)
{
    if (m_borderStyle == style)
        return;
    m_borderStyle = style;
    relayout();
}

void TXP_Form::setTopMost(bool topMost)
{
    if (m_topMost == topMost)
        return;
    m_topMost = topMost;
    // Qt hides a window whose flags change; it comes back where it was,
    // without taking the activation.
    QWidget *w = window();
    const bool shown = w->isVisible();
    const bool quiet = w->testAttribute(Qt::WA_ShowWithoutActivating);
    w->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    if (shown) {
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->show();
        w->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    }
}

void TXP_Form::setClientPanel(QWidget *panel)
{
    if (m_clientPanel == panel)
        return;
    m_clientPanel = panel;
    relayout();
}

void TXP_Form::setPictureTransColor(TColor colour)
{
    if (m_pictureTransColor == colour)
        return;
    m_pictureTransColor = colour;
    update();
}

void TXP_Form::setColor(TColor colour)
{
    if (m_color == colour)
        return;
    m_color = colour;
    update();
}

void TXP_Form::setCaptionText(const QString &text)
{
    if (m_captionText == text)
        return;
    m_captionText = text;
    update();
}

QRect TXP_Form::innerArea() const
{
    return QRect(m_leftWidth, m_captionHeight, width() - m_rightWidth - m_leftWidth,
                 height() - m_bottomHeight - m_captionHeight);
}

bool TXP_Form::inNormalState() const
{
    return !(window()->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

void TXP_Form::relayout()
{
    const bool skinned = m_borderStyle != TFormBorderStyle::bsNone;
    // Without a skin the measurements of the last skinned frame stay.
    if (skinned) {
        m_captionHeight = skinImage("XPFORM_CAPTION").height() / 2;
        m_leftWidth = skinImage("XPFORM_LEFT").width() / 2;
        m_rightWidth = skinImage("XPFORM_RIGHT").width() / 2;
        m_bottomHeight = skinImage("XPFORM_BOTTOM").height() / 2;
    }
    m_buttons = layoutCaptionButtons(width(), m_captionHeight, shownCaptionButtons(m_borderStyle, m_switchedOn),
                                     captionButtonSize());
    m_captionRect = skinned ? TRect{0, 0, width(), m_captionHeight} : TRect{};
    m_iconRect = {};
    if (skinned && m_picture.width() >= 1 && m_picture.height() >= 1) {
        const int y = (m_captionHeight - m_picture.height()) / 2 + m_iconOffSet;
        m_iconRect = TRect{kTitleLeft, y, kTitleLeft + m_picture.width(), y + m_picture.height()};
    }
    if (m_clientPanel)
        m_clientPanel->setGeometry(innerArea());
    const QRegion shape = windowShape(window()->size());
    if (window()->mask() != shape)
        window()->setMask(shape);
    update();
}

QImage TXP_Form::compose() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    draw(painter);
    return image;
}

void TXP_Form::draw(QPainter &painter) const
{
    const int w = width(), h = height();
    painter.fillRect(rect(), resolve(m_color, palette()));
    if (m_borderStyle == TFormBorderStyle::bsNone)
        return;

    const int look = m_windowActive ? 1 : 2;
    StretchSkin(GetStripFrame(skinImage("XPFORM_RIGHT"), 2, look, true), painter,
                TRect{w - m_rightWidth, 0, w, h});
    StretchSkin(GetStripFrame(skinImage("XPFORM_LEFT"), 2, look, true), painter, TRect{0, 0, m_leftWidth, h});
    StretchSkin(GetStripFrame(skinImage("XPFORM_CAPTION"), 2, look, false), painter,
                TRect{m_leftWidth, 0, w - m_rightWidth, m_captionHeight});
    painter.drawImage(QRect(m_leftWidth, h - m_bottomHeight, w - m_rightWidth - m_leftWidth, m_bottomHeight),
                      GetStripFrame(skinImage("XPFORM_BOTTOM"), 2, look, false));

    const QColor magenta(255, 0, 255);
    const bool restore = !inNormalState();
    for (const auto &[button, rect] : {std::pair{CloseButton, m_buttons.close}, std::pair{MaxButton, m_buttons.max},
                                       std::pair{MinButton, m_buttons.min}, std::pair{HelpButton, m_buttons.help}}) {
        if (rect.isNull())
            continue;
        const QImage face = GetStripFrame(skinImage(captionButtonSkin(button, restore)), 3,
                                          captionButtonFrame(button, m_buttonState), true);
        painter.drawImage(rect.Left, rect.Top, pictureWithTransparency(face, true, magenta));
    }

    int titleX = kTitleLeft;
    if (!m_iconRect.isNull()) {
        painter.drawImage(m_iconRect.Left, m_iconRect.Top,
                          pictureWithTransparency(m_picture, m_pictureTrans, resolve(m_pictureTransColor, palette())));
        titleX = m_iconRect.Right + 2 + m_captionOffSet;
    }
    drawTitle(painter, titleX);
}

void TXP_Form::drawTitle(QPainter &painter, int x) const
{
    QFont titleFont = m_useSystemFont ? QApplication::font("QMenu") : font();
    // Smooth and unhinted: hinting Chinese outlines wakes the auto-hinter,
    // megabytes for one line of bold white text.
    titleFont.setHintingPreference(QFont::PreferNoHinting);
    if (m_boldCaption) {
        titleFont.setBold(true);
        titleFont.setItalic(false);
        titleFont.setUnderline(false);
        titleFont.setStrikeOut(false);
    }
    painter.setFont(titleFont);
    const int textHeight = QFontMetrics(titleFont).height();
    const int top = (m_captionHeight - textHeight) / 2;
    // Drawn after the buttons and unclipped: a long title runs over them.
    const QRect room(x, top + 1, qMax(width(), 1) * 4, textHeight);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    if (m_captionShadow) {
        painter.setPen(Qt::black);
        painter.drawText(room.translated(1, 1), flags, m_captionText);
    }
    painter.setPen(m_windowActive ? QColor(Qt::white) : kInactiveTitle);
    painter.drawText(room, flags, m_captionText);
}

void TXP_Form::paintEvent(QPaintEvent *event)
{
    // Straight into the backing store, where the client panel leaves only
    // the edges to paint: a window-sized image of its own was page faults
    // and copying at start-up.
    QPainter painter(this);
    // Where the window is see-through the shape's corners stay unpainted.
    painter.setClipRegion(window()->testAttribute(Qt::WA_TranslucentBackground)
                              ? event->region() & window()->mask()
                              : event->region());
    draw(painter);
}

void TXP_Form::showButtonState(CaptionButtonState state)
{
    // Moves within one button draw nothing.
    if (state == m_buttonState)
        return;
    m_buttonState = state;
    update();
}

void TXP_Form::toggleMaximised()
{
    QWidget *w = window();
    if (w->isMaximized())
        w->showNormal();
    else
        w->showMaximized();
}

bool TXP_Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != parentWidget())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize: {
        QWidget *w = window();
        setGeometry(w->rect());
        // From the first sizing on the window stays at least 100 x 100.
        w->setMinimumSize(qMax(w->minimumWidth(), kMinimumSize), qMax(w->minimumHeight(), kMinimumSize));
        relayout();
        break;
    }
    case QEvent::ActivationChange:
        m_windowActive = window()->isActiveWindow();
        update();
        if (m_windowActive)
            emit Active();
        else
            emit InActive();
        break;
    case QEvent::WindowStateChange:
        relayout();
        break;
    case QEvent::Move:
        if (m_systemMoveEnd.isActive())
            m_systemMoveEnd.start();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TXP_Form::beginMove(QPoint globalPos)
{
    QWindow *handle = window()->windowHandle();
    // Without a window manager the system move is refused: move it ourselves.
    if (handle && handle->startSystemMove()) {
        if (m_magnet > 0)
            m_systemMoveEnd.start();
        return;
    }
    m_drag = Drag::Move;
    m_dragStart = globalPos;
    m_dragGeometry = window()->geometry();
}

void TXP_Form::beginResize(Qt::Edges edges, QPoint globalPos)
{
    QWindow *handle = window()->windowHandle();
    if (handle && handle->startSystemResize(edges))
        return;
    m_drag = Drag::Resize;
    m_dragEdges = edges;
    m_dragStart = globalPos;
    m_dragGeometry = window()->geometry();
}

void TXP_Form::snapToScreen()
{
    QWidget *w = window();
    if (const QScreen *screen = w->screen())
        w->move(magnetSnap(w->geometry(), screen->geometry().size(), TaskbarMargin(), m_magnet));
}

void TXP_Form::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    if (resizesFromEdges(m_borderStyle) && inNormalState()) {
        if (const Qt::Edges edges = resizeEdgesAt(size(), at)) {
            beginResize(edges, global);
            return;
        }
    }
    if (const CaptionButton button = captionButtonAt(m_buttons, at)) {
        showButtonState({button, true});
        return;
    }
    if (inNormalState() && !m_captionRect.isNull() && PointInRect(m_captionRect, at.x(), at.y()))
        beginMove(global);
}

void TXP_Form::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QPoint moved = event->globalPosition().toPoint() - m_dragStart;
    if (m_drag == Drag::Move) {
        window()->move(m_dragGeometry.topLeft() + moved);
        return;
    }
    if (m_drag == Drag::Resize) {
        QRect r = m_dragGeometry;
        const QSize least = window()->minimumSize();
        if (m_dragEdges & Qt::LeftEdge)
            r.setLeft(qMin(r.left() + moved.x(), r.right() + 1 - least.width()));
        if (m_dragEdges & Qt::RightEdge)
            r.setRight(qMax(r.right() + moved.x(), r.left() + least.width() - 1));
        if (m_dragEdges & Qt::TopEdge)
            r.setTop(qMin(r.top() + moved.y(), r.bottom() + 1 - least.height()));
        if (m_dragEdges & Qt::BottomEdge)
            r.setBottom(qMax(r.bottom() + moved.y(), r.top() + least.height() - 1));
        window()->setGeometry(r);
        return;
    }
    const Qt::Edges edges = resizesFromEdges(m_borderStyle) && inNormalState() ? resizeEdgesAt(size(), at) : Qt::Edges();
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    if (!(event->buttons() & Qt::LeftButton))
        showButtonState({captionButtonAt(m_buttons, at), false});
}

void TXP_Form::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_drag != Drag::None) {
        const bool moved = m_drag == Drag::Move;
        m_drag = Drag::None;
        if (moved && m_magnet > 0)
            snapToScreen();
        return;
    }
    // The release point alone decides, whatever was pressed.
    switch (captionButtonAt(m_buttons, event->position().toPoint())) {
    case CloseButton:
        window()->close();
        break;
    case MaxButton:
        toggleMaximised();
        break;
    case MinButton:
        window()->showMinimized();
        break;
    case HelpButton:
        emit Help();
        break;
    case NoCaptionButton:
        break;
    }
}

void TXP_Form::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (!m_iconRect.isNull() && PointInRect(m_iconRect, at.x(), at.y())) {
        window()->close();
        return;
    }
    if (captionButtonAt(m_buttons, at) == NoCaptionButton && !innerArea().contains(at) && !m_buttons.max.isNull())
        toggleMaximised();
}
