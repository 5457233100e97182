// The GBK line reader: any bytes split into lines without a crash, and text
// without line breaks or NUL comes back byte for byte.
#include "training/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = TextFile::splitLines(bytes);
    TextFile::joinLines(lines);
    if (!bytes.contains('\r') && !bytes.contains('\n') && !bytes.contains('\0')
        && TextFile::encodeGbk(TextFile::decodeGbk(bytes)) != bytes)
        std::abort();
    return 0;
}
