#pragma once

#include <QtGlobal>

namespace corvane {

// Guards the start of Qt's window platform. Without a display (or with one that
// cannot be reached, or without a platform plugin) Qt ends the program with an
// abort and several lines of its own; while a guard lives, that failure instead
// prints one line on standard error and ends the program with exit status 1.
// Qt's other messages of the start are held back and passed on when the guard
// goes, so a good start prints what it always did.
class PlatformStartGuard
{
public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;

    // The line said when no window can be opened, naming the display variables.
    static QByteArray noDisplayMessage();
};

} // namespace corvane
