#include "attenuatorpads.h"

#include "attensolver.h"
#include "bridgedtpad.h"
#include "commandline.h"
#include "matchingpad.h"
#include "powerrating.h"
#include "resistorhint.h"

#include <QJsonDocument>
#include <QTextStream>

#include <cmath>
#include <vector>

namespace corvane::cli {

namespace {

// One resistor of a pad: its label in the text, its key in the JSON, its
// value (infinite when the place is left open) and the power it takes.
struct Part
{
    const char *label;
    const char *key;
    double ohms;
    double watts;
};

struct Pad
{
    QString heading;
    const char *key;
    std::vector<Part> parts;
    double loadWatts = 0;
};

QJsonValue finiteOrNull(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

QString ohmsText(double ohms)
{
    return std::isfinite(ohms) ? QString::number(ohms, 'f', 1) + QStringLiteral(" ohms") : QStringLiteral("open");
}

QString dbText(double db)
{
    return QString::number(db, 'f', 2) + QStringLiteral(" dB");
}

void printText(const std::vector<Pad> &pads, double inputWatts, QTextStream &out)
{
    for (const Pad &pad : pads) {
        out << pad.heading << '\n';
        for (const Part &part : pad.parts) {
            out << "  " << part.label << ": " << ohmsText(part.ohms);
            if (inputWatts > 0)
                out << ", " << wattsText(part.watts) << ", rating "
                    << PowerRating::text(PowerRating::forDissipation(part.watts));
            out << '\n';
        }
        if (inputWatts > 0)
            out << "  load: " << wattsText(pad.loadWatts) << '\n';
    }
}

void addJson(const std::vector<Pad> &pads, double inputWatts, QJsonObject &object)
{
    QJsonObject power { { QStringLiteral("inputW"), inputWatts },
                        { QStringLiteral("inputDbm"), 10 * std::log10(inputWatts * 1000) },
                        { QStringLiteral("derating"), PowerRating::Derating } };
    for (const Pad &pad : pads) {
        QJsonObject values;
        QJsonObject watts { { QStringLiteral("loadW"), pad.loadWatts } };
        for (const Part &part : pad.parts) {
            values.insert(QLatin1String(part.key) + QStringLiteral("Ohm"), finiteOrNull(part.ohms));
            const double rating = PowerRating::forDissipation(part.watts);
            watts.insert(QLatin1String(part.key),
                         QJsonObject { { QStringLiteral("watts"), part.watts },
                                       { QStringLiteral("ratingW"), rating > 0 ? QJsonValue(rating) : QJsonValue() } });
        }
        object.insert(QLatin1String(pad.key), values);
        power.insert(QLatin1String(pad.key), watts);
    }
    if (inputWatts > 0)
        object.insert(QStringLiteral("power"), power);
}

Pad matchingPad(const MatchingPad::Design &design, double zOut, double inputWatts, const QString &heading)
{
    const MatchingPad::Power p = MatchingPad::power(design, zOut, inputWatts);
    Pad pad { heading, design.kind == PadCheck::Pi ? "pi" : "t", {}, p.load };
    if (design.kind == PadCheck::Pi)
        pad.parts = { { "R1 (input shunt)", "r1Input", design.input, p.input },
                      { "R2 (series)", "r2", design.middle, p.middle },
                      { "R1 (output shunt)", "r1Output", design.output, p.output } };
    else
        pad.parts = { { "R3 (input series)", "r3Input", design.input, p.input },
                      { "R4 (shunt)", "r4", design.middle, p.middle },
                      { "R3 (output series)", "r3Output", design.output, p.output } };
    return pad;
}

int refuse(QJsonObject &object, const QString &why, bool json, QTextStream &out, QTextStream &err)
{
    if (json) {
        object.insert(QStringLiteral("refusal"), why);
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        out.flush();
    }
    err << "corvane attenuator: " << why << '\n';
    return Refused;
}

QJsonObject figuresJson(double outer, double middle, const PadCheck::Figures &figures)
{
    return QJsonObject { { QStringLiteral("outerOhm"), outer },
                         { QStringLiteral("middleOhm"), middle },
                         { QStringLiteral("lossDb"), figures.insertionLossDb },
                         { QStringLiteral("inputOhm"), figures.inputOhm },
                         { QStringLiteral("returnLossDb"), finiteOrNull(figures.returnLossDb) } };
}

QJsonValue pairJson(const StandardSeries::Pair &pair)
{
    if (!pair.valid)
        return QJsonValue();
    return QJsonObject { { QStringLiteral("largerOhm"), pair.larger },
                         { QStringLiteral("smallerOhm"), pair.smaller },
                         { QStringLiteral("joining"), pair.parallel ? QStringLiteral("parallel") : QStringLiteral("series") },
                         { QStringLiteral("ohm"), pair.value },
                         { QStringLiteral("errorPercent"), pair.errorPercent } };
}

} // namespace

QString wattsText(double value)
{
    // What rounding leaves in a part that carries no current.
    if (value < 1e-9)
        return QStringLiteral("0 W");
    const int magnitude = value > 0 ? int(std::floor(std::log10(value))) : 0;
    return QString::number(value, 'f', qBound(0, 2 - magnitude, 12)) + QStringLiteral(" W");
}

int printPads(const AttenSolver &solver, const PadRequest &request, QTextStream &out, QTextStream &err)
{
    const double z = solver.impedOhm();
    const double db = solver.attenDb();
    const double watts = request.inputWatts;
    QJsonObject object { { QStringLiteral("impedOhm"), z } };
    std::vector<Pad> pads;
    if (request.bridgedT) {
        object.insert(QStringLiteral("attenDb"), db);
        const BridgedTPad design = BridgedTPad::design(z, db);
        if (!(db > 0)) {
            err << "corvane attenuator: --bridged-t needs an attenuation: give db=...\n";
            return Failure;
        }
        if (!design.valid)
            return refuse(object, QStringLiteral("no bridged-T pad can be worked out for %1 and %2")
                                          .arg(ohmsText(z), dbText(db)), request.json, out, err);
        const BridgedTPad::Power p = design.power(z, watts);
        pads.push_back({ QStringLiteral("Bridged-T pad for %1, %2:").arg(ohmsText(z), dbText(db)),
                         "bridgedT",
                         { { "series arm (input)", "seriesInput", design.seriesOhm, p.inputArm },
                           { "series arm (output)", "seriesOutput", design.seriesOhm, p.outputArm },
                           { "bridge", "bridge", design.bridgeOhm, p.bridge },
                           { "shunt", "shunt", design.shuntOhm, p.shunt } },
                         p.load });
    } else {
        const double zOut = request.zOut;
        const double minimum = MatchingPad::minimumLossDb(z, zOut);
        object.insert(QStringLiteral("zOutOhm"), zOut);
        object.insert(QStringLiteral("minLossDb"), minimum);
        const QString between = QStringLiteral("from %1 to %2").arg(ohmsText(z), ohmsText(zOut));
        if (request.minLoss) {
            object.insert(QStringLiteral("attenDb"), minimum);
            const MatchingPad::Design design = MatchingPad::minimumLoss(z, zOut);
            if (!design.valid)
                return refuse(object, QStringLiteral("%1 and %2 are equal: they match without a pad")
                                              .arg(ohmsText(z), ohmsText(zOut)), request.json, out, err);
            const MatchingPad::Power p = MatchingPad::power(design, zOut, watts);
            // The series resistor sits on the side of the higher impedance.
            Pad pad { QStringLiteral("Minimum-loss pad %1, %2:").arg(between, dbText(minimum)), "minLoss", {}, p.load };
            if (design.input > 0)
                pad.parts = { { "series (input)", "seriesInput", design.input, p.input },
                              { "shunt (output)", "shuntOutput", design.middle, p.middle } };
            else
                pad.parts = { { "shunt (input)", "shuntInput", design.middle, p.middle },
                              { "series (output)", "seriesOutput", design.output, p.output } };
            pads.push_back(pad);
        } else {
            object.insert(QStringLiteral("attenDb"), db);
            if (!(db > 0)) {
                err << "corvane attenuator: --zout needs an attenuation: give db=... or ask for --min-loss\n";
                return Failure;
            }
            const MatchingPad::Design pi = MatchingPad::pi(z, zOut, db);
            const MatchingPad::Design t = MatchingPad::t(z, zOut, db);
            if (db < minimum)
                return refuse(object, QStringLiteral("%1 is below the %2 that a resistive match %3 needs (--min-loss gives that pad)")
                                              .arg(dbText(db), dbText(minimum), between), request.json, out, err);
            // Impedances or attenuations at the ends of the double range.
            if (!pi.valid || !t.valid)
                return refuse(object, QStringLiteral("no pad %1 can be worked out for %2").arg(between, dbText(db)),
                              request.json, out, err);
            pads.push_back(matchingPad(pi, zOut, watts, QStringLiteral("Pi pad %1, %2:").arg(between, dbText(db))));
            pads.push_back(matchingPad(t, zOut, watts, QStringLiteral("T pad %1, %2:").arg(between, dbText(db))));
        }
    }
    if (request.json) {
        addJson(pads, watts, object);
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        if (watts > 0)
            out << "Power in: " << wattsText(watts) << " (" << QString::number(10 * std::log10(watts * 1000), 'f', 1)
                << " dBm)\n";
        printText(pads, watts, out);
    }
    return Ok;
}

QJsonObject standardPartsJson(const AttenSolver &solver)
{
    static const struct
    {
        const char *key;
        int field;
    } resistors[] = { { "r1", 2 }, { "r2", 4 }, { "r3", 5 }, { "r4", 7 } };
    QJsonObject object;
    for (const auto &r : resistors) {
        const ResistorHint hint = resistorHint(solver, r.field);
        object.insert(QLatin1String(r.key),
                      hint.valid ? QJsonValue(QJsonObject { { QStringLiteral("e24Ohm"), hint.e24 },
                                                            { QStringLiteral("e96Ohm"), hint.e96 },
                                                            { QStringLiteral("e24Pair"), pairJson(hint.pair) } })
                                 : QJsonValue());
    }
    for (const auto &[key, field] : { std::pair { "pi", 2 }, std::pair { "t", 5 } }) {
        const ResistorHint hint = resistorHint(solver, field);
        if (!hint.hasPads) {
            object.insert(QLatin1String(key), QJsonValue());
            continue;
        }
        QJsonObject pads { { QStringLiteral("e24"), figuresJson(hint.e24Pad.outer, hint.e24Pad.middle, hint.e24Pad.figures) },
                           { QStringLiteral("e96"), figuresJson(hint.e96Pad.outer, hint.e96Pad.middle, hint.e96Pad.figures) } };
        pads.insert(QStringLiteral("e24Pairs"), hint.hasPairPad ? QJsonValue(figuresJson(hint.outerPair.value,
                                                                                         hint.middlePair.value,
                                                                                         hint.pairPadFigures))
                                                                : QJsonValue());
        object.insert(QLatin1String(key), pads);
    }
    return object;
}

} // namespace corvane::cli
