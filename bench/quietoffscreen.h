#pragma once

#include <QtGlobal>

namespace bench {

// The offscreen platform warns about every window whose size limits it cannot
// pass on; in a benchmark that repeats a window hundreds of times the warning
// buries the results, so this one message is dropped.
inline void dropOffscreenSizeHintWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (text.contains(QLatin1String("does not support propagateSizeHints")))
            return;
        if (previous)
            previous(type, context, text);
    });
}

} // namespace bench
