#include "widgets/flat/TFlatMemoUnit.h"

#include <QTextBlock>

TFlatMemo::TFlatMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

QStringList TFlatMemo::lines() const
{
    QStringList result;
    if (document()->isEmpty())
        return result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    return result;
}

void TFlatMemo::setLines(const QStringList &lines)
{
    setPlainText(lines.join(u'\n'));
}
