// The command line: exit codes and the lines each subcommand prints.
#include "clirun.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT
private slots:
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
        QTest::newRow("unknown subcommand") << L { "bogus" } << 2 << none << "Subcommands:";
        QTest::newRow("version") << L { "--version" } << 0 << L { "corvane 2.0.0" } << "";
        // The worked example: 7.1 MHz and 100 pF give 224 ohms and 5.02 uH; core X takes 10 turns,
        // which give 4.9 uH, -2.48 %, and resonate at 1 / (2 pi sqrt(4.9e-6 100e-12)) = 7.190 MHz.
        QTest::newRow("resonance") << L { "resonance", "--core-table", "@three.ini", "f=7.1", "c=100" } << 0
                << L { "Frequency MHz: 7.100", "Capacitance pF: 100", "Inductance uH: 5.02", "Impedance ohms: 224",
                       "X: 10 turns 11\"", "  10 turns give 4.900 uH (-2.48 %), resonant at 7.190 MHz with 100 pF",
                       "Y: 11 turns 16\"" } << "";
        QTest::newRow("turns by core") << L { "resonance", "--core-table", "@three.ini", "f=7.1", "t1=20" } << 0
                << L { "Capacitance pF: 26", "Inductance uH: 19.60", "Impedance ohms: 874", "X: 20 turns 20\"" } << "";
        QTest::newRow("a field left twice") << L { "resonance", "--core-table", "@three.ini", "f=7.1", "f=8" } << 0
                << L { "Frequency MHz: 8" } << "";
        QTest::newRow("resonance without entries") << L { "resonance" } << 2 << none << "no ENTRY given";
        QTest::newRow("unknown field") << L { "resonance", "q=1" } << 2 << none << "'q' is not a field";
        QTest::newRow("untypeable text") << L { "resonance", "f=-1" } << 2 << none << "cannot be typed";
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
        // 1 W into the matched 10 dB Pi pad: R1 in 50 / 96.25 = 0.519 W (rating at least 1.04 W: 2 W),
        // R2 (V1 / (R2 + R1 || 50))^2 R2 = 0.329 W (1 W), R1 out 5 / 96.25 = 0.0519 W (1/8 W), load 0.1 W.
        QTest::newRow("power") << L { "attenuator", "--power", "30dBm", "db=10" } << 0
                << L { "Power in: 1.00 W (30.0 dBm), pads terminated in 50.0 ohms", "Pi R1 (input): 0.519 W, rating 2 W",
                       "Pi R2: 0.329 W, rating 1 W", "Pi R1 (output): 0.0519 W, rating 1/8 W", "Pi load: 0.100 W" } << "";
        QTest::newRow("power without a pad") << L { "attenuator", "--power", "1" } << 1 << L { "Impedance: 50.0" }
                                             << "give an attenuation";
        QTest::newRow("refused entry") << L { "attenuator", "r1=40", "db=10" } << 3 << L { "Attenuation dB:" }
                << "'r1=40' refused: R1 must be larger than the impedance when no attenuation is set";
        QTest::newRow("bad power") << L { "attenuator", "--power", "0", "db=10" } << 2 << none << "is no power";
        QTest::newRow("al") << L { "al", "N=10", "L=0.49" } << 0
                            << L { "AL: 4.9 nH/turn^2 (49 uH per 100 turns)", "Core table AL: 4.9" } << "";
        QTest::newRow("al without L") << L { "al", "N=10" } << 2 << none << "give both";
        QTest::newRow("al twice") << L { "al", "N=10", "n=3", "L=1" } << 2 << none << "N is given twice";
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


QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
