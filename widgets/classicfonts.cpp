#include "classicfonts.h"

namespace corvane {

QFont msSansSerif(qreal points, bool bold)
{
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                       QStringLiteral("Arial"), QStringLiteral("Liberation Sans") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont courierNew(qreal points)
{
    QFont font;
    font.setFamilies({ QStringLiteral("Courier New"), QStringLiteral("Liberation Mono") });
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

} // namespace corvane
