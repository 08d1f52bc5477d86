#include "clirun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QtTest>

#include <cmath>

class TestCliAttenuator : public QObject
{
    Q_OBJECT
private slots:
    void startsAsTheWindowDoes();
    void attenuationFillsTheResistors();
    void fieldNamesAndNumbers_data();
    void fieldNamesAndNumbers();
    void entriesRunInOrder();
    void usageErrors_data();
    void usageErrors();
    void refusedEntry();
    void json();
    void help();
};

void TestCliAttenuator::startsAsTheWindowDoes()
{
    const CliRun run = attenuator({});
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QVERIFY(run.out.startsWith(QStringLiteral("Impedance: 50.0\nAttenuation dB:\n")));
    QVERIFY(run.err.isEmpty());
}

void TestCliAttenuator::attenuationFillsTheResistors()
{
    const CliRun run = attenuator({ QStringLiteral("db=10") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QCOMPARE(run.out, QStringLiteral("Impedance: 50.0\n"
                                     "Attenuation dB: 10.0\n"
                                     "Pi R1 (left): 96.2\n"
                                     "Pi R1 (right): 96.2\n"
                                     "Pi R2: 71.2\n"
                                     "T R3 (left): 26.0\n"
                                     "T R3 (right): 26.0\n"
                                     "T R4: 35.1\n"));
    QVERIFY(run.err.isEmpty());
}

void TestCliAttenuator::fieldNamesAndNumbers_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("line");
    QTest::newRow("r1") << "r1=100" << "Pi R2: 66.7";
    QTest::newRow("field 3") << "3=100" << "Pi R2: 66.7";
    QTest::newRow("R3 in capitals") << "R3=10" << "Pi R1 (right): 250.0";
    QTest::newRow("field 6") << "6=10" << "Pi R1 (right): 250.0";
    QTest::newRow("r2") << "r2=50" << "Attenuation dB: 7.7";
    QTest::newRow("field 4") << "4=50" << "Attenuation dB: 7.7";
    QTest::newRow("r4") << "r4=50" << "T R3 (left): 20.7";
    QTest::newRow("field 7") << "7=50" << "T R3 (left): 20.7";
    QTest::newRow("db by number") << "1=3" << "T R4: 141.9";
    QTest::newRow("z alone computes nothing") << "z=600" << "Pi R2:";
}

void TestCliAttenuator::fieldNamesAndNumbers()
{
    QFETCH(QString, entry);
    QFETCH(QString, line);
    const CliRun run = attenuator({ entry });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QVERIFY2(run.out.split(QLatin1Char('\n')).contains(line), qPrintable(run.out));
}

void TestCliAttenuator::entriesRunInOrder()
{
    const CliRun run = attenuator({ QStringLiteral("z=600"), QStringLiteral("db=1") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QVERIFY(run.out.contains(QStringLiteral("Pi R1 (left): 10434.6\n")));
    QVERIFY(run.out.contains(QStringLiteral("T R4: 5200.0\n")));
    // An emptied field keeps its number: the later impedance still uses 10 dB.
    const CliRun again = attenuator({ QStringLiteral("db=10"), QStringLiteral("db="), QStringLiteral("z=75") });
    QCOMPARE(again.code, int(corvane::cli::Ok));
    QVERIFY(again.out.contains(QStringLiteral("Attenuation dB:\n")));
    QVERIFY(again.out.contains(QStringLiteral("Pi R1 (left): 144.4\n")));
}

void TestCliAttenuator::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("minus sign") << QStringList { "db=-3" } << "digits and";
    QTest::newRow("exponent") << QStringList { "db=1e3" } << "digits and";
    QTest::newRow("comma") << QStringList { "z=1,5" } << "digits and";
    QTest::newRow("blank") << QStringList { "z= 5" } << "digits and";
    QTest::newRow("unknown field") << QStringList { "x=5" } << "unknown field";
    QTest::newRow("field 8") << QStringList { "8=5" } << "unknown field";
    QTest::newRow("no equals sign") << QStringList { "db" } << "FIELD=TEXT";
    QTest::newRow("unknown option") << QStringList { "--frobnicate" } << "unknown option";
    QTest::newRow("bad entry after good") << QStringList { "db=10", "r5=1" } << "unknown field";
}

void TestCliAttenuator::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CliRun run = attenuator(arguments);
    QCOMPARE(run.code, int(corvane::cli::Usage));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void TestCliAttenuator::refusedEntry()
{
    const CliRun run = attenuator({ QStringLiteral("r1=40"), QStringLiteral("db=10") });
    QCOMPARE(run.code, int(corvane::cli::Refused));
    QVERIFY2(run.err.contains(QStringLiteral("R1 must be larger than the impedance")), qPrintable(run.err));
    QVERIFY(run.err.contains(QStringLiteral("r1=40")));
    // The state as it stands: nothing computed, the later entry not applied.
    QVERIFY(run.out.startsWith(QStringLiteral("Impedance: 50.0\nAttenuation dB:\nPi R1 (left):\n")));
}

void TestCliAttenuator::json()
{
    const CliRun run = attenuator({ QStringLiteral("--json"), QStringLiteral("db=10") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject o = document.object();
    QCOMPARE(o.value(QStringLiteral("txt")).toArray(),
             QJsonArray({ "50.0", "10.0", "96.2", "96.2", "71.2", "26.0", "26.0", "35.1" }));
    QCOMPARE(o.value(QStringLiteral("impedOhm")).toDouble(), 50.0);
    QCOMPARE(o.value(QStringLiteral("attenDb")).toDouble(), 10.0);
    // Full precision: more than the one decimal the fields show.
    const auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-12 * b; };
    QVERIFY(near(o.value(QStringLiteral("r1Ohm")).toDouble(), 96.24752955742645));
    QVERIFY(near(o.value(QStringLiteral("r2Ohm")).toDouble(), 71.15124735378853));
    QVERIFY(near(o.value(QStringLiteral("r3Ohm")).toDouble(), 25.974692664795786));
    QVERIFY(near(o.value(QStringLiteral("r4Ohm")).toDouble(), 35.13641844631533));
    QVERIFY(!o.contains(QStringLiteral("refusal")));

    const CliRun refused = attenuator({ QStringLiteral("--json"), QStringLiteral("r3=60") });
    QCOMPARE(refused.code, int(corvane::cli::Refused));
    const QJsonObject r = QJsonDocument::fromJson(refused.out.toUtf8()).object();
    QVERIFY(r.value(QStringLiteral("refusal")).toString().contains(QStringLiteral("R3 must be smaller")));
    QCOMPARE(r.value(QStringLiteral("r3Ohm")).toDouble(), 0.0);
}

void TestCliAttenuator::help()
{
    const CliRun run = attenuator({ QStringLiteral("--help") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QVERIFY(run.out.contains(QStringLiteral("FIELD=TEXT")));
}

QTEST_APPLESS_MAIN(TestCliAttenuator)
#include "tst_cli_attenuator.moc"
