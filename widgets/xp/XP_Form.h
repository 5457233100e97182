#pragma once

#include "widgets/WidgetColors.h"

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// Caption buttons in hit-test order; 0 is none.
enum CaptionButton { NoCaptionButton = 0, CloseButton = 1, MaxButton = 2, MinButton = 3, HelpButton = 4 };

struct CaptionButtonRects
{
    TRect close, max, min, help; // all zero when not shown
};

struct ShownCaptionButtons
{
    bool close = false, max = false, min = false, help = false;
};

// Which caption buttons a border style shows of those switched on.
ShownCaptionButtons shownCaptionButtons(TFormBorderStyle style, ShownCaptionButtons switchedOn);
// The shown buttons edge to edge from the right, the close button ending 8
// pixels before the frame's right edge, centred in the caption.
CaptionButtonRects layoutCaptionButtons(int frameWidth, int captionHeight, ShownCaptionButtons shown,
                                        QSize buttonSize);
CaptionButton captionButtonAt(const CaptionButtonRects &rects, QPoint point);
// The edge or corner of a sizeable frame that resizes from this point.
Qt::Edges resizeEdgesAt(QSize frame, QPoint point);
bool resizesFromEdges(TFormBorderStyle style);
// Where a dropped window snaps to the screen's edges, the taskbar kept free.
QPoint magnetSnap(QRect window, QSize screen, int taskbarMargin, int magnet);
// A rectangle with rounded top corners.
QRegion windowShape(QSize frame);
// The caption button under the pointer, and whether it is held down there.
struct CaptionButtonState
{
    CaptionButton button = NoCaptionButton;
    bool pressed = false;
    friend bool operator==(const CaptionButtonState &, const CaptionButtonState &) = default;
};
// The skin frame a caption button shows: 3 under the pointer, 2 held down,
// else 1.
int captionButtonFrame(CaptionButton button, CaptionButtonState state);

// The painted frame of a window without a system frame: caption bar with
// title and buttons, edges, dragging, resizing and the client panel fitted
// inside. It lies behind every other control of its window.
class TXP_Form : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool BtnClose READ BtnClose WRITE setBtnClose)
    Q_PROPERTY(bool BtnMax READ BtnMax WRITE setBtnMax)
    Q_PROPERTY(bool BtnMin READ BtnMin WRITE setBtnMin)
    Q_PROPERTY(bool BtnHelp READ BtnHelp WRITE setBtnHelp)
    Q_PROPERTY(int IconOffSet READ IconOffSet WRITE setIconOffSet)
    Q_PROPERTY(int CaptionOffSet READ CaptionOffSet WRITE setCaptionOffSet)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Magnet READ Magnet WRITE setMagnet)
    Q_PROPERTY(bool TopMost READ TopMost WRITE setTopMost)
    Q_PROPERTY(bool BoldCaption READ BoldCaption WRITE setBoldCaption)
    Q_PROPERTY(QWidget *ClientPanel READ ClientPanel WRITE setClientPanel)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE setUseSystemFont)
    Q_PROPERTY(bool CaptionShadow READ CaptionShadow WRITE setCaptionShadow)
    Q_PROPERTY(bool PictureTrans READ PictureTrans WRITE setPictureTrans)
    Q_PROPERTY(TColor PictureTransColor READ PictureTransColor WRITE setPictureTransColor)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)

public:
    explicit TXP_Form(QWidget *window);

    bool BtnClose() const { return m_switchedOn.close; }
    void setBtnClose(bool on) { setFlag(m_switchedOn.close, on); }
    bool BtnMax() const { return m_switchedOn.max; }
    void setBtnMax(bool on) { setFlag(m_switchedOn.max, on); }
    bool BtnMin() const { return m_switchedOn.min; }
    void setBtnMin(bool on) { setFlag(m_switchedOn.min, on); }
    bool BtnHelp() const { return m_switchedOn.help; }
    void setBtnHelp(bool on) { setFlag(m_switchedOn.help, on); }
    int IconOffSet() const { return m_iconOffSet; }
    void setIconOffSet(int offset);
    int CaptionOffSet() const { return m_captionOffSet; }
    void setCaptionOffSet(int offset);
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TFormBorderStyle style);
    int Magnet() const { return m_magnet; }
    void setMagnet(int distance) { m_magnet = distance; }
    bool TopMost() const { return m_topMost; }
    void setTopMost(bool topMost);
    bool BoldCaption() const { return m_boldCaption; }
    void setBoldCaption(bool bold) { setFlag(m_boldCaption, bold); }
    QWidget *ClientPanel() const { return m_clientPanel; }
    void setClientPanel(QWidget *panel);
    bool UseSystemFont() const { return m_useSystemFont; }
    void setUseSystemFont(bool on) { setFlag(m_useSystemFont, on); }
    bool CaptionShadow() const { return m_captionShadow; }
    void setCaptionShadow(bool on) { setFlag(m_captionShadow, on); }
    bool PictureTrans() const { return m_pictureTrans; }
    void setPictureTrans(bool on) { setFlag(m_pictureTrans, on); }
    TColor PictureTransColor() const { return m_pictureTransColor; }
    void setPictureTransColor(TColor colour);
    TColor Color() const { return m_color; }
    void setColor(TColor colour);

    // The title drawn in the caption bar.
    QString captionText() const { return m_captionText; }
    void setCaptionText(const QString &text);

    bool windowActive() const { return m_windowActive; }
    CaptionButtonState buttonState() const { return m_buttonState; }
    const CaptionButtonRects &buttonRects() const { return m_buttons; }
    TRect captionRect() const { return m_captionRect; }
    TRect iconRect() const { return m_iconRect; }
    // The area inside the caption and edges, where the client panel goes.
    QRect innerArea() const;
    // The whole frame as painted.
    QImage compose() const;

signals:
    void Help();
    void Active();
    void InActive();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void setFlag(bool &flag, bool on);
    void relayout();
    void showButtonState(CaptionButtonState state);
    void toggleMaximised();
    bool inNormalState() const;
    void beginMove(QPoint globalPos);
    void beginResize(Qt::Edges edges, QPoint globalPos);
    void snapToScreen();
    void draw(QPainter &painter) const;
    void drawTitle(QPainter &painter, int x) const;

    ShownCaptionButtons m_switchedOn{true, true, true, false};
    int m_iconOffSet = 0;
    int m_captionOffSet = 0;
    QImage m_picture;
    TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
    int m_magnet = 0;
    bool m_topMost = false;
    bool m_boldCaption = true;
    QPointer<QWidget> m_clientPanel;
    bool m_useSystemFont = true;
    bool m_captionShadow = true;
    bool m_pictureTrans = false;
    TColor m_pictureTransColor = clBlack;
    TColor m_color = rgbColor(0xF8, 0xF6, 0xE6);
    QString m_captionText;

    bool m_windowActive = true;
    CaptionButtonState m_buttonState;
    int m_captionHeight = 0, m_leftWidth = 0, m_rightWidth = 0, m_bottomHeight = 0;
    CaptionButtonRects m_buttons;
    TRect m_captionRect, m_iconRect;

    // Our own move or resize, where the window system starts none.
    enum class Drag { None, Move, Resize } m_drag = Drag::None;
    Qt::Edges m_dragEdges;
    QPoint m_dragStart;
    QRect m_dragGeometry;
    QTimer m_systemMoveEnd; // a system move ends when its moves stop
};
