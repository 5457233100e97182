#include "report/ProgressChart.h"
#include "report/ReportTables.h"
#include "report/FluencyReport.h"
#include "report/FluencyTab.h"
#include "report/ReportWindow.h"
#include "report/WorksheetTab.h"
#include "support/ScriptedDialogs.h"
#include "text/TextFile.h"

#include <QChart>
#include <QDir>
#include <QLineSeries>
#include <QHeaderView>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <QSpinBox>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void csvBytes();
    void commandLineExitCodes_data();
    void commandLineExitCodes();
    void dateTicks_data();
    void dateTicks();
    void runsSitOnTheirDays();
    void chartInWords_data();
    void chartInWords();
    void keyboardTicksAndSorts();
    void windowFillsTableChartAndMistakes();
    void restoreButtonPutsTheTeachersBankBack();
    void newFoldersAbandonTheReadingUnderWay();
    void worksheetOfTickedMistakesAndItsCode();
    void classTabOpensEachPupil();
    void factsFollowTheTimeLimit_data();
    void factsFollowTheTimeLimit();
    void freshQuestionsComeFromTheRangeTrainedMost();

private:
    // A job folder with two runs: 7×8= wrong twice, 9+7= wrong once.
    static void writeRecords(const QString &folder);
    // A report window over a job folder holding those runs.
    struct OnRecords
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        ReportWindow window{dir.path(), &dialogs};
        // Writes and reads the job folder; false when the reading never ends.
        bool read()
        {
            writeRecords(dir.filePath("job"));
            QSignalSpy loaded(&window, &ReportWindow::loaded);
            window.openFolders({dir.filePath("job")});
            return loaded.wait(10000);
        }
    };
};

void TestReport::writeRecords(const QString &folder)
{
    QDir().mkpath(folder);
    const auto record = [&folder](const QString &name, const QStringList &lines) {
        TextFile::writeLines(QDir(folder).filePath(name), lines);
    };
    record("2026-12-1-第1次.xl", {"第1题    7×8=54    ×", "第2题    9+7=15    ×", "训练时间为：60秒",
                                  "完成题数为：2道", "正确题数为：0道"});
    record("2026-12-2-第1次.xl", {"第1题    7×8=48    ×", "第2题    9+7=16    √", "第3题    9-3=6    √",
                                  "训练题数为：3道", "完成时间为：30秒", "正确题数为：2道"});
    record("notes.xl", {"not a record"});
}

void TestReport::csvBytes()
{
    const QByteArray bytes = ReportTables::csv({"题目", "a,b"}, {{{"say \"hi\"", {}}, {"1", 1}}});
    QCOMPARE(bytes, QByteArray("\xEF\xBB\xBF" "\xE9\xA2\x98\xE7\x9B\xAE,\"a,b\"\r\n\"say \"\"hi\"\"\",1\r\n"));
}

void TestReport::commandLineExitCodes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("written"); // every file beside the job folder afterwards
    QTest::newRow("tables") << QStringList{"--csv", "@/runs.csv", "--mistakes-csv", "@/mistakes.csv", "@/job"} << 0
                            << QStringList{"mistakes.csv", "runs.csv"};
    QTest::newRow("chart") << QStringList{"--chart", "@/chart.png", "@/job"} << 0 << QStringList{"chart.png"};
    QTest::newRow("chart as JPEG") << QStringList{"--chart", "@/chart.JPG", "@/job"} << 0 << QStringList{"chart.JPG"};
    QTest::newRow("chart in no known format") << QStringList{"--chart", "@/chart.gif", "@/job"} << 1 << QStringList();
    QTest::newRow("practice unconfirmed") << QStringList{"--practice", "@/job"} << 1 << QStringList();
    QTest::newRow("facts") << QStringList{"--facts-csv", "@/facts.csv", "--limit", "12", "@"} << 0
                           << QStringList{"facts.csv"};
    QTest::newRow("a limit not offered") << QStringList{"--facts-csv", "@/facts.csv", "--limit", "5", "@/job"} << 1
                                         << QStringList();
    QTest::newRow("today unconfirmed") << QStringList{"--today", "@/job"} << 1 << QStringList();
    QTest::newRow("today for two children") << QStringList{"--today", "--yes", "@/job", "@/job"} << 1 << QStringList();
    QTest::newRow("today in no child's folder") << QStringList{"--today", "--yes", "--facts-csv", "@/facts.csv", "@/job/data"}
                                                << 1 << QStringList();
    QTest::newRow("unknown option") << QStringList{"--colour"} << 1 << QStringList();
    // Once a header-only table was left behind.
    QTest::newRow("missing folder") << QStringList{"--csv", "@/runs.csv", "@/job", "@/nowhere"} << 2 << QStringList();
    QTest::newRow("unwritable file") << QStringList{"--csv", "@/job/notes.xl/runs.csv", "@/job"} << 3 << QStringList();
}

void TestReport::commandLineExitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, written);
    QTemporaryDir dir;
    writeRecords(dir.filePath("job"));
    arguments.replaceInStrings("@", dir.path());
    QProcess report;
    report.start(QStringLiteral(NUMORA_REPORT), arguments);
    QVERIFY(report.waitForFinished(30000));
    QCOMPARE(report.exitCode(), exitCode);
    if (exitCode != 0)
        QVERIFY(!report.readAllStandardError().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), written);
    for (const QString &name : written) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (name.endsWith(".csv"))
            QVERIFY(file.readAll().startsWith("\xEF\xBB\xBF"));
        else
            QCOMPARE(QImageReader(&file).format(), name.endsWith(".png") ? "png" : "jpeg");
    }
}

void TestReport::dateTicks_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<double>>("positions");
    QTest::newRow("one day") << QDate(2026, 12, 8) << QDate(2026, 12, 8) << QStringList{"12-7", "12-8", "12-9"}
                             << QList<double>{-1, 0, 1};
    QTest::newRow("four dates") << QDate(2026, 12, 1) << QDate(2026, 12, 4)
                                << QStringList{"11-30", "12-1", "12-2", "12-3", "12-4", "12-5"}
                                << QList<double>{-1, 0, 1, 2, 3, 4};
    QTest::newRow("a month: every fourth day") << QDate(2026, 11, 1) << QDate(2026, 11, 30)
                                               << QStringList{"10-31", "11-4", "11-8", "11-12", "11-16", "11-20", "11-24", "11-28"}
                                               << QList<double>{-1, 3, 7, 11, 15, 19, 23, 27};
    QTest::newRow("over new year") << QDate(2025, 12, 31) << QDate(2026, 1, 1)
                                   << QStringList{"2025-12-30", "2025-12-31", "2026-1-1", "2026-1-2"}
                                   << QList<double>{-1, 0, 1, 2};
}

void TestReport::dateTicks()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QStringList, labels);
    QFETCH(QList<double>, positions);
    QStringList gotLabels;
    QList<double> gotPositions;
    for (const DayTick &tick : dayTicks(first, last)) {
        gotLabels.append(tick.label);
        gotPositions.append(tick.x);
    }
    QCOMPARE(gotLabels, labels);
    QCOMPARE(gotPositions, positions);
}

void TestReport::runsSitOnTheirDays()
{
    RecordedRun first, second, other;
    first.date = second.date = QDate(2026, 12, 8);
    first.runNumber = 1;
    second.runNumber = 2;
    other.date = QDate(2026, 12, 10);
    other.runNumber = 1;
    const QDate origin(2026, 12, 8);
    QCOMPARE(dayPosition(first, origin), 0.0);
    QVERIFY(dayPosition(second, origin) > 0 && dayPosition(second, origin) < 0.1);
    QCOMPARE(dayPosition(other, origin), 2.0);
}

void TestReport::chartInWords_data()
{
    QTest::addColumn<QList<RecordedRun>>("runs");
    QTest::addColumn<QString>("words");
    const auto run = [](QDate date, int done, int right, int seconds) {
        RecordedRun r;
        r.date = date;
        r.done = done;
        r.right = right;
        r.seconds = seconds;
        return r;
    };
    const RecordedRun first = run({2026, 12, 1}, 10, 6, 60), better = run({2026, 12, 3}, 12, 12, 60),
                      worse = run({2026, 12, 3}, 10, 5, 60);
    QTest::newRow("none") << QList<RecordedRun>{} << "还没有训练记录。";
    QTest::newRow("one") << QList{first} << "共 1 次训练。最近一次，2026年12月1日：正确率 60%，每分钟 10.0 题。";
    QTest::newRow("better") << QList{first, better}
                            << "共 2 次训练。最近一次，2026年12月3日：正确率 100%，每分钟 12.0 题。"
                               "和第一次（2026年12月1日）相比，正确率提高 40 个百分点，每分钟多做 2.0 题。";
    QTest::newRow("worse, as fast") << QList{first, worse}
                                    << "共 2 次训练。最近一次，2026年12月3日：正确率 50%，每分钟 10.0 题。"
                                       "和第一次（2026年12月1日）相比，正确率下降 10 个百分点，速度不变。";
}

void TestReport::chartInWords()
{
    QFETCH(QList<RecordedRun>, runs);
    QFETCH(QString, words);
    QCOMPARE(describeProgress(runs), words);
}

// Without a mouse: Space ticks the row wherever its cell is, the sort menu
// sorts the table by a column and then the other way round.
void TestReport::keyboardTicksAndSorts()
{
    OnRecords report;
    QVERIFY(report.read());
    ReportWindow &window = report.window;
    QVERIFY(window.chart()->accessibleDescription().startsWith(QStringLiteral("共 2 次训练。")));

    QTableView *mistakes = window.mistakeTable();
    mistakes->setCurrentIndex(mistakes->model()->index(1, 3));
    QTest::keyClick(mistakes, Qt::Key_Space);
    QCOMPARE(window.chosenMistakes().size(), 1);
    QCOMPARE(mistakes->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    // A screen reader reads the tick with the question.
    QVERIFY(mistakes->model()->index(1, 0).data(Qt::AccessibleTextRole).toString().endsWith(QStringLiteral("，不练习")));
    QTest::keyClick(mistakes, Qt::Key_Space);
    QCOMPARE(window.chosenMistakes().size(), 2);

    QMenu *sort = nullptr;
    for (QAction *action : window.menuBar()->actions())
        if (action->text() == QStringLiteral("排序(&S)"))
            sort = action->menu();
    QVERIFY(sort);
    const QHeaderView *header = window.runTable()->horizontalHeader();
    for (Qt::SortOrder expected : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        emit sort->aboutToShow();
        QCOMPARE(sort->actions().size(), window.runTable()->model()->columnCount());
        sort->actions().at(5)->trigger();
        QCOMPARE(header->sortIndicatorSection(), 5);
        QCOMPARE(header->sortIndicatorOrder(), expected);
    }
}

void TestReport::windowFillsTableChartAndMistakes()
{
    OnRecords report;
    QVERIFY(report.read());
    ReportWindow &window = report.window;
    ScriptedDialogs &dialogs = report.dialogs;
    const QTemporaryDir &dir = report.dir;

    QAbstractItemModel *runs = window.runTable()->model();
    QCOMPARE(runs->rowCount(), 2);
    QCOMPARE(runs->index(1, 5).data().toString(), "66.7%");
    QCOMPARE(runs->index(1, 6).data().toString(), "6.0");
    window.runTable()->sortByColumn(5, Qt::DescendingOrder); // by accuracy, not by text
    QCOMPARE(runs->index(0, 0).data().toString(), "2026-12-02");
    const auto series = window.chart()->chart()->series();
    QCOMPARE(series.size(), 2);
    QCOMPARE(static_cast<QLineSeries *>(series.first())->count(), 2);
    QCOMPARE(window.collection().skipped.size(), 1);

    QAbstractItemModel *mistakes = window.mistakeTable()->model();
    QCOMPARE(mistakes->rowCount(), 2);
    QCOMPARE(window.masteredTable()->model()->rowCount(), 0);
    QCOMPARE(mistakes->index(0, 0).data().toString(), QStringLiteral("7×8="));
    QCOMPARE(mistakes->index(0, 3).data().toString(), "48");
    QCOMPARE(mistakes->index(0, 4).data().toString(), "56");

    // Unticked mistakes stay out of the practice bank; a refusal writes nothing.
    mistakes->setData(mistakes->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
    QCOMPARE(window.chosenMistakes().size(), 1);
    dialogs.answers = {UserDialogs::Answer::No};
    window.practise();
    QVERIFY(dialogs.shown.last().text.contains("make.tm.bak"));
    QVERIFY(!QFile::exists(dir.filePath("data/make.tm")));
    dialogs.answers = {UserDialogs::Answer::Yes};
    QDir(dir.path()).mkdir("data");
    window.practise();
    QCOMPARE(TextFile::readLines(dir.filePath("data/make.tm")), QStringList{QStringLiteral("7×8=")});
    QCOMPARE(TextFile::readLines(dir.filePath("data/make.da")), QStringList{"56"});
}

void TestReport::restoreButtonPutsTheTeachersBankBack()
{
    OnRecords report;
    const QTemporaryDir &dir = report.dir;
    QDir(dir.path()).mkdir("data");
    TextFile::writeLines(dir.filePath("data/make.tm"), {"1+1="});
    TextFile::writeLines(dir.filePath("data/make.da"), {"2"});
    QVERIFY(report.read());
    ReportWindow &window = report.window;
    ScriptedDialogs &dialogs = report.dialogs;
    QVERIFY(!window.restoreButton()->isEnabled()); // nothing replaced yet
    dialogs.answers = {UserDialogs::Answer::Yes, UserDialogs::Answer::Yes};
    window.practise();
    QVERIFY(window.restoreButton()->isEnabled());
    QTest::mouseClick(window.restoreButton(), Qt::LeftButton);
    QCOMPARE(TextFile::readLines(dir.filePath("data/make.tm")), QStringList{"1+1="});
    QCOMPARE(TextFile::readLines(dir.filePath("data/make.da")), QStringList{"2"});
    QVERIFY(!window.restoreButton()->isEnabled());
}

// Once the interface waited for a whole reading to end before the next.
void TestReport::newFoldersAbandonTheReadingUnderWay()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("many");
    for (int i = 1; i <= 3000; ++i)
        TextFile::writeLines(dir.filePath(QStringLiteral("many/2026-1-1-第%1次.xl").arg(i)),
                             {"第1题    1+1=2    √", "训练时间为：60秒", "完成题数为：1道", "正确题数为：1道"});
    writeRecords(dir.filePath("job"));
    ScriptedDialogs dialogs;
    ReportWindow window(dir.path(), &dialogs);
    QSignalSpy loaded(&window, &ReportWindow::loaded);
    window.openFolders({dir.filePath("many")});
    window.openFolders({dir.filePath("job")});
    QVERIFY(loaded.wait(10000));
    QTest::qWait(200); // an abandoned reading would have finished by now
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(window.collection().runs.size(), 2);
    QCOMPARE(window.folders(), QStringList{dir.filePath("job")});
}

// The 口算题卡 of the 错题本 holds the ticked mistakes as the tab is shown;
// its code remakes the very sheet.
void TestReport::worksheetOfTickedMistakesAndItsCode()
{
    OnRecords report;
    QVERIFY(report.read());
    WorksheetTab *tab = report.window.worksheetTab();
    QVERIFY(!tab->pdfButton()->isEnabled()); // range 2 has no bank in this folder
    tab->sourceBox()->setCurrentIndex(tab->sourceBox()->count() - 1);
    tab->countBox()->setValue(10);
    const auto questions = [tab] {
        QSet<QString> shown;
        for (const SheetQuestion &item : tab->sheet().questions)
            shown.insert(item.question + item.answer);
        return shown;
    };
    QCOMPARE(tab->titleEdit()->text(), QStringLiteral("口算练习　错题本"));
    QCOMPARE(questions(), (QSet<QString>{"7×8=56", "9+7=16"}));

    QTableView *mistakes = report.window.mistakeTable();
    mistakes->setCurrentIndex(mistakes->model()->index(0, 0));
    QTest::keyClick(mistakes, Qt::Key_Space);
    auto *tabs = qobject_cast<QTabWidget *>(report.window.centralWidget());
    tabs->setCurrentWidget(mistakes);
    tabs->setCurrentWidget(tab);
    QCOMPARE(questions().size(), 1);

    const QString code = tab->recipe().code();
    const QList<SheetQuestion> sheet = tab->sheet().questions;
    tab->drawNew();
    QVERIFY(tab->recipe().code() != code);
    QVERIFY(tab->takeCode(code));
    QCOMPARE(tab->sheet().questions, sheet);
    QVERIFY(!tab->takeCode("13-10-4-000000"));
    QCOMPARE(tab->codeEdit()->text(), code);

    tab->writePdf(report.dir.filePath("sheet.pdf"));
    QFile pdf(report.dir.filePath("sheet.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
}

void TestReport::classTabOpensEachPupil()
{
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", dir.filePath("cache").toLocal8Bit());
    TextFile::writeLines(dir.filePath("名单.txt"), {"王小明", "李华"});
    writeRecords(dir.filePath("王小明/job"));
    ScriptedDialogs dialogs;
    ReportWindow window(dir.path(), &dialogs);
    QSignalSpy loaded(&window, &ReportWindow::classLoaded);
    window.openClass(dir.path());
    QVERIFY(loaded.wait(10000));
    QAbstractItemModel *pupils = window.classTable()->model();
    QCOMPARE(pupils->rowCount(), 2);
    QCOMPARE(pupils->index(1, 2).data().toString(), QStringLiteral("0（没有训练）"));
    window.worksheetTab()->sourceBox()->setCurrentText(QStringLiteral("全班错题"));
    QCOMPARE(window.worksheetTab()->recipe().source, SheetRecipe::kClassMistakes);
    QSet<QString> asked; // 王小明's open mistakes, the class's
    for (const SheetQuestion &question : window.worksheetTab()->sheet().questions)
        asked.insert(question.question + question.answer);
    QCOMPARE(asked, (QSet<QString>{QStringLiteral("7×8=56"), QStringLiteral("9+7=16")}));

    // Enter on 王小明: his runs and mistakes, his folder's bank for practice.
    window.classTable()->setCurrentIndex(pupils->index(0, 0));
    QTest::keyClick(window.classTable(), Qt::Key_Return);
    QCOMPARE(window.runTable()->model()->rowCount(), 2);
    QCOMPARE(window.mistakeTable()->model()->rowCount(), 2);
    QVERIFY(window.windowTitle().endsWith(QStringLiteral("王小明")));
    QVERIFY(window.practiceButton()->isEnabled());
    dialogs.answers << UserDialogs::Answer::Yes;
    window.practise();
    QVERIFY(QFile::exists(dir.filePath("王小明/data/make.tm")));

    // His fact map: 9+7 wrong among his last three answers.
    const QTableWidget *sums = window.fluencyTab()->grid(FactFluency::Grid::Addition);
    const QTableWidgetItem *sum = sums->item(9, 7);
    QCOMPARE(sum->text(), QStringLiteral("错"));
    QVERIFY(!window.fluencyTab()->picture().isNull()); // the maps, as exported
    QVERIFY(sum->data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("9+7= 出错，答了 2 次，对 1 次")));

    window.showWholeClass();
    QVERIFY(window.classTable()->isVisibleTo(&window) || !window.isVisible());
    QVERIFY(!window.windowTitle().contains(QStringLiteral("王小明")));
    // The class's map: the share of pupils fluent in each fact.
    sum = sums->item(9, 7);
    QCOMPARE(sum->text(), QStringLiteral("0"));
    QCOMPARE(sum->toolTip(), QStringLiteral("9+7= 熟练 0 人，答过 1 人，全班 2 人"));
}

void TestReport::factsFollowTheTimeLimit_data()
{
    QTest::addColumn<QString>("setting"); // the job folder's; empty for none
    QTest::addColumn<QStringList>("limit");
    QTest::addColumn<QString>("state");
    QTest::newRow("3 s by default") << "" << QStringList() << "较慢";
    QTest::newRow("6 s set for the child") << "时间限制=6" << QStringList() << "熟练";
    QTest::newRow("--limit over the setting") << "时间限制=6" << QStringList{"--limit", "3"} << "较慢";
    QTest::newRow("--limit 12") << "" << QStringList{"--limit", "12"} << "熟练";
}

// 7+8 answered right three times on two days, 4 s each.
void TestReport::factsFollowTheTimeLimit()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, limit);
    QFETCH(QString, state);
    QTemporaryDir dir;
    for (const char *day : {"2026-12-1", "2026-12-2"}) {
        const QString name = dir.filePath(QStringLiteral("job/%1-第1次").arg(QLatin1String(day)));
        const int answers = QLatin1String(day).endsWith('1') ? 2 : 1;
        QStringList lines, times{"题号,题目,答案,对错,用时毫秒"};
        for (int i = 1; i <= answers; ++i) {
            lines << QStringLiteral("第%1题    7+8=15    √").arg(i);
            times << QStringLiteral("%1,7+8=,15,√,4000").arg(i);
        }
        lines << "训练时间为：60秒" << QStringLiteral("完成题数为：%1道").arg(answers)
              << QStringLiteral("正确题数为：%1道").arg(answers);
        QDir().mkpath(dir.filePath("job"));
        TextFile::writeLines(name + ".xl", lines);
        QFile csv(name + ".csv");
        QVERIFY(csv.open(QIODevice::WriteOnly) && csv.write(times.join("\r\n").toUtf8() + "\r\n") > 0);
    }
    if (!setting.isEmpty()) {
        QFile file(dir.filePath("job/熟练度设置.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(setting.toUtf8()) > 0);
    }
    QProcess report;
    report.start(QStringLiteral(NUMORA_REPORT), QStringList{"--facts-csv", dir.filePath("facts.csv")} + limit
                                                     + QStringList{dir.path()});
    QVERIFY(report.waitForFinished(30000));
    QCOMPARE(report.exitCode(), 0);
    QFile facts(dir.filePath("facts.csv"));
    QVERIFY(facts.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(facts.readAll()).split("\r\n").value(1), "7+8=,3,3,4.0,2026-12-02," + state);
}

void TestReport::freshQuestionsComeFromTheRangeTrainedMost()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("data"));
    TextFile::writeLines(dir.filePath("data/make.tm"), {"1+1=", "2+2=", "3+3="}); // practice, not a range to learn
    TextFile::writeLines(dir.filePath("data/make.da"), {"2", "4", "6"});
    TextFile::writeLines(dir.filePath("data/201.tm"), {"9+1=", "8+1="});
    TextFile::writeLines(dir.filePath("data/201.da"), {"10", "9"});
    TextFile::writeLines(dir.filePath("data/kj.tm"), {"2×3=", "7×8=", "6×6="});
    TextFile::writeLines(dir.filePath("data/kj.da"), {"6", "56", "36"});
    const auto fact = [](const QString &question) { return Fact{question, {{QDate(2026, 12, 1), true, 900}}, {}}; };
    const QList<Fact> facts = {fact("1+1="), fact("2+2="), fact("9+1="), fact("7×8="), fact("6×6=")};
    QCOMPARE(FluencyReport::freshQuestions(dir.path(), facts), (QStringList{"2×3=", "7×8=", "6×6="}));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
