#include "coretable.h"

#include "textlinereader.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace corvane {

namespace {

// Only the first 100 characters of a line are ever looked at: the "@" and
// 99 characters of record text.
constexpr int KeptCharacters = 100;
constexpr int RecordCharacters = 99;
// Enough bytes for 100 characters of up to four bytes each, and a byte order mark.
constexpr qsizetype KeptBytes = 4 * KeptCharacters + 3;

// Characters here are code points, so a character outside the basic plane
// (two UTF-16 units) counts once and is never cut in half.
QString leftCharacters(const QString &text, qsizetype count)
{
    qsizetype seen = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate())
            continue;
        if (seen == count)
            return text.left(i);
        ++seen;
    }
    return text;
}

// The numbers of the table are written by hand in a text editor: the user's
// decimal separator is read, and so is ".", so that 4.9 is 4.9 in every locale.
// Digit grouping is never read (4,9 must not become 49 where "," groups).
class NumberReader
{
public:
    NumberReader() : m_user(QLocale()), m_point(QLocale::c())
    {
        m_user.setNumberOptions(QLocale::RejectGroupSeparator);
        m_point.setNumberOptions(QLocale::RejectGroupSeparator);
    }

    bool read(const QString &text, double &value) const
    {
        // The "." reading goes first because it is cheap, where the system
        // locale asks the system for its separators on every number. The
        // order changes no result: a text that reads with "." as the point
        // either reads the same in the user's locale or not at all there
        // (where "." groups digits, grouping is refused).
        bool ok = false;
        double v = m_point.toDouble(text, &ok);
        if (!ok)
            v = m_user.toDouble(text, &ok);
        if (!ok || !std::isfinite(v))
            return false;
        value = v;
        return true;
    }

private:
    QLocale m_user;
    QLocale m_point;
};

class RecordParser
{
public:
    explicit RecordParser(CoreTable &table) : m_table(table) {}

    // One line of the file, at most its first 100 characters.
    void parse(const QString &head, int lineNumber)
    {
        if (!head.startsWith(QLatin1Char('@')))
            return;
        const QString line = head.toUpper();
        if (line.size() < 2)
            return skip(lineNumber, QStringLiteral("nothing after \"@\""));

        // Fields are separated by spaces only: a tab belongs to its field.
        const QStringList fields =
                leftCharacters(line.mid(1), RecordCharacters).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.isEmpty())
            return skip(lineNumber, QStringLiteral("no name"));
        if (fields.size() == 1) {
            return skip(lineNumber, fields.first().contains(QLatin1Char('\t'))
                                ? QStringLiteral("no AL (a tab does not separate fields, a space does)")
                                : QStringLiteral("no AL"));
        }
        if (fields.size() == 2)
            return skip(lineNumber, QStringLiteral("no wire length per turn"));
        if (fields.size() > 3)
            return skip(lineNumber, QStringLiteral("a fourth field"));

        double al = 0;
        double wire = 0;
        if (!m_numbers.read(fields.at(1), al))
            return skip(lineNumber, QStringLiteral("AL is not a number"));
        if (!m_numbers.read(fields.at(2), wire))
            return skip(lineNumber, QStringLiteral("wire length per turn is not a number"));

        // Only an accepted record takes a slot, so the slots after the last
        // record stay empty.
        const std::size_t slot = std::size_t(++m_table.coreCount);
        m_table.coreName[slot] = fields.at(0);
        m_table.coreAL[slot] = al;
        m_table.coreWire[slot] = wire;
    }

private:
    void skip(int lineNumber, const QString &reason)
    {
        ++m_table.skippedCount;
        if (m_table.skipped.size() < CoreTable::MaxSkippedListed)
            m_table.skipped.append({ lineNumber, reason });
    }

    CoreTable &m_table;
    NumberReader m_numbers;
};

} // namespace

CoreTable CoreTable::load(const QString &path)
{
    // Only a regular file: a named pipe would block the start until someone
    // writes to it, and a device such as /dev/zero never ends.
    const QFileInfo info(path);
    CoreTable table;
    if (!info.exists()) {
        table.origin = Origin::NotFound;
    } else if (!info.isFile()) {
        table.origin = Origin::NotAFile;
    } else {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            table = read(file);
            table.origin = Origin::Read;
        } else {
            table.origin = Origin::Unreadable;
            table.readError = file.errorString();
        }
    }
    table.path = path;
    return table;
}

CoreTable CoreTable::read(QIODevice &device)
{
    CoreTable table;
    RecordParser parser(table);

    // Lines are split on the raw bytes (CR and LF never occur inside a UTF-8
    // character), and only the head of a line is kept and decoded, so a line
    // of any length costs no memory and a huge one is skipped at memory speed.
    TextLineReader lines(device, KeptBytes);
    while (table.coreCount < MaxRecords && lines.next()) {
        const QByteArray &head = lines.head();
        if (head.startsWith('@')) // anything else is a comment: no need to decode it
            parser.parse(leftCharacters(QString::fromUtf8(head), KeptCharacters), lines.lineNumber());
    }

    // The size lines are comments to the records: read in a second pass, they
    // cannot change a record.
    if (!device.isSequential() && device.seek(0))
        table.sizes = CoreSizes::read(device);
    return table;
}

} // namespace corvane
