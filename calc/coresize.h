#pragma once

#include "numbers.h"

#include <QString>

namespace corvane {

// The dimensions of a ring core size, in inches as the catalogues give them.
struct CoreSize
{
    QString name;
    double outerInches = 0;
    double innerInches = 0;
    double heightInches = 0;
    int lineNumber = 0; // of its size line, counted from 1

    double innerMm() const { return innerInches * MillimetresPerInch; }
};

} // namespace corvane
