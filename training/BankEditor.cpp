#include "training/BankEditor.h"

#include "training/AppPaths.h"
#include "training/Errors.h"
#include "training/TextFile.h"
#include "training/TrainingCatalogue.h"

namespace {

QString rowText(const QStringListModel &list, int row)
{
    if (row < 0 || row >= list.rowCount())
        throw ListIndexError(row);
    return list.stringList().at(row);
}

void appendRow(QStringListModel &list, const QString &text)
{
    const int row = list.rowCount();
    list.insertRows(row, 1);
    list.setData(list.index(row), text);
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
    m_questions.setStringList({});
    m_answers.setStringList({});
    m_questions.setStringList(TextFile::readLines(questionPath()));
    m_answers.setStringList(TextFile::readLines(answerPath()));
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
    appendRow(m_questions, question);
    appendRow(m_answers, answer);
}

void BankEditor::modify(const QString &question, const QString &answer)
{
    // Only a row both lists hold is changed, so that they stay in step.
    const int row = m_rememberedRow;
    if (row < 0 || row >= m_questions.rowCount() || row >= m_answers.rowCount())
        return;
    m_questions.setData(m_questions.index(row), question);
    m_answers.setData(m_answers.index(row), answer);
}

void BankEditor::removeRememberedRow()
{
    // A row past the end of a list removes nothing from it.
    m_questions.removeRows(m_rememberedRow, 1);
    m_answers.removeRows(m_rememberedRow, 1);
}

void BankEditor::save() const
{
    TextFile::writeLines(questionPath(), m_questions.stringList());
    TextFile::writeLines(answerPath(), m_answers.stringList());
}
