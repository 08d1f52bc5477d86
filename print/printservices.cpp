#include "printservices.h"

#include "desktopprintservices.h"

namespace corvane {

// The services a test put in place; none unless replaced.
static PrintServices *replacement = nullptr;

PrintServices &PrintServices::current()
{
    static DesktopPrintServices desktop;
    return replacement ? *replacement : desktop;
}

void PrintServices::setCurrent(PrintServices *services)
{
    replacement = services;
}

} // namespace corvane
