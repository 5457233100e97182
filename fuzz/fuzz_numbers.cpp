// The whole-number and decimal readers and the general format: any text is
// a value or a conversion error, and a formatted value reads back.
#include "text/Errors.h"
#include "training/Numbers.h"
#include "text/TextFile.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFile::decodeGbk(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    try {
        Numbers::toInt(text);
    } catch (const ConvertError &) {
    }
    try {
        Numbers::answerValue(text);
    } catch (const ConvertError &) {
    }
    for (const QChar separator : {QChar(u'.'), QChar(u',')}) {
        try {
            const long double value = Numbers::toFloat(text, separator);
            const QString formatted = Numbers::formatGeneral(value, separator);
            const long double again = Numbers::toFloat(formatted, separator);
            // 15 significant digits: equal to that precision.
            if (std::fabs(double(again - value)) > std::fabs(double(value)) * 1e-14 + 1e-300)
                std::abort();
        } catch (const ConvertError &) {
        }
    }
    return 0;
}
