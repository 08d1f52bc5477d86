#include "commandline.h"

#include "invocation.h"
#include "numbers.h"
#include "output.h"

#include <QLocale>
#include <QTextStream>

namespace corvane::cli {

namespace {

// Four significant digits, without the zeros a table entry does not need.
QString tableNumber(double value)
{
    return significantText(value, 4);
}

int run(Invocation &invocation)
{
    // N=TURNS and L=MICROHENRIES, in either order.
    double numbers[2] = {};
    bool given[2] = {};
    for (const QString &argument : invocation.arguments()) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.left(equals).toUpper();
        const int which = equals < 0 ? -1 : name == QLatin1String("N") ? 0 : name == QLatin1String("L") ? 1 : -1;
        if (which < 0)
            return invocation.usageError(QStringLiteral("'%1' is not N=TURNS or L=MICROHENRIES").arg(argument));
        if (given[which])
            return invocation.usageError(QStringLiteral("%1 is given twice").arg(name));
        bool ok = false;
        const QString text = argument.mid(equals + 1).trimmed();
        numbers[which] = QLocale::c().toDouble(text, &ok);
        if (!ok || !isPositiveFinite(numbers[which]))
            return invocation.usageError(
                    QStringLiteral("%1 must be a positive number, not '%2'").arg(name, argument.mid(equals + 1)));
        given[which] = true;
    }
    if (!given[0] || !given[1])
        return invocation.usageError(QStringLiteral("give both N=TURNS and L=MICROHENRIES"));

    // N turns give N^2 * AL nH.
    const double turns = numbers[0];
    const double microhenries = numbers[1];
    const double al = microhenries * 1000 / (turns * turns);
    if (!isPositiveFinite(al))
        return invocation.usageError(QStringLiteral("these numbers give no usable AL"));
    const double uhPer100Turns = al * 10; // 100^2 * AL nH

    if (invocation.isSet("json"))
        printJson(invocation.out(), QJsonObject { { QStringLiteral("turns"), turns },
                                                  { QStringLiteral("microhenries"), microhenries },
                                                  { QStringLiteral("al"), al },
                                                  { QStringLiteral("uhPer100Turns"), uhPer100Turns },
                                                  { QStringLiteral("tableValue"), tableNumber(al) } });
    else
        invocation.out() << "AL: " << tableNumber(al) << " nH/turn^2 (" << tableNumber(uhPer100Turns)
                         << " uH per 100 turns)\n"
                         << "Core table AL: " << tableNumber(al) << '\n';
    return Ok;
}

} // namespace

Command alCommand()
{
    return { "al", "the AL of a core from a measured winding", "the usage", true, { { "json", nullptr, nullptr } },
             run };
}

} // namespace corvane::cli
