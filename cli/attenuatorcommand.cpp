#include "commandline.h"

#include <QTextStream>

namespace corvane::cli {

int attenuatorCommand(const QStringList &, QTextStream &, QTextStream &err)
{
    err << "corvane attenuator: not available yet\n";
    return Failure;
}

} // namespace corvane::cli
