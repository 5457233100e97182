// The JPEG decoder wrapper: any bytes give a picture or none, never a crash.
#include "widgets/deco/JpegPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    decodeJpeg(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
