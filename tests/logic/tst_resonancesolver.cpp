#include "resonancesolver.h"

#include <QtTest>

#include <cmath>

using corvane::CoreTable;
using corvane::ResonanceSolver;

namespace {

struct Core
{
    double al;
    double wire;
};

CoreTable tableOf(std::initializer_list<Core> cores)
{
    CoreTable table;
    for (const Core &core : cores) {
        const std::size_t slot = std::size_t(++table.coreCount);
        table.coreName[slot] = QStringLiteral("C%1").arg(table.coreCount);
        table.coreAL[slot] = core.al;
        table.coreWire[slot] = core.wire;
    }
    return table;
}

// The cores of most cases: AL 49, 40 and 12 with 0.9, 1.25 and 0.5 inches a turn.
CoreTable threeCores()
{
    return tableOf({ { 49, 0.9 }, { 40, 1.25 }, { 12, 0.5 } });
}

// "INDEX=TEXT": type TEXT into the field, then leave it.
void enter(ResonanceSolver &solver, const QString &entry)
{
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    const int index = entry.left(equals).toInt();
    solver.setText(index, entry.mid(equals + 1));
    solver.txt_LostFocus(index);
}

QStringList textsUpTo(const ResonanceSolver &solver, int last)
{
    QStringList list;
    for (int i = 0; i <= last; ++i)
        list << solver.text(i);
    return list;
}

bool near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

// Everything an entry could change, to compare before and after.
struct Snapshot
{
    explicit Snapshot(const ResonanceSolver &s)
        : texts(s.texts()), values { s.freqHz(), s.capFarad(), s.indHenry(), s.reactOhm() }
    {
        for (int i = 0; i < CoreTable::Slots; ++i)
            turns[std::size_t(i)] = s.coreTurns(i);
    }
    bool operator==(const Snapshot &o) const { return texts == o.texts && values == o.values && turns == o.turns; }

    std::array<QString, ResonanceSolver::FieldCount> texts;
    std::array<double, 4> values;
    std::array<double, CoreTable::Slots> turns {};
};

QString digitsOne(int zeros)
{
    return QLatin1Char('1') + QString(zeros, QLatin1Char('0'));
}

QString tinyValue(int zeros)
{
    return QStringLiteral("0.") + QString(zeros, QLatin1Char('0')) + QLatin1Char('1');
}

} // namespace

class TestResonanceSolver : public QObject
{
    Q_OBJECT
private slots:
    void entries_data();
    void entries();
    void workingValuesAtFullPrecision();
    void freshWindowGate();
    void turnsAtZeroInductance();
    void noLoadedCores();
    void turnsForNoUsableCore_data();
    void turnsForNoUsableCore();
    void coresOfNoPositiveAL();
    void resultsBeyondADoubleAreRefused_data();
    void resultsBeyondADoubleAreRefused();
    void computedFieldsStayPlain();
    void erase();
};

void TestResonanceSolver::entries_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("texts"); // fields 0..6

    const QString turns10 = QStringLiteral("10 turns 11\"");
    const QString turns11 = QStringLiteral("11 turns 16\"");
    const QString turns20 = QStringLiteral("20 turns 12\"");
    const QStringList at10uH { "14 turns 15\"", "16 turns 22\"", "29 turns 17\"" };

    QTest::newRow("frequency then capacitance")
            << QStringList { "0=7.1", "1=100" } << QStringList { "7.100", "100", "5.02", "224", turns10, turns11, turns20 };
    QTest::newRow("frequency alone") << QStringList { "0=7.1" } << QStringList { "7.100", "", "", "", "", "", "" };
    QTest::newRow("frequency 0.5") << QStringList { "0=0.5" } << QStringList { "0.500", "", "", "", "", "", "" };
    QTest::newRow("inductance then capacitance")
            << QStringList { "2=10", "1=100" } << QStringList { "5.033", "100", "10.00", "316" } + at10uH;
    QTest::newRow("capacitance with inductance leaves the turns alone")
            << QStringList { "2=10", "4=x", "1=100" }
            << QStringList { "5.033", "100", "10.00", "316", "x", at10uH[1], at10uH[2] };
    QTest::newRow("leaving the shown inductance")
            << QStringList { "0=7.1", "1=100", "2=5.02" }
            << QStringList { "7.100", "100", "5.02", "224", turns10, turns11, turns20 };
    QTest::newRow("turns 20 on AL 49")
            << QStringList { "0=7.1", "4=20" }
            << QStringList { "7.100", "26", "19.60", "874", "20 turns 20\"", "22 turns 30\"", "40 turns 22\"" };
    QTest::newRow("impedance with only the capacitance")
            << QStringList { "1=100", "3=150" }
            << QStringList { "10.610", "100", "2.25", "150", "7 turns 9\"", "8 turns 12\"", "14 turns 9\"" };
    QTest::newRow("only inductance") << QStringList { "2=10" } << QStringList { "", "", "10.00", "" } + at10uH;
    QTest::newRow("only turns") << QStringList { "5=11" }
                                << QStringList { "", "", "4.84", "", turns10, turns11, turns20 };
    QTest::newRow("frequency keeps the inductance")
            << QStringList { "2=10", "0=7.1" } << QStringList { "7.100", "50", "10.00", "446" } + at10uH;
    QTest::newRow("frequency keeps the impedance")
            << QStringList { "3=50", "0=7.1" }
            << QStringList { "7.100", "448", "1.12", "50", "5 turns 7\"", "5 turns 9\"", "10 turns 7\"" };
    QTest::newRow("frequency keeps the capacitance first")
            << QStringList { "0=7.1", "1=100", "0=14.2" }
            << QStringList { "14.200", "100", "1.26", "112", "5 turns 7\"", "6 turns 10\"", "10 turns 7\"" };
    QTest::newRow("impedance with only the inductance")
            << QStringList { "2=10", "3=100" } << QStringList { "1.592", "1000", "10.00", "100" } + at10uH;
    QTest::newRow("capacitance with only the impedance")
            << QStringList { "3=50", "1=100" }
            << QStringList { "31.831", "100", "0.25", "50", "2 turns 4\"", "3 turns 6\"", "5 turns 5\"" };
    QTest::newRow("inductance with only the impedance")
            << QStringList { "3=50", "2=10" } << QStringList { "0.796", "4000", "10.00", "50" } + at10uH;
    QTest::newRow("inductance with only the capacitance")
            << QStringList { "1=100", "2=10" } << QStringList { "5.033", "100", "10.00", "316" } + at10uH;
    QTest::newRow("inductance 4.5 uses whole turns for the wire")
            << QStringList { "0=7.1", "2=4.5" }
            << QStringList { "7.100", "112", "4.50", "201", turns10, turns11, "19 turns 12\"" };
    QTest::newRow("emptied field keeps its quantity")
            << QStringList { "0=7.1", "1=100", "0=", "3=150" }
            << QStringList { "", "149", "3.36", "150", "8 turns 10\"", "9 turns 14\"", "17 turns 11\"" };
    QTest::newRow("same field twice")
            << QStringList { "0=7.1", "1=100", "1=200" }
            << QStringList { "7.100", "200", "5.02", "224", turns10, turns11, turns20 };
    QTest::newRow("zero ignored") << QStringList { "0=7.1", "1=0" } << QStringList { "7.100", "0", "", "", "", "", "" };
    QTest::newRow("point alone ignored")
            << QStringList { "0=7.1", "1=." } << QStringList { "7.100", ".", "", "", "", "", "" };
    QTest::newRow("turns field read back by its leading number")
            << QStringList { "0=7.1", "1=100", "4=10 turns 11\"" }
            << QStringList { "7.100", "103", "4.90", "219", turns10, turns11, turns20 };
    QTest::newRow("turns beyond the loaded cores ignored")
            << QStringList { "0=7.1", "1=100", "8=10" }
            << QStringList { "7.100", "100", "5.02", "224", turns10, turns11, turns20 };
}

void TestResonanceSolver::entries()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, texts);

    ResonanceSolver solver(threeCores());
    solver.setText(7, QStringLiteral("keep"));
    solver.txt_LostFocus(53); // any field but the first one entered
    for (const QString &entry : entries)
        enter(solver, entry);
    QCOMPARE(textsUpTo(solver, 6), texts);
    // Only the loaded cores' turns fields are ever written.
    QCOMPARE(solver.text(7), QStringLiteral("keep"));
    QCOMPARE(solver.lastField(), entries.last().section(QLatin1Char('='), 0, 0).toInt());
}

void TestResonanceSolver::workingValuesAtFullPrecision()
{
    ResonanceSolver solver(threeCores());
    solver.txt_LostFocus(4);
    enter(solver, QStringLiteral("0=7.1"));
    enter(solver, QStringLiteral("1=100"));
    QCOMPARE(solver.freqHz(), 7.1e6);
    QCOMPARE(solver.capFarad(), 100 * 1e-12);
    // 2 pi is 6.283185307 here; the full-precision value differs in the 11th digit.
    QVERIFY(near(solver.reactOhm(), 224.16189168513282));
    QVERIFY(near(solver.indHenry(), 5.024855368385722e-06));
    QVERIFY(near(solver.coreTurns(1), 10.12660203338542));
    QVERIFY(near(solver.coreTurns(2), 11.20809458425664));
    QVERIFY(near(solver.coreTurns(3), 20.463087434829497));

    // Leaving the inductance at its shown 5.02 solves from the rounded value.
    enter(solver, QStringLiteral("2=5.02"));
    QCOMPARE(solver.indHenry(), 5.02 / 1e6);
    QVERIFY(near(solver.capFarad() * 1e12, 100.09672048577136));
    QVERIFY(near(solver.reactOhm(), 223.945290712094));
    QCOMPARE(solver.freqHz(), 7.1e6);
}

void TestResonanceSolver::freshWindowGate()
{
    ResonanceSolver solver(threeCores());
    enter(solver, QStringLiteral("0=7.1"));
    QCOMPARE(solver.text(0), QStringLiteral("7.1"));
    QCOMPARE(solver.freqHz(), 0.0);
    QCOMPARE(solver.lastField(), 0);

    enter(solver, QStringLiteral("1=100"));
    QCOMPARE(textsUpTo(solver, 3), (QStringList { "7.1", "100", "", "" }));
    // Once another field was left, the frequency is solved.
    solver.txt_LostFocus(0);
    QCOMPARE(textsUpTo(solver, 4), (QStringList { "7.100", "100", "5.02", "224", "10 turns 11\"" }));
}

void TestResonanceSolver::turnsAtZeroInductance()
{
    ResonanceSolver solver(threeCores());
    solver.calcTurns();
    for (int i = 4; i <= 6; ++i)
        QCOMPARE(solver.text(i), QStringLiteral("0 turns 2\""));
    QCOMPARE(solver.coreTurns(1), 0.0);
}

void TestResonanceSolver::noLoadedCores()
{
    ResonanceSolver solver;
    for (int i = 4; i < ResonanceSolver::FieldCount; ++i)
        solver.setText(i, QStringLiteral("keep"));
    solver.txt_LostFocus(53);
    enter(solver, QStringLiteral("0=7.1"));
    enter(solver, QStringLiteral("1=100"));
    QCOMPARE(textsUpTo(solver, 3), (QStringList { "7.100", "100", "5.02", "224" }));
    for (int i = 4; i < ResonanceSolver::FieldCount; ++i)
        QCOMPARE(solver.text(i), QStringLiteral("keep"));
    // Turns typed for a slot without a core change nothing.
    const Snapshot before(solver);
    enter(solver, QStringLiteral("4=10"));
    QCOMPARE(solver.text(4), QStringLiteral("10"));
    QCOMPARE(solver.freqHz(), before.values[0]);
    QCOMPARE(solver.indHenry(), before.values[2]);
    QCOMPARE(solver.lastField(), 4);
}

void TestResonanceSolver::turnsForNoUsableCore_data()
{
    QTest::addColumn<int>("field");
    QTest::newRow("core of AL 0") << 5;
    QTest::newRow("core of negative AL") << 6;
    QTest::newRow("slot beyond the loaded cores") << 8;
    QTest::newRow("last slot") << 53;
}

void TestResonanceSolver::turnsForNoUsableCore()
{
    QFETCH(int, field);
    ResonanceSolver solver(tableOf({ { 49, 0.9 }, { 0, 1 }, { -4, 1 } }));
    solver.txt_LostFocus(4);
    enter(solver, QStringLiteral("0=7.1"));
    enter(solver, QStringLiteral("1=100"));

    solver.setText(field, QStringLiteral("10"));
    const Snapshot before(solver);
    solver.txt_LostFocus(field);
    QVERIFY(Snapshot(solver) == before);
    QCOMPARE(solver.lastField(), field);
}

void TestResonanceSolver::coresOfNoPositiveAL()
{
    ResonanceSolver solver(tableOf({ { 49, 0.9 }, { 0, 1 }, { -4, 1 } }));
    solver.setText(5, QStringLiteral("old"));
    solver.setText(6, QStringLiteral("old"));
    solver.txt_LostFocus(4);
    enter(solver, QStringLiteral("0=7.1"));
    enter(solver, QStringLiteral("1=100"));
    QCOMPARE(textsUpTo(solver, 6), (QStringList { "7.100", "100", "5.02", "224", "10 turns 11\"", "", "" }));
    QCOMPARE(solver.coreTurns(2), 0.0);
    QCOMPARE(solver.coreTurns(3), 0.0);
}

void TestResonanceSolver::resultsBeyondADoubleAreRefused_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("entry");

    QTest::newRow("frequency beyond a double") << QStringList() << "0=" + digitsOne(305);
    QTest::newRow("capacitance that comes out zero")
            << QStringList { "3=" + digitsOne(300) } << "0=" + digitsOne(300);
    QTest::newRow("impedance beyond a double")
            << QStringList { "2=" + digitsOne(305) } << "0=" + digitsOne(10);
    QTest::newRow("turns squared beyond a double") << QStringList { "0=7.1" } << "4=" + digitsOne(160);
    QTest::newRow("capacitance too large to show")
            << QStringList { "3=" + tinyValue(149) } << "0=" + tinyValue(155);
}

void TestResonanceSolver::resultsBeyondADoubleAreRefused()
{
    QFETCH(QStringList, before);
    QFETCH(QString, entry);

    ResonanceSolver solver(threeCores());
    solver.txt_LostFocus(53);
    for (const QString &earlier : before)
        enter(solver, earlier);
    const int index = entry.section(QLatin1Char('='), 0, 0).toInt();
    solver.setText(index, entry.section(QLatin1Char('='), 1));
    const Snapshot typed(solver);
    solver.txt_LostFocus(index);
    QVERIFY(Snapshot(solver) == typed);
    QCOMPARE(solver.lastField(), index);
}

void TestResonanceSolver::computedFieldsStayPlain()
{
    // Absurd but typeable numbers in every order: no field may ever show
    // "nan", "inf", an exponent or a sign, and every number stays usable.
    const QStringList values { tinyValue(299), QStringLiteral("7.1"),
                               QStringLiteral("1000"), digitsOne(300) };
    const int fields[] = { 0, 1, 2, 3, 4, 5, 6 };
    const CoreTable cores = tableOf({ { 49, 0.9 }, { 1e-300, 1e300 }, { 1e300, -5 } });
    for (int f1 : fields) {
        for (const QString &v1 : values) {
            for (int f2 : fields) {
                for (const QString &v2 : values) {
                    for (int f3 : fields) {
                        for (const QString &v3 : values) {
                            ResonanceSolver solver(cores);
                            solver.txt_LostFocus(53);
                            const QList<QPair<int, QString>> steps { { f1, v1 }, { f2, v2 }, { f3, v3 } };
                            for (const auto &step : steps) {
                                solver.setText(step.first, step.second);
                                solver.txt_LostFocus(step.first);
                            }
                            for (const QString &text : solver.texts()) {
                                const QString lower = text.toLower();
                                QVERIFY2(!lower.contains(QLatin1String("nan")) && !lower.contains(QLatin1String("inf"))
                                                 && !lower.contains(QLatin1String("e+"))
                                                 && !lower.contains(QLatin1Char('-')),
                                         qPrintable(text));
                            }
                            for (double value : { solver.freqHz(), solver.capFarad(), solver.indHenry(),
                                                  solver.reactOhm(), solver.coreTurns(1), solver.coreTurns(2),
                                                  solver.coreTurns(3) })
                                QVERIFY(std::isfinite(value) && value >= 0);
                        }
                    }
                }
            }
        }
    }
}

void TestResonanceSolver::erase()
{
    ResonanceSolver solver(threeCores());
    solver.txt_LostFocus(53);
    enter(solver, QStringLiteral("0=7.1"));
    enter(solver, QStringLiteral("1=100"));
    solver.setText(8, QStringLiteral("12"));
    enter(solver, QStringLiteral("5=11"));
    QVERIFY(solver.coreTurns(2) > 0);

    solver.erase();
    for (int i = 0; i <= 6; ++i)
        QCOMPARE(solver.text(i), QString());
    QCOMPARE(solver.text(8), QStringLiteral("12")); // no core in that slot
    QCOMPARE(solver.freqHz(), 0.0);
    QCOMPARE(solver.capFarad(), 0.0);
    QCOMPARE(solver.indHenry(), 0.0);
    QCOMPARE(solver.reactOhm(), 0.0);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(solver.coreTurns(i), 0.0);
    QCOMPARE(solver.lastField(), 5);

    // Nothing is known afterwards: a capacitance alone completes nothing.
    enter(solver, QStringLiteral("1=100"));
    QCOMPARE(textsUpTo(solver, 3), (QStringList { "", "100", "", "" }));
}

QTEST_APPLESS_MAIN(TestResonanceSolver)
#include "tst_resonancesolver.moc"
