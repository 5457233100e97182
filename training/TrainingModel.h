#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The one training state of a launch.
struct TrainingState
{
    int RangeIndex = -1;
    int ModeIndex = -1;
    int AmountIndex = -1; // -1: no amount chosen yet
    QString AmountText = QStringLiteral("请选择：");
    int ElapsedTicks = 0;
    int AnsweredCount = -1;
    int CorrectCount = 0;
    long double CurrentAnswer = 0;
    long double TypedValue = 0;
    QString RecordPath;
};

// The labels of the training panel whose texts the model writes.
enum class TrainingLabel {
    Label4, Label6, Label7,
    Label11, Label12, Label13, Label14,
    Label15, Label16, Label17, Label18,
};
constexpr int kTrainingLabelCount = 11;
QString labelName(TrainingLabel label);

// Choosing a run, entering training and the loaded bank. The window shows
// the texts and lines it announces and feeds it the user's choices.
class TrainingModel : public QObject
{
    Q_OBJECT

public:
    explicit TrainingModel(QString appDir, QObject *parent = nullptr);

    const QString &appDir() const { return m_appDir; }
    const TrainingState &state() const { return m_state; }

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
    // Throws FileOpenError; the lists keep what was loaded before the failure.
    void loadBank();

    QString text(TrainingLabel label) const;
    const QStringList &questionLines() const { return m_questionLines; }
    const QStringList &answerLines() const { return m_answerLines; }

signals:
    void textChanged(TrainingLabel label, const QString &text);
    void questionLinesChanged(const QStringList &lines);
    void answerLinesChanged(const QStringList &lines);

private:
    void setText(TrainingLabel label, const QString &text);
    void setQuestionLines(QStringList lines);
    void setAnswerLines(QStringList lines);

    QString m_appDir;
    TrainingState m_state;
    std::array<QString, kTrainingLabelCount> m_texts;
    QStringList m_questionLines;
    QStringList m_answerLines;
};
