// The WAV loader: any file gives a sound or a sound error, never a crash.
#include "platform/WavSound.h"
#include "text/Errors.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.wav"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    try {
        decodeWav(path);
    } catch (const NumoraError &) {
    }
    return 0;
}
