#include "report/ReportTables.h"

#include "text/TextFile.h"

namespace ReportTables {

namespace {

ReportCell number(int value)
{
    return {QString::number(value), value};
}

ReportCell decimal(double value, int places, const QString &suffix = QString())
{
    return {QString::number(value, 'f', places) + suffix, value};
}

} // namespace

QStringList runHeaders()
{
    return {QStringLiteral("日期"), QStringLiteral("第几次"), QStringLiteral("用时（秒）"), QStringLiteral("完成"),
            QStringLiteral("正确"), QStringLiteral("正确率"), QStringLiteral("每分钟题数")};
}

ReportRow runRow(const RecordedRun &run)
{
    return {{run.date.toString(QStringLiteral("yyyy-MM-dd")), run.date},
            run.runNumber > 0 ? number(run.runNumber) : ReportCell{QStringLiteral("—"), 0},
            number(run.seconds),
            number(run.done),
            number(run.right),
            decimal(run.accuracy() * 100, 1, QStringLiteral("%")),
            run.seconds > 0 ? decimal(run.pace(), 1) : ReportCell{QStringLiteral("—"), 0.0}};
}

QStringList mistakeHeaders()
{
    return {QStringLiteral("题目"), QStringLiteral("错误次数"), QStringLiteral("正确次数"),
            QStringLiteral("最近一次错误答案"), QStringLiteral("正确答案")};
}

ReportRow mistakeRow(const Mistake &mistake)
{
    const QString value = mistake.value ? mistake.rightValue() : QStringLiteral("（无法计算）");
    return {{mistake.question, mistake.question}, number(mistake.wrong), number(mistake.right),
            {mistake.lastWrong, mistake.lastWrong}, {value, value}};
}

QByteArray csv(const QStringList &headers, const QList<ReportRow> &rows)
{
    QByteArray out("\xEF\xBB\xBF");
    out += TextFile::csvLine(headers);
    for (const ReportRow &row : rows) {
        QStringList fields;
        for (const ReportCell &cell : row)
            fields.append(cell.text);
        out += TextFile::csvLine(fields);
    }
    return out;
}

} // namespace ReportTables
