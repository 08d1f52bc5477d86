#include "coretable.h"

namespace corvane {

CoreTable CoreTable::load(const QString &) { return CoreTable(); }
CoreTable CoreTable::read(QIODevice &) { return CoreTable(); }

} // namespace corvane
