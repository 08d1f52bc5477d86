#pragma once

class QWidget;

namespace corvane {

// The calculator windows paint their own light grey background (red, green and
// blue 224), so every colour drawn on it is fixed too: black text on grey,
// black on white in the fields, white on navy for the selection, whatever the
// desktop theme (a dark one would otherwise put its light text on that grey).
void useCalculatorColours(QWidget *window);

} // namespace corvane
