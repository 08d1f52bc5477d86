#include "commandline.h"

#include <QTextStream>

namespace corvane::cli {

int coresCommand(const QStringList &, QTextStream &, QTextStream &err)
{
    err << "corvane cores: not available yet\n";
    return Failure;
}

} // namespace corvane::cli
