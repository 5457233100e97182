#include "training/BankPair.h"

#include "training/AppPaths.h"
#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/TrainingCatalogue.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kNew = QStringLiteral(".new");

// Renames are only as lasting as the folder that holds them.
void syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool renameOver(const QString &from, const QString &to)
{
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
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
    // Both new files were whole before the journal was written.
    for (const QString &path : {m_questions, m_answers}) {
        if (QFileInfo::exists(path + kNew) && !renameOver(path + kNew, path))
            return path;
    }
    syncFolder(m_questions);
    QFile::remove(journalPath());
    return {};
}

void BankPair::recover() const
{
    if (QFileInfo::exists(journalPath())) {
        if (const QString failed = finishJournalled(); !failed.isEmpty())
            throw FileOpenError(failed, QStringLiteral("an interrupted save cannot be finished"));
        return;
    }
    for (const QString &path : {m_questions, m_answers})
        QFile::remove(path + kNew); // a replacement that never got as far as its journal
}

bool BankPair::exists() const
{
    return QFileInfo::exists(m_questions) || QFileInfo::exists(m_answers);
}

std::optional<std::pair<QByteArray, QByteArray>> BankPair::read() const
{
    if (!exists())
        return std::nullopt;
    return std::pair{QFileInfo::exists(m_questions) ? TextFile::readRegular(m_questions) : QByteArray(),
                     QFileInfo::exists(m_answers) ? TextFile::readRegular(m_answers) : QByteArray()};
}

void BankPair::replace(const QByteArray &questions, const QByteArray &answers) const
{
    recover();
    for (const QString &path : {m_questions, m_answers}) {
        const QFileInfo target(path);
        if (target.exists() && !target.isFile())
            throw FileCreateError(path, QStringLiteral("not a regular file"));
    }
    for (const auto &[path, bytes] : {std::pair{m_questions, questions}, std::pair{m_answers, answers}}) {
        try {
            TextFile::replaceFile(path + kNew, bytes);
        } catch (const FileCreateError &) {
            recover(); // no journal yet: the new files go, the old pair stays
            throw FileCreateError(path);
        }
    }
    try {
        TextFile::replaceFile(journalPath(), QByteArrayLiteral("both new files are whole\n"));
    } catch (const FileCreateError &) {
        recover();
        throw FileCreateError(m_questions);
    }
    syncFolder(m_questions);
    if (const QString failed = finishJournalled(); !failed.isEmpty())
        throw FileCreateError(failed);
}
