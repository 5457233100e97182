#include "report/ReportCommandLine.h"

#include "report/ProgressChart.h"
#include "report/ReportTables.h"
#include "report/RunCollection.h"
#include "text/Errors.h"
#include "training/MistakeBook.h"
#include "text/TextFile.h"

#include <algorithm>

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

namespace ReportCommandLine {

namespace {

void tell(const QString &text)
{
    std::fprintf(stderr, "numora-report: %s\n", text.toLocal8Bit().constData());
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    try {
        TextFile::replaceFile(path, bytes);
        return true;
    } catch (const FileCreateError &error) {
        tell(error.text());
        return false;
    }
}

} // namespace

bool wanted(const QStringList &arguments)
{
    // Any option, known or not, is for the command line; folders are not options.
    for (const QString &argument : arguments.mid(1)) {
        if (argument.startsWith(u'-'))
            return true;
    }
    return false;
}

int run(const QStringList &arguments, const QString &programFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Numora 成绩册：训练记录的成绩表、图表和错题本。"));
    parser.addHelpOption();
    const QCommandLineOption csv("csv", QStringLiteral("把成绩表写成 CSV 文件。"), QStringLiteral("FILE"));
    const QCommandLineOption mistakesCsv("mistakes-csv", QStringLiteral("把错题本写成 CSV 文件。"), QStringLiteral("FILE"));
    const QCommandLineOption chart("chart", QStringLiteral("把图表写成 PNG 或 JPEG 图片。"), QStringLiteral("FILE.png|FILE.jpg"));
    const QCommandLineOption practice("practice", QStringLiteral("把全部错题写成自制题库（要加 --yes）。"));
    const QCommandLineOption yes("yes", QStringLiteral("确认 --practice 替换自制题库。"));
    parser.addOptions({csv, mistakesCsv, chart, practice, yes});
    parser.addPositionalArgument(QStringLiteral("folders"), QStringLiteral("训练记录所在的文件夹，默认是程序旁的 job 文件夹。"),
                                 QStringLiteral("[文件夹...]"));
    if (!parser.parse(arguments)) {
        tell(parser.errorText());
        return WrongArguments;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Done;
    }
    if (parser.isSet(practice) != parser.isSet(yes)) {
        tell(parser.isSet(practice) ? QStringLiteral("--practice 会替换自制题库，请加 --yes 确认")
                                    : QStringLiteral("--yes 只用于 --practice"));
        return WrongArguments;
    }
    const char *chartFormat = parser.isSet(chart) ? ProgressChart::formatFor(parser.value(chart)) : nullptr;
    if (parser.isSet(chart) && !chartFormat) {
        tell(QStringLiteral("图表只能写成 PNG 或 JPEG 图片（.png、.jpg）：%1").arg(parser.value(chart)));
        return WrongArguments;
    }
    QStringList folders = parser.positionalArguments();
    if (folders.isEmpty())
        folders << QDir(programFolder).filePath(QStringLiteral("job"));

    const RunCollection collection = collectRuns(folders);
    // Tables of only some of the folders asked for would pass for the whole.
    if (!collection.unreadableFolders.isEmpty()) {
        for (const QString &folder : collection.unreadableFolders)
            tell(QStringLiteral("无法读取文件夹 %1，什么也没有写").arg(folder));
        return UnreadableFolder;
    }
    for (const SkippedFile &file : collection.skipped)
        tell(QStringLiteral("跳过 %1：%2").arg(file.path, file.reason));
    const QList<Mistake> mistakes = MistakeBook::collect(collection.runs);
    const auto mastered = std::count_if(mistakes.begin(), mistakes.end(), [](const Mistake &m) { return m.mastered(); });
    tell(QStringLiteral("%1 次训练，%2 道错题，%3 道已掌握")
             .arg(collection.runs.size())
             .arg(mistakes.size() - mastered)
             .arg(mastered));

    bool written = true;
    if (parser.isSet(csv)) {
        QList<ReportRow> rows;
        for (const RecordedRun &run : collection.runs)
            rows.append(ReportTables::runRow(run));
        written &= writeFile(parser.value(csv), ReportTables::csv(ReportTables::runHeaders(), rows));
    }
    if (parser.isSet(mistakesCsv)) {
        QList<ReportRow> rows;
        for (const Mistake &mistake : mistakes)
            rows.append(ReportTables::mistakeRow(mistake));
        written &= writeFile(parser.value(mistakesCsv), ReportTables::csv(ReportTables::mistakeHeaders(), rows));
    }
    if (parser.isSet(chart)) {
        ProgressChart view;
        view.setRuns(collection.runs);
        written &= writeFile(parser.value(chart), ProgressChart::encode(view.picture(QSize(900, 500)), chartFormat));
    }
    if (parser.isSet(practice)) {
        try {
            tell(QStringLiteral("已把 %1 道错题写成自制题库")
                     .arg(MistakeBook::writePracticeBank(programFolder, mistakes)));
        } catch (const NumoraError &error) {
            tell(error.text());
            written = false;
        }
    }
    return written ? Done : WriteFailed;
}

} // namespace ReportCommandLine
