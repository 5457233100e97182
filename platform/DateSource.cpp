#include "platform/DateSource.h"

QString shortDateText(QDate date, const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return date.toString(QStringLiteral("yyyy-M-d"));
    return locale.toString(date, QLocale::ShortFormat);
}

QString SystemDateSource::todayShortDate() const
{
    return shortDateText(QDate::currentDate(), QLocale::system());
}
