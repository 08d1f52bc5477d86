#include "commandline.h"
#include "coretablereport.h"
#include "platformstartguard.h"
#include "quillet.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = argumentList(argc, argv);
    if (corvane::cli::isCommandLine(arguments)) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return corvane::cli::run(arguments, out, err);
    }

    // Without a display Qt would abort; the guard says so in one line instead.
    std::optional<corvane::PlatformStartGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    // The core table: --core-table FILE when given, else the user's copy or the table beside the program.
    corvane::Quillet window(corvane::cli::windowCoreTablePath(arguments));
    // One line on standard error says which core table the window read, or
    // where none was found, so that an empty grid can be explained.
    const QString report = corvane::coreTableReport(window.solver().cores());
    if (!report.isEmpty())
        std::fprintf(stderr, "corvane: %s\n", report.toLocal8Bit().constData());
    window.show();
    return app.exec();
}
