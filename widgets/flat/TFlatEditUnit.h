#pragma once

#include "widgets/flat/FlatFrame.h"

#include <QLineEdit>

// A line edit with a flat 3-pixel frame: a border ring and two rings that,
// with the text background, are lit while focused or hovered. Its height
// follows its font.
class TFlatEdit : public QLineEdit, public FlatFramed
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

    // A text too long to edit is shown cut and given back whole until the
    // user edits the field.
    void setWholeText(const QString &text);
    QString wholeText() const { return m_showsCut ? m_wholeText : text(); }
    // As if typed: at the cursor, and the typing goes on here; a field
    // showing a cut text gets it at the end of the whole text.
    void typeIn(const QString &text);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static bool sameKind(const QWidget *w) { return qobject_cast<const TFlatEdit *>(w) != nullptr; }

    QString m_wholeText;
    bool m_showsCut = false;
};
