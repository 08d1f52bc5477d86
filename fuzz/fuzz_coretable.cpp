// Arbitrary bytes as the core table file, then one calculation on the table it gives.
#include "sessions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    return corvane::invariants::abortOn(corvane::invariants::coreTableSession(bytes));
}
