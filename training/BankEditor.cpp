#include "training/BankEditor.h"

#include "training/AppPaths.h"
#include "training/Errors.h"
#include "training/TrainingCatalogue.h"

namespace {

QString rowText(const LineListModel &list, int row)
{
    if (row < 0 || row >= list.rowCount())
        throw ListIndexError(row);
    return list.lines().at(row);
}

} // namespace

BankEditor::BankEditor(QString appDir, QObject *parent)
    : QObject(parent), m_appDir(std::move(appDir))
{
}

// The editor writes the bank that backs the first training range.
QString BankEditor::questionPath() const
{
    return AppPaths::join(m_appDir, TrainingCatalogue::range(0).questionFile);
}

QString BankEditor::answerPath() const
{
    return AppPaths::join(m_appDir, TrainingCatalogue::range(0).answerFile);
}

void BankEditor::open()
{
    m_questions.setLines({});
    m_answers.setLines({});
    m_questions.setLines(LineStore::read(questionPath()));
    m_answers.setLines(LineStore::read(answerPath()));
}

void BankEditor::pickRow(int row)
{
    m_rememberedRow = row;
    emit questionFieldChanged(rowText(m_questions, row));
    emit answerFieldChanged(rowText(m_answers, row));
    if (!m_rowPicked) {
        m_rowPicked = true;
        emit rowPickedChanged(true);
    }
}

void BankEditor::add(const QString &question, const QString &answer)
{
    m_questions.appendLine(question);
    m_answers.appendLine(answer);
}

void BankEditor::modify(const QString &question, const QString &answer)
{
    // Only a row both lists hold is changed, so that they stay in step.
    const int row = m_rememberedRow;
    if (row < 0 || row >= m_questions.rowCount() || row >= m_answers.rowCount())
        return;
    m_questions.replaceLine(row, question);
    m_answers.replaceLine(row, answer);
}

void BankEditor::removeRememberedRow()
{
    // A row past the end of a list removes nothing from it.
    m_questions.removeLine(m_rememberedRow);
    m_answers.removeLine(m_rememberedRow);
}

void BankEditor::save() const
{
    m_questions.lines().write(questionPath());
    m_answers.lines().write(answerPath());
}
