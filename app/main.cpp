#include "app/AppFonts.h"
#include "app/Form1Unit.h"
#include "platform/DateSource.h"
#include "platform/UserDialogs.h"
#include "platform/WavSound.h"
#include "widgets/xp/XP_Unit.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AppFonts::installSubstitutions();
    QApplication::setApplicationName(kApplicationTitle);

    SystemDateSource dates;
    QtUserDialogs dialogs(nullptr, kApplicationTitle);
    const auto inform = [&dialogs](const QString &caption, const QString &text) {
        dialogs.messageBox(caption, text, UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
    };
    if (!XPStartUp(QCoreApplication::arguments(), inform))
        return 0; // the notice switch: the window never opens
    WavSoundOutput sound;
    TForm1 form(QCoreApplication::applicationDirPath(), {&dialogs, &dates, &sound, [] { QCoreApplication::quit(); }});
    dialogs.setParentWindow(&form);
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}
