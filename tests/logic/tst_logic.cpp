// The logic without a window: field reading, display masks, the core table,
// both solvers, the hints and the command line.
#include "attensolver.h"
#include "clirun.h"
#include "coretablelocation.h"
#include "displaymask.h"
#include "numbers.h"
#include "fieldvalue.h"
#include "padnetwork.h"
#include "resistorhint.h"
#include "resonancesolver.h"
#include "sessions.h"
#include "standardseries.h"
#include "turnshint.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <random>

using namespace corvane;

namespace {

CoreTable readTable(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer file(&copy);
    file.open(QIODevice::ReadOnly);
    return CoreTable::read(file);
}

// "INDEX=TEXT" entries typed into the fields of a solver, each field left
// after it, and "E" for the Erase key.
template <class Solver>
Solver typedInto(Solver solver, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const int index = entry.section(QLatin1Char('='), 0, 0).toInt();
        if (entry == QLatin1String("E")) {
            solver.erase();
        } else {
            solver.setText(index, entry.section(QLatin1Char('='), 1));
            solver.txt_LostFocus(index);
        }
    }
    return solver;
}

// The cores are AL 49, 40 and 12 nH with 0.9, 1.25 and 0.5 inches a turn.
ResonanceSolver solved(const QStringList &entries, CoreTable cores = readTable("@x 49 0.9\n@y 40 1.25\n@z 12 0.5\n"))
{
    ResonanceSolver solver(std::move(cores));
    solver.txt_LostFocus(53);
    return typedInto(std::move(solver), entries);
}

QStringList texts(const ResonanceSolver &solver, int last = 6)
{
    QStringList list;
    for (int i = 0; i <= last; ++i)
        list << solver.text(i);
    return list;
}

// As a window starts: 50.0 in field 0, which its first activation leaves.
AttenSolver attenSolved(const QStringList &entries)
{
    AttenSolver solver;
    solver.formLoad();
    solver.txt_LostFocus(0);
    return typedInto(solver, entries);
}

constexpr double K10 = 3.1622776601683795; // 10 dB: 10^(10 / 20)

} // namespace

class TestLogic : public QObject
{
    Q_OBJECT
private slots:
    void fieldValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("decimal") << "7.1" << 7.1;
        QTest::newRow("second point stops") << "12.5.3" << 12.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("turns field") << "10 turns 11\"" << 10.0;
        QTest::newRow("blanks inside") << " 1 2 . 5 " << 12.5;
        QTest::newRow("tab and line feed skipped") << "\t1\n0" << 10.0;
        QTest::newRow("carriage return stops") << "1\r0" << 1.0;
        QTest::newRow("minus") << "-3.5" << -3.5;
        QTest::newRow("exponent d") << "2.5d-2" << 0.025;
        QTest::newRow("comma stops") << "4,9" << 4.0;
        QTest::newRow("too large") << "1E999" << 0.0;
    }

    void fieldValues()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(fieldValue(text), value);
    }

    void masks_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mask"); // "short N" is shortDecimal with N decimals
        QTest::addColumn<QString>("text");
        QTest::newRow("frequency") << 7.1 << "#0.000" << "7.100";
        QTest::newRow("one digit before the point") << 0.5 << "#0.000" << "0.500";
        QTest::newRow("half up on the decimal value") << 7.1005 << "#0.000" << "7.101";
        QTest::newRow("all integer digits") << 123456.0 << "##0.00" << "123456.00";
        QTest::newRow("whole half away") << 2.5 << "####0" << "3";
        QTest::newRow("ohms 8.55") << 8.55 << "###0.0" << "8.6";
        QTest::newRow("fixed zero kept") << 250.0 << "###0.0" << "250.0";
        QTest::newRow("carry to a new digit") << 999.95 << "###0.0" << "1000.0";
        QTest::newRow("negative") << -2.25 << "###0.0" << "-2.3";
        QTest::newRow("never minus zero") << -0.04 << "###0.0" << "0.0";
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "####0" << "";
        QTest::newRow("short 4.9") << 4.9 << "short 6" << "4.9";
        QTest::newRow("short whole") << 2.0 << "short 3" << "2";
    }

    void masks()
    {
        QFETCH(double, value);
        QFETCH(QString, mask);
        QFETCH(QString, text);
        if (mask.startsWith(QLatin1String("short")))
            QCOMPARE(shortDecimal(value, mask.mid(6).toInt()), text);
        else
            QCOMPARE(formatMask(value, mask), text);
    }

    void coreTable_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("cores");   // NAME AL WIRE; ...
        QTest::addColumn<QStringList>("skipped"); // LINE: reason
        QTest::newRow("CR LF") << QByteArray("@core1   4.9 1.2\r\n@b 40 1.25\r\n") << "CORE1 4.9 1.2; B 40 1.25"
                               << QStringList();
        QTest::newRow("CR, last line without end") << QByteArray("@a 1 2\r@b 3 4") << "A 1 2; B 3 4" << QStringList();
        QTest::newRow("every line end counts once")
                << QByteArray("x\ry\nz\r\n\r\n@bad\r\n") << "" << QStringList { "5: no AL" };
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf@a 1 2") << "A 1 2" << QStringList();
        QTest::newRow("blanks around fields") << QByteArray("@   a    4.9   1.2   ") << "A 4.9 1.2" << QStringList();
        QTest::newRow("every reason")
                << QByteArray("@\n@ \n@a\n@a 1\n@a 1 2 3\n@a x 2\n@a 1 y\n@a\t1\t2\n@ok 1 2\n") << "OK 1 2"
                << QStringList { "1: nothing after \"@\"", "2: no name", "3: no AL", "4: no wire length per turn",
                                 "5: a fourth field", "6: AL is not a number",
                                 "7: wire length per turn is not a number",
                                 "8: no AL (a tab does not separate fields, a space does)" };
        QTest::newRow("only the first 100 characters")
                << QByteArray("@a 1" + QByteArray(96, ' ') + "2") << "" << QStringList { "1: no wire length per turn" };
        QByteArray many;
        QStringList fifty;
        for (int i = 1; i <= 51; ++i) {
            many += "@c" + QByteArray::number(i) + " 1 2\n";
            fifty << QStringLiteral("C%1 1 2").arg(i);
        }
        QTest::newRow("fifty records at most") << many << fifty.mid(0, 50).join(QLatin1String("; ")) << QStringList();
    }

    void coreTable()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, cores);
        QFETCH(QStringList, skipped);
        const CoreTable table = readTable(file);
        QStringList read;
        for (int i = 1; i <= table.coreCount; ++i)
            read << QStringLiteral("%1 %2 %3").arg(table.coreName[std::size_t(i)]).arg(table.coreAL[std::size_t(i)])
                            .arg(table.coreWire[std::size_t(i)]);
        QCOMPARE(read.join(QLatin1String("; ")), cores);
        QStringList reasons;
        for (const CoreTable::SkippedLine &line : table.skipped)
            reasons << QStringLiteral("%1: %2").arg(line.lineNumber).arg(line.reason);
        QCOMPARE(reasons, skipped);
        QCOMPARE(table.skippedCount, int(skipped.size()));
    }

    void tableLocation()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("program/quillet.ini"));
        const QString user = dir.filePath(QStringLiteral("user/quillet.ini"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("program"))));
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("@a 1 2\n") == 7);
        file.close();
        const CoreTableLocation location(dir.filePath(QStringLiteral("program")), dir.filePath(QStringLiteral("user")));
        QCOMPARE(location.tableToRead(), program);
        QCOMPARE(location.tableToEdit(true, nullptr), program);
        // A program folder the user cannot write: a copy of the table is edited, and read from then on.
        QCOMPARE(location.tableToEdit(false, nullptr), user);
        QCOMPARE(CoreTable::load(user).coreName[1], QStringLiteral("A"));
        QCOMPARE(location.tableToRead(), user);
    }

    void resonanceEntries_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("texts"); // fields 0..6

        const QString t10 = QStringLiteral("10 turns 11\"");
        const QString t11 = QStringLiteral("11 turns 16\"");
        const QString t20 = QStringLiteral("20 turns 12\"");
        const QStringList at10uH { "14 turns 15\"", "16 turns 22\"", "29 turns 17\"" };
        // X = 1 / (2 pi 7.1e6 100e-12) = 224.16; L = X / (2 pi f) = 5.0249 uH;
        // turns sqrt(5024.9 / AL) = 10.13, 11.21, 20.46; wire N * w + 2.4 = 11.4, 16.15, 12.4.
        QTest::newRow("frequency then capacitance")
                << QStringList { "0=7.1", "1=100" } << QStringList { "7.100", "100", "5.02", "224", t10, t11, t20 };
        // f = 1 / (2 pi sqrt(10e-6 100e-12)) = 5.033 MHz, X = 2 pi f L = 316.2
        QTest::newRow("inductance then capacitance")
                << QStringList { "2=10", "1=100" } << QStringList { "5.033", "100", "10.00", "316" } + at10uH;
        QTest::newRow("leaving the shown inductance")
                << QStringList { "0=7.1", "1=100", "2=5.02" } << QStringList { "7.100", "100", "5.02", "224", t10, t11, t20 };
        // 20 * 20 * 49 nH = 19.6 uH; X = 2 pi 7.1e6 19.6e-6 = 874.4; C = 1 / (2 pi f X) = 25.6 pF
        QTest::newRow("turns 20 on AL 49") << QStringList { "0=7.1", "4=20" }
                << QStringList { "7.100", "26", "19.60", "874", "20 turns 20\"", "22 turns 30\"", "40 turns 22\"" };
        // f = 1 / (2 pi 100e-12 150) = 10.61 MHz, L = 150 / (2 pi f) = 2.25 uH
        QTest::newRow("impedance with only the capacitance") << QStringList { "1=100", "3=150" }
                << QStringList { "10.610", "100", "2.25", "150", "7 turns 9\"", "8 turns 12\"", "14 turns 9\"" };
        // 11 * 11 * 40 nH = 4.84 uH
        QTest::newRow("only turns") << QStringList { "5=11" } << QStringList { "", "", "4.84", "", t10, t11, t20 };
        // X = 2 pi 7.1e6 10e-6 = 446.1, C = 1 / (2 pi f X) = 50.2 pF
        QTest::newRow("frequency keeps the inductance")
                << QStringList { "2=10", "0=7.1" } << QStringList { "7.100", "50", "10.00", "446" } + at10uH;
        // L = 50 / (2 pi 7.1e6) = 1.12 uH, C = 1 / (2 pi f 50) = 448 pF
        QTest::newRow("frequency keeps the impedance") << QStringList { "3=50", "0=7.1" }
                << QStringList { "7.100", "448", "1.12", "50", "5 turns 7\"", "5 turns 9\"", "10 turns 7\"" };
        // X = 1 / (2 pi 14.2e6 100e-12) = 112.1, L = 1.256 uH
        QTest::newRow("frequency keeps the capacitance first") << QStringList { "0=7.1", "1=100", "0=14.2" }
                << QStringList { "14.200", "100", "1.26", "112", "5 turns 7\"", "6 turns 10\"", "10 turns 7\"" };
        // f = 100 / (2 pi 10e-6) = 1.592 MHz, C = 1 / (2 pi f 100) = 1000 pF
        QTest::newRow("impedance with only the inductance")
                << QStringList { "2=10", "3=100" } << QStringList { "1.592", "1000", "10.00", "100" } + at10uH;
        // f = 1 / (2 pi 100e-12 50) = 31.831 MHz, L = 50 / (2 pi f) = 0.25 uH
        QTest::newRow("capacitance with only the impedance") << QStringList { "3=50", "1=100" }
                << QStringList { "31.831", "100", "0.25", "50", "2 turns 4\"", "3 turns 6\"", "5 turns 5\"" };
        // f = 50 / (2 pi 10e-6) = 0.796 MHz, C = 1 / (2 pi f 50) = 4000 pF
        QTest::newRow("inductance with only the impedance")
                << QStringList { "3=50", "2=10" } << QStringList { "0.796", "4000", "10.00", "50" } + at10uH;
        QTest::newRow("inductance with only the capacitance")
                << QStringList { "1=100", "2=10" } << QStringList { "5.033", "100", "10.00", "316" } + at10uH;
        // sqrt(4500 / 12) = 19.36: 19 whole turns, 19 * 0.5 + 2.4 = 11.9 inches
        QTest::newRow("wire for whole turns") << QStringList { "0=7.1", "2=4.5" }
                << QStringList { "7.100", "112", "4.50", "201", t10, t11, "19 turns 12\"" };
        // The emptied frequency still counts as 7.1 MHz: L = 150 / (2 pi f) = 3.36 uH, C = 1 / (2 pi f 150) = 149 pF
        QTest::newRow("emptied field keeps its quantity") << QStringList { "0=7.1", "1=100", "0=", "3=150" }
                << QStringList { "", "149", "3.36", "150", "8 turns 10\"", "9 turns 14\"", "17 turns 11\"" };
        QTest::newRow("same field twice") << QStringList { "0=7.1", "1=100", "1=200" }
                << QStringList { "7.100", "200", "5.02", "224", t10, t11, t20 };
        // 10 turns: 4.9 uH, X = 2 pi 7.1e6 4.9e-6 = 218.6, C = 102.6 pF
        QTest::newRow("turns field read back") << QStringList { "0=7.1", "1=100", "4=10 turns 11\"" }
                << QStringList { "7.100", "103", "4.90", "219", t10, t11, t20 };
        QTest::newRow("erase forgets every quantity") << QStringList { "0=7.1", "1=100", "E", "3=50" }
                << QStringList { "", "", "", "50", "", "", "" };
        QTest::newRow("turns beyond the loaded cores") << QStringList { "0=7.1", "1=100", "8=10" }
                << QStringList { "7.100", "100", "5.02", "224", t10, t11, t20 };
    }

    void resonanceEntries()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, texts);
        const ResonanceSolver solver = solved(entries);
        QCOMPARE(::texts(solver), texts);
        QCOMPARE(solver.text(7), QString());
        QCOMPARE(solver.lastField(), entries.last().section(QLatin1Char('='), 0, 0).toInt());
    }

    void refusedEntries_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("entry");
        const QString big = QStringLiteral("1") + QString(305, QLatin1Char('0'));
        QTest::newRow("frequency beyond a double") << QStringList { "1=100" } << "0=" + big;
        QTest::newRow("turns squared beyond a double") << QStringList { "0=7.1" } << "4=1" + QString(160, QLatin1Char('0'));
    }

    void refusedEntries()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, entry);
        const ResonanceSolver earlier = solved(before);
        const ResonanceSolver after = solved(before + QStringList { entry });
        const int index = entry.section(QLatin1Char('='), 0, 0).toInt();
        QStringList expected = texts(earlier, 53);
        expected[index] = entry.section(QLatin1Char('='), 1); // the typed text stays
        QCOMPARE(texts(after, 53), expected);
        QCOMPARE(invariants::numbersOf(after), invariants::numbersOf(earlier));
    }

    void turnsHints()
    {
        const ResonanceSolver solver = solved({ "0=7.1", "1=100" });
        // Core X, AL 49: exact turns sqrt(5024.86 / 49) = 10.127; 10 turns give 4.9 uH,
        // (4.9 - 5.02486) / 5.02486 = -2.48 %, and with 100 pF 1 / (2 pi sqrt(4.9e-6 1e-10)) = 7.190 MHz.
        QCOMPARE(turnsHintText(turnsHint(solver, 1)),
                 QString::fromUtf8("X: AL 49 nH/turn² (490 µH per 100 turns), wire 0.9 in per turn\n"
                                   "Exact turns: 10.127\n10 turns give 4.900 µH: -2.48 % against 5.025 µH\n"
                                   "With 100 pF, 10 turns give resonance at 7.190 MHz"));
        QCOMPARE(turnsHintText(turnsHint(solver, 4)), QStringLiteral("No core is loaded in slot 4"));
        // 1 turn on AL 4000 nH is 4 uH: one turn wound for 4 uH is exact.
        const ResonanceSolver one = solved({ "2=4" }, readTable("@big 4000 1\n"));
        QCOMPARE(wholeTurnsSummary(turnsHint(one, 1)), QStringLiteral("1 turn gives 4.000 uH (0.00 %)"));
    }

    void randomSessions()
    {
        // The sessions the fuzz targets run, from bytes of a generator with a fixed start.
        std::mt19937 random(20240611);
        std::vector<std::uint8_t> bytes(40000);
        std::generate(bytes.begin(), bytes.end(), [&random] { return std::uint8_t(random()); });
        invariants::InputBytes in(bytes.data(), bytes.size());
        for (int session = 0; session < 40; ++session) {
            QCOMPARE(invariants::resonanceSession(in, 60), QString());
            QCOMPARE(invariants::attenuatorSession(in, 60), QString());
        }
    }

    void attenuatorEntries_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("refusal");
        const QStringList start { "50.0", "", "", "", "", "", "", "" };
        const QStringList db10 { "50.0", "10.0", "96.2", "96.2", "71.2", "26.0", "26.0", "35.1" };
        const QString r1Refusal = QStringLiteral("R1 must be larger than the impedance when no attenuation is set");

        QTest::newRow("10 dB") << QStringList { "1=10" } << db10 << QString();
        QTest::newRow("3 dB") << QStringList { "1=3" }
                              << QStringList { "50.0", "3.0", "292.4", "292.4", "17.6", "8.5", "8.5", "141.9" } << QString();
        QTest::newRow("R1 100 gives 9.54 dB") << QStringList { "2=100" }
                << QStringList { "50.0", "9.5", "100.0", "100.0", "66.7", "25.0", "25.0", "37.5" } << QString();
        QTest::newRow("right R3 10 gives 3.5 dB") << QStringList { "6=10" }
                << QStringList { "50.0", "3.5", "250.0", "250.0", "20.8", "10.0", "10.0", "120.0" } << QString();
        QTest::newRow("R2 50") << QStringList { "4=50" }
                << QStringList { "50.0", "7.7", "120.7", "120.7", "50.0", "20.7", "20.7", "50.0" } << QString();
        // (Z + sqrt(R4^2 + Z^2)) / R4 = 1.618 = K: 4.18 dB, R1 = 50 (K + 1) / (K - 1) = 211.8, R2 = 25, R3 = 11.8
        QTest::newRow("R4 100") << QStringList { "7=100" }
                << QStringList { "50.0", "4.2", "211.8", "211.8", "25.0", "11.8", "11.8", "100.0" } << QString();
        // Z = 2 R2 K / (K^2 - 1) = 70.27; R1 = 135.27, R3 = 36.51, R4 = 49.38
        QTest::newRow("R2 with 10 dB kept") << QStringList { "1=10", "4=100" }
                << QStringList { "70.3", "10.0", "135.3", "135.3", "100.0", "36.5", "36.5", "49.4" } << QString();
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
        QTest::newRow("attenuation too small") << QStringList { "1=0.00000000000000001" } << start
                << QStringLiteral("The attenuation is too small to calculate with");
        QTest::newRow("attenuation too large") << QStringList { "1=10", "1=4000" } << db10
                << QStringLiteral("The attenuation is too large to calculate with (at most about 3082 dB)");
    }

    void attenuatorEntries()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, texts);
        QFETCH(QString, refusal);
        const AttenSolver before = attenSolved(entries.mid(0, entries.size() - 1));
        const AttenSolver solver = attenSolved(entries);
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
        QTest::newRow("next decade") << 9.6 << int(StandardSeries::E24) << 10.0 << "10 ohms";
        QTest::newRow("E24 up") << 96.2475 << int(StandardSeries::E24) << 100.0 << "100 ohms";
        QTest::newRow("E96") << 96.2475 << int(StandardSeries::E96) << 95.3 << "95.3 ohms";
        QTest::newRow("E24 down") << 71.15 << int(StandardSeries::E24) << 68.0 << "68 ohms";
        QTest::newRow("E96 next decade") << 99.5 << int(StandardSeries::E96) << 100.0 << "100 ohms";
        QTest::newRow("kilohms") << 1010.0 << int(StandardSeries::E24) << 1000.0 << "1.0 kohms";
        QTest::newRow("nothing") << 0.0 << int(StandardSeries::E24) << 0.0 << "";
    }

    void standardValues()
    {
        QFETCH(double, ohms);
        QFETCH(int, series);
        QFETCH(double, nearest);
        QFETCH(QString, text);
        const auto s = StandardSeries::Series(series);
        QCOMPARE(StandardSeries::nearest(ohms, s), nearest);
        if (nearest > 0)
            QCOMPARE(StandardSeries::markedText(nearest, s), text);
    }

    void padFigures()
    {
        // The exact 10 dB pads in 50 ohms: R1 = 50 (K + 1) / (K - 1), R2 = 25 (K^2 - 1) / K,
        // R3 = 50 (K - 1) / (K + 1), R4 = 100 K / (K^2 - 1). Matched, they lose 10 dB.
        const double r1 = 50 * (K10 + 1) / (K10 - 1), r2 = 25 * 9 / K10;
        const double r3 = 50 * (K10 - 1) / (K10 + 1), r4 = 100 * K10 / 9;
        for (const auto &[kind, outer, middle] : { std::tuple { Pad::Pi, r1, r2 }, { Pad::T, r3, r4 } }) {
            const PadNetwork f = PadNetwork::of(Pad::symmetric(kind, outer, middle), 50, 50);
            QVERIFY(f.valid && qAbs(f.lossDb - 10) < 1e-9 && qAbs(f.inputOhm - 50) < 1e-9);
        }
        // Into a matched 10 dB Pi pad 1 W: 50 / R1 = 0.519 W, the load 0.1 W.
        const PadNetwork p = PadNetwork::of(Pad::symmetric(Pad::Pi, r1, r2), 50, 50, 1);
        QVERIFY(qAbs(p.watts[Pad::Input] - 50 / r1) < 1e-9 && qAbs(p.loadWatts - 0.1) < 1e-9
                && qAbs(p.watts[Pad::Output] - 5 / r1) < 1e-9);
        // The smallest rating at least twice the power (the command line shows the others).
        QCOMPARE(PadNetwork::rating(0.5), 1.0);
        QCOMPARE(PadNetwork::ratingText(PadNetwork::rating(60)), QStringLiteral("over 100 W"));
    }

    void resistorHints()
    {
        const AttenSolver solver = attenSolved({ "1=10" });
        const double expected[] = { 0, 0, solver.r1Ohm(), solver.r1Ohm(), solver.r2Ohm(),
                                    solver.r3Ohm(), solver.r3Ohm(), solver.r4Ohm() };
        for (int field = 2; field < 8; ++field) {
            const ResistorHint hint = resistorHint(solver, field);
            QCOMPARE(hint.ohms, expected[field]);
            QCOMPARE(hint.kind, field <= 4 ? Pad::Pi : Pad::T);
            QVERIFY(hint.hasPads);
        }
        const QString text = resistorHintText(resistorHint(solver, 2));
        QVERIFY2(text.startsWith(QStringLiteral("Pi R1, input shunt: 96.25 ohms\nNearest standard values: E24 100 ohms, "
                                                "E96 95.3 ohms\nPi pad of E24 parts, R1 100 ohms and R2 68 ohms, in 50.0 ohms:\n  loss ")),
                 qPrintable(text));
        QCOMPARE(resistorHintText(resistorHint(attenSolved({}), 2)), QString());
    }

    void initTestCase()
    {
        for (const auto &[name, text] : { std::pair { "three.ini", "@x 49 0.9\r\n@y 40 1.25\r\n@z 12 0.5\r\n" },
                                          { "one.ini", "@t50-2 4.9 0.6\n@bad 1\n" } }) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@NAME" is a file in the test's folder
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("out"); // lines that must appear, in this order
        QTest::addColumn<QString>("err");     // text the error output must hold
        const QStringList none;
        using L = QStringList;

        QTest::newRow("no arguments") << none << 2 << none << "Usage: corvane";
        QTest::newRow("unknown subcommand") << L { "bogus" } << 2 << none << "unknown subcommand 'bogus'";
        QTest::newRow("version") << L { "--version" } << 0 << L { "corvane 2.0.0" } << "";
        // The worked example: 7.1 MHz and 100 pF give 224 ohms and 5.02 uH; core X takes 10 turns,
        // which give 4.9 uH, -2.48 %, and resonate at 1 / (2 pi sqrt(4.9e-6 100e-12)) = 7.190 MHz.
        QTest::newRow("resonance") << L { "resonance", "--core-table", "@three.ini", "f=7.1", "c=100" } << 0
                << L { "Frequency MHz: 7.100", "Capacitance pF: 100", "Inductance uH: 5.02", "Impedance ohms: 224",
                       "X: 10 turns 11\"", "  10 turns give 4.900 uH (-2.48 %), resonant at 7.190 MHz with 100 pF",
                       "Y: 11 turns 16\"" } << "";
        QTest::newRow("turns by core") << L { "resonance", "--core-table", "@three.ini", "f=7.1", "t1=20" } << 0
                << L { "Capacitance pF: 26", "Inductance uH: 19.60", "Impedance ohms: 874", "X: 20 turns 20\"" } << "";
        QTest::newRow("resonance as JSON") << L { "resonance", "--json", "--core-table", "@three.ini", "f=7.1", "c=100" }
                << 0 << L { "    \"freqHz\": 7100000,", "    \"lastField\": 1," } << "";
        QTest::newRow("resonance without entries") << L { "resonance" } << 2 << none << "no ENTRY given";
        QTest::newRow("cores") << L { "cores", "--core-table", "@three.ini" } << 0
                << L { " 1  X  AL 49  wire per turn 0.9", " 3  Z  AL 12  wire per turn 0.5", "3 cores loaded.",
                       "No line starting with \"@\" was skipped." } << "";
        QTest::newRow("one core and a skipped line") << L { "cores", "--core-table", "@one.ini" } << 0
                << L { " 1  T50-2  AL 4.9  wire per turn 0.6", "1 core loaded.", "  line 2: no wire length per turn" }
                << "";
        QTest::newRow("no core table") << L { "cores", "--core-table", "@missing.ini" } << 1 << none
                << "cannot read the core table";
        QTest::newRow("attenuator") << L { "attenuator", "db=10" } << 0
                << L { "Impedance: 50.0", "Attenuation dB: 10.0", "Pi R1 (left): 96.2", "Pi R2: 71.2",
                       "T R3 (right): 26.0", "T R4: 35.1" } << "";
        QTest::newRow("field by number") << L { "attenuator", "5=10" } << 0
                << L { "Attenuation dB: 3.5", "Pi R1 (right): 250.0", "T R3 (left): 10.0" } << "";
        // 33 dBm = 1.995 W into the matched 10 dB Pi pad: R1 in 1.995 * 50 / 96.25 = 1.04 W (rating at
        // least 2.07 W: 3 W), R2 (V1 / (R2 + R1 || 50))^2 R2 = 0.656 W (2 W), R1 out 0.104 W (1/4 W), load 0.1995 W.
        QTest::newRow("power") << L { "attenuator", "--power", "33dBm", "db=10" } << 0
                << L { "Power in: 2.00 W (33.0 dBm), pads terminated in 50.0 ohms", "Pi R1 (input): 1.04 W, rating 3 W",
                       "Pi R2: 0.656 W, rating 2 W", "Pi R1 (output): 0.104 W, rating 1/4 W", "Pi load: 0.200 W" } << "";
        QTest::newRow("power without a pad") << L { "attenuator", "--power", "1" } << 1 << L { "Impedance: 50.0" }
                                             << "give an attenuation";
        // The window ignores an impedance of 0: the pads stay those of 50 ohms, and that is said.
        QTest::newRow("zero ignored") << L { "attenuator", "z=0", "db=10" } << 0 << L { "Impedance: 0", "Pi R2: 71.2" }
                                      << "corvane attenuator: 'z=0' reads as 0 and is ignored, as in the window\n";
        QTest::newRow("refused entry") << L { "attenuator", "r1=40", "db=10" } << 3 << L { "Attenuation dB:" }
                << "'r1=40' refused: R1 must be larger than the impedance when no attenuation is set";
        QTest::newRow("al") << L { "al", "N=10", "L=0.49" } << 0
                            << L { "AL: 4.9 nH/turn^2 (49 uH per 100 turns)", "Core table AL: 4.9" } << "";
        // 1e-6 uH on 10^6 turns: 1e-3 nH / 10^12 = 1e-15 nH per turn squared, not 0.
        QTest::newRow("tiny AL") << L { "al", "N=1000000", "L=0.000001" } << 0
                                 << L { "Core table AL: 0.000000000000001" } << "";
        QTest::newRow("al without L") << L { "al", "N=10" } << 2 << none << "give both";
    }

    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QStringList, out);
        QFETCH(QString, err);
        for (QString &argument : arguments)
            if (argument.startsWith(QLatin1Char('@')))
                argument = m_dir.filePath(argument.mid(1));
        const CliRun run = runCli(arguments);
        QCOMPARE(run.code, code);
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        qsizetype from = 0;
        for (const QString &line : out) {
            from = lines.indexOf(line, from);
            QVERIFY2(from >= 0, qPrintable(QStringLiteral("no line \"%1\" in\n%2").arg(line, run.out)));
        }
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        if (err.isEmpty())
            QCOMPARE(run.err, QString());
    }


private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestLogic)
#include "tst_logic.moc"
