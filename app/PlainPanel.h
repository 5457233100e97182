#pragma once

#include <QFrame>

// A plain panel: optional raised or lowered bevels and a centred caption.
class PlainPanel : public QFrame
{
    Q_OBJECT

public:
    enum class Bevel { None, Lowered, Raised };

    explicit PlainPanel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setBevels(Bevel inner, Bevel outer);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    Bevel m_inner = Bevel::None;
    Bevel m_outer = Bevel::None;
};
