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

const char help[] =
    "Usage: corvane attenuator [--json] [--power P] ENTRY...\n"
    "       corvane attenuator [--json] [--power P] --zout OHMS [--min-loss] ENTRY...\n"
    "       corvane attenuator [--json] [--power P] --bridged-t ENTRY...\n"
    "\n"
    "Works like the attenuator window: it starts with an impedance of 50 ohms,\n"
    "then each ENTRY is typed into a field and the field is left, in order.\n"
    "\n"
    "ENTRY is FIELD=TEXT. FIELD is a field number 0..7 or one of\n"
    "  z   impedance (0)      db  attenuation in dB (1)\n"
    "  r1  Pi shunt R1 (2)    r2  Pi series R2 (4)\n"
    "  r3  T series R3 (5)    r4  T shunt R4 (7)\n"
    "Fields 3 and 6 are the right-hand R1 and R3. TEXT holds digits and \".\" only,\n"
    "as the field accepts them from the keyboard; an empty TEXT empties the field.\n"
    "An ENTRY whose TEXT reads as 0 is ignored, as in the window, and said so on\n"
    "standard error.\n"
    "\n"
    "Options:\n"
    "  --json      print the eight field texts and the numbers at full precision\n"
    "  --power P   add the power each resistor of both pads dissipates when P\n"
    "              enters the pad, which is terminated in the impedance. P is in\n"
    "              watts (1, 0.5, 1W, 250mW) or in dBm with the suffix (30dBm = 1 W).\n"
    "              Each resistor gets the smallest of the ratings 1/8, 1/4, 1/2, 1,\n"
    "              2, 3, 5, 10, 25, 50 and 100 W that is at least twice its power.\n"
    "  --zout OHMS print, instead of the fields, the Pi and T pads that match the\n"
    "              impedance z at their input to OHMS at their output with the\n"
    "              attenuation db. A match between unequal impedances loses at least\n"
    "              20 log10(sqrt(r) + sqrt(r - 1)) dB, r the larger over the smaller;\n"
    "              a smaller attenuation is refused with that minimum (exit code 3).\n"
    "  --min-loss  with --zout: the minimum-loss pad itself, a series resistor on the\n"
    "              side of the higher impedance and a shunt across the lower one\n"
    "  --bridged-t print, instead of the fields, the bridged-T pad for z and db:\n"
    "              two series arms of z, the bridge z (K - 1) and the shunt\n"
    "              z / (K - 1), K = 10^(db / 20)\n"
    "  --help      show this help\n"
    "\n"
    "With --json the fields come with the nearest E24 and E96 part and the best\n"
    "E24 pair of each resistor, and what pads built from them do (standardParts).\n"
    "\n"
    "Exit codes: 0 done, 1 --power, --zout or --bridged-t without an attenuation,\n"
    "2 usage error, 3 an entry was refused: its reason goes to standard error,\n"
    "the entries after it are not applied, and the state is printed as it stands\n"
    "after the refusal. With --zout, 3 also refuses an attenuation below the least\n"
    "the two impedances need, and --min-loss between equal impedances.\n";

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
    return { "attenuator", "T and Pi attenuator resistors, and their power with --power", help, "the usage",
             { { "json", nullptr, nullptr },
               { "power", "P", "--power needs a power, for example --power 1 or --power 30dBm" },
               { "zout", "OHMS", "--zout needs an impedance in ohms above zero, for example --zout 75" },
               { "min-loss", nullptr, nullptr },
               { "bridged-t", nullptr, nullptr } },
             run };
}

} // namespace corvane::cli
