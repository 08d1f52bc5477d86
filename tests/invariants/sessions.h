#pragma once
// What must hold in both calculators whatever the user types, pastes or
// erases, over sessions decoded from a stream of bytes: the fuzz input, or a
// generator with a fixed start value in the normal suite. Each session
// returns the first thing that is wrong, or an empty text.

#include "attensolver.h"
#include "coretable.h"
#include "displaymask.h"
#include "fieldvalue.h"
#include "resonancesolver.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <random>
#include <utility>

namespace corvane::invariants {

class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual bool exhausted() const = 0;
    virtual std::uint8_t byte() = 0; // 0 once exhausted
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

// Keyboard digits and points, or something pasted from elsewhere.
inline QString typedText(ByteSource &in)
{
    static const QStringList pasted { "", "0", ".", "nan", "inf", "-1", "+5", "1e308", "1E309", "1e-320",
                                      "10 turns 11\"", "4,9", QString(400, QLatin1Char('9')),
                                      "0." + QString(330, QLatin1Char('0')) + "1" };
    if (in.below(4) == 0)
        return pasted.at(in.below(int(pasted.size())));
    QString text;
    for (int n = in.below(8); n > 0; --n)
        text += QLatin1Char("0123456789.."[in.below(12)]);
    return text;
}

// Nothing the program writes holds a sign, an exponent, "nan" or "inf".
inline QString textProblem(const QString &text, const QRegularExpression &shape, const QStringList &typed)
{
    if (text.isEmpty() || typed.contains(text) || shape.match(text).hasMatch())
        return QString();
    return QStringLiteral("field shows \"%1\"").arg(text.left(80));
}

inline bool usable(double x)
{
    return std::isfinite(x) && x >= 0;
}

template <class Solver, int Count>
QString checkTexts(const Solver &solver, const QStringList (&typed)[Count], int fields,
                   const QRegularExpression &top, const QRegularExpression &rest)
{
    for (int i = 0; i < fields; ++i) {
        const QString problem = textProblem(solver.text(i), i < 4 ? top : rest, typed[i]);
        if (!problem.isEmpty())
            return QStringLiteral("field %1: %2").arg(i).arg(problem);
    }
    return QString();
}

inline CoreTable tableFrom(ByteSource &in)
{
    static const double als[] = { 49, 40, 12, 4.9, 0, -4, 1e-300, 1e300 };
    CoreTable table;
    table.coreCount = 1 + in.below(5);
    for (int i = 1; i <= table.coreCount; ++i) {
        table.coreName[std::size_t(i)] = QStringLiteral("C%1").arg(i);
        table.coreAL[std::size_t(i)] = als[in.below(8)];
        table.coreWire[std::size_t(i)] = in.below(3) * 0.5;
    }
    return table;
}

// Types a text into a field of the main window's solver and leaves the field.
class ResonanceRun
{
public:
    explicit ResonanceRun(const CoreTable &table) : m_solver(table)
    {
        m_solver.txt_LostFocus(ResonanceSolver::FirstTurnsField);
    }

    QString enter(int index, const QString &text)
    {
        static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
        static const QRegularExpression turns(QStringLiteral("^[0-9]+ turns [0-9]+\"$"));
        m_typed[index] << text;
        m_solver.setText(index, text);
        m_solver.txt_LostFocus(index);
        if (!usable(m_solver.freqHz()) || !usable(m_solver.capFarad()) || !usable(m_solver.indHenry())
            || !usable(m_solver.reactOhm()))
            return QStringLiteral("a working value is negative or not finite");
        return checkTexts(m_solver, m_typed, ResonanceSolver::FieldCount, number, turns);
    }
    void erase() { m_solver.erase(); }

private:
    ResonanceSolver m_solver;
    QStringList m_typed[ResonanceSolver::FieldCount];
};

inline QString resonanceSession(ByteSource &in, int maxSteps)
{
    ResonanceRun run(tableFrom(in));
    for (int step = 0; step < maxSteps && !in.exhausted(); ++step) {
        if (in.below(12) == 0) {
            run.erase();
            continue;
        }
        const int index = in.below(2) ? in.below(4) : ResonanceSolver::FirstTurnsField + in.below(8);
        const QString problem = run.enter(index, typedText(in));
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

inline QString attenuatorSession(ByteSource &in, int maxSteps)
{
    static const QRegularExpression ohms(QStringLiteral("^[0-9]+\\.[0-9]$"));
    QStringList typed[AttenSolver::FieldCount];
    AttenSolver solver;
    solver.formLoad();
    for (int step = 0; step < maxSteps && !in.exhausted(); ++step) {
        if (in.below(12) == 0) {
            solver.erase();
            continue;
        }
        const int index = in.below(AttenSolver::FieldCount);
        typed[index] << typedText(in);
        solver.setText(index, typed[index].last());
        solver.txt_LostFocus(index);
        const double z = solver.impedOhm();
        for (double x : { z, solver.attenDb(), solver.r1Ohm(), solver.r2Ohm(), solver.r3Ohm(), solver.r4Ohm() })
            if (!usable(x))
                return QStringLiteral("a number is negative or not finite");
        // R1 * R3 = Z * Z for every complete pair of pads.
        const double r1r3 = solver.r1Ohm() * solver.r3Ohm();
        if (solver.attenDb() > 0 && z > 1e-100 && z < 1e100 && r1r3 > 0 && std::isfinite(r1r3)
            && std::fabs(r1r3 - z * z) > 1e-6 * z * z)
            return QStringLiteral("R1 * R3 is not Z squared");
        const QString problem = checkTexts(solver, typed, AttenSolver::FieldCount, ohms, ohms);
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

// Bytes as the core table file, then one calculation on what it loaded.
inline QString coreTableSession(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer file(&copy);
    file.open(QIODevice::ReadOnly);
    const CoreTable table = CoreTable::read(file);
    if (table.coreCount < 0 || table.coreCount > CoreTable::MaxRecords || table.skippedCount < table.skipped.size())
        return QStringLiteral("impossible counts");
    for (int i = 1; i <= table.coreCount; ++i) {
        const QString &name = table.coreName[std::size_t(i)];
        if (name.isEmpty() || name.contains(QLatin1Char(' ')) || name != name.toUpper()
            || !std::isfinite(table.coreAL[std::size_t(i)]) || !std::isfinite(table.coreWire[std::size_t(i)]))
            return QStringLiteral("record %1 is not a usable core").arg(i);
    }
    ResonanceRun run(table);
    for (const auto &[index, text] : { std::pair { 0, "7.1" }, { 1, "100" }, { 5, "11" }, { 3, "50" } }) {
        const QString problem = run.enter(index, QString::fromLatin1(text));
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

} // namespace corvane::invariants
