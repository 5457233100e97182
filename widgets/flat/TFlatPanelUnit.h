#pragma once

#include "widgets/WidgetColors.h"
#include "widgets/flat/FlatUtilitys.h"

#include <QWidget>

// A container with a 1-pixel two-colour frame and an optional caption,
// filled with its colour or, when transparent, showing its parent.
class TFlatPanel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(TColor ColorHighLight READ ColorHighLight WRITE setColorHighLight)
    Q_PROPERTY(TColor ColorShadow READ ColorShadow WRITE setColorShadow)

public:
    explicit TFlatPanel(QWidget *parent = nullptr);

    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Qt::Alignment Alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    TColor ColorHighLight() const { return m_colorHighLight; }
    void setColorHighLight(TColor colour);
    TColor ColorShadow() const { return m_colorShadow; }
    void setColorShadow(TColor colour);

    QImage compose() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void draw(QPainter &painter) const;

    bool m_transparent = false;
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    TColor m_colorHighLight = kFlatBorder;
    TColor m_colorShadow = kFlatBorder;
};
