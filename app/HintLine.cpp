#include "app/HintLine.h"

#include <QApplication>
#include <QWidget>

namespace HintLine {

QString inheritedHint(const QWidget *control)
{
    for (const QWidget *w = control; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (!w->toolTip().isEmpty())
            return w->toolTip();
    }
    return QString();
}

QString hintAt(QPoint globalPos)
{
    return inheritedHint(QApplication::widgetAt(globalPos));
}

} // namespace HintLine
