#include "training/ClassFolder.h"

#include "text/Errors.h"
#include "text/OwnFile.h"
#include "text/TextFile.h"
#include "training/RecordName.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

QString refusalText(const RosterRefusal &refusal)
{
    return QStringLiteral("第 %1 行“%2”：%3").arg(refusal.line).arg(refusal.text, refusal.reason);
}

namespace ClassFolder {

namespace {

// Longest folder name most file systems keep, in UTF-8 bytes.
constexpr qsizetype kLongestName = 255;

QStringList decodedLines(const QByteArray &bytes)
{
    return rosterText(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

} // namespace

QString rosterText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return TextFile::decodeGbk(bytes);
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    return text;
}

QString nameRefusal(const QString &name)
{
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QStringLiteral("..")))
        return QStringLiteral("名字里不能有 /、\\ 或 ..");
    if (name.startsWith(u'.') || name.endsWith(u'.'))
        return QStringLiteral("名字不能以 . 开头或结尾");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("名字里有控制字符");
        // What a Windows share cannot hold in a name.
        if (QStringView(u":*?\"<>|").contains(c))
            return QStringLiteral("名字里不能有 : * ? \" < > |");
    }
    if (name.toUtf8().size() > kLongestName)
        return QStringLiteral("名字太长");
    return {};
}

QString localKey(const QString &classFolder)
{
    const QString absolute = QDir::cleanPath(QDir(classFolder).absolutePath());
    return QString::fromLatin1(QCryptographicHash::hash(absolute.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

QString rosterPath(const QString &classFolder)
{
    return QDir(classFolder).filePath(QStringLiteral("名单.txt"));
}

QString pupilFolder(const QString &classFolder, const QString &pupil)
{
    return QDir(classFolder).filePath(pupil);
}

Roster parseRoster(const QByteArray &bytes)
{
    Roster roster;
    QSet<QString> seen;
    const QStringList lines = decodedLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Blanks around a name, the ideographic one too, are no part of it.
        const QString name = lines.at(i).trimmed();
        if (name.isEmpty())
            continue;
        QString reason = nameRefusal(name);
        if (reason.isEmpty() && seen.contains(name.toCaseFolded()))
            reason = QStringLiteral("和前面的名字重复；同名的学生请写成不同的名字，如王伟A、王伟B");
        if (!reason.isEmpty()) {
            roster.refused.append({int(i + 1), name, reason});
            continue;
        }
        seen.insert(name.toCaseFolded());
        roster.names.append(name);
    }
    return roster;
}

Roster readRoster(const QString &classFolder)
{
    return parseRoster(TextFile::readRegular(rosterPath(classFolder)));
}

Roster create(const QString &classFolder, const QByteArray &rosterBytes)
{
    const Roster roster = parseRoster(rosterBytes);
    if (!roster.refused.isEmpty() || roster.names.isEmpty())
        return roster;
    const QString rosterFile = rosterPath(classFolder);
    if (OwnFile::kindOf(rosterFile) != OwnFile::Kind::Missing)
        throw FileCreateError(rosterFile, QStringLiteral("这个文件夹里已经有班级名单"));
    // Only what is made here is taken back on a failure.
    QStringList made;
    const auto takeBack = [&made] {
        for (auto folder = made.crbegin(); folder != made.crend(); ++folder)
            QDir().rmdir(*folder);
    };
    const auto makeFolder = [&made](const QString &folder) {
        if (QFileInfo(folder).isDir())
            return true;
        if (!QDir().mkdir(folder))
            return false;
        made << folder;
        return true;
    };
    if (!QFileInfo(classFolder).isDir()) {
        if (!QDir().mkpath(classFolder))
            throw FileCreateError(classFolder, QStringLiteral("无法建立文件夹"));
        made << classFolder;
    }
    for (const QString &name : roster.names) {
        const QString pupil = pupilFolder(classFolder, name);
        if (!makeFolder(pupil) || !makeFolder(RecordName::jobFolder(pupil))) {
            takeBack();
            throw FileCreateError(pupil, QStringLiteral("无法建立文件夹"));
        }
    }
    try {
        OwnFile::replace(rosterFile, (roster.names.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    } catch (const FileCreateError &) {
        takeBack();
        throw;
    }
    return roster;
}

QStringList unlistedPupils(const QString &classFolder, const QStringList &rosterNames)
{
    QSet<QString> listed;
    for (const QString &name : rosterNames)
        listed.insert(name.toCaseFolded());
    QStringList unlisted;
    const QDir folder(classFolder);
    for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        // data/ is the class's own bank; a refused name is never a pupil.
        if (name == QLatin1String("data") || listed.contains(name.toCaseFolded()) || !nameRefusal(name).isEmpty())
            continue;
        if (QFileInfo(RecordName::jobFolder(folder.filePath(name))).isDir())
            unlisted << name;
    }
    return unlisted;
}

QStringList settingFiles(const ProgramFolders &folders)
{
    const QString name = QStringLiteral("numora/numora.conf");
    if (!folders.installed())
        return {QDir(folders.delivered).filePath(QStringLiteral("numora.conf"))};
    QString userConfig = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(userConfig))
        userConfig = QDir(UserData::homeFolder()).filePath(QStringLiteral(".config"));
    QStringList files{QDir::cleanPath(QDir(userConfig).filePath(name))};
    QStringList computer = qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts);
    if (computer.isEmpty())
        computer << QStringLiteral("/etc/xdg");
    for (const QString &folder : std::as_const(computer)) {
        if (QDir::isAbsolutePath(folder))
            files << QDir(folder).filePath(name);
    }
    return files;
}

QString configuredFolder(const QStringList &settingFiles)
{
    static const QString key = QStringLiteral("ClassFolder=");
    for (const QString &file : settingFiles) {
        QStringList lines;
        try {
            lines = decodedLines(TextFile::readRegular(file));
        } catch (const FileOpenError &) {
            continue; // no setting there
        }
        for (const QString &line : std::as_const(lines)) {
            const QString setting = line.trimmed();
            if (!setting.startsWith(key))
                continue;
            const QString folder = setting.mid(key.size()).trimmed();
            return folder.isEmpty() ? QString() : QDir(QFileInfo(file).path()).filePath(folder);
        }
    }
    return {};
}

} // namespace ClassFolder
