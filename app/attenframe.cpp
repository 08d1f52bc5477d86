#include "attenframe.h"

#include "schematiclines.h"
#include "twips.h"

#include <QPainter>

namespace corvane {

AttenFrame::AttenFrame(int frameNumber, const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent), m_frameNumber(frameNumber)
{
}

void AttenFrame::paintEvent(QPaintEvent *)
{
    // An etched border whose top line runs through the middle of the caption.
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect border(0, top, width() - 2, height() - top - 2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());

    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    for (const SchematicLine &line : schematicLines)
        if (line.frame == m_frameNumber)
            painter.drawLine(twipsToPixels(line.x1), twipsToPixels(line.y1),
                             twipsToPixels(line.x2), twipsToPixels(line.y2));
}

} // namespace corvane
