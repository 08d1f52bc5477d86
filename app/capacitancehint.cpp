#include "quillet.h"

#include "capacitorhint.h"

namespace corvane {

void Quillet::showCapacitanceHint()
{
    // The description's first line is the one that tells the keys.
    FieldEdit *field = txt(1);
    showHint(field, capacitorHintText(capacitorHint(m_solver)),
             field->accessibleDescription().section(QLatin1Char('\n'), 0, 0));
}

} // namespace corvane
