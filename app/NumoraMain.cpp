#include "app/NumoraMain.h"

#include "app/Form1Unit.h"
#include "app/PupilPicker.h"
#include "platform/AppFonts.h"
#include "platform/DateSource.h"
#include "platform/DrawSeed.h"
#include "platform/LazySound.h"
#include "platform/TerminationSignals.h"
#include "platform/UserDialogs.h"
#include "text/Errors.h"
#include "training/ClassFolder.h"
#include "training/ClassSession.h"
#include "training/ProgramFolders.h"
#include "widgets/xp/XP_Unit.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

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


// How long the start waits for a class folder on a share before it says so.
constexpr std::chrono::seconds kClassFolderLimit{5};

struct ClassChoice
{
    std::unique_ptr<ClassSession> session; // none: training without a class
    std::optional<int> exitCode;           // set when the program ends here
};

// The class of this launch and the pupil who trains: asked when not given,
// and a class folder that cannot be read is said, with the offer to train
// without it.
ClassChoice chooseClass(const QString &classFolder, const QString &pupil, const ProgramFolders &program,
                        UserDialogs &dialogs)
{
    QString why;
    const std::optional<Roster> roster = ClassSession::readRoster(classFolder, kClassFolderLimit, &why);
    if (!roster || roster->names.isEmpty()) {
        const QString reason = roster ? QStringLiteral("班级名单里没有名字") : why;
        const auto answer = dialogs.messageBox(
            kApplicationTitle,
            QStringLiteral("现在读不到班级的名单（%1）。\n不用班级，直接训练吗？训练记录会留在这台电脑上。").arg(reason),
            UserDialogs::Icon::Warning, UserDialogs::Buttons::YesNo);
        if (answer == UserDialogs::Answer::Yes)
            return {};
        return {nullptr, 0};
    }
    if (!roster->refused.isEmpty()) {
        QStringList lines;
        for (const RosterRefusal &refusal : roster->refused)
            lines << refusalText(refusal);
        std::fprintf(stderr, "numora: %s\n", qPrintable(lines.join(u'\n')));
    }
    QString name = pupil;
    if (name.isEmpty()) {
        name = PupilPicker::ask(roster->names);
        if (name.isEmpty())
            return {nullptr, 0};
    } else if (!roster->names.contains(name)) {
        std::fprintf(stderr, "numora: %s\n",
                     qPrintable(QStringLiteral("班级名单里没有“%1”").arg(name)));
        return {nullptr, 2};
    }
    return {std::make_unique<ClassSession>(classFolder, name, program), std::nullopt};
}

} // namespace

int runNumora(int argc, char *argv[], const std::function<void()> &whenPainted)
{
    QApplication app(argc, argv);
    AppFonts::installSubstitutions();
    installChineseStandardTexts();
    QApplication::setApplicationName(kApplicationTitle);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Numora 口算训练。"));
    parser.addHelpOption();
    const QCommandLineOption classOption(
        QStringLiteral("class"),
        QStringLiteral("班级文件夹：训练记录存到这里每个学生的文件夹里。不给时读 numora.conf 里的 ClassFolder=（便携版放在程序旁边，"
                       "安装版放在 ~/.config/numora/，整个机房放在 /etc/xdg/numora/）；都没有时不用班级。"),
        QStringLiteral("FOLDER"));
    const QCommandLineOption pupilOption(QStringLiteral("pupil"), QStringLiteral("训练的学生，要在班级名单里；不给时先问。"),
                                         QStringLiteral("NAME"));
    parser.addOptions({classOption, pupilOption});
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "numora: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }

    SystemDateSource dates;
    QtUserDialogs dialogs(nullptr, kApplicationTitle);
    const NoticeBoxes notices(&dialogs);
    const auto inform = [&dialogs](const QString &caption, const QString &text) {
        dialogs.messageBox(caption, text, UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
    };
    if (!XPStartUp(QCoreApplication::arguments(), inform))
        return 0; // the notice switch: the window never opens
    const ProgramFolders program = ProgramFolders::ofThisProgram();
    const QString classFolder = parser.isSet(classOption)
                                    ? parser.value(classOption)
                                    : ClassFolder::configuredFolder(ClassFolder::settingFiles(program));
    ClassChoice choice;
    if (!classFolder.isEmpty())
        choice = chooseClass(classFolder, parser.value(pupilOption), program, dialogs);
    if (choice.exitCode)
        return *choice.exitCode;
    ClassSession *session = choice.session.get();
    const ProgramFolders folders = session ? session->folders() : program;
    try {
        UserData::prepare(folders);
    } catch (const NumoraError &error) {
        dialogs.errorBox(error.text()); // the delivered ranges still train
    }
    if (session) {
        session->fetchBank(kClassFolderLimit);
        session->deliver(); // what an earlier launch kept
    }
    LazySoundOutput sound(folders.modules);
    FormServices services{&dialogs, &dates, &sound, [] { QCoreApplication::quit(); }, DrawSeed::forLaunch()};
    if (session) {
        // The run's record went off when it was written: a share that
        // answers has it before the box shows.
        services.recordNotice = [session] {
            switch (session->awaitDelivery(std::chrono::milliseconds(80))) {
            case ClassSession::Delivery::Delivered:
                break;
            case ClassSession::Delivery::Kept:
                return QStringLiteral("现在连不上班级文件夹，这次的训练记录先保存在这台电脑上，"
                                      "等连上学校的网络后会自动送过去。");
            case ClassSession::Delivery::UnderWay:
                return QStringLiteral("训练记录正在送往班级文件夹；送不到的话，会先保存在这台电脑上，以后自动送过去。");
            }
            return QString();
        };
        services.recordsFolder = session->recordsFolder();
    }
    TForm1 form(folders, services);
    dialogs.setParentWindow(&form);
    if (session) {
        form.greet(session->pupil());
        // Each record goes to the class folder as soon as it is written, and
        // what could not go is tried again while the program runs.
        QObject::connect(&form.model(), &TrainingModel::recordWritten, session, &ClassSession::deliver);
        QObject::connect(&form.editor(), &BankEditor::bankSaved, session, &ClassSession::bankEdited);
        auto *retry = new QTimer(&form);
        QObject::connect(retry, &QTimer::timeout, session, &ClassSession::deliver);
        retry->start(std::chrono::minutes(1));
    }
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
