// Arbitrary text through the field value reading and every display mask.
#include "displaymask.h"
#include "fieldvalue.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace corvane;

static void check(bool ok, const char *what, const QString &text)
{
    if (ok)
        return;
    std::fprintf(stderr, "%s: \"%s\"\n", what, qPrintable(text.left(200)));
    std::abort();
}

// The leading-number rule written a second way: drop the blanks, take the
// longest leading number with an optional exponent, and convert it with strtod.
static double referenceValue(const QString &text)
{
    QString squeezed = text;
    squeezed.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    static const QRegularExpression leading(
            QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([EeDd][+-]?[0-9]+)?"));
    const QRegularExpressionMatch match = leading.match(squeezed);
    if (!match.hasMatch())
        return 0;
    QByteArray number = match.captured(0).toLatin1();
    number.replace('D', 'e').replace('d', 'e');
    const double value = std::strtod(number.constData(), nullptr); // nothing here sets a locale
    return std::isfinite(value) ? value : 0;
}

static void checkMasked(double value, const QString &mask)
{
    const QString text = formatMask(value, mask);
    if (!std::isfinite(value)) {
        check(text.isEmpty(), "not finite but shown", text);
        return;
    }
    // Digits with one optional point, an optional minus and nothing else:
    // never "nan", "inf", an exponent or a group separator.
    static const QRegularExpression shape(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    check(shape.match(text).hasMatch(), "mask output is not a plain number", text);
    // Never "-0": a minus sign only stands before a digit that is not zero.
    static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
    if (text.startsWith(QLatin1Char('-')))
        check(nonZero.match(text).hasMatch(), "minus zero", text);
    // What a mask shows reads back as the value, within half a step of the last decimal.
    const qsizetype point = mask.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(mask.size() - point - 1);
    const double back = fieldValue(text);
    if (std::fabs(value) < 1e15)
        check(std::fabs(back - value) <= 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14,
              "mask output does not read back", text);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = fieldValue(text);
    check(std::isfinite(value), "value not finite", text);

    // Both readings agree, except at the edge of the double range where one
    // may keep a denormal the other gives up as too small to matter.
    const double reference = referenceValue(text);
    if (std::fabs(reference) >= DBL_MIN || std::fabs(value) >= DBL_MIN)
        check(value == reference, "differs from the reference reading", text);

    for (const QString &mask : { mask::frequency, mask::inductance, mask::whole, mask::turns, mask::ohms,
                                 mask::impedance })
        checkMasked(value, mask);

    return 0;
}
