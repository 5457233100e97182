#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The lines of a GBK text file, held as the file's own bytes and the offsets
// where lines begin: a line costs its bytes and 8 more, and copies share all
// of it until one of them is changed. Lines follow the reading rules of
// TextFile and are decoded when asked for.
class LineStore
{
public:
    // A NUL byte ends a bank's text; the editor keeps what follows it, so
    // that saving never drops what the user did not edit.
    enum class Nul { EndsText, Kept };

    LineStore() = default;
    static LineStore fromBytes(QByteArray bytes, Nul nul = Nul::EndsText);
    static LineStore fromLines(const QStringList &lines);
    // Throws FileOpenError with the path when the file cannot be read.
    static LineStore read(const QString &path, Nul nul = Nul::EndsText);

    qsizetype size() const { return m_starts.isEmpty() ? 0 : m_starts.size() - 1; }
    bool isEmpty() const { return size() == 0; }
    qsizetype byteSize() const { return m_bytes.size(); }
    QString at(qsizetype index) const;
    // At least the first `count` characters of a line, without decoding all
    // of a huge one.
    QString head(qsizetype index, qsizetype count) const;
    QByteArrayView bytesAt(qsizetype index) const;
    QStringList toList() const;

    // A change costs a move of the bytes after the line, which is fine for
    // a user's edit and never done while loading.
    void insert(qsizetype index, const QString &line);
    void replace(qsizetype index, const QString &line);
    void removeAt(qsizetype index);
    void append(const QString &line) { insert(size(), line); }

    // Every line ends with CR LF, the last too.
    QByteArray toFileBytes() const;

private:
    void shiftStarts(qsizetype from, qsizetype by);

    QByteArray m_bytes;
    // One entry per line and one for the end of the bytes.
    QList<qsizetype> m_starts;
};
