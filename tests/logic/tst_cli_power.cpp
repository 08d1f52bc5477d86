// corvane attenuator --power: the power in each resistor of both pads.
// Expected watts come from a nodal analysis by hand (python3) of source Z,
// pad and load Z, scaled to the power entering the pad.
#include "clirun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QtTest>

#include <cmath>

namespace {


bool near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-9 * std::fabs(expected);
}

} // namespace

class TestCliPower : public QObject
{
    Q_OBJECT
private slots:
    void tenDbOneWatt();
    void threeDbTenWatts();
    void powerWritten_data();
    void powerWritten();
    void badPower_data();
    void badPower();
    void noPadYet();
    void json();
    void fieldsStayAsTheyWere();
};

void TestCliPower::tenDbOneWatt()
{
    const CliRun run = attenuator({ QStringLiteral("db=10"), QStringLiteral("--power"), QStringLiteral("1") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QVERIFY(run.err.isEmpty());
    // Twice 0.519 W needs 2 W, twice 0.329 W 1 W, twice 0.052 W 1/8 W.
    QVERIFY2(run.out.endsWith(QStringLiteral("T R4: 35.1\n"
                                             "Power in: 1.00 W (30.0 dBm), pads terminated in 50.0 ohms\n"
                                             "Pi R1 (input): 0.519 W, rating 2 W\n"
                                             "Pi R2: 0.329 W, rating 1 W\n"
                                             "Pi R1 (output): 0.0519 W, rating 1/8 W\n"
                                             "Pi load: 0.100 W\n"
                                             "T R3 (input): 0.519 W, rating 2 W\n"
                                             "T R4: 0.329 W, rating 1 W\n"
                                             "T R3 (output): 0.0519 W, rating 1/8 W\n"
                                             "T load: 0.100 W\n")),
             qPrintable(run.out));
}

void TestCliPower::threeDbTenWatts()
{
    const CliRun run = attenuator({ QStringLiteral("--power=40dBm"), QStringLiteral("db=3") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Power in: 10.0 W (40.0 dBm), pads terminated in 50.0 ohms")));
    QVERIFY(lines.contains(QStringLiteral("Pi R1 (input): 1.71 W, rating 5 W")));
    QVERIFY(lines.contains(QStringLiteral("Pi R2: 2.42 W, rating 5 W")));
    QVERIFY(lines.contains(QStringLiteral("Pi R1 (output): 0.857 W, rating 2 W")));
    QVERIFY(lines.contains(QStringLiteral("Pi load: 5.01 W")));
    QVERIFY(lines.contains(QStringLiteral("T R4: 2.42 W, rating 5 W")));
}

void TestCliPower::powerWritten_data()
{
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("line");
    QTest::newRow("watts") << "1" << "Power in: 1.00 W (30.0 dBm)";
    QTest::newRow("watts with unit") << "0.5W" << "Power in: 0.500 W (27.0 dBm)";
    QTest::newRow("milliwatts") << "250mW" << "Power in: 0.250 W (24.0 dBm)";
    QTest::newRow("dBm") << "30dBm" << "Power in: 1.00 W (30.0 dBm)";
    QTest::newRow("dbm in lower case") << "20dbm" << "Power in: 0.100 W (20.0 dBm)";
    QTest::newRow("negative dBm") << "-10dBm" << "Power in: 0.000100 W (-10.0 dBm)";
    QTest::newRow("kilowatt as number") << "1000" << "Power in: 1000 W (60.0 dBm)";
}

void TestCliPower::powerWritten()
{
    QFETCH(QString, power);
    QFETCH(QString, line);
    const CliRun run = attenuator({ QStringLiteral("--power"), power, QStringLiteral("db=10") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QVERIFY2(run.out.contains(QStringLiteral("\n") + line + QStringLiteral(", pads terminated")), qPrintable(run.out));
}

void TestCliPower::badPower_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no value") << QStringList { "db=10", "--power" };
    QTest::newRow("empty joined") << QStringList { "--power=", "db=10" };
    QTest::newRow("zero") << QStringList { "--power", "0", "db=10" };
    QTest::newRow("negative watts") << QStringList { "--power", "-1", "db=10" };
    QTest::newRow("kilowatts") << QStringList { "--power", "1kW", "db=10" };
    QTest::newRow("megawatts mistaken for mW") << QStringList { "--power", "1MW", "db=10" };
    QTest::newRow("word") << QStringList { "--power", "lots", "db=10" };
    QTest::newRow("infinite") << QStringList { "--power", "inf", "db=10" };
    QTest::newRow("dBm beyond a double") << QStringList { "--power", "4000dBm", "db=10" };
}

void TestCliPower::badPower()
{
    QFETCH(QStringList, arguments);
    const CliRun run = attenuator(arguments);
    QCOMPARE(run.code, int(corvane::cli::Usage));
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith(QStringLiteral("corvane attenuator: ")));
}

void TestCliPower::noPadYet()
{
    const CliRun run = attenuator({ QStringLiteral("--power"), QStringLiteral("1") });
    QCOMPARE(run.code, int(corvane::cli::Failure));
    QVERIFY(run.out.startsWith(QStringLiteral("Impedance: 50.0\n")));
    QVERIFY(!run.out.contains(QStringLiteral("Power")));
    QVERIFY(run.err.contains(QStringLiteral("give an attenuation")));
}

void TestCliPower::json()
{
    const CliRun run = attenuator({ QStringLiteral("--json"), QStringLiteral("--power"), QStringLiteral("10"),
                                 QStringLiteral("db=3") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    const QJsonObject power = QJsonDocument::fromJson(run.out.toUtf8()).object().value(QStringLiteral("power")).toObject();
    QCOMPARE(power.value(QStringLiteral("inputW")).toDouble(), 10.0);
    QVERIFY(near(power.value(QStringLiteral("inputDbm")).toDouble(), 40.0));
    QCOMPARE(power.value(QStringLiteral("impedOhm")).toDouble(), 50.0);
    QCOMPARE(power.value(QStringLiteral("derating")).toDouble(), 2.0);
    const QJsonObject pi = power.value(QStringLiteral("pi")).toObject();
    const QJsonObject t = power.value(QStringLiteral("t")).toObject();
    auto watts = [](const QJsonObject &pad, const char *part) {
        return pad.value(QLatin1String(part)).toObject().value(QStringLiteral("watts")).toDouble();
    };
    auto rating = [](const QJsonObject &pad, const char *part) {
        return pad.value(QLatin1String(part)).toObject().value(QStringLiteral("ratingW")).toDouble();
    };
    QVERIFY(near(watts(pi, "r1Input"), 1.7099735734361914));
    QVERIFY(near(watts(pi, "r2"), 2.4211371654448617));
    QVERIFY(near(watts(pi, "r1Output"), 0.8570169248462262));
    QVERIFY(near(pi.value(QStringLiteral("loadW")).toDouble(), 5.0118723362727255));
    QVERIFY(near(watts(t, "r3Input"), 1.709973573436187));
    QVERIFY(near(watts(t, "r4"), 2.421137165444863));
    QVERIFY(near(watts(t, "r3Output"), 0.8570169248462256));
    QCOMPARE(rating(pi, "r1Input"), 5.0);
    QCOMPARE(rating(t, "r3Output"), 2.0);

    // Over 100 W of rating there is none to name.
    const CliRun hot = attenuator({ QStringLiteral("--json"), QStringLiteral("--power=1000"), QStringLiteral("db=3") });
    const QJsonObject hotPi = QJsonDocument::fromJson(hot.out.toUtf8()).object()
            .value(QStringLiteral("power")).toObject().value(QStringLiteral("pi")).toObject();
    QVERIFY(hotPi.value(QStringLiteral("r2")).toObject().value(QStringLiteral("ratingW")).isNull());

    const CliRun without = attenuator({ QStringLiteral("--json"), QStringLiteral("db=3") });
    QVERIFY(!QJsonDocument::fromJson(without.out.toUtf8()).object().contains(QStringLiteral("power")));
}

void TestCliPower::fieldsStayAsTheyWere()
{
    const CliRun plain = attenuator({ QStringLiteral("db=10") });
    const CliRun withPower = attenuator({ QStringLiteral("db=10"), QStringLiteral("--power"), QStringLiteral("1") });
    QVERIFY(withPower.out.startsWith(plain.out));
}

QTEST_APPLESS_MAIN(TestCliPower)
#include "tst_cli_power.moc"
