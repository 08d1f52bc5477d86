// Field reading, display masks, the core table and the resonance solver.
#include "coretablelocation.h"
#include "displaymask.h"
#include "fieldvalue.h"
#include "resonancesolver.h"
#include "sessions.h"
#include "turnshint.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

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

// AL 49, 40 and 12 nH with 0.9, 1.25 and 0.5 inches a turn.
CoreTable threeCores()
{
    return readTable("@x 49 0.9\n@y 40 1.25\n@z 12 0.5\n");
}

// "INDEX=TEXT" entries typed into fields of a solver, each field left after
// it, and "E" for the Erase key.
ResonanceSolver solved(const QStringList &entries, CoreTable cores = threeCores())
{
    ResonanceSolver solver(std::move(cores));
    solver.txt_LostFocus(53);
    for (const QString &entry : entries) {
        if (entry == QLatin1String("E")) {
            solver.erase();
            continue;
        }
        const int index = entry.section(QLatin1Char('='), 0, 0).toInt();
        solver.setText(index, entry.section(QLatin1Char('='), 1));
        solver.txt_LostFocus(index);
    }
    return solver;
}

QStringList texts(const ResonanceSolver &solver, int last = 6)
{
    QStringList list;
    for (int i = 0; i <= last; ++i)
        list << solver.text(i);
    return list;
}

} // namespace

class TestCalc : public QObject
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
        QTest::newRow("exponent without digits") << "4E+" << 4.0;
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
        QTest::newRow("hash decimals dropped") << 4.5 << "#0.0#" << "4.5";
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
        QTest::newRow("blank before @ is a comment") << QByteArray(" @a 1 2") << "" << QStringList();
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

    void entries_data()
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
        QTest::newRow("zero ignored") << QStringList { "0=7.1", "1=0" } << QStringList { "7.100", "0", "", "", "", "", "" };
        // 10 turns: 4.9 uH, X = 2 pi 7.1e6 4.9e-6 = 218.6, C = 102.6 pF
        QTest::newRow("turns field read back") << QStringList { "0=7.1", "1=100", "4=10 turns 11\"" }
                << QStringList { "7.100", "103", "4.90", "219", t10, t11, t20 };
        QTest::newRow("erase forgets every quantity") << QStringList { "0=7.1", "1=100", "E", "3=50" }
                << QStringList { "", "", "", "50", "", "", "" };
        QTest::newRow("turns beyond the loaded cores") << QStringList { "0=7.1", "1=100", "8=10" }
                << QStringList { "7.100", "100", "5.02", "224", t10, t11, t20 };
    }

    void entries()
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
        std::mt19937 random(20240611);
        for (int session = 0; session < 40; ++session) {
            std::vector<std::uint8_t> bytes(400);
            for (std::uint8_t &byte : bytes)
                byte = std::uint8_t(random());
            invariants::InputBytes in(bytes.data(), bytes.size());
            QString problem = invariants::resonanceSession(in, 60);
            if (problem.isEmpty())
                problem = invariants::attenuatorSession(in, 60);
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("session %1: %2").arg(session).arg(problem)));
        }
        QVERIFY(invariants::coreTableSession(QByteArray("@a 49 0.9\n@b -4 1\n@c 0 2\n")).isEmpty());
    }
};


QTEST_GUILESS_MAIN(TestCalc)
#include "tst_calc.moc"
