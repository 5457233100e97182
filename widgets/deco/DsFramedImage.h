#pragma once

#include <QImage>
#include <QWidget>

// A picture shown inside a frame, stretched to the inside of the frame.
class TDsFramedImage : public QWidget
{
    Q_OBJECT

public:
    explicit TDsFramedImage(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
