#include "quillet.h"

namespace corvane {

Quillet::Quillet(const QString &, QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Corvane"));
}

} // namespace corvane
