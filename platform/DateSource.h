#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Today's date as the system's short date text.
class DateSource
{
public:
    virtual ~DateSource() = default;
    virtual QString todayShortDate() const = 0;
};

// The locale's short date; "yyyy-M-d" where the locale is C or POSIX, which
// has no short date of its own worth a file name.
QString shortDateText(QDate date, const QLocale &locale);

class SystemDateSource : public DateSource
{
public:
    QString todayShortDate() const override;
};
