#include "report/RunCache.h"

#include "text/Errors.h"
#include "text/OwnFile.h"
#include "training/ClassFolder.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QByteArray kMagic = QByteArrayLiteral("numora-runs 2");
constexpr qint64 kSettledMs = 2000;

QDataStream &operator<<(QDataStream &out, const RecordRead &read)
{
    out << read.reason << read.run.has_value();
    if (const auto &run = read.run) {
        out << run->path << run->date << qint32(run->runNumber) << run->timed << qint32(run->amount)
            << qint32(run->seconds) << qint32(run->done) << qint32(run->right) << qint32(run->answers.size());
        for (const RecordedAnswer &answer : run->answers)
            out << answer.question << answer.typed << answer.right << answer.millis;
    }
    return out;
}

QDataStream &operator>>(QDataStream &in, RecordRead &read)
{
    bool hasRun = false;
    in >> read.reason >> hasRun;
    if (!hasRun)
        return in;
    RecordedRun run;
    qint32 runNumber, amount, seconds, done, right, answers;
    in >> run.path >> run.date >> runNumber >> run.timed >> amount >> seconds >> done >> right >> answers;
    run.runNumber = runNumber;
    run.amount = amount;
    run.seconds = seconds;
    run.done = done;
    run.right = right;
    for (qint32 i = 0; i < answers && in.status() == QDataStream::Ok; ++i) {
        RecordedAnswer answer;
        in >> answer.question >> answer.typed >> answer.right >> answer.millis;
        run.answers.append(answer);
    }
    read.run = std::move(run);
    return in;
}

} // namespace

RunCache::RunCache(const QString &classFolder)
    : m_classFolder(QFileInfo(classFolder).absoluteFilePath())
{
    m_file = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                 .filePath(QStringLiteral("numora/classes/") + ClassFolder::localKey(classFolder) + QStringLiteral(".runs"));
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_4);
    QByteArray magic;
    QString folder;
    qint32 count = 0;
    in >> magic >> folder >> count;
    if (magic != kMagic || folder != m_classFolder)
        return; // another version, or another class under the same key
    QHash<QString, Entry> entries;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString path;
        Entry entry;
        in >> path >> entry.size >> entry.modifiedMs >> entry.read;
        entries.insert(path, std::move(entry));
    }
    if (in.status() == QDataStream::Ok)
        m_entries = std::move(entries); // a cut or damaged cache is no cache
}

std::optional<RecordRead> RunCache::find(const QString &path, qint64 size, qint64 modifiedMs)
{
    const auto entry = m_entries.constFind(path);
    if (entry == m_entries.cend() || entry->size != size || entry->modifiedMs != modifiedMs)
        return std::nullopt;
    m_used.insert(path, *entry);
    return entry->read;
}

void RunCache::store(const QString &path, qint64 size, qint64 modifiedMs, const RecordRead &read)
{
    if (QDateTime::currentMSecsSinceEpoch() - modifiedMs < kSettledMs)
        return;
    m_used.insert(path, {size, modifiedMs, read});
}

void RunCache::save()
{
    m_entries = std::exchange(m_used, {});
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kMagic << m_classFolder << qint32(m_entries.size());
    for (auto entry = m_entries.cbegin(); entry != m_entries.cend(); ++entry)
        out << entry.key() << entry->size << entry->modifiedMs << entry->read;
    try {
        QDir().mkpath(QFileInfo(m_file).path());
        OwnFile::replace(m_file, bytes);
    } catch (const NumoraError &) {
    }
}
