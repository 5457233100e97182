#include "platform/DateSource.h"

QString recordDateText(QDate date)
{
    return date.toString(QStringLiteral("yyyy-M-d"));
}

QString SystemDateSource::todayText() const
{
    return recordDateText(QDate::currentDate());
}
