// The record reader: any bytes give a run or a reason, never a crash, and a
// run's counts agree with its answers.
#include "training/RecordReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const RecordRead read = RecordReader::parse(QStringLiteral("2026-12-8-第1次.xl"), bytes);
    if (read.run.has_value() == !read.reason.isEmpty())
        std::abort();
    if (read.run && (read.run->done != read.run->answers.size() || read.run->right > read.run->done))
        std::abort();
    return 0;
}
