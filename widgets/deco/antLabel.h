#pragma once

#include "widgets/deco/AntDesc.h"

#include <QLabel>

// Where the front text and its shadow copy go in rect for a shadow offset
// (dx, dy) and a horizontal alignment; result is their union moved to x 0.
struct ShadowRects
{
    QRect front, back, result;
};
ShadowRects antShadowRects(QRect rect, Qt::Alignment alignment, int dx, int dy);

// A label whose text colour, shadow colour, underline and cursor follow four
// display states: Normal, Selected (pointer over it), Active (pressed) and
// Disabled. By default its text has a one-pixel shadow.
class TantCustomLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TantCustomLabel(QWidget *parent = nullptr);

    // The caption; with AutoSize the label takes the text's size.
    void setText(const QString &text);

    TDisplayState displayState() const { return m_state; }
    void SetDisplayState(TDisplayState state);

    bool Active() const { return m_active; }
    void setActive(bool active);
    bool Color3d() const { return m_color3d; }
    void setColor3d(bool on);
    int Color3dXDepth() const { return m_dx; }
    void setColor3dXDepth(int depth);
    int Color3dYDepth() const { return m_dy; }
    void setColor3dYDepth(int depth);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);

    TantRunTimeColorDesc &ColorFront() { return m_colorFront; }
    TantRunTimeColorDesc &ColorBack() { return m_colorBack; }
    TantRunTimeCursorDesc &Cursors() { return m_cursors; }
    TantRunTimeBooleanDesc &UnderLine() { return m_underLine; }

    // The text's size as drawn, shadow included: what auto-size takes.
    QSize measure() const;
    QImage compose() const;

signals:
    void MouseEnter();
    void MouseLeave();
    void clicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QFont stateFont() const;
    int textFlags() const;
    QString shownText(bool measuring) const;
    void fitSize();

    TDisplayState m_state = TDisplayState::Normal;
    bool m_mouseInside = false;
    bool m_pressed = false;
    bool m_active = true;
    bool m_color3d = true;
    int m_dx = 1;
    int m_dy = 1;
    bool m_autoSize = true;
    bool m_transparent = false;
    TantRunTimeColorDesc m_colorFront{this, [this] { update(); }};
    TantRunTimeColorDesc m_colorBack{this, [this] { update(); }};
    TantRunTimeCursorDesc m_cursors{this, {}};
    TantRunTimeBooleanDesc m_underLine{this, [this] { update(); }};
};

// The label with its properties published.
class TantLabel : public TantCustomLabel
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE setActive)
    Q_PROPERTY(bool Color3d READ Color3d WRITE setColor3d)
    Q_PROPERTY(int Color3dXDepth READ Color3dXDepth WRITE setColor3dXDepth)
    Q_PROPERTY(int Color3dYDepth READ Color3dYDepth WRITE setColor3dYDepth)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    using TantCustomLabel::TantCustomLabel;
};
