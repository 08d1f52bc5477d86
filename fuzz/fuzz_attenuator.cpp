// The attenuator solver over a sequence of entries, erases and pasted junk
// decoded from the input; any broken invariant aborts.
#include "sessions.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    corvane::invariants::InputBytes in(data, size);
    const QString problem = corvane::invariants::attenuatorSession(in, 400);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
