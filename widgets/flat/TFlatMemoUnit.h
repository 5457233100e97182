#pragma once

#include "text/LineStore.h"
#include "widgets/flat/FlatFrame.h"

#include <QPlainTextEdit>

class LineListModel;
class QFontMetricsF;
class QListView;

// Where the columns of lines split by separator start: each column as wide as
// its widest part, then the separator's own width.
QList<qreal> columnStops(const QStringList &lines, const QString &separator, const QFontMetricsF &metrics);

// A multi-line edit with the flat edit's 3-pixel frame; its text is handled
// as a list of lines.

class TFlatMemo : public QPlainTextEdit, public FlatFramed
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
    // Scrolls the last line into view, whole.
    void showEnd();
    // Lines whose parts the separator splits show them in aligned columns;
    // lines() gives them back as they were.
    void setColumnSeparator(const QString &separator) { m_separator = separator; }
    // A read-only memo shows a big text through a list that draws only the
    // rows in sight, so that millions of lines open at once and are held
    // once; a small one is set as lines.
    void showLines(const LineStore &lines);

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

    QString m_separator;
    QListView *m_bigView = nullptr;
    LineListModel *m_bigModel = nullptr;
};
