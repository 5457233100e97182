#include "training/BankEditor.h"

#include "text/Errors.h"
#include "training/Numbers.h"

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
BankPair BankEditor::bankPair() const
{
    return BankPair::custom(m_appDir);
}

void BankEditor::open()
{
    show(load());
}

BankEditor::Loaded BankEditor::load() const
{
    Loaded loaded;
    try {
        const BankPair bank = bankPair();
        bank.recover();
        loaded.questions = LineStore::read(bank.questionPath(), LineStore::Nul::Kept);
        loaded.answers = LineStore::read(bank.answerPath(), LineStore::Nul::Kept);
    } catch (...) {
        loaded.error = std::current_exception();
    }
    return loaded;
}

void BankEditor::show(const Loaded &loaded)
{
    m_questions.setLines(loaded.questions);
    m_answers.setLines(loaded.answers);
    m_modified = false;
    if (loaded.error)
        std::rethrow_exception(loaded.error);
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

namespace {

// A run reads every answer line as a number: one it cannot read never gets in.
void refuseNonNumber(const QString &answer, const QString &action)
{
    try {
        Numbers::answerValue(answer);
    } catch (const ConvertError &) {
        const QString shown = answer.size() > 40 ? answer.left(40) + QStringLiteral("…") : answer;
        throw NumoraError(QStringLiteral("答案“%1”不是一个数，这道题没有%2。").arg(shown, action));
    }
}

} // namespace

void BankEditor::add(const QString &question, const QString &typedAnswer)
{
    const QString answer = Numbers::halfWidth(typedAnswer);
    refuseNonNumber(answer, QStringLiteral("添加"));
    m_questions.appendLine(question);
    m_answers.appendLine(answer);
    m_modified = true;
}

void BankEditor::modify(const QString &question, const QString &typedAnswer)
{
    const QString answer = Numbers::halfWidth(typedAnswer);
    // Only a row both lists hold is changed, so that they stay in step.
    const int row = m_rememberedRow;
    if (row < 0 || row >= m_questions.rowCount() || row >= m_answers.rowCount())
        return;
    refuseNonNumber(answer, QStringLiteral("修改"));
    m_questions.replaceLine(row, question);
    m_answers.replaceLine(row, answer);
    m_modified = true;
}

void BankEditor::removeRememberedRow()
{
    // A row past the end of a list removes nothing from it.
    if (m_rememberedRow >= m_questions.rowCount() && m_rememberedRow >= m_answers.rowCount())
        return;
    m_questions.removeLine(m_rememberedRow);
    m_answers.removeLine(m_rememberedRow);
    m_modified = true;
}

void BankEditor::save()
{
    snapshot().write();
    saved();
}

BankEditor::Snapshot BankEditor::snapshot() const
{
    return {bankPair(), m_questions.lines(), m_answers.lines()};
}

void BankEditor::Snapshot::write() const
{
    bank.replace(questions.toFileBytes(), answers.toFileBytes());
}
