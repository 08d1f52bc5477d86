#include "attensolver.h"

#include "displaymask.h"
#include "fieldvalue.h"
#include "numbers.h"

#include <cmath>

namespace corvane {

namespace {

QString outOfRange(const QString &quantity)
{
    return quantity + QStringLiteral(" would be out of range: too large or too small to calculate");
}

// Why an attenuation cannot be calculated with, or an empty text when it can:
// K must exceed 1 and K squared must stay finite.
QString attenuationProblem(double attenDb)
{
    if (std::isnan(attenDb))
        return outOfRange(QStringLiteral("The attenuation"));
    if (!(voltageRatioOfDb(attenDb) > 1))
        return QStringLiteral("The attenuation is too small to calculate with");
    if (!std::isfinite(powerRatioOfDb(attenDb)))
        return QStringLiteral("The attenuation is too large to calculate with (at most about 3082 dB)");
    return QString();
}

} // namespace

void AttenSolver::formLoad()
{
    *this = AttenSolver();
    m_txt[0] = formatMask(m_n.impedOhm, mask::impedance);
}

void AttenSolver::erase()
{
    for (QString &t : m_txt)
        t.clear();
    m_n = Numbers();
    m_n.impedOhm = 0;
}

void AttenSolver::txt_LostFocus(int k)
{
    m_refusal.clear();
    const double v = fieldValue(text(k));
    if (v > 0 && text(k) != lastText(k)) {
        // A refused entry leaves everything as it was, and the field shows
        // again what it held at the last commit.
        const Numbers numbers = m_n;
        const std::array<QString, FieldCount> texts = m_txt;
        m_refusal = commit(k, v);
        if (!m_refusal.isEmpty()) {
            m_n = numbers;
            m_txt = texts;
            m_txt[std::size_t(k)] = lastText(k);
        }
    }
    m_lastText = m_txt;
}

QString AttenSolver::commit(int k, double v)
{
    const double z = m_n.impedOhm;
    const double a = m_n.attenDb;
    const double ka = voltageRatioOfDb(a);
    const double ka2 = powerRatioOfDb(a);
    // What a resistor gives: the impedance when the attenuation is known,
    // else the voltage ratio when the impedance is known.
    double impedance = 0;
    double ratio = 0;
    QString noRatio; // why the resistor gives no ratio with this impedance

    switch (k) {
    case 0:
        m_n.impedOhm = v;
        write(0, v);
        return a != 0 ? calcR() : QString();

    case 1: {
        // Refused at once, so that a stored attenuation always gives a usable K.
        const QString problem = attenuationProblem(v);
        if (!problem.isEmpty())
            return problem;
        m_n.attenDb = v;
        write(1, v);
        return z != 0 ? calcR() : QString();
    }

    case 2:
    case 3:
        m_n.r1Ohm = v;
        write(2, v);
        write(3, v);
        impedance = v * (ka - 1) / (ka + 1);
        ratio = (v + z) / (v - z);
        if (!(v > z))
            noRatio = QStringLiteral("R1 must be larger than the impedance when no attenuation is set");
        break;

    case 4:
        m_n.r2Ohm = v;
        write(4, v);
        impedance = 2 * v * ka / (ka2 - 1);
        ratio = (v + std::sqrt(std::pow(v, 2) + std::pow(z, 2))) / z;
        break;

    case 5:
    case 6:
        m_n.r3Ohm = v;
        write(5, v);
        write(6, v);
        impedance = v * (ka + 1) / (ka - 1);
        ratio = (v + z) / (z - v);
        if (!(v < z))
            noRatio = QStringLiteral("R3 must be smaller than the impedance when no attenuation is set");
        break;

    case 7:
        m_n.r4Ohm = v;
        write(7, v);
        impedance = v * (ka2 - 1) / (2 * ka);
        ratio = (z + std::sqrt(std::pow(v, 2) + std::pow(z, 2))) / v;
        break;

    default:
        return QString();
    }

    if (!(a > 0)) {
        if (!(z > 0))
            return QString();
        return noRatio.isEmpty() ? attenuationFromRatio(ratio) : noRatio;
    }
    // A resistor with a known attenuation has moved the impedance.
    m_n.impedOhm = impedance;
    if (!isPositiveFinite(impedance))
        return outOfRange(QStringLiteral("The impedance"));
    write(0, impedance);
    return calcR();
}

QString AttenSolver::attenuationFromRatio(double ratio)
{
    // A square beyond the double range gives an infinite ratio.
    if (!isPositiveFinite(ratio))
        return outOfRange(QStringLiteral("The attenuation"));
    // calcR refuses an attenuation it cannot calculate with.
    m_n.attenDb = 20 * std::log(ratio) / std::log(10.0);
    write(1, m_n.attenDb);
    return calcR();
}

QString AttenSolver::calcR()
{
    const QString problem = attenuationProblem(m_n.attenDb);
    if (!problem.isEmpty())
        return problem;
    const double k = voltageRatioOfDb(m_n.attenDb);
    const double k2 = powerRatioOfDb(m_n.attenDb);
    const double z = m_n.impedOhm;

    const double r1 = z * (k + 1) / (k - 1);
    const double r2 = (z / 2) * (k2 - 1) / k;
    const double r3 = z * (k - 1) / (k + 1);
    const double r4 = (2 * z) * k / (k2 - 1);
    const double resistors[] = { r1, r2, r3, r4 };
    for (int i = 0; i < 4; ++i)
        if (!isPositiveFinite(resistors[i]))
            return outOfRange(QStringLiteral("R%1").arg(i + 1));

    m_n.r1Ohm = r1;
    m_n.r2Ohm = r2;
    m_n.r3Ohm = r3;
    m_n.r4Ohm = r4;
    write(2, r1);
    write(3, r1);
    write(4, r2);
    write(5, r3);
    write(6, r3);
    write(7, r4);
    return QString();
}

void AttenSolver::write(int index, double value)
{
    m_txt[std::size_t(index)] = formatMask(value, mask::ohms);
}

} // namespace corvane
