#pragma once

#include <QFont>
#include <QStringList>

namespace corvane {

// The windows are drawn up in "MS Sans Serif" and "Courier New". Where those
// faces are missing, faces of the same widths come next, so texts stay inside
// their controls, and then any sans-serif or monospace face of the same size.
QFont msSansSerif(qreal points, bool bold = false);
QFont courierNew(qreal points);

} // namespace corvane
