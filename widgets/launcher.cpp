#include "launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace corvane {

namespace {

Launcher::StartProgram &startFunction()
{
    static Launcher::StartProgram function;
    return function;
}

Launcher::OpenUrl &openFunction()
{
    static Launcher::OpenUrl function;
    return function;
}

} // namespace

bool Launcher::startProgram(const QString &program, const QStringList &arguments)
{
    if (startFunction())
        return startFunction()(program, arguments);
    return QProcess::startDetached(program, arguments);
}

bool Launcher::openUrl(const QUrl &url)
{
    if (openFunction())
        return openFunction()(url);
    return QDesktopServices::openUrl(url);
}

void Launcher::replace(StartProgram startProgram, OpenUrl openUrl)
{
    startFunction() = std::move(startProgram);
    openFunction() = std::move(openUrl);
}

} // namespace corvane
