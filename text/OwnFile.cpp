#include "text/OwnFile.h"

#include "text/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace OwnFile {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The folder that holds a path, opened once, so that every step below acts
// on the same folder even if its name is moved meanwhile.
class Folder
{
public:
    explicit Folder(const QString &path)
        : m_fd(::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                      O_RDONLY | O_DIRECTORY | O_CLOEXEC))
        , m_name(QFile::encodeName(QFileInfo(path).fileName()))
    {
    }
    ~Folder()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    int fd() const { return m_fd; }
    const char *name() const { return m_name.constData(); }

private:
    int m_fd;
    QByteArray m_name;
};

Kind kindOfMode(mode_t mode)
{
    if (S_ISLNK(mode))
        return Kind::Link;
    return S_ISREG(mode) ? Kind::Regular : Kind::Other;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// A FUSE client closes a file after close(2) has returned, so a rename
// straight after may find it still open on the server.
int settledRename(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    for (int attempt = 0;; ++attempt) {
        const int done = flags ? ::renameat2(fromDir, from, toDir, to, flags) : ::renameat(fromDir, from, toDir, to);
        if (done == 0)
            return 0;
        if (errno != EBUSY || attempt == 40)
            return -1;
        ::usleep(50000);
    }
}

// A fresh hidden name beside the folder's file, created for writing; O_EXCL
// never follows a link, so the name is ours alone. -1 with errno set.
int createPart(const Folder &folder, QByteArray &part)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        part = '.' + QByteArray(folder.name()) + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36)
               + ".part";
        const int fd =
            ::openat(folder.fd(), part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

Kind kindOf(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return Kind::Missing;
    return kindOfMode(info.st_mode);
}

QString refusal(Kind kind)
{
    switch (kind) {
    case Kind::Link:
        return QStringLiteral("这是一个符号链接，不会写到它指向的文件");
    case Kind::Other:
        return QStringLiteral("这不是普通文件");
    case Kind::Missing:
    case Kind::Regular:
        break;
    }
    return {};
}

void replace(const QString &path, const QByteArray &bytes)
{
    const Folder folder(path);
    if (folder.fd() < 0)
        throw FileCreateError(path, systemReason(errno));
    struct stat old;
    const bool exists = ::fstatat(folder.fd(), folder.name(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && kindOfMode(old.st_mode) != Kind::Regular)
        throw FileCreateError(path, refusal(kindOfMode(old.st_mode)));

    QByteArray part;
    const int fd = createPart(folder, part);
    if (fd < 0)
        throw FileCreateError(path, systemReason(errno));
    // The old file's permissions, never wider ones.
    if (exists)
        ::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    ::close(fd);
    if (!written || settledRename(folder.fd(), part.constData(), folder.fd(), folder.name(), 0) != 0) {
        const int error = written ? errno : writeError;
        ::unlinkat(folder.fd(), part.constData(), 0);
        throw FileCreateError(path, systemReason(error));
    }
}

QString writeBeside(const QString &path, const QByteArray &bytes, const QDateTime &modified)
{
    const Folder folder(path);
    QByteArray part;
    const int fd = folder.fd() < 0 ? -1 : createPart(folder, part);
    if (fd < 0)
        throw FileCreateError(path, systemReason(errno));
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    if (written && modified.isValid()) {
        const qint64 ms = modified.toMSecsSinceEpoch();
        const timespec time{time_t(ms / 1000), long(ms % 1000) * 1000000};
        const timespec times[2] = {time, time};
        ::futimens(fd, times); // a share that keeps its own times still gets the record
    }
    ::close(fd);
    if (!written) {
        ::unlinkat(folder.fd(), part.constData(), 0);
        throw FileCreateError(path, systemReason(error));
    }
    return QFileInfo(path).absolutePath() + QLatin1Char('/') + QFile::decodeName(part);
}

int renameSettled(const QByteArray &from, const QByteArray &to, unsigned flags)
{
    return settledRename(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), flags);
}

bool renameOver(const QString &from, const QString &to)
{
    if (kindOf(from) != Kind::Regular) {
        errno = EINVAL;
        return false;
    }
    return renameSettled(QFile::encodeName(from), QFile::encodeName(to)) == 0;
}

void removeEntry(const QString &path)
{
    if (const Kind kind = kindOf(path); kind == Kind::Regular || kind == Kind::Link)
        ::unlink(QFile::encodeName(path).constData());
}

QString moveAside(const QString &path, const QDateTime &now)
{
    const QString stamp = now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    for (int n = 1;; ++n) {
        const QString aside =
            QStringLiteral("%1.%2%3.aside").arg(path, stamp, n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (kindOf(aside) != Kind::Missing)
            continue;
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
            throw FileCreateError(path, systemReason(errno));
        return aside;
    }
}

} // namespace OwnFile
