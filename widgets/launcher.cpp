#include "launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace corvane {

namespace {

// Empty unless a test put its own in place.
Launcher::StartProgram startFunction;
Launcher::OpenUrl openFunction;

} // namespace

bool Launcher::startProgram(const QString &program, const QStringList &arguments)
{
    if (startFunction)
        return startFunction(program, arguments);
    return QProcess::startDetached(program, arguments);
}

bool Launcher::openUrl(const QUrl &url)
{
    if (openFunction)
        return openFunction(url);
    return QDesktopServices::openUrl(url);
}

void Launcher::replace(StartProgram startProgram, OpenUrl openUrl)
{
    startFunction = std::move(startProgram);
    openFunction = std::move(openUrl);
}

} // namespace corvane
