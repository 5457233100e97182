#include "report/RunCollection.h"

#include "report/RunCache.h"
#include "training/AnswerTimes.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QThreadPool>
#include <QtConcurrent>

#include <algorithm>
#include <atomic>

namespace {

constexpr int kReadersAtOnce = 16;

} // namespace

RunCollection collectRuns(const QStringList &folders, const std::function<void(int, int)> &progress,
                          const std::atomic<bool> *cancelled, RunCache *cache)
{
    RunCollection collection;
    QStringList files;
    QList<bool> withTimes; // a file's answer times are listed beside it
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
        const QStringList names = dir.entryList({QStringLiteral("*.xl"), QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
        const QSet<QString> listed(names.begin(), names.end());
        for (const QString &name : names) {
            if (!name.endsWith(QStringLiteral(".xl")))
                continue;
            files.append(dir.filePath(name));
            withTimes.append(listed.contains(AnswerTimes::companionPath(name)));
        }
    }
    // What the cache holds as the file is now is not read again; without a
    // cache no file is asked its size and time.
    QList<RecordRead> reads(files.size());
    QList<qsizetype> unread;
    QList<QFileInfo> unreadInfo;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!cache) {
            unread.append(i);
            continue;
        }
        const QFileInfo info(files.at(i));
        if (const auto known = cache->find(files.at(i), info.size(), info.lastModified().toMSecsSinceEpoch())) {
            reads[i] = *known;
        } else {
            unread.append(i);
            unreadInfo.append(info);
        }
    }
    std::atomic<int> done = int(files.size() - unread.size());
    const int total = int(files.size());
    // Reading a file waits on the disk or the network far more than it
    // computes: many at once is what makes a share fast.
    static QThreadPool readers;
    readers.setMaxThreadCount(kReadersAtOnce);
    const QList<RecordRead> fresh = QtConcurrent::blockingMapped(&readers, unread, [&](qsizetype i) {
        if (cancelled && cancelled->load())
            return RecordRead{std::nullopt, QStringLiteral("未读取")};
        RecordRead read =
            RecordReader::read(files.at(i), withTimes.at(i) ? RecordReader::Times::Look : RecordReader::Times::None);
        if (progress)
            progress(++done, total);
        return read;
    });
    const bool complete = !cancelled || !cancelled->load();
    for (qsizetype n = 0; n < unread.size(); ++n) {
        reads[unread.at(n)] = fresh.at(n);
        if (cache && complete)
            cache->store(files.at(unread.at(n)), unreadInfo.at(n).size(),
                         unreadInfo.at(n).lastModified().toMSecsSinceEpoch(), fresh.at(n));
    }
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
