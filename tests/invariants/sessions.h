#pragma once
// Sessions of entries decoded from a stream of bytes: the fuzz input, or a
// random generator with a fixed start value in the randomized test. Each step
// is an erase, or a field that the user types into (keyboard characters, or
// pasted junk), edits or just passes through, and then leaves.

#include "invariants.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>

namespace corvane::invariants {

class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual bool exhausted() const = 0;
    // The next byte; 0 once exhausted.
    virtual std::uint8_t byte() = 0;

    int below(int n) { return byte() % n; }
};

class InputBytes : public ByteSource
{
public:
    InputBytes(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    bool exhausted() const override { return m_pos >= m_size; }
    std::uint8_t byte() override { return exhausted() ? 0 : m_data[m_pos++]; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

class RandomBytes : public ByteSource
{
public:
    explicit RandomBytes(std::uint32_t start) : m_generator(start) {}
    bool exhausted() const override { return false; }
    std::uint8_t byte() override { return std::uint8_t(m_generator() & 0xff); }

private:
    std::mt19937 m_generator;
};

// Pieces of text users paste from elsewhere.
inline const QStringList &pastedPieces()
{
    static const QStringList pieces {
        QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-1"), QStringLiteral("-0"),
        QStringLiteral("+5"), QStringLiteral("1e308"), QStringLiteral("1E309"), QStringLiteral("1e-320"),
        QStringLiteral("1D5"), QStringLiteral("2.5e-3"), QStringLiteral(" 7 . 1"), QStringLiteral("\t\n"),
        QStringLiteral("0x1F"), QStringLiteral("1,5"), QStringLiteral("3082.6"), QStringLiteral("1e-16"),
        QStringLiteral("\r"), QString(QChar(0)), QStringLiteral("\u0663\u0661"), QStringLiteral("\uff11\uff12"),
        QStringLiteral("10 turns 11\""), QStringLiteral("50.0"), QStringLiteral("e"), QStringLiteral("."),
        QStringLiteral("999999999999999.5"), QStringLiteral("0.0000001"), QStringLiteral("\u00a0"),
        QStringLiteral("\U0001F600"),
    };
    return pieces;
}

// A text put into a field: what the keyboard lets through (digits and "."),
// a long run of digits, raw pasted bytes, pasted pieces, or nothing.
inline QString typedText(ByteSource &in)
{
    const int kind = in.below(10);
    QString text;
    if (kind <= 5) {
        const int length = 1 + in.below(8);
        for (int i = 0; i < length; ++i) {
            const int c = in.below(12);
            text += c < 10 ? QChar(u'0' + c) : QChar(u'.');
        }
    } else if (kind == 6) {
        const int length = 1 + in.byte() * (1 + in.below(8));
        const QChar digit(u'0' + in.below(10));
        text = QString(length, digit);
        if (in.below(2))
            text.insert(in.below(length + 1), QLatin1Char('.'));
    } else if (kind == 7) {
        const int length = in.below(24);
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes += char(in.byte());
        text = QString::fromUtf8(bytes);
    } else if (kind == 8) {
        const int count = 1 + in.below(3);
        for (int i = 0; i < count; ++i)
            text += pastedPieces().at(in.below(int(pastedPieces().size())));
    }
    return text;
}

// A number of the core table: as the loader may give it, any finite value.
inline double tableNumber(ByteSource &in)
{
    switch (in.below(10)) {
    case 0:
        return 0;
    case 1:
        return -(1 + in.byte()) / 8.0;
    case 2: {
        std::uint8_t bytes[sizeof(double)];
        for (std::uint8_t &b : bytes)
            b = in.byte();
        double value;
        std::memcpy(&value, bytes, sizeof value);
        return std::isfinite(value) ? value : 0;
    }
    case 3:
        return 1e-300 * (1 + in.byte());
    case 4:
        return 1e250 * (1 + in.byte());
    default:
        return (1 + in.byte()) / 4.0;
    }
}

inline CoreTable tableFrom(ByteSource &in)
{
    CoreTable table;
    table.coreCount = in.below(CoreTable::MaxRecords + 1);
    for (int i = 1; i <= table.coreCount; ++i) {
        const std::size_t slot = std::size_t(i);
        table.coreName[slot] = QStringLiteral("C%1").arg(i);
        table.coreAL[slot] = tableNumber(in);
        table.coreWire[slot] = tableNumber(in);
    }
    return table;
}

// The last steps of a session, to say what led to a violation.
class Trace
{
public:
    void add(const QString &step)
    {
        m_steps << step;
        if (m_steps.size() > 16)
            m_steps.removeFirst();
    }
    QString report(const QString &problem) const
    {
        return problem + QStringLiteral("\n  after: ") + m_steps.join(QStringLiteral("\n         "));
    }

private:
    QStringList m_steps;
};

// What a run of sessions went through, to tell that it reached the calculations.
struct SessionStats
{
    int steps = 0;
    int taken = 0;   // entries that changed something
    int refused = 0; // entries refused as out of range (attenuator)
    int solved = 0;  // steps after which all quantities were known
};

// One step on a field: the new text, or no change (the focus only passes).
template <class Check, class Solver>
QString editAndLeave(ByteSource &in, Check &check, const Solver &solver, int index, Trace &trace)
{
    const QString current = solver.text(index);
    switch (in.below(16)) {
    case 0:
        trace.add(QStringLiteral("leave %1").arg(index));
        break;
    case 1: { // Backspace at the end
        const QString text = current.left(qMax<qsizetype>(0, current.size() - 1 - in.below(4)));
        trace.add(QStringLiteral("edit %1 to %2, leave").arg(index).arg(quoted(text)));
        check.type(index, text);
        break;
    }
    case 2: { // typed after what the field shows
        const QString text = current + typedText(in);
        trace.add(QStringLiteral("edit %1 to %2, leave").arg(index).arg(quoted(text)));
        check.type(index, text);
        break;
    }
    default: {
        const QString text = typedText(in);
        trace.add(QStringLiteral("type %1 into %2, leave").arg(quoted(text)).arg(index));
        check.type(index, text);
        break;
    }
    }
    return check.leave(index);
}

inline QString resonanceSession(ByteSource &in, int maxSteps, SessionStats *stats = nullptr)
{
    ResonanceSolver solver(tableFrom(in));
    ResonanceCheck check(solver);
    Trace trace;
    QStringList cores;
    for (int i = 1; i <= solver.cores().coreCount; ++i)
        cores << QStringLiteral("%1/%2").arg(number(solver.cores().coreAL[std::size_t(i)]),
                                             number(solver.cores().coreWire[std::size_t(i)]));
    trace.add(QStringLiteral("cores (AL/wire): ") + cores.join(QLatin1Char(' ')));
    QString problem = check.state();
    for (int step = 0; step < maxSteps && problem.isEmpty() && !in.exhausted(); ++step) {
        const int op = in.byte();
        if (op < 8) {
            trace.add(QStringLiteral("erase"));
            problem = check.erase();
            continue;
        }
        // Mostly the four top fields, else any field, turns fields without a core too.
        const int index = in.below(2) ? in.below(4) : in.below(ResonanceSolver::FieldCount);
        problem = editAndLeave(in, check, solver, index, trace);
        if (stats) {
            ++stats->steps;
            stats->solved += solver.freqHz() > 0 && solver.capFarad() > 0 ? 1 : 0;
        }
    }
    if (stats)
        stats->taken += check.taken();
    return problem.isEmpty() ? QString() : trace.report(problem);
}

inline QString attenuatorSession(ByteSource &in, int maxSteps, SessionStats *stats = nullptr)
{
    AttenSolver solver;
    AttenCheck check(solver);
    Trace trace;
    trace.add(QStringLiteral("load"));
    QString problem = check.formLoad();
    for (int step = 0; step < maxSteps && problem.isEmpty() && !in.exhausted(); ++step) {
        if (in.byte() < 8) {
            trace.add(QStringLiteral("erase"));
            problem = check.erase();
            continue;
        }
        problem = editAndLeave(in, check, solver, in.below(AttenSolver::FieldCount), trace);
        if (stats) {
            ++stats->steps;
            stats->refused += solver.refusal().isEmpty() ? 0 : 1;
            stats->solved += solver.impedOhm() > 0 && solver.attenDb() > 0 ? 1 : 0;
        }
    }
    if (stats)
        stats->taken += check.taken();
    return problem.isEmpty() ? QString() : trace.report(problem);
}

// A core table file of records, near-records and junk, with every kind of line end.
inline QByteArray tableFile(ByteSource &in)
{
    static const char *const numbers[] = { "4.9", "1E3", "49", "0", "-2", "0.5", "1e400", "1e-400", "4,9",
                                            "abc", ".", "1.2.3", "3e38", "12" };
    static const char *const names[] = { "t50-2", "FT37-43", "x", "\xc3\xa4\xc3\x9f", "a@b", "\xff\xfe", "\t" };
    static const char *const ends[] = { "\r\n", "\r\n", "\r", "\n", "" };
    auto pick = [&in](const auto &list) { return QByteArray(list[in.below(int(std::size(list)))]); };

    QByteArray file;
    // Now and then more lines than the table can take records from.
    const int lines = 1 + (in.below(4) ? in.below(60) : 4 * in.byte());
    for (int i = 0; i < lines; ++i) {
        QByteArray line;
        switch (in.below(8)) {
        case 0:
        case 1:
            line = "@" + pick(names) + " " + pick(numbers) + " " + pick(numbers);
            break;
        case 2:
            line = "@  " + pick(names) + "   " + pick(numbers) + "  " + pick(numbers) + "  ";
            break;
        case 3:
            line = "@" + pick(names) + " " + pick(numbers) + " " + pick(numbers) + " note";
            break;
        case 4:
            line = "@" + pick(names) + "\t" + pick(numbers) + "\t" + pick(numbers);
            break;
        case 5:
            for (int n = in.below(40); n > 0; --n)
                line += char(in.byte());
            break;
        case 6:
            line = in.below(2) ? "Notes on the cores" : " @x 1 2";
            break;
        default:
            line = in.below(2) ? "@" : "@" + QByteArray(120, 'x') + " 1 2";
            break;
        }
        file += line + pick(ends);
    }
    return file;
}

// The table that 'bytes' give as the core table file, then 100 pF, 7.1 MHz
// and 20 turns on the first core: every loaded core shows turns that fit, or nothing.
inline QString coreTableSession(const QByteArray &bytes)
{
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    CoreTable table = CoreTable::read(file);
    QString problem = checkCoreTable(table);
    if (!problem.isEmpty())
        return QStringLiteral("loading: ") + problem;

    ResonanceSolver solver(std::move(table));
    ResonanceCheck check(solver);
    const QStringList entries { QStringLiteral("1=100"), QStringLiteral("0=7.1"), QStringLiteral("4=20") };
    for (const QString &entry : entries) {
        const int index = entry.section(QLatin1Char('='), 0, 0).toInt();
        if (index >= ResonanceSolver::FirstTurnsField && solver.cores().coreCount == 0)
            break;
        check.type(index, entry.section(QLatin1Char('='), 1));
        problem = check.leave(index);
        if (!problem.isEmpty())
            return entry + QStringLiteral(": ") + problem;
    }
    return QString();
}

} // namespace corvane::invariants
