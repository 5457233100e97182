#include "training/RecordFile.h"

#include "training/Errors.h"
#include "training/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace RecordFile {

QString create(const QString &appDir, RecordName::Choice choice, const QStringList &lines)
{
    QDir().mkpath(RecordName::jobFolder(appDir));
    const QByteArray bytes = TextFile::joinLines(lines);
    for (;; ++choice.number) {
        const QString path = RecordName::path(appDir, choice);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path))
                continue;
            throw FileCreateError(path);
        }
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            file.remove();
            throw FileCreateError(path);
        }
        return path;
    }
}

} // namespace RecordFile
