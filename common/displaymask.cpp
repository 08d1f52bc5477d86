#include "displaymask.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace corvane {

namespace {

struct MaskShape
{
    int minIntegerDigits = 0; // "0" placeholders before the point
    int decimals = 0;         // placeholders after the point
    int fixedDecimals = 0;    // leading "0" placeholders after the point
};

MaskShape shapeOf(const QString &mask)
{
    const qsizetype point = mask.indexOf(QLatin1Char('.'));
    const QString decimals = point < 0 ? QString() : mask.mid(point + 1);
    MaskShape shape;
    shape.minIntegerDigits = int(mask.left(point).count(QLatin1Char('0')));
    shape.decimals = int(decimals.size());
    while (shape.fixedDecimals < shape.decimals && decimals.at(shape.fixedDecimals) == QLatin1Char('0'))
        ++shape.fixedDecimals;
    return shape;
}

// The decimal digits of |value| to 15 significant digits, and the position of
// the decimal point in them (digits[0 .. pointPos) is the integer part).
void decimalDigits(double value, std::string &digits, int &pointPos)
{
    // The same text as printf's "%.14e", at a fraction of its cost: the
    // turns column writes three numbers for each of fifty cores.
    char buffer[64];
    char *end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14).ptr;
    const std::string text(buffer, std::size_t(end - buffer));
    const std::size_t e = text.find('e');
    digits = text.substr(0, 1) + text.substr(2, e - 2);
    pointPos = std::atoi(text.c_str() + e + 1) + 1;
}

} // namespace

QString formatMask(double value, const QString &mask)
{
    if (!std::isfinite(value))
        return QString();
    const MaskShape shape = shapeOf(mask);

    std::string digits;
    int pointPos = 0;
    decimalDigits(value, digits, pointPos);

    // Put the digits on a grid from the first integer digit down to the last
    // decimal shown, padding with zeros on either side.
    if (pointPos < 1) {
        digits.insert(0, std::size_t(1 - pointPos), '0');
        pointPos = 1;
    }
    const int wanted = pointPos + shape.decimals;
    const bool roundUp = int(digits.size()) > wanted && digits[std::size_t(wanted)] >= '5';
    digits.resize(std::size_t(wanted), '0');
    if (roundUp) {
        int i = wanted - 1;
        while (i >= 0 && digits[std::size_t(i)] == '9')
            digits[std::size_t(i--)] = '0';
        if (i >= 0) {
            ++digits[std::size_t(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        }
    }

    std::string integerPart = digits.substr(0, std::size_t(pointPos));
    std::string decimalPart = digits.substr(std::size_t(pointPos));
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? std::string() : integerPart.substr(firstNonZero);
    if (int(integerPart.size()) < shape.minIntegerDigits)
        integerPart.insert(0, std::size_t(shape.minIntegerDigits) - integerPart.size(), '0');
    while (int(decimalPart.size()) > shape.fixedDecimals && decimalPart.back() == '0')
        decimalPart.pop_back();

    const bool allZero = (integerPart + decimalPart).find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !allZero) ? "-" : "";
    out += integerPart;
    if (!decimalPart.empty())
        out += "." + decimalPart;
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

} // namespace corvane
