#include "commandline.h"

#include "coretable.h"
#include "invocation.h"
#include "output.h"

#include <QLocale>
#include <QTextStream>

#include <optional>

namespace corvane::cli {

namespace {

// Each core's size from the SIZE lines, and the SIZE lines that give none.
void printSizes(QTextStream &out, const CoreTable &table)
{
    // A table without SIZE lines lists as it always has.
    if (table.sizes.sizes.isEmpty() && table.sizes.badLines.isEmpty())
        return;
    out << "Sizes (inches):\n";
    for (int i = 1; i <= table.coreCount; ++i) {
        const QString &name = table.coreName[std::size_t(i)];
        if (const std::optional<CoreSize> size = table.sizes.forCore(name))
            out << QStringLiteral("  %1  %2: OD %3  ID %4  height %5\n")
                            .arg(name, size->name, tableFigure(size->outerInches), tableFigure(size->innerInches),
                                 tableFigure(size->heightInches));
        else
            out << "  " << name << "  no size\n";
    }
    for (const CoreSizes::BadLine &line : table.sizes.badLines)
        out << "  SIZE line " << line.lineNumber << " not read: " << line.reason << '\n';
}

int run(Invocation &invocation)
{
    if (!invocation.arguments().isEmpty())
        return invocation.usageError(QStringLiteral("unexpected argument '%1'").arg(invocation.arguments().first()));
    const CoreTable table = CoreTable::load(invocation.coreTablePath());
    if (table.origin != CoreTable::Origin::Read) {
        // The calculator runs with an empty table then; say so plainly.
        invocation.say(QStringLiteral("cannot read the core table %1 (the calculator shows no cores)").arg(table.path));
        return Failure;
    }

    QTextStream &out = invocation.out();
    out << "Core table: " << table.path << '\n';
    qsizetype nameWidth = 0;
    for (int i = 1; i <= table.coreCount; ++i)
        nameWidth = qMax(nameWidth, table.coreName[std::size_t(i)].size());
    for (int i = 1; i <= table.coreCount; ++i) {
        const std::size_t slot = std::size_t(i);
        out << QStringLiteral("%1  %2  AL %3  wire per turn %4\n")
                        .arg(i, 2)
                        .arg(table.coreName[slot].leftJustified(nameWidth), tableFigure(table.coreAL[slot]),
                             tableFigure(table.coreWire[slot]));
    }
    out << table.coreCount << (table.coreCount == 1 ? " core" : " cores") << " loaded.\n";
    if (table.coreCount == CoreTable::MaxRecords)
        out << "The table holds at most " << CoreTable::MaxRecords
            << " cores: lines after the last one listed are not read.\n";

    printSizes(out, table);

    if (table.skippedCount == 0) {
        out << "No line starting with \"@\" was skipped.\n";
        return Ok;
    }
    out << "Skipped lines:\n";
    for (const CoreTable::SkippedLine &line : table.skipped)
        out << "  line " << line.lineNumber << ": " << line.reason << '\n';
    if (table.skippedCount > table.skipped.size())
        out << "  ... and " << (table.skippedCount - table.skipped.size()) << " more\n";
    return Ok;
}

} // namespace

Command coresCommand()
{
    return { "cores", "list the core table and the lines it skips", "the options", true, { { "core-table", "FILE" } }, run };
}

} // namespace corvane::cli
