#pragma once

#include "widgets/WidgetColors.h"
#include "widgets/flat/FlatUtilitys.h"

#include <QComboBox>

// Where a combo box of this size draws its arrow box, and the triangle's
// rows in it (left and right ends, inclusive), pointing down or up.
QRect comboArrowBox(QSize size);
QList<QLine> comboArrowRows(QRect box, bool pointingUp);

// An editable combo box drawn flat: a border ring, two rings in its colour
// and a 13-pixel arrow box. Change is sent when the user picks an item or
// types; typing leaves no item current, as in a native drop-down. Text set
// from outside (by assistive technology) counts as a pick when it names an
// item and as typing otherwise.
class TFlatComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TColor ColorArrow READ ColorArrow WRITE setColorArrow)
    Q_PROPERTY(TColor ColorArrowBackground READ ColorArrowBackground WRITE setColorArrowBackground)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(int AdvColorBorder READ AdvColorBorder WRITE setAdvColorBorder)
    Q_PROPERTY(int AdvColorArrowBackground READ AdvColorArrowBackground WRITE setAdvColorArrowBackground)
    Q_PROPERTY(bool UseAdvColors READ UseAdvColors WRITE setUseAdvColors)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE setItemHeight)

public:
    explicit TFlatComboBox(QWidget *parent = nullptr);

    // Replaces the items; the shown text stays and no item becomes current.
    void replaceItems(const QStringList &items);
    // Shows a text without it counting as the user's choice.
    void setEditText(const QString &text);

    TColor Color() const { return m_color; }
    void setColor(TColor colour);
    TColor ColorArrow() const { return m_colorArrow; }
    void setColorArrow(TColor colour) { if (storeChanged(m_colorArrow, colour)) update(); }
    TColor ColorArrowBackground() const { return m_colorArrowBackground; }
    void setColorArrowBackground(TColor colour) { if (storeChanged(m_colorArrowBackground, colour)) update(); }
    TColor ColorBorder() const { return m_colorBorder; }
    void setColorBorder(TColor colour) { if (storeChanged(m_colorBorder, colour)) update(); }
    int AdvColorBorder() const { return m_advColorBorder; }
    void setAdvColorBorder(int percent) { if (storeChanged(m_advColorBorder, percent)) update(); }
    int AdvColorArrowBackground() const { return m_advColorArrowBackground; }
    void setAdvColorArrowBackground(int percent) { if (storeChanged(m_advColorArrowBackground, percent)) update(); }
    bool UseAdvColors() const { return m_useAdvColors; }
    void setUseAdvColors(bool use);
    int ItemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    bool isDropped() const { return m_dropped; }
    void showPopup() override;
    void hidePopup() override;

signals:
    void Change();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void onTextEdited(const QString &text);
    void onTextChanged(const QString &text);
    void applyColour();
    void fitEdit();

    TColor m_color = clWindow;
    TColor m_colorArrow = clBlack;
    TColor m_colorArrowBackground = kFlatPressed;
    TColor m_colorBorder = kFlatBorder;
    int m_advColorBorder = 50;
    int m_advColorArrowBackground = 10;
    bool m_useAdvColors = false;
    int m_itemHeight = 13;
    bool m_dropped = false;
    bool m_typed = false;       // the edit's next change is typing, already handled
    bool m_settingText = false; // the box changes its own text
};
