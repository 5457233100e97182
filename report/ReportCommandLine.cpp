#include "report/ReportCommandLine.h"

#include "report/ClassReport.h"
#include "report/FluencyReport.h"
#include "report/ProgressChart.h"
#include "report/ReportTables.h"
#include "report/RunCollection.h"
#include "report/WorksheetPages.h"
#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/MistakeBook.h"
#include "training/RecordName.h"
#include "training/TimeLimitSetting.h"
#include "training/TrainingCatalogue.h"

#include <algorithm>
#include <variant>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

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
        tell(error.localText());
        return false;
    }
}

struct WorksheetOptions
{
    QCommandLineOption worksheet{"worksheet", QStringLiteral("把口算题卡写成 PDF：范围 1–12，或 mistakes（也可写 M，错题本）。"),
                                 QStringLiteral("RANGE")};
    QCommandLineOption count{"count", QStringLiteral("题卡的题数，1–200，默认 100。"), QStringLiteral("N"), QStringLiteral("100")};
    QCommandLineOption columns{"columns", QStringLiteral("题卡的列数，1–5，默认 4。"), QStringLiteral("C"), QStringLiteral("4")};
    QCommandLineOption seed{"seed", QStringLiteral("题卡号的最后六位，同一个号得到同一张题卡（错题本的题卡只在错题本不变时相同）。"), QStringLiteral("CODE")};
    QCommandLineOption pdf{"pdf", QStringLiteral("题卡写成的 PDF 文件。"), QStringLiteral("FILE.pdf")};
};

// The recipe the options ask for, or a message saying what is wrong.
std::variant<SheetRecipe, QString> worksheetRecipe(const QCommandLineParser &parser, const WorksheetOptions &options)
{
    const QString range = parser.value(options.worksheet);
    // "M" as in the sheet codes of the 错题本 ("M-20-3-K7M2QX").
    const bool mistakes = range == QStringLiteral("mistakes") || range.compare(QStringLiteral("M"), Qt::CaseInsensitive) == 0;
    auto source = mistakes ? std::optional<int>(SheetRecipe::kMistakes)
                           : Worksheet::boundedNumber(range, 1, TrainingCatalogue::kRangeCount);
    if (range == QStringLiteral("class-mistakes"))
        source = SheetRecipe::kClassMistakes;
    else if (range == QStringLiteral("class"))
        source = SheetRecipe::kClassPupils;
    if (!source)
        return QStringLiteral("题卡的范围要是 1 到 12 之间的数，或者 mistakes、M、class、class-mistakes：%1").arg(range);
    const auto count = Worksheet::boundedNumber(parser.value(options.count), 1, Worksheet::kMaxCount);
    if (!count)
        return QStringLiteral("题卡的题数要在 1 到 200 之间：%1").arg(parser.value(options.count));
    const auto columns = Worksheet::boundedNumber(parser.value(options.columns), 1, Worksheet::kMaxColumns);
    if (!columns)
        return QStringLiteral("题卡的列数要在 1 到 5 之间：%1").arg(parser.value(options.columns));
    const auto seed = parser.isSet(options.seed) ? Worksheet::parseSeed(parser.value(options.seed))
                                                 : std::optional<quint32>(Worksheet::newSeed());
    if (!seed)
        return QStringLiteral("题卡号要是六个字母或数字：%1").arg(parser.value(options.seed));
    if (!parser.isSet(options.pdf))
        return QStringLiteral("--worksheet 要用 --pdf 给出写成的文件");
    return SheetRecipe{*source, *count, *columns, *seed};
}

int writeWorksheet(const SheetRecipe &recipe, const QString &path, const QStringList &folders,
                   const ProgramFolders &programFolders)
{
    QList<SheetQuestion> pool;
    if (recipe.source == SheetRecipe::kMistakes) {
        const RunCollection collection = collectRuns(folders);
        if (!collection.unreadableFolders.isEmpty()) {
            tell(QStringLiteral("无法读取文件夹 %1，什么也没有写").arg(collection.unreadableFolders.join(u'、')));
            return UnreadableFolder;
        }
        pool = Worksheet::usable(MistakeBook::collect(collection.runs));
    } else {
        try {
            pool = Worksheet::rangeQuestions(programFolders, recipe.source);
        } catch (const NumoraError &error) {
            tell(error.localText());
            return WrongArguments;
        }
    }
    if (pool.isEmpty()) {
        tell(QStringLiteral("%1中没有能放进题卡的题目，什么也没有写").arg(Worksheet::sourceName(recipe.source)));
        return WrongArguments;
    }
    const Sheet sheet{Worksheet::defaultTitle(recipe.source),
                      Worksheet::draw(pool, recipe.count, recipe.seed), recipe.columns, recipe.code()};
    if (!writeFile(path, WorksheetPages::pdf(sheet)))
        return WriteFailed;
    tell(QStringLiteral("已把题卡 %1 写成 %2").arg(recipe.code(), path));
    return Done;
}

ClassRecords readClassSaying(const QString &classFolder)
{
    ClassRecords records = ClassReport::read(classFolder);
    for (const RosterRefusal &refusal : std::as_const(records.refused))
        tell(QStringLiteral("名单") + refusalText(refusal));
    for (const PupilRecords &pupil : std::as_const(records.pupils)) {
        if (!pupil.unreadable.isEmpty())
            tell(QStringLiteral("%1：%2").arg(pupil.name, pupil.unreadable));
    }
    for (const SkippedFile &file : std::as_const(records.skipped))
        tell(QStringLiteral("跳过 %1：%2").arg(file.path, file.reason));
    return records;
}

bool allRead(const ClassRecords &records)
{
    return std::none_of(records.pupils.begin(), records.pupils.end(),
                        [](const PupilRecords &pupil) { return !pupil.unreadable.isEmpty(); });
}

int writeClassWorksheet(const SheetRecipe &recipe, const QString &path, const ClassRecords &records)
{
    const QList<Sheet> sheets = ClassReport::sheets(records, recipe);
    if (sheets.isEmpty()) {
        tell(QStringLiteral("班级里没有能放进题卡的错题，什么也没有写"));
        return WrongArguments;
    }
    const QString className = QFileInfo(records.folder).fileName();
    if (!writeFile(path, WorksheetPages::pdf(sheets, className + QStringLiteral("　口算题卡"))))
        return WriteFailed;
    tell(QStringLiteral("已把 %1 张题卡 %2 写成 %3").arg(sheets.size()).arg(recipe.code(), path));
    return allRead(records) ? Done : UnreadableFolder;
}

int writeClassPractice(const ClassRecords &records)
{
    const ClassReport::PracticeWritten written = ClassReport::writePracticeBanks(records);
    for (const QString &failure : written.failures)
        tell(failure);
    tell(QStringLiteral("已为 %1 个学生写好练习题库，共 %2 道题").arg(written.pupils).arg(written.questions));
    if (!written.failures.isEmpty())
        return WriteFailed;
    return allRead(records) ? Done : UnreadableFolder;
}

// The class tables: a row a pupil, and the questions the class misses.
int writeClassTables(const ClassRecords &records, const QString &pupilsCsv, const QString &mistakesCsv)
{
    tell(QStringLiteral("%1 个学生").arg(records.pupils.size()));
    bool written = true;
    if (!pupilsCsv.isEmpty()) {
        const QList<ReportRow> rows = ClassReport::pupilRows(records.pupils, QDate::currentDate());
        written &= writeFile(pupilsCsv, ReportTables::csv(ClassReport::pupilHeaders(), rows));
    }
    if (!mistakesCsv.isEmpty()) {
        const QList<ReportRow> rows = ClassReport::mistakeRows(ClassReport::mostMissed(records.pupils));
        written &= writeFile(mistakesCsv, ReportTables::csv(ClassReport::mistakeHeaders(), rows));
    }
    if (!written)
        return WriteFailed;
    return allRead(records) ? Done : UnreadableFolder;
}

// What is asked of a class: written with the pupils that could be read;
// one that could not is said, and the exit code tells.
int runForClass(const QCommandLineParser &parser, const WorksheetOptions &sheetOptions, const QString &classFolder,
                const QString &pupilsCsv, const QString &mistakesCsv, bool practice)
{
    std::optional<SheetRecipe> recipe;
    if (parser.isSet(sheetOptions.worksheet)) {
        const auto asked = worksheetRecipe(parser, sheetOptions);
        if (const QString *wrong = std::get_if<QString>(&asked)) {
            tell(*wrong);
            return WrongArguments;
        }
        recipe = std::get<SheetRecipe>(asked);
        if (recipe->source != SheetRecipe::kClassMistakes && recipe->source != SheetRecipe::kClassPupils) {
            tell(QStringLiteral("和 --class 一起时，--worksheet 要是 class 或 class-mistakes"));
            return WrongArguments;
        }
    }
    ClassRecords records;
    try {
        records = readClassSaying(classFolder);
    } catch (const NumoraError &error) {
        tell(error.localText());
        return UnreadableFolder;
    }
    int exitCode = writeClassTables(records, pupilsCsv, mistakesCsv);
    if (recipe) {
        exitCode = std::max(exitCode, writeClassWorksheet(*recipe, parser.value(sheetOptions.pdf), records));
    }
    if (practice)
        exitCode = std::max(exitCode, writeClassPractice(records));
    return exitCode;
}

// A new class from a roster file; says the line for the computer room's
// numora.conf.
int initClass(const QString &classFolder, const QString &rosterFile)
{
    try {
        const Roster made = ClassFolder::create(classFolder, TextFile::readRegular(rosterFile));
        for (const RosterRefusal &refusal : made.refused)
            tell(QStringLiteral("名单") + refusalText(refusal));
        if (!made.refused.isEmpty() || made.names.isEmpty()) {
            tell(made.names.isEmpty() && made.refused.isEmpty() ? QStringLiteral("名单里没有名字，什么也没有建立")
                                                                : QStringLiteral("名单有问题，什么也没有建立"));
            return WrongArguments;
        }
        tell(QStringLiteral("已建立班级，%1 个学生。机房的 numora.conf 里写：").arg(made.names.size()));
        std::printf("ClassFolder=%s\n", qPrintable(QFileInfo(classFolder).absoluteFilePath()));
        return Done;
    } catch (const FileOpenError &error) {
        tell(error.localText());
        return WrongArguments;
    } catch (const NumoraError &error) {
        tell(error.localText());
        return WriteFailed;
    }
}

} // namespace

QString classToOpen(const QStringList &arguments)
{
    static const QString option = QStringLiteral("--class");
    if (arguments.size() == 3 && arguments.at(1) == option && !arguments.at(2).startsWith(u'-'))
        return arguments.at(2);
    if (arguments.size() == 2 && arguments.at(1).startsWith(option + u'='))
        return arguments.at(1).mid(option.size() + 1);
    return {};
}

bool wanted(const QStringList &arguments)
{
    if (!classToOpen(arguments).isEmpty())
        return false;
    // Any option, known or not, is for the command line; folders are not options.
    for (const QString &argument : arguments.mid(1)) {
        if (argument.startsWith(u'-'))
            return true;
    }
    return false;
}

int run(const QStringList &arguments, const ProgramFolders &programFolders)
{
    const QString &programFolder = programFolders.user;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Numora 成绩册：训练记录的成绩表、图表和错题本。"));
    parser.addHelpOption();
    const QCommandLineOption csv("csv", QStringLiteral("把成绩表写成 CSV 文件。"), QStringLiteral("FILE"));
    const QCommandLineOption mistakesCsv("mistakes-csv", QStringLiteral("把错题本写成 CSV 文件。"), QStringLiteral("FILE"));
    const QCommandLineOption chart("chart", QStringLiteral("把图表写成 PNG 或 JPEG 图片。"), QStringLiteral("FILE.png|FILE.jpg"));
    const QCommandLineOption practice("practice", QStringLiteral("把全部错题写成自制题库（要加 --yes）；和 --class 一起时，给每个学生写他自己的。"));
    const QCommandLineOption yes("yes", QStringLiteral("确认 --practice 或 --today 替换自制题库。"));
    const QCommandLineOption factsCsv("facts-csv", QStringLiteral("把每道题的熟练度（熟练、较慢、出错）写成 CSV 文件。"),
                                      QStringLiteral("FILE"));
    const QCommandLineOption limit("limit", QStringLiteral("熟练的时间限制：3、6 或 12 秒，默认是记录文件夹里设的，没有设就是 3。"),
                                   QStringLiteral("3|6|12"));
    const QCommandLineOption today("today", QStringLiteral("把今日练习（约 30 道：出错的、较慢的、该复习的、新的）写成自制题库（要加 --yes）。"));
    parser.addOptions({csv, mistakesCsv, chart, practice, yes, factsCsv, limit, today});
    const QCommandLineOption classFolder("class", QStringLiteral("班级文件夹：读全班每个学生的训练记录。"), QStringLiteral("FOLDER"));
    const QCommandLineOption classCsv("class-csv", QStringLiteral("把全班一览（每个学生一行）写成 CSV 文件。"), QStringLiteral("FILE"));
    const QCommandLineOption classMistakesCsv("class-mistakes-csv", QStringLiteral("把全班答错最多的题写成 CSV 文件。"),
                                              QStringLiteral("FILE"));
    const QCommandLineOption classInit("class-init", QStringLiteral("建立班级文件夹：名单和每个学生的文件夹（要用 --roster）。"),
                                       QStringLiteral("FOLDER"));
    const QCommandLineOption roster("roster", QStringLiteral("新班级的名单：每行一个名字，UTF-8 或 GBK。"), QStringLiteral("FILE"));
    parser.addOptions({classFolder, classCsv, classMistakesCsv, classInit, roster});
    const WorksheetOptions sheetOptions;
    parser.addOptions({sheetOptions.worksheet, sheetOptions.count, sheetOptions.columns, sheetOptions.seed,
                       sheetOptions.pdf});
    parser.addPositionalArgument(QStringLiteral("folders"), QStringLiteral("训练记录所在的文件夹，默认是训练程序的 job 文件夹。"),
                                 QStringLiteral("[文件夹...]"));
    if (!parser.parse(arguments)) {
        tell(parser.errorText());
        return WrongArguments;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Done;
    }
    if ((parser.isSet(practice) || parser.isSet(today)) != parser.isSet(yes)) {
        tell(parser.isSet(yes) ? QStringLiteral("--yes 只用于 --practice 和 --today")
                               : QStringLiteral("--practice 和 --today 会替换自制题库，请加 --yes 确认"));
        return WrongArguments;
    }
    if (parser.isSet(limit) && !FactFluency::timeLimits().contains(parser.value(limit).toInt())) {
        tell(QStringLiteral("时间限制要是 3、6 或 12 秒：%1").arg(parser.value(limit)));
        return WrongArguments;
    }
    const char *chartFormat = parser.isSet(chart) ? ProgressChart::formatFor(parser.value(chart)) : nullptr;
    if (parser.isSet(chart) && !chartFormat) {
        tell(QStringLiteral("图表只能写成 PNG 或 JPEG 图片（.png、.jpg）：%1").arg(parser.value(chart)));
        return WrongArguments;
    }
    if (parser.isSet(classInit) != parser.isSet(roster)) {
        tell(QStringLiteral("--class-init 和 --roster 要一起用"));
        return WrongArguments;
    }
    if (parser.isSet(classInit))
        return initClass(parser.value(classInit), parser.value(roster));
    if (parser.isSet(classFolder) && (parser.isSet(csv) || parser.isSet(mistakesCsv) || parser.isSet(chart)
                                      || parser.isSet(factsCsv) || parser.isSet(today)
                                      || !parser.positionalArguments().isEmpty())) {
        tell(QStringLiteral("--class 读整个班级：不能和 --csv、--mistakes-csv、--chart、--facts-csv、--today 或文件夹一起用"));
        return WrongArguments;
    }
    if (parser.isSet(classFolder))
        return runForClass(parser, sheetOptions, parser.value(classFolder), parser.value(classCsv),
                           parser.value(classMistakesCsv), parser.isSet(practice));
    if (parser.isSet(classCsv) || parser.isSet(classMistakesCsv)) {
        tell(QStringLiteral("--class-csv 和 --class-mistakes-csv 要用 --class 给出班级文件夹"));
        return WrongArguments;
    }
    QStringList folders = parser.positionalArguments();
    if (folders.isEmpty())
        folders << RecordName::jobFolder(programFolder);
    // A child's folder stands for its job folder.
    for (QString &folder : folders) {
        if (QFileInfo(RecordName::jobFolder(folder)).isDir())
            folder = RecordName::jobFolder(folder);
    }
    if (parser.isSet(today) && folders.size() > 1) {
        tell(QStringLiteral("--today 只给一个孩子写今日练习：只能给一个文件夹"));
        return WrongArguments;
    }
    // Whose range 1 today's practice replaces.
    const QString todayBank = parser.positionalArguments().isEmpty()
                                  ? programFolder
                                  : FluencyReport::appDirOfRecords(folders.constFirst());
    if (parser.isSet(today) && todayBank.isEmpty()) {
        tell(QStringLiteral("--today 要给孩子的文件夹或它的 job 文件夹，才知道题库写在哪里：%1").arg(folders.constFirst()));
        return WrongArguments;
    }
    if (parser.isSet(sheetOptions.worksheet)) {
        const auto recipe = worksheetRecipe(parser, sheetOptions);
        if (const QString *wrong = std::get_if<QString>(&recipe)) {
            tell(*wrong);
            return WrongArguments;
        }
        if (std::get<SheetRecipe>(recipe).source > TrainingCatalogue::kRangeCount) {
            tell(QStringLiteral("--worksheet %1 要用 --class 给出班级文件夹").arg(parser.value(sheetOptions.worksheet)));
            return WrongArguments;
        }
        return writeWorksheet(std::get<SheetRecipe>(recipe), parser.value(sheetOptions.pdf), folders, programFolders);
    }

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
            tell(error.localText());
            written = false;
        }
    }
    if (parser.isSet(factsCsv) || parser.isSet(today)) {
        const int seconds = parser.isSet(limit) ? parser.value(limit).toInt() : TimeLimitSetting::read(folders);
        const QList<Fact> facts = FactFluency::collect(collection.runs);
        if (parser.isSet(factsCsv)) {
            QList<ReportRow> rows;
            for (const Fact &fact : facts)
                rows.append(FluencyReport::factRow(fact, seconds));
            written &= writeFile(parser.value(factsCsv), ReportTables::csv(FluencyReport::factHeaders(), rows));
        }
        if (parser.isSet(today)) {
            try {
                tell(QStringLiteral("已把 %1 道今日练习写成自制题库")
                         .arg(FluencyReport::writeToday(todayBank, facts, seconds, programFolders)));
            } catch (const NumoraError &error) {
                tell(error.localText());
                written = false;
            }
        }
    }
    return written ? Done : WriteFailed;
}

} // namespace ReportCommandLine
