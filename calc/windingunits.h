#pragma once

namespace corvane {

// The constants of the winding arithmetic. Not the resonance's 2 pi, which
// keeps the figure its results have always been worked out with.
constexpr double Pi = 3.14159265358979323846;
constexpr double MillimetresPerInch = 25.4;
constexpr double MetresPerInch = 0.0254;

} // namespace corvane
