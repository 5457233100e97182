#include "text/LineStore.h"

#include "text/TextFile.h"

#include <algorithm>

LineStore LineStore::fromBytes(QByteArray bytes, Nul nulRule)
{
    if (const qsizetype nul = nulRule == Nul::EndsText ? bytes.indexOf('\0') : -1; nul >= 0) {
        bytes.truncate(nul);
        bytes.squeeze();
    }
    LineStore store;
    store.m_starts = TextFile::lineStarts(bytes);
    if (!store.m_starts.isEmpty())
        store.m_bytes = std::move(bytes);
    return store;
}

LineStore LineStore::fromLines(const QStringList &lines)
{
    return fromBytes(TextFile::joinLines(lines));
}

LineStore LineStore::read(const QString &path, Nul nul)
{
    return fromBytes(TextFile::readRegular(path), nul);
}

QByteArrayView LineStore::bytesAt(qsizetype index) const
{
    return TextFile::lineAt(m_bytes, m_starts, index);
}

QString LineStore::at(qsizetype index) const
{
    return TextFile::decodeGbk(bytesAt(index));
}

QString LineStore::head(qsizetype index, qsizetype count) const
{
    // A character takes at most two bytes.
    const QByteArrayView bytes = bytesAt(index);
    return TextFile::decodeGbk(bytes.first(qMin(bytes.size(), 2 * count)));
}

QStringList LineStore::toList() const
{
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append(at(i));
    return lines;
}

void LineStore::shiftStarts(qsizetype from, qsizetype by)
{
    qsizetype *starts = m_starts.data();
    for (qsizetype i = from; i < m_starts.size(); ++i)
        starts[i] += by;
}

void LineStore::insert(qsizetype index, const QString &line)
{
    Q_ASSERT(index >= 0 && index <= size());
    if (m_starts.isEmpty())
        m_starts.append(m_bytes.size());
    // The bytes may end without a break; a line after them needs one.
    if (index == size() && !m_bytes.isEmpty() && !m_bytes.endsWith('\n') && !m_bytes.endsWith('\r')) {
        m_bytes.append("\r\n");
        m_starts.last() = m_bytes.size();
    }
    const qsizetype at = m_starts.at(index);
    const QByteArray added = TextFile::encodeGbk(line) + "\r\n";
    m_bytes.insert(at, added);
    m_starts.insert(index, at);
    shiftStarts(index + 1, added.size());
}

void LineStore::replace(qsizetype index, const QString &line)
{
    Q_ASSERT(index >= 0 && index < size());
    const qsizetype start = m_starts.at(index);
    const qsizetype length = m_starts.at(index + 1) - start;
    const QByteArray added = TextFile::encodeGbk(line) + "\r\n";
    m_bytes.replace(start, length, added);
    shiftStarts(index + 1, added.size() - length);
}

void LineStore::removeAt(qsizetype index)
{
    Q_ASSERT(index >= 0 && index < size());
    const qsizetype start = m_starts.at(index);
    const qsizetype length = m_starts.at(index + 1) - start;
    m_bytes.remove(start, length);
    m_starts.removeAt(index);
    shiftStarts(index, -length);
    if (m_starts.size() == 1)
        m_starts.clear();
}

QByteArray LineStore::toFileBytes() const
{
    // As many CR and as many LF as lines: every line ends with CR LF already,
    // as loaded banks and everything this store writes do.
    if (std::count(m_bytes.cbegin(), m_bytes.cend(), '\n') == size()
        && std::count(m_bytes.cbegin(), m_bytes.cend(), '\r') == size())
        return m_bytes;
    QByteArray out;
    out.reserve(m_bytes.size() + size() * 2);
    for (qsizetype i = 0; i < size(); ++i) {
        out.append(bytesAt(i));
        out.append("\r\n");
    }
    return out;
}
