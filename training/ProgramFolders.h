#pragma once

#include <QString>

// Where the program's files are. A portable program folder holds everything
// beside the executable; an installed program reads the banks and sounds it
// delivers from a shared folder and keeps each user's records and custom
// bank in that user's data folder, laid out the same way (job/, data/).
struct ProgramFolders
{
    // A portable program folder: everything in it. Implicit, since a folder
    // of its own is what tests and the portable program give.
    ProgramFolders(const QString &programFolder)
        : delivered(programFolder), user(programFolder), modules(programFolder)
    {
    }
    ProgramFolders(QString deliveredFolder, QString userFolder, QString moduleFolder)
        : delivered(std::move(deliveredFolder)), user(std::move(userFolder)), modules(std::move(moduleFolder))
    {
    }

    // A folder with data/ beside the executable is a portable program
    // folder, whatever else is there; otherwise the installed layout:
    // ../share/numora, ../lib/<architecture>/numora and dataHome/numora.
    static ProgramFolders forExecutable(const QString &executableFolder, const QString &dataHome);
    // The folders of the running program and its user.
    static ProgramFolders ofThisProgram();

    bool installed() const { return user != delivered; }

    QString delivered; // the delivered banks (data/) and sounds (sound/)
    QString user;      // records (job/) and the custom bank (data/make.tm, make.da)
    QString modules;   // the sound module
};

namespace UserData {

// $HOME, or the home folder from the user database when it is unset.
QString homeFolder();

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share, the home
// folder from the user database when HOME is unset.
QString home();

// Makes the user's job/ and data/ folders of an installed program and, the
// first time, gives the user a copy of the delivered custom bank. Throws
// FileCreateError when a folder or the copy cannot be made.
void prepare(const ProgramFolders &folders);

} // namespace UserData
