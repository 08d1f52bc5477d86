// corvane al: the AL of a core from a measured winding, AL = L[nH] / N^2.
#include "clirun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QtTest>

class TestCliAl : public QObject
{
    Q_OBJECT
private slots:
    void alOfAWinding_data();
    void alOfAWinding();
    void json();
    void badInput_data();
    void badInput();
    void helpAndListing();
};

void TestCliAl::alOfAWinding_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("al");
    QTest::addColumn<QString>("per100");
    // 490 nH / 100 = 4.9; 1000 / 49 = 20.408; 19600 / 400 = 49; 5600 / 9 = 622.2.
    QTest::newRow("T50-2") << QStringList { "N=10", "L=0.49" } << "4.9" << "49";
    QTest::newRow("seven turns") << QStringList { "N=7", "L=1" } << "20.41" << "204.1";
    QTest::newRow("lower case, L first") << QStringList { "l=19.6", "n=20" } << "49" << "490";
    QTest::newRow("ferrite") << QStringList { "N=3", "L=5.6" } << "622.2" << "6222";
    QTest::newRow("one turn") << QStringList { "N=1", "L=1000" } << "1000000" << "10000000";
    QTest::newRow("a fraction of a nH") << QStringList { "N=100", "L=0.5" } << "0.05" << "0.5";
}

void TestCliAl::alOfAWinding()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, al);
    QFETCH(QString, per100);
    const CliRun run = runCli(QStringList { QStringLiteral("al") } + arguments);
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QCOMPARE(run.out, QStringLiteral("AL: %1 nH/turn^2 (%2 uH per 100 turns)\nCore table AL: %1\n").arg(al, per100));
    QVERIFY(run.err.isEmpty());
}

void TestCliAl::json()
{
    const CliRun run = runCli({ QStringLiteral("al"), QStringLiteral("--json"), QStringLiteral("N=7"),
                             QStringLiteral("L=1") });
    QCOMPARE(run.code, int(corvane::cli::Ok));
    QJsonParseError error {};
    const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(o.value(QStringLiteral("turns")).toDouble(), 7.0);
    QCOMPARE(o.value(QStringLiteral("microhenries")).toDouble(), 1.0);
    QVERIFY(qFuzzyCompare(o.value(QStringLiteral("al")).toDouble(), 20.408163265306122));
    QVERIFY(qFuzzyCompare(o.value(QStringLiteral("uhPer100Turns")).toDouble(), 204.08163265306122));
    QCOMPARE(o.value(QStringLiteral("tableValue")).toString(), QStringLiteral("20.41"));
}

void TestCliAl::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QStringList {} << "give both";
    QTest::newRow("no inductance") << QStringList { "N=10" } << "give both";
    QTest::newRow("no turns") << QStringList { "L=1" } << "give both";
    QTest::newRow("zero turns") << QStringList { "N=0", "L=1" } << "positive number";
    QTest::newRow("negative inductance") << QStringList { "N=10", "L=-1" } << "positive number";
    QTest::newRow("not a number") << QStringList { "N=ten", "L=1" } << "positive number";
    QTest::newRow("empty") << QStringList { "N=", "L=1" } << "positive number";
    QTest::newRow("comma") << QStringList { "N=10", "L=0,49" } << "positive number";
    QTest::newRow("infinite") << QStringList { "N=10", "L=inf" } << "positive number";
    QTest::newRow("twice") << QStringList { "N=10", "n=11", "L=1" } << "given twice";
    QTest::newRow("unknown key") << QStringList { "N=10", "C=1" } << "is not N=TURNS";
    QTest::newRow("no equals sign") << QStringList { "10", "L=1" } << "is not N=TURNS";
    QTest::newRow("unknown option") << QStringList { "--bogus", "N=1", "L=1" } << "unknown option";
    QTest::newRow("beyond a double") << QStringList { "N=1e-200", "L=1e200" } << "no usable AL";
}

void TestCliAl::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CliRun run = runCli(QStringList { QStringLiteral("al") } + arguments);
    QCOMPARE(run.code, int(corvane::cli::Usage));
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith(QStringLiteral("corvane al: ")));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TestCliAl::helpAndListing()
{
    const CliRun help = runCli({ QStringLiteral("al"), QStringLiteral("--help") });
    QCOMPARE(help.code, int(corvane::cli::Ok));
    QVERIFY(help.out.contains(QStringLiteral("N=TURNS L=MICROHENRIES")));
    QVERIFY(corvane::cli::isCommandLine({ QStringLiteral("corvane"), QStringLiteral("al") }));
    const CliRun usage = runCli({ QStringLiteral("--help") });
    QVERIFY(usage.out.contains(QStringLiteral("\n  al ")));
}

QTEST_APPLESS_MAIN(TestCliAl)
#include "tst_cli_al.moc"
