#pragma once

#include "training/BankPair.h"
#include "training/DrawGenerator.h"
#include "training/ProgramFolders.h"
#include "text/LineStore.h"
#include "training/RecordName.h"
#include "training/TrainingRun.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// The one training state of a launch.
struct TrainingState
{
    int RangeIndex = -1;
    int ModeIndex = -1;
    int AmountIndex = -1; // -1: no amount chosen yet
    QString AmountText = QStringLiteral("请选择：");
    QString RecordPath;
};

// The texts the training panel shows: the question, the range and mode
// lines, and the information group's captions and values (the set amount,
// what is left, what is used or done, and the right answers).
enum class TrainingText {
    Question, RangeTitle, ModeLine,
    AmountCaption, LeftCaption, UsedCaption, RightCaption,
    Amount, Left, Used, Right,
};
constexpr int kTrainingTextCount = 11;

// Choosing a run, entering training and the loaded bank. The window shows
// the texts and lines it announces and feeds it the user's choices.
class SoundOutput;

// What the training panel shows of a run besides its labels.
struct RunView
{
    QString answerText;
    bool answerEnabled = false;
    bool answerVisible = true;
    bool startEnabled = true;
    bool endEnabled = true;
    bool processVisible = false;
    bool timerRunning = false;
};

class TrainingModel : public QObject
{
    Q_OBJECT

public:
    // The seed is the draw generator's starting state; the clock times the
    // answers (the system's when none is given).
    TrainingModel(ProgramFolders folders, SoundOutput *sound, quint32 drawSeed = 0,
                  TrainingRun::Clock clock = {}, QObject *parent = nullptr);

    const ProgramFolders &folders() const { return m_folders; }
    const TrainingState &state() const { return m_state; }
    // The run since the start press; none before it.
    const TrainingRun *run() const { return m_run ? &*m_run : nullptr; }

    // Fixes this launch's record name; the date text is asked for each try.
    void fixRecordPath(const std::function<QString()> &todayText);

    void selectRange(int index);
    // Returns the amount entries for the new mode.
    QStringList selectMode(int index);
    void selectAmount(int index, const QString &shownText);
    // Throws ConvertError when the text is not a whole number; the text is
    // the amount text all the same.
    void enterCustomAmount(const QString &text);

    bool choiceComplete() const;
    // The steps of entering training, in the order the window runs them
    // around its panel switch.
    void writeRangeTitle();
    void writeTrainingTexts();
    // Throws NumoraError naming the chosen range's question file when it
    // holds no question, before anything is switched; a file that cannot be
    // read is left to loadBank.
    void refuseEmptyBank() const;
    // Throws FileOpenError; the lists keep what was loaded before the failure.
    void loadBank();

    // The start press and every submitted answer, with the answer field's
    // text; a press before the run is the start. The start plays the
    // wrong-answer sound as an answer would. Throws ConvertError before
    // anything is counted (an amount that is no number at the start); ListIndexError
    // or ConvertError for a question without a readable answer, which is
    // then shown and judged wrong; the first sound that cannot be played,
    // once a launch, after the step is done.
    void answerStep(const QString &answerText);
    // One second of the run; true when this tick finished it, so that the
    // closing message is due.
    bool tick();
    // Whether "结束训练" ends the program without asking.
    bool canEndAtOnce(bool selectionPanelVisible) const;
    // Shows the summary and writes the record, once per run; later calls do
    // nothing. Throws FileCreateError.
    void finishRun();
    // Finishes the run and ends it on screen: the timer stops and the answer
    // field goes, also when the record cannot be written. Throws
    // FileCreateError.
    void endRun();

    QString text(TrainingText label) const;
    const LineStore &questionLines() const { return m_questionLines; }
    const LineStore &answerLines() const { return m_answerLines; }
    const QStringList &processLines() const { return m_processLines; }
    // The finished run's closing lines (amount, time, right answers); empty
    // before the run has finished.
    QStringList summaryLines() const;
    const RunView &runView() const { return m_view; }

signals:
    void textChanged(TrainingText label, const QString &text);
    void questionLinesChanged(const LineStore &lines);
    void answerLinesChanged(const LineStore &lines);
    void processLineAppended(const QString &line);
    void processLinesChanged(const QStringList &lines);
    void runViewChanged(const RunView &view);
    void answerFocusRequested();
    // The run's record is in its file.
    void recordWritten(const QString &path);

private:
    BankPair chosenBank() const;
    int amount() const;
    bool timedMode() const;
    QString soundPath(bool right, quint32 number) const;
    void startRun();
    void showCounts();
    void drawQuestion();
    void askNext();
    void clearAnswerField();
    void playFeedback(const QString &path);
    void reportSoundFailure();
    void finaliseProcessList();
    void endRunView();
    void setText(TrainingText label, const QString &text);
    void setQuestionLines(LineStore lines);
    void setAnswerLines(LineStore lines);
    void updateView(const std::function<void(RunView &)> &change);

    ProgramFolders m_folders;
    SoundOutput *m_sound;
    TrainingState m_state;
    RecordName::Choice m_record;
    DrawGenerator m_generator;
    TrainingRun::Clock m_clock;
    std::optional<TrainingRun> m_run;
    RunView m_view;
    QStringList m_processLines;
    std::optional<QString> m_soundFailure;
    bool m_soundFailureReported = false;
    std::array<QString, kTrainingTextCount> m_texts;
    LineStore m_questionLines;
    LineStore m_answerLines;
};
