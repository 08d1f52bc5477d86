// The T and Pi attenuator solver and the standard-part hints of its resistors.
#include "attensolver.h"
#include "padcheck.h"
#include "powerrating.h"
#include "resistorhint.h"
#include "sessions.h"
#include "standardresistors.h"

#include <QtTest>

using namespace corvane;

namespace {

// A window's solver after its first activation left field 0, then "INDEX=TEXT"
// entries (each field left after typing) and "E" for the Erase key.
void enter(AttenSolver &solver, const QString &entry)
{
    if (entry == QLatin1String("E")) {
        solver.erase();
        return;
    }
    const int index = entry.section(QLatin1Char('='), 0, 0).toInt();
    solver.setText(index, entry.section(QLatin1Char('='), 1));
    solver.txt_LostFocus(index);
}

AttenSolver solved(const QStringList &entries)
{
    AttenSolver solver;
    solver.formLoad();
    solver.txt_LostFocus(0);
    for (const QString &entry : entries)
        enter(solver, entry);
    return solver;
}

constexpr double K10 = 3.1622776601683795; // 10 dB: 10^(10 / 20)

} // namespace

class TestAtten : public QObject
{
    Q_OBJECT
private slots:
    void entries_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("refusal");
        const QStringList start { "50.0", "", "", "", "", "", "", "" };
        const QStringList db10 { "50.0", "10.0", "96.2", "96.2", "71.2", "26.0", "26.0", "35.1" };
        const QString r1Refusal = QStringLiteral("R1 must be larger than the impedance when no attenuation is set");

        QTest::newRow("new window") << QStringList() << start << QString();
        QTest::newRow("10 dB") << QStringList { "1=10" } << db10 << QString();
        QTest::newRow("3 dB") << QStringList { "1=3" }
                              << QStringList { "50.0", "3.0", "292.4", "292.4", "17.6", "8.5", "8.5", "141.9" } << QString();
        QTest::newRow("R1 100 gives 9.54 dB") << QStringList { "2=100" }
                << QStringList { "50.0", "9.5", "100.0", "100.0", "66.7", "25.0", "25.0", "37.5" } << QString();
        QTest::newRow("right R3 10 gives 3.5 dB") << QStringList { "6=10" }
                << QStringList { "50.0", "3.5", "250.0", "250.0", "20.8", "10.0", "10.0", "120.0" } << QString();
        const QStringList r50 { "50.0", "7.7", "120.7", "120.7", "50.0", "20.7", "20.7", "50.0" };
        QTest::newRow("R2 50") << QStringList { "4=50" } << r50 << QString();
        QTest::newRow("R4 50") << QStringList { "7=50" } << r50 << QString();
        // Z = 100 (K - 1) / (K + 1) = 51.95; R2 = Z / 2 (K^2 - 1) / K = 73.93, R3 = 26.99, R4 = 2 Z K / (K^2 - 1) = 36.51
        QTest::newRow("right R1 with 10 dB kept") << QStringList { "1=10", "3=100" }
                << QStringList { "51.9", "10.0", "100.0", "100.0", "73.9", "27.0", "27.0", "36.5" } << QString();
        // Z = 10 (K + 1) / (K - 1) = 19.25; R1 = 37.05, R2 = 27.39, R4 = 13.53
        QTest::newRow("R3 with 10 dB kept") << QStringList { "1=10", "5=10" }
                << QStringList { "19.2", "10.0", "37.1", "37.1", "27.4", "10.0", "10.0", "13.5" } << QString();
        // R1 = 100 (K + 1) / (K - 1) = 192.5, R2 = 142.3, R3 = 51.9, R4 = 70.3
        QTest::newRow("new impedance") << QStringList { "1=10", "0=100" }
                << QStringList { "100.0", "10.0", "192.5", "192.5", "142.3", "51.9", "51.9", "70.3" } << QString();
        QTest::newRow("unchanged text is no entry") << QStringList { "1=10", "2=96.2", "4=71.2" } << db10 << QString();
        QTest::newRow("erase forgets the impedance") << QStringList { "1=10", "E", "1=20" }
                << QStringList { "", "20.0", "", "", "", "", "", "" } << QString();
        QTest::newRow("R1 below the impedance") << QStringList { "2=40" } << start << r1Refusal;
        QTest::newRow("R1 equal to the impedance") << QStringList { "2=50" } << start << r1Refusal;
        QTest::newRow("R3 equal to the impedance") << QStringList { "5=50" } << start
                << QStringLiteral("R3 must be smaller than the impedance when no attenuation is set");
        QTest::newRow("attenuation too large") << QStringList { "1=10", "1=4000" } << db10
                << QStringLiteral("The attenuation is too large to calculate with (at most about 3082 dB)");
    }

    void entries()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, texts);
        QFETCH(QString, refusal);
        const AttenSolver before = solved(entries.mid(0, entries.size() - 1));
        const AttenSolver solver = solved(entries);
        QCOMPARE(QStringList(solver.texts().begin(), solver.texts().end()), texts);
        QCOMPARE(solver.refusal(), refusal);
        if (!refusal.isEmpty())
            QCOMPARE(invariants::numbersOf(solver), invariants::numbersOf(before));
    }

    void standardValues_data()
    {
        QTest::addColumn<double>("ohms");
        QTest::addColumn<int>("series");
        QTest::addColumn<double>("nearest"); // the value with the least ratio either way
        QTest::addColumn<QString>("text");
        QTest::newRow("next decade") << 9.6 << int(StandardResistors::E24) << 10.0 << "10 ohms";
        QTest::newRow("E24 up") << 96.2475 << int(StandardResistors::E24) << 100.0 << "100 ohms";
        QTest::newRow("E96") << 96.2475 << int(StandardResistors::E96) << 95.3 << "95.3 ohms";
        QTest::newRow("E24 down") << 71.15 << int(StandardResistors::E24) << 68.0 << "68 ohms";
        QTest::newRow("E96 next decade") << 99.5 << int(StandardResistors::E96) << 100.0 << "100 ohms";
        QTest::newRow("kilohms") << 1010.0 << int(StandardResistors::E24) << 1000.0 << "1.0 kohms";
        QTest::newRow("megohms") << 1.5e6 << int(StandardResistors::E96) << 1.5e6 << "1.50 Mohms";
        QTest::newRow("nothing") << 0.0 << int(StandardResistors::E24) << 0.0 << "";
    }

    void standardValues()
    {
        QFETCH(double, ohms);
        QFETCH(int, series);
        QFETCH(double, nearest);
        QFETCH(QString, text);
        const auto s = StandardResistors::Series(series);
        QCOMPARE(StandardResistors::nearest(ohms, s), nearest);
        if (nearest > 0)
            QCOMPARE(StandardResistors::text(nearest, s), text);
    }

    void padFigures()
    {
        // The exact 10 dB pads in 50 ohms: R1 = 50 (K + 1) / (K - 1), R2 = 25 (K^2 - 1) / K,
        // R3 = 50 (K - 1) / (K + 1), R4 = 100 K / (K^2 - 1). Matched, they lose 10 dB.
        const double r1 = 50 * (K10 + 1) / (K10 - 1), r2 = 25 * 9 / K10;
        const double r3 = 50 * (K10 - 1) / (K10 + 1), r4 = 100 * K10 / 9;
        for (const auto &[kind, outer, middle] : { std::tuple { PadCheck::Pi, r1, r2 }, { PadCheck::T, r3, r4 } }) {
            const PadCheck::Figures f = PadCheck::figures(kind, outer, middle, 50);
            QVERIFY(f.valid && qAbs(f.insertionLossDb - 10) < 1e-9 && qAbs(f.inputOhm - 50) < 1e-9);
        }
        // Into a matched 10 dB Pi pad 1 W: 50 / R1 = 0.519 W, the load 0.1 W.
        const PadCheck::Power p = PadCheck::power(PadCheck::Pi, r1, r2, 50, 1);
        QVERIFY(qAbs(p.first - 50 / r1) < 1e-9 && qAbs(p.load - 0.1) < 1e-9 && qAbs(p.last - 5 / r1) < 1e-9);
        // The smallest rating at least twice the power (the command line shows the others).
        QCOMPARE(PowerRating::forDissipation(0.5), 1.0);
        QCOMPARE(PowerRating::text(PowerRating::forDissipation(60)), QStringLiteral("over 100 W"));
    }

    void resistorHints()
    {
        const AttenSolver solver = solved({ "1=10" });
        const double expected[] = { 0, 0, solver.r1Ohm(), solver.r1Ohm(), solver.r2Ohm(),
                                    solver.r3Ohm(), solver.r3Ohm(), solver.r4Ohm() };
        for (int field = 2; field < 8; ++field) {
            const ResistorHint hint = resistorHint(solver, field);
            QCOMPARE(hint.ohms, expected[field]);
            QCOMPARE(hint.kind, field <= 4 ? PadCheck::Pi : PadCheck::T);
            QVERIFY(hint.hasPads);
        }
        const QString text = resistorHintText(resistorHint(solver, 2));
        QVERIFY2(text.startsWith(QStringLiteral("Pi R1, input shunt: 96.25 ohms\nNearest standard values: E24 100 ohms, "
                                                "E96 95.3 ohms\nPi pad of E24 parts, R1 100 ohms and R2 68 ohms, in 50.0 ohms:\n  loss ")),
                 qPrintable(text));
        QCOMPARE(resistorHintText(resistorHint(solved({}), 2)), QString());
    }
};


QTEST_GUILESS_MAIN(TestAtten)
#include "tst_atten.moc"
