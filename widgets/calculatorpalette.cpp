#include "calculatorpalette.h"

#include <QPalette>
#include <QWidget>

namespace corvane {

void useCalculatorColours(QWidget *window)
{
    const QColor grey(224, 224, 224);
    // Derived from the grey: the frames' etched lines (Light, Mid, Dark) too.
    QPalette palette(grey);
    palette.setColor(QPalette::Window, grey);
    palette.setColor(QPalette::Button, grey);
    for (QPalette::ColorRole text : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, Qt::darkGray);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::darkGray);
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::darkGray);
    window->setPalette(palette);
}

} // namespace corvane
