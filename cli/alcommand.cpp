#include "commandline.h"

#include "coretable.h"
#include "entries.h"
#include "inductancefit.h"
#include "invocation.h"
#include "numbers.h"
#include "output.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <optional>

namespace corvane::cli {

namespace {

// Four significant digits, without the zeros a table entry does not need.
QString tableNumber(double value)
{
    return significantText(value, 4);
}

// Microhenries to the nanohenry; what rounds to nothing is 0, never -0.
QString microhenries(double uh)
{
    return shortDecimal(std::fabs(uh) < 0.0005 ? 0.0 : uh, 3);
}

// The arguments: N=TURNS and L=MICROHENRIES pairs, each pair in either order. Returns the exit code.
int readPairs(const Invocation &invocation, QVector<InductanceMeasurement> &measurements)
{
    double numbers[2] = {};
    bool given[2] = {};
    for (const QString &argument : invocation.arguments()) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.left(equals).toUpper();
        const int which = equals < 0 ? -1 : name == QLatin1String("N") ? 0 : name == QLatin1String("L") ? 1 : -1;
        if (which < 0)
            return invocation.usageError(QStringLiteral("'%1' is not N=TURNS or L=MICROHENRIES").arg(argument));
        if (given[which])
            return invocation.usageError(QStringLiteral("%1 is given twice").arg(name));
        if (!readPositive(argument.mid(equals + 1), numbers[which]))
            return invocation.usageError(
                    QStringLiteral("%1 must be a positive number, not '%2'").arg(name, argument.mid(equals + 1)));
        given[which] = true;
        if (given[0] && given[1]) {
            measurements.append({ numbers[0], numbers[1] });
            given[0] = given[1] = false;
        }
    }
    if (given[0] || given[1] || measurements.isEmpty())
        return invocation.usageError(QStringLiteral("give both N=TURNS and L=MICROHENRIES"));
    return Ok;
}

// --file FILE: a measurement a line, turns and microhenries apart by blanks or
// a comma; "#" starts a comment. Returns the exit code.
int readFile(const Invocation &invocation, QVector<InductanceMeasurement> &measurements)
{
    const QString path = invocation.value("file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        invocation.say(QStringLiteral("cannot read %1").arg(path));
        return Failure;
    }
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    for (int lineNumber = 1; !file.atEnd(); ++lineNumber) {
        QString line = QString::fromUtf8(file.readLine());
        line = line.left(line.indexOf(QLatin1Char('#')));
        const QStringList fields = line.split(separators, Qt::SkipEmptyParts);
        InductanceMeasurement m;
        if (fields.isEmpty())
            continue;
        if (fields.size() != 2 || !readPositive(fields.at(0), m.turns) || !readPositive(fields.at(1), m.microhenries))
            return invocation.usageError(
                    QStringLiteral("%1 line %2 is not TURNS and MICROHENRIES, two positive numbers").arg(path).arg(lineNumber));
        measurements.append(m);
    }
    if (measurements.isEmpty())
        return invocation.usageError(QStringLiteral("%1 holds no measurement").arg(path));
    return Ok;
}

// The core of --core in the core table.
struct TableCore
{
    QString name;
    double al = 0;
    double wire = 0;
};

QString recordLine(const TableCore &core, double al)
{
    return QStringLiteral("@%1 %2 %3").arg(core.name, tableNumber(al), tableFigure(core.wire));
}

QJsonObject resultJson(const InductanceFit &fit, const std::optional<TableCore> &core)
{
    QJsonObject object { { QStringLiteral("al"), fit.al },
                         { QStringLiteral("uhPer100Turns"), fit.uhPer100Turns() },
                         { QStringLiteral("tableValue"), tableNumber(fit.al) } };
    if (fit.model == InductanceFit::Model::SingleMeasurement) {
        // One measurement: the keys it has always had.
        object.insert(QStringLiteral("turns"), fit.points.first().measured.turns);
        object.insert(QStringLiteral("microhenries"), fit.points.first().measured.microhenries);
    } else {
        QJsonArray points;
        for (const InductanceFit::Point &p : fit.points)
            points.append(QJsonObject { { QStringLiteral("turns"), p.measured.turns },
                                        { QStringLiteral("measured"), p.measured.microhenries },
                                        { QStringLiteral("fitted"), p.fittedUh },
                                        { QStringLiteral("residual"), p.residualUh } });
        object.insert(QStringLiteral("offsetUh"), fit.offsetUh);
        object.insert(QStringLiteral("rmsUh"), fit.rmsUh);
        object.insert(QStringLiteral("measurements"), points);
    }
    if (core)
        object.insert(QStringLiteral("core"),
                      QJsonObject { { QStringLiteral("name"), core->name },
                                    { QStringLiteral("tableAl"), core->al },
                                    { QStringLiteral("differencePercent"), fit.differencePercentFrom(core->al) },
                                    { QStringLiteral("record"), recordLine(*core, fit.al) } });
    return object;
}

void printText(QTextStream &out, const InductanceFit &fit, const std::optional<TableCore> &core)
{
    out << "AL: " << tableNumber(fit.al) << " nH/turn^2 (" << tableNumber(fit.uhPer100Turns()) << " uH per 100 turns)\n";
    if (fit.model != InductanceFit::Model::SingleMeasurement) {
        if (fit.offsetNeedsTwoTurnCounts)
            out << "L0: not fitted: the leads and the fixture need measurements at two turn counts\n";
        else if (fit.model == InductanceFit::Model::ThroughZero)
            out << "L0: 0 uH (fitted through zero)\n";
        else
            out << "L0: " << microhenries(fit.offsetUh) << " uH (the leads and the fixture)\n";
        for (const InductanceFit::Point &p : fit.points)
            out << "N=" << tableNumber(p.measured.turns) << " L=" << tableNumber(p.measured.microhenries)
                << ": fit " << microhenries(p.fittedUh) << " uH, residual " << microhenries(p.residualUh) << " uH ("
                << signedPercent(p.residualPercent) << ")\n";
        out << "RMS residual: " << microhenries(fit.rmsUh) << " uH\n";
    }
    out << "Core table AL: " << tableNumber(fit.al) << '\n';
    if (core)
        out << core->name << " in the core table: AL " << tableNumber(core->al) << ", this AL "
            << signedPercent(fit.differencePercentFrom(core->al)) << '\n'
            << "Record line: " << recordLine(*core, fit.al) << '\n';
}

int run(Invocation &invocation)
{
    QVector<InductanceMeasurement> measurements;
    const bool fromFile = invocation.isSet("file");
    if (fromFile && !invocation.arguments().isEmpty())
        return invocation.usageError(QStringLiteral("give --file FILE or N=TURNS L=MICROHENRIES, not both"));
    const int exitCode = fromFile ? readFile(invocation, measurements) : readPairs(invocation, measurements);
    if (exitCode != Ok)
        return exitCode;

    std::optional<TableCore> core;
    if (invocation.isSet("core")) {
        CoreTable table;
        const std::size_t record = std::size_t(invocation.findCore(table));
        if (record == 0)
            return Usage;
        core = TableCore { table.coreName[record], table.coreAL[record], table.coreWire[record] };
    }

    const InductanceFit fit = InductanceFit::fit(measurements, invocation.isSet("through-zero"));
    if (!fit.valid) {
        // One measurement refuses as it always has: a usage error.
        if (measurements.size() == 1)
            return invocation.usageError(fit.refusal);
        invocation.say(fit.refusal);
        return Refused;
    }

    if (invocation.isSet("json"))
        printJson(invocation.out(), resultJson(fit, core));
    else
        printText(invocation.out(), fit, core);
    return Ok;
}

} // namespace

Command alCommand()
{
    return { "al", "the AL of a core from a measured winding", "the usage", true,
             { { "file", "FILE" }, { "through-zero" }, { "core", "NAME" }, { "core-table", "FILE" }, { "json" } },
             run };
}

} // namespace corvane::cli
