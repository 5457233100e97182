#include "training/TrainingModel.h"

#include "training/AppPaths.h"
#include "training/Numbers.h"
#include "training/RecordName.h"
#include "training/TextFile.h"
#include "training/TrainingCatalogue.h"

#include <QFileInfo>

namespace {

constexpr std::array<const char *, kTrainingLabelCount> kLabelNames = {
    "Label4", "Label6", "Label7", "Label11", "Label12", "Label13",
    "Label14", "Label15", "Label16", "Label17", "Label18",
};

struct ModeTexts
{
    const char *modeLine; // Label7, before the amount
    const char *unit;
    std::array<const char *, 4> captions; // Label11 to Label14
    const char *doneValue;                // Label17 at the start
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

QString labelName(TrainingLabel label)
{
    return QLatin1String(kLabelNames.at(int(label)));
}

TrainingModel::TrainingModel(QString appDir, QObject *parent)
    : QObject(parent), m_appDir(std::move(appDir))
{
    for (int i = 0; i < kTrainingLabelCount; ++i)
        m_texts[i] = QLatin1String(kLabelNames[i]);
    m_texts[int(TrainingLabel::Label4)] = QStringLiteral("题目");
}

void TrainingModel::fixRecordPath(const std::function<QString()> &todayText)
{
    m_state.RecordPath = RecordName::firstFree(m_appDir, todayText,
                                               [](const QString &path) { return QFileInfo::exists(path); });
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
    setText(TrainingLabel::Label6,
            QStringLiteral("您正在进行的是  ") + TrainingCatalogue::range(m_state.RangeIndex).boxText);
}

void TrainingModel::writeTrainingTexts()
{
    const ModeTexts &mode = modeTexts(m_state.ModeIndex);
    const QString amount = m_state.AmountText + QString::fromUtf8(mode.unit);
    setText(TrainingLabel::Label7, QString::fromUtf8(mode.modeLine) + amount);
    setText(TrainingLabel::Label11, QString::fromUtf8(mode.captions[0]));
    setText(TrainingLabel::Label12, QString::fromUtf8(mode.captions[1]));
    setText(TrainingLabel::Label13, QString::fromUtf8(mode.captions[2]));
    setText(TrainingLabel::Label14, QString::fromUtf8(mode.captions[3]));
    setText(TrainingLabel::Label15, amount);
    setText(TrainingLabel::Label16, amount);
    setText(TrainingLabel::Label17, QString::fromUtf8(mode.doneValue));
    setText(TrainingLabel::Label18, QStringLiteral("0道"));
}

void TrainingModel::loadBank()
{
    const TrainingCatalogue::TrainingRange &range = TrainingCatalogue::range(m_state.RangeIndex);
    setAnswerLines({});
    setQuestionLines({});
    setAnswerLines(TextFile::readLines(AppPaths::join(m_appDir, range.answerFile)));
    setQuestionLines(TextFile::readLines(AppPaths::join(m_appDir, range.questionFile)));
}

QString TrainingModel::text(TrainingLabel label) const
{
    return m_texts.at(int(label));
}

void TrainingModel::setText(TrainingLabel label, const QString &text)
{
    m_texts[int(label)] = text;
    emit textChanged(label, text);
}

void TrainingModel::setQuestionLines(QStringList lines)
{
    m_questionLines = std::move(lines);
    emit questionLinesChanged(m_questionLines);
}

void TrainingModel::setAnswerLines(QStringList lines)
{
    m_answerLines = std::move(lines);
    emit answerLinesChanged(m_answerLines);
}
