#include "report/ProgressChart.h"

#include <QBuffer>
#include <QFileInfo>

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>

namespace {

// Runs of one day lie apart by their number, so that each keeps its point.
QDateTime placeOf(const RecordedRun &run)
{
    return QDateTime(run.date, QTime(8, 0)).addSecs(qint64(run.runNumber) * 20 * 60);
}

} // namespace

ProgressChart::ProgressChart(QWidget *parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(220);
    setRuns({});
}

void ProgressChart::setRuns(QList<RecordedRun> runs)
{
    std::stable_sort(runs.begin(), runs.end(), [](const RecordedRun &a, const RecordedRun &b) {
        return placeOf(a) < placeOf(b);
    });
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("正确率和速度"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *accuracy = new QLineSeries;
    accuracy->setName(QString::fromUtf8(kAccuracyName));
    auto *pace = new QLineSeries;
    pace->setName(QString::fromUtf8(kPaceName));
    double fastest = 10;
    for (const RecordedRun &run : std::as_const(runs)) {
        const qreal x = placeOf(run).toMSecsSinceEpoch();
        accuracy->append(x, run.accuracy() * 100);
        pace->append(x, run.pace());
        fastest = std::max(fastest, run.pace());
    }
    for (QLineSeries *series : {accuracy, pace}) {
        series->setPointsVisible(true);
        chart->addSeries(series);
        connect(series, &QLineSeries::hovered, this, [series](const QPointF &point, bool over) {
            if (!over) {
                QToolTip::hideText();
                return;
            }
            const QDateTime when = QDateTime::fromMSecsSinceEpoch(qint64(point.x()));
            QToolTip::showText(QCursor::pos(), QStringLiteral("%1  %2：%3")
                                                   .arg(when.date().toString(QStringLiteral("yyyy-MM-dd")),
                                                        series->name(), QString::number(point.y(), 'f', 1)));
        });
    }
    auto *time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("M-d"));
    time->setTitleText(QStringLiteral("日期"));
    if (!runs.isEmpty())
        time->setRange(placeOf(runs.first()).addDays(-1), placeOf(runs.last()).addDays(1));
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
