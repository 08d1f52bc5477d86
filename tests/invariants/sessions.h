#pragma once
// What must hold in both calculators whatever is typed, pasted or erased, in
// sessions decoded from bytes; each returns the first thing wrong, or nothing.

#include "attensolver.h"
#include "coretable.h"
#include "resonancesolver.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace corvane::invariants {

// The bytes a session is decoded from; 0 once they are used up.
struct InputBytes
{
    InputBytes(const std::uint8_t *data, std::size_t size) : next(data), end(data + size) {}
    bool exhausted() const { return next >= end; }
    int below(int n) { return exhausted() ? 0 : *next++ % n; }
    const std::uint8_t *next;
    const std::uint8_t *end;
};

// Keyboard digits and points, or something pasted from elsewhere.
inline QString typedText(InputBytes &in)
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

inline QList<double> numbersOf(const ResonanceSolver &s)
{
    return { s.freqHz(), s.capFarad(), s.indHenry(), s.reactOhm() };
}

inline QList<double> numbersOf(const AttenSolver &s)
{
    return { s.impedOhm(), s.attenDb(), s.r1Ohm(), s.r2Ohm(), s.r3Ohm(), s.r4Ohm() };
}

// Types into a solver's fields and leaves them: its numbers stay finite and not negative, and a
// field shows what was typed or what the program writes (no sign, exponent, "nan" or "inf").
template <class Solver>
class Session
{
public:
    Session(Solver solver, const char *top, const char *rest) : solver(std::move(solver)), m_top(top), m_rest(rest) {}

    QString enter(int index, const QString &text)
    {
        m_typed[index] << text;
        solver.setText(index, text);
        solver.txt_LostFocus(index);
        for (double x : numbersOf(solver))
            if (!(std::isfinite(x) && x >= 0))
                return QStringLiteral("a number is negative or not finite");
        for (int i = 0; i < Solver::FieldCount; ++i) {
            const QString shown = solver.text(i);
            if (!shown.isEmpty() && !m_typed[i].contains(shown) && !(i < 4 ? m_top : m_rest).match(shown).hasMatch())
                return QStringLiteral("field %1 shows \"%2\"").arg(i).arg(shown.left(80));
        }
        return QString();
    }
    Solver solver;

private:
    QRegularExpression m_top;
    QRegularExpression m_rest;
    QStringList m_typed[Solver::FieldCount];
};

inline Session<ResonanceSolver> resonance(const CoreTable &table)
{
    Session<ResonanceSolver> session(ResonanceSolver(table), "^[0-9]+(\\.[0-9]+)?$", "^[0-9]+ turns [0-9]+\"$");
    session.solver.txt_LostFocus(ResonanceSolver::FirstTurnsField);
    return session;
}

inline QString resonanceSession(InputBytes &in, int maxSteps)
{
    static const double als[] = { 49, 40, 12, 4.9, 0, -4, 1e-300, 1e300 };
    CoreTable table;
    table.coreCount = 1 + in.below(5);
    for (int i = 1; i <= table.coreCount; ++i) {
        table.coreName[std::size_t(i)] = QStringLiteral("C%1").arg(i);
        table.coreAL[std::size_t(i)] = als[in.below(8)];
        table.coreWire[std::size_t(i)] = in.below(3) * 0.5;
    }
    Session session = resonance(table);
    QString problem;
    for (int step = 0; step < maxSteps && !in.exhausted() && problem.isEmpty(); ++step) {
        const int index = in.below(2) ? in.below(4) : ResonanceSolver::FirstTurnsField + in.below(8);
        if (in.below(12) == 0)
            session.solver.erase();
        else
            problem = session.enter(index, typedText(in));
    }
    return problem;
}

inline QString attenuatorSession(InputBytes &in, int maxSteps)
{
    Session<AttenSolver> session(AttenSolver(), "^[0-9]+\\.[0-9]$", "^[0-9]+\\.[0-9]$");
    session.solver.formLoad();
    QString problem;
    for (int step = 0; step < maxSteps && !in.exhausted() && problem.isEmpty(); ++step) {
        if (in.below(12) == 0) {
            session.solver.erase();
            continue;
        }
        problem = session.enter(in.below(AttenSolver::FieldCount), typedText(in));
        // R1 * R3 = Z * Z in every complete pair of pads.
        const AttenSolver &s = session.solver;
        const double z = s.impedOhm(), r1r3 = s.r1Ohm() * s.r3Ohm();
        if (s.attenDb() > 0 && z > 1e-100 && z < 1e100 && r1r3 > 0 && std::isfinite(r1r3) && std::fabs(r1r3 - z * z) > 1e-6 * z * z)
            problem = QStringLiteral("R1 * R3 is not Z squared");
    }
    return problem;
}

// Bytes read as a core table file.
inline CoreTable readTable(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer file(&copy);
    file.open(QIODevice::ReadOnly);
    return CoreTable::read(file);
}

// Bytes as the core table file, then one calculation on what it loaded.
inline QString coreTableSession(const QByteArray &bytes)
{
    const CoreTable table = readTable(bytes);
    if (table.coreCount < 0 || table.coreCount > CoreTable::MaxRecords || table.skippedCount < table.skipped.size())
        return QStringLiteral("impossible counts");
    for (int i = 1; i <= table.coreCount; ++i)
        if (table.coreName[std::size_t(i)].contains(QLatin1Char(' ')) || !std::isfinite(table.coreAL[std::size_t(i)]))
            return QStringLiteral("record %1 is not a usable core").arg(i);
    Session session = resonance(table);
    QString problem;
    for (const auto &[index, text] : { std::pair { 0, "7.1" }, { 1, "100" }, { 5, "11" }, { 3, "50" } })
        if (problem.isEmpty())
            problem = session.enter(index, QString::fromLatin1(text));
    return problem;
}

// What a fuzz target returns: a broken invariant stops the run with its description.
inline int abortOn(const QString &problem)
{
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}

} // namespace corvane::invariants
