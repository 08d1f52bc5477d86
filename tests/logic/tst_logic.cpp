// The logic without a window: field reading, display masks, the core table, both solvers, the hints,
// the fitted AL, core sizes, magnet wire and the winding plan, and the command line.
#include "attensolver.h"
#include "clirun.h"
#include "command.h"
#include "coretablelocation.h"
#include "coretablereport.h"
#include "displaymask.h"
#include "fieldvalue.h"
#include "numbers.h"
#include "resonancesolver.h"
#include "sessions.h"
#include "windingplan.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <random>

using namespace corvane;

namespace {

using invariants::readTable;

// NAME AL WIRE; ... for every core read.
QString coreList(const CoreTable &table)
{
    QStringList read;
    for (int i = 1; i <= table.coreCount; ++i)
        read << QStringLiteral("%1 %2 %3").arg(table.coreName[std::size_t(i)]).arg(table.coreAL[std::size_t(i)])
                        .arg(table.coreWire[std::size_t(i)]);
    return read.join(QLatin1String("; "));
}

// "INDEX=TEXT" entries typed into the fields of a solver, each field left after it.
template <class Solver>
Solver typedInto(Solver solver, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const int index = entry.section(QLatin1Char('='), 0, 0).toInt();
        solver.setText(index, entry.section(QLatin1Char('='), 1));
        solver.txt_LostFocus(index);
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

// As a window starts: 50.0 in field 0, which its first activation leaves.
AttenSolver attenSolved(const QStringList &entries)
{
    AttenSolver solver;
    solver.formLoad();
    solver.txt_LostFocus(0);
    return typedInto(solver, entries);
}



using Doubles = QList<double>;

// Six significant digits, as the hand computations give them.
bool sameNumbers(const Doubles &actual, const Doubles &expected)
{
    bool same = actual.size() == expected.size();
    for (qsizetype i = 0; same && i < actual.size(); ++i)
        same = std::fabs(actual[i] - expected[i]) <= 1e-5 * std::fabs(expected[i]) + 1e-9;
    if (!same)
        qWarning() << "got" << actual;
    return same;
}

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
        QTest::newRow("second point stops") << "12.5.3" << 12.5;
        QTest::newRow("leading point") << ".5" << 0.5;
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
        QTEST(fieldValue(text), "value");
    }

    void masks_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mask"); // "short N" is shortDecimal with N decimals
        QTest::addColumn<QString>("text");
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
    }

    void masks()
    {
        QFETCH(double, value);
        QFETCH(QString, mask);
        if (mask.startsWith(QLatin1String("short")))
            QTEST(shortDecimal(value, mask.mid(6).toInt()), "text");
        else
            QTEST(formatMask(value, mask), "text");
    }

    void coreTable_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("cores");   // NAME AL WIRE; ...
        QTest::addColumn<QStringList>("skipped"); // LINE: reason
        QTest::newRow("CR LF") << QByteArray("@core1   4.9 1.2\r\n@b 40 1.25\r\n") << "CORE1 4.9 1.2; B 40 1.25" << QStringList();
        QTest::newRow("CR, last line without end") << QByteArray("@a 1 2\r@b 3 4") << "A 1 2; B 3 4" << QStringList();
        QTest::newRow("every line end counts once") << QByteArray("x\ry\nz\r\n\r\n@bad\r\n") << "" << QStringList { "5: no AL" };
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf@a 1 2") << "A 1 2" << QStringList();
        QTest::newRow("blanks around fields") << QByteArray("@   a    4.9   1.2   ") << "A 4.9 1.2" << QStringList();
        QTest::newRow("every reason") << QByteArray("@\n@ \n@a\n@a 1\n@a 1 2 3\n@a x 2\n@a 1 y\n@a\t1\t2\n@ok 1 2\n") << "OK 1 2"
                << QStringList { "1: nothing after \"@\"", "2: no name", "3: no AL", "4: no wire length per turn",
                                 "5: a fourth field", "6: AL is not a number",
                                 "7: wire length per turn is not a number",
                                 "8: no AL (a tab does not separate fields, a space does)" };
        // Where "," is the decimal point (the test's locale), a table written by hand may use it or "."; "," never groups.
        QTest::newRow("comma or point") << QByteArray("@a 4,9 1,25\n@b 4.9 0.5\n@c 1,000 2") << "A 4.9 1.25; B 4.9 0.5; C 1 2" << QStringList();
        QTest::newRow("only the first 100 characters")
                << QByteArray("@a 1" + QByteArray(96, ' ') + "2") << "" << QStringList { "1: no wire length per turn" };
    }

    void coreTable()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, skipped);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const CoreTable table = readTable(file);
        QLocale::setDefault(QLocale::c());
        QTEST(coreList(table), "cores");
        QStringList reasons;
        for (const CoreTable::SkippedLine &line : table.skipped)
            reasons << QStringLiteral("%1: %2").arg(line.lineNumber).arg(line.reason);
        QCOMPARE(reasons, skipped);
        QCOMPARE(table.skippedCount, int(skipped.size()));
    }

    // The line that names the table read, at start and in the turns tooltips.
    void coreTableReports_data()
    {
        QTest::addColumn<QString>("path"); // in the test's folder
        QTest::addColumn<QByteArray>("file"); // written there first, unless empty
        QTest::addColumn<QString>("report");
        QTest::newRow("not looked for") << "" << QByteArray() << "";
        QTest::newRow("one core") << "q.ini" << QByteArray("@a 1 2\n") << "Core table: DIR/q.ini (1 core)";
        QTest::newRow("cores and skipped lines") << "q.ini" << QByteArray("@a 1 2\n@\n@b 1 2\n@c\n")
                << "Core table: DIR/q.ini (2 cores, 2 lines starting with @ skipped)";
        QTest::newRow("none there") << "none.ini" << QByteArray() << "No core table: none found at DIR/none.ini";
        QTest::newRow("a folder") << "." << QByteArray() << "No core table: DIR/. is not a regular file";
    }

    void coreTableReports()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, file);
        QFETCH(QString, report);
        QTemporaryDir dir;
        QFile written(dir.filePath(path));
        QVERIFY(file.isEmpty() || (written.open(QIODevice::WriteOnly) && written.write(file) && written.flush()));
        const CoreTable table = path.isEmpty() ? CoreTable() : CoreTable::load(dir.filePath(path));
        QCOMPARE(coreTableReport(table), report.replace(QLatin1String("DIR"), dir.path()));
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
        // f = 1 / (2 pi sqrt(10e-6 100e-12)) = 5.033 MHz, X = 2 pi f L = 316.2
        QTest::newRow("inductance then capacitance") << QStringList { "2=10", "1=100" } << QStringList { "5.033", "100", "10.00", "316" } + at10uH;
        QTest::newRow("leaving the shown inductance")
                << QStringList { "0=7.1", "1=100", "2=5.02" } << QStringList { "7.100", "100", "5.02", "224", t10, t11, t20 };
        // 20 * 20 * 49 nH = 19.6 uH; X = 2 pi 7.1e6 19.6e-6 = 874.4; C = 1 / (2 pi f X) = 25.6 pF
        QTest::newRow("turns 20 on AL 49") << QStringList { "0=7.1", "4=20" }
                << QStringList { "7.100", "26", "19.60", "874", "20 turns 20\"", "22 turns 30\"", "40 turns 22\"" };
        // f = 1 / (2 pi 100e-12 150) = 10.61 MHz, L = 150 / (2 pi f) = 2.25 uH
        QTest::newRow("impedance with only the capacitance") << QStringList { "1=100", "3=150" }
                << QStringList { "10.610", "100", "2.25", "150", "7 turns 9\"", "8 turns 12\"", "14 turns 9\"" };
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
        // An entry whose results do not fit a double is refused whole: its text stays, the rest as before.
        const QString huge = QStringLiteral("1") + QString(305, QLatin1Char('0'));
        QTest::newRow("frequency beyond a double") << QStringList { "1=100", "0=" + huge }
                << QStringList { huge, "100", "", "", "", "", "" };
        QTest::newRow("turns squared beyond a double") << QStringList { "0=7.1", "4=" + huge.left(161) }
                << QStringList { "7.100", "", "", "", huge.left(161), "", "" };
        QTest::newRow("turns beyond the loaded cores") << QStringList { "0=7.1", "1=100", "8=10" }
                << QStringList { "7.100", "100", "5.02", "224", t10, t11, t20 };
    }

    void resonanceEntries()
    {
        QFETCH(QStringList, entries);
        const ResonanceSolver solver = solved(entries);
        QTEST(QStringList(solver.texts().begin(), solver.texts().begin() + 7), "texts");
        QCOMPARE(solver.text(7), QString());
        QCOMPARE(solver.lastField(), entries.last().section(QLatin1Char('='), 0, 0).toInt());
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
        QTest::newRow("R1 equal to the impedance") << QStringList { "2=50" } << start << QStringLiteral("R1 must be larger than the impedance when no attenuation is set");
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
        QFETCH(QString, refusal);
        const AttenSolver before = attenSolved(entries.mid(0, entries.size() - 1));
        const AttenSolver solver = attenSolved(entries);
        QTEST(QStringList(solver.texts().begin(), solver.texts().end()), "texts");
        QCOMPARE(solver.refusal(), refusal);
        if (!refusal.isEmpty())
            QCOMPARE(invariants::numbersOf(solver), invariants::numbersOf(before));
    }

    // The standard series as published: each value is its own nearest part below and above, in every decade
    // from 1 to 100k; E48 is every other E96 value, E12 every other E24, E6 every other E12.
    void seriesTables()
    {
        const QString e24 = QStringLiteral("1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 7.5 8.2 9.1");
        // E96 is 10^(i/96) to three figures throughout; E24 keeps values older than the rule.
        QStringList e96Values;
        for (int i = 0; i < 96; ++i)
            e96Values << QString::number(std::round(100 * std::pow(10.0, i / 96.0)) / 100, 'f', 2);
        const QString e96 = e96Values.join(QLatin1Char(' '));
        for (const auto &[name, values, step] : { std::tuple { "E6", e24, 4 }, { "E12", e24, 2 }, { "E24", e24, 1 },
                                                  { "E48", e96, 2 }, { "E96", e96, 1 } }) {
            const QStringList list = values.split(QLatin1Char(' '));
            for (int i = 0; i < list.size(); i += step)
                for (const double decade : { 1.0, 100.0, 100000.0 }) {
                    const QString value = QString::number(list.at(i).toDouble() * decade, 'g', 6);
                    const QString out = runCli({ "parts", "--series", name, value }).out;
                    QVERIFY2(out.contains(QStringLiteral(" below: %1 (0.00 %)\n%2 above: %1 (0.00 %)").arg(
                                     decade == 1 ? list.at(i) : value, QLatin1String(name))), qPrintable(out));
                }
        }
    }

    void initTestCase()
    {
        QByteArray fifty = "Fifty cores and one more\n";
        for (int i = 1; i <= 51; ++i)
            fifty += "@c" + QByteArray::number(i) + " " + QByteArray::number(i) + " 0.5\n";
        for (const auto &[name, text] : { std::pair { "three.ini", QByteArray("@x 49 0.9\r\n@y 40 1.25\r\n@z 12 0.5\r\n") },
                                          { "one.ini", QByteArray("@t50-2 4.9 0.612345\n@bad 1\n") }, { "fifty.ini", fifty },
                                          { "big.ini", QByteArray("@big 4000 1\nSIZE BIG 0.2 0.05 0.1\n") }, { "many.ini", QByteArray("@\n").repeated(1001) },
                                          { "t.ini", QByteArray("@T50-2 4.9 0.627\n@X1 10 1\nSIZE T50 0.5 0.303 0.19\nSIZE BAD 0.3 0.5 0.2\n") },
                                          { "bench.txt", QByteArray("# N, uH\n10, 0.6\n20 2.0  # second\n\n30\t4.5\n") } }) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
    }

    // One row: the arguments ("@NAME" a file in the test's folder), the exit status and the whole
    // standard output and error; an output starting with "{" is a JSON document, compared as JSON.
    void commands_data()
    {
        QTest::addColumn<QString>("line"); // the arguments, split at blanks
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral(
                "Usage: corvane [--core-table FILE]            start the calculator window\n"
                "       corvane SUBCOMMAND [OPTIONS] ARGS...   calculate without a window\n\nSubcommands:\n"
                "  resonance   solve frequency, capacitance, inductance, impedance and turns\n"
                "  cores       list the core table and the lines it skips\n"
                "  attenuator  T and Pi attenuator resistors, and their power with --power\n"
                "  al          the AL of a core from a measured winding\n"
                "  winding     the turns on a core and the wire that fits\n"
                "  parts       nearest standard parts and the best pair for a value\n\n"
                "Run 'corvane SUBCOMMAND --help' for the options of one subcommand.\n"
                "The window also takes Qt's own options, such as -platform NAME and -style NAME.\n");
        QTest::newRow("no arguments") << "" << 2 << "" << usage;
        QTest::newRow("--help") << "--help" << 0 << usage << "";
        QTest::newRow("-h") << "-h" << 0 << usage << "";
        QTest::newRow("--version") << "--version" << 0 << "corvane 2.0.0\n" << "";
        QTest::newRow("-v") << "-v" << 0 << "corvane 2.0.0\n" << "";
        const QString hint = QStringLiteral("Run 'corvane --help' for the subcommands and options.\n");
        QTest::newRow("unknown option") << "--bogus" << 2 << "" << "corvane: unknown option '--bogus'\n" + hint;
        QTest::newRow("option after the table") << "--core-table @three.ini -x" << 2 << "" << "corvane: unknown option '-x'\n" + hint;
        QTest::newRow("argument after the table") << "--core-table @three.ini f" << 2 << "" << "corvane: unexpected argument 'f'\n" + hint;
        QTest::newRow("table without its file") << "--core-table" << 2 << "" << "corvane: option '--core-table' needs a value\n" + hint;
        QTest::newRow("subcommand's unknown option") << "attenuator --bogus" << 2 << ""
                << "corvane attenuator: unknown option '--bogus'\nRun 'corvane attenuator --help' for the usage.\n";
        QTest::newRow("unknown subcommand") << "bogus" << 2 << "" << "corvane: unknown subcommand 'bogus'\n" + hint;
        QTest::newRow("own option, one dash") << "-core-table x" << 2 << "" << "corvane: unknown option '-core-table'\n" + hint;
        QTest::newRow("Qt's option with =") << "-platform=xcb" << 2 << "" << "corvane: unknown option '-platform=xcb'\n" + hint;

        // 7.1 MHz and 100 pF: X = 1 / (2 pi f C) = 224.16, L = X / (2 pi f) = 5.0249 uH. Exact turns
        // sqrt(5024.9 / AL) = 10.13, 11.21, 20.46; whole turns N^2 AL = 4.9, 4.84, 4.8 uH, against 5.0249
        // -2.48, -3.68, -4.47 %, resonant at 1 / (2 pi sqrt(L 100 pF)) = 7.190, 7.234, 7.264 MHz.
        const QString resonance = QStringLiteral(
                "Frequency MHz: 7.100\nCapacitance pF: 100\nInductance uH: 5.02\nImpedance ohms: 224\n"
                "X: 10 turns 11\"\n  10 turns give 4.900 uH (-2.48 %), resonant at 7.190 MHz with 100 pF\n"
                "Y: 11 turns 16\"\n  11 turns give 4.840 uH (-3.68 %), resonant at 7.234 MHz with 100 pF\n"
                "Z: 20 turns 12\"\n  20 turns give 4.800 uH (-4.47 %), resonant at 7.264 MHz with 100 pF\n");
        QTest::newRow("resonance") << "resonance --core-table @three.ini f=7.1 c=100" << 0 << resonance << "";
        QTest::newRow("resonance, capitals and numbers") << "resonance --core-table=@three.ini F=7.1 1=100" << 0 << resonance << "";
        // One turn on AL 4000 nH gives 4 uH exactly, with 1 * 1 + 2.4 = 3.4 inches of wire.
        QTest::newRow("one turn") << "resonance --core-table @big.ini l=4" << 0 << "Frequency MHz:\nCapacitance pF:\n"
                "Inductance uH: 4.00\nImpedance ohms:\nBIG: 1 turns 3\"\n  1 turn gives 4.000 uH (0.00 %)\n" << "";
        const QString fields = QStringLiteral("\nRun 'corvane resonance --help' for the fields and options.\n");
        QTest::newRow("resonance without entries") << "resonance" << 2 << "" << "corvane resonance: no ENTRY given" + fields;
        QTest::newRow("not FIELD=TEXT") << "resonance f=7.1 c" << 2 << "" << "corvane resonance: 'c' is not FIELD=TEXT" + fields;
        QTest::newRow("not a field") << "resonance t0=1" << 2 << "" << "corvane resonance: 't0' is not a field (f, c, l, z, t1..t50 or 0..53)" + fields;
        QTest::newRow("not typeable") << "resonance f=7,1" << 2 << "" << "corvane resonance: '7,1' cannot be typed into a field (digits and \".\" only)" + fields;
        QTest::newRow("missing table") << "resonance --core-table @missing.ini f=7.1 c=100" << 1 << ""
                << "corvane resonance: cannot read the core table @missing.ini\n";
        QTest::newRow("folder as table") << "resonance --core-table / f=7.1" << 1 << "" << "corvane resonance: cannot read the core table /\n";
        // The window ignores a field that reads 0: said, and the run goes on; one quantity solves nothing.
        QTest::newRow("zero") << "resonance --core-table @three.ini f=0 c=1" << 0 << "Frequency MHz: 0\nCapacitance pF: 1\nInductance uH:\n"
                "Impedance ohms:\nX:\nY:\nZ:\n" << "corvane resonance: 'f=0' reads as 0 and is ignored, as in the window\n";
        QTest::newRow("cores") << "cores --core-table @three.ini" << 0
                << "Core table: @three.ini\n 1  X  AL 49  wire per turn 0.9\n 2  Y  AL 40  wire per turn 1.25\n"
                   " 3  Z  AL 12  wire per turn 0.5\n3 cores loaded.\nNo line starting with \"@\" was skipped.\n" << "";
        QTest::newRow("one core and a skipped line") << "cores --core-table @one.ini" << 0
                << "Core table: @one.ini\n 1  T50-2  AL 4.9  wire per turn 0.612345\n1 core loaded.\nSkipped lines:\n"
                   "  line 2: no wire length per turn\n" << "";
        QString fifty = QStringLiteral("Core table: @fifty.ini\n");
        for (int i = 1; i <= 50; ++i)
            fifty += QStringLiteral("%1  %2  AL %3  wire per turn 0.5\n").arg(i, 2).arg(QStringLiteral("C%1").arg(i), -3).arg(i);
        QTest::newRow("a full table") << "cores --core-table @fifty.ini" << 0 << fifty
                + "50 cores loaded.\nThe table holds at most 50 cores: lines after the last one listed are not read.\n"
                  "No line starting with \"@\" was skipped.\n" << "";
        QTest::newRow("no core table") << "cores --core-table @missing.ini" << 1 << ""
                << "corvane cores: cannot read the core table @missing.ini (the calculator shows no cores)\n";
        QTest::newRow("cores, an argument") << "cores x" << 2 << "" << "corvane cores: unexpected argument 'x'\nRun 'corvane cores --help' for the options.\n";

        // 10 dB in 50 ohms, K = 10^0.5: R1 = 50 (K + 1) / (K - 1) = 96.25, R2 = 25 (K^2 - 1) / K = 71.15,
        // R3 = 50 (K - 1) / (K + 1) = 25.97, R4 = 100 K / (K^2 - 1) = 35.14.
        const QString db10 = QStringLiteral("Impedance: 50.0\nAttenuation dB: 10.0\nPi R1 (left): 96.2\nPi R1 (right): 96.2\n"
                                            "Pi R2: 71.2\nT R3 (left): 26.0\nT R3 (right): 26.0\nT R4: 35.1\n");
        QTest::newRow("attenuator, capitals") << "attenuator DB=10" << 0 << db10 << "";
        QTest::newRow("attenuator, field number") << "attenuator 01=10" << 0 << db10 << "";
        // R4 100: K = (50 + sqrt(100^2 + 50^2)) / 100 = 1.618, 4.18 dB; R1 = 50 (K + 1) / (K - 1) = 211.8.
        const QString r4 = QStringLiteral("Impedance: 50.0\nAttenuation dB: 4.2\nPi R1 (left): 211.8\nPi R1 (right): 211.8\n"
                                          "Pi R2: 25.0\nT R3 (left): 11.8\nT R3 (right): 11.8\nT R4: 100.0\n");
        QTest::newRow("r4") << "attenuator r4=100" << 0 << r4 << "";
        QTest::newRow("field 7") << "attenuator 7=100" << 0 << r4 << "";
        // 10 dB, 50 ohms, P in: R1 in (K - 1) / (K + 1) = 0.519494 P, R2 0.328557 P, R1 out 0.0519494 P, load 0.1 P; T alike.
        const QString power = db10 + "Power in: %1, pads terminated in 50.0 ohms\nPi R1 (input): %2\nPi R2: %3\nPi R1 (output): %4\n"
                                     "Pi load: %5\nT R3 (input): %2\nT R4: %3\nT R3 (output): %4\nT load: %5\n";
        QTest::newRow("power=W") << "attenuator --power=150W db=10" << 0 << power.arg("150 W (51.8 dBm)", "77.9 W, rating over 100 W",
                                    "49.3 W, rating 100 W", "7.79 W, rating 25 W", "15.0 W") << "";
        QTest::newRow("power in mW") << "attenuator db=10 --power 2000mW" << 0 << power.arg("2.00 W (33.0 dBm)", "1.04 W, rating 3 W",
                                        "0.657 W, rating 2 W", "0.104 W, rating 1/4 W", "0.200 W") << "";
        QTest::newRow("power in DBM") << "attenuator --power=44.7712DBM db=10" << 0 << power.arg("30.0 W (44.8 dBm)", "15.6 W, rating 50 W",
                                         "9.86 W, rating 25 W", "1.56 W, rating 5 W", "3.00 W") << "";
        const QString start = QStringLiteral("Impedance: 50.0\nAttenuation dB:\nPi R1 (left):\nPi R1 (right):\nPi R2:\n"
                                             "T R3 (left):\nT R3 (right):\nT R4:\n");
        QTest::newRow("power without a pad") << "attenuator --power 1" << 1 << start
                << "corvane attenuator: --power needs both pads: give an attenuation (db=...) as well\n";
        QTest::newRow("power without a value") << "attenuator --power" << 2 << "" << "corvane attenuator: --power needs a power, for example --power 1 or --power 30dBm\n";
        QTest::newRow("no power") << "attenuator --power=0W" << 2 << ""
                << "corvane attenuator: '0W' is no power: give watts (1, 0.5W, 250mW) or dBm (30dBm), above zero\n";
        QTest::newRow("refused entry") << "attenuator r1=40 db=10" << 3 << start
                << "corvane attenuator: 'r1=40' refused: R1 must be larger than the impedance when no attenuation is set\n";
        QTest::newRow("refused entry as JSON") << "attenuator --json r1=40" << 3
                << "{\"txt\": [\"50.0\", \"\", \"\", \"\", \"\", \"\", \"\", \"\"], \"impedOhm\": 50, \"attenDb\": 0, \"r1Ohm\": 0,"
                   "\"r2Ohm\": 0, \"r3Ohm\": 0, \"r4Ohm\": 0, \"refusal\": \"R1 must be larger than the impedance when no "
                   "attenuation is set\", \"standardParts\": {\"r1\": null, \"r2\": null, \"r3\": null, \"r4\": null, "
                   "\"pi\": null, \"t\": null}}"
                << "corvane attenuator: 'r1=40' refused: R1 must be larger than the impedance when no attenuation is set\n";
        // The window ignores an impedance of 0: the pads stay those of 50 ohms, and that is said.
        QTest::newRow("zero ignored") << "attenuator z=0 db=10" << 0
                << QString(db10).replace(QStringLiteral("Impedance: 50.0"), QStringLiteral("Impedance: 0"))
                << "corvane attenuator: 'z=0' reads as 0 and is ignored, as in the window\n";
        QTest::newRow("attenuator, not FIELD=TEXT") << "attenuator db" << 2 << "" << "corvane attenuator: 'db' is not FIELD=TEXT (for example db=10)\n";
        QTest::newRow("attenuator, not typeable") << "attenuator db=-1" << 2 << ""
                << "corvane attenuator: '-1' cannot be typed into a field: use digits and \".\" only\n";
        QTest::newRow("unknown field") << "attenuator r5=1" << 2 << ""
                << "corvane attenuator: unknown field 'r5' (use 0..7, z, db, r1, r2, r3 or r4)\n";
        // 10 turns and 0.49 uH: 490 nH / 10^2 = 4.9 nH per turn squared, 10^4 * 4.9 nH = 49 uH per 100 turns.
        const QString al = QStringLiteral("AL: 4.9 nH/turn^2 (49 uH per 100 turns)\nCore table AL: 4.9\n");
        QTest::newRow("al") << "al N=10 L=0.49" << 0 << al << "";
        QTest::newRow("al, small letters") << "al l=0.49 n=10" << 0 << al << "";
        QTest::newRow("al as JSON") << "al --json N=10 L=0.49" << 0
                << "{\"turns\": 10, \"microhenries\": 0.49, \"al\": 4.9, \"uhPer100Turns\": 49, \"tableValue\": \"4.9\"}" << "";
        // 1e-6 uH on 10^6 turns: 1e-3 nH / 10^12 = 1e-15 nH per turn squared, 10^4 times that per 100 turns.
        QTest::newRow("tiny AL") << "al N=1000000 L=0.000001" << 0
                << "AL: 0.000000000000001 nH/turn^2 (0.00000000000001 uH per 100 turns)\nCore table AL: 0.000000000000001\n" << "";
        QTest::newRow("al without L") << "al N=10" << 2 << ""
                << "corvane al: give both N=TURNS and L=MICROHENRIES\nRun 'corvane al --help' for the usage.\n";
        // 1234 ohms: E12 1200 (-2.76 %) and 1500 (+21.56 %); 1200 + 33 = 1233 (-0.081 %) beats 1800 || 3900 = 1231.6.
        QTest::newRow("parts as JSON") << "parts --json 1234 --series=E12" << 0
                << "{\"value\": 1234, \"series\": \"E12\", \"below\": {\"value\": 1200, \"errorPercent\": -2.75527},"
                   "\"above\": {\"value\": 1500, \"errorPercent\": 21.5559}, \"pair\": {\"larger\": 1200, \"smaller\": 33,"
                   "\"joining\": \"series\", \"value\": 1233, \"errorPercent\": -0.0810373}}" << "";
        // 10 uH and 90 pF: f = 1 / (2 pi sqrt(9e-16)) = 5.305165 MHz, X = 2 pi f L = 333.333; a part C resonates at
        // f sqrt(90 / C): E6 100 pF 5.032921 MHz (-5.13167 %), E12 82 pF 5.557932 (+4.76454 %), E24 91 pF 5.275935
        // (-0.550968 %), the E12 pair 68 + 22 pF exactly. No core in a table without "@" lines.
        QTest::newRow("resonance, standard capacitors") << "resonance --json --core-table @bench.txt l=10 c=90" << 0
            << QStringLiteral("{\"txt\": [\"5.305\", \"90\", \"10.00\", \"333\", %1], \"freqHz\": 5305164.8, \"capFarad\": 9e-11, "
                              "\"indHenry\": 1e-5, \"reactOhm\": 333.3333, \"lastField\": 1, \"cores\": [], \"standardCapacitors\": {"
                              "\"e6\": {\"capFarad\": 1e-10, \"freqHz\": 5032921.2, \"freqErrorPercent\": -5.13167}, \"e12\": {\"capFarad\": "
                              "8.2e-11, \"freqHz\": 5557931.7, \"freqErrorPercent\": 4.76454}, \"e24\": {\"capFarad\": 9.1e-11, \"freqHz\": "
                              "5275935.0, \"freqErrorPercent\": -0.550968}, \"e12Pair\": {\"capFarad\": 9e-11, \"freqHz\": 5305164.8, "
                              "\"freqErrorPercent\": 0, \"largeFarad\": 6.8e-11, \"smallFarad\": 2.2e-11}}}")
                   .arg(QStringList(50, "\"\"").join(',')) << "";

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
        // 150 both ways, 75 + 75 and 300 || 300, parts equal: the sum wins; 150 / 150.004 - 1 = -0.0027 % shows unsigned, 160 is +6.66 %.
        QTest::newRow("tie") << "parts 150.004" << 0 << "Value: 150.004\nE24 below: 150 (0.00 %)\nE24 above: 160 (+6.66 %)\n"
                                                    "Best E24 pair: 75 and 75 in series = 150 (0.00 %)\n" << "";
        const QString parts = QStringLiteral("\nRun 'corvane parts --help' for the usage.\n");
        QTest::newRow("no value") << "parts" << 2 << "" << "corvane parts: no VALUE given" + parts;
        QTest::newRow("two values") << "parts 1 2" << 2 << "" << "corvane parts: one VALUE only, '2' is one too many" + parts;
        QTest::newRow("too large") << "parts 1000000000001" << 2 << "" << "corvane parts: '1000000000001' is no value: give a plain number from 1e-9 to 1e12" + parts;
        // Pairs in series near 4.7e-9 would need parts below 1.
        QTest::newRow("no pair") << "parts 0.0000000047 --pair series" << 0 << "Value: 0.0000000047\nE24 below: 0.0000000047 (0.00 %)\nE24 above: 0.0000000047 (0.00 %)\n"
                                                                  "Best E24 pair: none with both parts at least 1\n" << "";
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
        QTest::newRow("zout reversed") << "attenuator --zout 75 db=10" << 0 << "Pi pad from 50.0 ohms to 75.0 ohms, 10.00 dB:\n"
                "  R1 (input shunt): 77.1 ohms\n  R2 (series): 87.1 ohms\n  R1 (output shunt): 207.4 ohms\n"
                "T pad from 50.0 ohms to 75.0 ohms, 10.00 dB:\n  R3 (input series): 18.1 ohms\n  R4 (shunt): 43.0 ohms\n"
                "  R3 (output series): 48.6 ohms\n" << "";
        // Least loss 75 to 50: r = 1.5, 20 log10(1.224745 + 0.707107) = 5.7195 dB; the L pad: 75 sqrt(1 - 50/75) =
        // 43.301 in series on the 75-ohm side, 50 / sqrt(1/3) = 86.603 across the 50-ohm side.
        const QString below = QStringLiteral("corvane attenuator: %1 dB is below the 5.72 dB that a resistive match from %2 ohms "
                                             "to %3 ohms needs (--min-loss gives that pad)\n");
        QTest::newRow("below the minimum") << "attenuator --zout 50 z=75 db=5" << 3 << "" << below.arg("5.00", "75.0", "50.0");
        // At exactly the least loss both pads become the L pad: 43.3 in series on the 75-ohm side, 86.6 across 50.
        QTest::newRow("at the minimum") << "attenuator --zout 50 z=75 db=5.719475475333593" << 0 << "Pi pad from 75.0 ohms to 50.0 ohms, "
            "5.72 dB:\n  R1 (input shunt): open\n  R2 (series): 43.3 ohms\n  R1 (output shunt): 86.6 ohms\nT pad from 75.0 ohms to 50.0 ohms, "
            "5.72 dB:\n  R3 (input series): 43.3 ohms\n  R4 (shunt): 86.6 ohms\n  R3 (output series): 0.0 ohms\n" << "";
        // 3e-11 dB short of 20 log10(sqrt(1.5) + sqrt(0.5)) = 5.719475475333593: as many decimals as tell them apart.
        QTest::newRow("a hair below") << "attenuator --zout 50 z=75 db=5.719475475303593" << 3 << "" << QStringLiteral("corvane attenuator: "
            "5.71947547530 dB is below the 5.71947547533 dB that a resistive match from 75.0 ohms to 50.0 ohms needs (--min-loss gives that pad)\n");
        QTest::newRow("Pi below it, JSON") << "attenuator --zout 75 db=5.7 --json" << 3 << "{\"impedOhm\": 50, \"attenDb\": 5.7, \"zOutOhm\": 75, "
            "\"minLossDb\": 5.7195, \"refusal\": \"" + below.arg("5.70", "50.0", "75.0").mid(20).chopped(1) + "\"}" << below.arg("5.70", "50.0", "75.0");
        QTest::newRow("minimum loss") << "attenuator --zout 50 --min-loss z=75" << 0 << "Minimum-loss pad from 75.0 ohms to 50.0 ohms, "
                                         "5.72 dB:\n  series (input): 43.3 ohms\n  shunt (output): 86.6 ohms\n" << "";
        QTest::newRow("minimum loss up") << "attenuator --zout 75 --min-loss" << 0 << "Minimum-loss pad from 50.0 ohms to 75.0 ohms, "
                                            "5.72 dB:\n  shunt (input): 86.6 ohms\n  series (output): 43.3 ohms\n" << "";
        QTest::newRow("minimum loss as JSON") << "attenuator --json --zout 50 --min-loss z=75" << 0 << "{\"impedOhm\": 75, \"attenDb\": 5.7195, "
            "\"zOutOhm\": 50, \"minLossDb\": 5.7195, \"minLoss\": {\"seriesInputOhm\": 43.3013, \"shuntOutputOhm\": 86.6025}}" << "";
        QTest::newRow("equal needs no pad") << "attenuator --zout 50 --min-loss" << 3 << ""
                                            << "corvane attenuator: 50.0 ohms and 50.0 ohms are equal: they match without a pad\n";
        // Bridged T, 50 ohms, 10 dB: K - 1 = 2.162278, bridge 50 (K - 1) = 108.1139, shunt 50 / (K - 1) = 23.1238.
        QTest::newRow("bridged T") << "attenuator --bridged-t db=10" << 0 << "Bridged-T pad for 50.0 ohms, 10.00 dB:\n  series arm "
                                      "(input): 50.0 ohms\n  series arm (output): 50.0 ohms\n  bridge: 108.1 ohms\n  shunt: 23.1 ohms\n" << "";
        QTest::newRow("no attenuation") << "attenuator --bridged-t" << 1 << "" << "corvane attenuator: --bridged-t needs an attenuation: give db=...\n";
        QTest::newRow("zout, no attenuation") << "attenuator --zout 75" << 1 << "" << "corvane attenuator: --zout needs an attenuation: give db=... or ask for --min-loss\n";
        // 1 W as in "bridged T and power": 0.468 W needs 1 W, nothing 1/8 W, 0.216 W 1/2 W; 0.1 W in the load.
        QTest::newRow("bridged T, power") << "attenuator --bridged-t db=10 --power 1" << 0 << "Power in: 1.00 W (30.0 dBm)\nBridged-T pad for 50.0 ohms, "
            "10.00 dB:\n  series arm (input): 50.0 ohms, 0.468 W, rating 1 W\n  series arm (output): 50.0 ohms, 0 W, rating 1/8 W\n"
            "  bridge: 108.1 ohms, 0.216 W, rating 1/2 W\n  shunt: 23.1 ohms, 0.216 W, rating 1/2 W\n  load: 0.100 W\n" << "";
        const QString alone = QStringLiteral("corvane attenuator: --min-loss goes with --zout, --bridged-t without it\n");
        QTest::newRow("min-loss alone") << "attenuator --min-loss db=10" << 2 << "" << alone;
        QTest::newRow("bridged T with zout") << "attenuator --bridged-t --zout 75 db=10" << 2 << "" << alone;
        QTest::newRow("zout not above zero") << "attenuator --zout 0 db=10" << 2 << ""
                                           << "corvane attenuator: --zout needs an impedance in ohms above zero, for example --zout 75\n";

        const QString rated = QStringLiteral("{\"ratingW\": %1, \"watts\": %2}");
        // 100 W at 75 ohms: 7500 V^2, 7500 / 207.435 = 36.1559 W in the Pi's input shunt; the T's input arm takes 64.8 W: no rating.
        QTest::newRow("zout and power") << "attenuator --zout 50 z=75 db=10 --power 100 --json" << 0
            << "{\"attenDb\": 10, \"impedOhm\": 75, \"minLossDb\": 5.7195, \"zOutOhm\": 50, \"pi\": {\"r1InputOhm\": 207.435, "
               "\"r1OutputOhm\": 77.1073, \"r2Ohm\": 87.1421}, \"t\": {\"r3InputOhm\": 48.6335, \"r3OutputOhm\": 18.0780, "
               "\"r4Ohm\": 43.0331}, \"power\": {\"derating\": 2, \"inputDbm\": 50, \"inputW\": 100, \"pi\": {\"loadW\": 10, "
               "\"r1Input\": " + rated.arg(100).arg(36.1559) + ", \"r1Output\": " + rated.arg(25).arg(6.4845) + ", \"r2\": "
               + rated.arg(100).arg(47.3596) + "}, \"t\": {\"loadW\": 10, \"r3Input\": " + rated.arg("null").arg(64.8447) + ", "
               "\"r3Output\": " + rated.arg(10).arg(3.6156) + ", \"r4\": " + rated.arg(50).arg(21.5397) + "}}}" << "";
        // 1 W into the bridged T, 50 ohms, 10 dB: V1^2 = 50, and the centre sits at V2 = V1 / K, so the output arm takes
        // nothing: input arm (1 - 0.316228)^2 = 0.467544 W, bridge 23.3772 / 108.1139 = 0.216228 W, shunt 5 / 23.1238.
        QTest::newRow("bridged T and power") << "attenuator --bridged-t db=10 --power 1 --json" << 0
            << "{\"attenDb\": 10, \"impedOhm\": 50, \"bridgedT\": {\"bridgeOhm\": 108.1139, \"seriesInputOhm\": 50, "
               "\"seriesOutputOhm\": 50, \"shuntOhm\": 23.1238}, \"power\": {\"derating\": 2, \"inputDbm\": 30, \"inputW\": 1, "
               "\"bridgedT\": {\"loadW\": 0.1, \"bridge\": " + rated.arg(0.5).arg(0.216228) + ", \"seriesInput\": "
               + rated.arg(1).arg(0.467544) + ", \"seriesOutput\": " + rated.arg(0.125).arg(0) + ", \"shunt\": "
               + rated.arg(0.5).arg(0.216228) + "}}}" << "";
        // The L pad of commandLine, 50 up to 75 ohms: 86.603 across the 50-ohm side, 43.301 in series.
        QTest::newRow("minimum loss as JSON") << "attenuator --zout 75 --min-loss --json" << 0
            << "{\"attenDb\": 5.7195, \"impedOhm\": 50, \"minLoss\": {\"seriesOutputOhm\": 43.3013, \"shuntInputOhm\": 86.6025}, "
               "\"minLossDb\": 5.7195, \"zOutOhm\": 75}" << "";
        // A symmetric pad for equal impedances: R4 = 100 K / (K^2 - 1) = 35.1364, R3 = 50 (K - 1) / (K + 1) = 25.9747;
        // Pi R1 = 50 (K + 1) / (K - 1) = 96.2475, R2 = 25 (K^2 - 1) / K = 71.151; the least loss of equal ends is 0.
        QTest::newRow("equal impedances as JSON") << "attenuator --zout 50 db=10 --json" << 0
            << "{\"attenDb\": 10, \"impedOhm\": 50, \"minLossDb\": 0, \"zOutOhm\": 50, \"pi\": {\"r1InputOhm\": 96.2475, "
               "\"r1OutputOhm\": 96.2475, \"r2Ohm\": 71.151}, \"t\": {\"r3InputOhm\": 25.9747, \"r3OutputOhm\": 25.9747, \"r4Ohm\": 35.1364}}" << "";
        // 10 dB in 50 ohms with 1 W in: the parts and pads of the hints test of the attenuator window, worked out the
        // same way; 1 W at 50 ohms is 7.0711 V in, 2.2361 V out: 50 / R1 = 0.519494 W, 4.8350^2 / R2 = 0.328557 W,
        // 5 / R1 = 0.0519494 W and 0.1 W in the load; the T alike (0.141421 A in, 0.0447214 A out).
        const QString part = "{\"e24Ohm\": %1, \"e96Ohm\": %2, \"e24Pair\": {\"largerOhm\": %3, \"smallerOhm\": %4, \"joining\": \"%5\", "
                             "\"ohm\": %6, \"errorPercent\": %7}}";
        const QString pad = "{\"outerOhm\": %1, \"middleOhm\": %2, \"lossDb\": %3, \"inputOhm\": %4, \"returnLossDb\": %5}";
        const QString ladder = "{\"loadW\": 0.1, \"%1Input\": " + rated.arg(2).arg(0.519494) + ", \"%2\": " + rated.arg(1).arg(0.328557)
                               + ", \"%1Output\": " + rated.arg(0.125).arg(0.0519494) + "}";
        QTest::newRow("attenuator as JSON") << "attenuator --json --power 1 db=10" << 0 << "{\"txt\": [\"50.0\", \"10.0\", \"96.2\", \"96.2\", "
               "\"71.2\", \"26.0\", \"26.0\", \"35.1\"], \"impedOhm\": 50, \"attenDb\": 10, \"r1Ohm\": 96.2475, \"r2Ohm\": 71.1512, "
               "\"r3Ohm\": 25.9747, \"r4Ohm\": 35.1364, \"standardParts\": {\"r1\": " + part.arg("100", "95.3", "91", "5.1", "series", "96.1", "-0.153281")
               + ", \"r2\": " + part.arg("68", "71.5", "62", "9.1", "series", "71.1", "-0.0720259") + ", \"r3\": "
               + part.arg("27", "26.1", "680", "27", "parallel", "25.9689", "-0.0223682") + ", \"r4\": "
               + part.arg("36", "34.8", "1500", "36", "parallel", "35.15625", "0.0564416") + ", \"pi\": {\"e24\": "
               + pad.arg("100", "68", "9.62885", "50.3311", "49.6289") + ", \"e96\": " + pad.arg("95.3", "71.5", "10.0669", "49.7972", "53.8423")
               + ", \"e24Pairs\": " + pad.arg("96.1", "71.1", "10.0037", "49.9444", "65.0872") + "}, \"t\": {\"e24\": "
               + pad.arg("27", "36", "10.0675", "51.5310", "36.4326") + ", \"e96\": " + pad.arg("26.1", "34.8", "10.0653", "49.9799", "73.9308")
               + ", \"e24Pairs\": " + pad.arg("25.9689", "35.15625", "9.99645", "50.0029", "90.8156") + "}}, \"power\": {\"inputW\": 1, "
               "\"inputDbm\": 30, \"derating\": 2, \"impedOhm\": 50, \"pi\": " + ladder.arg("r1", "r2") + ", \"t\": " + ladder.arg("r3", "r4") + "}}" << "";
        // 10 AWG (2.680 mm) does not go through 0.05 in (1.27 mm); 1 + 2.4 = 3.4 in = 8.636 cm; 0.08636 m * 0.00327685 = 0.000282989 ohm.
        QTest::newRow("winding, wire too thick") << "winding --core big N=1 --wire 10awg --core-table @big.ini" << 0
            << "Core: BIG (BIG: OD 0.2 in, ID 0.05 in, height 0.1 in)\nTurns: 1\nWire length: 3 in (8.6 cm)\nWire: 10 AWG, "
               "2.680 mm over the enamel\nThe wire does not go through the core's hole.\nDC resistance: 0.000283 ohms\n" << "";
        QString many = "Core table: @many.ini\n0 cores loaded.\nSkipped lines:\n";
        for (int line = 1; line <= 1000; ++line)
            many += QStringLiteral("  line %1: nothing after \"@\"\n").arg(line);
        QTest::newRow("more skipped lines than listed") << "cores --core-table @many.ini" << 0 << many + "  ... and 1 more\n" << "";
        // A core fitted from measurements, its size and the wire that fits.
        const QString at = "AL: 4.9 nH/turn^2 (49 uH per 100 turns)\n";
        // The worked example: exact data on L = 0.0049 N^2 + 0.06, every residual 0; (4.9 - 10) / 10 = -51 %.
        QTest::newRow("al fit, --core") << "al N=10 L=0.55 N=20 L=2.02 n=30 l=4.47 --core x1 --core-table @t.ini" << 0
            << at + "L0: 0.06 uH (the leads and the fixture)\nN=10 L=0.55: fit 0.55 uH, residual 0 uH (0.00 %)\n"
                    "N=20 L=2.02: fit 2.02 uH, residual 0 uH (0.00 %)\nN=30 L=4.47: fit 4.47 uH, residual 0 uH (0.00 %)\n"
                    "RMS residual: 0 uH\nCore table AL: 4.9\nX1 in the core table: AL 10, this AL -51.00 %\n"
                    "Record line: @X1 4.9 1\n" << "";
        // x = N^2 = 100, 400, 900; 3x = -1100, -200, 1300 about the mean, 3y = -5.3, -1.1, 6.4: slope = 14370 / 2940000 =
        // 0.004887755, L0 = 7.1/3 - slope * 1400/3 = 0.6/7; residuals 1.25/49, -2/49, 0.75/49; RMS = sqrt(6.125/2401/3).
        QTest::newRow("al --file") << "al --file @bench.txt" << 0
            << "AL: 4.888 nH/turn^2 (48.88 uH per 100 turns)\nL0: 0.086 uH (the leads and the fixture)\n"
               "N=10 L=0.6: fit 0.574 uH, residual 0.026 uH (+4.25 %)\nN=20 L=2: fit 2.041 uH, residual -0.041 uH (-2.04 %)\n"
               "N=30 L=4.5: fit 4.485 uH, residual 0.015 uH (+0.34 %)\nRMS residual: 0.029 uH\nCore table AL: 4.888\n" << "";
        // Through zero: sum N^2 L = 55 + 808 + 4023 = 4886, sum N^4 = 980000: slope 0.004985714; residuals 0.36/7, 0.18/7,
        // -0.12/7, RMS = sqrt(0.1764/49/3).
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
        QTest::newRow("al flat") << "al N=10 L=0.5 N=20 L=0.5" << 3 << ""
            << "corvane al: the fitted AL is not above zero: the inductance does not change with the turns\n";
        QTest::newRow("al, negative L") << "al N=10 L=0.5 N=20 L=-1" << 2 << ""
            << "corvane al: L must be a positive number, not '-1'\nRun 'corvane al --help' for the usage.\n";
        // The numbers of "al --file" to seven digits.
        QTest::newRow("al --json") << "al --json --file @bench.txt" << 0
            << "{\"al\": 4.887755, \"uhPer100Turns\": 48.87755, \"tableValue\": \"4.888\", \"offsetUh\": 0.0857143, "
               "\"rmsUh\": 0.0291606, \"measurements\": [{\"turns\": 10, \"measured\": 0.6, \"fitted\": 0.5744898, "
               "\"residual\": 0.0255102}, {\"turns\": 20, \"measured\": 2, \"fitted\": 2.0408163, \"residual\": -0.0408163},"
               "{\"turns\": 30, \"measured\": 4.5, \"fitted\": 4.4846939, \"residual\": 0.0153061}]}" << "";
        const QString alHint = "Run 'corvane al --help' for the usage.\n";
        QTest::newRow("al, not N or L") << "al N=10 X=3" << 2 << "" << "corvane al: 'X=3' is not N=TURNS or L=MICROHENRIES\n" + alHint;
        QTest::newRow("al, N twice") << "al N=10 n=20" << 2 << "" << "corvane al: N is given twice\n" + alHint;
        QTest::newRow("al, file and pairs") << "al --file @bench.txt N=10" << 2 << ""
            << "corvane al: give --file FILE or N=TURNS L=MICROHENRIES, not both\n" + alHint;
        QTest::newRow("al, no such file") << "al --file @t.ini.none" << 1 << "" << "corvane al: cannot read @t.ini.none\n";
        QTest::newRow("al, a record is no measurement") << "al --file @t.ini" << 2 << ""
            << "corvane al: @t.ini line 1 is not TURNS and MICROHENRIES, two positive numbers\n" + alHint;
        QTest::newRow("al, empty file") << "al --file /dev/null" << 2 << "" << "corvane al: /dev/null holds no measurement\n" + alHint;
        QTest::newRow("al, unknown core") << "al N=10 L=0.5 --core T68-2 --core-table @t.ini" << 2 << ""
            << "corvane al: no core T68-2 in the core table @t.ini\n" + alHint;
        // 1e-300 uH on 1e300 turns: an AL of 1e-597 nH is no double above zero.
        QTest::newRow("al, AL underflows") << "al N=1e300 L=1e-300" << 2 << "" << "corvane al: these numbers give no usable AL\n" + alHint;
        // The worked example's first two points; (4.9 - 10) / 10 = -51 %.
        QTest::newRow("al --json --core") << "al --json N=10 L=0.55 N=20 L=2.02 --core x1 --core-table @t.ini" << 0
            << "{\"al\": 4.9, \"uhPer100Turns\": 49, \"tableValue\": \"4.9\", \"offsetUh\": 0.06, \"rmsUh\": 0, "
               "\"measurements\": [{\"turns\": 10, \"measured\": 0.55, \"fitted\": 0.55, \"residual\": 0}, {\"turns\": 20, "
               "\"measured\": 2.02, \"fitted\": 2.02, \"residual\": 0}], \"core\": {\"name\": \"X1\", \"tableAl\": 10, "
               "\"differencePercent\": -51, \"record\": \"@X1 4.9 1\"}}" << "";
        QTest::newRow("cores with sizes") << "cores --core-table @t.ini" << 0
            << "Core table: @t.ini\n 1  T50-2  AL 4.9  wire per turn 0.627\n 2  X1     AL 10  wire per turn 1\n2 cores loaded.\n"
               "Sizes (inches):\n  T50-2  T50: OD 0.5  ID 0.303  height 0.19\n  X1  no size\n"
               "  SIZE line 4 not read: OD must be more than ID\nNo line starting with \"@\" was skipped.\n" << "";
        // T50: ID 7.6962 mm; 0.40 mm is 0.459 over the enamel: floor(pi * 7.2372 / 0.459) = floor(49.53) = 49,
        // two layers, 50 * 0.459 / 22.7363 = 100.94 %; 50 * 0.627 + 2.4 = 33.75 in = 85.725 cm;
        // 0.85725 m * 0.137200 ohm/m = 0.1176 ohm.
        QTest::newRow("winding --wire") << "winding --core t50-2 N=50 --wire 0.4mm --core-table @t.ini" << 0
            << "Core: T50-2 (T50: OD 0.5 in, ID 0.303 in, height 0.19 in)\nTurns: 50\nWire length: 34 in (85.7 cm)\n"
               "Wire: 0.40 mm, 0.459 mm over the enamel\nTurns per layer: 49\nLayers: 2\n"
               "Fill: 100.9 % of the inner circumference\nDC resistance: 0.118 ohms\n" << "";
        // 5 uH: sqrt(5000 / 4.9) = 31.94, 32 turns, 32 * 0.627 + 2.4 = 22.464 in = 57.0586 cm. One layer of 32
        // takes d <= pi * 7.6962 / (32 + pi) = 0.688 mm: 23 AWG (0.0249 in = 0.63246 mm; 22 AWG is 0.70104),
        // floor(pi * 7.06374 / 0.63246) = 35, 32 * 0.63246 / 22.1915 = 91.20 %; bare 0.57404 mm:
        // 0.017241 / 0.258805 = 0.066618 ohm/m * 0.570586 m = 0.038011 ohm.
        QTest::newRow("winding --json, thickest wire") << "winding --core T50-2 L=5 --json --core-table @t.ini" << 0
            << "{\"core\": \"T50-2\", \"size\": {\"name\": \"T50\", \"odInches\": 0.5, \"idInches\": 0.303, "
               "\"heightInches\": 0.19}, \"turns\": 32, \"wireInches\": 22.464, \"wireCm\": 57.05856, \"wire\": \"23 AWG\","
               "\"turnsPerLayer\": 35, \"layers\": 1, \"fillPercent\": 91.2004, \"resistanceOhms\": 0.038011}" << "";
        QTest::newRow("winding, no size") << "winding --core X1 N=5 --core-table @t.ini" << 3 << ""
            << "corvane winding: X1 has no size in the core table: add a SIZE line for it\n";
        const QString windingHint = "Run 'corvane winding --help' for the usage.\n";
        QTest::newRow("winding, unknown wire") << "winding --core T50-2 N=5 --wire 0.42mm --core-table @t.ini" << 2 << ""
            << "corvane winding: no wire '0.42mm' in the wire table (26awg, 0.4mm: AWG 10 to 40, 0.10 to 2.00 mm)\n" + windingHint;
        QTest::newRow("winding without a core") << "winding N=5" << 2 << "" << "corvane winding: give the core: --core NAME\n" + windingHint;
        QTest::newRow("winding without L or N") << "winding --core T50-2 --core-table @t.ini" << 2 << ""
            << "corvane winding: give one of L=MICROHENRIES and N=TURNS\n" + windingHint;
        QTest::newRow("winding, half a turn") << "winding --core T50-2 N=2.5 --core-table @t.ini" << 2 << ""
            << "corvane winding: 'N=2.5' is not a positive whole number of turns\n" + windingHint;
        QTest::newRow("winding, not a number") << "winding --core T50-2 L=1e3 --core-table @t.ini" << 2 << ""
            << "corvane winding: '1e3' is not a positive number (digits and \".\" only)\n" + windingHint;
        QTest::newRow("winding, not an entry") << "winding --core T50-2 N5 --core-table @t.ini" << 2 << ""
            << "corvane winding: 'N5' is not L=MICROHENRIES or N=TURNS\n" + windingHint;
        QTest::newRow("winding, not L or N") << "winding --core T50-2 Q=5 --core-table @t.ini" << 2 << ""
            << "corvane winding: 'Q' is not L or N\n" + windingHint;
        // 1 nH on AL 4.9: sqrt(1 / 4.9) = 0.45 turns.
        QTest::newRow("winding, no whole turn") << "winding --core T50-2 L=0.001 --core-table @t.ini" << 3 << ""
            << "corvane winding: 0.001 uH gives no whole turn on T50-2\n";
        // 2000 * 0.627 + 2.4 = 1256.4 in = 3191.26 cm; pi * 7.7 mm / 2000 turns leaves 0.012 mm a turn.
        QTest::newRow("winding, no wire in one layer") << "winding --core T50-2 N=2000 --core-table @t.ini" << 0
            << "Core: T50-2 (T50: OD 0.5 in, ID 0.303 in, height 0.19 in)\nTurns: 2000\nWire length: 1256 in (3191.3 cm)\n"
               "No wire of the table takes 2000 turns in one layer.\n" << "";
        QTest::newRow("winding --json, no wire in one layer") << "winding --core T50-2 N=2000 --json --core-table @t.ini" << 0
            << "{\"core\": \"T50-2\", \"size\": {\"name\": \"T50\", \"odInches\": 0.5, \"idInches\": 0.303, \"heightInches\": 0.19}, \"turns\": 2000, "
               "\"wireInches\": 1256.4, \"wireCm\": 3191.256, \"wire\": null, \"turnsPerLayer\": null, \"layers\": null, \"fillPercent\": null, \"resistanceOhms\": null}" << "";
        QTest::newRow("winding, unknown core") << "winding --core T68-2 N=5 --core-table @t.ini" << 2 << ""
            << "corvane winding: no core T68-2 in the core table @t.ini\n" + windingHint;
        // t1=32 after leaving the empty capacitance (the start leaves core 1, whose field is not solved twice in a row): 32^2 * 4.9 = 5017.6 nH; X1: sqrt(5017.6 / 10) = 22.4, 22 turns, 22 + 2.4 in, 4840 nH, -3.5395 %.
        // oneLayer of 32 on T50 as in "winding --json": 23 AWG and 0.60 mm (0.674; 0.65 mm is 0.726).
        QTest::newRow("resonance --json") << "resonance --json --core-table @t.ini c= t1=32" << 0
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
        QFETCH(QString, line);
        QStringList arguments = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QRegularExpression file(QStringLiteral("@(?=[a-z]+\\.[a-z])")); // "@NAME.EXT": a file in the test's folder
        arguments.replaceInStrings(file, m_dir.path() + QLatin1Char('/'));
        out.replace(file, m_dir.path() + QLatin1Char('/'));
        err.replace(file, m_dir.path() + QLatin1Char('/'));
        QLocale::setDefault(QLocale(QLocale::German)); // where the decimal point is a comma, the outputs stay the same
        const CliRun run = runCli(arguments);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(run.code, code);
        QCOMPARE(cli::isCommandLine(QStringList { QStringLiteral("corvane") } + arguments), !arguments.isEmpty()); // never a window
        if (out.startsWith(QLatin1Char('{')))
            QVERIFY2(sameJson(QJsonDocument::fromJson(run.out.toUtf8()).object(), QJsonDocument::fromJson(out.toUtf8()).object(), 1e-4, 1e-12)
                     && run.out == QString::fromUtf8(QJsonDocument::fromJson(run.out.toUtf8()).toJson()), // indented, as printed
                     qPrintable(run.out));
        else
            QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
    }
    // The help, the man page's synopsis and the bash completion name exactly the
    // declared subcommands and options: a new option cannot be forgotten in one.
    void documentedOptions()
    {
        QFile manPage(QFINDTESTDATA("../../data/corvane.1"));
        QFile completion(QFINDTESTDATA("../../data/bash-completion/corvane"));
        QVERIFY(manPage.open(QIODevice::ReadOnly) && completion.open(QIODevice::ReadOnly));
        const QString man = QString::fromUtf8(manPage.readAll()).replace(QLatin1String("\\-"), QLatin1String("-"));
        const QString bash = QString::fromUtf8(completion.readAll());
        const QRegularExpression option(QStringLiteral("--[a-z-]+"));
        auto optionsIn = [&](const QString &text) { // every subcommand takes --help
            QStringList found { QStringLiteral("--help") };
            for (const QRegularExpressionMatch &m : option.globalMatch(text))
                found << m.captured();
            found.sort();
            found.removeDuplicates();
            return found;
        };
        for (const cli::Command &command : cli::commands()) {
            const QString name = QString::fromLatin1(command.name);
            QStringList declared { QStringLiteral("--help") };
            for (const cli::Option &o : command.options)
                declared << QStringLiteral("--") + QLatin1String(o.name);
            declared.sort();
            const QRegularExpression synopsis(QStringLiteral("\\n\\.B corvane %1\\n(.*?)\\.br\\n").arg(name),
                                              QRegularExpression::DotMatchesEverythingOption);
            QCOMPARE(optionsIn(synopsis.match(man).captured(1)), declared);
            const QRegularExpression listed(QStringLiteral("\\n +%1\\)\\n +options=\"([^\"]*)\"").arg(name));
            QCOMPARE(optionsIn(listed.match(bash).captured(1)), declared);
            QVERIFY2(man.contains(QStringLiteral(".B %1\n").arg(name)), qPrintable(name));
            QCOMPARE(optionsIn(runCli({ name, QStringLiteral("--help") }).out), declared);
            QCOMPARE(runCli({ name, QStringLiteral("-h") }).out, runCli({ name, QStringLiteral("--help") }).out);
        }
    }

    void windowArguments()
    {
        for (const QStringList &window : { QStringList {}, QStringList { "--core-table", "x" }, QStringList { "--core-table=x" },
                                           QString("-platform xcb -reverse -nograb -platformpluginpath p -platformtheme t -plugin p -qwindowgeometry g -qwindowicon i "
                                                   "-qwindowtitle t -stylesheet s -session s -display d -geometry g -title t -name n -widgetcount -dograb").split(' ') })
            QVERIFY2(!cli::isCommandLine(QStringList { "corvane" } + window), qPrintable(window.join(' ')));
        QCOMPARE(cli::windowCoreTablePath({ "corvane", "-style", "x", "--core-table=a b" }), QString("a b"));
    }

    // The real program without a display: one line and status 1, never an abort; a usage error needs no display.
    void withoutDisplay_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("display"); // empty: no DISPLAY at all
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        const QString none = QStringLiteral("corvane: cannot open the window: no display could be reached (DISPLAY %1, WAYLAND_DISPLAY "
                                            "unset); start it on a desktop or under xvfb-run, or give a subcommand (corvane --help)\n");
        const QString hint = QStringLiteral("\nRun 'corvane --help' for the subcommands and options.\n");
        QTest::newRow("window") << "" << "" << 1 << none.arg("unset");
        QTest::newRow("unreachable display") << "" << ":64999" << 1 << none.arg("':64999'");
        QTest::newRow("unknown option") << "--bogus" << ":64999" << 2 << "corvane: unknown option '--bogus'" + hint;
    }

    void withoutDisplay()
    {
        QFETCH(QString, line);
        QFETCH(QString, display);
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/corvane");
        if (!QFileInfo(program).isExecutable())
            QSKIP("the program is not built");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit); // no abort
        QTEST(process.exitCode(), "code");
        QTEST(QString::fromLocal8Bit(process.readAllStandardError()), "err");
        QVERIFY(process.readAllStandardOutput().isEmpty());
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
        QTest::newRow("bad lines") << QByteArray("SIZE T50 0,5 0.3 0.2\nSIZE T50 0.3 0.5 0.2\nSIZE T50 0.5 0 0.2\nSIZE T50 0.5 0.3 0\n"
                          "SIZE T50 0.5 0.3\nSIZE T50 0.5 0.3 0.2 note\nsize\nSIZE T50 0.5 0.3 0.2\nSIZE t50 1 0.5 1")
            << "T50" << "T50 0.5 0.3 0.2, line 8"
            << "1: OD '0,5' is not a number of inches (\".\" is the decimal point); 2: OD must be more than ID; "
               "3: ID must be more than 0; 4: HEIGHT must be more than 0; "
               "5: not SIZE NAME OD ID HEIGHT: 3 of the 4 fields after SIZE; 6: something after HEIGHT; "
               "7: not SIZE NAME OD ID HEIGHT: 0 of the 4 fields after SIZE; 9: t50 has a size already (line 8)";
        // Read after 60 records and a line of 100000 characters: line 62.
        QTest::newRow("after the records") << QByteArray("@T50-2 4.9 0.627\n").repeated(60) + QByteArray(100000, 'x')
                                                  + "\nSIZE T50 0.5 0.303 0.19\nSIZE T1 1 0.5 1" + QByteArray(1000, ' ')
                                                  + "\nSIZE T2 1 0.5 1" + QByteArray(985, ' ') // 1000 bytes, all read
                                           << "T50-2" << "T50 0.5 0.303 0.19, line 62" << "63: longer than 1000 bytes";
    }

    void sizes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, core);
        QLocale::setDefault(QLocale(QLocale::German)); // a comma decimal point must not change how sizes are read
        const CoreSizes sizes = readTable(file).sizes;
        QLocale::setDefault(QLocale::c());
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
        QLocale::setDefault(QLocale(QLocale::German));
        const std::optional<MagnetWire> wire = MagnetWire::fromName(name);
        QLocale::setDefault(QLocale::c());
        QTEST(wire ? wire->displayName() : QString(), "display");
        QVERIFY(!wire || sameNumbers({ wire->overallMaxMm, wire->ohmsPerMetre() }, overallMmOhmsPerMetre));
        // Gauges 10 to 40 in order, bare by the definition of AWG: 0.005 in * 92^((36 - n) / 39), to 0.0001 in.
        for (int n = 10; n <= 40; ++n)
            QCOMPARE(QString::number(MagnetWire::awgTable().at(n - 10).bareMm / 25.4, 'f', 4) + ' ' + QString::number(MagnetWire::awgTable().at(n - 10).gauge),
                     QString::number(0.005 * std::pow(92.0, (36 - n) / 39.0), 'f', 4) + ' ' + QString::number(n));
    }

    // The whole plan per row: turns, turns per layer, layers, fill %, wire inches, ohms; and the
    // line naming the thickest wires that take those turns in one layer: d <= pi * ID / (n + pi).
    void plans_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<double>("innerInches");
        QTest::addColumn<Doubles>("plan");
        QTest::addColumn<QString>("oneLayer");
        // T50: pi * (7.6962 - 0.45212) / 0.45212 = 50.336; 20 * 0.45212 / 22.75768 = 39.7329 %;
        // 14.94 in * 0.0254 * 0.134589 = 0.0510735 ohm; d <= 1.04480 takes 19 AWG (0.98044;
        // 18 AWG is 1.09474) and 0.95 mm (1.041; 1.00 mm is 1.094).
        QTest::newRow("T50 26awg 20 turns") << "26awg" << 0.303 << Doubles { 20, 50, 1, 39.7329, 14.94, 0.0510735 }
                                            << "One layer: up to 19 AWG or 0.95 mm";
        // 50 * 0.45212 / 22.75768 = 99.3323 %; 33.75 * 0.0254 * 0.134589 = 0.115377; d <= 0.454979
        // takes 26 AWG (0.45212; 25 AWG is 0.50546) and 0.35 mm (0.407; 0.40 mm is 0.459).
        QTest::newRow("T50 26awg 50 turns") << "26awg" << 0.303 << Doubles { 50, 50, 1, 99.3323, 33.75, 0.115377 }
                                            << "One layer: up to 26 AWG or 0.35 mm";
        // ceil(100 / 50) = 2 exactly; 100 * 0.45212 / 22.75768 = 198.6647 %; 65.1 * 0.0254 * 0.134589 =
        // 0.222549; d <= 0.234419: 33 AWG (0.2159; 32 AWG is 0.2413), 0.15 mm (0.182; 0.20 mm is 0.239).
        QTest::newRow("T50 26awg 100 turns") << "26awg" << 0.303 << Doubles { 100, 50, 2, 198.6647, 65.1, 0.222549 }
                                             << "One layer: up to 33 AWG or 0.15 mm";
        // FT37: pi * (4.7498 - 2.129) / 2.129 = 3.867; ceil(10 / 3) = 4; 21.29 / 8.23348 = 258.578 %;
        // 7.28 * 0.0254 * 0.00548798 = 0.00101479; d <= 1.13547: 18 AWG (1.09474; 17 AWG is 1.22428), 1.00 mm.
        QTest::newRow("FT37 2mm") << "2mm" << 0.187 << Doubles { 10, 3, 4, 258.578, 7.28, 0.00101479 } << "One layer: up to 18 AWG or 1.00 mm";
        // 2.54 mm of hole takes no 2.6797 mm wire; 1 in * 0.0254 * 0.00327685 = 8.32320e-5 ohm;
        // d <= 0.980109: 20 AWG (0.87884; 19 AWG is 0.98044), 0.85 mm (0.937; 0.90 mm is 0.989).
        QTest::newRow("wire thicker than the hole") << "10awg" << 0.1 << Doubles { 5, 0, 0, 0, 1, 8.32320e-5 }
                                                    << "One layer: up to 20 AWG or 0.85 mm";
        // T37: pi * (5.207 - 0.09652) / 0.09652 = 166.34; ceil(2000 / 166) = 13; 193.04 / 16.05506 =
        // 1202.363 %; 954.4 * 0.0254 * 3.54064 = 85.8313; d <= 0.0081663, thinner than any wire.
        QTest::newRow("T37 40awg 2000 turns") << "40awg" << 0.205 << Doubles { 2000, 166, 13, 1202.363, 954.4, 85.8313 }
                                              << "One layer: no wire of the table takes 2000 turns";
        // No turns: no layer, the leads alone, 2.4 * 0.0254 * 3.54064 = 0.215837 ohm.
        QTest::newRow("no turns") << "40awg" << 0.205 << Doubles { 0, 166, 0, 0, 2.4, 0.215837 } << "One layer: no wire of the table takes 0 turns";
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
        QTEST(oneLayerLine(size, p.turns), "oneLayer");
    }

    // The shipped table: 31 cores, no line skipped or unread, and a size for every core.
    void shippedTable()
    {
        const CoreTable table = CoreTable::load(QCoreApplication::applicationDirPath() + "/../bin/quillet.ini");
        QCOMPARE(table.coreCount, 31);
        QVERIFY(table.skippedCount == 0 && table.sizes.badLines.isEmpty());
        QCOMPARE(table.sizes.forCore("T50-2")->innerInches, 0.303);
        for (int i = 1; i <= table.coreCount; ++i)
            QVERIFY2(table.sizes.forCore(table.coreName[std::size_t(i)]), qPrintable(table.coreName[std::size_t(i)]));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestLogic)
#include "tst_logic.moc"
