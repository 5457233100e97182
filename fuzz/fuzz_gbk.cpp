// The GBK line reader: any bytes split into lines without a crash, text
// without line breaks or NUL comes back byte for byte, and the line store
// agrees with the lines read, also after an edit.
#include "text/LineStore.h"
#include "text/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = TextFile::splitLines(bytes);
    if (!bytes.contains('\r') && !bytes.contains('\n') && !bytes.contains('\0')
        && TextFile::encodeGbk(TextFile::decodeGbk(bytes)) != bytes)
        std::abort();
    LineStore store = LineStore::fromBytes(bytes);
    if (store.toFileBytes() != TextFile::joinLines(lines))
        std::abort();
    if (!store.isEmpty()) {
        store.replace(store.size() / 2, store.at(0));
        store.removeAt(0);
        store.append(lines.constLast());
        QStringList edited = lines;
        edited[edited.size() / 2] = lines.constFirst();
        edited.removeFirst();
        edited.append(lines.constLast());
        if (store.toList() != edited || store.toFileBytes() != TextFile::joinLines(edited))
            std::abort();
    }
    return 0;
}
