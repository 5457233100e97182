#pragma once

#include <QLabel>

// A hyperlink label that opens its link when clicked.
class TXP_Url : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE setURL)

public:
    explicit TXP_Url(QWidget *parent = nullptr);

    QString URL() const { return m_url; }
    void setURL(const QString &url);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_url;
};
