// The window's work on big files, each against its reference or its limit:
//   generate FOLDER LINES    a bank of LINES lines as range 2 and as the custom bank
//   record FILE MEGABYTES    a training record of about that size
//   reference FOLDER         reading and decoding range 2's files into line lists
//   login FOLDER             "登    陆" on range 2
//   answers FOLDER COUNT     a counted run of COUNT answers on range 2
//   editor FOLDER            the bank editor opening and saving the custom bank
//   viewer FILE              the record viewer opening FILE
//   huge FOLDER              a run over a bank whose question is a 10 MB line
#include "BenchReport.h"
#include "app/Form1Unit.h"
#include "support/ScriptedDialogs.h"
#include "training/SoundOutput.h"
#include "text/TextFile.h"
#include "widgets/flat/TFlatButtonUnit.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/flat/TFlatEditUnit.h"
#include "widgets/flat/TFlatMemoUnit.h"
#include "widgets/xp/XP_Button.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <numeric>

namespace {

class SilentSound : public SoundOutput
{
public:
    void play(const QString &) override {}
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void generateBank(const QString &folder, int lines)
{
    QDir().mkpath(folder + "/data");
    QByteArray questions, answers;
    for (int i = 0; i < lines; ++i) {
        const int a = (i * 7919) % 1000, b = (i * 104729) % 1000;
        questions += QByteArray::number(a) + "\xA3\xAB" + QByteArray::number(b) + "=\r\n"; // ＋ in GBK
        answers += QByteArray::number(a + b) + "\r\n";
    }
    for (const char *name : {"201", "make"}) {
        writeFile(folder + "/data/" + name + ".tm", questions);
        writeFile(folder + "/data/" + name + ".da", answers);
    }
}

void generateRecord(const QString &path, int megabytes)
{
    QByteArray record;
    for (int i = 1; record.size() < qsizetype(megabytes) << 20; ++i)
        record += "\xb5\xda" + QByteArray::number(i) + "\xcc\xe2    12\xa3\xab" "34=46    \xa1\xcc\r\n"; // 第i题 ... √
    writeFile(path, record);
}

// Milliseconds an action and the repaint after it keep the window busy.
double busyMs(QWidget &window, const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    window.repaint();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

struct Window
{
    SilentSound sound;
    FixedDate date{QStringLiteral("2026-12-8")};
    ScriptedDialogs dialogs;
    TForm1 form;

    explicit Window(const QString &folder) : form(folder, {&dialogs, &date, &sound, [] {}})
    {
        form.show();
        QCoreApplication::processEvents();
    }
    // Enter in the answer field.
    void submitAnswer()
    {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(form.FlatEdit2, &enter);
    }
    void choose(int range, int mode, int amount)
    {
        for (auto [box, index] : {std::pair{form.FlatComboBox1, range}, {form.FlatComboBox2, mode},
                                  {form.FlatComboBox3, amount}}) {
            box->setCurrentIndex(index);
            emit box->activated(index);
        }
    }
};

int login(const QString &folder)
{
    Window window(folder);
    window.choose(1, 1, 0);
    reportMark("before");
    window.form.FlatButton1->click();
    reportMark("loaded");
    return window.form.model().questionLines().isEmpty() ? 1 : 0;
}

int answers(const QString &folder, int count)
{
    Window window(folder);
    window.choose(1, 1, 0);
    window.dialogs.inputs << QString::number(count);
    window.form.FlatButton6->click();
    window.form.FlatButton1->click();
    window.form.FlatButton5->click(); // the start press
    QList<double> steps;
    for (int i = 0; i < count; ++i) {
        window.form.FlatEdit2->setText(QString::number(i % 1000));
        steps << busyMs(window.form, [&] { window.submitAnswer(); });
    }
    const int thousand = qMin(1000, count / 2);
    const auto mean = [&](qsizetype from) {
        return std::accumulate(steps.begin() + from, steps.begin() + from + thousand, 0.0) / thousand;
    };
    const double first = mean(0), last = mean(count - thousand);
    std::sort(steps.begin(), steps.end());
    const double median = steps.at(steps.size() / 2);
    std::printf("answers: %d steps, median %.3f ms, first thousand %.3f ms, last thousand %.3f ms\n", count, median,
                first, last);
    reportGoal("answer-median", median, 1.0, 1.0);
    reportGoal("answer-growth", last, first, 1.1);
    return window.dialogs.errors.isEmpty() ? 0 : 1;
}

// A run over a bank whose one question is a 10 MB line: the longest any
// step holds the window up, from 登陆 to the written record.
int hugeLine(const QString &folder)
{
    QDir().mkpath(folder + "/data");
    QDir().mkpath(folder + "/job");
    TextFile::writeLines(folder + "/data/201.tm", {QString(10'000'000, u'7') + "+1="});
    TextFile::writeLines(folder + "/data/201.da", {"8"});
    Window window(folder);
    window.choose(1, 1, 0);
    window.dialogs.inputs << "3";
    window.form.FlatButton6->click();
    QList<double> steps;
    steps << busyMs(window.form, [&] { window.form.FlatButton1->click(); });
    steps << busyMs(window.form, [&] { window.form.FlatButton5->click(); });
    for (int i = 0; i < 3; ++i) {
        window.form.FlatEdit2->setText("8");
        steps << busyMs(window.form, [&] { window.submitAnswer(); });
    }
    const double longest = *std::max_element(steps.begin(), steps.end());
    std::printf("a run over a 10 MB question: steps of %.0f, %.0f, %.0f, %.0f, %.0f ms\n", steps.at(0), steps.at(1),
                steps.at(2), steps.at(3), steps.at(4));
    reportGoal("huge-line-freeze", longest, 1000, 1.0);
    return window.dialogs.errors.isEmpty() ? 0 : 1;
}

// The pair is read and written off the interface thread: how long each
// takes, and the longest stretch the window could not answer meanwhile.
std::pair<double, double> untilBankIdle(TForm1 &form, const std::function<void()> &action)
{
    QElapsedTimer whole;
    whole.start();
    double freeze = busyMs(form, action);
    while (form.bankBusy())
        freeze = std::max(freeze, busyMs(form, [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5); }));
    return {whole.nsecsElapsed() / 1e6, freeze};
}

int editor(const QString &folder)
{
    Window window(folder);
    const auto [open, openFreeze] = untilBankIdle(window.form, [&] { window.form.FlatButton8->click(); });
    window.dialogs.answers << UserDialogs::Answer::Yes;
    const auto [save, saveFreeze] = untilBankIdle(window.form, [&] { window.form.FlatButton16->click(); });
    const double freeze = std::max(openFreeze, saveFreeze);
    std::printf("editor on %lld lines: opening %.1f ms, saving %.1f ms; the window held up %.1f ms at most\n",
                qlonglong(window.form.editor().questions()->rowCount()), open, save, freeze);
    reportGoal("editor-open", open, 1000, 1.0);
    reportGoal("editor-save", save, 1000, 1.0);
    reportGoal("editor-freeze", freeze, 100, 1.0);
    return window.dialogs.errors.isEmpty() ? 0 : 1;
}

int viewer(const QString &file)
{
    Window window(QFileInfo(file).absolutePath());
    window.dialogs.files << file;
    reportMark("before");
    window.form.FlatButton7->click();
    window.form.repaint();
    QCoreApplication::processEvents();
    reportMark("shown");
    return window.dialogs.errors.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const int number = argc > 3 ? atoi(argv[3]) : 0;
    if (mode == "generate") {
        generateBank(path, number);
        return 0;
    }
    if (mode == "record") {
        generateRecord(path, number);
        return 0;
    }
    QApplication app(argc, argv);
    if (mode == "reference") {
        reportMark("before");
        const QStringList answers = TextFile::readLines(path + "/data/201.da");
        const QStringList questions = TextFile::readLines(path + "/data/201.tm");
        reportMark("loaded");
        return answers.size() == questions.size() ? 0 : 1;
    }
    if (mode == "login")
        return login(path);
    if (mode == "answers")
        return answers(path, number);
    if (mode == "editor")
        return editor(path);
    if (mode == "huge")
        return hugeLine(path);
    if (mode == "viewer")
        return viewer(path);
    return 2;
}
