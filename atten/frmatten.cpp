#include "frmatten.h"

namespace corvane {

frmAtten::frmAtten(QWidget *parent) : QMainWindow(parent) {}

} // namespace corvane
