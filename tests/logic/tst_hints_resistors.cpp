// The attenuator's standard-part hints. Expected values were worked out by
// hand (python3): the nearest series values by searching every decade for the
// smallest |ln(R / value)|, and the pads by nodal analysis of source Z, pad
// and load Z, a different road from the ladder formulas of the code.
#include "attensolver.h"
#include "padcheck.h"
#include "powerrating.h"
#include "resistorhint.h"
#include "standardresistors.h"

#include <QtTest>

#include <cmath>
#include <limits>

using corvane::AttenSolver;
using corvane::PadCheck;
using corvane::PowerRating;
using corvane::ResistorHint;
using corvane::StandardResistors;

Q_DECLARE_METATYPE(PadCheck::Kind)
Q_DECLARE_METATYPE(StandardResistors::Series)

namespace {

bool near(double actual, double expected, double relative = 1e-6)
{
    return std::fabs(actual - expected) <= relative * std::fabs(expected);
}

AttenSolver solved(const QList<QPair<int, QString>> &entries)
{
    AttenSolver solver;
    solver.formLoad();
    solver.txt_LostFocus(0);
    for (const auto &entry : entries) {
        solver.setText(entry.first, entry.second);
        solver.txt_LostFocus(entry.first);
    }
    return solver;
}

} // namespace

class TestResistorHints : public QObject
{
    Q_OBJECT
private slots:
    void nearest_data();
    void nearest();
    void nearestOfNothing();
    void valueText_data();
    void valueText();
    void exactPadIsMatched_data();
    void exactPadIsMatched();
    void standardPads_data();
    void standardPads();
    void padOfNothing();
    void dissipation_data();
    void dissipation();
    void rating_data();
    void rating();
    void hintOfAField();
    void hintOfTheTPad();
    void noHintWithoutResistor();
    void resistorWithoutPad();
};

void TestResistorHints::nearest_data()
{
    QTest::addColumn<double>("ohms");
    QTest::addColumn<double>("e24");
    QTest::addColumn<double>("e96");
    QTest::newRow("1.0") << 1.0 << 1.0 << 1.0;
    QTest::newRow("9.99 goes up a decade") << 9.99 << 10.0 << 10.0;
    QTest::newRow("10.0") << 10.0 << 10.0 << 10.0;
    QTest::newRow("96.25") << 96.25 << 100.0 << 95.3;
    QTest::newRow("1e6") << 1e6 << 1e6 << 1e6;
    QTest::newRow("0.5") << 0.5 << 0.51 << 0.499;
    QTest::newRow("95.0") << 95.0 << 91.0 << 95.3;
    // Between 91 and 100 the ratio decides at 95.39, not the mean 95.5.
    QTest::newRow("95.38") << 95.38 << 91.0 << 95.3;
    QTest::newRow("95.45") << 95.45 << 100.0 << 95.3;
    QTest::newRow("14.1") << 14.1 << 15.0 << 14.0;
    QTest::newRow("3.9") << 3.9 << 3.9 << 3.92;
    QTest::newRow("8.66") << 8.66 << 9.1 << 8.66;
    QTest::newRow("975") << 975.0 << 1000.0 << 976.0;
    QTest::newRow("120.7") << 120.7 << 120.0 << 121.0;
    QTest::newRow("8.5") << 8.5 << 8.2 << 8.45;
    QTest::newRow("292.4") << 292.4 << 300.0 << 294.0;
    QTest::newRow("10434.6") << 10434.577948597169 << 10000.0 << 10500.0;
    QTest::newRow("0.0123") << 0.0123 << 0.012 << 0.0124;
    QTest::newRow("4.7e9") << 4.7e9 << 4.7e9 << 4.75e9;
}

void TestResistorHints::nearest()
{
    QFETCH(double, ohms);
    QFETCH(double, e24);
    QFETCH(double, e96);
    QVERIFY(near(StandardResistors::nearest(ohms, StandardResistors::E24), e24, 1e-12));
    QVERIFY(near(StandardResistors::nearest(ohms, StandardResistors::E96), e96, 1e-12));
}

void TestResistorHints::nearestOfNothing()
{
    for (double ohms : { 0.0, -47.0, std::numeric_limits<double>::infinity(), std::nan("") }) {
        QCOMPARE(StandardResistors::nearest(ohms, StandardResistors::E24), 0.0);
        QCOMPARE(StandardResistors::nearest(ohms, StandardResistors::E96), 0.0);
    }
}

void TestResistorHints::valueText_data()
{
    QTest::addColumn<double>("ohms");
    QTest::addColumn<StandardResistors::Series>("series");
    QTest::addColumn<QString>("text");
    QTest::newRow("95.3") << 95.3 << StandardResistors::E96 << "95.3 ohms";
    QTest::newRow("100 E24") << 100.0 << StandardResistors::E24 << "100 ohms";
    QTest::newRow("100 E96") << 100.0 << StandardResistors::E96 << "100 ohms";
    QTest::newRow("4.7") << 4.7 << StandardResistors::E24 << "4.7 ohms";
    QTest::newRow("0.499") << 0.499 << StandardResistors::E96 << "0.499 ohms";
    QTest::newRow("1.02k") << 1020.0 << StandardResistors::E96 << "1.02 kohms";
    QTest::newRow("10k") << 10000.0 << StandardResistors::E24 << "10 kohms";
    QTest::newRow("1.0M") << 1e6 << StandardResistors::E24 << "1.0 Mohms";
    QTest::newRow("1.00M") << 1e6 << StandardResistors::E96 << "1.00 Mohms";
}

void TestResistorHints::valueText()
{
    QFETCH(double, ohms);
    QFETCH(StandardResistors::Series, series);
    QFETCH(QString, text);
    QCOMPARE(StandardResistors::text(ohms, series), text);
}

void TestResistorHints::exactPadIsMatched_data()
{
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("db");
    QTest::newRow("50 ohms 10 dB") << 50.0 << 10.0;
    QTest::newRow("50 ohms 3 dB") << 50.0 << 3.0;
    QTest::newRow("600 ohms 1 dB") << 600.0 << 1.0;
    QTest::newRow("75 ohms 20 dB") << 75.0 << 20.0;
}

void TestResistorHints::exactPadIsMatched()
{
    // The design resistors give the attenuation asked for and a matched input.
    QFETCH(double, z);
    QFETCH(double, db);
    const double k = std::pow(10.0, db / 20);
    const PadCheck::Figures pi = PadCheck::figures(PadCheck::Pi, z * (k + 1) / (k - 1), z / 2 * (k * k - 1) / k, z);
    const PadCheck::Figures t = PadCheck::figures(PadCheck::T, z * (k - 1) / (k + 1), 2 * z * k / (k * k - 1), z);
    for (const PadCheck::Figures &f : { pi, t }) {
        QVERIFY(f.valid);
        QVERIFY(near(f.insertionLossDb, db, 1e-9));
        QVERIFY(near(f.inputOhm, z, 1e-9));
        QVERIFY(f.returnLossDb > 200);
    }
}

void TestResistorHints::standardPads_data()
{
    QTest::addColumn<PadCheck::Kind>("kind");
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("middle");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("lossDb");
    QTest::addColumn<double>("inputOhm");
    QTest::addColumn<double>("returnLossDb");
    // The nearest E24 and E96 parts of the 10, 3, 1 and 20 dB pads.
    QTest::newRow("10 dB Pi E24") << PadCheck::Pi << 100.0 << 68.0 << 50.0 << 9.628853 << 50.331126 << 49.628853;
    QTest::newRow("10 dB T E24") << PadCheck::T << 27.0 << 36.0 << 50.0 << 10.067490 << 51.530973 << 36.432618;
    QTest::newRow("10 dB Pi E96") << PadCheck::Pi << 95.3 << 71.5 << 50.0 << 10.066925 << 49.797229 << 53.842260;
    QTest::newRow("10 dB T E96") << PadCheck::T << 26.1 << 34.8 << 50.0 << 10.065299 << 49.979892 << 73.930787;
    QTest::newRow("3 dB Pi E24") << PadCheck::Pi << 300.0 << 18.0 << 50.0 << 2.994643 << 50.593824 << 44.578268;
    QTest::newRow("3 dB T E24") << PadCheck::T << 8.2 << 150.0 << 50.0 << 2.859146 << 50.130836 << 57.676829;
    QTest::newRow("1 dB Pi E24") << PadCheck::Pi << 10000.0 << 68.0 << 600.0 << 1.012781 << 596.234235 << 50.039261;
    QTest::newRow("1 dB T E96") << PadCheck::T << 34.8 << 5230.0 << 600.0 << 1.001469 << 600.889892 << 62.603315;
    QTest::newRow("20 dB Pi E96") << PadCheck::Pi << 90.9 << 374.0 << 75.0 << 20.112353 << 74.570143 << 50.830426;
    QTest::newRow("20 dB T E24") << PadCheck::T << 62.0 << 15.0 << 75.0 << 20.145090 << 75.519737 << 49.236199;
}

void TestResistorHints::standardPads()
{
    QFETCH(PadCheck::Kind, kind);
    QFETCH(double, outer);
    QFETCH(double, middle);
    QFETCH(double, z);
    QFETCH(double, lossDb);
    QFETCH(double, inputOhm);
    QFETCH(double, returnLossDb);
    const PadCheck::Figures f = PadCheck::figures(kind, outer, middle, z);
    QVERIFY(f.valid);
    QVERIFY2(near(f.insertionLossDb, lossDb), qPrintable(QString::number(f.insertionLossDb, 'g', 10)));
    QVERIFY2(near(f.inputOhm, inputOhm), qPrintable(QString::number(f.inputOhm, 'g', 10)));
    QVERIFY2(near(f.returnLossDb, returnLossDb), qPrintable(QString::number(f.returnLossDb, 'g', 10)));
}

void TestResistorHints::padOfNothing()
{
    QVERIFY(!PadCheck::figures(PadCheck::Pi, 0, 68, 50).valid);
    QVERIFY(!PadCheck::figures(PadCheck::T, 27, 0, 50).valid);
    QVERIFY(!PadCheck::figures(PadCheck::T, 27, 36, 0).valid);
    QVERIFY(!PadCheck::power(PadCheck::Pi, 100, 68, 50, 0).valid);
    QVERIFY(!PadCheck::power(PadCheck::T, -27, 36, 50, 1).valid);
}

void TestResistorHints::dissipation_data()
{
    QTest::addColumn<PadCheck::Kind>("kind");
    QTest::addColumn<double>("outer");
    QTest::addColumn<double>("middle");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("inputWatts");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("middlePower");
    QTest::addColumn<double>("last");
    QTest::addColumn<double>("load");
    QTest::newRow("10 dB Pi, 1 W") << PadCheck::Pi << 96.24752955742645 << 71.15124735378855 << 50.0 << 1.0
                                   << 0.5194938532959159 << 0.3285567613744928 << 0.05194938532959157 << 0.1;
    QTest::newRow("10 dB T, 1 W") << PadCheck::T << 25.974692664795786 << 35.136418446315325 << 50.0 << 1.0
                                  << 0.5194938532959161 << 0.3285567613744928 << 0.05194938532959157 << 0.1;
    QTest::newRow("3 dB Pi, 10 W") << PadCheck::Pi << 292.402179640268 << 17.61479400596541 << 50.0 << 10.0
                                   << 1.7099735734361914 << 2.4211371654448617 << 0.8570169248462262
                                   << 5.0118723362727255;
    QTest::newRow("3 dB T, 10 W") << PadCheck::T << 8.549867867180952 << 141.92615588654354 << 50.0 << 10.0
                                  << 1.709973573436187 << 2.421137165444863 << 0.8570169248462256
                                  << 5.011872336272725;
    QTest::newRow("Pi 100/75 in 50, 2 W") << PadCheck::Pi << 100.0 << 75.0 << 50.0 << 2.0 << 1.04 << 0.6646153846153845
                                          << 0.09846153846153846 << 0.19692307692307692;
    QTest::newRow("T 27/36 in 50, 2 W") << PadCheck::T << 27.0 << 36.0 << 50.0 << 2.0 << 1.04791344667697
                                        << 0.6487669434148075 << 0.10635882425353228 << 0.19696078565468936;
    QTest::newRow("1 dB Pi in 600, 0.5 W") << PadCheck::Pi << 10434.577948597169 << 69.23025485046534 << 600.0 << 0.5
                                           << 0.028750563892268557 << 0.051247934081717204 << 0.022837384663873347
                                           << 0.39716411736213997;
}

void TestResistorHints::dissipation()
{
    QFETCH(PadCheck::Kind, kind);
    QFETCH(double, outer);
    QFETCH(double, middle);
    QFETCH(double, z);
    QFETCH(double, inputWatts);
    QFETCH(double, first);
    QFETCH(double, middlePower);
    QFETCH(double, last);
    QFETCH(double, load);
    const PadCheck::Power p = PadCheck::power(kind, outer, middle, z, inputWatts);
    QVERIFY(p.valid);
    QCOMPARE(p.inputWatts, inputWatts);
    QVERIFY(near(p.first, first, 1e-9));
    QVERIFY(near(p.middle, middlePower, 1e-9));
    QVERIFY(near(p.last, last, 1e-9));
    QVERIFY(near(p.load, load, 1e-9));
}

void TestResistorHints::rating_data()
{
    QTest::addColumn<double>("watts");
    QTest::addColumn<double>("rating");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << 0.0 << 0.125 << "1/8 W";
    QTest::newRow("52 mW") << 0.0519 << 0.125 << "1/8 W";
    QTest::newRow("half of 1/8 W") << 0.0625 << 0.125 << "1/8 W";
    QTest::newRow("just over") << 0.063 << 0.25 << "1/4 W";
    QTest::newRow("0.33 W") << 0.3286 << 1.0 << "1 W";
    QTest::newRow("0.52 W") << 0.5195 << 2.0 << "2 W";
    QTest::newRow("1.5 W") << 1.5 << 3.0 << "3 W";
    QTest::newRow("2.42 W") << 2.4211 << 5.0 << "5 W";
    QTest::newRow("4 W") << 4.0 << 10.0 << "10 W";
    QTest::newRow("12 W") << 12.0 << 25.0 << "25 W";
    QTest::newRow("20 W") << 20.0 << 50.0 << "50 W";
    QTest::newRow("50 W") << 50.0 << 100.0 << "100 W";
    QTest::newRow("50.1 W") << 50.1 << 0.0 << "over 100 W";
}

void TestResistorHints::rating()
{
    QFETCH(double, watts);
    QFETCH(double, rating);
    QFETCH(QString, text);
    QCOMPARE(PowerRating::forDissipation(watts), rating);
    QCOMPARE(PowerRating::text(PowerRating::forDissipation(watts)), text);
}

void TestResistorHints::hintOfAField()
{
    // 50 ohms and 10 dB: R1 96.25 -> E24 100, E96 95.3; R2 71.15 -> 68, 71.5.
    const AttenSolver solver = solved({ { 1, "10" } });
    for (int field : { 2, 3, 4 }) {
        const ResistorHint hint = corvane::resistorHint(solver, field);
        QVERIFY(hint.valid);
        QCOMPARE(hint.kind, PadCheck::Pi);
        QVERIFY(hint.hasPads);
        QCOMPARE(hint.e24Pad.outer, 100.0);
        QCOMPARE(hint.e24Pad.middle, 68.0);
        QVERIFY(near(hint.e96Pad.outer, 95.3, 1e-12));
        QVERIFY(near(hint.e96Pad.middle, 71.5, 1e-12));
        QVERIFY(near(hint.e24Pad.figures.insertionLossDb, 9.628853));
        QVERIFY(near(hint.e96Pad.figures.returnLossDb, 53.842260));
    }
    const ResistorHint r2 = corvane::resistorHint(solver, 4);
    QCOMPARE(r2.e24, 68.0);
    QVERIFY(near(r2.e96, 71.5, 1e-12));

    const QStringList lines = corvane::resistorHintText(corvane::resistorHint(solver, 2)).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 9); // then the best E24 pair and its pad
    QCOMPARE(lines.at(0), QStringLiteral("Pi R1, input shunt: 96.25 ohms"));
    QCOMPARE(lines.at(1), QStringLiteral("Nearest standard values: E24 100 ohms, E96 95.3 ohms"));
    QCOMPARE(lines.at(2), QStringLiteral("Pi pad of E24 parts, R1 100 ohms and R2 68 ohms, in 50.0 ohms:"));
    QCOMPARE(lines.at(3), QStringLiteral("  loss 9.63 dB, input 50.33 ohms, return loss 49.6 dB"));
    QCOMPARE(lines.at(4), QStringLiteral("Pi pad of E96 parts, R1 95.3 ohms and R2 71.5 ohms, in 50.0 ohms:"));
    QCOMPARE(lines.at(5), QStringLiteral("  loss 10.07 dB, input 49.80 ohms, return loss 53.8 dB"));
}

void TestResistorHints::hintOfTheTPad()
{
    const AttenSolver solver = solved({ { 1, "10" } });
    const QString text = corvane::resistorHintText(corvane::resistorHint(solver, 7));
    QVERIFY2(text.startsWith(QStringLiteral("T R4, shunt: 35.14 ohms\n"
                                            "Nearest standard values: E24 36 ohms, E96 34.8 ohms\n")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("T pad of E24 parts, R3 27 ohms and R4 36 ohms, in 50.0 ohms:\n"
                                         "  loss 10.07 dB, input 51.53 ohms, return loss 36.4 dB")));
    // 73.9 dB is as good as matched.
    QVERIFY(text.contains(QStringLiteral("  loss 10.07 dB, input 49.98 ohms, return loss > 60 dB")));
}

void TestResistorHints::noHintWithoutResistor()
{
    AttenSolver fresh = solved({});
    for (int field = 0; field < AttenSolver::FieldCount; ++field) {
        QVERIFY(!corvane::resistorHint(fresh, field).valid);
        QCOMPARE(corvane::resistorHintText(corvane::resistorHint(fresh, field)), QString());
    }
    AttenSolver erased = solved({ { 1, "10" } });
    erased.erase();
    for (int field = 2; field < AttenSolver::FieldCount; ++field)
        QCOMPARE(corvane::resistorHintText(corvane::resistorHint(erased, field)), QString());
}

void TestResistorHints::resistorWithoutPad()
{
    // After an erase a typed R1 is only stored: its standard values are known,
    // the pad is not.
    AttenSolver solver = solved({ { 1, "10" } });
    solver.erase();
    solver.setText(2, QStringLiteral("150"));
    solver.txt_LostFocus(2);
    QCOMPARE(solver.r1Ohm(), 150.0);
    const ResistorHint hint = corvane::resistorHint(solver, 3);
    QVERIFY(hint.valid);
    QVERIFY(!hint.hasPads);
    QCOMPARE(corvane::resistorHintText(hint).section(QLatin1Char('\n'), 0, 1),
             QStringLiteral("Pi R1, output shunt: 150.00 ohms\nNearest standard values: E24 150 ohms, E96 150 ohms"));
    QVERIFY(!corvane::resistorHint(solver, 4).valid);
}

QTEST_APPLESS_MAIN(TestResistorHints)
#include "tst_hints_resistors.moc"
