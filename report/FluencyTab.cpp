#include "report/FluencyTab.h"

#include "report/ProgressChart.h"
#include "report/TableViews.h"
#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/TimeLimitSetting.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QThreadPool>
#include <QVBoxLayout>

namespace {

using FactFluency::Grid;

constexpr int kCell = 24;

struct GridLabels
{
    const char *title;
    const char *rowSign;    // before a row's number
    const char *columnSign; // before a column's number
    int first;              // the first row's and column's number
};

GridLabels labelsOf(Grid grid)
{
    switch (grid) {
    case Grid::Addition:
        return {"20以内加法（行 + 列）", "", "+", 0};
    case Grid::Subtraction:
        return {"20以内减法（行 − 列）", "", "−", 0};
    case Grid::Multiplication:
        return {"乘法口诀（行 × 列）", "", "×", 1};
    case Grid::Division:
        break;
    }
    return {"表内除法（行里的积 ÷ 行，得列）", "÷", "=", 1};
}

QColor stateColour(FactState state)
{
    switch (state) {
    case FactState::Fluent:
        return QColor(0x8C, 0xD1, 0x8C);
    case FactState::Slow:
        return QColor(0xFF, 0xDD, 0x77);
    case FactState::Wrong:
        break;
    }
    return QColor(0xF2, 0x8E, 0x8E);
}

// White for none of the class, full green for all of it.
QColor shareColour(double share)
{
    const QColor full = stateColour(FactState::Fluent);
    const auto mix = [share](int to) { return int(255 + (to - 255) * share); };
    return QColor(mix(full.red()), mix(full.green()), mix(full.blue()));
}

QTableWidget *makeGrid(Grid grid, QWidget *parent)
{
    const GridLabels labels = labelsOf(grid);
    auto *table = new QTableWidget(FactFluency::gridSize(grid), FactFluency::gridSize(grid), parent);
    table->setAccessibleName(QString::fromUtf8(labels.title));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList rows, columns;
    for (int i = 0; i < table->rowCount(); ++i)
        rows.append(QString::fromUtf8(labels.rowSign) + QString::number(labels.first + i));
    for (int i = 0; i < table->columnCount(); ++i)
        columns.append(QString::fromUtf8(labels.columnSign) + QString::number(labels.first + i));
    table->setVerticalHeaderLabels(rows);
    table->setHorizontalHeaderLabels(columns);
    QFont small = table->horizontalHeader()->font(); // "+20" within a cell's width
    small.setPointSizeF(small.pointSizeF() * 0.85);
    table->horizontalHeader()->setFont(small);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setDefaultSectionSize(kCell + 2);
    table->verticalHeader()->setDefaultSectionSize(kCell);
    table->horizontalHeader()->setMinimumSectionSize(kCell);
    table->setFixedSize(table->verticalHeader()->sizeHint().width() + table->columnCount() * (kCell + 2)
                            + 2 * table->frameWidth(),
                        table->horizontalHeader()->sizeHint().height() + table->rowCount() * kCell
                            + 2 * table->frameWidth());
    return table;
}

} // namespace

FluencyTab::FluencyTab(ProgramFolders program, UserDialogs *dialogs, QWidget *parent)
    : QWidget(parent), m_program(std::move(program)), m_dialogs(dialogs), m_otherRows(new QStandardItemModel(this)),
      m_printer(QPrinter::HighResolution)
{
    auto *layout = new QVBoxLayout(this);
    m_explanation = new QLabel(this);
    m_explanation->setWordWrap(true);
    layout->addWidget(m_explanation);

    auto *controls = new QHBoxLayout;
    auto *limitLabel = new QLabel(QStringLiteral("时间限制(&L)："), this);
    m_limit = new QComboBox(this);
    for (const int seconds : FactFluency::timeLimits()) {
        m_limit->addItem(seconds == FactFluency::kDefaultTimeLimit ? QStringLiteral("%1 秒").arg(seconds)
                                                                   : QStringLiteral("%1 秒（初学）").arg(seconds),
                         seconds);
    }
    limitLabel->setBuddy(m_limit);
    connect(m_limit, &QComboBox::activated, this, &FluencyTab::limitChosen);
    m_today = new QPushButton(QStringLiteral("今日练习"), this);
    m_today->setToolTip(QStringLiteral("约 30 道题写成自制题库：先是出错的，再是较慢的（最慢的在前），"
                                       "再是该复习的熟练题，最后是练得最多的范围里还没做过的题"));
    connect(m_today, &QPushButton::clicked, this, &FluencyTab::writeToday);
    auto *picture = new QPushButton(QStringLiteral("导出图片…"), this);
    connect(picture, &QPushButton::clicked, this, &FluencyTab::exportPicture);
    auto *print = new QPushButton(QStringLiteral("打印…"), this);
    connect(print, &QPushButton::clicked, this, &FluencyTab::print);
    controls->addWidget(limitLabel);
    controls->addWidget(m_limit);
    controls->addStretch();
    controls->addWidget(m_today);
    controls->addWidget(picture);
    controls->addWidget(print);
    layout->addLayout(controls);

    m_maps = new QWidget;
    m_maps->setAutoFillBackground(true);
    auto *maps = new QGridLayout(m_maps);
    for (const Grid grid : {Grid::Addition, Grid::Subtraction, Grid::Multiplication, Grid::Division}) {
        auto *table = makeGrid(grid, m_maps);
        m_grids[int(grid)] = table;
        auto *title = new QLabel(table->accessibleName(), m_maps);
        // Each map within 20 with a table map beside it: both fit the window's width.
        const int row = grid == Grid::Addition || grid == Grid::Multiplication ? 0 : 2;
        const int column = grid == Grid::Addition || grid == Grid::Subtraction ? 0 : 1;
        maps->addWidget(title, row, column);
        maps->addWidget(table, row + 1, column, Qt::AlignLeft | Qt::AlignTop);
    }
    m_otherTable = sortableTable(m_otherRows, QStringLiteral("其他题目"), m_maps);
    m_otherTable->setMinimumHeight(240);
    maps->addWidget(new QLabel(QStringLiteral("其他题目"), m_maps), 4, 0, 1, 2);
    maps->addWidget(m_otherTable, 5, 0, 1, 2);
    maps->setColumnStretch(2, 1);
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_maps);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll, 1);
    showChild({}, FactFluency::kDefaultTimeLimit, {}, {});
}

void FluencyTab::showChild(const QList<RecordedRun> &runs, int limitSeconds, const QString &settingFolder,
                           const QString &appDir)
{
    m_class = false;
    m_facts = FactFluency::collect(runs);
    m_pupils.clear();
    m_settingFolder = settingFolder;
    m_appDir = appDir;
    m_explanation->setText(QStringLiteral(
        "每个格子是一道题：“熟”是熟练（最近三次都答对，每次都在时间限制以内，而且不全在同一天），"
        "“慢”是较慢（答对过，但还不够快或不够稳），“错”是出错（最近三次里答错过）。"
        "空格是还没有答过的题。鼠标停在格子上看中位用时。"));
    m_limit->setCurrentIndex(m_limit->findData(limitSeconds));
    m_today->setEnabled(!appDir.isEmpty());
    refresh();
}

void FluencyTab::showClass(const ClassRecords &records)
{
    m_class = true;
    m_facts.clear();
    m_pupils.clear();
    for (const PupilRecords &pupil : records.pupils) {
        if (pupil.unreadable.isEmpty())
            m_pupils.append(FactFluency::collect(pupil.runs));
    }
    m_settingFolder = records.folder;
    m_appDir.clear();
    m_explanation->setText(QStringLiteral(
        "每个格子是一道题，数字是全班熟练这道题的学生的百分比，颜色越绿越多。空格是还没有学生答过的题。"
        "鼠标停在格子上看人数。时间限制是全班的；选一个学生可以看他自己的。"));
    m_limit->setCurrentIndex(m_limit->findData(records.timeLimit));
    m_today->setEnabled(false);
    refresh();
}

void FluencyTab::clearGrids()
{
    for (int index = 0; index < int(m_grids.size()); ++index) {
        const Grid grid = Grid(index);
        QTableWidget *table = m_grids.at(index);
        table->clearContents();
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QString question = FactFluency::gridQuestion(grid, row, column);
                auto *item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                if (question.isEmpty()) {
                    item->setFlags(Qt::NoItemFlags); // not a fact of this map
                    item->setBackground(palette().color(QPalette::Window));
                } else {
                    item->setData(Qt::AccessibleTextRole, question + QStringLiteral(" 没有答过"));
                }
                table->setItem(row, column, item);
            }
        }
    }
}

void FluencyTab::refresh()
{
    const int seconds = m_limit->currentData().toInt();
    clearGrids();
    QList<ReportRow> others;
    const auto place = [this](const QString &question) -> QTableWidgetItem * {
        const auto cell = FactFluency::cellOf(question);
        return cell ? grid(cell->grid)->item(cell->row, cell->column) : nullptr;
    };
    if (!m_class) {
        for (const Fact &fact : std::as_const(m_facts)) {
            const FactState state = fact.state(FactFluency::limitMillis(seconds));
            if (QTableWidgetItem *item = place(fact.question)) {
                const QString description = FluencyReport::factDescription(fact, seconds);
                item->setText(FactFluency::stateLetter(state));
                item->setBackground(stateColour(state));
                item->setToolTip(description);
                item->setData(Qt::AccessibleTextRole, description);
            } else {
                others.append(FluencyReport::factRow(fact, seconds));
            }
        }
        fill(m_otherRows, FluencyReport::factHeaders(), others);
        return;
    }
    const auto shares = FluencyReport::classShares(m_pupils, seconds);
    const int pupils = int(m_pupils.size());
    for (auto share = shares.begin(); share != shares.end(); ++share) {
        const int percent = pupils ? qRound(100.0 * share->fluent / pupils) : 0;
        const QString description = QStringLiteral("%1 熟练 %2 人，答过 %3 人，全班 %4 人")
                                        .arg(share.key())
                                        .arg(share->fluent)
                                        .arg(share->answered)
                                        .arg(pupils);
        if (QTableWidgetItem *item = place(share.key())) {
            item->setText(QString::number(percent));
            item->setBackground(shareColour(pupils ? double(share->fluent) / pupils : 0));
            item->setToolTip(description);
            item->setData(Qt::AccessibleTextRole, description);
        } else {
            others.append({{share.key(), share.key()},
                           {QString::number(share->fluent), share->fluent},
                           {QString::number(share->answered), share->answered},
                           {QString::number(percent), percent}});
        }
    }
    fill(m_otherRows,
         {QStringLiteral("题目"), QStringLiteral("熟练人数"), QStringLiteral("答过人数"), QStringLiteral("熟练百分比")},
         others);
    m_otherTable->sortByColumn(1, Qt::DescendingOrder);
}

void FluencyTab::limitChosen()
{
    refresh();
    if (m_settingFolder.isEmpty())
        return;
    // Kept off the window's thread: the folder may be on a share that hangs.
    QThreadPool::globalInstance()->start([tab = QPointer<FluencyTab>(this), folder = m_settingFolder,
                                          seconds = m_limit->currentData().toInt()] {
        try {
            TimeLimitSetting::write(folder, seconds);
        } catch (const NumoraError &error) {
            QMetaObject::invokeMethod(qApp, [tab, text = error.localText()] {
                if (tab)
                    tab->m_dialogs->errorBox(text);
            });
        }
    });
}

void FluencyTab::writeToday()
{
    const QString bank = QDir::toNativeSeparators(QDir(m_appDir).filePath(QStringLiteral("data")));
    if (m_dialogs->messageBox(QStringLiteral("今日练习"),
                              QStringLiteral("将把今日练习（约 30 道题）写成自制题库：%1 里的 make.tm 和 make.da。"
                                             "\n老师编的题库保存为 make.tm.bak 和 make.da.bak。\n继续吗？")
                                  .arg(bank),
                              UserDialogs::Icon::Warning, UserDialogs::Buttons::YesNo)
        != UserDialogs::Answer::Yes)
        return;
    try {
        const int written =
            FluencyReport::writeToday(m_appDir, m_facts, m_limit->currentData().toInt(), m_program);
        emit told(QStringLiteral("已把 %1 道今日练习写成自制题库（%2）").arg(written).arg(bank));
    } catch (const NumoraError &error) {
        m_dialogs->errorBox(error.localText());
    }
}

QImage FluencyTab::picture() const
{
    return m_maps->grab().toImage();
}

void FluencyTab::exportPicture()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出图片"), QStringLiteral("熟练度.png"),
                                                      QStringLiteral("图片 (*.png *.jpg)"));
    if (path.isEmpty())
        return;
    const char *format = ProgressChart::formatFor(path);
    try {
        TextFile::replaceFile(path, ProgressChart::encode(picture(), format ? format : "PNG"));
        emit told(QStringLiteral("已把熟练度图写成 %1").arg(path));
    } catch (const NumoraError &error) {
        m_dialogs->errorBox(error.localText());
    }
}

void FluencyTab::print()
{
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QImage image = picture();
    QPainter painter(&m_printer);
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
}
