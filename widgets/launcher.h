#pragma once

#include <QStringList>
#include <QUrl>

#include <functional>

namespace corvane {

// Every outside program the windows start goes through here: a program with
// its arguments, or a document or link opened by the desktop. Tests replace the
// two functions to see the exact target without starting anything.
class Launcher
{
public:
    using StartProgram = std::function<bool(const QString &program, const QStringList &arguments)>;
    using OpenUrl = std::function<bool(const QUrl &url)>;

    // Starts the program and returns at once; true when it started.
    static bool startProgram(const QString &program, const QStringList &arguments);
    // Hands the document or link to the desktop; true when it was taken.
    static bool openUrl(const QUrl &url);

    // Puts other functions in place of the desktop's; empty ones give them back.
    static void replace(StartProgram startProgram, OpenUrl openUrl);
};

} // namespace corvane
