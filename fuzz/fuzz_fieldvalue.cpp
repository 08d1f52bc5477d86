// Arbitrary text through the field value reading and every display mask.
#include "displaymask.h"
#include "fieldvalue.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace corvane;

static void check(bool ok)
{
    if (!ok)
        std::abort();
}

static void checkMasked(double value, const QString &mask)
{
    const QString text = formatMask(value, mask);
    if (!std::isfinite(value)) {
        check(text.isEmpty());
        return;
    }
    check(!text.contains(QLatin1String("nan")) && !text.contains(QLatin1String("inf")));
    // Never "-0": a minus sign only stands before a number that is not zero.
    if (text.startsWith(QLatin1Char('-')))
        check(fieldValue(text) != 0.0);
    // What a mask shows reads back as the value, within half a step of the last decimal.
    const qsizetype point = mask.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(mask.size() - point - 1);
    const double back = fieldValue(text);
    if (std::fabs(value) < 1e15)
        check(std::fabs(back - value) <= 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = fieldValue(text);
    check(std::isfinite(value));

    for (const QString &mask : { mask::frequency, mask::inductance, mask::whole, mask::turns, mask::ohms,
                                 mask::impedance })
        checkMasked(value, mask);

    // The raw bytes as a double too, so every bit pattern meets the masks.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        for (const QString &mask : { mask::frequency, mask::whole, mask::ohms })
            checkMasked(raw, mask);
    }
    return 0;
}
