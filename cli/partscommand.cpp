#include "commandline.h"

#include "entries.h"
#include "invocation.h"
#include "numbers.h"
#include "output.h"
#include "standardseries.h"

#include <QTextStream>

namespace corvane::cli {

namespace {

// VALUE is accepted from a billionth to a thousand billion, far beyond any
// part, so that the series' decades stay well inside a double.
constexpr double Smallest = 1e-9;
constexpr double Largest = 1e12;

bool readJoining(const QString &text, StandardSeries::Joining &joining)
{
    static const std::pair<const char *, StandardSeries::Joining> names[] = {
        { "series", StandardSeries::InSeries }, { "parallel", StandardSeries::InParallel },
        { "best", StandardSeries::EitherWay } };
    for (const auto &n : names)
        if (text.compare(QLatin1String(n.first), Qt::CaseInsensitive) == 0) {
            joining = n.second;
            return true;
        }
    return false;
}

int run(Invocation &invocation)
{
    StandardSeries::Series series = StandardSeries::E24;
    StandardSeries::Joining joining = StandardSeries::EitherWay;
    if (invocation.isSet("series") && !StandardSeries::fromName(invocation.value("series"), series))
        return invocation.badValue("series");
    if (invocation.isSet("pair") && !readJoining(invocation.value("pair"), joining))
        return invocation.badValue("pair");
    const QStringList &arguments = invocation.arguments();
    if (arguments.size() > 1)
        return invocation.usageError(QStringLiteral("one VALUE only, '%1' is one too many").arg(arguments.at(1)));
    if (arguments.isEmpty())
        return invocation.usageError(QStringLiteral("no VALUE given"));
    double value = 0;
    if (!readPositive(arguments.first(), value) || !(value >= Smallest && value <= Largest))
        return invocation.usageError(
                QStringLiteral("'%1' is no value: give a plain number from 1e-9 to 1e12").arg(arguments.first()));

    const double below = StandardSeries::below(value, series);
    const double above = StandardSeries::above(value, series);
    const StandardSeries::Pair pair = StandardSeries::bestPair(value, series, joining);
    const QString name = StandardSeries::name(series);
    const QString joinedBy = pair.parallel ? QStringLiteral("parallel") : QStringLiteral("series");
    // Six significant digits without the zeros at the end: 1233, 99.6923, 0.47.
    auto plain = [](double v) { return significantText(v, 6); };
    auto error = [&](double part) { return StandardSeries::errorPercent(part, value); };

    QTextStream &out = invocation.out();
    if (invocation.isSet("json")) {
        auto neighbour = [&](double part) {
            return QJsonObject { { QStringLiteral("value"), part },
                                 { QStringLiteral("errorPercent"), error(part) } };
        };
        QJsonValue pairJson;
        if (pair.valid)
            pairJson = QJsonObject { { QStringLiteral("larger"), pair.larger },
                                     { QStringLiteral("smaller"), pair.smaller },
                                     { QStringLiteral("joining"), joinedBy },
                                     { QStringLiteral("value"), pair.value },
                                     { QStringLiteral("errorPercent"), pair.errorPercent } };
        printJson(out, QJsonObject { { QStringLiteral("value"), value },
                                     { QStringLiteral("series"), name },
                                     { QStringLiteral("below"), neighbour(below) },
                                     { QStringLiteral("above"), neighbour(above) },
                                     { QStringLiteral("pair"), pairJson } });
        return Ok;
    }
    auto part = [&](double v) { return StandardSeries::plainText(v, series); };
    out << "Value: " << plain(value) << '\n'
        << name << " below: " << part(below) << " (" << signedPercent(error(below)) << ")\n"
        << name << " above: " << part(above) << " (" << signedPercent(error(above)) << ")\n";
    if (pair.valid)
        out << "Best " << name << " pair: " << part(pair.larger) << " and " << part(pair.smaller) << " in "
            << joinedBy << " = " << plain(pair.value) << " (" << signedPercent(pair.errorPercent) << ")\n";
    else
        out << "Best " << name << " pair: none with both parts at least 1\n";
    return Ok;
}

} // namespace

Command partsCommand()
{
    return { "parts", "nearest standard parts and the best pair for a value", "the usage", true,
             { { "series", "S", "--series takes E6, E12, E24, E48 or E96" },
               { "pair", "P", "--pair takes series, parallel or best" },
               { "json" } },
             run };
}

} // namespace corvane::cli
