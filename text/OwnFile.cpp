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

    // O_EXCL never follows a link, so the fresh name is ours alone.
    QByteArray part;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        part = '.' + QByteArray(folder.name()) + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36)
               + ".part";
        fd = ::openat(folder.fd(), part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw FileCreateError(path, systemReason(errno));
    // The old file's permissions, never wider ones.
    if (exists)
        ::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    ::close(fd);
    if (!written || ::renameat(folder.fd(), part.constData(), folder.fd(), folder.name()) != 0) {
        const int error = written ? errno : writeError;
        ::unlinkat(folder.fd(), part.constData(), 0);
        throw FileCreateError(path, systemReason(error));
    }
}

bool renameOver(const QString &from, const QString &to)
{
    if (kindOf(from) != Kind::Regular) {
        errno = EINVAL;
        return false;
    }
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
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
