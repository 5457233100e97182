#include "report/ProgressChart.h"

#include <QBuffer>
#include <QFileInfo>

#include <QChart>
#include <QCategoryAxis>
#include <QLineSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Runs of one day lie apart by their number, the first on the day's tick,
// so that each keeps its point.
constexpr double kRunSpacing = 1.0 / 72;

} // namespace

double dayPosition(const RecordedRun &run, QDate origin)
{
    return double(origin.daysTo(run.date)) + std::max(0, run.runNumber - 1) * kRunSpacing;
}

QList<DayTick> dayTicks(QDate first, QDate last, int maxTicks)
{
    // One day of room on either side; whole days only, never two alike.
    const qint64 span = first.daysTo(last) + 2;
    const qint64 step = std::max<qint64>(1, (span + maxTicks - 1) / maxTicks);
    const QString format = first.year() == last.year() ? QStringLiteral("M-d") : QStringLiteral("yyyy-M-d");
    QList<DayTick> ticks;
    for (qint64 day = -1; day <= span - 1; day += step)
        ticks.append({double(day), first.addDays(day).toString(format)});
    return ticks;
}

namespace {

QString dayText(QDate date)
{
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QString paceText(double pace)
{
    return QString::number(pace, 'f', 1);
}

QString runText(const RecordedRun &run)
{
    return QStringLiteral("%1：正确率 %2%，每分钟 %3 题")
        .arg(dayText(run.date))
        .arg(std::lrint(run.accuracy() * 100))
        .arg(paceText(run.pace()));
}

} // namespace

QString describeProgress(const QList<RecordedRun> &runs)
{
    if (runs.isEmpty())
        return QStringLiteral("还没有训练记录。");
    const RecordedRun &first = runs.first(), &last = runs.last();
    QString text = QStringLiteral("共 %1 次训练。最近一次，%2。").arg(runs.size()).arg(runText(last));
    if (runs.size() == 1)
        return text;
    const long points = std::lrint(last.accuracy() * 100) - std::lrint(first.accuracy() * 100);
    const QString accuracy = points == 0 ? QStringLiteral("正确率不变")
                             : points > 0 ? QStringLiteral("正确率提高 %1 个百分点").arg(points)
                                          : QStringLiteral("正确率下降 %1 个百分点").arg(-points);
    const double faster = last.pace() - first.pace();
    const QString pace = paceText(std::abs(faster)) == paceText(0) ? QStringLiteral("速度不变")
                         : faster > 0 ? QStringLiteral("每分钟多做 %1 题").arg(paceText(faster))
                                      : QStringLiteral("每分钟少做 %1 题").arg(paceText(-faster));
    return text + QStringLiteral("和第一次（%1）相比，%2，%3。").arg(dayText(first.date), accuracy, pace);
}

ProgressChart::ProgressChart(QWidget *parent)
    : QChartView(parent)
{
    setAccessibleName(QStringLiteral("正确率和速度图"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    setRuns({});
}

void ProgressChart::setRuns(QList<RecordedRun> runs)
{
    std::stable_sort(runs.begin(), runs.end(), [](const RecordedRun &a, const RecordedRun &b) {
        return std::pair(a.date, a.runNumber) < std::pair(b.date, b.runNumber);
    });
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("正确率和速度"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *accuracy = new QLineSeries;
    accuracy->setName(QString::fromUtf8(kAccuracyName));
    auto *pace = new QLineSeries;
    pace->setName(QString::fromUtf8(kPaceName));
    double fastest = 10;
    const QDate origin = runs.isEmpty() ? QDate::currentDate() : runs.first().date;
    for (const RecordedRun &run : std::as_const(runs)) {
        const qreal x = dayPosition(run, origin);
        accuracy->append(x, run.accuracy() * 100);
        pace->append(x, run.pace());
        fastest = std::max(fastest, run.pace());
    }
    for (QLineSeries *series : {accuracy, pace}) {
        series->setPointsVisible(true);
        chart->addSeries(series);
        connect(series, &QLineSeries::hovered, this, [series, origin](const QPointF &point, bool over) {
            if (!over) {
                QToolTip::hideText();
                return;
            }
            const QDate when = origin.addDays(qint64(std::floor(point.x())));
            QToolTip::showText(QCursor::pos(), QStringLiteral("%1  %2：%3")
                                                   .arg(when.toString(QStringLiteral("yyyy-MM-dd")),
                                                        series->name(), QString::number(point.y(), 'f', 1)));
        });
    }
    auto *time = new QCategoryAxis;
    time->setTitleText(QStringLiteral("日期"));
    time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const QDate last = runs.isEmpty() ? origin : runs.last().date;
    const QList<DayTick> ticks = dayTicks(origin, last);
    for (const DayTick &tick : ticks)
        time->append(tick.label, tick.x);
    time->setStartValue(-1);
    time->setRange(-1, std::max(ticks.last().x, double(origin.daysTo(last) + 1)));
    auto *percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d"));
    percent->setTitleText(QString::fromUtf8(kAccuracyName));
    auto *perMinute = new QValueAxis;
    perMinute->setRange(0, fastest * 1.1);
    perMinute->applyNiceNumbers();
    perMinute->setLabelFormat(QStringLiteral("%.0f"));
    perMinute->setTitleText(QString::fromUtf8(kPaceName));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    chart->addAxis(perMinute, Qt::AlignRight);
    for (auto [series, axis] : {std::pair{accuracy, percent}, {pace, perMinute}}) {
        series->attachAxis(time);
        series->attachAxis(axis);
    }
    QChart *old = this->chart();
    setChart(chart);
    delete old;
    setAccessibleDescription(describeProgress(runs));
}

QImage ProgressChart::picture(QSize size)
{
    resize(size);
    return grab().toImage();
}

const char *ProgressChart::formatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return "PNG";
    if (suffix == u"jpg" || suffix == u"jpeg")
        return "JPEG";
    return nullptr;
}

QByteArray ProgressChart::encode(const QImage &picture, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, 90);
    return bytes;
}
