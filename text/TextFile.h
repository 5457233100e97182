#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

// Text files are 8-bit GBK text. Reading splits at CR LF, lone CR or lone LF;
// a final break adds no empty line and a NUL byte ends the text. Writing ends
// every line, the last too, with CR LF.
namespace TextFile {

// Where the lines of a text begin, then where it ends: a break is CR LF, a
// lone CR or a lone LF, and a final break adds no line. The one splitting
// rule of every reader; empty for an empty text.
QList<qsizetype> lineStarts(QByteArrayView text);
// Line `index` of such a text, without its break.
QByteArrayView lineAt(QByteArrayView text, const QList<qsizetype> &starts, qsizetype index);

QStringList splitLines(const QByteArray &bytes);
QByteArray joinLines(const QStringList &lines);
// One line of a CSV file: UTF-8, a field with a comma, quote or break
// quoted, CR LF at the end.
QByteArray csvLine(const QStringList &fields);

// Bytes that are no GBK text read as lone surrogates, one per byte, which
// Qt shows as replacement marks and which encode back to the same bytes, so
// a file read and written again is unchanged.
QString decodeGbk(QByteArrayView bytes);
QByteArray encodeGbk(QStringView text);

// Opens a file the user chose or placed for reading, only when it is a
// regular file: a FIFO or a device would block or never end. Throws
// FileOpenError with the path, and the reason when it is no regular file.
enum class Links { Follow, Refuse };
void openRegular(QFile &file, const QString &path, Links links = Links::Follow);
// The whole of such a file. Throws FileOpenError. A file the programs name
// themselves is read with Links::Refuse: a link planted there could show
// or copy any file the user may read.
QByteArray readRegular(const QString &path, Links links = Links::Follow);

// Throws FileOpenError with the path when the file cannot be read.
QStringList readLines(const QString &path);
// Replaces a file the user chose (an export) whole, through a link the user
// made; anything but a regular file there is refused. Throws FileCreateError
// with the path when it cannot be written, leaving the old file as it was.
// Files the programs name themselves are OwnFile's.
void writeLines(const QString &path, const QStringList &lines);
// The same for any bytes.
void replaceFile(const QString &path, const QByteArray &bytes);

} // namespace TextFile
