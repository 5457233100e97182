#include "platform/AppFonts.h"
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
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (commandLine)
        return ReportCommandLine::run(QCoreApplication::arguments(), programFolder);

    ReportWindow window(programFolder);
    const QStringList folders = QCoreApplication::arguments().mid(1);
    window.openFolders(folders.isEmpty() ? QStringList{QDir(programFolder).filePath(QStringLiteral("job"))} : folders);
    window.show();
    return app.exec();
}
