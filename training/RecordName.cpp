#include "training/RecordName.h"

#include "training/AppPaths.h"

#include <QRegularExpression>

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

bool parse(const QString &fileName, QDate *date, int *runNumber)
{
    static const QRegularExpression shape(QStringLiteral("^(.+)-第(\\d+)次\\.xl$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(fileName);
    if (!match.hasMatch())
        return false;
    *runNumber = match.captured(2).toInt();
    // Our names are "yyyy-M-d"; older versions wrote the locale's short date
    // ("12-9-26", "09.12.26"). A date that reads more than one way is none.
    QString text = match.captured(1);
    text.replace(u'.', u'-').replace(u'/', u'-');
    QDate found;
    for (const char *format : {"yyyy-M-d", "d-M-yyyy", "M-d-yyyy", "d-M-yy", "M-d-yy"}) {
        QDate parsed = QDate::fromString(text, QLatin1String(format));
        if (!parsed.isValid())
            continue;
        if (!QByteArrayView(format).contains("yyyy"))
            parsed = parsed.addYears(100); // "yy" reads as 19yy
        if (found.isValid() && parsed != found) {
            *date = QDate();
            return true;
        }
        found = parsed;
    }
    *date = found;
    return true;
}

QString dateTextOf(const QString &fileName)
{
    return fileName.section(QStringLiteral("-第"), 0, 0);
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
