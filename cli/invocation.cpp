#include "invocation.h"

#include "commandline.h"

#include <QTextStream>

namespace corvane::cli {

Invocation::Invocation(const Command &command, QTextStream &out, QTextStream &err)
    : m_command(command), m_out(out), m_err(err)
{
}

void Invocation::say(const QString &text) const
{
    m_err << "corvane " << m_command.name << ": " << text << '\n';
}

int Invocation::usageError(const QString &reason) const
{
    say(reason);
    m_err << "Run 'corvane " << m_command.name << " --help' for " << m_command.hintTopic << ".\n";
    return Usage;
}

int Invocation::badValue(const Option &option) const
{
    if (option.complaint)
        return usageError(QLatin1String(option.complaint));
    return usageError(QStringLiteral("option '--%1' needs a value").arg(QLatin1String(option.name)));
}

int Invocation::badValue(const char *option) const
{
    for (const Option &o : m_command.options)
        if (qstrcmp(o.name, option) == 0)
            return badValue(o);
    return Usage;
}

} // namespace corvane::cli
