#pragma once

#include "widgets/WidgetColors.h"
#include "widgets/flat/FlatUtilitys.h"

class QEvent;
class QWidget;

// What flat edits and memos share: their frame colours, the colours derived
// from the flat one, the parent's colour, and the rule for the lit look.
class FlatFrame
{
public:
    // sameKind tells the owner's kind of control, whose focus keeps a
    // hovered owner unlit.
    FlatFrame(QWidget *owner, bool (*sameKind)(const QWidget *));

    TColor colorFocused = clWhite;
    TColor colorBorder = kFlatBorder;
    TColor colorFlat = kFlatFill;
    bool parentColor = true;
    bool useAdvColors = false;
    int advColorFocused = 10;
    int advColorBorder = 50;
    bool hovered = false;

    void setColorFlat(TColor colour);
    void setParentColor(bool follow);
    void setUseAdvColors(bool use);
    // Takes the parent's colour where asked to and derives the companions.
    void update();
    // Lit while focused, or hovered while no control of the same kind has
    // the focus.
    bool lit() const;
    QColor lookColour() const;
    QColor borderColour() const;
    // Gives the owner's text background the look's colour and repaints it.
    void showLook();
    // Hover and colour events; true when the look may have changed.
    bool handle(QEvent *event);

private:
    QWidget *m_owner;
    bool (*m_sameKind)(const QWidget *);
};
