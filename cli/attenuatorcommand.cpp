#include "commandline.h"

#include "attensolver.h"
#include "entries.h"
#include "invocation.h"
#include "numbers.h"
#include "output.h"
#include "pad.h"
#include "padnetwork.h"
#include "resistorhint.h"

#include <QLocale>
#include <QTextStream>

namespace corvane::cli {

namespace {

// What the window shows beside each of the eight fields.
const char *const fieldLabels[AttenSolver::FieldCount] = {
    "Impedance", "Attenuation dB", "Pi R1 (left)", "Pi R1 (right)",
    "Pi R2", "T R3 (left)", "T R3 (right)", "T R4",
};

int fieldOf(const QString &name)
{
    static const std::pair<const char *, int> names[] = {
        { "z", 0 }, { "db", 1 }, { "r1", 2 }, { "r2", 4 }, { "r3", 5 }, { "r4", 7 },
    };
    for (const auto &n : names)
        if (name == QLatin1String(n.first))
            return n.second;
    return fieldByNumber(name, AttenSolver::FieldCount);
}

// A power given as watts ("0.5", "1W", "250mW") or as dBm ("30dBm", "-10dBm").
bool readPower(const QString &argument, double &watts)
{
    QString text = argument.trimmed();
    const bool dbm = text.endsWith(QLatin1String("dBm"), Qt::CaseInsensitive);
    const bool milliwatts = text.endsWith(QLatin1String("mW"));
    // What ends in "mW" ends in "W" too.
    text.chop(dbm ? 3 : milliwatts ? 2 : text.endsWith(QLatin1Char('W')) ? 1 : 0);
    bool ok = false;
    const double number = QLocale::c().toDouble(text, &ok);
    watts = dbm ? wattsOfDbm(number) : milliwatts ? number / 1000 : number;
    return ok && isPositiveFinite(watts);
}

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

PadListing listing(const QString &heading, const QString &key, const Pad &pad, double zIn, double zOut,
                   double inputWatts, std::vector<PartName> parts)
{
    return { heading, key, pad, PadNetwork::of(pad, zIn, zOut, inputWatts), std::move(parts) };
}

// A Pi or a T under 'heading', keyed "pi" or "t": R1 and R2, or R3 and R4, named with their roles when 'withRoles'.
PadListing ladder(const QString &heading, const Pad &pad, double zIn, double zOut, double inputWatts, bool withRoles)
{
    const bool pi = pad.kind == Pad::Pi;
    const QString outer = pi ? QStringLiteral("R1") : QStringLiteral("R3");
    const QString middle = pi ? QStringLiteral("R2") : QStringLiteral("R4");
    const QString outerRole = withRoles ? QString(pi ? " shunt" : " series") : QString();
    const QString middleRole = withRoles ? QString(pi ? " (series)" : " (shunt)") : QString();
    return listing(heading, pi ? QStringLiteral("pi") : QStringLiteral("t"), pad, zIn, zOut, inputWatts,
                   { { Pad::Input, outer + " (input" + outerRole + ')', outer.toLower() + "Input" },
                     { Pad::Middle, middle + middleRole, middle.toLower() },
                     { Pad::Output, outer + " (output" + outerRole + ')', outer.toLower() + "Output" } });
}

int refuse(QJsonObject &object, const QString &why, const Invocation &invocation)
{
    if (invocation.isSet("json")) {
        object.insert(QStringLiteral("refusal"), why);
        printJson(invocation.out(), object);
        invocation.out().flush();
    }
    invocation.say(why);
    return Refused;
}

QJsonObject figuresJson(double outer, double middle, const PadNetwork &figures)
{
    return QJsonObject { { QStringLiteral("outerOhm"), outer },
                         { QStringLiteral("middleOhm"), middle },
                         { QStringLiteral("lossDb"), figures.lossDb },
                         { QStringLiteral("inputOhm"), figures.inputOhm },
                         { QStringLiteral("returnLossDb"), finiteOrNull(figures.returnLossDb) } };
}

QJsonValue pairJson(const StandardSeries::Pair &pair)
{
    if (!pair.valid)
        return QJsonValue();
    return QJsonObject { { QStringLiteral("largerOhm"), pair.larger },
                         { QStringLiteral("smallerOhm"), pair.smaller },
                         { QStringLiteral("joining"), QString(pair.parallel ? "parallel" : "series") },
                         { QStringLiteral("ohm"), pair.value },
                         { QStringLiteral("errorPercent"), pair.errorPercent } };
}

// The symmetric Pi and T pads of the fields, terminated in their impedance,
// with 'inputWatts' going in; empty while either pad is incomplete.
std::vector<PadListing> fieldPads(const AttenSolver &solver, double inputWatts)
{
    const double z = solver.impedOhm();
    std::vector<PadListing> pads {
        ladder(QStringLiteral("Pi"), Pad::symmetric(Pad::Pi, solver.r1Ohm(), solver.r2Ohm()), z, z, inputWatts, false),
        ladder(QStringLiteral("T"), Pad::symmetric(Pad::T, solver.r3Ohm(), solver.r4Ohm()), z, z, inputWatts, false),
    };
    if (!pads[0].network.valid || !pads[1].network.valid)
        pads.clear();
    return pads;
}

// "0.520 W, rating 2 W": the power in a part and the rating it needs.
QString partPower(double watts)
{
    return wattsText(watts) + QStringLiteral(", rating ") + PadNetwork::ratingText(PadNetwork::rating(watts));
}

// "1.00 W (30.0 dBm)"
QString powerInText(double inputWatts)
{
    return QStringLiteral("%1 (%2 dBm)").arg(wattsText(inputWatts), QString::number(dbmOfWatts(inputWatts), 'f', 1));
}

// The power section of the JSON: the input, and each part's power and rating.
QJsonObject powerJson(const std::vector<PadListing> &pads, double inputWatts)
{
    QJsonObject power { { QStringLiteral("inputW"), inputWatts },
                        { QStringLiteral("inputDbm"), dbmOfWatts(inputWatts) },
                        { QStringLiteral("derating"), PadNetwork::Derating } };
    for (const PadListing &pad : pads) {
        QJsonObject parts { { QStringLiteral("loadW"), pad.network.loadWatts } };
        for (const PartName &part : pad.parts) {
            const double watts = pad.network.watts[part.place];
            const double rating = PadNetwork::rating(watts);
            parts.insert(part.key, QJsonObject { { QStringLiteral("watts"), watts },
                                                 { QStringLiteral("ratingW"), numberOrNull(rating > 0, rating) } });
        }
        power.insert(pad.key, parts);
    }
    return power;
}

// What --zout, --min-loss and --bridged-t print for the impedance and the attenuation the entries left in 'solver':
// the pads from the impedance to 'zOut' (to itself with --bridged-t). Returns the exit code.
int printPads(const AttenSolver &solver, double zOut, double watts, const Invocation &invocation)
{
    const bool bridgedT = invocation.isSet("bridged-t");
    const bool minLoss = invocation.isSet("min-loss");
    const double z = solver.impedOhm();
    if (bridgedT)
        zOut = z;
    const double minimum = Pad::minimumLossDb(z, zOut);
    const double db = minLoss ? minimum : solver.attenDb();
    if (!minLoss && !(db > 0)) {
        invocation.say(bridgedT ? QStringLiteral("--bridged-t needs an attenuation: give db=...")
                                : QStringLiteral("--zout needs an attenuation: give db=... or ask for --min-loss"));
        return Failure;
    }
    QJsonObject object { { QStringLiteral("impedOhm"), z },
                         { QStringLiteral("attenDb"), db } };
    if (!bridgedT) {
        object.insert(QStringLiteral("zOutOhm"), zOut);
        object.insert(QStringLiteral("minLossDb"), minimum);
    }
    const QString between = QStringLiteral("from %1 to %2").arg(ohmsText(z, 1), ohmsText(zOut, 1));
    std::vector<PadListing> pads;
    if (bridgedT) {
        const Pad pad = Pad::bridgedT(z, db);
        if (!pad.valid)
            return refuse(object, QStringLiteral("no bridged-T pad can be worked out for %1 and %2")
                                          .arg(ohmsText(z, 1), dbText(db)), invocation);
        pads.push_back(listing(QStringLiteral("Bridged-T pad for %1, %2:").arg(ohmsText(z, 1), dbText(db)),
                               QStringLiteral("bridgedT"), pad, z, z, watts,
                               { { Pad::Input, "series arm (input)", "seriesInput" },
                                 { Pad::Output, "series arm (output)", "seriesOutput" },
                                 { Pad::Bridge, "bridge", "bridge" }, { Pad::Middle, "shunt", "shunt" } }));
    } else if (minLoss) {
        const Pad pad = Pad::minimumLoss(z, zOut);
        if (!pad.valid)
            return refuse(object, QStringLiteral("%1 and %2 are equal: they match without a pad")
                                          .arg(ohmsText(z, 1), ohmsText(zOut, 1)), invocation);
        std::vector<PartName> parts { { Pad::Middle, "shunt (input)", "shuntInput" },
                                      { Pad::Output, "series (output)", "seriesOutput" } };
        // The series resistor sits on the side of the higher impedance.
        if (pad.ohms[Pad::Input] > 0)
            parts = { { Pad::Input, "series (input)", "seriesInput" }, { Pad::Middle, "shunt (output)", "shuntOutput" } };
        pads.push_back(listing(QStringLiteral("Minimum-loss pad %1, %2:").arg(between, dbText(minimum)),
                               QStringLiteral("minLoss"), pad, z, zOut, watts, parts));
    } else if (db < minimum) {
        // As many decimals as it takes to show the attenuation below the minimum.
        int decimals = 2;
        while (decimals < 15 && dbText(db, decimals) == dbText(minimum, decimals))
            ++decimals;
        return refuse(object,
                      QStringLiteral("%1 is below the %2 that a resistive match %3 needs (--min-loss gives that pad)")
                              .arg(dbText(db, decimals), dbText(minimum, decimals), between),
                      invocation);
    } else {
        const Pad pi = Pad::matching(Pad::Pi, z, zOut, db);
        const Pad t = Pad::matching(Pad::T, z, zOut, db);
        // Impedances or attenuations at the ends of the double range.
        if (!pi.valid || !t.valid)
            return refuse(object, QStringLiteral("no pad %1 can be worked out for %2").arg(between, dbText(db)),
                          invocation);
        const QString design = QStringLiteral(" pad %1, %2:").arg(between, dbText(db));
        pads = { ladder(QStringLiteral("Pi") + design, pi, z, zOut, watts, true),
                 ladder(QStringLiteral("T") + design, t, z, zOut, watts, true) };
    }
    QTextStream &out = invocation.out();
    if (invocation.isSet("json")) {
        for (const PadListing &pad : pads) {
            QJsonObject values;
            for (const PartName &part : pad.parts)
                values.insert(part.key + QStringLiteral("Ohm"), finiteOrNull(pad.pad.ohms[part.place]));
            object.insert(pad.key, values);
        }
        if (watts > 0)
            object.insert(QStringLiteral("power"), powerJson(pads, watts));
        printJson(out, object);
        return Ok;
    }
    if (watts > 0)
        out << "Power in: " << powerInText(watts) << '\n';
    for (const PadListing &pad : pads) {
        out << pad.heading << '\n';
        for (const PartName &part : pad.parts) {
            const QString power = watts > 0 ? ", " + partPower(pad.network.watts[part.place]) : QString();
            printField(out, "  " + part.label, ohmsText(pad.pad.ohms[part.place], 1) + power);
        }
        if (watts > 0)
            out << "  load: " << wattsText(pad.network.loadWatts) << '\n';
    }
    return Ok;
}

// The standard parts of the four resistors and what pads built from them
// really do, as the tooltips of the window tell them.
QJsonObject standardPartsJson(const AttenSolver &solver)
{
    static const std::pair<const char *, int> resistors[] = { { "r1", 2 }, { "r2", 4 }, { "r3", 5 }, { "r4", 7 } };
    QJsonObject object;
    for (const auto &[key, field] : resistors) {
        const ResistorHint hint = resistorHint(solver, field);
        QJsonValue parts;
        if (hint.valid)
            parts = QJsonObject { { QStringLiteral("e24Ohm"), hint.e24 },
                                  { QStringLiteral("e96Ohm"), hint.e96 },
                                  { QStringLiteral("e24Pair"), pairJson(hint.pair) } };
        object.insert(QLatin1String(key), parts);
    }
    const auto standard = [](const ResistorHint::StandardPad &pad) {
        return figuresJson(pad.outer, pad.middle, pad.figures);
    };
    for (const auto &[key, field] : { std::pair { "pi", 2 }, std::pair { "t", 5 } }) {
        const ResistorHint hint = resistorHint(solver, field);
        QJsonValue pads;
        if (hint.hasPads)
            pads = QJsonObject { { QStringLiteral("e24"), standard(hint.e24Pad) },
                                 { QStringLiteral("e96"), standard(hint.e96Pad) },
                                 { QStringLiteral("e24Pairs"), hint.hasPairPad ? QJsonValue(figuresJson(
                                           hint.outerPair.value, hint.middlePair.value, hint.pairPadFigures))
                                                                               : QJsonValue() } };
        object.insert(QLatin1String(key), pads);
    }
    return object;
}

void printText(const AttenSolver &solver, const std::vector<PadListing> &pads, double inputWatts, QTextStream &out)
{
    for (int i = 0; i < AttenSolver::FieldCount; ++i)
        printField(out, QLatin1String(fieldLabels[i]), solver.text(i));
    if (pads.empty())
        return;
    out << "Power in: " << powerInText(inputWatts) << ", pads terminated in "
        << QString::number(solver.impedOhm(), 'f', 1) << " ohms\n";
    for (const PadListing &pad : pads) {
        for (const PartName &part : pad.parts)
            out << pad.heading << ' ' << part.label << ": " << partPower(pad.network.watts[part.place]) << '\n';
        out << pad.heading << " load: " << wattsText(pad.network.loadWatts) << '\n';
    }
}

QJsonObject resultJson(const AttenSolver &solver, const QString &refusal, const std::vector<PadListing> &pads,
                       double inputWatts)
{
    QJsonObject object { { QStringLiteral("txt"), textsJson(solver.texts()) },
                         { QStringLiteral("impedOhm"), solver.impedOhm() },
                         { QStringLiteral("attenDb"), solver.attenDb() },
                         { QStringLiteral("r1Ohm"), solver.r1Ohm() },
                         { QStringLiteral("r2Ohm"), solver.r2Ohm() },
                         { QStringLiteral("r3Ohm"), solver.r3Ohm() },
                         { QStringLiteral("r4Ohm"), solver.r4Ohm() },
                         { QStringLiteral("standardParts"), standardPartsJson(solver) } };
    if (!refusal.isEmpty())
        object.insert(QStringLiteral("refusal"), refusal);
    if (!pads.empty()) {
        QJsonObject power = powerJson(pads, inputWatts);
        power.insert(QStringLiteral("impedOhm"), solver.impedOhm());
        object.insert(QStringLiteral("power"), power);
    }
    return object;
}

int run(Invocation &invocation)
{
    double inputWatts = 0;
    if (invocation.isSet("power") && !readPower(invocation.value("power"), inputWatts))
        return invocation.usageError(
                QStringLiteral("'%1' is no power: give watts (1, 0.5W, 250mW) or dBm (30dBm), above zero")
                        .arg(invocation.value("power")));
    double zOut = 0;
    if (invocation.isSet("zout") && !readPositive(invocation.value("zout"), zOut))
        return invocation.badValue("zout");
    std::vector<Entry> entries;
    if (!readEntries(invocation,
                     { fieldOf, "'%1' is not FIELD=TEXT (for example db=10)",
                       "unknown field '%1' (use 0..7, z, db, r1, r2, r3 or r4)",
                       "'%1' cannot be typed into a field: use digits and \".\" only" },
                     entries))
        return Usage;
    const bool bridgedT = invocation.isSet("bridged-t");
    if ((invocation.isSet("min-loss") && zOut == 0) || (bridgedT && zOut > 0))
        return invocation.usageError(QStringLiteral("--min-loss goes with --zout, --bridged-t without it"));

    // As the window starts: 50.0 in field 0, then the Tab of the first activation leaves field 0.
    AttenSolver solver;
    solver.formLoad();
    solver.txt_LostFocus(0);

    QString refusal;
    QString refusedEntry;
    for (const Entry &entry : entries) {
        solver.setText(entry.field, entry.text);
        solver.txt_LostFocus(entry.field);
        if (!solver.refusal().isEmpty()) {
            // The entries after a refused one are not applied.
            refusal = solver.refusal();
            refusedEntry = entry.argument;
            break;
        }
        noteIfIgnored(invocation, entry);
    }

    if ((zOut > 0 || bridgedT) && refusal.isEmpty())
        return printPads(solver, zOut, inputWatts, invocation);

    const bool powerAsked = inputWatts > 0;
    const std::vector<PadListing> pads = powerAsked ? fieldPads(solver, inputWatts) : std::vector<PadListing>();
    if (invocation.isSet("json"))
        printJson(invocation.out(), resultJson(solver, refusal, pads, inputWatts));
    else
        printText(solver, pads, inputWatts, invocation.out());
    invocation.out().flush();
    if (!refusal.isEmpty()) {
        invocation.say(QStringLiteral("'%1' refused: %2").arg(refusedEntry, refusal));
        return Refused;
    }
    if (powerAsked && pads.empty()) {
        invocation.say(QStringLiteral("--power needs both pads: give an attenuation (db=...) as well"));
        return Failure;
    }
    return Ok;
}

} // namespace

Command attenuatorCommand()
{
    return { "attenuator", "T and Pi attenuator resistors, and their power with --power", "the usage", false,
             { { "json" },
               { "power", "P", "--power needs a power, for example --power 1 or --power 30dBm" },
               { "zout", "OHMS", "--zout needs an impedance in ohms above zero, for example --zout 75" },
               { "min-loss" }, { "bridged-t" } },
             run };
}

} // namespace corvane::cli
