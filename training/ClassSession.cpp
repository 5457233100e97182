#include "training/ClassSession.h"

#include "text/Errors.h"
#include "text/Notices.h"
#include "text/OwnFile.h"
#include "text/TextFile.h"
#include "training/BankPair.h"
#include "training/AnswerTimes.h"
#include "training/RecordFile.h"
#include "training/RecordName.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// Kept records, oldest first.
QFileInfoList keptRecords(const QString &jobFolder)
{
    QFileInfoList records = QDir(jobFolder).entryInfoList({QStringLiteral("*.xl")}, QDir::Files);
    std::stable_sort(records.begin(), records.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() < b.lastModified();
    });
    return records;
}

// The same run: the same bytes written at the same second, and the same
// answer times when it has them. Two runs of a small bank can hold the same
// bytes (two computers, one pupil, the same answers in the same second);
// their times tell them apart. A carried record keeps its time.
bool sameRecordThere(const QString &jobFolder, const QString &dateText, const QByteArray &bytes,
                     const QByteArray &times, const QDateTime &modified)
{
    const QDir job(jobFolder);
    for (const QFileInfo &record : job.entryInfoList({dateText + QStringLiteral("-第*次.xl")}, QDir::Files)) {
        if (record.size() != bytes.size()
            || record.lastModified().toSecsSinceEpoch() != modified.toSecsSinceEpoch())
            continue;
        try {
            if (TextFile::readRegular(record.filePath(), TextFile::Links::Refuse) == bytes
                && (times.isEmpty()
                    || TextFile::readRegular(AnswerTimes::companionPath(record.filePath()), TextFile::Links::Refuse)
                           == times))
                return true;
        } catch (const FileOpenError &) {
        }
    }
    return false;
}

// Runs work on a thread of its own, which a hung share may hold for
// minutes: true when it ended within the limit. What it shares with the
// caller it keeps alive itself.
bool finishedWithin(std::chrono::milliseconds limit, std::function<void()> work)
{
    struct Done
    {
        std::mutex lock;
        std::condition_variable changed;
        bool done = false;
    };
    auto done = std::make_shared<Done>();
    std::thread([done, work = std::move(work)] {
        work();
        const std::lock_guard<std::mutex> locked(done->lock);
        done->done = true;
        done->changed.notify_all();
    }).detach();
    std::unique_lock<std::mutex> locked(done->lock);
    return done->changed.wait_for(locked, limit, [&done] { return done->done; });
}

// Beside the pupil's bank here: it was edited and has not reached the class
// folder yet.
QString editedMarker(const QString &localFolder)
{
    return QFileInfo(BankPair::custom(localFolder).questionPath()).dir().filePath(QStringLiteral("make.edited"));
}

} // namespace

ClassSession::ClassSession(QString classFolder, QString pupil, const ProgramFolders &program, QObject *parent)
    : QObject(parent)
    , m_classFolder(QDir::cleanPath(QDir(std::move(classFolder)).absolutePath()))
    , m_pupil(std::move(pupil))
    , m_program(program)
    , m_delivery(std::make_shared<DeliveryState>())
{
    m_local = QDir(keptFolder()).filePath(m_pupil);
}

QString ClassSession::keptFolder() const
{
    return QDir(UserData::home()).filePath(QStringLiteral("numora/classes/") + ClassFolder::localKey(m_classFolder));
}

QString ClassSession::recordsFolder() const
{
    return QDir(m_local).filePath(QStringLiteral("records"));
}

void ClassSession::mirrorRecords(const QString &pupilJob, const QString &mirror)
{
    QDir().mkpath(mirror);
    for (const QFileInfo &record : QDir(pupilJob).entryInfoList({QStringLiteral("*.xl")}, QDir::Files)) {
        const QString copy = QDir(mirror).filePath(record.fileName());
        if (QFileInfo(copy).size() == record.size())
            continue;
        OwnFile::replace(copy, TextFile::readRegular(record.filePath(), TextFile::Links::Refuse));
    }
}

ProgramFolders ClassSession::folders() const
{
    return {m_program.delivered, m_local, m_program.modules};
}

int ClassSession::deliverKept(const QString &keptFolder, const QString &classFolder)
{
    // An unmounted share leaves an empty folder where it was mounted: a
    // class folder without its roster is gone, and nothing is made there.
    if (OwnFile::kindOf(ClassFolder::rosterPath(classFolder)) == OwnFile::Kind::Missing)
        throw FileOpenError(classFolder, QStringLiteral("班级文件夹现在打不开"));
    int count = 0;
    for (const QString &pupil : QDir(keptFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString pupilFolder = ClassFolder::pupilFolder(classFolder, pupil);
        for (const QFileInfo &kept : keptRecords(RecordName::jobFolder(QDir(keptFolder).filePath(pupil)))) {
            const QByteArray bytes = TextFile::readRegular(kept.filePath(), TextFile::Links::Refuse);
            const QString timesPath = AnswerTimes::companionPath(kept.filePath());
            const QByteArray times = OwnFile::kindOf(timesPath) == OwnFile::Kind::Regular
                                         ? TextFile::readRegular(timesPath, TextFile::Links::Refuse)
                                         : QByteArray();
            const QString dateText = RecordName::dateTextOf(kept.fileName());
            if (!sameRecordThere(RecordName::jobFolder(pupilFolder), dateText, bytes, times, kept.lastModified())) {
                RecordFile::create(pupilFolder, {dateText, 1}, TextFile::splitLines(bytes), kept.lastModified(), times);
                ++count;
            }
            QFile::remove(kept.filePath());
            QFile::remove(timesPath);
        }
    }
    return count;
}

std::optional<Roster> ClassSession::readRoster(const QString &classFolder, std::chrono::milliseconds limit, QString *why)
{
    auto result = std::make_shared<std::pair<std::optional<Roster>, QString>>();
    const bool answered = finishedWithin(limit, [result, classFolder] {
        try {
            result->first = ClassFolder::readRoster(classFolder);
        } catch (const NumoraError &error) {
            result->second = error.localText();
        }
    });
    if (!answered) {
        *why = QStringLiteral("班级文件夹 %1 没有回应").arg(classFolder);
        return std::nullopt;
    }
    *why = result->second;
    return result->first;
}

bool ClassSession::fetchBank(std::chrono::milliseconds limit)
{
    auto fetched = std::make_shared<std::atomic<bool>>(false);
    const BankPair local = BankPair::custom(m_local);
    const QStringList sources{ClassFolder::pupilFolder(m_classFolder, m_pupil), m_classFolder};
    if (QFileInfo::exists(editedMarker(m_local)))
        return true; // an edit made here goes out before anything comes in
    return finishedWithin(limit, [fetched, local, sources] {
        try {
            QDir().mkpath(QFileInfo(local.questionPath()).path());
            for (const QString &source : sources) {
                if (const auto pair = BankPair::custom(source).read()) {
                    local.replace(pair->first, pair->second);
                    break;
                }
            }
            fetched->store(true);
        } catch (const NumoraError &) {
        }
    }) && fetched->load();
}

void ClassSession::deliverBank(const QString &localFolder, const QString &pupilFolder)
{
    if (!QFileInfo::exists(editedMarker(localFolder)))
        return;
    const auto edited = BankPair::custom(localFolder).read();
    const BankPair target = BankPair::custom(pupilFolder);
    QDir().mkpath(QFileInfo(target.questionPath()).path());
    target.replace(edited ? edited->first : QByteArray(), edited ? edited->second : QByteArray());
    QFile::remove(editedMarker(localFolder));
}

void ClassSession::bankEdited()
{
    try {
        OwnFile::replace(editedMarker(m_local), QByteArrayLiteral("edited here\n"));
    } catch (const NumoraError &error) {
        Notices::tell(error.localText()); // the bank is saved here all the same
        return;
    }
    deliver();
}

void ClassSession::deliver()
{
    // A record written while a delivery is under way goes with it, in a
    // second pass, rather than waiting for the next minute.
    m_delivery->asked.store(true);
    if (m_delivery->underWay.exchange(true))
        return;
    QPointer<ClassSession> self(this);
    const QString pupilFolder = ClassFolder::pupilFolder(m_classFolder, m_pupil);
    std::thread([self, delivery = m_delivery, kept = keptFolder(), classFolder = m_classFolder, pupilFolder,
                 local = m_local, mirror = recordsFolder()] {
        int count = 0;
        bool reached = true;
        do {
            delivery->asked.store(false);
            try {
                count += deliverKept(kept, classFolder);
                deliverBank(local, pupilFolder);
                mirrorRecords(RecordName::jobFolder(pupilFolder), mirror);
                reached = true;
            } catch (const NumoraError &) {
                reached = false;
            }
            delivery->reached.store(reached);
            delivery->underWay.store(false);
            // Asked again meanwhile: another pass, unless a new delivery took it.
        } while (delivery->asked.load() && !delivery->underWay.exchange(true));
        // Queued to the interface thread, where self is checked.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, count, reached] {
                if (self)
                    emit self->delivered(count, reached);
            },
            Qt::QueuedConnection);
    }).detach();
}

ClassSession::Delivery ClassSession::awaitDelivery(std::chrono::milliseconds limit)
{
    // Waited for in an event loop, so that the window goes on painting and
    // answering while a hung share holds the delivery.
    const QDeadlineTimer until(limit);
    while (m_delivery->underWay.load() && !until.hasExpired()) {
        QEventLoop loop;
        connect(this, &ClassSession::delivered, &loop, &QEventLoop::quit);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until.remainingTimeAsDuration());
        QTimer::singleShot(left, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (m_delivery->underWay.load())
        return Delivery::UnderWay;
    return m_delivery->reached.load() ? Delivery::Delivered : Delivery::Kept;
}
