#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Files the programs name themselves (banks, their journals and markers,
// backups, records) in folders that others may write into. Nothing here
// follows a link at the file's own name: a link planted there is refused or
// moved, never written through, and no device or FIFO is replaced.
namespace OwnFile {

enum class Kind { Missing, Regular, Link, Other };

// What is at the path itself, a link not followed.
Kind kindOf(const QString &path);

// Why nothing is written at a path of that kind, in the user's words.
QString refusal(Kind kind);

// Replaces or creates the file whole: written beside under a fresh name,
// then renamed over it, so a crash leaves the old file or the new one. The
// old file's permissions are kept, a new one gets the umask's. Throws
// FileCreateError with the reason when the path holds a link or anything
// but a regular file, or the write fails; nothing is left behind then.
void replace(const QString &path, const QByteArray &bytes);

// Writes the bytes whole, synced and closed, under a fresh hidden name in
// the folder of `path` and returns that name's path, for the caller to
// rename into place or remove. The umask gives its permissions; a valid
// `modified` becomes its time. Throws FileCreateError with the reason.
QString writeBeside(const QString &path, const QByteArray &bytes, const QDateTime &modified = {});

// renameat2(2) on paths, waiting out a share that is still closing one of
// the files (an SMB server refuses to rename an open file: EBUSY). 0, or -1
// with errno set.
int renameSettled(const QByteArray &from, const QByteArray &to, unsigned flags = 0);

// Gives the regular file `from` the name `to`, replacing a regular file or
// a link there. False, with errno set, when it cannot.
bool renameOver(const QString &from, const QString &to);

// Unlinks a regular file or a link; a folder or device stays.
void removeEntry(const QString &path);

// Moves whatever is at the path to "path.yyyy-MM-dd-HHmmss.aside" (or a
// free variant of it) and returns the new path. Throws FileCreateError.
QString moveAside(const QString &path, const QDateTime &now = QDateTime::currentDateTime());

} // namespace OwnFile
