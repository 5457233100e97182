#include "report/RunCollection.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QtConcurrent>

#include <algorithm>
#include <atomic>

RunCollection collectRuns(const QStringList &folders, const std::function<void(int, int)> &progress,
                          const std::atomic<bool> *cancelled)
{
    RunCollection collection;
    QStringList files;
    // "a", "./a/" and a link to it are one folder, read once.
    QSet<QString> seen;
    for (const QString &folder : folders) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (!canonical.isEmpty() && seen.contains(canonical))
            continue;
        seen.insert(canonical);
        const QDir dir(folder);
        if (!dir.exists() || !dir.isReadable()) {
            collection.unreadableFolders.append(folder);
            continue;
        }
        for (const QString &name : dir.entryList({QStringLiteral("*.xl")}, QDir::Files, QDir::Name))
            files.append(dir.filePath(name));
    }
    std::atomic<int> done = 0;
    const int total = int(files.size());
    const QList<RecordRead> reads = QtConcurrent::blockingMapped(files, [&](const QString &path) {
        if (cancelled && cancelled->load())
            return RecordRead{std::nullopt, QStringLiteral("未读取")};
        RecordRead read = RecordReader::read(path);
        if (progress)
            progress(++done, total);
        return read;
    });
    for (qsizetype i = 0; i < reads.size(); ++i) {
        if (reads.at(i).run)
            collection.runs.append(*reads.at(i).run);
        else
            collection.skipped.append({files.at(i), reads.at(i).reason});
    }
    std::stable_sort(collection.runs.begin(), collection.runs.end(), [](const RecordedRun &a, const RecordedRun &b) {
        return std::pair(a.date, a.runNumber) < std::pair(b.date, b.runNumber);
    });
    return collection;
}
