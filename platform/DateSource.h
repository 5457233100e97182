#pragma once

#include <QDate>
#include <QString>

// Today's date as record names write it.
class DateSource
{
public:
    virtual ~DateSource() = default;
    virtual QString todayText() const = 0;
};

// "yyyy-M-d" in every locale: a locale's short date ("12/9/26",
// "09.12.26") could not be read back as one date.
QString recordDateText(QDate date);

class SystemDateSource : public DateSource
{
public:
    QString todayText() const override;
};
