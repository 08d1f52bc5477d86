// The resonance solver over a core table and entries, erases and pasted junk decoded from the input.
#include "sessions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    corvane::invariants::InputBytes in(data, size);
    return corvane::invariants::abortOn(corvane::invariants::resonanceSession(in, 400));
}
