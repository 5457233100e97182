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
    // Takes the parent's colour where asked to.
    void followParent();
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

// The frame's properties as flat edits and memos publish them; the control
// derives from its Qt base first and from this second.
class FlatFramed
{
public:
    TColor ColorFocused() const { return m_frame.colorFocused; }
    void setColorFocused(TColor colour) { if (storeChanged(m_frame.colorFocused, colour)) m_frame.showLook(); }
    TColor ColorBorder() const { return m_frame.colorBorder; }
    void setColorBorder(TColor colour) { if (storeChanged(m_frame.colorBorder, colour)) m_frame.showLook(); }
    TColor ColorFlat() const { return m_frame.colorFlat; }
    void setColorFlat(TColor colour) { m_frame.setColorFlat(colour); m_frame.showLook(); }
    bool ParentColor() const { return m_frame.parentColor; }
    void setParentColor(bool follow) { m_frame.setParentColor(follow); m_frame.showLook(); }
    int AdvColorFocused() const { return m_frame.advColorFocused; }
    void setAdvColorFocused(int percent) { if (storeChanged(m_frame.advColorFocused, percent)) m_frame.showLook(); }
    int AdvColorBorder() const { return m_frame.advColorBorder; }
    void setAdvColorBorder(int percent) { if (storeChanged(m_frame.advColorBorder, percent)) m_frame.showLook(); }
    bool UseAdvColors() const { return m_frame.useAdvColors; }
    void setUseAdvColors(bool use) { m_frame.setUseAdvColors(use); m_frame.showLook(); }

    bool isLit() const { return m_frame.lit(); }

protected:
    FlatFramed(QWidget *owner, bool (*sameKind)(const QWidget *)) : m_frame(owner, sameKind) {}

    FlatFrame m_frame;
};
