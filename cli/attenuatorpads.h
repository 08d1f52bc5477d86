#pragma once

#include <QJsonObject>
#include <QString>

class QTextStream;

namespace corvane {
class AttenSolver;
}

namespace corvane::cli {

// Three significant digits and the unit: 0.520 W, 12.3 W.
QString wattsText(double value);

// What --zout, --min-loss and --bridged-t print for the impedance and the
// attenuation the entries left in 'solver'. 'zOut' is 0 without --zout;
// 'inputWatts' is 0 without --power. Returns the exit code.
struct PadRequest
{
    double zOut = 0;
    bool minLoss = false;
    bool bridgedT = false;
    double inputWatts = 0;
    bool json = false;
};
int printPads(const AttenSolver &solver, const PadRequest &request, QTextStream &out, QTextStream &err);

// The standard parts of the four resistors and what pads built from them
// really do, as the tooltips of the window tell them.
QJsonObject standardPartsJson(const AttenSolver &solver);

} // namespace corvane::cli
