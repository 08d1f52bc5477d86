// The bench side of a winding: AL fitted from measured windings, the core sizes of
// the core table, the magnet wire table and the winding of a wire on a core.
#include "coresizes.h"
#include "coretable.h"
#include "inductancefit.h"
#include "windingplan.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QtTest>

using namespace corvane;
using Doubles = QList<double>;

// Six significant digits, as the hand computations give them.
static bool near(double actual, double expected) { return std::fabs(actual - expected) <= 1e-5 * std::fabs(expected) + 1e-9; }

static bool sameNumbers(const Doubles &actual, const Doubles &expected)
{
    bool same = actual.size() == expected.size();
    for (qsizetype i = 0; same && i < actual.size(); ++i)
        same = near(actual[i], expected[i]);
    if (!same)
        qWarning() << "got" << actual;
    return same;
}

static std::optional<CoreSize> sizeOf(const QByteArray &text, const QString &core, CoreSizes *sizes = nullptr)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    const CoreSizes read = CoreSizes::read(buffer);
    if (sizes)
        *sizes = read;
    return read.forCore(core);
}

class TestWinding : public QObject
{
    Q_OBJECT
private slots:
    // A comma decimal separator must not change how the sizes are read.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }

    // Whole fit per row: model, valid, AL nH, L0 uH, RMS uH, % from a table AL of 4.9, L0 needs
    // two turn counts, then per measurement the fitted uH, the residual uH and the residual %.
    void fit_data()
    {
        QTest::addColumn<Doubles>("measured"); // turns, uH, turns, uH, ...
        QTest::addColumn<bool>("throughZero");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<Doubles>("expected");
        // 0.49 uH * 1000 / 10^2 = 4.9 nH, exactly the table's.
        QTest::newRow("one measurement") << Doubles { 10, 0.49 } << false << "" << Doubles { 0, 1, 4.9, 0, 0, 0, 0, 0.49, 0, 0 };
        // Exact data on L = 0.0049 N^2 + 0.06: 0.49 + 0.06, 1.96 + 0.06, 4.41 + 0.06.
        QTest::newRow("worked example") << Doubles { 10, 0.55, 20, 2.02, 30, 4.47 } << false << ""
                                        << Doubles { 2, 1, 4.9, 0.06, 0, 0, 0, 0.55, 0, 0, 2.02, 0, 0, 4.47, 0, 0 };
        // x = 100, 400, 900; 3x = -1100, -200, 1300 about the mean, 3y = -5.3, -1.1, 6.4:
        // slope = 14370 / 2940000 = 0.004887755, L0 = 7.1/3 - slope * 1400/3 = 0.6/7;
        // residuals 1.25/49, -2/49, 0.75/49; RMS = sqrt(6.125/2401/3) = 0.0291606;
        // (4.887755 - 4.9) / 4.9 = -0.249896 %.
        QTest::newRow("fit with residuals") << Doubles { 10, 0.6, 20, 2.0, 30, 4.5 } << false << ""
                                            << Doubles { 2, 1, 4.887755, 0.0857143, 0.0291606, -0.249896, 0, 0.5744898, 0.0255102,
                                                         4.251701, 2.0408163, -0.0408163, -2.040816, 4.4846939, 0.0153061, 0.340136 };
        // sum N^2 L = 55 + 808 + 4023 = 4886, sum N^4 = 980000: slope 0.004985714;
        // residuals 0.36/7, 0.18/7, -0.12/7 (9.35065 %, 1.27298 %, -0.383509 %);
        // RMS = sqrt(0.1764/49/3) = 0.0346410; 0.0857143 / 4.9 = 1.749271 %.
        QTest::newRow("through zero") << Doubles { 10, 0.55, 20, 2.02, 30, 4.47 } << true << ""
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
        QTest::newRow("zero turns") << Doubles { 0, 1.0 } << false << "turns and inductance must be positive numbers"
                                    << Doubles { 0, 0, 0, 0, 0, 0, 0 };
        QTest::newRow("none") << Doubles {} << false << "no measurement" << Doubles { 0, 0, 0, 0, 0, 0, 0 };
    }

    void fit()
    {
        QFETCH(Doubles, measured);
        QFETCH(bool, throughZero);
        QVector<InductanceMeasurement> measurements;
        for (qsizetype i = 0; i + 1 < measured.size(); i += 2)
            measurements.append({ measured[i], measured[i + 1] });
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
        QTest::newRow("up to the last -") << QByteArray("Size FT37-X 0.375 0.187 0.125") << "FT37-X-43"
                                          << "FT37-X 0.375 0.187 0.125, line 1" << "";
        QTest::newRow("no size") << two << "T68-2" << "none" << "";
        QTest::newRow("no mix") << QByteArray("SIZE T50-2 1 0.5 1\r") << "T50" << "none" << "";
        // Only a first word SIZE in the first column is a size line.
        QTest::newRow("not size lines") << QByteArray(" SIZE T50 x\rSIZES T50 x\r@SIZE T50 x\rsizer") << "T50"
                                        << "none" << "";
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
        CoreSizes sizes;
        const std::optional<CoreSize> size = sizeOf(file, core, &sizes);
        const QString found = !size ? QStringLiteral("none")
                                    : QStringLiteral("%1 %2 %3 %4, line %5").arg(size->name).arg(size->outerInches)
                                          .arg(size->innerInches).arg(size->heightInches).arg(size->lineNumber);
        QTEST(found, "size");
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
        QTest::newRow("26awg") << "26awg" << "26 AWG" << Doubles { 0.45212, 0.134589 };
        QTest::newRow("26AWG") << "26AWG" << "26 AWG" << Doubles { 0.45212, 0.134589 };
        // 0.017241 / (pi / 4 * 0.16) = 0.017241 / 0.1256637 = 0.137200 ohm/m.
        QTest::newRow("0.4mm") << "0.4mm" << "0.40 mm" << Doubles { 0.459, 0.137200 };
        QTest::newRow("0.40mm") << "0.40mm" << "0.40 mm" << Doubles { 0.459, 0.137200 };
        // 0.1055 in = 2.6797 mm, bare 0.1019 in = 2.58826 mm: 0.017241 / 5.26143 = 0.00327685;
        // 0.0038 in = 0.09652 mm, bare 0.0031 in = 0.07874 mm: 0.017241 / 0.00486945 = 3.54064;
        // 2.00 mm: 0.017241 / pi = 0.00548798.
        QTest::newRow("10AWG") << "10AWG" << "10 AWG" << Doubles { 2.6797, 0.00327685 };
        QTest::newRow("40awg") << "40awg" << "40 AWG" << Doubles { 0.09652, 3.54064 };
        QTest::newRow("2mm") << "2mm" << "2.00 mm" << Doubles { 2.129, 0.00548798 };
        for (const char *wrong : { "9awg", "41awg", "0.42mm", "0.4", "awg", "0.4 mm", "3mm" })
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

    void plans_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<double>("innerInches");
        QTest::addColumn<int>("turns");
        QTest::addColumn<double>("wireInches");
        QTest::addColumn<Doubles>("plan"); // turns per layer, layers, fill %, wire inches, ohms
        // T50: pi * (7.6962 - 0.45212) / 0.45212 = 50.336; 20 * 0.45212 / 22.75768 = 39.7329 %;
        // 14.94 in * 0.0254 * 0.134589 = 0.0510735 ohm.
        QTest::newRow("T50 26awg 20 turns") << "26awg" << 0.303 << 20 << 14.94 << Doubles { 50, 1, 39.7329, 14.94, 0.0510735 };
        // ceil(120 / 50) = 3; 120 * 0.45212 / 22.75768 = 238.3976 %; 77.64 * 0.0254 * 0.134589 = 0.265418.
        QTest::newRow("T50 26awg 120 turns") << "26awg" << 0.303 << 120 << 77.64 << Doubles { 50, 3, 238.3976, 77.64, 0.265418 };
        // FT37: pi * (4.7498 - 2.129) / 2.129 = 3.867; ceil(10 / 3) = 4; 21.29 / 8.23348 = 258.578 %;
        // 7.28 * 0.0254 * 0.0054880 = 0.00101479.
        QTest::newRow("FT37 2mm") << "2mm" << 0.187 << 10 << 7.28 << Doubles { 3, 4, 258.578, 7.28, 0.00101479 };
        // 2.54 mm of hole takes no 2.6797 mm wire; 1 in * 0.0254 * 0.00327685 = 8.32320e-5 ohm.
        QTest::newRow("wire thicker than the hole") << "10awg" << 0.1 << 5 << 1.0 << Doubles { 0, 0, 0, 1, 8.32320e-5 };
    }

    void plans()
    {
        QFETCH(QString, wire);
        QFETCH(double, innerInches);
        QFETCH(int, turns);
        QFETCH(double, wireInches);
        const WindingPlan p = WindingPlan::make({ "size", 1.0, innerInches, 0.5, 1 }, *MagnetWire::fromName(wire), turns, wireInches);
        QFETCH(Doubles, plan);
        QVERIFY(sameNumbers({ double(p.turns), double(p.turnsPerLayer), double(p.layers), p.fillPercent, p.wireInches,
                              p.resistanceOhms }, Doubles { double(turns) } + plan));
    }

    void thickestInOneLayer_data()
    {
        QTest::addColumn<int>("turns");
        QTest::addColumn<QString>("wires");
        // T50: d <= pi * 7.6962 / (n + pi). n 20: 1.04480 mm takes 19 AWG (0.98044; 18 AWG is
        // 1.09474) and 0.95 mm (1.041; 1.00 mm is 1.094). n 50: 0.454979 takes 26 AWG
        // (0.45212; 25 AWG is 0.50546) and 0.35 mm (0.407; 0.40 mm is 0.459).
        QTest::newRow("20 turns") << 20 << "19 AWG, 0.95 mm";
        QTest::newRow("50 turns") << 50 << "26 AWG, 0.35 mm";
        // 24.17822 / 2003.14 = 0.0121 mm: thinner than 40 AWG's 0.09652.
        QTest::newRow("2000 turns") << 2000 << "none, none";
        QTest::newRow("no turns") << 0 << "none, none";
    }

    void thickestInOneLayer()
    {
        QFETCH(int, turns);
        const CoreSize t50 { "T50", 0.5, 0.303, 0.19, 1 };
        const auto name = [](const std::optional<MagnetWire> &wire) { return wire ? wire->displayName() : "none"; };
        QTEST(name(thickestAwgInOneLayer(t50, turns)) + ", " + name(thickestMetricInOneLayer(t50, turns)), "wires");
        // The worked example: floor(pi * (7.6962 - 0.452) / 0.452) = floor(50.35) = 50.
        QCOMPARE(turnsPerLayer(t50, 0.452), 50);
    }

    // The shipped table: every core has a size, and its 31 records load as they
    // did without the size lines.
    void shippedTable()
    {
        QFile file(QCoreApplication::applicationDirPath() + "/../bin/quillet.ini");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        QByteArray withoutSizes;
        for (const QByteArray &line : text.split('\n'))
            if (!line.startsWith("SIZE "))
                withoutSizes += line + '\n';
        QVERIFY(withoutSizes.size() < text.size());
        QBuffer shipped(&text), before(&withoutSizes);
        QVERIFY(shipped.open(QIODevice::ReadOnly) && before.open(QIODevice::ReadOnly));
        const CoreTable table = CoreTable::read(shipped), old = CoreTable::read(before);
        QCOMPARE(table.coreCount, 31);
        QVERIFY(table.coreName == old.coreName && table.coreAL == old.coreAL && table.coreWire == old.coreWire);
        QCOMPARE(table.skippedCount, 0);
        CoreSizes sizes;
        QCOMPARE(sizeOf(text, "T50-2", &sizes)->innerInches, 0.303);
        QVERIFY(sizes.badLines.isEmpty());
        for (int i = 1; i <= table.coreCount; ++i)
            QVERIFY2(sizes.forCore(table.coreName[std::size_t(i)]), qPrintable(table.coreName[std::size_t(i)]));
    }
};

QTEST_GUILESS_MAIN(TestWinding)
#include "tst_winding.moc"
