#include "training/ProgramFolders.h"

#include "text/Errors.h"
#include "training/BankPair.h"
#include "training/RecordName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

ProgramFolders ProgramFolders::forExecutable(const QString &executableFolder, const QString &dataHome)
{
    const QDir beside(executableFolder);
    if (QFileInfo(beside.filePath(QStringLiteral("data"))).isDir())
        return ProgramFolders(executableFolder);
    return {QDir::cleanPath(beside.filePath(QStringLiteral("../share/numora"))),
            QDir(dataHome).filePath(QStringLiteral("numora")),
            QDir::cleanPath(beside.filePath(QStringLiteral("../" NUMORA_LIBRARY_FOLDER)))};
}

ProgramFolders ProgramFolders::ofThisProgram()
{
    return forExecutable(QCoreApplication::applicationDirPath(), UserData::home());
}

namespace UserData {

QString homeFolder()
{
    QString folder = qEnvironmentVariable("HOME");
    if (folder.isEmpty()) {
        if (const passwd *entry = ::getpwuid(::getuid()))
            folder = QFile::decodeName(entry->pw_dir);
    }
    return folder;
}

QString home()
{
    // A relative XDG_DATA_HOME is invalid and ignored.
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(configured))
        return configured;
    return QDir(homeFolder()).filePath(QStringLiteral(".local/share"));
}

void prepare(const ProgramFolders &folders)
{
    if (!folders.installed())
        return;
    const BankPair own = BankPair::custom(folders.user);
    for (const QString &folder : {RecordName::jobFolder(folders.user), QFileInfo(own.questionPath()).path()}) {
        if (!QDir().mkpath(folder))
            throw FileCreateError(folder);
    }
    own.recover();
    if (own.exists())
        return; // the user's bank, never replaced, and not read at every start
    if (const auto delivered = BankPair::custom(folders.delivered).read())
        own.replace(delivered->first, delivered->second);
}

} // namespace UserData
