#pragma once

#include "pad.h"
#include "padnetwork.h"

#include <QJsonObject>
#include <QString>

#include <vector>

namespace corvane {
class AttenSolver;
}

namespace corvane::cli {

class Invocation;

// A part of a listed pad: its place, its label in the text, its key in the JSON.
struct PartName
{
    Pad::Place place;
    QString label;
    QString key;
};

// A pad as the attenuator subcommand lists it, with what it does.
struct PadListing
{
    QString heading;
    QString key; // "pi", "t", "minLoss" or "bridgedT"
    Pad pad;
    PadNetwork network;
    std::vector<PartName> parts;
};

// The symmetric Pi and T pads of the fields, terminated in their impedance,
// with 'inputWatts' going in; empty while either pad is incomplete.
std::vector<PadListing> fieldPads(const AttenSolver &solver, double inputWatts);

// "0.520 W, rating 2 W": the power in a part and the rating it needs.
QString partPower(double watts);
// "1.00 W (30.0 dBm)"
QString powerInText(double inputWatts);
// The power section of the JSON: the input, and each part's power and rating.
QJsonObject powerJson(const std::vector<PadListing> &pads, double inputWatts);

// What --zout, --min-loss and --bridged-t print for the impedance and the
// attenuation the entries left in 'solver'; 'zOut' is 0 without --zout,
// 'inputWatts' 0 without --power. Returns the exit code.
struct PadRequest
{
    double zOut = 0;
    bool minLoss = false;
    bool bridgedT = false;
    double inputWatts = 0;
};
int printPads(const AttenSolver &solver, const PadRequest &request, const Invocation &invocation);

// The standard parts of the four resistors and what pads built from them
// really do, as the tooltips of the window tell them.
QJsonObject standardPartsJson(const AttenSolver &solver);

} // namespace corvane::cli
