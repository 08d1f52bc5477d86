#pragma once

#include "coresizes.h"

#include <QString>
#include <QVector>

#include <array>

class QIODevice;

namespace corvane {

// The ring cores of the core table file "quillet.ini": at most 50 records, each a
// name, an AL in nanohenries per turn squared and a wire length per turn in inches.
// Records use slots 1..coreCount; slot 0 is never used.
struct CoreTable
{
    static constexpr int MaxRecords = 50;
    static constexpr int Slots = 100;

    int coreCount = 0;
    std::array<QString, Slots> coreName {};
    std::array<double, Slots> coreAL {};
    std::array<double, Slots> coreWire {};

    // A line that looked like a record (it starts with "@") but was not accepted.
    struct SkippedLine
    {
        int lineNumber = 0; // counted from 1
        QString reason;
    };
    // At most MaxSkippedListed lines are listed; skippedCount counts them all.
    static constexpr int MaxSkippedListed = 1000;
    QVector<SkippedLine> skipped;
    int skippedCount = 0;

    // What came of looking for the file, so that the user can be told why the
    // grid is empty: where it was looked for, and whether it was read.
    enum class Origin {
        None,       // not loaded from a file (read from a device, or never loaded)
        Read,       // the file at 'path' was read
        NotFound,   // nothing at 'path'
        NotAFile,   // something at 'path' that is not a regular file
        Unreadable, // the file at 'path' could not be opened: 'readError' says why
    };
    // The sizes of the SIZE lines, which tell the wire that fits a core.
    CoreSizes sizes;

    Origin origin = Origin::None;
    QString path;
    QString readError;

    // Loads the file; a file that cannot be opened gives an empty table. Either
    // way 'origin' and 'path' say what was found.
    static CoreTable load(const QString &path);
    // Reads an open device. Lines end at CR LF, CR or LF; the text is UTF-8
    // (invalid bytes read as replacement characters).
    // Only the first 100 characters of a line matter, so a huge line or file
    // costs time but no memory; reading stops after the 50th accepted record.
    // A device that can seek is read once more for the SIZE lines.
    static CoreTable read(QIODevice &device);
};

} // namespace corvane
