#include "app/NumoraMain.h"

#include "platform/AppFonts.h"
#include "app/Form1Unit.h"
#include "platform/DateSource.h"
#include "platform/DrawSeed.h"
#include "platform/UserDialogs.h"
#include "platform/LazySound.h"
#include "platform/TerminationSignals.h"
#include "text/Errors.h"
#include "training/ProgramFolders.h"
#include "widgets/xp/XP_Unit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

namespace {

// Tells once that the window has painted: the first paint of any of its
// controls starts the pass that paints them all, and the action runs after it.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, std::function<void()> action) : m_window(window), m_action(std::move(action))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == m_window) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, m_action);
        }
        return false;
    }

private:
    QWidget *m_window;
    std::function<void()> m_action;
};

} // namespace

int runNumora(int argc, char *argv[], const std::function<void()> &whenPainted)
{
    QApplication app(argc, argv);
    AppFonts::installSubstitutions();
    installChineseStandardTexts();
    QApplication::setApplicationName(kApplicationTitle);

    SystemDateSource dates;
    QtUserDialogs dialogs(nullptr, kApplicationTitle);
    const NoticeBoxes notices(&dialogs);
    const auto inform = [&dialogs](const QString &caption, const QString &text) {
        dialogs.messageBox(caption, text, UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
    };
    if (!XPStartUp(QCoreApplication::arguments(), inform))
        return 0; // the notice switch: the window never opens
    const ProgramFolders folders = ProgramFolders::ofThisProgram();
    try {
        UserData::prepare(folders);
    } catch (const NumoraError &error) {
        dialogs.errorBox(error.text()); // the delivered ranges still train
    }
    LazySoundOutput sound(folders.modules);
    TForm1 form(folders,
                {&dialogs, &dates, &sound, [] { QCoreApplication::quit(); }, DrawSeed::forLaunch()});
    dialogs.setParentWindow(&form);
    // The end of the desktop session records a run under way, unasked.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager &manager) {
        const bool mayAsk = manager.allowsInteraction();
        const bool end = form.endForSessionEnd(mayAsk);
        if (mayAsk)
            manager.release();
        if (!end)
            manager.cancel();
    });
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &form, [&form] {
        form.endForSessionEnd(false);
        QCoreApplication::quit();
    });
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    // The audio stack is loaded once the window is up, well before a
    // child can start a run and answer.
    FirstPaint mark(&form, [&sound, whenPainted] {
        if (whenPainted)
            whenPainted();
        sound.load();
    });
    form.show();
    return app.exec();
}
