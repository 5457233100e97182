#pragma once

#include <QPointer>
#include <QWidget>

// The frame of a window without system frame: caption bar, edges, and the
// client panel fitted inside them. Lies behind every other control.
class TXP_Form : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QWidget *ClientPanel READ ClientPanel WRITE setClientPanel)

public:
    static constexpr int kCaptionHeight = 29;
    static constexpr int kEdgeWidth = 3;

    explicit TXP_Form(QWidget *window);

    QWidget *ClientPanel() const { return m_clientPanel; }
    void setClientPanel(QWidget *panel);

    // The area inside the caption bar and edges for a window of this size.
    static QRect clientArea(QSize windowSize);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitToWindow();

    QPointer<QWidget> m_clientPanel;
    QPoint m_dragOffset;
    bool m_dragging = false;
};
