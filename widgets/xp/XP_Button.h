#pragma once

#include "widgets/WidgetColors.h"

#include <QAbstractButton>
#include <QImage>

enum class TPicPos { pLeft, pTop };

// The five looks of the button skin, in the order of its frames.
enum class ButtonLook { Normal = 1, Pressed, Disabled, Hover, Focused };

// Which look a button shows when a look is asked for.
ButtonLook effectiveButtonLook(ButtonLook look, bool enabled, bool focused);

struct ButtonLayout
{
    QPoint picture;
    QRect caption; // the band the caption is centred in
};
// Places an optional picture and the caption of the given sizes.
ButtonLayout layoutButton(QSize button, QSize picture, QSize caption, TPicPos position, int offset);

// A push button painted from the XPBUTTON skin, with a caption and an
// optional picture above it or left of it.
class TXP_Button : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(TPicPos PicPos READ PicPos WRITE setPicPos)
    Q_PROPERTY(bool PicTrans READ PicTrans WRITE setPicTrans)
    Q_PROPERTY(TColor PicTransColor READ PicTransColor WRITE setPicTransColor)
    Q_PROPERTY(int PicOffSet READ PicOffSet WRITE setPicOffSet)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)

public:
    explicit TXP_Button(QWidget *parent = nullptr);

    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    TPicPos PicPos() const { return m_picPos; }
    void setPicPos(TPicPos position);
    bool PicTrans() const { return m_picTrans; }
    void setPicTrans(bool transparent);
    TColor PicTransColor() const { return m_picTransColor; }
    void setPicTransColor(TColor colour);
    int PicOffSet() const { return m_picOffSet; }
    void setPicOffSet(int offset);
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    bool Default() const { return m_default; }
    void setDefault(bool isDefault) { m_default = isDefault; }
    bool Cancel() const { return m_cancel; }
    void setCancel(bool isCancel) { m_cancel = isCancel; }

    // Whether Enter clicks this button: the focused XP button, or when the
    // focus is elsewhere, every Default one.
    bool enterTarget() const;
    // The button as it looks when look is asked for.
    QImage compose(ButtonLook look) const;
    QSize sizeHint() const override { return QSize(75, 24); }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showLook(ButtonLook look);
    void writeModalResult();

    ButtonLook m_look = ButtonLook::Normal; // the look the last event asked for
    QImage m_picture;
    TPicPos m_picPos = TPicPos::pTop;
    bool m_picTrans = false;
    TColor m_picTransColor = clBlack;
    int m_picOffSet = 2;
    int m_modalResult = 0;
    bool m_default = false;
    bool m_cancel = false;
    QWidget *m_keyWindow = nullptr; // the window whose unclaimed keys it watches
};
