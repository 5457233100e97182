// The exact evaluator: any text gives a value or none within a fixed stack,
// and a value whose finite decimal fits a bank number reads back as itself.
#include "training/Arithmetic.h"
#include "text/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFile::decodeGbk(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const auto evaluation = evaluateQuestion(text);
    if (!evaluation || !evaluation->value.terminates() || evaluation->value.num < 0)
        return 0;
    const QString decimal = evaluation->value.toDecimal();
    if (decimal.size() > 19)
        return 0; // more digits than a bank number holds
    const auto again = evaluateQuestion(decimal + u'=');
    if (!again || again->value != evaluation->value)
        std::abort();
    return 0;
}
