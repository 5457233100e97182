#include "training/TrainingModel.h"

#include "training/AnswerTimes.h"
#include "training/AppPaths.h"
#include "training/BankPair.h"
#include "training/RecordFormat.h"
#include "text/Errors.h"
#include "training/Numbers.h"
#include "training/RecordFile.h"
#include "training/SoundOutput.h"
#include "text/TextFile.h"
#include "training/TrainingCatalogue.h"

#include <QFileInfo>
#include <QScopeGuard>

#include <limits>

namespace {

struct ModeTexts
{
    const char *modeLine; // before the amount
    const char *unit;
    std::array<const char *, 4> captions; // of the information group
    const char *doneValue;                // what is used, at the start
};

const ModeTexts &modeTexts(int modeIndex)
{
    static const ModeTexts timed = {
        "训练方式：计时    训练时间：", "秒",
        {"规定时间：", "剩余时间：", "完成题数：", "正确题数："}, "0道"};
    static const ModeTexts counted = {
        "训练方式：计题    训练题量：", "道",
        {"规定题数：", "剩余题数：", "使用时间：", "正确题数："}, "0秒"};
    return modeIndex == TrainingCatalogue::kTimedMode ? timed : counted;
}

} // namespace

TrainingModel::TrainingModel(ProgramFolders folders, SoundOutput *sound, quint32 drawSeed, TrainingRun::Clock clock,
                             QObject *parent)
    : QObject(parent), m_folders(std::move(folders)), m_sound(sound), m_generator(drawSeed), m_clock(std::move(clock))
{
    m_texts[int(TrainingText::Question)] = QStringLiteral("题目");
}

void TrainingModel::fixRecordPath(const std::function<QString()> &todayText)
{
    m_record = RecordName::firstFree(m_folders.user, todayText,
                                     [](const QString &path) { return QFileInfo::exists(path); });
    m_state.RecordPath = RecordName::path(m_folders.user, m_record);
}

void TrainingModel::selectRange(int index)
{
    m_state.RangeIndex = index;
}

QStringList TrainingModel::selectMode(int index)
{
    m_state.ModeIndex = index;
    return TrainingCatalogue::amountEntries(index);
}

void TrainingModel::selectAmount(int index, const QString &shownText)
{
    m_state.AmountIndex = index;
    m_state.AmountText = shownText;
}

void TrainingModel::enterCustomAmount(const QString &text)
{
    m_state.AmountText = text;
    m_state.AmountIndex = Numbers::toInt(text);
}

bool TrainingModel::choiceComplete() const
{
    return m_state.RangeIndex >= 0 && m_state.ModeIndex >= 0 && m_state.AmountIndex >= 0;
}

void TrainingModel::writeRangeTitle()
{
    setText(TrainingText::RangeTitle,
            QStringLiteral("您正在进行的是  ") + TrainingCatalogue::range(m_state.RangeIndex).boxText);
}

void TrainingModel::writeTrainingTexts()
{
    const ModeTexts &mode = modeTexts(m_state.ModeIndex);
    const QString amount = m_state.AmountText + QString::fromUtf8(mode.unit);
    setText(TrainingText::ModeLine, QString::fromUtf8(mode.modeLine) + amount);
    setText(TrainingText::AmountCaption, QString::fromUtf8(mode.captions[0]));
    setText(TrainingText::LeftCaption, QString::fromUtf8(mode.captions[1]));
    setText(TrainingText::UsedCaption, QString::fromUtf8(mode.captions[2]));
    setText(TrainingText::RightCaption, QString::fromUtf8(mode.captions[3]));
    setText(TrainingText::Amount, amount);
    setText(TrainingText::Left, amount);
    setText(TrainingText::Used, QString::fromUtf8(mode.doneValue));
    setText(TrainingText::Right, QStringLiteral("0道"));
}

BankPair TrainingModel::chosenBank() const
{
    return BankPair::ofRange(m_folders, m_state.RangeIndex);
}

void TrainingModel::refuseEmptyBank() const
{
    const BankPair bank = chosenBank();
    bank.recover();
    const QString &path = bank.questionPath();
    QFile file;
    try {
        TextFile::openRegular(file, path);
    } catch (const FileOpenError &) {
        return;
    }
    // No line at all: an empty file, or one whose text a NUL ends at once.
    char first = 0;
    if (!file.getChar(&first) || first == '\0')
        throw NumoraError(QStringLiteral("题库中没有题目：%1").arg(path));
}

void TrainingModel::loadBank()
{
    const BankPair bank = chosenBank();
    setAnswerLines({});
    setQuestionLines({});
    bank.recover();
    setAnswerLines(LineStore::read(bank.answerPath()));
    setQuestionLines(LineStore::read(bank.questionPath()));
}

int TrainingModel::amount() const
{
    return Numbers::toInt(m_state.AmountText);
}

bool TrainingModel::timedMode() const
{
    return m_state.ModeIndex == TrainingCatalogue::kTimedMode;
}

QString TrainingModel::soundPath(bool right, quint32 number) const
{
    return AppPaths::join(m_folders.delivered, QStringLiteral("\\sound\\%1%2.wav").arg(QChar(right ? u'z' : u'c')).arg(number));
}

void TrainingModel::answerStep(const QString &answerText)
{
    m_view.answerText = answerText;
    if (!m_run) {
        startRun();
        return;
    }
    if (m_run->amountUsed())
        return; // the next tick finishes the run
    if (answerText.isEmpty())
        return;

    const long double typed = Numbers::typedAnswer(answerText, Numbers::localeDecimalSeparator());
    const QString typedText = Numbers::formatGeneral(typed, Numbers::localeDecimalSeparator());
    const QString question = text(TrainingText::Question);
    const TrainingRun::Answered answered = m_run->answer(typed, typedText);
    showCounts();
    playFeedback(soundPath(answered.right, m_generator.next(2)));
    const QString line = RecordFormat::answerLine(answered.number, question + typedText, answered.right);
    m_processLines.append(line);
    emit processLineAppended(line);
    setText(TrainingText::Right, QString::number(m_run->correctCount()) + QStringLiteral("道"));
    askNext();
}

void TrainingModel::startRun()
{
    TrainingRun run(timedMode(), amount(), m_clock);
    if (run.amountUsed())
        return; // a timed run of no seconds never starts
    m_run = std::move(run);
    m_run->start();
    updateView([](RunView &v) {
        v.answerEnabled = true;
        v.timerRunning = true;
        v.startEnabled = false;
    });
    emit answerFocusRequested();
    showCounts();
    // The start press sounds like a wrong answer, and takes its draw.
    playFeedback(soundPath(false, m_generator.next(2)));
    setText(TrainingText::Right, QStringLiteral("0道"));
    askNext();
}

void TrainingModel::showCounts()
{
    if (timedMode())
        setText(TrainingText::Used, QString::number(m_run->answeredCount()) + QStringLiteral("道"));
    else
        setText(TrainingText::Left, QString::number(m_run->amount() - m_run->answeredCount()) + QStringLiteral("道"));
}

void TrainingModel::askNext()
{
    try {
        drawQuestion();
    } catch (const NumoraError &) {
        clearAnswerField(); // the run goes on with the question shown
        throw;
    }
    clearAnswerField();
    reportSoundFailure();
}

void TrainingModel::clearAnswerField()
{
    updateView([](RunView &v) { v.answerText.clear(); });
    emit answerFocusRequested();
}

void TrainingModel::playFeedback(const QString &path)
{
    // Silence is no reason to stop a run: judging, the process line and the
    // next question never wait on the sound.
    try {
        m_sound->play(path);
    } catch (const NumoraError &error) {
        if (!m_soundFailure)
            m_soundFailure = error.text();
    }
}

void TrainingModel::reportSoundFailure()
{
    if (!m_soundFailure || m_soundFailureReported)
        return;
    m_soundFailureReported = true;
    throw NumoraError(*m_soundFailure);
}

void TrainingModel::drawQuestion()
{
    // Until its own answer is read, no typed value is right; whatever is
    // shown then is what the next answer's time is measured on.
    long double value = std::numeric_limits<long double>::quiet_NaN();
    const auto asked = qScopeGuard([&] { m_run->ask(text(TrainingText::Question), value); });
    const int index = int(m_generator.next(quint32(m_questionLines.size())));
    if (index >= m_questionLines.size())
        throw ListIndexError(index);
    setText(TrainingText::Question, m_questionLines.at(index));
    if (index >= m_answerLines.size())
        throw ListIndexError(index);
    value = Numbers::answerValue(m_answerLines.at(index));
}

bool TrainingModel::tick()
{
    if (!m_run)
        return false;
    const bool due = m_run->tick();
    if (timedMode())
        setText(TrainingText::Left, QString::number(m_run->amount() - m_run->elapsedTicks()) + QStringLiteral("秒"));
    else
        setText(TrainingText::Used, QString::number(m_run->elapsedTicks()) + QStringLiteral("秒"));
    if (!due)
        return false;
    endRun();
    return true;
}
bool TrainingModel::canEndAtOnce(bool selectionPanelVisible) const
{
    return m_view.startEnabled || selectionPanelVisible || !m_view.timerRunning;
}

void TrainingModel::finishRun()
{
    if (!m_run || !m_run->finish())
        return;
    finaliseProcessList();
    m_state.RecordPath = RecordFile::create(m_folders.user, m_record, m_processLines, {},
                                            AnswerTimes::text(m_run->answers()));
    emit recordWritten(m_state.RecordPath);
}

void TrainingModel::endRun()
{
    try {
        finishRun();
    } catch (const NumoraError &) {
        endRunView(); // the run is over even though its record could not be written
        throw;
    }
    endRunView();
}

void TrainingModel::finaliseProcessList()
{
    updateView([](RunView &v) { v.processVisible = true; });
    m_processLines << RecordFormat::summaryLines(timedMode(), m_state.AmountText, m_run->measured(),
                                                 m_run->correctCount());
    emit processLinesChanged(m_processLines);
}

QStringList TrainingModel::summaryLines() const
{
    return m_run && m_run->finished() ? m_processLines.mid(m_processLines.size() - RecordFormat::kSummaryLineCount) : QStringList();
}

void TrainingModel::endRunView()
{
    updateView([](RunView &v) {
        v.answerVisible = false;
        v.timerRunning = false;
        v.endEnabled = true;
    });
}

void TrainingModel::updateView(const std::function<void(RunView &)> &change)
{
    change(m_view);
    emit runViewChanged(m_view);
}

QString TrainingModel::text(TrainingText label) const
{
    return m_texts.at(int(label));
}

void TrainingModel::setText(TrainingText label, const QString &text)
{
    m_texts[int(label)] = text;
    emit textChanged(label, text);
}

void TrainingModel::setQuestionLines(LineStore lines)
{
    m_questionLines = std::move(lines);
    emit questionLinesChanged(m_questionLines);
}

void TrainingModel::setAnswerLines(LineStore lines)
{
    m_answerLines = std::move(lines);
    emit answerLinesChanged(m_answerLines);
}
