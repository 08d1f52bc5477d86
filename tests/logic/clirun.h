#pragma once

#include "commandline.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// One run of the command-line mode with its exit code and both outputs.
struct CliRun
{
    int code = -1;
    QString out;
    QString err;
};

// Runs "corvane ARGUMENTS..." as the program would.
inline CliRun runCli(const QStringList &arguments)
{
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.code = corvane::cli::run(QStringList { QStringLiteral("corvane") } + arguments, out, err);
    out.flush();
    err.flush();
    return run;
}

// Runs "corvane attenuator ARGUMENTS...".
inline CliRun attenuator(const QStringList &arguments)
{
    return runCli(QStringList { QStringLiteral("attenuator") } + arguments);
}
