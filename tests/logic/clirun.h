#pragma once

#include "commandline.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cmath>

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

// Two JSON values alike: the same keys, texts and nulls, numbers within 'relative' of the larger
// plus 'absolute' of each other.
inline bool sameJson(const QJsonValue &a, const QJsonValue &b, double relative, double absolute = 0)
{
    const auto same = [&](const QJsonValue &p, const QJsonValue &q) { return sameJson(p, q, relative, absolute); };
    if (a.isDouble() && b.isDouble())
        return std::fabs(a.toDouble() - b.toDouble())
            <= relative * std::max(std::fabs(a.toDouble()), std::fabs(b.toDouble())) + absolute;
    if (a.isArray() && b.isArray()) {
        const QJsonArray x = a.toArray(), y = b.toArray();
        return x.size() == y.size() && std::equal(x.begin(), x.end(), y.begin(), same);
    }
    const QJsonObject x = a.toObject(), y = b.toObject();
    if (!a.isObject() || !b.isObject() || x.keys() != y.keys())
        return a == b;
    const QStringList keys = x.keys();
    return std::all_of(keys.begin(), keys.end(), [&](const QString &key) { return same(x.value(key), y.value(key)); });
}
