#include "platform/AppFonts.h"
#include "platform/UserDialogs.h"
#include "report/ReportCommandLine.h"
#include "report/ReportWindow.h"

#include <QApplication>
#include <QDir>

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
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (commandLine)
        return ReportCommandLine::run(QCoreApplication::arguments(), programFolder);

    QtUserDialogs dialogs(nullptr, QStringLiteral("Numora 成绩册"));
    ReportWindow window(programFolder, &dialogs);
    dialogs.setParentWindow(&window);
    const QStringList folders = QCoreApplication::arguments().mid(1);
    window.openFolders(folders.isEmpty() ? QStringList{QDir(programFolder).filePath(QStringLiteral("job"))} : folders);
    window.show();
    return app.exec();
}
