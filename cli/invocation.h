#pragma once

#include "command.h"

#include <QHash>
#include <QString>
#include <QStringList>

class QTextStream;

namespace corvane::cli {

// One run of a subcommand as the runner has read it: the options given,
// the other arguments, and where to write.
class Invocation
{
public:
    Invocation(const Command &command, QTextStream &out, QTextStream &err);

    const Command &command() const { return m_command; }
    QTextStream &out() const { return m_out; }

    bool isSet(const char *option) const { return m_values.contains(QLatin1String(option)); }
    // The value of the option's last occurrence.
    QString value(const char *option) const { return m_values.value(QLatin1String(option)); }
    // The arguments that are no option, in order.
    const QStringList &arguments() const { return m_arguments; }

    // "corvane NAME: TEXT" on standard error.
    void say(const QString &text) const;
    // The usage error: the reason, the line that points to --help; the exit code.
    int usageError(const QString &reason) const;
    // The usage error of an option whose value is missing or cannot be used.
    int badValue(const Option &option) const;
    int badValue(const char *option) const;

    // For the runner.
    void set(const QString &option, const QString &value) { m_values.insert(option, value); }
    void addArgument(const QString &argument) { m_arguments << argument; }

private:
    const Command &m_command;
    QTextStream &m_out;
    QTextStream &m_err;
    QHash<QString, QString> m_values;
    QStringList m_arguments;
};

} // namespace corvane::cli
