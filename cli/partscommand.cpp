#include "commandline.h"

#include "displaymask.h"
#include "standardseries.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>

#include <cmath>

namespace corvane::cli {

namespace {

const char help[] =
    "Usage: corvane parts [--series E6|E12|E24|E48|E96] [--pair series|parallel|best]\n"
    "                     [--json] VALUE\n"
    "\n"
    "The standard values nearest VALUE, in ohms or picofarads as a plain number:\n"
    "the nearest one below and the nearest one above, and the best pair of two\n"
    "parts, each with its error against VALUE in %.\n"
    "\n"
    "Options:\n"
    "  --series S   the series of the parts (default E24)\n"
    "  --pair P     how the pair is joined: series adds the two (resistors in\n"
    "               series, capacitors in parallel), parallel takes their product\n"
    "               over their sum (resistors in parallel, capacitors in series),\n"
    "               best takes whichever comes closer (default). The smaller part\n"
    "               of a pair is at least 1; in parallel, the larger is at most 100\n"
    "               times the smaller.\n"
    "  --json       print the same as JSON\n"
    "  -h, --help   show this help\n"
    "\n"
    "Exit codes: 0 done, 2 usage error.\n"
    "\n"
    "Example: corvane parts 1234 --series E12\n";

// VALUE is accepted from a billionth to a thousand billion, far beyond any
// part, so that the series' decades stay well inside a double.
constexpr double Smallest = 1e-9;
constexpr double Largest = 1e12;

int usageError(QTextStream &err, const QString &message)
{
    err << "corvane parts: " << message << '\n' << "Run 'corvane parts --help' for the usage.\n";
    return Usage;
}

// Six significant digits without the zeros at the end: 1233, 99.6923, 0.47.
QString plain(double value)
{
    const int magnitude = value > 0 ? int(std::floor(std::log10(value))) : 0;
    return shortDecimal(value, qBound(0, 5 - magnitude, 15));
}

QString percent(double value)
{
    if (std::fabs(value) < 0.005)
        return QStringLiteral("0.00 %");
    return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 2) + QStringLiteral(" %");
}

bool readJoining(const QString &text, StandardSeries::Joining &joining)
{
    static const struct
    {
        const char *name;
        StandardSeries::Joining joining;
    } names[] = { { "series", StandardSeries::InSeries },
                  { "parallel", StandardSeries::InParallel },
                  { "best", StandardSeries::EitherWay } };
    for (const auto &n : names)
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
            joining = n.joining;
            return true;
        }
    return false;
}

// "--name VALUE" or "--name=VALUE" at 'n'; false when 'argument' is not the option.
bool optionValue(const QStringList &arguments, qsizetype &n, const QString &name, QString &value, bool &missing)
{
    const QString &argument = arguments.at(n);
    if (argument.startsWith(name + QLatin1Char('='))) {
        value = argument.mid(name.size() + 1);
        return true;
    }
    if (argument != name)
        return false;
    missing = n + 1 >= arguments.size();
    if (!missing)
        value = arguments.at(++n);
    return true;
}

} // namespace

int partsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    StandardSeries::Series series = StandardSeries::E24;
    StandardSeries::Joining joining = StandardSeries::EitherWay;
    bool json = false;
    QString valueText;
    const QStringList rest = arguments.mid(1);
    for (qsizetype n = 0; n < rest.size(); ++n) {
        const QString &argument = rest.at(n);
        QString value;
        bool missing = false;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            out << help;
            return Ok;
        }
        if (argument == QLatin1String("--json")) {
            json = true;
        } else if (optionValue(rest, n, QStringLiteral("--series"), value, missing)) {
            if (missing || !StandardSeries::fromName(value, series))
                return usageError(err, QStringLiteral("--series takes E6, E12, E24, E48 or E96"));
        } else if (optionValue(rest, n, QStringLiteral("--pair"), value, missing)) {
            if (missing || !readJoining(value, joining))
                return usageError(err, QStringLiteral("--pair takes series, parallel or best"));
        } else if (argument.startsWith(QLatin1Char('-'))) {
            return usageError(err, QStringLiteral("unknown option '%1'").arg(argument));
        } else if (!valueText.isNull()) {
            return usageError(err, QStringLiteral("one VALUE only, '%1' is one too many").arg(argument));
        } else {
            valueText = argument;
        }
    }
    if (valueText.isNull())
        return usageError(err, QStringLiteral("no VALUE given"));
    bool ok = false;
    const double value = QLocale::c().toDouble(valueText, &ok);
    if (!ok || !(value >= Smallest && value <= Largest))
        return usageError(err, QStringLiteral("'%1' is no value: give a plain number from 1e-9 to 1e12").arg(valueText));

    const double below = StandardSeries::below(value, series);
    const double above = StandardSeries::above(value, series);
    const StandardSeries::Pair pair = StandardSeries::bestPair(value, series, joining);
    const QString name = StandardSeries::name(series);
    const QString joinedBy = pair.parallel ? QStringLiteral("parallel") : QStringLiteral("series");

    if (json) {
        auto neighbour = [&](double part) {
            return QJsonObject { { QStringLiteral("value"), part },
                                 { QStringLiteral("errorPercent"), StandardSeries::errorPercent(part, value) } };
        };
        QJsonValue pairJson;
        if (pair.valid)
            pairJson = QJsonObject { { QStringLiteral("larger"), pair.larger },
                                     { QStringLiteral("smaller"), pair.smaller },
                                     { QStringLiteral("joining"), joinedBy },
                                     { QStringLiteral("value"), pair.value },
                                     { QStringLiteral("errorPercent"), pair.errorPercent } };
        const QJsonObject object { { QStringLiteral("value"), value },
                                   { QStringLiteral("series"), name },
                                   { QStringLiteral("below"), neighbour(below) },
                                   { QStringLiteral("above"), neighbour(above) },
                                   { QStringLiteral("pair"), pairJson } };
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return Ok;
    }
    auto part = [&](double v) { return StandardSeries::plainText(v, series); };
    out << "Value: " << plain(value) << '\n'
        << name << " below: " << part(below) << " (" << percent(StandardSeries::errorPercent(below, value)) << ")\n"
        << name << " above: " << part(above) << " (" << percent(StandardSeries::errorPercent(above, value)) << ")\n";
    if (pair.valid)
        out << "Best " << name << " pair: " << part(pair.larger) << " and " << part(pair.smaller) << " in "
            << joinedBy << " = " << plain(pair.value) << " (" << percent(pair.errorPercent) << ")\n";
    else
        out << "Best " << name << " pair: none with both parts at least 1\n";
    return Ok;
}

} // namespace corvane::cli
