#pragma once

#include "command.h"

class QTextStream;

namespace corvane {
struct CoreTable;
}

namespace corvane::cli {

// One run of a subcommand as the runner has read it: the options given, the other arguments, and where to write.
class Invocation
{
public:
    Invocation(const Command &command, ReadArguments read, QTextStream &out, QTextStream &err);

    QTextStream &out() const { return m_out; }

    bool isSet(const char *option) const { return m_read.values.contains(QLatin1String(option)); }
    // The value of the option's last occurrence.
    QString value(const char *option) const { return m_read.values.value(QLatin1String(option)); }
    // The arguments that are no option, in order.
    const QStringList &arguments() const { return m_read.others; }

    // "corvane NAME: TEXT" on standard error.
    void say(const QString &text) const;
    // The usage error: the reason and, as the subcommand has it, the line that points to --help; the exit code.
    int usageError(const QString &reason) const { return usageError(reason, m_command.hintAfterEveryError); }
    int usageError(const QString &reason, bool pointToHelp) const;
    // The usage error of an option whose value cannot be used.
    int badValue(const char *option) const;

    // The core table of --core-table FILE, or the standard one.
    QString coreTablePath() const;
    // Loads that table into 'table' and looks --core NAME up in it: the
    // record, or 0 after the usage error for a core the table lacks.
    int findCore(CoreTable &table) const;

private:
    const Command &m_command;
    QTextStream &m_out;
    QTextStream &m_err;
    ReadArguments m_read;
};

} // namespace corvane::cli
