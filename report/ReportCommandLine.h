#pragma once

#include "training/ProgramFolders.h"

#include <QStringList>

#include <optional>

// The report without a window, for scripts. Exit codes: 0 done, 1 wrong
// arguments, 2 a folder could not be read, 3 a file could not be written.
namespace ReportCommandLine {

enum ExitCode { Done = 0, WrongArguments = 1, UnreadableFolder = 2, WriteFailed = 3 };

// Whether the arguments ask for the command-line mode: they hold an option,
// other than a lone --class FOLDER, which opens the class in the window.
bool wanted(const QStringList &arguments);
// The FOLDER of a lone --class FOLDER (or --class=FOLDER); empty otherwise.
QString classToOpen(const QStringList &arguments);
// Runs it, with messages on standard error; the folders default to the
// user's job folder.
int run(const QStringList &arguments, const ProgramFolders &folders);

} // namespace ReportCommandLine
