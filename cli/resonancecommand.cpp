#include "commandline.h"

#include <QTextStream>

namespace corvane::cli {

int resonanceCommand(const QStringList &, QTextStream &, QTextStream &err)
{
    err << "corvane resonance: not available yet\n";
    return Failure;
}

} // namespace corvane::cli
