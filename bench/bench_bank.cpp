// Loading a bank: "登    陆" in the real window against reading and decoding
// the same two files into line lists alone.
// Usage: bench_bank generate FOLDER LINES | reference FOLDER | login FOLDER
#include "BenchReport.h"
#include "app/Form1Unit.h"
#include "platform/DateSource.h"
#include "platform/UserDialogs.h"
#include "training/SoundOutput.h"
#include "training/TextFile.h"
#include "widgets/flat/TFlatComboBoxUnit.h"
#include "widgets/xp/XP_Button.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

class SilentSound : public SoundOutput
{
public:
    void play(const QString &) override {}
};

void generate(const QString &folder, int lines)
{
    QDir().mkpath(folder + "/data");
    QByteArray questions, answers;
    for (int i = 0; i < lines; ++i) {
        const int a = (i * 7919) % 1000, b = (i * 104729) % 1000;
        questions += QByteArray::number(a) + "\xA3\xAB" + QByteArray::number(b) + "=\r\n"; // ＋ in GBK
        answers += QByteArray::number(a + b) + "\r\n";
    }
    QFile q(folder + "/data/201.tm"), d(folder + "/data/201.da");
    if (q.open(QIODevice::WriteOnly))
        q.write(questions);
    if (d.open(QIODevice::WriteOnly))
        d.write(answers);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    if (mode == "generate") {
        generate(folder, argc > 3 ? atoi(argv[3]) : 1000000);
        return 0;
    }
    QApplication app(argc, argv);
    if (mode == "reference") {
        reportMark("before");
        const QStringList answers = TextFile::readLines(folder + "/data/201.da");
        const QStringList questions = TextFile::readLines(folder + "/data/201.tm");
        reportMark("loaded");
        return answers.size() == questions.size() ? 0 : 1;
    }
    SilentSound sound;
    SystemDateSource date;
    QtUserDialogs dialogs(nullptr, QStringLiteral("bench"));
    TForm1 form(folder, {&dialogs, &date, &sound, [] {}});
    for (auto [box, index] : {std::pair{form.FlatComboBox1, 1}, {form.FlatComboBox2, 1}, {form.FlatComboBox3, 0}}) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    reportMark("before");
    form.FlatButton1->click();
    reportMark("loaded");
    return form.model().questionLines().isEmpty() ? 1 : 0;
}
