#include "attenframe.h"

#include "schematiclines.h"
#include "twips.h"

#include <QPainter>

namespace corvane {

AttenFrame::AttenFrame(int frameNumber, const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent), m_frameNumber(frameNumber)
{
}

void AttenFrame::paintEvent(QPaintEvent *event)
{
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    for (const SchematicLine &line : schematicLines)
        if (line.frame == m_frameNumber)
            painter.drawLine(twipsToPixels(line.x1), twipsToPixels(line.y1),
                             twipsToPixels(line.x2), twipsToPixels(line.y2));
}

} // namespace corvane
