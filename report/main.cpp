#include "platform/AppFonts.h"
#include "platform/UserDialogs.h"
#include "report/ReportCommandLine.h"
#include "report/ReportWindow.h"
#include "text/Errors.h"
#include "training/ProgramFolders.h"
#include "training/RecordName.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool commandLine = ReportCommandLine::wanted(arguments);
    if (commandLine)
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no window, not even a display, is needed
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("numora-report"));
    AppFonts::installSubstitutions();
    installChineseStandardTexts();
    // The records and the custom bank the drill program of this folder uses.
    const ProgramFolders folders = ProgramFolders::ofThisProgram();
    QString problem;
    try {
        UserData::prepare(folders);
    } catch (const NumoraError &error) {
        problem = error.localText();
    }
    if (commandLine) {
        if (!problem.isEmpty())
            std::fprintf(stderr, "numora-report: %s\n", problem.toLocal8Bit().constData());
        return ReportCommandLine::run(QCoreApplication::arguments(), folders);
    }

    QtUserDialogs dialogs(nullptr, QStringLiteral("Numora 成绩册"));
    const NoticeBoxes notices(&dialogs);
    if (!problem.isEmpty())
        dialogs.errorBox(problem);
    ReportWindow window(folders, &dialogs);
    dialogs.setParentWindow(&window);
    const QString classFolder = ReportCommandLine::classToOpen(QCoreApplication::arguments());
    const QStringList chosen = QCoreApplication::arguments().mid(1);
    if (!classFolder.isEmpty())
        window.openClass(classFolder);
    else
        window.openFolders(chosen.isEmpty() ? QStringList{RecordName::jobFolder(folders.user)} : chosen);
    window.show();
    return app.exec();
}
