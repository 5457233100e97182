#include "training/TextFile.h"

#include "training/Errors.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {

// The code page's decoder maps a lone 0xFF byte into the private use area;
// it is no GBK character, so it reads as a replacement character like any
// other invalid byte.
constexpr char16_t kLoneFFMapping = 0xF8F5;

} // namespace

QString decodeGbk(QByteArrayView bytes)
{
    QStringDecoder decoder("GBK");
    Q_ASSERT(decoder.isValid());
    QString text = decoder.decode(bytes);
    text.replace(QChar(kLoneFFMapping), QChar::ReplacementCharacter);
    return text;
}

QByteArray encodeGbk(QStringView text)
{
    // Characters the code page cannot hold come out as "?".
    QStringEncoder encoder("GBK");
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text);
}

QStringList splitLines(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = decodeGbk(nul < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(nul));

    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
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

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileOpenError(path);
    return splitLines(bytes);
}

void writeLines(const QString &path, const QStringList &lines)
{
    // Written beside the old file and renamed over it, so that a failed or
    // interrupted write never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileCreateError(path);
    const QByteArray bytes = joinLines(lines);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileCreateError(path);
}

} // namespace TextFile
