// Arbitrary text through the field value reading and every display mask.
#include "displaymask.h"
#include "fieldvalue.h"
#include "sessions.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>

using namespace corvane;

static void check(bool ok, const char *what, const QString &text)
{
    corvane::invariants::abortOn(ok ? QString() : QStringLiteral("%1: \"%2\"").arg(QLatin1String(what), text.left(200)));
}

// The leading-number rule written a second way: drop the blanks, take the
// longest leading number with an optional exponent, and convert it with strtod.
static double referenceValue(QString text)
{
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    static const QRegularExpression leading(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([EeDd][+-]?[0-9]+)?"));
    QByteArray number = leading.match(text).captured(0).toLatin1().replace('D', 'e').replace('d', 'e');
    const double value = std::strtod(number.constData(), nullptr);
    return std::isfinite(value) ? value : 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = fieldValue(text);
    check(std::isfinite(value), "value not finite", text);
    // Both readings agree, except where one keeps a denormal the other gives up.
    const double reference = referenceValue(text);
    if (std::fabs(reference) >= DBL_MIN || std::fabs(value) >= DBL_MIN)
        check(value == reference, "differs from the reference reading", text);

    // Masks write plain numbers, never "-0", that read back within half a step of the last decimal.
    static const QRegularExpression shape(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
    for (const QString &mask : { mask::frequency, mask::inductance, mask::whole, mask::ohms }) {
        const QString shown = formatMask(value, mask);
        check(shape.match(shown).hasMatch(), "mask output is not a plain number", shown);
        check(!shown.startsWith(QLatin1Char('-')) || shown.contains(nonZero), "minus zero", shown);
        const int decimals = int(mask.size() - mask.indexOf(QLatin1Char('.')) - 1) % int(mask.size());
        if (std::fabs(value) < 1e15)
            check(std::fabs(fieldValue(shown) - value) <= 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14,
                  "mask output does not read back", shown);
    }
    return 0;
}
