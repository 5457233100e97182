#include "training/TimeLimitSetting.h"

#include "text/Errors.h"
#include "text/OwnFile.h"
#include "text/TextFile.h"

#include <QDir>

namespace TimeLimitSetting {

namespace {

const QString kKey = QStringLiteral("时间限制=");

} // namespace

QString path(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("熟练度设置.txt"));
}

int read(const QStringList &folders, int fallback)
{
    for (const QString &folder : folders) {
        QByteArray bytes;
        try {
            bytes = TextFile::readRegular(path(folder), TextFile::Links::Refuse);
        } catch (const FileOpenError &) {
            continue;
        }
        for (const QByteArray &line : bytes.left(4096).split('\n')) {
            const QString text = QString::fromUtf8(line).trimmed();
            if (!text.startsWith(kKey))
                continue;
            bool read = false;
            const int seconds = text.mid(kKey.size()).trimmed().toInt(&read);
            if (read && FactFluency::timeLimits().contains(seconds))
                return seconds;
        }
    }
    return fallback;
}

void write(const QString &folder, int seconds)
{
    OwnFile::replace(path(folder), (kKey + QString::number(seconds) + u'\n').toUtf8());
}

} // namespace TimeLimitSetting
