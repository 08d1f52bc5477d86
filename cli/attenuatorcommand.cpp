#include "attenuatorpads.h"
#include "attensolver.h"
#include "commandline.h"
#include "padcheck.h"
#include "powerrating.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>

#include <cmath>
#include <utility>
#include <vector>

namespace corvane::cli {

namespace {

// What the window shows beside each of the eight fields.
const char *const fieldLabels[AttenSolver::FieldCount] = {
    "Impedance", "Attenuation dB", "Pi R1 (left)", "Pi R1 (right)",
    "Pi R2", "T R3 (left)", "T R3 (right)", "T R4",
};

void printUsage(QTextStream &out)
{
    out << "Usage: corvane attenuator [--json] [--power P] ENTRY...\n"
        << "       corvane attenuator [--json] [--power P] --zout OHMS [--min-loss] ENTRY...\n"
        << "       corvane attenuator [--json] [--power P] --bridged-t ENTRY...\n\n"
        << "Works like the attenuator window: it starts with an impedance of 50 ohms,\n"
        << "then each ENTRY is typed into a field and the field is left, in order.\n\n"
        << "ENTRY is FIELD=TEXT. FIELD is a field number 0..7 or one of\n"
        << "  z   impedance (0)      db  attenuation in dB (1)\n"
        << "  r1  Pi shunt R1 (2)    r2  Pi series R2 (4)\n"
        << "  r3  T series R3 (5)    r4  T shunt R4 (7)\n"
        << "Fields 3 and 6 are the right-hand R1 and R3. TEXT holds digits and \".\" only,\n"
        << "as the field accepts them from the keyboard; an empty TEXT empties the field.\n\n"
        << "Options:\n"
        << "  --json      print the eight field texts and the numbers at full precision\n"
        << "  --power P   add the power each resistor of both pads dissipates when P\n"
        << "              enters the pad, which is terminated in the impedance. P is in\n"
        << "              watts (1, 0.5, 1W, 250mW) or in dBm with the suffix (30dBm = 1 W).\n"
        << "              Each resistor gets the smallest of the ratings 1/8, 1/4, 1/2, 1,\n"
        << "              2, 3, 5, 10, 25, 50 and 100 W that is at least twice its power.\n"
        << "  --zout OHMS print, instead of the fields, the Pi and T pads that match the\n"
        << "              impedance z at their input to OHMS at their output with the\n"
        << "              attenuation db. A match between unequal impedances loses at least\n"
        << "              20 log10(sqrt(r) + sqrt(r - 1)) dB, r the larger over the smaller;\n"
        << "              a smaller attenuation is refused with that minimum (exit code 3).\n"
        << "  --min-loss  with --zout: the minimum-loss pad itself, a series resistor on the\n"
        << "              side of the higher impedance and a shunt across the lower one\n"
        << "  --bridged-t print, instead of the fields, the bridged-T pad for z and db:\n"
        << "              two series arms of z, the bridge z (K - 1) and the shunt\n"
        << "              z / (K - 1), K = 10^(db / 20)\n"
        << "  --help      show this help\n\n"
        << "With --json the fields come with the nearest E24 and E96 part and the best\n"
        << "E24 pair of each resistor, and what pads built from them do (standardParts).\n\n"
        << "Exit codes: 0 done, 1 --power, --zout or --bridged-t without an attenuation,\n"
        << "2 usage error, 3 an entry was refused: its reason goes to standard error,\n"
        << "the entries after it are not applied, and the state is printed as it stands\n"
        << "after the refusal. With --zout, 3 also refuses an attenuation below the least\n"
        << "the two impedances need, and --min-loss between equal impedances.\n";
}

int fieldIndex(const QString &name)
{
    static const std::pair<const char *, int> names[] = {
        { "z", 0 }, { "db", 1 }, { "r1", 2 }, { "r2", 4 }, { "r3", 5 }, { "r4", 7 },
    };
    const QString lower = name.toLower();
    for (const auto &n : names)
        if (lower == QLatin1String(n.first))
            return n.second;
    if (lower.size() == 1 && lower.at(0) >= QLatin1Char('0') && lower.at(0) <= QLatin1Char('7'))
        return lower.at(0).unicode() - '0';
    return -1;
}

// Only what the keyboard lets into a field: digits and the point.
bool isTypeable(const QString &text)
{
    for (QChar c : text)
        if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('.'))
            return false;
    return true;
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
            watts = std::pow(10.0, (number - 30) / 10);
        else if (unit == QLatin1String("mW"))
            watts = number / 1000;
        else
            watts = number;
        return std::isfinite(watts) && watts > 0;
    }
    return false;
}

struct PadPower
{
    const char *pad;
    const char *names[3]; // input, middle and output resistor
    PadCheck::Power power;
};

// The power in both pads, or false when a pad is not complete yet.
bool padPowers(const AttenSolver &solver, double inputWatts, PadPower (&pads)[2])
{
    pads[0] = { "Pi", { "R1 (input)", "R2", "R1 (output)" },
                PadCheck::power(PadCheck::Pi, solver.r1Ohm(), solver.r2Ohm(), solver.impedOhm(), inputWatts) };
    pads[1] = { "T", { "R3 (input)", "R4", "R3 (output)" },
                PadCheck::power(PadCheck::T, solver.r3Ohm(), solver.r4Ohm(), solver.impedOhm(), inputWatts) };
    return pads[0].power.valid && pads[1].power.valid;
}

void printPowerText(const AttenSolver &solver, const PadPower (&pads)[2], QTextStream &out)
{
    const double input = pads[0].power.inputWatts;
    out << "Power in: " << wattsText(input) << " (" << QString::number(10 * std::log10(input * 1000), 'f', 1)
        << " dBm), pads terminated in " << QString::number(solver.impedOhm(), 'f', 1) << " ohms\n";
    for (const PadPower &pad : pads) {
        const double parts[3] = { pad.power.first, pad.power.middle, pad.power.last };
        for (int i = 0; i < 3; ++i)
            out << pad.pad << ' ' << pad.names[i] << ": " << wattsText(parts[i]) << ", rating "
                << PowerRating::text(PowerRating::forDissipation(parts[i])) << '\n';
        out << pad.pad << " load: " << wattsText(pad.power.load) << '\n';
    }
}

QJsonObject powerJson(const AttenSolver &solver, const PadPower (&pads)[2])
{
    auto part = [](double dissipated) {
        const double rating = PowerRating::forDissipation(dissipated);
        return QJsonObject { { QStringLiteral("watts"), dissipated },
                             { QStringLiteral("ratingW"), rating > 0 ? QJsonValue(rating) : QJsonValue() } };
    };
    const double input = pads[0].power.inputWatts;
    QJsonObject object {
        { QStringLiteral("inputW"), input },
        { QStringLiteral("inputDbm"), 10 * std::log10(input * 1000) },
        { QStringLiteral("impedOhm"), solver.impedOhm() },
        { QStringLiteral("derating"), PowerRating::Derating },
    };
    object.insert(QStringLiteral("pi"), QJsonObject { { QStringLiteral("r1Input"), part(pads[0].power.first) },
                                                      { QStringLiteral("r2"), part(pads[0].power.middle) },
                                                      { QStringLiteral("r1Output"), part(pads[0].power.last) },
                                                      { QStringLiteral("loadW"), pads[0].power.load } });
    object.insert(QStringLiteral("t"), QJsonObject { { QStringLiteral("r3Input"), part(pads[1].power.first) },
                                                     { QStringLiteral("r4"), part(pads[1].power.middle) },
                                                     { QStringLiteral("r3Output"), part(pads[1].power.last) },
                                                     { QStringLiteral("loadW"), pads[1].power.load } });
    return object;
}

void printText(const AttenSolver &solver, QTextStream &out)
{
    for (int i = 0; i < AttenSolver::FieldCount; ++i) {
        out << fieldLabels[i] << ':';
        if (!solver.text(i).isEmpty())
            out << ' ' << solver.text(i);
        out << '\n';
    }
}

void printJson(const AttenSolver &solver, const QString &refusal, const QJsonObject &power, QTextStream &out)
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
    };
    if (!refusal.isEmpty())
        object.insert(QStringLiteral("refusal"), refusal);
    if (!power.isEmpty())
        object.insert(QStringLiteral("power"), power);
    object.insert(QStringLiteral("standardParts"), standardPartsJson(solver));
    out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace

int attenuatorCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    bool json = false;
    double inputWatts = 0; // 0: no --power
    PadRequest pads;
    struct Entry
    {
        int index;
        QString text;
        QString argument;
    };
    std::vector<Entry> entries;
    const QStringList rest = arguments.mid(1);
    for (qsizetype n = 0; n < rest.size(); ++n) {
        const QString &argument = rest.at(n);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            printUsage(out);
            return Ok;
        }
        if (argument == QLatin1String("--json")) {
            json = true;
            continue;
        }
        if (argument == QLatin1String("--power") || argument.startsWith(QLatin1String("--power="))) {
            // The value may start with "-" (-10dBm), so it is taken whatever it looks like.
            const bool joined = argument.size() > 7;
            if (!joined && n + 1 >= rest.size()) {
                err << "corvane attenuator: --power needs a power, for example --power 1 or --power 30dBm\n";
                return Usage;
            }
            const QString value = joined ? argument.mid(8) : rest.at(++n);
            if (!readPower(value, inputWatts)) {
                err << "corvane attenuator: '" << value
                    << "' is no power: give watts (1, 0.5W, 250mW) or dBm (30dBm), above zero\n";
                return Usage;
            }
            continue;
        }
        if (argument == QLatin1String("--min-loss") || argument == QLatin1String("--bridged-t")) {
            (argument == QLatin1String("--min-loss") ? pads.minLoss : pads.bridgedT) = true;
            continue;
        }
        if (argument == QLatin1String("--zout") || argument.startsWith(QLatin1String("--zout="))) {
            const bool joined = argument.size() > 6;
            bool ok = false;
            const QString value = joined ? argument.mid(7) : rest.value(++n);
            pads.zOut = QLocale::c().toDouble(value, &ok);
            if (!ok || !(pads.zOut > 0) || !std::isfinite(pads.zOut)) {
                err << "corvane attenuator: --zout needs an impedance in ohms above zero, for example --zout 75\n";
                return Usage;
            }
            continue;
        }
        if (argument.startsWith(QLatin1Char('-'))) {
            err << "corvane attenuator: unknown option '" << argument << "'\n"
                << "Run 'corvane attenuator --help' for the usage.\n";
            return Usage;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals < 0) {
            err << "corvane attenuator: '" << argument << "' is not FIELD=TEXT (for example db=10)\n";
            return Usage;
        }
        const int index = fieldIndex(argument.left(equals));
        if (index < 0) {
            err << "corvane attenuator: unknown field '" << argument.left(equals)
                << "' (use 0..7, z, db, r1, r2, r3 or r4)\n";
            return Usage;
        }
        const QString text = argument.mid(equals + 1);
        if (!isTypeable(text)) {
            err << "corvane attenuator: '" << text
                << "' cannot be typed into a field: use digits and \".\" only\n";
            return Usage;
        }
        entries.push_back({ index, text, argument });
    }

    if ((pads.minLoss && pads.zOut == 0) || (pads.bridgedT && pads.zOut > 0)) {
        err << "corvane attenuator: --min-loss goes with --zout, --bridged-t without it\n";
        return Usage;
    }

    // As the window starts: 50.0 in field 0, then the Tab of the first
    // activation leaves field 0.
    AttenSolver solver;
    solver.formLoad();
    solver.txt_LostFocus(0);

    QString refusal;
    QString refusedEntry;
    for (const Entry &entry : entries) {
        solver.setText(entry.index, entry.text);
        solver.txt_LostFocus(entry.index);
        if (!solver.refusal().isEmpty()) {
            // The entries after a refused one are not applied.
            refusal = solver.refusal();
            refusedEntry = entry.argument;
            break;
        }
    }

    if ((pads.zOut > 0 || pads.bridgedT) && refusal.isEmpty()) {
        pads.inputWatts = inputWatts;
        pads.json = json;
        return printPads(solver, pads, out, err);
    }

    PadPower powers[2];
    const bool powerAsked = inputWatts > 0;
    const bool powerKnown = powerAsked && padPowers(solver, inputWatts, powers);
    if (json) {
        printJson(solver, refusal, powerKnown ? powerJson(solver, powers) : QJsonObject(), out);
    } else {
        printText(solver, out);
        if (powerKnown)
            printPowerText(solver, powers, out);
    }
    out.flush();
    if (!refusal.isEmpty()) {
        err << "corvane attenuator: '" << refusedEntry << "' refused: " << refusal << '\n';
        return Refused;
    }
    if (powerAsked && !powerKnown) {
        err << "corvane attenuator: --power needs both pads: give an attenuation (db=...) as well\n";
        return Failure;
    }
    return Ok;
}

} // namespace corvane::cli
