#include "invocation.h"

#include "commandline.h"
#include "coretable.h"

#include <QTextStream>

namespace corvane::cli {

Invocation::Invocation(const Command &command, ReadArguments read, QTextStream &out, QTextStream &err)
    : m_command(command), m_out(out), m_err(err), m_read(std::move(read))
{
}

void Invocation::say(const QString &text) const
{
    m_err << "corvane " << m_command.name << ": " << text << '\n';
}

int Invocation::usageError(const QString &reason, bool pointToHelp) const
{
    say(reason);
    if (pointToHelp)
        m_err << "Run 'corvane " << m_command.name << " --help' for " << m_command.hintTopic << ".\n";
    return Usage;
}

int Invocation::badValue(const char *option) const
{
    for (const Option &o : m_command.options)
        if (qstrcmp(o.name, option) == 0)
            return usageError(QLatin1String(o.complaint));
    return Usage;
}

QString Invocation::coreTablePath() const
{
    return isSet("core-table") ? value("core-table") : defaultCoreTablePath();
}

int Invocation::findCore(CoreTable &table) const
{
    table = CoreTable::load(coreTablePath());
    const QString wanted = value("core").toUpper();
    for (int i = 1; i <= table.coreCount; ++i)
        if (table.coreName[std::size_t(i)] == wanted)
            return i;
    usageError(QStringLiteral("no core %1 in the core table %2").arg(wanted, table.path));
    return 0;
}

} // namespace corvane::cli
