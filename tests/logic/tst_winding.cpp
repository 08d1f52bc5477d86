// The bench side of a winding: AL from measured windings, core sizes, magnet wire, a winding on a core.
#include "clirun.h"
#include "coresizes.h"
#include "coretable.h"
#include "inductancefit.h"
#include "windingplan.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace corvane;
using Doubles = QList<double>;

// Six significant digits, as the hand computations give them.
static bool sameNumbers(const Doubles &actual, const Doubles &expected)
{
    bool same = actual.size() == expected.size();
    for (qsizetype i = 0; same && i < actual.size(); ++i)
        same = std::fabs(actual[i] - expected[i]) <= 1e-5 * std::fabs(expected[i]) + 1e-9;
    if (!same)
        qWarning() << "got" << actual;
    return same;
}

static CoreSizes sizesIn(QByteArray text)
{
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    return CoreSizes::read(buffer);
}


class TestWinding : public QObject
{
    Q_OBJECT
private slots:
    // A comma decimal separator must not change how the sizes are read.
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        QFile table(m_dir.filePath("t.ini")), bench(m_dir.filePath("bench.txt"));
        QVERIFY(table.open(QIODevice::WriteOnly) && bench.open(QIODevice::WriteOnly));
        table.write("@T50-2 4.9 0.627\n@X1 10 1\nSIZE T50 0.5 0.303 0.19\nSIZE BAD 0.3 0.5 0.2\n");
        bench.write("# N, uH\n10, 0.6\n20 2.0  # second\n\n30\t4.5\n");
    }

    // The whole fit per row: model, valid, AL nH, L0 uH, RMS uH, % from a table AL of 4.9, L0 needs
    // two turn counts, then per measurement the fitted uH, the residual uH and the residual %.
    void fit_data()
    {
        QTest::addColumn<Doubles>("measured"); // turns, uH, turns, uH, ...
        QTest::addColumn<bool>("throughZero");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<Doubles>("expected");
        const Doubles worked { 10, 0.55, 20, 2.02, 30, 4.47 };
        // 0.49 uH * 1000 / 10^2 = 4.9 nH, exactly the table's.
        QTest::newRow("one measurement") << Doubles { 10, 0.49 } << false << "" << Doubles { 0, 1, 4.9, 0, 0, 0, 0, 0.49, 0, 0 };
        // Exact data on L = 0.0049 N^2 + 0.06: 0.49 + 0.06, 1.96 + 0.06, 4.41 + 0.06.
        QTest::newRow("worked example") << worked << false << ""
                                        << Doubles { 2, 1, 4.9, 0.06, 0, 0, 0, 0.55, 0, 0, 2.02, 0, 0, 4.47, 0, 0 };
        // x = 100, 400, 900; 3x = -1100, -200, 1300 about the mean, 3y = -5.3, -1.1, 6.4:
        // slope = 14370 / 2940000 = 0.004887755, L0 = 7.1/3 - slope * 1400/3 = 0.6/7;
        // residuals 1.25/49, -2/49, 0.75/49; RMS = sqrt(6.125/2401/3); -0.0122449 / 4.9.
        QTest::newRow("fit with residuals")
            << Doubles { 10, 0.6, 20, 2.0, 30, 4.5 } << false << ""
            << Doubles { 2, 1, 4.887755, 0.0857143, 0.0291606, -0.249896, 0, 0.5744898, 0.0255102, 4.251701,
                         2.0408163, -0.0408163, -2.040816, 4.4846939, 0.0153061, 0.340136 };
        // sum N^2 L = 55 + 808 + 4023 = 4886, sum N^4 = 980000: slope 0.004985714;
        // residuals 0.36/7, 0.18/7, -0.12/7; RMS = sqrt(0.1764/49/3); 0.0857143 / 4.9.
        QTest::newRow("through zero") << worked << true << ""
                                      << Doubles { 1, 1, 4.985714, 0, 0.0346410, 1.749271, 0, 0.4985714, 0.0514286, 9.350649,
                                                   1.9942857, 0.0257143, 1.272984, 4.4871429, -0.0171429, -0.383509 };
        // 100 * 1.02 / 20000 = 0.0051: AL 5.1, fitted 0.51 twice, residuals -0.01 and
        // 0.01 (-2 % and 1.923077 %), RMS 0.01, 0.2 / 4.9 = 4.081633 %.
        QTest::newRow("one turn count") << Doubles { 10, 0.50, 10, 0.52 } << false << ""
                                        << Doubles { 1, 1, 5.1, 0, 0.01, 4.081633, 1, 0.51, -0.01, -2, 0.51, 0.01, 1.923077 };
        // slope (0.5 - 1) / (400 - 100) = -1/600 uH: AL -5/3; L0 = 0.75 + 250/600 = 7/6.
        QTest::newRow("falling") << Doubles { 10, 1.0, 20, 0.5 } << false
                                 << "the fitted AL is not above zero: the inductance falls as the turns grow"
                                 << Doubles { 2, 0, -5 / 3.0, 7 / 6.0, 0, 0, 0 };
        // 0.5 and 0.5 at 10 and 20 turns: slope 0, L0 0.5.
        QTest::newRow("flat") << Doubles { 10, 0.5, 20, 0.5 } << false
                              << "the fitted AL is not above zero: the inductance does not change with the turns"
                              << Doubles { 2, 0, 0, 0.5, 0, 0, 0 };
        const Doubles refused { 0, 0, 0, 0, 0, 0, 0 };
        QTest::newRow("zero turns") << Doubles { 0, 1.0 } << false << "turns and inductance must be positive numbers" << refused;
    }

    void fit()
    {
        QFETCH(Doubles, measured);
        QVector<InductanceMeasurement> measurements;
        for (qsizetype i = 0; i + 1 < measured.size(); i += 2)
            measurements.append({ measured[i], measured[i + 1] });
        QFETCH(bool, throughZero);
        const InductanceFit fit = InductanceFit::fit(measurements, throughZero);
        QTEST(fit.refusal, "refusal");
        Doubles whole { double(fit.model), double(fit.valid), fit.al, fit.offsetUh, fit.rmsUh,
                        fit.valid ? fit.differencePercentFrom(4.9) : 0, double(fit.offsetNeedsTwoTurnCounts) };
        for (qsizetype i = 0; i < fit.points.size(); ++i) {
            QCOMPARE(fit.points[i].measured.microhenries, measured[2 * i + 1]);
            whole << fit.points[i].fittedUh << fit.points[i].residualUh << fit.points[i].residualPercent;
        }
        QFETCH(Doubles, expected);
        QVERIFY(sameNumbers(whole, expected));
    }

    void sizes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("core");
        QTest::addColumn<QString>("size"); // name OD ID HEIGHT, line
        QTest::addColumn<QString>("badLines");
        const QByteArray two = "SIZE T50 0.5 0.303 0.19\r\nsize t50-2  0.6\t0.4 0.2  \r\n";
        QTest::newRow("the core's own size wins") << two << "T50-2" << "t50-2 0.6 0.4 0.2, line 2" << "";
        QTest::newRow("the size up to the mix") << two << "t50-6" << "T50 0.5 0.303 0.19, line 1" << "";
        QTest::newRow("up to the last -, after a byte order mark")
            << QByteArray("\xef\xbb\xbfSize FT37-X 0.375 0.187 0.125") << "FT37-X-43" << "FT37-X 0.375 0.187 0.125, line 1" << "";
        QTest::newRow("no size") << two << "T68-2" << "none" << "";
        QTest::newRow("no mix") << QByteArray("SIZE T50-2 1 0.5 1\r") << "T50" << "none" << "";
        // Only a first word SIZE in the first column is a size line.
        QTest::newRow("not size lines") << QByteArray(" SIZE T50 x\rSIZES T50 x\r@SIZE T50 x\rsizer") << "T50" << "none" << "";
        QTest::newRow("bad lines")
            << QByteArray("SIZE T50 0,5 0.3 0.2\nSIZE T50 0.3 0.5 0.2\nSIZE T50 0.5 0 0.2\nSIZE T50 0.5 0.3 0\n"
                          "SIZE T50 0.5 0.3\nSIZE T50 0.5 0.3 0.2 note\nsize\nSIZE T50 0.5 0.3 0.2\nSIZE t50 1 0.5 1")
            << "T50" << "T50 0.5 0.3 0.2, line 8"
            << "1: OD '0,5' is not a number of inches (\".\" is the decimal point); 2: OD must be more than ID; "
               "3: ID must be more than 0; 4: HEIGHT must be more than 0; "
               "5: not SIZE NAME OD ID HEIGHT: 3 of the 4 fields after SIZE; 6: something after HEIGHT; "
               "7: not SIZE NAME OD ID HEIGHT: 0 of the 4 fields after SIZE; 9: t50 has a size already (line 8)";
        // Read after 60 records and a line of 100000 characters: line 62.
        QTest::newRow("after the records") << QByteArray("@T50-2 4.9 0.627\n").repeated(60) + QByteArray(100000, 'x')
                                                  + "\nSIZE T50 0.5 0.303 0.19\nSIZE T1 1 0.5 1" + QByteArray(1000, ' ')
                                           << "T50-2" << "T50 0.5 0.303 0.19, line 62" << "63: longer than 1000 bytes";
    }

    void sizes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, core);
        const CoreSizes sizes = sizesIn(file);
        const std::optional<CoreSize> s = sizes.forCore(core);
        QTEST(s ? QStringLiteral("%1 %2 %3 %4, line %5").arg(s->name).arg(s->outerInches).arg(s->innerInches)
                      .arg(s->heightInches).arg(s->lineNumber) : "none", "size");
        QStringList bad;
        for (const CoreSizes::BadLine &line : sizes.badLines)
            bad << QStringLiteral("%1: %2").arg(line.lineNumber).arg(line.reason);
        QTEST(bad.join(QStringLiteral("; ")), "badLines");
    }

    void wires_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("display"); // empty: no such wire
        QTest::addColumn<Doubles>("overallMmOhmsPerMetre");
        // 0.0178 in * 25.4 = 0.45212 mm; bare 0.0159 in = 0.40386 mm:
        // 0.017241 / (pi / 4 * 0.40386^2) = 0.017241 / 0.1281008 = 0.134589 ohm/m.
        for (const char *name : { "26awg", "26AWG" })
            QTest::newRow(name) << name << "26 AWG" << Doubles { 0.45212, 0.134589 };
        // 0.017241 / (pi / 4 * 0.16) = 0.017241 / 0.1256637 = 0.137200 ohm/m.
        for (const char *name : { "0.4mm", "0.40mm" })
            QTest::newRow(name) << name << "0.40 mm" << Doubles { 0.459, 0.137200 };
        // 0.1055 in = 2.6797 mm, bare 0.1019 in = 2.58826 mm: 0.017241 / 5.26143 = 0.00327685;
        // 0.0038 in = 0.09652 mm, bare 0.0031 in = 0.07874 mm: 0.017241 / 0.00486945 = 3.54064;
        // 2.00 mm: 0.017241 / pi = 0.00548798.
        QTest::newRow("10AWG") << "10AWG" << "10 AWG" << Doubles { 2.6797, 0.00327685 };
        QTest::newRow("40awg") << "40awg" << "40 AWG" << Doubles { 0.09652, 3.54064 };
        QTest::newRow("2mm") << "2mm" << "2.00 mm" << Doubles { 2.129, 0.00548798 };
        for (const char *wrong : { "9awg", "41awg", "0.405mm", "0.4", "awg", "0.4 mm", "3mm" })
            QTest::newRow(wrong) << wrong << "" << Doubles { 0, 0 };
    }

    void wires()
    {
        QFETCH(QString, name);
        QFETCH(Doubles, overallMmOhmsPerMetre);
        const std::optional<MagnetWire> wire = MagnetWire::fromName(name);
        QTEST(wire ? wire->displayName() : QString(), "display");
        QVERIFY(!wire || sameNumbers({ wire->overallMaxMm, wire->ohmsPerMetre() }, overallMmOhmsPerMetre));
    }

    // The whole plan per row: turns, turns per layer, layers, fill %, wire inches, ohms; and the
    // thickest wires that take those turns in one layer: d <= pi * ID / (n + pi).
    void plans_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<double>("innerInches");
        QTest::addColumn<Doubles>("plan");
        QTest::addColumn<QString>("thickest");
        // T50: pi * (7.6962 - 0.45212) / 0.45212 = 50.336; 20 * 0.45212 / 22.75768 = 39.7329 %;
        // 14.94 in * 0.0254 * 0.134589 = 0.0510735 ohm; d <= 1.04480 takes 19 AWG (0.98044;
        // 18 AWG is 1.09474) and 0.95 mm (1.041; 1.00 mm is 1.094).
        QTest::newRow("T50 26awg 20 turns") << "26awg" << 0.303 << Doubles { 20, 50, 1, 39.7329, 14.94, 0.0510735 }
                                            << "19 AWG, 0.95 mm";
        // 50 * 0.45212 / 22.75768 = 99.3323 %; 33.75 * 0.0254 * 0.134589 = 0.115377; d <= 0.454979
        // takes 26 AWG (0.45212; 25 AWG is 0.50546) and 0.35 mm (0.407; 0.40 mm is 0.459).
        QTest::newRow("T50 26awg 50 turns") << "26awg" << 0.303 << Doubles { 50, 50, 1, 99.3323, 33.75, 0.115377 }
                                            << "26 AWG, 0.35 mm";
        // ceil(100 / 50) = 2 exactly; 100 * 0.45212 / 22.75768 = 198.6647 %; 65.1 * 0.0254 * 0.134589 =
        // 0.222549; d <= 0.234419: 33 AWG (0.2159; 32 AWG is 0.2413), 0.15 mm (0.182; 0.20 mm is 0.239).
        QTest::newRow("T50 26awg 100 turns") << "26awg" << 0.303 << Doubles { 100, 50, 2, 198.6647, 65.1, 0.222549 }
                                             << "33 AWG, 0.15 mm";
        // FT37: pi * (4.7498 - 2.129) / 2.129 = 3.867; ceil(10 / 3) = 4; 21.29 / 8.23348 = 258.578 %;
        // 7.28 * 0.0254 * 0.00548798 = 0.00101479; d <= 1.13547: 18 AWG (1.09474; 17 AWG is 1.22428), 1.00 mm.
        QTest::newRow("FT37 2mm") << "2mm" << 0.187 << Doubles { 10, 3, 4, 258.578, 7.28, 0.00101479 } << "18 AWG, 1.00 mm";
        // 2.54 mm of hole takes no 2.6797 mm wire; 1 in * 0.0254 * 0.00327685 = 8.32320e-5 ohm;
        // d <= 0.980109: 20 AWG (0.87884; 19 AWG is 0.98044), 0.85 mm (0.937; 0.90 mm is 0.989).
        QTest::newRow("wire thicker than the hole") << "10awg" << 0.1 << Doubles { 5, 0, 0, 0, 1, 8.32320e-5 }
                                                    << "20 AWG, 0.85 mm";
        // T37: pi * (5.207 - 0.09652) / 0.09652 = 166.34; ceil(2000 / 166) = 13; 193.04 / 16.05506 =
        // 1202.363 %; 954.4 * 0.0254 * 3.54064 = 85.8313; d <= 0.0081663, thinner than any wire.
        QTest::newRow("T37 40awg 2000 turns") << "40awg" << 0.205 << Doubles { 2000, 166, 13, 1202.363, 954.4, 85.8313 }
                                              << "none, none";
        // No turns: no layer, the leads alone, 2.4 * 0.0254 * 3.54064 = 0.215837 ohm.
        QTest::newRow("no turns") << "40awg" << 0.205 << Doubles { 0, 166, 0, 0, 2.4, 0.215837 } << "none, none";
    }

    void plans()
    {
        QFETCH(QString, wire);
        QFETCH(double, innerInches);
        QFETCH(Doubles, plan);
        const CoreSize size { "size", 1.0, innerInches, 0.5, 1 };
        const WindingPlan p = WindingPlan::make(size, *MagnetWire::fromName(wire), int(plan[0]), plan[4]);
        QVERIFY(sameNumbers({ double(p.turns), double(p.turnsPerLayer), double(p.layers), p.fillPercent, p.wireInches,
                              p.resistanceOhms }, plan));
        const auto name = [](const std::optional<MagnetWire> &wire) { return wire ? wire->displayName() : "none"; };
        QTEST(name(thickestAwgInOneLayer(size, p.turns)) + ", " + name(thickestMetricInOneLayer(size, p.turns)), "thickest");
        // The worked example: floor(pi * (7.6962 - 0.452) / 0.452) = floor(50.35) = 50.
        QCOMPARE(turnsPerLayer({ "T50", 0.5, 0.303, 0.19, 1 }, 0.452), 50);
    }

    // Whole text, exit status and standard error; a JSON output compared as JSON.
    void commands_data()
    {
        QTest::addColumn<QString>("arguments"); // TABLE and BENCH: the files of initTestCase
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString at = "AL: 4.9 nH/turn^2 (49 uH per 100 turns)\n";
        // The worked example: exact data on L = 0.0049 N^2 + 0.06, every residual 0; (4.9 - 10) / 10 = -51 %.
        QTest::newRow("al fit, --core") << "al N=10 L=0.55 N=20 L=2.02 n=30 l=4.47 --core x1 --core-table TABLE" << 0
            << at + "L0: 0.06 uH (the leads and the fixture)\nN=10 L=0.55: fit 0.55 uH, residual 0 uH (0.00 %)\n"
                    "N=20 L=2.02: fit 2.02 uH, residual 0 uH (0.00 %)\nN=30 L=4.47: fit 4.47 uH, residual 0 uH (0.00 %)\n"
                    "RMS residual: 0 uH\nCore table AL: 4.9\nX1 in the core table: AL 10, this AL -51.00 %\n"
                    "Record line: @X1 4.9 1\n" << "";
        // As "fit with residuals" of fit_data, rounded: slope 0.004887755, L0 0.6/7, residuals 1.25/49, -2/49, 0.75/49.
        QTest::newRow("al --file") << "al --file BENCH" << 0
            << "AL: 4.888 nH/turn^2 (48.88 uH per 100 turns)\nL0: 0.086 uH (the leads and the fixture)\n"
               "N=10 L=0.6: fit 0.574 uH, residual 0.026 uH (+4.25 %)\nN=20 L=2: fit 2.041 uH, residual -0.041 uH (-2.04 %)\n"
               "N=30 L=4.5: fit 4.485 uH, residual 0.015 uH (+0.34 %)\nRMS residual: 0.029 uH\nCore table AL: 4.888\n" << "";
        // As "through zero" of fit_data: slope 4886 / 980000 = 0.004985714, residuals 0.36/7, 0.18/7, -0.12/7.
        QTest::newRow("al --through-zero") << "al --through-zero N=10 L=0.55 N=20 L=2.02 N=30 L=4.47" << 0
            << "AL: 4.986 nH/turn^2 (49.86 uH per 100 turns)\nL0: 0 uH (fitted through zero)\n"
               "N=10 L=0.55: fit 0.499 uH, residual 0.051 uH (+9.35 %)\nN=20 L=2.02: fit 1.994 uH, residual 0.026 uH (+1.27 %)\n"
               "N=30 L=4.47: fit 4.487 uH, residual -0.017 uH (-0.38 %)\nRMS residual: 0.035 uH\nCore table AL: 4.986\n" << "";
        // 100 * 1.02 / 20000 uH = 5.1 nH; 0.51 fitted twice, -0.01 / 0.5 = -2 %, 0.01 / 0.52 = 1.92 %.
        QTest::newRow("al, one turn count") << "al N=10 L=0.5 L=0.52 N=10" << 0
            << "AL: 5.1 nH/turn^2 (51 uH per 100 turns)\nL0: not fitted: the leads and the fixture need measurements at "
               "two turn counts\nN=10 L=0.5: fit 0.51 uH, residual -0.01 uH (-2.00 %)\n"
               "N=10 L=0.52: fit 0.51 uH, residual 0.01 uH (+1.92 %)\nRMS residual: 0.01 uH\nCore table AL: 5.1\n" << "";
        QTest::newRow("al falling") << "al N=10 L=1 N=20 L=0.5" << 3 << ""
            << "corvane al: the fitted AL is not above zero: the inductance falls as the turns grow\n";
        QTest::newRow("al, negative L") << "al N=10 L=0.5 N=20 L=-1" << 2 << ""
            << "corvane al: L must be a positive number, not '-1'\nRun 'corvane al --help' for the usage.\n";
        // The numbers of "fit with residuals" in fit_data.
        QTest::newRow("al --json") << "al --json --file BENCH" << 0
            << "{\"al\": 4.887755, \"uhPer100Turns\": 48.87755, \"tableValue\": \"4.888\", \"offsetUh\": 0.0857143, "
               "\"rmsUh\": 0.0291606, \"measurements\": [{\"turns\": 10, \"measured\": 0.6, \"fitted\": 0.5744898, "
               "\"residual\": 0.0255102}, {\"turns\": 20, \"measured\": 2, \"fitted\": 2.0408163, \"residual\": -0.0408163},"
               "{\"turns\": 30, \"measured\": 4.5, \"fitted\": 4.4846939, \"residual\": 0.0153061}]}" << "";
        const QString alHint = "Run 'corvane al --help' for the usage.\n";
        QTest::newRow("al, not N or L") << "al N=10 X=3" << 2 << "" << "corvane al: 'X=3' is not N=TURNS or L=MICROHENRIES\n" + alHint;
        QTest::newRow("al, N twice") << "al N=10 n=20" << 2 << "" << "corvane al: N is given twice\n" + alHint;
        QTest::newRow("al, file and pairs") << "al --file BENCH N=10" << 2 << ""
            << "corvane al: give --file FILE or N=TURNS L=MICROHENRIES, not both\n" + alHint;
        QTest::newRow("al, no such file") << "al --file TABLE.none" << 1 << "" << "corvane al: cannot read TABLE.none\n";
        QTest::newRow("al, a record is no measurement") << "al --file TABLE" << 2 << ""
            << "corvane al: TABLE line 1 is not TURNS and MICROHENRIES, two positive numbers\n" + alHint;
        QTest::newRow("al, empty file") << "al --file /dev/null" << 2 << "" << "corvane al: /dev/null holds no measurement\n" + alHint;
        QTest::newRow("al, unknown core") << "al N=10 L=0.5 --core T68-2 --core-table TABLE" << 2 << ""
            << "corvane al: no core T68-2 in the core table TABLE\n" + alHint;
        // 1e-300 uH on 1e300 turns: an AL of 1e-597 nH is no double above zero.
        QTest::newRow("al, AL underflows") << "al N=1e300 L=1e-300" << 2 << "" << "corvane al: these numbers give no usable AL\n" + alHint;
        // The worked example's first two points; (4.9 - 10) / 10 = -51 %.
        QTest::newRow("al --json --core") << "al --json N=10 L=0.55 N=20 L=2.02 --core x1 --core-table TABLE" << 0
            << "{\"al\": 4.9, \"uhPer100Turns\": 49, \"tableValue\": \"4.9\", \"offsetUh\": 0.06, \"rmsUh\": 0, "
               "\"measurements\": [{\"turns\": 10, \"measured\": 0.55, \"fitted\": 0.55, \"residual\": 0}, {\"turns\": 20, "
               "\"measured\": 2.02, \"fitted\": 2.02, \"residual\": 0}], \"core\": {\"name\": \"X1\", \"tableAl\": 10, "
               "\"differencePercent\": -51, \"record\": \"@X1 4.9 1\"}}" << "";
        QTest::newRow("cores with sizes") << "cores --core-table TABLE" << 0
            << "Core table: TABLE\n 1  T50-2  AL 4.9  wire per turn 0.627\n 2  X1     AL 10  wire per turn 1\n2 cores loaded.\n"
               "Sizes (inches):\n  T50-2  T50: OD 0.5  ID 0.303  height 0.19\n  X1  no size\n"
               "  SIZE line 4 not read: OD must be more than ID\nNo line starting with \"@\" was skipped.\n" << "";
        // T50: ID 7.6962 mm; 0.40 mm is 0.459 over the enamel: floor(pi * 7.2372 / 0.459) = floor(49.53) = 49,
        // two layers, 50 * 0.459 / 22.7363 = 100.94 %; 50 * 0.627 + 2.4 = 33.75 in = 85.725 cm;
        // 0.85725 m * 0.137200 ohm/m = 0.1176 ohm.
        QTest::newRow("winding --wire") << "winding --core t50-2 N=50 --wire 0.4mm --core-table TABLE" << 0
            << "Core: T50-2 (T50: OD 0.5 in, ID 0.303 in, height 0.19 in)\nTurns: 50\nWire length: 34 in (85.7 cm)\n"
               "Wire: 0.40 mm, 0.459 mm over the enamel\nTurns per layer: 49\nLayers: 2\n"
               "Fill: 100.9 % of the inner circumference\nDC resistance: 0.118 ohms\n" << "";
        // 5 uH: sqrt(5000 / 4.9) = 31.94, 32 turns, 32 * 0.627 + 2.4 = 22.464 in = 57.0586 cm. One layer of 32
        // takes d <= pi * 7.6962 / (32 + pi) = 0.688 mm: 23 AWG (0.0249 in = 0.63246 mm; 22 AWG is 0.70104),
        // floor(pi * 7.06374 / 0.63246) = 35, 32 * 0.63246 / 22.1915 = 91.20 %; bare 0.57404 mm:
        // 0.017241 / 0.258805 = 0.066618 ohm/m * 0.570586 m = 0.038011 ohm.
        QTest::newRow("winding --json, thickest wire") << "winding --core T50-2 L=5 --json --core-table TABLE" << 0
            << "{\"core\": \"T50-2\", \"size\": {\"name\": \"T50\", \"odInches\": 0.5, \"idInches\": 0.303, "
               "\"heightInches\": 0.19}, \"turns\": 32, \"wireInches\": 22.464, \"wireCm\": 57.05856, \"wire\": \"23 AWG\","
               "\"turnsPerLayer\": 35, \"layers\": 1, \"fillPercent\": 91.2004, \"resistanceOhms\": 0.038011}" << "";
        QTest::newRow("winding, no size") << "winding --core X1 N=5 --core-table TABLE" << 3 << ""
            << "corvane winding: X1 has no size in the core table: add a SIZE line for it\n";
        const QString hint = "Run 'corvane winding --help' for the usage.\n";
        QTest::newRow("winding, unknown wire") << "winding --core T50-2 N=5 --wire 0.42mm --core-table TABLE" << 2 << ""
            << "corvane winding: no wire '0.42mm' in the wire table (26awg, 0.4mm: AWG 10 to 40, 0.10 to 2.00 mm)\n" + hint;
        QTest::newRow("winding without a core") << "winding N=5" << 2 << "" << "corvane winding: give the core: --core NAME\n" + hint;
        QTest::newRow("winding without L or N") << "winding --core T50-2 --core-table TABLE" << 2 << ""
            << "corvane winding: give one of L=MICROHENRIES and N=TURNS\n" + hint;
        QTest::newRow("winding, half a turn") << "winding --core T50-2 N=2.5 --core-table TABLE" << 2 << ""
            << "corvane winding: 'N=2.5' is not a positive whole number of turns\n" + hint;
        QTest::newRow("winding, not L or N") << "winding --core T50-2 Q=5 --core-table TABLE" << 2 << ""
            << "corvane winding: 'Q' is not L or N\n" + hint;
        // 1 nH on AL 4.9: sqrt(1 / 4.9) = 0.45 turns.
        QTest::newRow("winding, no whole turn") << "winding --core T50-2 L=0.001 --core-table TABLE" << 3 << ""
            << "corvane winding: 0.001 uH gives no whole turn on T50-2\n";
        // 2000 * 0.627 + 2.4 = 1256.4 in = 3191.26 cm; pi * 7.7 mm / 2000 turns leaves 0.012 mm a turn.
        QTest::newRow("winding, no wire in one layer") << "winding --core T50-2 N=2000 --core-table TABLE" << 0
            << "Core: T50-2 (T50: OD 0.5 in, ID 0.303 in, height 0.19 in)\nTurns: 2000\nWire length: 1256 in (3191.3 cm)\n"
               "No wire of the table takes 2000 turns in one layer.\n" << "";
        QTest::newRow("winding, unknown core") << "winding --core T68-2 N=5 --core-table TABLE" << 2 << ""
            << "corvane winding: no core T68-2 in the core table TABLE\n" + hint;
        // t1=32 after leaving the capacitance (the start leaves core 1): 32^2 * 4.9 = 5017.6 nH; X1: sqrt(5017.6 / 10) = 22.4, 22 turns, 22 + 2.4 in, 4840 nH, -3.5395 %.
        // oneLayer of 32 on T50 as in "winding --json": 23 AWG and 0.60 mm (0.674; 0.65 mm is 0.726).
        QTest::newRow("resonance --json") << "resonance --json --core-table TABLE c= t1=32" << 0
            << QStringLiteral("{\"txt\": [\"\", \"\", \"5.02\", \"\", \"32 turns 22\\\"\", \"22 turns 24\\\"\", %1], "
                              "\"freqHz\": 0, \"capFarad\": 0, \"indHenry\": 5.0176e-6, \"reactOhm\": 0, \"lastField\": 4, "
                              "\"standardCapacitors\": null, \"cores\": [{\"name\": \"T50-2\", \"al\": 4.9, \"wire\": 0.627, "
                              "\"turns\": 32, \"wholeTurns\": 32, \"wholeTurnsHenry\": 5.0176e-6, \"errorPercent\": 0, "
                              "\"wholeTurnsFreqHz\": null, \"oneLayer\": {\"awg\": 23, \"mm\": 0.6}}, {\"name\": \"X1\", "
                              "\"al\": 10, \"wire\": 1, \"turns\": 22.4, \"wholeTurns\": 22, \"wholeTurnsHenry\": 4.84e-6, "
                              "\"errorPercent\": -3.53954, \"wholeTurnsFreqHz\": null, \"oneLayer\": null}]}")
                   .arg(QStringList(48, "\"\"").join(',')) << "";
    }

    void commands()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, out);
        const QString table = m_dir.filePath("t.ini");
        const CliRun run = runCli(arguments.replace("TABLE", table).replace("BENCH", m_dir.filePath("bench.txt")).split(' '));
        QTEST(run.code, "code");
        QFETCH(QString, err);
        QCOMPARE(run.err, err.replace("TABLE", table));
        if (out.startsWith('{'))
            QVERIFY2(sameJson(QJsonDocument::fromJson(run.out.toUtf8()).object(), QJsonDocument::fromJson(out.toUtf8()).object(), 1e-5, 1e-9),
                     qPrintable(run.out));
        else
            QCOMPARE(run.out, out.replace("TABLE", table));
    }

    // The shipped table: every core has a size, and its 31 records load as without the size lines.
    void shippedTable()
    {
        QFile file(QCoreApplication::applicationDirPath() + "/../bin/quillet.ini");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll(), withoutSizes;
        for (const QByteArray &line : text.split('\n'))
            withoutSizes += line.startsWith("SIZE ") ? QByteArray() : line + '\n';
        QBuffer shipped(&text), before(&withoutSizes);
        QVERIFY(withoutSizes.size() < text.size() && shipped.open(QIODevice::ReadOnly) && before.open(QIODevice::ReadOnly));
        const CoreTable table = CoreTable::read(shipped), old = CoreTable::read(before);
        QCOMPARE(table.coreCount, 31);
        QVERIFY(table.coreName == old.coreName && table.coreAL == old.coreAL && table.coreWire == old.coreWire);
        QCOMPARE(table.skippedCount, 0);
        const CoreSizes sizes = sizesIn(text);
        QCOMPARE(sizes.forCore("T50-2")->innerInches, 0.303);
        QVERIFY(sizes.badLines.isEmpty());
        for (int i = 1; i <= table.coreCount; ++i)
            QVERIFY2(sizes.forCore(table.coreName[std::size_t(i)]), qPrintable(table.coreName[std::size_t(i)]));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestWinding)
#include "tst_winding.moc"
