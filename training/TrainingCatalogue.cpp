#include "training/TrainingCatalogue.h"

#include <array>

namespace TrainingCatalogue {

namespace {

TrainingRange bank(const char *boxText, const char *stem)
{
    const QString path = QStringLiteral("\\data\\") + QLatin1String(stem);
    return {QString::fromUtf8(boxText), path + QStringLiteral(".tm"), path + QStringLiteral(".da")};
}

const std::array<TrainingRange, kRangeCount> &ranges()
{
    static const std::array<TrainingRange, kRangeCount> table = {
        bank("1、自制题库  训练", "make"),
        bank("2、20以内一步加减法  训练", "201"),
        bank("3、20以内二步加减法  训练", "202"),
        bank("4、百以内一步加减法  训练", "1001"),
        bank("5、百以内二步加减法  训练", "1002"),
        bank("6、万以内加减  训练", "10000a"),
        bank("7、表内乘除法  训练", "kj"),
        bank("8、万以内乘除法  训练", "10000d"),
        bank("9、万以内四则混合运算  训练", "sz"),
        bank("10、一位数乘两位数  训练", "12"),
        bank("11、小数加减法  训练", "xsjj"),
        bank("12、小数乘除法  训练", "xscc"),
    };
    return table;
}

} // namespace

const TrainingRange &range(int index)
{
    return ranges().at(index);
}

QStringList rangeTexts()
{
    QStringList texts;
    for (const TrainingRange &r : ranges())
        texts.append(r.boxText);
    return texts;
}

QStringList modeTexts()
{
    return {QStringLiteral("定时训练（单位：秒）"), QStringLiteral("定量训练（单位：道）")};
}

QStringList amountEntries(int modeIndex)
{
    if (modeIndex == kTimedMode)
        return {"60", "120", "180", "240", "300", "600"};
    return {"10", "50", "100", "200", "500", "1000"};
}

} // namespace TrainingCatalogue
