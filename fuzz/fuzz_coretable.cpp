// Arbitrary bytes as the core table file; the table it gives then drives the
// resonance solver through one calculation. Any broken invariant aborts.
#include "sessions.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString problem = corvane::invariants::coreTableSession(
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
