#include "report/WorksheetTab.h"

#include "platform/DrawSeed.h"
#include "text/Errors.h"
#include "text/TextFile.h"
#include "training/TrainingCatalogue.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// The box lists the ranges in their order, then the mistakes, then, with a
// class open, the class's most-missed.
int sourceOfIndex(int index)
{
    if (index < TrainingCatalogue::kRangeCount)
        return index + 1;
    return index == TrainingCatalogue::kRangeCount ? SheetRecipe::kMistakes : SheetRecipe::kClassMistakes;
}
int indexOfSource(int source)
{
    if (source == SheetRecipe::kMistakes)
        return TrainingCatalogue::kRangeCount;
    return source == SheetRecipe::kClassMistakes ? TrainingCatalogue::kRangeCount + 1 : source - 1;
}

} // namespace

WorksheetTab::WorksheetTab(ProgramFolders folders, std::function<QList<Mistake>()> tickedMistakes,
                           UserDialogs *dialogs, QWidget *parent)
    : QWidget(parent), m_folders(std::move(folders)), m_tickedMistakes(std::move(tickedMistakes)),
      m_dialogs(dialogs), m_printer(QPrinter::HighResolution)
{
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_printer.setFullPage(true); // the sheet keeps its own margins
    // NUMORA_SEED pins the first sheet as it pins the drill's questions.
    m_recipe.seed = Worksheet::newSeed(DrawSeed::parse(qgetenv("NUMORA_SEED")));

    m_source = new QComboBox(this);
    m_source->addItems(TrainingCatalogue::rangeTexts());
    m_source->addItem(QStringLiteral("错题本"));
    m_source->setCurrentIndex(indexOfSource(m_recipe.source));
    m_count = new QSpinBox(this);
    m_count->setRange(10, Worksheet::kMaxCount);
    m_count->setValue(m_recipe.count);
    m_columns = new QSpinBox(this);
    m_columns->setRange(1, Worksheet::kMaxColumns);
    m_columns->setValue(m_recipe.columns);
    m_title = new QLineEdit(Worksheet::defaultTitle(m_recipe.source), this);
    m_code = new QLineEdit(this);
    m_code->setToolTip(QStringLiteral("输入一张题卡的题卡号，就能重新做出同一张题卡（错题本的题卡只在错题本不变时相同）"));
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_newSheet = new QPushButton(QStringLiteral("换一组"), this);
    m_print = new QPushButton(QStringLiteral("打印…"), this);
    m_pdf = new QPushButton(QStringLiteral("导出 PDF…"), this);
    m_preview = new QPrintPreviewWidget(&m_printer, this);
    m_preview->setAccessibleName(QStringLiteral("题卡预览"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("题目来源(&R)："), m_source);
    form->addRow(QStringLiteral("题数(&N)："), m_count);
    form->addRow(QStringLiteral("列数(&C)："), m_columns);
    form->addRow(QStringLiteral("标题(&T)："), m_title);
    form->addRow(QStringLiteral("题卡号(&K)："), m_code);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_newSheet);
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    auto *controls = new QVBoxLayout;
    controls->addLayout(form);
    controls->addWidget(m_problem);
    controls->addStretch();
    controls->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(controls, 1);
    layout->addWidget(m_preview, 2);

    connect(m_source, &QComboBox::currentIndexChanged, this, [this] {
        m_title->setText(Worksheet::defaultTitle(sourceOfIndex(m_source->currentIndex())));
        remake();
    });
    connect(m_count, &QSpinBox::valueChanged, this, &WorksheetTab::remake);
    connect(m_columns, &QSpinBox::valueChanged, this, &WorksheetTab::remake);
    connect(m_title, &QLineEdit::editingFinished, this, &WorksheetTab::remake);
    connect(m_code, &QLineEdit::editingFinished, this, [this] { takeCode(m_code->text()); });
    connect(m_newSheet, &QPushButton::clicked, this, &WorksheetTab::drawNew);
    connect(m_print, &QPushButton::clicked, this, &WorksheetTab::print);
    connect(m_pdf, &QPushButton::clicked, this, &WorksheetTab::exportPdf);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { WorksheetPages::paint(*printer, {m_sheet}); });
    remake();
}

const QList<SheetQuestion> &WorksheetTab::pool()
{
    if (m_recipe.source == SheetRecipe::kMistakes)
        m_pool = Worksheet::usable(m_tickedMistakes());
    else if (m_recipe.source == SheetRecipe::kClassMistakes)
        m_pool = m_classQuestions;
    else if (m_poolSource != m_recipe.source)
        m_pool = Worksheet::rangeQuestions(m_folders, m_recipe.source);
    m_poolSource = m_recipe.source;
    return m_pool;
}

void WorksheetTab::setClassQuestions(const QList<SheetQuestion> &questions)
{
    m_classQuestions = questions;
    const int index = indexOfSource(SheetRecipe::kClassMistakes);
    if (m_source->count() <= index)
        m_source->addItem(Worksheet::sourceName(SheetRecipe::kClassMistakes));
    else if (m_recipe.source == SheetRecipe::kClassMistakes)
        remake();
}

void WorksheetTab::remake()
{
    m_recipe.source = sourceOfIndex(m_source->currentIndex());
    m_recipe.count = m_count->value();
    m_recipe.columns = m_columns->value();
    m_code->setText(m_recipe.code());
    QList<SheetQuestion> questions;
    QString problem;
    try {
        questions = pool();
        if (questions.isEmpty())
            problem = m_recipe.source == SheetRecipe::kMistakes        ? QStringLiteral("错题本里没有勾选能做题卡的题。")
                      : m_recipe.source == SheetRecipe::kClassMistakes ? QStringLiteral("全班没有能做题卡的错题。")
                                                                       : QStringLiteral("这个题库里没有能做题卡的题。");
    } catch (const NumoraError &error) {
        m_poolSource.reset(); // read again next time
        problem = error.localText();
    }
    m_sheet = {m_title->text(), Worksheet::draw(questions, m_recipe.count, m_recipe.seed), m_recipe.columns,
               m_recipe.code()};
    m_problem->setText(problem);
    m_print->setEnabled(problem.isEmpty());
    m_pdf->setEnabled(problem.isEmpty());
    m_previewStale = !isVisible();
    if (!m_previewStale)
        m_preview->updatePreview();
}

void WorksheetTab::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_previewStale) {
        m_previewStale = false;
        m_preview->updatePreview();
    }
}

void WorksheetTab::drawNew()
{
    m_recipe.seed = Worksheet::newSeed();
    m_poolSource.reset(); // the bank as it is now
    remake();
}

bool WorksheetTab::takeCode(const QString &code)
{
    const auto recipe = SheetRecipe::fromCode(code);
    if (!recipe) {
        m_code->setText(m_recipe.code());
        return false;
    }
    m_recipe.seed = recipe->seed;
    {
        // One remake for the whole code, and the title of the new source.
        const QSignalBlocker source(m_source), count(m_count), columns(m_columns);
        if (m_source->currentIndex() != indexOfSource(recipe->source))
            m_title->setText(Worksheet::defaultTitle(recipe->source));
        m_source->setCurrentIndex(indexOfSource(recipe->source));
        m_count->setValue(recipe->count);
        m_columns->setValue(recipe->columns);
    }
    remake();
    return true;
}

void WorksheetTab::writePdf(const QString &path) const
{
    TextFile::replaceFile(path, WorksheetPages::pdf(m_sheet));
}

void WorksheetTab::exportPdf()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出 PDF"),
                                                      m_recipe.code() + QStringLiteral(".pdf"),
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    try {
        writePdf(path);
    } catch (const NumoraError &error) {
        m_dialogs->errorBox(error.localText());
    }
}

void WorksheetTab::print()
{
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() == QDialog::Accepted)
        WorksheetPages::paint(m_printer, {m_sheet});
}
