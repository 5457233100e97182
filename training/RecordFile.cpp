#include "training/RecordFile.h"

#include "text/Errors.h"
#include "text/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace RecordFile {

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QString create(const QString &appDir, RecordName::Choice choice, const QStringList &lines)
{
    // Written whole beside, then given the first free name: a full disk or a
    // crash never leaves an empty or half record under a record's name.
    const QString folder = RecordName::jobFolder(appDir);
    QDir().mkpath(folder);
    const QByteArray bytes = TextFile::joinLines(lines);
    QTemporaryFile part(folder + QStringLiteral("/.record-XXXXXX.part"));
    if (!part.open())
        throw FileCreateError(RecordName::path(appDir, choice), part.errorString());
    // Readable as any file the user makes, not only by its owner.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(part.handle(), 0666 & ~mask);
    if (part.write(bytes) != bytes.size() || !part.flush())
        throw FileCreateError(RecordName::path(appDir, choice), part.errorString());
    if (::fsync(part.handle()) != 0)
        throw FileCreateError(RecordName::path(appDir, choice), systemReason());
    const QByteArray partName = QFile::encodeName(part.fileName());
    for (;; ++choice.number) {
        const QString path = RecordName::path(appDir, choice);
        const QByteArray name = QFile::encodeName(path);
        // A link never replaces a record another copy of the program wrote.
        if (::link(partName.constData(), name.constData()) == 0)
            return path;
        if (errno == EEXIST || QFileInfo::exists(path))
            continue;
        // A file system without links (a FAT stick): renamed while the name is free.
        if (::rename(partName.constData(), name.constData()) == 0) {
            part.setAutoRemove(false);
            return path;
        }
        throw FileCreateError(path, systemReason());
    }
}

} // namespace RecordFile
