#pragma once

#include "coresize.h"

#include <QString>
#include <QVector>

#include <optional>

class QIODevice;

namespace corvane {

// The size lines of the core table file, which the record reader skips:
//   SIZE NAME OD ID HEIGHT
// the keyword in the first column in any letter case, NAME without blanks, the
// dimensions in inches with "." as the decimal point, fields separated by one
// or more blanks, nothing after HEIGHT; ID > 0, OD > ID, HEIGHT > 0.
struct CoreSizes
{
    QVector<CoreSize> sizes; // in file order

    // A line whose first word is SIZE but that does not give a size.
    struct BadLine
    {
        int lineNumber = 0; // counted from 1
        QString reason;
    };
    QVector<BadLine> badLines;

    // Reads the whole device, lines of any length, line ends as the records have them.
    static CoreSizes read(QIODevice &device);

    // The size of a core: a size line naming the core itself, else the size
    // named by the core's name up to its mix (the text before the last "-"),
    // names compared without regard to letter case.
    std::optional<CoreSize> forCore(const QString &coreName) const;

private:
    const CoreSize *named(const QString &name) const;
};

} // namespace corvane
