#include "training/BankPair.h"

#include "training/AppPaths.h"
#include "text/Errors.h"
#include "text/Notices.h"
#include "text/OwnFile.h"
#include "text/TextFile.h"
#include "training/TrainingCatalogue.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kNew = QStringLiteral(".new");

// A save that failed before the journal: the reason, and that the old pair stays.
QString oldKept(const QString &reason)
{
    const QString kept = QStringLiteral("原题库没有改动");
    return reason.isEmpty() ? kept : reason + QStringLiteral("；") + kept;
}

// Renames are only as lasting as the folder that holds them.
void syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A folder, link or device where the pair keeps its own working files was
// not put there by a save: it goes aside, so that it neither blocks every
// later save nor is taken for part of the bank.
void clearWay(const QString &path)
{
    const OwnFile::Kind kind = OwnFile::kindOf(path);
    if (kind == OwnFile::Kind::Missing || kind == OwnFile::Kind::Regular)
        return;
    const QString aside = OwnFile::moveAside(path);
    Notices::tell(QStringLiteral("%1 挡住了题库的保存（%2），已把它移到 %3").arg(path, OwnFile::refusal(kind), aside));
}

} // namespace

BankPair::BankPair(QString questionPath, QString answerPath)
    : m_questions(std::move(questionPath)), m_answers(std::move(answerPath))
{
}

BankPair BankPair::ofRange(const ProgramFolders &folders, int rangeIndex)
{
    const TrainingCatalogue::TrainingRange &range = TrainingCatalogue::range(rangeIndex);
    const QString &folder = rangeIndex == 0 ? folders.user : folders.delivered;
    return {AppPaths::join(folder, range.questionFile), AppPaths::join(folder, range.answerFile)};
}

BankPair BankPair::withSuffix(const QString &suffix) const
{
    return {m_questions + suffix, m_answers + suffix};
}

QString BankPair::finishJournalled() const
{
    // Both new files were whole before the journal was written; one may
    // already be in place.
    for (const QString &path : {m_questions, m_answers}) {
        if (OwnFile::kindOf(path + kNew) == OwnFile::Kind::Regular && !OwnFile::renameOver(path + kNew, path))
            return path;
    }
    syncFolder(m_questions);
    OwnFile::removeEntry(journalPath());
    return {};
}

void BankPair::recover() const
{
    for (const QString &path : {journalPath(), m_questions + kNew, m_answers + kNew})
        clearWay(path);
    if (OwnFile::kindOf(journalPath()) == OwnFile::Kind::Regular) {
        if (const QString failed = finishJournalled(); !failed.isEmpty())
            throw FileOpenError(failed, QStringLiteral("上次中断的保存无法完成"));
        return;
    }
    for (const QString &path : {m_questions, m_answers})
        OwnFile::removeEntry(path + kNew); // a replacement that never got as far as its journal
}

bool BankPair::exists() const
{
    return OwnFile::kindOf(m_questions) != OwnFile::Kind::Missing || OwnFile::kindOf(m_answers) != OwnFile::Kind::Missing;
}

std::optional<std::pair<QByteArray, QByteArray>> BankPair::read() const
{
    if (!exists())
        return std::nullopt;
    auto bytes = [](const QString &path) {
        return OwnFile::kindOf(path) == OwnFile::Kind::Missing ? QByteArray()
                                                               : TextFile::readRegular(path, TextFile::Links::Refuse);
    };
    return std::pair{bytes(m_questions), bytes(m_answers)};
}

void BankPair::replace(const QByteArray &questions, const QByteArray &answers) const
{
    recover();
    for (const QString &path : {m_questions, m_answers}) {
        if (const OwnFile::Kind kind = OwnFile::kindOf(path); kind == OwnFile::Kind::Link || kind == OwnFile::Kind::Other)
            throw FileCreateError(path, oldKept(OwnFile::refusal(kind)));
    }
    // Until the journal is written, a failure leaves the old pair.
    auto undo = [this](const QString &path, const FileCreateError &error) {
        for (const QString &file : {m_questions, m_answers})
            OwnFile::removeEntry(file + kNew);
        OwnFile::removeEntry(journalPath());
        return FileCreateError(path, oldKept(error.reason()));
    };
    for (const auto &[path, bytes] : {std::pair{m_questions, questions}, std::pair{m_answers, answers}}) {
        try {
            OwnFile::replace(path + kNew, bytes);
        } catch (const FileCreateError &error) {
            throw undo(path, error);
        }
    }
    try {
        OwnFile::replace(journalPath(), QByteArrayLiteral("both new files are whole\n"));
    } catch (const FileCreateError &error) {
        throw undo(m_questions, error);
    }
    syncFolder(m_questions);
    // The first rename failing leaves the old pair whole; after it, the
    // journal finishes the new pair at the next read.
    if (!OwnFile::renameOver(m_questions + kNew, m_questions))
        throw undo(m_questions, FileCreateError(m_questions, QString::fromLocal8Bit(std::strerror(errno))));
    if (const QString failed = finishJournalled(); !failed.isEmpty())
        throw FileCreateError(failed, QStringLiteral("新题库已写好，下次读取题库时换上"));
}
