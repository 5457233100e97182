#pragma once

#include "training/ProgramFolders.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A roster line that names no pupil folder, and why.
struct RosterRefusal
{
    int line = 0; // counted from 1
    QString text;
    QString reason;
};

// "第 3 行“../x”：名字里不能有 /、\ 或 .."
QString refusalText(const RosterRefusal &refusal);

struct Roster
{
    QStringList names; // in the roster's order
    QList<RosterRefusal> refused;
};

// A class folder: the roster 名单.txt, one folder a pupil laid out as a
// user's own (job/ for records, data/ for a bank the teacher set for that
// pupil), and data/ for the class's own bank.
namespace ClassFolder {

// A roster's bytes as text: UTF-8, or GBK as a spreadsheet on a Chinese
// desktop exports it, told apart by whether the bytes are UTF-8.
QString rosterText(const QByteArray &bytes);
// Why a name cannot be a pupil's or a class's folder (it could leave the
// folder, or a shared drive cannot keep it), or nothing.
QString nameRefusal(const QString &name);

QString rosterPath(const QString &classFolder);
// A class's name on this computer, whatever its folder's characters: the
// folder of its kept records and of its cache of records read.
QString localKey(const QString &classFolder);
QString pupilFolder(const QString &classFolder, const QString &pupil);

// One pupil a line, UTF-8 or GBK (as a spreadsheet on a Chinese desktop
// exports it), told apart by whether the bytes are UTF-8. Blank lines and
// surrounding blanks are passed over. A name that could leave the folder or
// that no shared drive keeps as a folder, and a repeat of an earlier name
// (letters compared without case, as a Windows share does), is refused with
// its line; the other names stand.
Roster parseRoster(const QByteArray &bytes);
// Throws FileOpenError when the roster cannot be read.
Roster readRoster(const QString &classFolder);
// Sets up a class: the pupils' folders, then the roster (UTF-8, a name a
// line), in a folder that has no roster yet. A roster with a refused line
// or no name makes nothing and returns it; an existing roster is never
// replaced. Throws FileCreateError, having removed what it made.
Roster create(const QString &classFolder, const QByteArray &rosterBytes);
// Pupil folders (folders with a job/ folder) of names not on the roster,
// by name: a pupil taken off the roster, or a folder made by hand.
QStringList unlistedPupils(const QString &classFolder, const QStringList &rosterNames);

// Where numora.conf is looked for, in order: beside a portable program;
// for an installed one the user's config folder, then the computer's
// ($XDG_CONFIG_DIRS, by default /etc/xdg, as a computer room's disk image
// sets it).
QStringList settingFiles(const ProgramFolders &folders);
// "ClassFolder=" of the first of those files that has the line, a relative
// folder read from the file's own; empty when none has it.
QString configuredFolder(const QStringList &settingFiles);

} // namespace ClassFolder
