#include "training/RecordName.h"

#include "training/AppPaths.h"

namespace RecordName {

QString relativeName(const QString &dateText, int number)
{
    QString date = dateText;
    date.replace(u'/', u'-').replace(u'\\', u'-');
    return QStringLiteral("\\job\\%1-第%2次.xl").arg(date, QString::number(number));
}

QString path(const QString &appDir, const Choice &choice)
{
    return AppPaths::join(appDir, relativeName(choice.dateText, choice.number));
}

QString jobFolder(const QString &appDir)
{
    return AppPaths::join(appDir, QStringLiteral("\\job"));
}

Choice firstFree(const QString &appDir,
                 const std::function<QString()> &todayText,
                 const std::function<bool(const QString &)> &exists)
{
    Choice choice{todayText(), 1};
    while (exists(path(appDir, choice)))
        choice = {todayText(), choice.number + 1};
    return choice;
}

} // namespace RecordName
