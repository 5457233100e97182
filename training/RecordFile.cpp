#include "training/RecordFile.h"

#include "text/Errors.h"
#include "text/OwnFile.h"
#include "text/TextFile.h"

#include <QDir>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace RecordFile {

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

enum class Placed { Done, NameTaken, Failed };

// A file system without links (a FAT stick, a Windows share): renamed only
// while the name is free. Where the file system cannot promise that in one
// step, the name is first claimed by creating it exclusively, which every
// share honours, and the whole record then renamed over the claim; two
// computers never both take one name.
Placed renameToFreeName(const QByteArray &from, const QByteArray &to)
{
    if (OwnFile::renameSettled(from, to, RENAME_NOREPLACE) == 0)
        return Placed::Done;
    if (errno == EEXIST)
        return Placed::NameTaken;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return Placed::Failed;
    const int claim = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (claim < 0)
        return errno == EEXIST ? Placed::NameTaken : Placed::Failed;
    ::close(claim);
    if (OwnFile::renameSettled(from, to) == 0)
        return Placed::Done;
    const int error = errno;
    ::unlink(to.constData());
    errno = error;
    return Placed::Failed;
}

} // namespace

QString create(const QString &appDir, RecordName::Choice choice, const QStringList &lines, const QDateTime &modified)
{
    // Written whole beside, then given the first free name: a full disk or a
    // crash never leaves an empty or half record under a record's name.
    QDir().mkpath(RecordName::jobFolder(appDir));
    const QString part = OwnFile::writeBeside(RecordName::path(appDir, choice), TextFile::joinLines(lines), modified);
    const QByteArray partName = QFile::encodeName(part);
    for (;; ++choice.number) {
        const QString path = RecordName::path(appDir, choice);
        const QByteArray name = QFile::encodeName(path);
        // A link never replaces a record another copy of the program wrote.
        if (::link(partName.constData(), name.constData()) == 0) {
            ::unlink(partName.constData());
            return path;
        }
        if (errno == EEXIST || OwnFile::kindOf(path) != OwnFile::Kind::Missing)
            continue;
        switch (renameToFreeName(partName, name)) {
        case Placed::Done:
            return path;
        case Placed::NameTaken:
            continue;
        case Placed::Failed: {
            const QString reason = systemReason();
            ::unlink(partName.constData());
            throw FileCreateError(path, reason);
        }
        }
    }
}

} // namespace RecordFile
