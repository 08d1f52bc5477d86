#pragma once

#include <QString>

namespace corvane {

// The value of a calculator field: the number at the start of its text.
// Blanks, tabs and line feeds are skipped wherever they stand; "." is the only
// decimal point whatever the locale; an exponent is E or D and an integer.
// Reading stops at the first character that cannot continue the number.
// A text without a leading number, or one too large for a double, reads as 0.
double fieldValue(const QString &text);

} // namespace corvane
