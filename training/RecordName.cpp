#include "training/RecordName.h"

#include "training/AppPaths.h"

namespace RecordName {

QString relativeName(const QString &dateText, int number)
{
    QString date = dateText;
    date.replace(u'/', u'-').replace(u'\\', u'-');
    return QStringLiteral("\\job\\%1-第%2次.xl").arg(date, QString::number(number));
}

QString firstFree(const QString &appDir,
                  const std::function<QString()> &todayText,
                  const std::function<bool(const QString &)> &exists)
{
    int number = 1;
    QString path = AppPaths::join(appDir, relativeName(todayText(), number));
    while (exists(path))
        path = AppPaths::join(appDir, relativeName(todayText(), ++number));
    return path;
}

} // namespace RecordName
