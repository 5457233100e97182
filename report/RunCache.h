#pragma once

#include "training/RecordReader.h"

#include <QHash>
#include <QString>

#include <optional>

// What was read of each record of a class folder before, kept in the
// user's cache folder ($XDG_CACHE_HOME/numora/classes/), so that opening a
// class again reads over the network only the records that changed. An
// entry is keyed by the file's path, size and modification time: a new
// record has a new path, and a changed or replaced one a new size or time.
// A record modified within two seconds of being read is not kept, since a
// change in that same second would leave both the same (a share may keep
// times to the second only). A record's answer times come with it: their
// file is in place before the record and neither changes after.
class RunCache
{
public:
    // The cache of a class folder, read from disk; empty when there is none
    // or it cannot be read.
    explicit RunCache(const QString &classFolder);

    // The record as read before from a file of that size and time.
    std::optional<RecordRead> find(const QString &path, qint64 size, qint64 modifiedMs);
    void store(const QString &path, qint64 size, qint64 modifiedMs, const RecordRead &read);
    // Forgets every record not stored or found since the cache was read, and
    // writes it back. A cache that cannot be written is only a slower start.
    void save();

    QString file() const { return m_file; }

private:
    struct Entry
    {
        qint64 size = 0;
        qint64 modifiedMs = 0;
        RecordRead read;
    };
    QString m_classFolder;
    QString m_file;
    QHash<QString, Entry> m_entries;
    QHash<QString, Entry> m_used;
};
