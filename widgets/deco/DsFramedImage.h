#pragma once

#include "widgets/WidgetColors.h"

#include <QImage>
#include <QWidget>

enum class TFrameStyle { fsNone, fsGradient, fsFlat, fsGradFlat, fsFlatGrad, fsInGrad, fsOutGrad };
enum class TFrameCorner { fcSquare, fcRound };
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The frame width rounded up to even (0 without a frame), and its half
// rounded up.
int evenFrameWidth(int frameWidth, TFrameStyle style);
int halfFrameWidth(int frameWidth);
// Where a stretched picture goes inside a frame of even width e.
QRect stretchedPictureRect(QSize control, QSize picture, int e);
// The colour of the ring j pixels from the dark edge of a band w wide: the
// shadow colour brightening to the frame colour along a quarter circle.
QColor ringColour(QColor shadow, QColor frame, int w, int j);

// A picture in a decorative frame of rings shaded between a shadow and a
// frame colour, with an optional bevelled band; stretched into the frame,
// keeping its proportions, or shown at its own size.
class TDsFramedImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(TColor Color_High READ Color_High WRITE setColor_High)
    Q_PROPERTY(TColor Color_Low READ Color_Low WRITE setColor_Low)
    Q_PROPERTY(TColor FrameColor READ FrameColor WRITE setFrameColor)
    Q_PROPERTY(TFrameCorner FrameCorner READ FrameCorner WRITE setFrameCorner)
    Q_PROPERTY(TFrameStyle FrameStyle READ FrameStyle WRITE setFrameStyle)
    Q_PROPERTY(int FrameWidth READ FrameWidth WRITE setFrameWidth)
    Q_PROPERTY(int CornerRadius READ CornerRadius WRITE setCornerRadius)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(bool ActualSize READ ActualSize WRITE setActualSize)
    Q_PROPERTY(TAlign Align READ Align WRITE setAlign)

public:
    explicit TDsFramedImage(QWidget *parent = nullptr);

    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    TColor Color_High() const { return m_colorHigh; }
    void setColor_High(TColor colour) { setColour(m_colorHigh, colour); }
    TColor Color_Low() const { return m_colorLow; }
    void setColor_Low(TColor colour) { setColour(m_colorLow, colour); }
    TColor FrameColor() const { return m_frameColor; }
    void setFrameColor(TColor colour) { setColour(m_frameColor, colour); }
    TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor colour) { setColour(m_shadowColor, colour); }
    TFrameCorner FrameCorner() const { return m_frameCorner; }
    void setFrameCorner(TFrameCorner corner);
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    void setFrameStyle(TFrameStyle style);
    int FrameWidth() const { return m_frameWidth; }
    void setFrameWidth(int width);
    int CornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(int radius);
    bool ActualSize() const { return m_actualSize; }
    void setActualSize(bool actual);
    TAlign Align() const { return m_align; }
    void setAlign(TAlign align);

    // The control as painted, transparent where nothing is drawn.
    QImage compose() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setColour(TColor &field, TColor colour);
    // The size a picture at its own size needs, and a frame fitted to the
    // control: at most half its smaller side.
    void relayout();
    QRect pictureRect(int e) const;
    void draw(QPainter &painter) const;
    void drawBand(QPainter &painter, QRect frame, int e) const;
    void drawOuterShading(QPainter &painter, QRect frame, int radius) const;
    void drawInnerShading(QPainter &painter, QRect frame, int radius, int e) const;
    void fillParent();

    QImage m_picture;
    TColor m_colorHigh = rgbColor(0xE8, 0xE8, 0xE0);
    TColor m_colorLow = rgbColor(0xA2, 0x8D, 0x68);
    TColor m_frameColor = clBtnFace;
    TFrameCorner m_frameCorner = TFrameCorner::fcRound;
    TFrameStyle m_frameStyle = TFrameStyle::fsGradient;
    int m_frameWidth = 8;
    int m_cornerRadius = 10;
    TColor m_shadowColor = clGray;
    bool m_actualSize = false;
    TAlign m_align = TAlign::alNone;
};
