#pragma once

#include <QString>
#include <QStringList>

namespace TrainingCatalogue {

struct TrainingRange
{
    QString boxText;      // as listed in the range box
    QString questionFile; // backslash-led, relative to AppDir
    QString answerFile;
};

constexpr int kRangeCount = 12;
constexpr int kTimedMode = 0;

const TrainingRange &range(int index);
QStringList rangeTexts();
QStringList modeTexts();

// Amounts offered for a mode: seconds for the timed mode, question counts
// for any other value (no mode chosen included).
QStringList amountEntries(int modeIndex);

} // namespace TrainingCatalogue
