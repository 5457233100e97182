#pragma once

#include "training/LineStore.h"
#include "widgets/flat/FlatFrame.h"

#include <QPlainTextEdit>

class LineListModel;
class QListView;

// A multi-line edit with the flat edit's 3-pixel frame; its text is handled
// as a list of lines.
class TFlatMemo : public QPlainTextEdit
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
    explicit TFlatMemo(QWidget *parent = nullptr);

    // The lines shown; a huge line is shown cut.
    QStringList lines() const;
    void setLines(const QStringList &lines);
    void appendLine(const QString &line);
    // A read-only memo shows a big text through a list that draws only the
    // rows in sight, so that millions of lines open at once and are held
    // once; a small one is set as lines.
    void showLines(const LineStore &lines);

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

    static constexpr qsizetype kDocumentLineLimit = 20000;
    static constexpr qsizetype kDocumentByteLimit = 1 << 20;
    // The list that shows a big text, or none.
    QListView *bigTextView() const { return m_bigView; }

protected:
    bool event(QEvent *event) override;

    void resizeEvent(QResizeEvent *event) override;

private:
    void setBigText(const LineStore &lines);
    static bool sameKind(const QWidget *w) { return qobject_cast<const TFlatMemo *>(w) != nullptr; }

    FlatFrame m_frame{this, &sameKind};
    QListView *m_bigView = nullptr;
    LineListModel *m_bigModel = nullptr;
};
