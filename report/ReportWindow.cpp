#include "report/ReportWindow.h"

#include "report/FluencyTab.h"
#include "report/NewClassDialog.h"
#include "report/ProgressChart.h"
#include "training/RecordName.h"
#include "training/TimeLimitSetting.h"
#include "report/ReportTables.h"
#include "report/TableViews.h"
#include "report/WorksheetTab.h"
#include "text/Errors.h"
#include "text/TextFile.h"
#include "widgets/AccessibleWidgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent>

ReportWindow::ReportWindow(const ProgramFolders &folders, UserDialogs *dialogs, QWidget *parent)
    : QMainWindow(parent), m_programFolder(folders.user), m_ownFolder(folders.user), m_dialogs(dialogs),
      m_classRows(new QStandardItemModel(this)), m_classMistakeRows(new QStandardItemModel(this)),
      m_runs(new QStandardItemModel(this)),
      m_mistakeRows(new QStandardItemModel(this)), m_masteredRows(new QStandardItemModel(this)),
      m_skippedRows(new QStandardItemModel(this))
{
    AccessibleWidgets::exposeAs("ProgressChart", QAccessible::Chart);
    AccessibleWidgets::install();
    setWindowTitle(QStringLiteral("Numora 成绩册"));
    resize(900, 640);
    auto *tabs = new QTabWidget(this);
    m_tabs = tabs;
    auto *runsPage = new QSplitter(Qt::Vertical, tabs);
    m_runTable = sortableTable(m_runs, QStringLiteral("成绩册"), runsPage);
    m_chart = new ProgressChart(runsPage);
    runsPage->addWidget(m_runTable);
    runsPage->addWidget(m_chart);
    tabs->addTab(runsPage, QStringLiteral("成绩册"));

    auto *mistakesPage = new QWidget(tabs);
    auto *mistakesLayout = new QVBoxLayout(mistakesPage);
    auto *explanation = new QLabel(QStringLiteral("错题本列出每一道至少答错过一次的题，答错次数最多的在前。"
                                                  "勾选要练习的题，按“练习错题”把它们写成自制题库，"
                                                  "在训练程序里选“1、自制题库”就能反复练习。"
                                                  "答错以后又连续答对两次的题算“已掌握”，列在下面，不再练习。"),
                                   mistakesPage);
    explanation->setWordWrap(true);
    m_mistakeTable = sortableTable(m_mistakeRows, QStringLiteral("错题本"), mistakesPage);
    m_mistakeTable->installEventFilter(this); // Space ticks a row
    m_practiceButton = new QPushButton(QStringLiteral("练习错题"), mistakesPage);
    connect(m_practiceButton, &QPushButton::clicked, this, &ReportWindow::practise);
    connect(m_mistakeRows, &QStandardItemModel::itemChanged, this, [this](QStandardItem *item) {
        m_practiceButton->setEnabled(!chosenMistakes().isEmpty());
        tellTick(item);
    });
    m_restoreButton = new QPushButton(QStringLiteral("恢复原题库"), mistakesPage);
    m_restoreButton->setToolTip(QStringLiteral("把自制题库换回练习错题以前的题库（make.tm.bak 和 make.da.bak）"));
    connect(m_restoreButton, &QPushButton::clicked, this, &ReportWindow::restoreBank);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_restoreButton);
    buttons->addWidget(m_practiceButton);
    m_masteredTable = sortableTable(m_masteredRows, QStringLiteral("已掌握"), mistakesPage);
    mistakesLayout->addWidget(explanation);
    mistakesLayout->addWidget(m_mistakeTable, 3);
    mistakesLayout->addLayout(buttons);
    mistakesLayout->addWidget(new QLabel(QStringLiteral("已掌握"), mistakesPage));
    mistakesLayout->addWidget(m_masteredTable, 1);
    tabs->addTab(mistakesPage, QStringLiteral("错题本"));
    m_fluency = new FluencyTab(folders, dialogs, tabs);
    tabs->addTab(m_fluency, QStringLiteral("熟练度"));
    m_worksheets = new WorksheetTab(folders, [this] { return chosenMistakes(); }, dialogs, tabs);
    tabs->addTab(m_worksheets, QStringLiteral("口算题卡"));
    // A sheet of the mistakes follows the ticks as they are when it is shown.
    connect(tabs, &QTabWidget::currentChanged, this, [this, tabs] {
        if (tabs->currentWidget() == m_worksheets && m_worksheets->recipe().source == SheetRecipe::kMistakes)
            m_worksheets->remake();
    });
    tabs->addTab(sortableTable(m_skippedRows, QStringLiteral("跳过的文件"), tabs), QStringLiteral("跳过的文件"));
    setCentralWidget(tabs);

    m_status = new QLabel(statusBar());
    connect(m_fluency, &FluencyTab::told, m_status, &QLabel::setText);
    m_progress = new QProgressBar(statusBar());
    m_progress->setMaximumWidth(240);
    m_progress->hide();
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_progress);
    buildMenus();
    // In the status bar only while a pupil is shown: hidden there, it would
    // still make the bar taller.
    m_wholeClassButton = new QPushButton(QStringLiteral("全班(&W)"), this);
    m_wholeClassButton->hide();
    connect(m_wholeClassButton, &QPushButton::clicked, this, &ReportWindow::showWholeClass);
    m_stopButton = new QPushButton(QStringLiteral("停止读取"), this);
    m_stopButton->hide();
    connect(m_stopButton, &QPushButton::clicked, this, &ReportWindow::stopReading);
    connect(&m_classReading, &QFutureWatcher<ClassRecords>::finished, this, [this] {
        readingEnded();
        m_class = m_classReading.result();
        if (!m_class.unreadable.isEmpty()) {
            m_status->setText(m_class.unreadable);
            m_dialogs->errorBox(m_class.unreadable);
        } else {
            showClass();
        }
        emit classLoaded();
    });
    connect(&m_reading, &QFutureWatcher<RunCollection>::finished, this, [this] {
        m_collection = m_reading.result();
        showCollection();
        emit loaded();
    });
    showCollection();
}

ReportWindow::~ReportWindow()
{
    // The reading threads report to this window.
    m_cancelReading->store(true);
    m_reading.waitForFinished();
    m_classReading.waitForFinished();
    for (QFuture<RunCollection> &abandoned : m_abandonedReadings)
        abandoned.waitForFinished();
    for (QFuture<ClassRecords> &abandoned : m_abandonedClassReadings)
        abandoned.waitForFinished();
}

void ReportWindow::buildClassPage()
{
    // Made with the first class opened: a page in no tab would still be
    // in the window's accessible tree.
    m_classPage = new QWidget(m_tabs);
    auto *layout = new QVBoxLayout(m_classPage);
    auto *explanation = new QLabel(QStringLiteral("全班每个学生一行。选中一个学生按回车或双击，在“成绩册”“错题本”里看他的记录；"
                                                  "按“全班”回到这里。近 7 天没有训练的学生标着“没有训练”，不在名单上的标着“名单外”。"),
                                   m_classPage);
    explanation->setWordWrap(true);
    m_classTable = sortableTable(m_classRows, QStringLiteral("全班"), m_classPage);
    connect(m_classTable, &QTableView::activated, this, [this](const QModelIndex &index) {
        const auto *proxy = static_cast<const QSortFilterProxyModel *>(m_classTable->model());
        const QStandardItem *item = m_classRows->item(proxy->mapToSource(index).row(), 0);
        if (item)
            showPupil(item->data(Qt::UserRole + 1).toInt());
    });
    auto *practiseAll = new QPushButton(QStringLiteral("全班练习"), m_classPage);
    practiseAll->setToolTip(QStringLiteral("给每个有错题的学生写一个练习题库（他的“1、自制题库”）"));
    connect(practiseAll, &QPushButton::clicked, this, &ReportWindow::practiseClass);
    auto *missedSheet = new QPushButton(QStringLiteral("全班错题题卡…"), m_classPage);
    connect(missedSheet, &QPushButton::clicked, this, [this] { saveClassSheets(SheetRecipe::kClassMistakes); });
    auto *pupilSheets = new QPushButton(QStringLiteral("全班题卡…"), m_classPage);
    pupilSheets->setToolTip(QStringLiteral("每个学生一张写着名字的题卡，是他自己的错题，不够时补上全班答错最多的题，每张后面是答案"));
    connect(pupilSheets, &QPushButton::clicked, this, [this] { saveClassSheets(SheetRecipe::kClassPupils); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(missedSheet);
    buttons->addWidget(pupilSheets);
    buttons->addWidget(practiseAll);
    layout->addWidget(explanation);
    layout->addWidget(m_classTable, 3);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("全班答错最多的题"), m_classPage));
    m_classMistakeTable = sortableTable(m_classMistakeRows, QStringLiteral("全班答错最多的题"), m_classPage);
    layout->addWidget(m_classMistakeTable, 2);
}

void ReportWindow::cancelReadings()
{
    // A reading under way is abandoned, not waited for: its threads stop at
    // the next file and its result is never shown.
    m_cancelReading->store(true);
    if (m_reading.isRunning())
        m_abandonedReadings.append(m_reading.future());
    if (m_classReading.isRunning())
        m_abandonedClassReadings.append(m_classReading.future());
    m_cancelReading = std::make_shared<std::atomic<bool>>(false);
    m_progress->setRange(0, 0);
    m_progress->show();
    if (m_stopButton->isHidden()) {
        statusBar()->addPermanentWidget(m_stopButton);
        m_stopButton->show();
    }
}

std::function<void(int, int)> ReportWindow::readingProgress()
{
    // Told from the reading threads; a reading abandoned tells nothing more.
    return [this, cancelled = m_cancelReading](int done, int total) {
        if (cancelled->load())
            return;
        QMetaObject::invokeMethod(m_progress, [this, done, total] {
            m_progress->setRange(0, total);
            m_progress->setValue(done);
        });
    };
}

void ReportWindow::stopReading()
{
    cancelReadings();
    readingEnded();
    m_status->setText(QStringLiteral("已停止读取"));
}

void ReportWindow::readingEnded()
{
    m_progress->hide();
    statusBar()->removeWidget(m_stopButton);
}

void ReportWindow::openClass(const QString &classFolder)
{
    cancelReadings();
    m_status->setText(QStringLiteral("正在读取全班的训练记录…"));
    m_classReading.setFuture(QtConcurrent::run(&m_readingThreads, [classFolder, cancelled = m_cancelReading,
                                                                   progress = readingProgress()] {
        try {
            return ClassReport::read(classFolder, progress, cancelled.get());
        } catch (const NumoraError &error) {
            ClassRecords none;
            none.folder = classFolder;
            none.unreadable = QStringLiteral("读不到班级名单：%1").arg(error.localText());
            return none;
        }
    }));
}

void ReportWindow::newClass()
{
    NewClassDialog dialog(QDir::homePath(), this);
    // Asked again, as it was filled in, until it can be made or is cancelled.
    while (dialog.exec() == QDialog::Accepted) {
        if (const QString problem = dialog.problem(); !problem.isEmpty()) {
            m_dialogs->errorBox(problem);
            continue;
        }
        try {
            const Roster made = ClassFolder::create(dialog.classFolder(), dialog.roster());
            if (made.names.isEmpty() && made.refused.isEmpty()) {
                m_dialogs->errorBox(QStringLiteral("名单里没有名字。"));
                continue;
            }
            if (!made.refused.isEmpty()) {
                QStringList lines;
                for (const RosterRefusal &refusal : made.refused)
                    lines << refusalText(refusal);
                m_dialogs->errorBox(QStringLiteral("名单有问题，班级还没有建立：\n") + lines.join(u'\n'));
                continue;
            }
            m_dialogs->messageBox(windowTitle(),
                                  QStringLiteral("已建立班级，%1 个学生。\n机房电脑的 numora.conf 里写上这一行，"
                                                 "学生就在这个班级里训练：\n\nClassFolder=%2")
                                      .arg(made.names.size())
                                      .arg(QDir::toNativeSeparators(QFileInfo(dialog.classFolder()).absoluteFilePath())),
                                  UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
            openClass(dialog.classFolder());
            return;
        } catch (const NumoraError &error) {
            m_dialogs->errorBox(error.localText());
        }
    }
}

void ReportWindow::chooseClass()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("选择班级文件夹（里面有 名单.txt）"),
                                                             m_class.folder);
    if (!folder.isEmpty())
        openClass(folder);
}

void ReportWindow::showClass()
{
    if (!m_classPage) {
        buildClassPage();
        m_tabs->insertTab(0, m_classPage, QStringLiteral("班级"));
    }
    fill(m_classRows, ClassReport::pupilHeaders(), ClassReport::pupilRows(m_class.pupils, QDate::currentDate()));
    int idle = 0;
    for (int row = 0; row < m_classRows->rowCount(); ++row) {
        const PupilRecords &pupil = m_class.pupils.at(row);
        QStandardItem *name = m_classRows->item(row, 0);
        name->setData(row, Qt::UserRole + 1);
        if (!pupil.onRoster)
            name->setText(pupil.name + QStringLiteral("（名单外）"));
        if (!pupil.unreadable.isEmpty()) {
            m_classRows->item(row, 1)->setText(QStringLiteral("无法读取"));
            m_classRows->item(row, 1)->setToolTip(pupil.unreadable);
            continue;
        }
        // Told in words and weight, not by colour alone.
        QStandardItem *week = m_classRows->item(row, 2);
        if (week->data(Qt::UserRole).toInt() == 0) {
            ++idle;
            week->setText(QStringLiteral("0（没有训练）"));
            QFont bold = week->font();
            bold.setBold(true);
            for (int column = 0; column < m_classRows->columnCount(); ++column) {
                m_classRows->item(row, column)->setFont(bold);
                m_classRows->item(row, column)->setBackground(QColor(0xFF, 0xEB, 0xCC));
            }
        }
    }
    const QList<ClassMistake> mostMissed = ClassReport::mostMissed(m_class.pupils);
    m_worksheets->setClassQuestions(ClassReport::sheetQuestions(mostMissed));
    fill(m_classMistakeRows, ClassReport::mistakeHeaders(), ClassReport::mistakeRows(mostMissed));
    m_classTable->sortByColumn(-1, Qt::AscendingOrder); // roster order
    m_classMistakeTable->sortByColumn(-1, Qt::AscendingOrder); // most pupils first

    m_status->setText(QStringLiteral("%1 个学生，%2 个近 7 天没有训练").arg(m_class.pupils.size()).arg(idle));
    showWholeClass();
}

void ReportWindow::practiseClass()
{
    if (!confirm(QStringLiteral("将给每个有错题的学生写一个练习题库：他文件夹里 data 的 make.tm 和 make.da，"
                                "在训练程序里就是他的“1、自制题库”。\n老师给他编的题库保存为 make.tm.bak 和 make.da.bak。"
                                "\n继续吗？")))
        return;
    const ClassReport::PracticeWritten written = ClassReport::writePracticeBanks(m_class);
    m_status->setText(QStringLiteral("已为 %1 个学生写好练习题库，共 %2 道题").arg(written.pupils).arg(written.questions));
    if (!written.failures.isEmpty())
        m_dialogs->errorBox(written.failures.join(u'\n'));
}

void ReportWindow::saveClassSheets(int source)
{
    const SheetRecipe &shown = m_worksheets->recipe();
    const SheetRecipe recipe{source, shown.count, shown.columns, Worksheet::newSeed()};
    const QList<Sheet> sheets = ClassReport::sheets(m_class, recipe);
    if (sheets.isEmpty()) {
        m_dialogs->errorBox(QStringLiteral("班级里没有能放进题卡的错题。"));
        return;
    }
    const QString className = QFileInfo(m_class.folder).fileName();
    const QString path = saveName(QStringLiteral("导出题卡"), className + QStringLiteral("题卡.pdf"),
                                  QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        TextFile::replaceFile(path, WorksheetPages::pdf(sheets, className + QStringLiteral("　口算题卡")));
        m_status->setText(QStringLiteral("已把 %1 张题卡写成 %2").arg(sheets.size()).arg(path));
    } catch (const FileCreateError &error) {
        m_dialogs->errorBox(error.localText());
    }
}

void ReportWindow::showPupil(int pupil)
{
    const PupilRecords &chosen = m_class.pupils.at(pupil);
    m_programFolder = ClassFolder::pupilFolder(m_class.folder, chosen.name);
    m_folders = {RecordName::jobFolder(m_programFolder)};
    m_collection = RunCollection{chosen.runs, {}, {}, chosen.timeLimit};
    if (!chosen.unreadable.isEmpty())
        m_collection.unreadableFolders << m_folders;
    showCollection();
    setWindowTitle(QStringLiteral("Numora 成绩册 — %1").arg(chosen.name));
    if (m_wholeClassButton->isHidden()) {
        statusBar()->addPermanentWidget(m_wholeClassButton);
        m_wholeClassButton->show();
    }
    m_tabs->setCurrentIndex(m_tabs->indexOf(m_classPage) + 1);
}

void ReportWindow::showWholeClass()
{
    setWindowTitle(QStringLiteral("Numora 成绩册 — %1").arg(QFileInfo(m_class.folder).fileName()));
    statusBar()->removeWidget(m_wholeClassButton);
    m_fluency->showClass(m_class);
    m_tabs->setCurrentWidget(m_classPage);
    m_classTable->setFocus();
}

QString ReportWindow::bankFolderText() const
{
    return QDir::toNativeSeparators(QDir(m_programFolder).filePath(QStringLiteral("data")));
}

bool ReportWindow::confirm(const QString &question)
{
    return m_dialogs->messageBox(windowTitle(), question, UserDialogs::Icon::Warning, UserDialogs::Buttons::YesNo)
           == UserDialogs::Answer::Yes;
}

void ReportWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addAction(QStringLiteral("打开文件夹(&O)…"), QKeySequence::Open, this, [this] { chooseFolder(false); });
    file->addAction(QStringLiteral("添加文件夹(&A)…"), this, [this] { chooseFolder(true); });
    file->addAction(QStringLiteral("打开班级(&L)…"), this, [this] { chooseClass(); });
    file->addAction(QStringLiteral("新建班级(&N)…"), this, [this] { newClass(); });
    file->addSeparator();
    file->addAction(QStringLiteral("导出成绩表(&R)…"), this, [this] { exportCsv(false); });
    file->addAction(QStringLiteral("导出错题本(&M)…"), this, [this] { exportCsv(true); });
    file->addAction(QStringLiteral("导出图表(&C)…"), this, [this] { exportChart(); });
    file->addSeparator();
    file->addAction(QStringLiteral("退出(&X)"), QKeySequence::Quit, this, &QWidget::close);
    // Sorting by a column without the mouse: the table with the keyboard,
    // or else the first one of the shown page.
    QMenu *sort = menuBar()->addMenu(QStringLiteral("排序(&S)"));
    connect(sort, &QMenu::aboutToShow, this, [this, sort] {
        sort->clear();
        QTableView *table = sortedTable();
        if (!table)
            return;
        const QHeaderView *header = table->horizontalHeader();
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
            QAction *action = sort->addAction(title, this, [table, column] {
                const QHeaderView *header = table->horizontalHeader();
                const bool again = header->sortIndicatorSection() == column && header->sortIndicatorOrder() == Qt::AscendingOrder;
                table->sortByColumn(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
            });
            action->setCheckable(true);
            action->setChecked(header->sortIndicatorSection() == column);
        }
    });
}

QTableView *ReportWindow::sortedTable() const
{
    if (auto *focused = qobject_cast<QTableView *>(QApplication::focusWidget()); focused && isAncestorOf(focused))
        return focused;
    auto *tabs = qobject_cast<QTabWidget *>(centralWidget());
    QWidget *page = tabs ? tabs->currentWidget() : nullptr;
    if (auto *table = qobject_cast<QTableView *>(page))
        return table;
    return page ? page->findChild<QTableView *>() : nullptr;
}

bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mistakeTable && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space && static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
        toggleTick(m_mistakeTable->currentIndex().row());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void ReportWindow::tellTick(QStandardItem *item)
{
    // A screen reader reads the tick with the question (a cell's ticked
    // state alone it leaves unsaid); every change of it comes through here.
    if (!item->isCheckable())
        return;
    const QString tick = item->checkState() == Qt::Checked ? QStringLiteral("，要练习") : QStringLiteral("，不练习");
    const QString spoken = item->text() + tick;
    if (item->data(Qt::AccessibleTextRole).toString() != spoken)
        item->setData(spoken, Qt::AccessibleTextRole);
}

void ReportWindow::toggleTick(int shownRow)
{
    const auto *proxy = static_cast<const QSortFilterProxyModel *>(m_mistakeTable->model());
    const QModelIndex shown = proxy->index(shownRow, 0);
    QStandardItem *item = m_mistakeRows->itemFromIndex(proxy->mapToSource(shown));
    if (!item || !item->isCheckable())
        return;
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void ReportWindow::openFolders(const QStringList &folders)
{
    cancelReadings();
    m_folders = folders;
    m_programFolder = m_ownFolder;
    setWindowTitle(QStringLiteral("Numora 成绩册"));
    statusBar()->removeWidget(m_wholeClassButton);
    m_status->setText(QStringLiteral("正在读取训练记录…"));
    // Not on the shared pool, whose threads the reading's own files need.
    m_reading.setFuture(QtConcurrent::run(&m_readingThreads, [folders, cancelled = m_cancelReading,
                                                              progress = readingProgress()] {
        RunCollection collection = collectRuns(folders, progress, cancelled.get());
        collection.timeLimit = TimeLimitSetting::read(folders);
        return collection;
    }));
}

void ReportWindow::addFolders(const QStringList &folders)
{
    QStringList all = m_folders;
    for (const QString &folder : folders) {
        if (!all.contains(folder))
            all.append(folder);
    }
    openFolders(all);
}

void ReportWindow::chooseFolder(bool add)
{
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("选择训练记录所在的文件夹"),
                                                             m_folders.value(0, m_programFolder));
    if (folder.isEmpty())
        return;
    add ? addFolders({folder}) : openFolders({folder});
}

void ReportWindow::showCollection()
{
    readingEnded();
    m_mistakes = MistakeBook::collect(m_collection.runs);
    QList<ReportRow> runRows, mistakeRows, masteredRows, skippedRows;
    QList<int> practisedPlaces; // in m_mistakes
    for (const RecordedRun &run : std::as_const(m_collection.runs))
        runRows.append(ReportTables::runRow(run));
    for (int place = 0; place < m_mistakes.size(); ++place) {
        const Mistake &mistake = m_mistakes.at(place);
        (mistake.mastered() ? masteredRows : mistakeRows).append(ReportTables::mistakeRow(mistake));
        if (!mistake.mastered())
            practisedPlaces.append(place);
    }
    for (const SkippedFile &file : std::as_const(m_collection.skipped))
        skippedRows.append({{file.path, file.path}, {file.reason, file.reason}});
    for (const QString &folder : std::as_const(m_collection.unreadableFolders))
        skippedRows.append({{folder, folder}, {QStringLiteral("文件夹无法读取"), QString()}});
    fill(m_runs, ReportTables::runHeaders(), runRows);
    fill(m_mistakeRows, ReportTables::mistakeHeaders(), mistakeRows);
    fill(m_masteredRows, ReportTables::mistakeHeaders(), masteredRows);
    fill(m_skippedRows, {QStringLiteral("文件"), QStringLiteral("原因")}, skippedRows);
    for (int row = 0; row < m_mistakeRows->rowCount(); ++row) {
        QStandardItem *item = m_mistakeRows->item(row, 0);
        const int place = practisedPlaces.at(row);
        item->setData(place, Qt::UserRole + 1);
        item->setCheckable(m_mistakes.at(place).practicable());
        item->setCheckState(m_mistakes.at(place).practicable() ? Qt::Checked : Qt::Unchecked);
    }
    m_runTable->sortByColumn(0, Qt::AscendingOrder);
    m_mistakeTable->sortByColumn(-1, Qt::AscendingOrder); // most-missed first, as collected
    m_masteredTable->sortByColumn(-1, Qt::AscendingOrder);
    m_chart->setRuns(m_collection.runs);
    m_fluency->showChild(m_collection.runs, m_collection.timeLimit, m_folders.value(0), m_programFolder);
    m_practiceButton->setEnabled(!chosenMistakes().isEmpty());
    m_restoreButton->setEnabled(MistakeBook::canRestoreTeacherBank(m_programFolder));
    m_status->setText(QStringLiteral("%1 次训练，%2 道错题，%3 道已掌握，跳过 %4 个文件")
                          .arg(m_collection.runs.size())
                          .arg(m_mistakeRows->rowCount())
                          .arg(m_masteredRows->rowCount())
                          .arg(m_collection.skipped.size() + m_collection.unreadableFolders.size()));
}

QList<Mistake> ReportWindow::chosenMistakes() const
{
    QList<Mistake> chosen;
    for (int row = 0; row < m_mistakeRows->rowCount(); ++row) {
        const QStandardItem *item = m_mistakeRows->item(row, 0);
        if (item->isCheckable() && item->checkState() == Qt::Checked)
            chosen.append(m_mistakes.at(item->data(Qt::UserRole + 1).toInt()));
    }
    return chosen;
}

void ReportWindow::practise()
{
    const QList<Mistake> chosen = chosenMistakes();
    if (chosen.isEmpty())
        return;
    const QString bank = bankFolderText();
    const QString question = QStringLiteral("将用选中的 %1 道错题替换自制题库（%2 里的 make.tm 和 make.da）。\n"
                                            "您自己编的题库保存为 make.tm.bak 和 make.da.bak，"
                                            "随时可以用“恢复原题库”换回。\n继续吗？")
                                 .arg(chosen.size())
                                 .arg(bank);
    if (!confirm(question))
        return;
    try {
        const int written = MistakeBook::writePracticeBank(m_programFolder, chosen);
        m_status->setText(QStringLiteral("已把 %1 道错题写成自制题库").arg(written));
    } catch (const NumoraError &error) {
        m_dialogs->errorBox(error.localText());
    }
    m_restoreButton->setEnabled(MistakeBook::canRestoreTeacherBank(m_programFolder));
}

void ReportWindow::restoreBank()
{
    const QString bank = bankFolderText();
    if (!confirm(QStringLiteral("把自制题库（%1 里的 make.tm 和 make.da）换回练习错题以前的题库吗？").arg(bank)))
        return;
    try {
        MistakeBook::restoreTeacherBank(m_programFolder);
        m_status->setText(QStringLiteral("已恢复原题库"));
    } catch (const NumoraError &error) {
        m_dialogs->errorBox(error.localText());
    }
    m_restoreButton->setEnabled(MistakeBook::canRestoreTeacherBank(m_programFolder));
}

QString ReportWindow::saveName(const QString &title, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(this, title, QDir(m_folders.value(0, m_programFolder)).filePath(suggested),
                                        filter);
}

void ReportWindow::exportCsv(bool mistakes)
{
    const QString path = saveName(mistakes ? QStringLiteral("导出错题本") : QStringLiteral("导出成绩表"),
                                  mistakes ? QStringLiteral("错题本.csv") : QStringLiteral("成绩册.csv"),
                                  QStringLiteral("CSV 文件 (*.csv)"));
    if (path.isEmpty())
        return;
    QList<ReportRow> rows;
    if (mistakes) {
        for (const Mistake &mistake : std::as_const(m_mistakes))
            rows.append(ReportTables::mistakeRow(mistake));
    } else {
        for (const RecordedRun &run : std::as_const(m_collection.runs))
            rows.append(ReportTables::runRow(run));
    }
    const QByteArray bytes = ReportTables::csv(mistakes ? ReportTables::mistakeHeaders() : ReportTables::runHeaders(), rows);
    try {
        TextFile::replaceFile(path, bytes);
    } catch (const FileCreateError &error) {
        m_dialogs->errorBox(error.localText());
    }
}

void ReportWindow::exportChart()
{
    const QString path = saveName(QStringLiteral("导出图表"), QStringLiteral("成绩图.png"),
                                  QStringLiteral("PNG 图片 (*.png);;JPEG 图片 (*.jpg *.jpeg)"));
    if (path.isEmpty())
        return;
    const char *format = ProgressChart::formatFor(path);
    if (!format) {
        m_dialogs->errorBox(QStringLiteral("图表只能存成 PNG 或 JPEG 图片（.png、.jpg）：%1").arg(path));
        return;
    }
    try {
        TextFile::replaceFile(path, ProgressChart::encode(m_chart->grab().toImage(), format));
    } catch (const FileCreateError &error) {
        m_dialogs->errorBox(error.localText());
    }
}
