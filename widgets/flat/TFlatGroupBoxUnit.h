#pragma once

#include "widgets/WidgetColors.h"
#include "widgets/flat/FlatUtilitys.h"

#include <QGroupBox>

enum class TGroupBoxBorder { brFull, brOnlyTopLine };

// A group box whose 1-pixel frame line runs at half the caption's height
// and breaks around the caption.
class TFlatGroupBox : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(TGroupBoxBorder Border READ Border WRITE setBorder)
    Q_PROPERTY(int AdvColorBorder READ AdvColorBorder WRITE setAdvColorBorder)
    Q_PROPERTY(bool UseAdvColors READ UseAdvColors WRITE setUseAdvColors)

public:
    explicit TFlatGroupBox(QWidget *parent = nullptr);

    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    TColor ColorBorder() const { return m_colorBorder; }
    void setColorBorder(TColor colour);
    TGroupBoxBorder Border() const { return m_border; }
    void setBorder(TGroupBoxBorder border);
    int AdvColorBorder() const { return m_advColorBorder; }
    void setAdvColorBorder(int percent);
    bool UseAdvColors() const { return m_useAdvColors; }
    void setUseAdvColors(bool use);

    QImage compose() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:

    bool m_transparent = false;
    TColor m_colorBorder = kFlatBorder;
    TGroupBoxBorder m_border = TGroupBoxBorder::brFull;
    int m_advColorBorder = 50;
    bool m_useAdvColors = false;
};
