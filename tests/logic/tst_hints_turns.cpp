// The turns fields' hints: what the whole turns shown really give. Expected
// numbers are worked out by hand (python3) from N = sqrt(L / AL),
// L = n^2 AL and f = 1 / (2 pi sqrt(L C)).
#include "coretable.h"
#include "resonancesolver.h"
#include "turnshint.h"

#include <QtTest>

#include <cmath>

using corvane::CoreTable;
using corvane::ResonanceSolver;
using corvane::TurnsHint;

namespace {

// Three cores and one whose AL is no use; slots 5..50 hold none.
CoreTable testTable()
{
    CoreTable t;
    t.coreCount = 4;
    const char *names[] = { "", "X", "Y", "Z", "NOAL" };
    const double al[] = { 0, 49, 40, 12, 0 };
    const double wire[] = { 0, 0.9, 1.25, 0.5, 0.7 };
    for (std::size_t i = 1; i <= 4; ++i) {
        t.coreName[i] = QString::fromLatin1(names[i]);
        t.coreAL[i] = al[i];
        t.coreWire[i] = wire[i];
    }
    return t;
}

// Types each (field, text) and leaves the field, as the window does.
ResonanceSolver solved(const QList<QPair<int, QString>> &entries)
{
    ResonanceSolver solver(testTable());
    solver.txt_LostFocus(ResonanceSolver::FirstTurnsField); // the window's first activation
    for (const auto &entry : entries) {
        solver.setText(entry.first, entry.second);
        solver.txt_LostFocus(entry.first);
    }
    return solver;
}

bool near(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

} // namespace

class TestTurnsHint : public QObject
{
    Q_OBJECT
private slots:
    void wholeTurns_data();
    void wholeTurns();
    void textOfAWinding();
    void noCapacitanceNoFrequency();
    void typedTurnsHaveNoError();
    void lessThanHalfATurn();
    void erasedColumnHasNoWinding();
    void slotWithoutCore();
    void coreWithoutUsableAl();
    void commandLineSummary_data();
    void commandLineSummary();
};

void TestTurnsHint::wholeTurns_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<double>("exact");
    QTest::addColumn<double>("whole");
    QTest::addColumn<double>("wholeMicrohenries");
    QTest::addColumn<double>("errorPercent");
    QTest::addColumn<double>("megahertz");
    QTest::addColumn<double>("uhPer100");
    // 7.1 MHz and 100 pF: L = 5.024855 uH.
    QTest::newRow("AL 49") << 1 << 10.126602 << 10.0 << 4.90 << -2.484755 << 7.189887 << 490.0;
    QTest::newRow("AL 40") << 2 << 11.208095 << 11.0 << 4.84 << -3.678820 << 7.234316 << 400.0;
    QTest::newRow("AL 12") << 3 << 20.463087 << 20.0 << 4.80 << -4.474862 << 7.264396 << 120.0;
}

void TestTurnsHint::wholeTurns()
{
    QFETCH(int, record);
    QFETCH(double, exact);
    QFETCH(double, whole);
    QFETCH(double, wholeMicrohenries);
    QFETCH(double, errorPercent);
    QFETCH(double, megahertz);
    QFETCH(double, uhPer100);
    const ResonanceSolver solver = solved({ { 0, "7.1" }, { 1, "100" } });
    const TurnsHint hint = corvane::turnsHint(solver, record);
    QVERIFY(hint.hasCore);
    QVERIFY(hint.hasWinding);
    QVERIFY(hint.hasFrequency);
    QCOMPARE(hint.uhPer100Turns, uhPer100);
    QVERIFY(near(hint.exactTurns, exact, 1e-6));
    QCOMPARE(hint.wholeTurns, whole);
    QVERIFY(near(hint.wholeTurnsHenry, wholeMicrohenries * 1e-6, 1e-12));
    QVERIFY2(near(hint.errorPercent, errorPercent, 1e-5), qPrintable(QString::number(hint.errorPercent)));
    QVERIFY(near(hint.wholeTurnsFreqHz, megahertz * 1e6, 1e-6));
    QVERIFY(near(hint.capFarad, 100e-12, 1e-12));
}

void TestTurnsHint::textOfAWinding()
{
    const ResonanceSolver solver = solved({ { 0, "7.1" }, { 1, "100" } });
    const QString text = corvane::turnsHintText(corvane::turnsHint(solver, 1));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QStringLiteral("X: AL 49 nH/turn² (490 µH per 100 turns), wire 0.9 in per turn"));
    QCOMPARE(lines.at(1), QStringLiteral("Exact turns: 10.127"));
    QCOMPARE(lines.at(2), QStringLiteral("10 turns give 4.900 µH: -2.48 % against 5.025 µH"));
    QCOMPARE(lines.at(3), QStringLiteral("With 100 pF, 10 turns give resonance at 7.190 MHz"));
}

void TestTurnsHint::noCapacitanceNoFrequency()
{
    // 4.5 uH alone on AL 40: 10.607 turns show as 11, which give 4.84 uH, +7.56 %.
    const ResonanceSolver solver = solved({ { 2, "4.5" } });
    const TurnsHint hint = corvane::turnsHint(solver, 2);
    QVERIFY(hint.hasWinding);
    QVERIFY(!hint.hasFrequency);
    QCOMPARE(hint.wholeTurns, 11.0);
    QVERIFY(near(hint.errorPercent, 7.555556, 1e-6));
    const QString text = corvane::turnsHintText(hint);
    QVERIFY2(text.contains(QStringLiteral("Exact turns: 10.607\n11 turns give 4.840 µH: +7.56 % against 4.500 µH")),
             qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("MHz")));
}

void TestTurnsHint::typedTurnsHaveNoError()
{
    // 20 turns typed on AL 49 at 7.1 MHz: 19.6 uH, and the capacitance that
    // resonates with it (25.637 pF) gives 7.1 MHz back.
    const ResonanceSolver solver = solved({ { 0, "7.1" }, { 4, "20" } });
    const TurnsHint hint = corvane::turnsHint(solver, 1);
    QCOMPARE(hint.wholeTurns, 20.0);
    QVERIFY(std::fabs(hint.errorPercent) < 1e-9);
    QVERIFY(near(hint.wholeTurnsFreqHz, 7.1e6, 1e-9));
    const QString text = corvane::turnsHintText(hint);
    QVERIFY2(text.contains(QStringLiteral("20 turns give 19.60 µH: 0.00 % against 19.60 µH")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("With 25.637 pF, 20 turns give resonance at 7.100 MHz")), qPrintable(text));
}

void TestTurnsHint::lessThanHalfATurn()
{
    // 0.001 uH on AL 49 is 0.143 turns: the field shows 0, which gives nothing.
    const ResonanceSolver solver = solved({ { 2, "0.001" } });
    const TurnsHint hint = corvane::turnsHint(solver, 1);
    QVERIFY(hint.hasWinding);
    QCOMPARE(hint.wholeTurns, 0.0);
    QCOMPARE(hint.wholeTurnsHenry, 0.0);
    QCOMPARE(hint.errorPercent, -100.0);
    QVERIFY(!hint.hasFrequency);
}

void TestTurnsHint::erasedColumnHasNoWinding()
{
    ResonanceSolver solver = solved({ { 0, "7.1" }, { 1, "100" } });
    solver.erase();
    const TurnsHint hint = corvane::turnsHint(solver, 1);
    QVERIFY(hint.hasCore);
    QVERIFY(!hint.hasWinding);
    QVERIFY(!hint.hasFrequency);
    QCOMPARE(corvane::turnsHintText(hint),
             QStringLiteral("X: AL 49 nH/turn² (490 µH per 100 turns), wire 0.9 in per turn"));
    QCOMPARE(corvane::wholeTurnsSummary(hint), QString());
}

void TestTurnsHint::slotWithoutCore()
{
    const ResonanceSolver solver = solved({ { 0, "7.1" }, { 1, "100" } });
    for (int record : { 5, 50 }) {
        const TurnsHint hint = corvane::turnsHint(solver, record);
        QVERIFY(!hint.hasCore);
        QVERIFY(!hint.hasWinding);
        QCOMPARE(corvane::turnsHintText(hint), QStringLiteral("No core is loaded in slot %1").arg(record));
    }
}

void TestTurnsHint::coreWithoutUsableAl()
{
    const ResonanceSolver solver = solved({ { 0, "7.1" }, { 1, "100" } });
    const TurnsHint hint = corvane::turnsHint(solver, 4);
    QVERIFY(hint.hasCore);
    QVERIFY(!hint.hasWinding);
    QVERIFY(corvane::turnsHintText(hint).endsWith(QStringLiteral("\nNo winding can be worked out with this AL")));
}

void TestTurnsHint::commandLineSummary_data()
{
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<QString>("summary");
    QTest::newRow("with capacitance") << "5.024855" << "100"
                                      << "10 turns give 4.900 uH (-2.48 %), resonant at 7.190 MHz with 100 pF";
    QTest::newRow("no capacitance") << "4.9" << "" << "10 turns give 4.900 uH (0.00 %)";
    QTest::newRow("one turn") << "0.049" << "" << "1 turn gives 0.04900 uH (0.00 %)";
    QTest::newRow("rounded down") << "4.2" << "" << "9 turns give 3.969 uH (-5.50 %)";
}

void TestTurnsHint::commandLineSummary()
{
    QFETCH(QString, inductance);
    QFETCH(QString, capacitance);
    QFETCH(QString, summary);
    QList<QPair<int, QString>> entries { { 2, inductance } };
    if (!capacitance.isEmpty())
        entries.append({ 1, capacitance });
    const ResonanceSolver solver = solved(entries);
    QCOMPARE(corvane::wholeTurnsSummary(corvane::turnsHint(solver, 1)), summary);
}

QTEST_APPLESS_MAIN(TestTurnsHint)
#include "tst_hints_turns.moc"
