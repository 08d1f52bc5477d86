// Randomized sessions of entries, erases and pasted junk on both solvers, and
// random core table files, each step checked against the invariants the fuzz
// targets check. The generator starts from fixed values, so every run is the same.
#include "sessions.h"

#include <QtTest>

using namespace corvane;
using namespace corvane::invariants;

namespace {

CoreTable threeCores()
{
    CoreTable table;
    const double cores[3][2] = { { 49, 0.9 }, { 40, 1.25 }, { 12, 0.5 } };
    for (const auto &core : cores) {
        const std::size_t slot = std::size_t(++table.coreCount);
        table.coreName[slot] = QStringLiteral("C%1").arg(table.coreCount);
        table.coreAL[slot] = core[0];
        table.coreWire[slot] = core[1];
    }
    return table;
}

} // namespace

class TestInvariants : public QObject
{
    Q_OBJECT
private slots:
    void resonanceSessions();
    void attenuatorSessions();
    void coreTableFiles();

    // The checks themselves must see what is wrong.
    void resonanceChecksSeeBadTexts_data();
    void resonanceChecksSeeBadTexts();
    void attenuatorChecksSeeBadTexts_data();
    void attenuatorChecksSeeBadTexts();
    void tableCheckSeesBadTables();
};

void TestInvariants::resonanceSessions()
{
    RandomBytes in(20240611);
    SessionStats stats;
    for (int session = 0; session < 60; ++session) {
        const QString problem = resonanceSession(in, 80, &stats);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("session %1: %2").arg(session).arg(problem)));
    }
    // The sessions reach the calculations, not only the refusals.
    QVERIFY2(stats.taken > stats.steps / 4, qPrintable(QString::number(stats.taken)));
    QVERIFY2(stats.solved > stats.steps / 4, qPrintable(QString::number(stats.solved)));
}

void TestInvariants::attenuatorSessions()
{
    RandomBytes in(19980302);
    SessionStats stats;
    for (int session = 0; session < 60; ++session) {
        const QString problem = attenuatorSession(in, 80, &stats);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("session %1: %2").arg(session).arg(problem)));
    }
    QVERIFY2(stats.taken > stats.steps / 4, qPrintable(QString::number(stats.taken)));
    QVERIFY2(stats.solved > stats.steps / 4, qPrintable(QString::number(stats.solved)));
    QVERIFY2(stats.refused > 20, qPrintable(QString::number(stats.refused)));
}

void TestInvariants::coreTableFiles()
{
    RandomBytes in(7100100);
    int full = 0;
    for (int file = 0; file < 200; ++file) {
        const QByteArray bytes = tableFile(in);
        const QString problem = coreTableSession(bytes);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("file %1: %2").arg(file).arg(problem)));
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        full += CoreTable::read(buffer).coreCount == CoreTable::MaxRecords ? 1 : 0;
    }
    // Some files list more records than the table holds.
    QVERIFY2(full > 0, qPrintable(QString::number(full)));
}

void TestInvariants::resonanceChecksSeeBadTexts_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    // The good texts are 7.100, 100, 5.02, 224 and, for the cores of AL 49,
    // 40 and 12: 10 turns 11", 11 turns 16", 20 turns 12".
    QTest::newRow("nan frequency") << 0 << "nan";
    QTest::newRow("frequency not through its mask") << 0 << "7.1";
    QTest::newRow("minus frequency") << 0 << "-7.100";
    QTest::newRow("capacitance off by one") << 1 << "101";
    QTest::newRow("inductance inf") << 2 << "inf";
    QTest::newRow("impedance with an exponent") << 3 << "2.24e+02";
    QTest::newRow("impedance with decimals") << 3 << "224.0";
    QTest::newRow("turns off by one") << 4 << "11 turns 11\"";
    QTest::newRow("wire for unrounded turns") << 5 << "11 turns 15\"";
    QTest::newRow("no inch mark") << 6 << "20 turns 12";
    QTest::newRow("minus turns") << 4 << "-10 turns 11\"";
    QTest::newRow("turns without a core") << 7 << "5 turns 7\"";
}

void TestInvariants::resonanceChecksSeeBadTexts()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    ResonanceSolver solver(threeCores());
    ResonanceCheck check(solver);
    check.type(1, QStringLiteral("100"));
    QCOMPARE(check.leave(1), QString());
    check.type(0, QStringLiteral("7.1"));
    QCOMPARE(check.leave(0), QString());
    QCOMPARE(solver.text(0), QStringLiteral("7.100"));
    QCOMPARE(solver.text(2), QStringLiteral("5.02"));
    QCOMPARE(solver.text(3), QStringLiteral("224"));
    QCOMPARE(solver.text(5), QStringLiteral("11 turns 16\""));

    // Written behind the check's back, as a faulty solver would.
    solver.setText(field, text);
    QVERIFY(!check.state().isEmpty());
    // The same text typed by the user is no fault.
    check.type(field, text);
    QCOMPARE(check.state(), QString());
}

void TestInvariants::attenuatorChecksSeeBadTexts_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    // 50 ohms and 10 dB: 96.2, 71.2, 26.0 and 35.1.
    QTest::newRow("impedance not through its mask") << 0 << "50";
    QTest::newRow("minus attenuation") << 1 << "-10.0";
    QTest::newRow("R1 off by a tenth") << 2 << "96.3";
    QTest::newRow("R1 pair disagrees") << 3 << "96.1";
    QTest::newRow("R2 with an exponent") << 4 << "7.12e+01";
    QTest::newRow("R3 nan") << 5 << "nan";
    QTest::newRow("R4 inf") << 7 << "inf";
}

void TestInvariants::attenuatorChecksSeeBadTexts()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    AttenSolver solver;
    AttenCheck check(solver);
    QCOMPARE(check.formLoad(), QString());
    check.type(1, QStringLiteral("10"));
    QCOMPARE(check.leave(1), QString());
    QCOMPARE(solver.text(2), QStringLiteral("96.2"));
    QCOMPARE(solver.text(4), QStringLiteral("71.2"));
    QCOMPARE(solver.text(6), QStringLiteral("26.0"));
    QCOMPARE(solver.text(7), QStringLiteral("35.1"));

    solver.setText(field, text);
    QVERIFY(!check.state(false).isEmpty());
    check.type(field, text);
    QCOMPARE(check.state(false), QString());
    // A commit that computed rewrote every resistor field: typing there is no excuse.
    if (field >= 2)
        QVERIFY(!check.state(true).isEmpty());
}

void TestInvariants::tableCheckSeesBadTables()
{
    QCOMPARE(checkCoreTable(threeCores()), QString());

    CoreTable tooMany = threeCores();
    tooMany.coreCount = CoreTable::MaxRecords + 1;
    QVERIFY(!checkCoreTable(tooMany).isEmpty());

    CoreTable spaced = threeCores();
    spaced.coreName[2] = QStringLiteral("T 50");
    QVERIFY(!checkCoreTable(spaced).isEmpty());

    CoreTable lower = threeCores();
    lower.coreName[1] = QStringLiteral("t50");
    QVERIFY(!checkCoreTable(lower).isEmpty());

    CoreTable notANumber = threeCores();
    notANumber.coreAL[3] = qQNaN();
    QVERIFY(!checkCoreTable(notANumber).isEmpty());

    CoreTable leftover = threeCores();
    leftover.coreAL[4] = 12;
    QVERIFY(!checkCoreTable(leftover).isEmpty());
}

QTEST_APPLESS_MAIN(TestInvariants)
#include "tst_invariants.moc"
