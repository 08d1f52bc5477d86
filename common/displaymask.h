#pragma once

#include <QString>

namespace corvane {

// Writes a number through a display mask of "#", "0" and ".": "0" digits are
// always shown, "#" digits only when needed; the count of placeholders after
// the point is the count of decimals. Halves round away from zero on the
// decimal value the user sees (the number taken to 15 significant digits).
// No grouping, "." as the point, never "nan", "inf" or "-0": a value that is
// not finite gives an empty text.
QString formatMask(double value, const QString &mask);

// The masks the calculators use.
namespace mask {
inline const QString frequency = QStringLiteral("#0.000");
inline const QString inductance = QStringLiteral("##0.00");
inline const QString whole = QStringLiteral("####0");
inline const QString turns = QStringLiteral("##0");
inline const QString ohms = QStringLiteral("###0.0");
inline const QString impedance = QStringLiteral("##0.0");
} // namespace mask

} // namespace corvane
