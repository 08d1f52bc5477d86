#include "clirun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>

class TestParts : public QObject
{
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
    void json_data();
    void json();
    void documents_data();
    void documents();
};

static bool near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance;
}

// A number inside a JSON document by its path, "power.t.loadW".
static double jsonNumber(const QString &text, const QString &path)
{
    QJsonValue value = QJsonDocument::fromJson(text.toUtf8()).object();
    for (const QString &key : path.split(QLatin1Char('.')))
        value = value.toObject().value(key);
    return value.isNull() ? -1 : value.toDouble(NAN);
}

void TestParts::commandLine_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    // Below and above by hand from the series tables: 4.64 / 4.7 - 1 = -1.277 %, 4.75 / 4.7 - 1 = +1.064 %;
    // exact sums 2.49 + 2.21 and 2.55 + 2.15: the nearer parts win.
    QTest::newRow("E96") << "parts 4.7 --series e96" << 0 << "Value: 4.7\nE96 below: 4.64 (-1.28 %)\nE96 above: 4.75 (+1.06 %)\n"
                                                           "Best E96 pair: 2.49 and 2.21 in series = 4.7 (0.00 %)\n" << "";
    // E48 is every other E96 value (249, 261; 140 + 110 exact).
    QTest::newRow("E48") << "parts 250 --series E48" << 0 << "Value: 250\nE48 below: 249 (-0.40 %)\nE48 above: 261 (+4.40 %)\n"
                                                           "Best E48 pair: 140 and 110 in series = 250 (0.00 %)\n" << "";
    // The decade's end: 6.8 and 10; 1000 || 10 = 9.90099 (-0.89 %) beats 6.8 + 3.3 = 10.1 (+1.10 %).
    QTest::newRow("decade end") << "parts 9.99 --series E6" << 0 << "Value: 9.99\nE6 below: 6.8 (-31.93 %)\nE6 above: 10 (+0.10 %)\n"
                                                                  "Best E6 pair: 1000 and 10 in parallel = 9.90099 (-0.89 %)\n" << "";
    // Both parts at least 1: 1.0 || 1.0 = 0.5 is the pair nearest 0.47 (+6.38 %), 1.0 + 1.0 = 2 nearest 1.5 (+33.33 %).
    QTest::newRow("standard value") << "parts 0.47" << 0 << "Value: 0.47\nE24 below: 0.47 (0.00 %)\nE24 above: 0.47 (0.00 %)\n"
                                                          "Best E24 pair: 1.0 and 1.0 in parallel = 0.5 (+6.38 %)\n" << "";
    QTest::newRow("smallest part") << "parts 1.5 --pair series" << 0 << "Value: 1.5\nE24 below: 1.5 (0.00 %)\nE24 above: 1.5 (0.00 %)\n"
                                                                       "Best E24 pair: 1.0 and 1.0 in series = 2 (+33.33 %)\n" << "";
    // E12 sums to 150: only 82 + 68 is exact (100 + 47 = 147, 120 + 33 = 153).
    QTest::newRow("pair in series") << "parts 150 --series E12 --pair series" << 0 << "Value: 150\nE12 below: 150 (0.00 %)\n"
                                       "E12 above: 150 (0.00 %)\nBest E12 pair: 82 and 68 in series = 150 (0.00 %)\n" << "";
    // 91 / 97 = -6.19 %, 100 / 97 = +3.09 %; 110 || 820 = 90200 / 930 = 96.9892 (-0.011 %) beats
    // 100 || 3300 = 97.059 (+0.061 %), 120 || 510 = 97.14 and 150 || 270 = 96.43.
    QTest::newRow("pair in parallel") << "parts 97 --pair=Parallel" << 0 << "Value: 97\nE24 below: 91 (-6.19 %)\n"
                                         "E24 above: 100 (+3.09 %)\nBest E24 pair: 820 and 110 in parallel = 96.9892 (-0.01 %)\n" << "";
    // No E12 sum gives 50 (47 + 3.3 = 50.3, 22 + 27 = 49); 100 || 100 does. 47 / 50 = -6 %, 56 / 50 = +12 %.
    QTest::newRow("best is parallel") << "parts 50 --series E12" << 0 << "Value: 50\nE12 below: 47 (-6.00 %)\nE12 above: 56 (+12.00 %)\n"
                                                                      "Best E12 pair: 100 and 100 in parallel = 50 (0.00 %)\n" << "";
    // Exact both ways, 75 + 75 and 300 || 300, parts equal: the sum wins.
    QTest::newRow("tie") << "parts 150" << 0 << "Value: 150\nE24 below: 150 (0.00 %)\nE24 above: 150 (0.00 %)\n"
                                                "Best E24 pair: 75 and 75 in series = 150 (0.00 %)\n" << "";
    const QString parts = QStringLiteral("\nRun 'corvane parts --help' for the usage.\n");
    QTest::newRow("no value") << "parts" << 2 << "" << "corvane parts: no VALUE given" + parts;
    QTest::newRow("not a number") << "parts 12k" << 2 << "" << "corvane parts: '12k' is no value: give a plain number from 1e-9 to 1e12" + parts;
    QTest::newRow("unknown series") << "parts 100 --series E7" << 2 << "" << "corvane parts: --series takes E6, E12, E24, E48 or E96" + parts;
    QTest::newRow("unknown joining") << "parts 100 --pair both" << 2 << "" << "corvane parts: --pair takes series, parallel or best" + parts;
    // Pads between 75 and 50 ohms at 10 dB: K = 3.162278, K^2 = 10, sqrt(75 * 50) = 61.23724. T shunt
    // 2 K sqrt(Z1 Z2) / (K^2 - 1) = 387.2983 / 9 = 43.0331; series Z (K^2 + 1) / (K^2 - 1) - shunt:
    // 91.6667 - 43.0331 = 48.6335 and 61.1111 - 43.0331 = 18.0780. Check: 48.634 + 43.033 || (18.078 + 50) = 75.00.
    // Pi series (K^2 - 1) sqrt(Z1 Z2) / 2K = 87.1421; shunts 1 / ((K^2 + 1) / (Z (K^2 - 1)) - 1 / series) = 207.435, 77.1073.
    const QString down = QStringLiteral("  R1 (input shunt): 207.4 ohms\n  R2 (series): 87.1 ohms\n  R1 (output shunt): 77.1 ohms\n"
                                        "T pad from 75.0 ohms to 50.0 ohms, 10.00 dB:\n  R3 (input series): 48.6 ohms\n"
                                        "  R4 (shunt): 43.0 ohms\n  R3 (output series): 18.1 ohms\n");
    QTest::newRow("zout") << "attenuator --zout 50 z=75 db=10" << 0 << "Pi pad from 75.0 ohms to 50.0 ohms, 10.00 dB:\n" + down << "";
    QTest::newRow("zout=") << "attenuator --zout=50 z=75 db=10" << 0 << "Pi pad from 75.0 ohms to 50.0 ohms, 10.00 dB:\n" + down << "";
    QTest::newRow("zout reversed") << "attenuator --zout 75 db=10" << 0 << "Pi pad from 50.0 ohms to 75.0 ohms, 10.00 dB:\n"
            "  R1 (input shunt): 77.1 ohms\n  R2 (series): 87.1 ohms\n  R1 (output shunt): 207.4 ohms\n"
            "T pad from 50.0 ohms to 75.0 ohms, 10.00 dB:\n  R3 (input series): 18.1 ohms\n  R4 (shunt): 43.0 ohms\n"
            "  R3 (output series): 48.6 ohms\n" << "";
    // Least loss 75 to 50: r = 1.5, 20 log10(1.224745 + 0.707107) = 5.7195 dB; the L pad: 75 sqrt(1 - 50/75) =
    // 43.301 in series on the 75-ohm side, 50 / sqrt(1/3) = 86.603 across the 50-ohm side.
    const QString below = QStringLiteral("corvane attenuator: %1 dB is below the 5.72 dB that a resistive match from %2 ohms "
                                         "to %3 ohms needs (--min-loss gives that pad)\n");
    QTest::newRow("below the minimum") << "attenuator --zout 50 z=75 db=5" << 3 << "" << below.arg("5.00", "75.0", "50.0");
    QTest::newRow("Pi below it") << "attenuator --zout 75 db=5.7" << 3 << "" << below.arg("5.70", "50.0", "75.0");
    QTest::newRow("minimum loss") << "attenuator --zout 50 --min-loss z=75" << 0 << "Minimum-loss pad from 75.0 ohms to 50.0 ohms, "
                                     "5.72 dB:\n  series (input): 43.3 ohms\n  shunt (output): 86.6 ohms\n" << "";
    QTest::newRow("minimum loss up") << "attenuator --zout 75 --min-loss" << 0 << "Minimum-loss pad from 50.0 ohms to 75.0 ohms, "
                                        "5.72 dB:\n  shunt (input): 86.6 ohms\n  series (output): 43.3 ohms\n" << "";
    QTest::newRow("equal needs no pad") << "attenuator --zout 50 --min-loss" << 3 << ""
                                        << "corvane attenuator: 50.0 ohms and 50.0 ohms are equal: they match without a pad\n";
    // Bridged T, 50 ohms, 10 dB: K - 1 = 2.162278, bridge 50 (K - 1) = 108.1139, shunt 50 / (K - 1) = 23.1238.
    QTest::newRow("bridged T") << "attenuator --bridged-t db=10" << 0 << "Bridged-T pad for 50.0 ohms, 10.00 dB:\n  series arm "
                                  "(input): 50.0 ohms\n  series arm (output): 50.0 ohms\n  bridge: 108.1 ohms\n  shunt: 23.1 ohms\n" << "";
    QTest::newRow("no attenuation") << "attenuator --bridged-t" << 1 << "" << "corvane attenuator: --bridged-t needs an attenuation: give db=...\n";
    const QString alone = QStringLiteral("corvane attenuator: --min-loss goes with --zout, --bridged-t without it\n");
    QTest::newRow("min-loss alone") << "attenuator --min-loss db=10" << 2 << "" << alone;
    QTest::newRow("bridged T with zout") << "attenuator --bridged-t --zout 75 db=10" << 2 << "" << alone;
    QTest::newRow("zout not a number") << "attenuator --zout x db=10" << 2 << ""
                                       << "corvane attenuator: --zout needs an impedance in ohms above zero, for example --zout 75\n";
}

void TestParts::commandLine()
{
    QFETCH(QString, arguments);
    const CliRun run = runCli(arguments.split(QLatin1Char(' ')));
    QTEST(run.code, "code");
    QTEST(run.out, "out");
    QTEST(run.err, "err");
}

void TestParts::json_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("expected"); // -1 for null
    // 90 pF with 10 uH resonate at 5.3052 MHz; E24 91 pF at sqrt(90 / 91) of it, -0.551 %; E12 pair 68 + 22.
    QTest::newRow("E24 capacitor") << "resonance l=10 c=90 --json" << "standardCapacitors.e24.freqErrorPercent"
                                   << -0.55097;
    QTest::newRow("E12 pair") << "resonance l=10 c=90 --json" << "standardCapacitors.e12Pair.smallFarad" << 22e-12;
    // R1 150 at 50 ohms: K = 2, R4 = 100 * 2 / 3 = 66.667 = 150 || 120; pairs this exact lose 20 log10 2.
    QTest::newRow("R4 pair") << "attenuator r1=150 --json" << "standardParts.r4.e24Pair.smallerOhm" << 120.0;
    QTest::newRow("Pi of pairs") << "attenuator r1=150 --json" << "standardParts.pi.e24Pairs.lossDb" << 6.0206;
}

// Whole documents, numbers to 1e-4 of the larger. The pads of commandLine at full precision; 1 W into a
// matched pad is 8.660 V across 75 ohms: Pi shunts 75 / 207.435 = 0.361559 W and 5 / 77.1073 = 0.064845 W
// (10 dB: 0.1 W in the load, 5 V^2), the series part the rest, 0.473596 W. T: 1 / 75 A^2 through the input arm,
// 48.6335 / 75 = 0.648447 W; 0.1 / 50 A^2 through the output arm, 0.036156 W; the shunt the rest, 0.215397 W.
// Ratings at twice the watts, rounded up to 1/8, 1/4, 1/2, 1, 2 W.
void TestParts::documents_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("document");
    const QString rated = QStringLiteral("{\"ratingW\": %1, \"watts\": %2}");
    QTest::newRow("zout and power") << "attenuator --zout 50 z=75 db=10 --power 1 --json"
        << "{\"attenDb\": 10, \"impedOhm\": 75, \"minLossDb\": 5.7195, \"zOutOhm\": 50, \"pi\": {\"r1InputOhm\": 207.435, "
           "\"r1OutputOhm\": 77.1073, \"r2Ohm\": 87.1421}, \"t\": {\"r3InputOhm\": 48.6335, \"r3OutputOhm\": 18.0780, "
           "\"r4Ohm\": 43.0331}, \"power\": {\"derating\": 2, \"inputDbm\": 30, \"inputW\": 1, \"pi\": {\"loadW\": 0.1, "
           "\"r1Input\": " + rated.arg(1).arg(0.361559) + ", \"r1Output\": " + rated.arg(0.25).arg(0.064845) + ", \"r2\": "
           + rated.arg(1).arg(0.473596) + "}, \"t\": {\"loadW\": 0.1, \"r3Input\": " + rated.arg(2).arg(0.648447) + ", "
           "\"r3Output\": " + rated.arg(0.125).arg(0.036156) + ", \"r4\": " + rated.arg(0.5).arg(0.215397) + "}}}";
    // 1 W into the bridged T, 50 ohms, 10 dB: V1^2 = 50, and the centre sits at V2 = V1 / K, so the output arm takes
    // nothing: input arm (1 - 0.316228)^2 = 0.467544 W, bridge 23.3772 / 108.1139 = 0.216228 W, shunt 5 / 23.1238.
    QTest::newRow("bridged T and power") << "attenuator --bridged-t db=10 --power 1 --json"
        << "{\"attenDb\": 10, \"impedOhm\": 50, \"bridgedT\": {\"bridgeOhm\": 108.1139, \"seriesInputOhm\": 50, "
           "\"seriesOutputOhm\": 50, \"shuntOhm\": 23.1238}, \"power\": {\"derating\": 2, \"inputDbm\": 30, \"inputW\": 1, "
           "\"bridgedT\": {\"loadW\": 0.1, \"bridge\": " + rated.arg(0.5).arg(0.216228) + ", \"seriesInput\": "
           + rated.arg(1).arg(0.467544) + ", \"seriesOutput\": " + rated.arg(0.125).arg(0) + ", \"shunt\": "
           + rated.arg(0.5).arg(0.216228) + "}}}";
    // The L pad of commandLine, 50 up to 75 ohms: 86.603 across the 50-ohm side, 43.301 in series.
    QTest::newRow("minimum loss") << "attenuator --zout 75 --min-loss --json"
        << "{\"attenDb\": 5.7195, \"impedOhm\": 50, \"minLoss\": {\"seriesOutputOhm\": 43.3013, \"shuntInputOhm\": 86.6025}, "
           "\"minLossDb\": 5.7195, \"zOutOhm\": 75}";
    // A symmetric pad for equal impedances: R4 = 100 K / (K^2 - 1) = 35.1364, R3 = 50 (K - 1) / (K + 1) = 25.9747;
    // Pi R1 = 50 (K + 1) / (K - 1) = 96.2475, R2 = 25 (K^2 - 1) / K = 71.151; the least loss of equal ends is 0.
    QTest::newRow("equal") << "attenuator --zout 50 db=10 --json"
        << "{\"attenDb\": 10, \"impedOhm\": 50, \"minLossDb\": 0, \"zOutOhm\": 50, \"pi\": {\"r1InputOhm\": 96.2475, "
           "\"r1OutputOhm\": 96.2475, \"r2Ohm\": 71.151}, \"t\": {\"r3InputOhm\": 25.9747, \"r3OutputOhm\": 25.9747, \"r4Ohm\": 35.1364}}";
}

void TestParts::documents()
{
    QFETCH(QString, arguments);
    QFETCH(QString, document);
    const CliRun run = runCli(arguments.split(QLatin1Char(' ')));
    QCOMPARE(run.code, 0);
    QVERIFY2(sameJson(QJsonDocument::fromJson(run.out.toUtf8()).object(), QJsonDocument::fromJson(document.toUtf8()).object(), 1e-4, 1e-12),
             qPrintable(run.out));
}

void TestParts::json()
{
    QFETCH(QString, arguments);
    QFETCH(QString, path);
    QFETCH(double, expected);
    const CliRun run = runCli(arguments.split(QLatin1Char(' ')));
    QCOMPARE(run.code, 0);
    const double actual = jsonNumber(run.out, path);
    QVERIFY2(near(actual, expected, qMax(1e-4 * std::fabs(expected), 1e-9)), qPrintable(QString::number(actual)));
}

QTEST_GUILESS_MAIN(TestParts)
#include "tst_parts.moc"
