#include "commandline.h"

#include "displaymask.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>

#include <cmath>

namespace corvane::cli {

namespace {

const char help[] =
    "Usage: corvane al [--json] N=TURNS L=MICROHENRIES\n"
    "\n"
    "Works out the AL of a core from a winding measured on it: wind TURNS turns,\n"
    "measure the inductance in uH, and AL = L[nH] / N^2 in nH per turn squared is\n"
    "the number to put into the core table as the core's AL.\n"
    "\n"
    "Options:\n"
    "  --json       print the numbers as JSON\n"
    "  -h, --help   show this help\n"
    "\n"
    "Exit codes: 0 done, 2 usage error (a missing, repeated or unusable number).\n"
    "\n"
    "Example: corvane al N=10 L=0.49   gives AL 4.9 (a T50-2 core)\n";

int usageError(QTextStream &err, const QString &message)
{
    err << "corvane al: " << message << '\n' << "Run 'corvane al --help' for the usage.\n";
    return Usage;
}

// A positive finite number written plainly, "." as the point.
bool readPositive(const QString &text, double &value)
{
    bool ok = false;
    value = text.trimmed().isEmpty() ? 0 : QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) && value > 0;
}

// Four significant digits, without the zeros a table entry does not need.
QString tableNumber(double value)
{
    const int magnitude = int(std::floor(std::log10(value)));
    return shortDecimal(value, qBound(0, 3 - magnitude, 12));
}

} // namespace

int alCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    bool json = false;
    double turns = 0;
    double microhenries = 0;
    bool haveTurns = false;
    bool haveInductance = false;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            out << help;
            return Ok;
        }
        if (argument == QLatin1String("--json")) {
            json = true;
            continue;
        }
        if (argument.startsWith(QLatin1Char('-')))
            return usageError(err, QStringLiteral("unknown option '%1'").arg(argument));
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.left(equals).toLower();
        const QString text = argument.mid(equals + 1);
        if (equals < 0 || (name != QLatin1String("n") && name != QLatin1String("l")))
            return usageError(err, QStringLiteral("'%1' is not N=TURNS or L=MICROHENRIES").arg(argument));
        const bool isTurns = name == QLatin1String("n");
        if (isTurns ? haveTurns : haveInductance)
            return usageError(err, QStringLiteral("%1 is given twice").arg(name.toUpper()));
        double value = 0;
        if (!readPositive(text, value))
            return usageError(err, QStringLiteral("%1 must be a positive number, not '%2'").arg(name.toUpper(), text));
        if (isTurns) {
            turns = value;
            haveTurns = true;
        } else {
            microhenries = value;
            haveInductance = true;
        }
    }
    if (!haveTurns || !haveInductance)
        return usageError(err, QStringLiteral("give both N=TURNS and L=MICROHENRIES"));

    // N turns give N^2 * AL nH.
    const double al = microhenries * 1000 / (turns * turns);
    if (!std::isfinite(al) || !(al > 0))
        return usageError(err, QStringLiteral("these numbers give no usable AL"));
    const double uhPer100Turns = al * 10; // 100^2 * AL nH

    if (json) {
        const QJsonObject result {
            { QStringLiteral("turns"), turns },
            { QStringLiteral("microhenries"), microhenries },
            { QStringLiteral("al"), al },
            { QStringLiteral("uhPer100Turns"), uhPer100Turns },
            { QStringLiteral("tableValue"), tableNumber(al) },
        };
        out << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented));
    } else {
        out << "AL: " << tableNumber(al) << " nH/turn^2 (" << tableNumber(uhPer100Turns)
            << " uH per 100 turns)\n"
            << "Core table AL: " << tableNumber(al) << '\n';
    }
    return Ok;
}

} // namespace corvane::cli
