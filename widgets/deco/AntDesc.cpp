#include "widgets/deco/AntDesc.h"

#include <QWidget>

void applyCursor(QWidget *widget, qint16 cursor)
{
    switch (cursor) {
    case crDefault:
        widget->unsetCursor();
        break;
    case crHandPoint:
        widget->setCursor(Qt::PointingHandCursor);
        break;
    default:
        widget->setCursor(Qt::ArrowCursor);
        break;
    }
}
