#include "commandline.h"

#include "attenuatorpads.h"
#include "attensolver.h"
#include "entries.h"
#include "invocation.h"
#include "numbers.h"
#include "output.h"

#include <QJsonArray>
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
    const QString text = argument.trimmed();
    struct Suffix
    {
        const char *text;
        Qt::CaseSensitivity cs;
    };
    // Longest first: "dBm" and "mW" also end in a letter that "W" would take.
    static const Suffix suffixes[] = { { "dBm", Qt::CaseInsensitive }, { "mW", Qt::CaseSensitive },
                                       { "W", Qt::CaseSensitive }, { "", Qt::CaseSensitive } };
    for (const Suffix &suffix : suffixes) {
        const QLatin1String unit(suffix.text);
        if (!text.endsWith(unit, suffix.cs))
            continue;
        bool ok = false;
        const double number = QLocale::c().toDouble(text.left(text.size() - unit.size()), &ok);
        if (!ok || !std::isfinite(number))
            return false;
        if (unit == QLatin1String("dBm"))
            watts = wattsOfDbm(number);
        else if (unit == QLatin1String("mW"))
            watts = number / 1000;
        else
            watts = number;
        return isPositiveFinite(watts);
    }
    return false;
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
    QJsonArray texts;
    for (const QString &t : solver.texts())
        texts.append(t);
    QJsonObject object {
        { QStringLiteral("txt"), texts },
        { QStringLiteral("impedOhm"), solver.impedOhm() },
        { QStringLiteral("attenDb"), solver.attenDb() },
        { QStringLiteral("r1Ohm"), solver.r1Ohm() },
        { QStringLiteral("r2Ohm"), solver.r2Ohm() },
        { QStringLiteral("r3Ohm"), solver.r3Ohm() },
        { QStringLiteral("r4Ohm"), solver.r4Ohm() },
        { QStringLiteral("standardParts"), standardPartsJson(solver) },
    };
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
    PadRequest request;
    if (invocation.isSet("power") && !readPower(invocation.value("power"), request.inputWatts))
        return invocation.usageError(
                QStringLiteral("'%1' is no power: give watts (1, 0.5W, 250mW) or dBm (30dBm), above zero")
                        .arg(invocation.value("power")));
    if (invocation.isSet("zout")) {
        bool ok = false;
        request.zOut = QLocale::c().toDouble(invocation.value("zout"), &ok);
        if (!ok || !isPositiveFinite(request.zOut))
            return invocation.badValue("zout");
    }
    request.minLoss = invocation.isSet("min-loss");
    request.bridgedT = invocation.isSet("bridged-t");
    std::vector<Entry> entries;
    if (!readEntries(invocation, { fieldOf, "z, db, r1, r2, r3, r4 or 0..7" }, entries))
        return Usage;
    if ((request.minLoss && request.zOut == 0) || (request.bridgedT && request.zOut > 0))
        return invocation.usageError(QStringLiteral("--min-loss goes with --zout, --bridged-t without it"));

    // As the window starts: 50.0 in field 0, then the Tab of the first
    // activation leaves field 0.
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

    if ((request.zOut > 0 || request.bridgedT) && refusal.isEmpty())
        return printPads(solver, request, invocation);

    const bool powerAsked = request.inputWatts > 0;
    const std::vector<PadListing> pads = powerAsked ? fieldPads(solver, request.inputWatts) : std::vector<PadListing>();
    if (invocation.isSet("json"))
        printJson(invocation.out(), resultJson(solver, refusal, pads, request.inputWatts));
    else
        printText(solver, pads, request.inputWatts, invocation.out());
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
    return { "attenuator", "T and Pi attenuator resistors, and their power with --power", "the usage",
             { { "json", nullptr, nullptr },
               { "power", "P", "--power needs a power, for example --power 1 or --power 30dBm" },
               { "zout", "OHMS", "--zout needs an impedance in ohms above zero, for example --zout 75" },
               { "min-loss", nullptr, nullptr },
               { "bridged-t", nullptr, nullptr } },
             run };
}

} // namespace corvane::cli
