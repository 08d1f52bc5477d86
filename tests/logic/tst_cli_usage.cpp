// Mistakes on the command line: a usage error or a plain failure on standard error,
// never a window, never an abort.
#include "clirun.h"
#include "command.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

class TestCliUsage : public QObject
{
    Q_OBJECT
    QString built(const char *name) { return QCoreApplication::applicationDirPath() + "/../bin/" + name; }

private slots:
    void mistakes_data()
    {
        QTest::addColumn<QStringList>("arguments"); // TABLE: the shipped core table
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown option") << QStringList { "--bogus" } << 2 << "corvane: unknown option '--bogus'";
        QTest::newRow("option after the table") << QStringList { "--core-table", "TABLE", "-x" } << 2 << "'-x'";
        QTest::newRow("argument after the table") << QStringList { "--core-table", "TABLE", "f" } << 2 << "argument 'f'";
        QTest::newRow("table without its file") << QStringList { "--core-table" } << 2 << "needs a value";
        QTest::newRow("subcommand's unknown option") << QStringList { "attenuator", "--bogus" } << 2 << "'--bogus'";
        QTest::newRow("missing table") << QStringList { "resonance", "--core-table", "/nonexistent", "f=7.1", "c=100" }
                                       << 1 << "corvane resonance: cannot read the core table /nonexistent";
        QTest::newRow("folder as table") << QStringList { "resonance", "--core-table", "/", "f=7.1" } << 1
                                         << "cannot read the core table /";
        // The window ignores a field that reads 0: said, and the run goes on.
        QTest::newRow("zero") << QStringList { "resonance", "--core-table", "TABLE", "f=0", "c=1" } << 0 << "'f=0' reads as 0";
        QTest::newRow("point") << QStringList { "resonance", "--core-table", "TABLE", "c=." } << 0 << "'c=.' reads as 0";
    }

    void mistakes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, error);
        arguments.replaceInStrings(QStringLiteral("TABLE"), built("quillet.ini"));
        const CliRun run = runCli(arguments);
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        QCOMPARE(run.out.isEmpty(), code != 0); // a failure prints no result
        QVERIFY(corvane::cli::isCommandLine(QStringList { QStringLiteral("corvane") } + arguments));
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
        for (const corvane::cli::Command &command : corvane::cli::commands()) {
            const QString name = QString::fromLatin1(command.name);
            QStringList declared { QStringLiteral("--help") };
            for (const corvane::cli::Option &o : command.options)
                declared << QStringLiteral("--") + QLatin1String(o.name);
            declared.sort();
            const QRegularExpression synopsis(QStringLiteral("\\n\\.B corvane %1\\n(.*?)\\.br\\n").arg(name),
                                              QRegularExpression::DotMatchesEverythingOption);
            QCOMPARE(optionsIn(synopsis.match(man).captured(1)), declared);
            const QRegularExpression listed(QStringLiteral("\\n +%1\\)\\n +options=\"([^\"]*)\"").arg(name));
            QCOMPARE(optionsIn(listed.match(bash).captured(1)), declared);
            QVERIFY2(man.contains(QStringLiteral(".B %1\n").arg(name)), qPrintable(name));
            QCOMPARE(optionsIn(runCli({ name, QStringLiteral("--help") }).out), declared);
        }
    }

    void windowArguments()
    {
        for (const QStringList &window : { QStringList {}, QStringList { "--core-table", "x" },
                                           QStringList { "--core-table=x" }, QStringList { "-platform", "xcb" } })
            QVERIFY2(!corvane::cli::isCommandLine(QStringList { "corvane" } + window), qPrintable(window.join(' ')));
        QCOMPARE(corvane::cli::windowCoreTablePath({ "corvane", "-style", "x", "--core-table=a b" }), QString("a b"));
    }

    // The real program without a display: one line and status 1, or the usage error.
    void withoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display"); // empty: no DISPLAY at all
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        QTest::newRow("window") << QStringList {} << QString() << 1 << "no display could be reached (DISPLAY unset";
        QTest::newRow("unreachable display") << QStringList {} << ":64999" << 1 << "DISPLAY ':64999'";
        QTest::newRow("unknown subcommand") << QStringList { "bogus" } << QString() << 2 << "unknown subcommand";
        QTest::newRow("unknown option") << QStringList { "--bogus" } << ":64999" << 2 << "unknown option";
    }

    void withoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QFETCH(int, code);
        QFETCH(QString, error);
        const QString program = built("corvane");
        if (!QFileInfo(program).isExecutable())
            QSKIP("the program is not built");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(name));
        if (!display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), display);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(20000));
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit); // no abort
        QCOMPARE(process.exitCode(), code);
        QVERIFY2(err.contains(error), qPrintable(err));
        QCOMPARE(err.count(QLatin1Char('\n')), code == 1 ? 1 : 2); // the reason, and for usage the hint
        QVERIFY(process.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliUsage)
#include "tst_cli_usage.moc"
