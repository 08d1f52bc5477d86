#include "printservices.h"

#include "desktopprintservices.h"

namespace corvane {

namespace {

PrintServices *replacement = nullptr;

} // namespace

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
