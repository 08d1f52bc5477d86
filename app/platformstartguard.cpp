#include "platformstartguard.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace corvane {

namespace {

struct HeldMessage { QtMsgType type; QByteArray category, file, function; int line; QString text; };

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt would abort after its message: one plain line and a failure status instead.
        std::fprintf(stderr, "%s", PlatformStartGuard::noDisplayMessage().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({ type, context.category, context.file, context.function, context.line, text });
}

QByteArray variable(const char *name)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QByteArray("unset") : "'" + value + "'";
}

} // namespace

PlatformStartGuard::PlatformStartGuard()
{
    previousHandler = qInstallMessageHandler(holdOrFail);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &m : heldMessages) {
        const QMessageLogContext context(m.file.isEmpty() ? nullptr : m.file.constData(), m.line,
                                         m.function.isEmpty() ? nullptr : m.function.constData(),
                                         m.category.isEmpty() ? nullptr : m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    heldMessages.clear();
}

QByteArray PlatformStartGuard::noDisplayMessage()
{
    return "corvane: cannot open the window: no display could be reached (DISPLAY " + variable("DISPLAY")
            + ", WAYLAND_DISPLAY " + variable("WAYLAND_DISPLAY")
            + "); start it on a desktop or under xvfb-run, or give a subcommand (corvane --help)\n";
}

} // namespace corvane
