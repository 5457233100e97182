#pragma once

#include "widgets/flat/FlatFrame.h"

#include <QLineEdit>

// A line edit with a flat 3-pixel frame: a border ring and two rings that,
// with the text background, are lit while focused or hovered. Its height
// follows its font.
class TFlatEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(TColor ColorFocused READ ColorFocused WRITE setColorFocused)
    Q_PROPERTY(TColor ColorBorder READ ColorBorder WRITE setColorBorder)
    Q_PROPERTY(TColor ColorFlat READ ColorFlat WRITE setColorFlat)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(int AdvColorFocused READ AdvColorFocused WRITE setAdvColorFocused)
    Q_PROPERTY(int AdvColorBorder READ AdvColorBorder WRITE setAdvColorBorder)
    Q_PROPERTY(bool UseAdvColors READ UseAdvColors WRITE setUseAdvColors)

public:
    explicit TFlatEdit(QWidget *parent = nullptr);

    TColor ColorFocused() const { return m_frame.colorFocused; }
    void setColorFocused(TColor colour) { m_frame.colorFocused = colour; m_frame.showLook(); }
    TColor ColorBorder() const { return m_frame.colorBorder; }
    void setColorBorder(TColor colour) { m_frame.colorBorder = colour; m_frame.showLook(); }
    TColor ColorFlat() const { return m_frame.colorFlat; }
    void setColorFlat(TColor colour) { m_frame.setColorFlat(colour); m_frame.showLook(); }
    bool ParentColor() const { return m_frame.parentColor; }
    void setParentColor(bool follow) { m_frame.setParentColor(follow); m_frame.showLook(); }
    int AdvColorFocused() const { return m_frame.advColorFocused; }
    void setAdvColorFocused(int percent) { m_frame.advColorFocused = percent; m_frame.update(); m_frame.showLook(); }
    int AdvColorBorder() const { return m_frame.advColorBorder; }
    void setAdvColorBorder(int percent) { m_frame.advColorBorder = percent; m_frame.update(); m_frame.showLook(); }
    bool UseAdvColors() const { return m_frame.useAdvColors; }
    void setUseAdvColors(bool use) { m_frame.setUseAdvColors(use); m_frame.showLook(); }

    bool isLit() const { return m_frame.lit(); }

    // A text too long to edit is shown cut and given back whole until the
    // user edits the field.
    void setWholeText(const QString &text);
    QString wholeText() const { return m_showsCut ? m_wholeText : text(); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static bool sameKind(const QWidget *w) { return qobject_cast<const TFlatEdit *>(w) != nullptr; }

    FlatFrame m_frame{this, &sameKind};
    QString m_wholeText;
    bool m_showsCut = false;
};
