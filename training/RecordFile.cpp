#include "training/RecordFile.h"

#include "text/Errors.h"
#include "text/OwnFile.h"
#include "text/TextFile.h"
#include "training/AnswerTimes.h"

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

// Gives the written part file the name `path` when no file holds it.
Placed placeAt(const QByteArray &part, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // A link never replaces a record another copy of the program wrote.
    if (::link(part.constData(), name.constData()) == 0) {
        ::unlink(part.constData());
        return Placed::Done;
    }
    if (errno == EEXIST || OwnFile::kindOf(path) != OwnFile::Kind::Missing)
        return Placed::NameTaken;
    return renameToFreeName(part, name);
}

} // namespace

QString create(const QString &appDir, RecordName::Choice choice, const QStringList &lines, const QDateTime &modified,
               const QByteArray &times)
{
    // Written whole beside, then given the first free name: a full disk or a
    // crash never leaves an empty or half record under a record's name.
    QDir().mkpath(RecordName::jobFolder(appDir));
    const QByteArray recordPart =
        QFile::encodeName(OwnFile::writeBeside(RecordName::path(appDir, choice), TextFile::joinLines(lines), modified));
    QByteArray timesPart;
    if (!times.isEmpty()) {
        try {
            timesPart = QFile::encodeName(
                OwnFile::writeBeside(AnswerTimes::companionPath(RecordName::path(appDir, choice)), times, modified));
        } catch (const FileCreateError &) {
            ::unlink(recordPart.constData());
            throw;
        }
    }
    // Removes what was written, the times also under `placedTimes`.
    const auto fail = [&](const QString &path, const QString &placedTimes = {}) {
        const QString reason = systemReason();
        for (const QByteArray &name : {recordPart, timesPart, QFile::encodeName(placedTimes)}) {
            if (!name.isEmpty())
                ::unlink(name.constData());
        }
        throw FileCreateError(path, reason);
    };
    for (;; ++choice.number) {
        const QString path = RecordName::path(appDir, choice);
        // The times take their name first, so that a record never meets
        // another run's times; a name whose times are there is passed over.
        if (!timesPart.isEmpty()) {
            const Placed times = placeAt(timesPart, AnswerTimes::companionPath(path));
            if (times == Placed::NameTaken)
                continue;
            if (times == Placed::Failed)
                fail(path);
        }
        switch (placeAt(recordPart, path)) {
        case Placed::Done:
            return path;
        case Placed::NameTaken:
            // Ours alone since we placed them: they go back to try the next name.
            if (!timesPart.isEmpty()
                && OwnFile::renameSettled(QFile::encodeName(AnswerTimes::companionPath(path)), timesPart) != 0)
                fail(path);
            continue;
        case Placed::Failed:
            fail(path, timesPart.isEmpty() ? QString() : AnswerTimes::companionPath(path));
        }
    }
}

} // namespace RecordFile
