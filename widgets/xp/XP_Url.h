#pragma once

#include "widgets/WidgetColors.h"

#include <QImage>
#include <QWidget>

#include <functional>

class UrlOpener;

// What pressing a link with this target does.
enum class UrlTarget { Nothing, WebPage, DefaultHandler, File };
UrlTarget urlTarget(const QString &url, const std::function<bool(const QString &)> &fileExists);

// A text link drawn on its parent: underlined, in the hover colour under the
// pointer with the hand cursor, in the visited colour once opened. Its width
// follows its text.
class TXP_Url : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QString Url READ Url WRITE setUrl)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(int PicOffSet READ PicOffSet WRITE setPicOffSet)
    Q_PROPERTY(int LineOffSet READ LineOffSet WRITE setLineOffSet)
    Q_PROPERTY(TColor HoverColor READ HoverColor WRITE setHoverColor)
    Q_PROPERTY(TColor VisitedColor READ VisitedColor WRITE setVisitedColor)
    Q_PROPERTY(bool UnderLine READ UnderLine WRITE setUnderLine)
    Q_PROPERTY(bool PicTrans READ PicTrans WRITE setPicTrans)
    Q_PROPERTY(TColor PicTransColor READ PicTransColor WRITE setPicTransColor)

public:
    explicit TXP_Url(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QString Url() const { return m_url; }
    void setUrl(const QString &url) { m_url = url; }
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    int PicOffSet() const { return m_picOffSet; }
    void setPicOffSet(int offset);
    int LineOffSet() const { return m_lineOffSet; }
    void setLineOffSet(int offset);
    TColor HoverColor() const { return m_hoverColor; }
    void setHoverColor(TColor colour) { m_hoverColor = colour; }
    TColor VisitedColor() const { return m_visitedColor; }
    void setVisitedColor(TColor colour) { m_visitedColor = colour; }
    bool UnderLine() const { return m_underLine; }
    void setUnderLine(bool underline);
    bool PicTrans() const { return m_picTrans; }
    void setPicTrans(bool transparent);
    TColor PicTransColor() const { return m_picTransColor; }
    void setPicTransColor(TColor colour);

    bool visited() const { return m_visited; }
    void setOpener(UrlOpener *opener) { m_opener = opener; }
    // Opens the target, as a click, the mnemonic, Enter or Space do.
    void activate();
    // The link as drawn, with or without the pointer over it; a focus
    // frame around it while it has the keyboard.
    QImage compose(bool hover) const;
    // Picture and caption side by side: the width the link takes.
    int fittingWidth() const;

signals:
    void clicked();
    // A web page could not be shown; the text says so.
    void openFailed(const QString &message);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void openTarget();
    void fitWidth();
    QFont textFont() const;
    QString plainCaption() const;

    QString m_text;
    QString m_url;
    QImage m_picture;
    int m_picOffSet = 0;
    int m_lineOffSet = 0;
    TColor m_hoverColor = clRed;
    TColor m_visitedColor = clPurple;
    bool m_underLine = true;
    bool m_picTrans = false;
    TColor m_picTransColor = clBlack;
    bool m_visited = false;
    bool m_hover = false;
    int m_shortcut = 0;
    UrlOpener *m_opener;
};
