#pragma once

#include <QString>

namespace corvane {

struct CoreTable;

// One line that says which core table was read, with how many cores and how
// many skipped record lines, or that none was found at which path: the turns
// fields' tooltips and the start-up line on standard error show it. Empty for
// a table that was not loaded from a file.
QString coreTableReport(const CoreTable &table);

} // namespace corvane
