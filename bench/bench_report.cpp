// Reading records for the report: 10,000 records of 100 lines each.
// Usage: bench_report FOLDER
#include "report/RunCollection.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

void generate(const QString &folder)
{
    QDir().mkpath(folder);
    for (int record = 0; record < 10000; ++record) {
        QByteArray bytes;
        int right = 0;
        for (int i = 1; i <= 97; ++i) {
            const bool ok = (i + record) % 5 != 0;
            right += ok;
            bytes += "\xb5\xda" + QByteArray::number(i) + "\xcc\xe2    " + QByteArray::number(i) + "\xa1\xc1" "7="
                     + QByteArray::number(i * 7 + (ok ? 0 : 1)) + (ok ? "    \xa1\xcc\r\n" : "    \xa1\xc1\r\n");
        }
        bytes += "\xd1\xb5\xc1\xb7\xca\xb1\xbc\xe4\xce\xaa\xa3\xba" "600\xc3\xeb\r\n"; // 训练时间为：600秒
        bytes += "\xcd\xea\xb3\xc9\xcc\xe2\xca\xfd\xce\xaa\xa3\xba" "97\xb5\xc0\r\n";  // 完成题数为：97道
        bytes += "\xd5\xfd\xc8\xb7\xcc\xe2\xca\xfd\xce\xaa\xa3\xba" + QByteArray::number(right) + "\xb5\xc0\r\n";
        QFile file(QStringLiteral("%1/2026-%2-%3-第%4次.xl").arg(folder).arg(record % 12 + 1).arg(record / 12 % 28 + 1).arg(record / 336 + 1));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    generate(folder);
    QElapsedTimer timer;
    timer.start();
    const RunCollection collection = collectRuns({folder});
    const double ms = timer.nsecsElapsed() / 1e6;
    qsizetype answers = 0;
    for (const RecordedRun &run : collection.runs)
        answers += run.answers.size();
    std::printf("report: %lld records, %lld answers read in %.1f ms, %lld skipped\n", qlonglong(collection.runs.size()),
                qlonglong(answers), ms, qlonglong(collection.skipped.size()));
    std::printf("goal report-reading: ratio %.2f (limit 1) %s\n", ms / 2000, ms <= 2000 ? "met" : "missed");
    return collection.skipped.isEmpty() ? 0 : 1;
}
