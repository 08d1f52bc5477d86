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
};

QTEST_GUILESS_MAIN(TestWinding)
#include "tst_winding.moc"
