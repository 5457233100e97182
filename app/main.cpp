#include "app/AppFonts.h"
#include "app/Form1Unit.h"
#include "platform/DateSource.h"
#include "platform/UserDialogs.h"
#include "platform/WavSound.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppFonts::installSubstitutions();
    QApplication::setApplicationName(kApplicationTitle);

    SystemDateSource dates;
    QtUserDialogs dialogs(nullptr, kApplicationTitle);
    WavSoundOutput sound;
    TForm1 form(QCoreApplication::applicationDirPath(), {&dialogs, &dates, &sound, [] { QCoreApplication::quit(); }});
    dialogs.setParentWindow(&form);
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}
