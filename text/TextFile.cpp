#include "text/TextFile.h"

#include "text/Errors.h"
#include "text/OwnFile.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {

namespace {

// A byte that is no GBK text reads as a lone low surrogate, one per byte, and
// is written back as that byte, so whatever is read comes out unchanged.
constexpr char16_t kRawByteBase = 0xDC00;
constexpr char16_t kFirstRawByte = kRawByteBase + 0x80;
constexpr char16_t kLastRawByte = kRawByteBase + 0xFF;

constexpr uchar kFirstLead = 0x81, kLastLead = 0xFE;
constexpr uchar kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr int kTrailCount = kLastTrail - kFirstTrail + 1;

// The code page's two-byte characters, both ways. A pair counts only when
// its character encodes back to the same pair; the code page's one-byte
// range is ASCII, and any other byte reads as a raw byte.
class GbkTables
{
public:
    GbkTables() : m_pairToChar((kLastLead - kFirstLead + 1) * kTrailCount, 0), m_charToPair(0x10000, 0)
    {
        QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
        QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
        Q_ASSERT(decoder.isValid() && encoder.isValid());
        for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
            for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                const char pair[2] = {char(lead), char(trail)};
                const QString decoded = decoder.decode(QByteArrayView(pair, 2));
                if (decoded.size() != 1 || decoded.at(0) == QChar::ReplacementCharacter
                    || decoded.at(0).isSurrogate() || QByteArray(encoder.encode(decoded)) != QByteArrayView(pair, 2))
                    continue;
                const char16_t c = decoded.at(0).unicode();
                m_pairToChar[index(lead, trail)] = c;
                m_charToPair[c] = quint16(lead << 8 | trail);
            }
        }
    }

    // 0 when the two bytes are no character.
    char16_t charOf(uchar lead, uchar trail) const
    {
        if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail)
            return 0;
        return m_pairToChar[index(lead, trail)];
    }
    // 0 when the character has no pair.
    quint16 pairOf(char16_t c) const { return m_charToPair[c]; }

private:
    static int index(int lead, int trail) { return (lead - kFirstLead) * kTrailCount + trail - kFirstTrail; }

    std::vector<char16_t> m_pairToChar;
    std::vector<quint16> m_charToPair;
};

const GbkTables &gbk()
{
    static const GbkTables tables;
    return tables;
}

} // namespace

QString decodeGbk(QByteArrayView bytes)
{
    const GbkTables &tables = gbk();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype length = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80) {
            out[length++] = byte;
        } else if (const char16_t c = i + 1 < size ? tables.charOf(byte, uchar(bytes[i + 1])) : 0) {
            out[length++] = c;
            ++i;
        } else {
            out[length++] = kRawByteBase + byte;
        }
    }
    text.truncate(length);
    return text;
}

QByteArray encodeGbk(QStringView text)
{
    // Characters the code page cannot hold come out as "?".
    const GbkTables &tables = gbk();
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes += char(c);
        } else if (c >= kFirstRawByte && c <= kLastRawByte) {
            bytes += char(c - kRawByteBase);
        } else if (const quint16 pair = tables.pairOf(c)) {
            bytes += char(pair >> 8);
            bytes += char(pair & 0xFF);
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < size && text[i + 1].isLowSurrogate())
                ++i; // one mark for a character beyond the basic plane
            bytes += '?';
        }
    }
    return bytes;
}

QList<qsizetype> lineStarts(QByteArrayView text)
{
    const char *data = text.data();
    const qsizetype size = text.size();
    QList<qsizetype> starts;
    // Allocated once at its size, with no growth that doubles it at the
    // peak: a file breaks its lines one way, and the counts are quick.
    starts.reserve(std::max(std::count(data, data + size, '\n'), std::count(data, data + size, '\r')) + 2);
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        starts.append(start);
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        starts.append(start);
    if (starts.isEmpty())
        return starts;
    starts.append(size);
    if (starts.capacity() > starts.size() + 2)
        starts.squeeze(); // a text that broke its lines more than one way
    return starts;
}

QByteArrayView lineAt(QByteArrayView text, const QList<qsizetype> &starts, qsizetype index)
{
    Q_ASSERT(index >= 0 && index + 1 < starts.size());
    const qsizetype start = starts.at(index);
    qsizetype end = starts.at(index + 1);
    // A line holds no break, so whatever breaks end its span are its own.
    while (end > start && (text.at(end - 1) == '\n' || text.at(end - 1) == '\r'))
        --end;
    return text.sliced(start, end - start);
}

QStringList splitLines(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView text = QByteArrayView(bytes).first(nul < 0 ? bytes.size() : nul);
    const QList<qsizetype> starts = lineStarts(text);
    QStringList lines;
    lines.reserve(starts.size());
    for (qsizetype i = 0; i + 1 < starts.size(); ++i)
        lines.append(decodeGbk(lineAt(text, starts, i)));
    return lines;
}

QByteArray csvLine(const QStringList &fields)
{
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QByteArray field = fields.at(i).toUtf8();
        if (field.contains(',') || field.contains('"') || field.contains('\n') || field.contains('\r'))
            field = '"' + field.replace("\"", "\"\"") + '"';
        line += (i ? "," : "") + field;
    }
    return line + "\r\n";
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encodeGbk(line);
        bytes += "\r\n";
    }
    return bytes;
}

void openRegular(QFile &file, const QString &path, Links links)
{
    // Opened without blocking, so that a FIFO with no writer cannot hang
    // the open itself; the kind of file is then asked of what was opened.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0));
    if (fd < 0 && errno == ELOOP && links == Links::Refuse)
        throw FileOpenError(path, OwnFile::refusal(OwnFile::Kind::Link));
    if (fd < 0)
        throw FileOpenError(path);
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw FileOpenError(path, OwnFile::refusal(OwnFile::Kind::Other));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw FileOpenError(path);
    }
}

QByteArray readRegular(const QString &path, Links links)
{
    QFile file;
    openRegular(file, path, links);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileOpenError(path);
    return bytes;
}

QStringList readLines(const QString &path)
{
    return splitLines(readRegular(path));
}

void writeLines(const QString &path, const QStringList &lines)
{
    replaceFile(path, joinLines(lines));
}

void replaceFile(const QString &path, const QByteArray &bytes)
{
    // A device or FIFO the user named is written to by no export: replacing
    // it with a file would break the system, writing into it is no export.
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode))
        throw FileCreateError(path, OwnFile::refusal(OwnFile::Kind::Other));
    // Written beside the old file and renamed over it, so that a failed or
    // interrupted write never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileCreateError(path);
}

} // namespace TextFile
