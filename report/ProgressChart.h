#pragma once

#include "training/RecordReader.h"

#include <QChartView>

// Where a run stands on the chart's day axis, counted from origin.
double dayPosition(const RecordedRun &run, QDate origin);

// The date axis's ticks: whole days from the day before first to the day
// after last, at most maxTicks, labelled M-d, with the year when the dates
// span years.
struct DayTick
{
    double x;
    QString label;
};
QList<DayTick> dayTicks(QDate first, QDate last, int maxTicks = 8);

// The chart in words, for those who cannot see it: how many runs, the
// latest one's accuracy and pace, and how they moved since the first.
// The runs in date order.
QString describeProgress(const QList<RecordedRun> &runs);

// Accuracy and pace of every run over time, with the values under the
// pointer shown as a tip.
class ProgressChart : public QChartView
{
    Q_OBJECT

public:
    explicit ProgressChart(QWidget *parent = nullptr);

    void setRuns(QList<RecordedRun> runs);
    // The chart as a picture of the given size.
    QImage picture(QSize size);
    // The image format a file name asks for ("PNG", "JPEG"); nothing for
    // any other suffix.
    static const char *formatFor(const QString &path);
    // A picture encoded as its file name asks.
    static QByteArray encode(const QImage &picture, const char *format);

    static constexpr const char *kAccuracyName = "正确率（%）";
    static constexpr const char *kPaceName = "每分钟题数";
};
