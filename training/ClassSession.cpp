#include "training/ClassSession.h"

#include "text/Errors.h"
#include "text/OwnFile.h"
#include "text/TextFile.h"
#include "training/BankPair.h"
#include "training/RecordFile.h"
#include "training/RecordName.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// How long a delivery may take before the class folder counts as not
// answering; the delivery itself goes on.
constexpr int kDeliveryLimitMs = 3000;

QString dateTextOf(const QString &recordName)
{
    return recordName.section(QStringLiteral("-第"), 0, 0);
}

// Kept records, oldest first.
QFileInfoList keptRecords(const QString &jobFolder)
{
    QFileInfoList records = QDir(jobFolder).entryInfoList({QStringLiteral("*.xl")}, QDir::Files);
    std::stable_sort(records.begin(), records.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() < b.lastModified();
    });
    return records;
}

bool sameRecordThere(const QString &jobFolder, const QString &dateText, const QByteArray &bytes)
{
    const QDir job(jobFolder);
    for (const QFileInfo &record : job.entryInfoList({dateText + QStringLiteral("-第*次.xl")}, QDir::Files)) {
        if (record.size() != bytes.size())
            continue;
        try {
            if (TextFile::readRegular(record.filePath(), TextFile::Links::Refuse) == bytes)
                return true;
        } catch (const FileOpenError &) {
        }
    }
    return false;
}

} // namespace

ClassSession::ClassSession(QString classFolder, QString pupil, const ProgramFolders &program, QObject *parent)
    : QObject(parent)
    , m_classFolder(QDir::cleanPath(QDir(std::move(classFolder)).absolutePath()))
    , m_pupil(std::move(pupil))
    , m_program(program)
    , m_delivering(std::make_shared<std::atomic<bool>>(false))
{
    m_local = QDir(keptFolder()).filePath(m_pupil);
}

ClassSession::~ClassSession() = default;

QString ClassSession::keptFolder() const
{
    // One folder a class on this computer, whatever its name's characters.
    const QByteArray key = QCryptographicHash::hash(m_classFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QDir(UserData::home()).filePath(QStringLiteral("numora/classes/") + QString::fromLatin1(key));
}

ProgramFolders ClassSession::folders() const
{
    return {m_program.delivered, m_local, m_program.modules};
}

int ClassSession::deliverKept(const QString &keptFolder, const QString &classFolder)
{
    // An unmounted share leaves an empty folder where it was mounted: a
    // class folder without its roster is gone, and nothing is made there.
    if (OwnFile::kindOf(QDir(classFolder).filePath(QStringLiteral("名单.txt"))) == OwnFile::Kind::Missing)
        throw FileOpenError(classFolder, QStringLiteral("班级文件夹现在打不开"));
    int count = 0;
    for (const QString &pupil : QDir(keptFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString pupilFolder = QDir(classFolder).filePath(pupil);
        for (const QFileInfo &kept : keptRecords(RecordName::jobFolder(QDir(keptFolder).filePath(pupil)))) {
            const QByteArray bytes = TextFile::readRegular(kept.filePath(), TextFile::Links::Refuse);
            const QString dateText = dateTextOf(kept.fileName());
            if (!sameRecordThere(RecordName::jobFolder(pupilFolder), dateText, bytes)) {
                RecordFile::create(pupilFolder, {dateText, 1}, TextFile::splitLines(bytes));
                ++count;
            }
            QFile::remove(kept.filePath());
        }
    }
    return count;
}

bool ClassSession::fetchBank(std::chrono::milliseconds limit)
{
    struct Fetch
    {
        std::mutex lock;
        std::condition_variable doneChanged;
        bool done = false;
        bool fetched = false;
    };
    auto fetch = std::make_shared<Fetch>();
    const BankPair local = BankPair::custom(m_local);
    QDir().mkpath(QFileInfo(local.questionPath()).path());
    const QStringList sources{QDir(m_classFolder).filePath(m_pupil), m_classFolder};
    std::thread([fetch, local, sources] {
        bool fetched = false;
        try {
            for (const QString &source : sources) {
                const BankPair bank = BankPair::custom(source);
                if (const auto pair = bank.read()) {
                    local.replace(pair->first, pair->second);
                    break;
                }
            }
            fetched = true;
        } catch (const NumoraError &) {
        }
        const std::lock_guard<std::mutex> locked(fetch->lock);
        fetch->done = true;
        fetch->fetched = fetched;
        fetch->doneChanged.notify_all();
    }).detach();
    std::unique_lock<std::mutex> locked(fetch->lock);
    fetch->doneChanged.wait_for(locked, limit, [&fetch] { return fetch->done; });
    return fetch->done && fetch->fetched;
}

void ClassSession::deliver()
{
    if (m_delivering->exchange(true))
        return;
    QPointer<ClassSession> self(this);
    const QString kept = keptFolder(), classFolder = m_classFolder;
    std::thread([self, delivering = m_delivering, kept, classFolder] {
        int count = 0;
        bool reached = true;
        try {
            count = deliverKept(kept, classFolder);
        } catch (const NumoraError &) {
            reached = false;
        }
        delivering->store(false);
        // Queued to the interface thread, where self is checked.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, count, reached] {
                if (!self)
                    return;
                self->m_answers = reached;
                emit self->delivered(count, reached);
            },
            Qt::QueuedConnection);
    }).detach();
    QTimer::singleShot(kDeliveryLimitMs, this, [this] {
        if (m_delivering->load())
            m_answers = false; // still under way: hung or very slow
    });
}
