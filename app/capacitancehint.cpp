#include "quillet.h"

#include "capacitorhint.h"
#include "fieldedit.h"

namespace corvane {

void Quillet::showCapacitanceHint()
{
    FieldEdit *field = m_txt[1];
    const QString hint = capacitorHintText(capacitorHint(m_solver));
    if (field->toolTip() == hint)
        return;
    field->setToolTip(hint);
    // A screen reader speaks the description, not the tooltip: it gets both.
    // The description's first line is the one that tells the keys.
    const QString keys = field->accessibleDescription().section(QLatin1Char('\n'), 0, 0);
    field->setAccessibleDescription(hint.isEmpty() ? keys : keys + QLatin1Char('\n') + hint);
}

} // namespace corvane
