#pragma once

#include "training/RecordReader.h"

#include <QChartView>

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
