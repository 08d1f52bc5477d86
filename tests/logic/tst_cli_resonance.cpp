#include "clirun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <cmath>

namespace {


bool near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

} // namespace

class TestCliResonance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exitCodes_data();
    void exitCodes();
    void textOutput_data();
    void textOutput();
    void jsonOutput();
    void coresListing();

private:
    QString writeTable(const QString &name, const QByteArray &content);

    QTemporaryDir m_dir;
    QString m_table; // one core of AL 49 and 0.9 inches a turn
};

QString TestCliResonance::writeTable(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

void TestCliResonance::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_table = writeTable(QStringLiteral("quillet.ini"), "Test table\n@T50-2 49 0.9\n");
    QVERIFY(!m_table.isEmpty());
}

void TestCliResonance::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments"); // --core-table is added
    QTest::addColumn<int>("code");

    using namespace corvane::cli;
    QTest::newRow("resonance") << QStringList { "resonance", "f=7.1", "c=100" } << int(Ok);
    QTest::newRow("resonance, empty text") << QStringList { "resonance", "f=" } << int(Ok);
    QTest::newRow("resonance help") << QStringList { "resonance", "--help" } << int(Ok);
    QTest::newRow("no entry") << QStringList { "resonance" } << int(Usage);
    QTest::newRow("no equals sign") << QStringList { "resonance", "f" } << int(Usage);
    QTest::newRow("unknown field letter") << QStringList { "resonance", "x=1" } << int(Usage);
    QTest::newRow("field index too large") << QStringList { "resonance", "54=1" } << int(Usage);
    QTest::newRow("core 51") << QStringList { "resonance", "t51=1" } << int(Usage);
    QTest::newRow("sign in the text") << QStringList { "resonance", "f=-1" } << int(Usage);
    QTest::newRow("comma in the text") << QStringList { "resonance", "l=4,9" } << int(Usage);
    QTest::newRow("unknown option") << QStringList { "resonance", "--bogus", "f=1" } << int(Usage);
    QTest::newRow("cores") << QStringList { "cores" } << int(Ok);
    QTest::newRow("cores help") << QStringList { "cores", "--help" } << int(Ok);
    QTest::newRow("cores with an argument") << QStringList { "cores", "extra" } << int(Usage);
}

void TestCliResonance::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    const CliRun run = runCli(arguments + QStringList { QStringLiteral("--core-table"), m_table });
    QCOMPARE(run.code, code);
    if (code == corvane::cli::Usage) {
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith(QStringLiteral("corvane ") + arguments.first() + QStringLiteral(": ")));
    } else {
        QVERIFY(!run.out.isEmpty());
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    }
}

void TestCliResonance::textOutput_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("expected");

    // Under a core with a winding: what its whole turns give (10 x 10 x 49 nH
    // = 4.900 uH, 2.48 % short of 5.0249 uH, resonant at 7.190 MHz).
    const QString solved = QStringLiteral("Frequency MHz: 7.100\nCapacitance pF: 100\nInductance uH: 5.02\n"
                                          "Impedance ohms: 224\nT50-2: 10 turns 11\"\n"
                                          "  10 turns give 4.900 uH (-2.48 %), resonant at 7.190 MHz with 100 pF\n");
    QTest::newRow("letters") << QStringList { "f=7.1", "c=100" } << solved;
    QTest::newRow("indices") << QStringList { "0=7.1", "1=100" } << solved;
    QTest::newRow("upper-case letters") << QStringList { "F=7.1", "C=100" } << solved;
    QTest::newRow("turns of core 1")
            << QStringList { "f=7.1", "t1=20" }
            << QStringLiteral("Frequency MHz: 7.100\nCapacitance pF: 26\nInductance uH: 19.60\n"
                              "Impedance ohms: 874\nT50-2: 20 turns 20\"\n"
                              "  20 turns give 19.60 uH (0.00 %), resonant at 7.100 MHz with 25.637 pF\n");
    // The start left core 1's turns field, so leaving it again solves nothing.
    QTest::newRow("turns of core 1 first")
            << QStringList { "t1=20" }
            << QStringLiteral("Frequency MHz:\nCapacitance pF:\nInductance uH:\nImpedance ohms:\nT50-2: 20\n");
    QTest::newRow("inductance and impedance")
            << QStringList { "l=10", "z=100" }
            << QStringLiteral("Frequency MHz: 1.592\nCapacitance pF: 1000\nInductance uH: 10.00\n"
                              "Impedance ohms: 100\nT50-2: 14 turns 15\"\n"
                              "  14 turns give 9.604 uH (-3.96 %), resonant at 1.624 MHz with 1000 pF\n");
}

void TestCliResonance::textOutput()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, expected);
    const CliRun run = runCli(QStringList { QStringLiteral("resonance"), QStringLiteral("--core-table"), m_table }
                           + entries);
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QCOMPARE(run.out, expected);
}

void TestCliResonance::jsonOutput()
{
    const CliRun run = runCli({ QStringLiteral("resonance"), QStringLiteral("f=7.1"), QStringLiteral("c=100"),
                             QStringLiteral("--json"), QStringLiteral("--core-table"), m_table });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject result = document.object();

    const QJsonArray texts = result.value(QStringLiteral("txt")).toArray();
    QCOMPARE(texts.size(), 54);
    QCOMPARE(texts.at(0).toString(), QStringLiteral("7.100"));
    QCOMPARE(texts.at(1).toString(), QStringLiteral("100"));
    QCOMPARE(texts.at(2).toString(), QStringLiteral("5.02"));
    QCOMPARE(texts.at(3).toString(), QStringLiteral("224"));
    QCOMPARE(texts.at(4).toString(), QStringLiteral("10 turns 11\""));
    QCOMPARE(texts.at(5).toString(), QString());

    QCOMPARE(result.value(QStringLiteral("freqHz")).toDouble(), 7.1e6);
    QCOMPARE(result.value(QStringLiteral("capFarad")).toDouble(), 100 * 1e-12);
    QVERIFY(near(result.value(QStringLiteral("indHenry")).toDouble(), 5.024855368385722e-06));
    QVERIFY(near(result.value(QStringLiteral("reactOhm")).toDouble(), 224.16189168513282));
    QCOMPARE(result.value(QStringLiteral("lastField")).toInt(), 1);

    const QJsonArray cores = result.value(QStringLiteral("cores")).toArray();
    QCOMPARE(cores.size(), 1);
    const QJsonObject core = cores.at(0).toObject();
    QCOMPARE(core.value(QStringLiteral("name")).toString(), QStringLiteral("T50-2"));
    QCOMPARE(core.value(QStringLiteral("al")).toDouble(), 49.0);
    QCOMPARE(core.value(QStringLiteral("wire")).toDouble(), 0.9);
    QVERIFY(near(core.value(QStringLiteral("turns")).toDouble(), 10.12660203338542));
    QCOMPARE(core.value(QStringLiteral("wholeTurns")).toDouble(), 10.0);
    QVERIFY(near(core.value(QStringLiteral("wholeTurnsHenry")).toDouble(), 4.9e-6));
    QVERIFY(std::fabs(core.value(QStringLiteral("errorPercent")).toDouble() + 2.484755) < 1e-6);
    QVERIFY(std::fabs(core.value(QStringLiteral("wholeTurnsFreqHz")).toDouble() - 7189887) < 1);

    // No winding yet: the keys are there, and null.
    const CliRun none = runCli({ QStringLiteral("resonance"), QStringLiteral("f=7.1"), QStringLiteral("--json"),
                              QStringLiteral("--core-table"), m_table });
    const QJsonObject bare = QJsonDocument::fromJson(none.out.toUtf8()).object()
            .value(QStringLiteral("cores")).toArray().at(0).toObject();
    for (const char *key : { "wholeTurns", "wholeTurnsHenry", "errorPercent", "wholeTurnsFreqHz" })
        QVERIFY2(bare.contains(QLatin1String(key)) && bare.value(QLatin1String(key)).isNull(), key);

    // Inductance without capacitance: no frequency.
    const CliRun noCap = runCli({ QStringLiteral("resonance"), QStringLiteral("l=4.9"), QStringLiteral("--json"),
                               QStringLiteral("--core-table"), m_table });
    const QJsonObject inductanceOnly = QJsonDocument::fromJson(noCap.out.toUtf8()).object()
            .value(QStringLiteral("cores")).toArray().at(0).toObject();
    QCOMPARE(inductanceOnly.value(QStringLiteral("wholeTurns")).toDouble(), 10.0);
    QVERIFY(inductanceOnly.value(QStringLiteral("wholeTurnsFreqHz")).isNull());
}

void TestCliResonance::coresListing()
{
    const QString path = writeTable(QStringLiteral("lint.ini"),
                                    "Cores\r\n@t50-2 4.9 0.6\r\n@bad 4.9\r\n@\r\n@ft37-43 350 0.47 extra\r\n"
                                    "@x4 1E3 0.5\r\n");
    QVERIFY(!path.isEmpty());
    const CliRun run = runCli({ QStringLiteral("cores"), QStringLiteral("--core-table"), path });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral(" 1  T50-2  AL 4.9  wire per turn 0.6")));
    QVERIFY(lines.contains(QStringLiteral(" 2  X4     AL 1000  wire per turn 0.5")));
    QVERIFY(lines.contains(QStringLiteral("  line 3: no wire length per turn")));
    QVERIFY(lines.contains(QStringLiteral("  line 4: nothing after \"@\"")));
    QVERIFY(lines.contains(QStringLiteral("  line 5: a fourth field")));

    const CliRun missing = runCli({ QStringLiteral("cores"), QStringLiteral("--core-table"),
                                 m_dir.filePath(QStringLiteral("missing.ini")) });
    QCOMPARE(missing.code, int(corvane::cli::Failure));
    QVERIFY(missing.err.contains(QStringLiteral("missing.ini")));
    const CliRun directory = runCli({ QStringLiteral("cores"), QStringLiteral("--core-table"), m_dir.path() });
    QCOMPARE(directory.code, int(corvane::cli::Failure));
}

QTEST_APPLESS_MAIN(TestCliResonance)
#include "tst_cli_resonance.moc"
