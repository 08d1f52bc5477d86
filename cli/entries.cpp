#include "entries.h"

#include "fieldvalue.h"
#include "invocation.h"
#include "numbers.h"

#include <QLocale>

namespace corvane::cli {

namespace {

// Whether the text holds ASCII digits only, and points where 'pointsAllowed'.
bool isDigits(const QString &text, bool pointsAllowed)
{
    for (QChar c : text)
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) && !(pointsAllowed && c == QLatin1Char('.')))
            return false;
    return true;
}

} // namespace

bool readPositive(const QString &text, double &value)
{
    bool ok = false;
    value = QLocale::c().toDouble(text, &ok);
    return ok && isPositiveFinite(value);
}

int fieldByNumber(const QString &name, int fieldCount)
{
    const bool number = !name.isEmpty() && name.size() <= 2 && isDigits(name, false);
    return number && name.toInt() < fieldCount ? name.toInt() : -1;
}

bool readEntries(const Invocation &invocation, const FieldNames &names, std::vector<Entry> &entries)
{
    for (const QString &argument : invocation.arguments()) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals < 0)
            return invocation.usageError(QString::fromLatin1(names.notAnEntry).arg(argument)), false;
        const Entry entry { names.fieldOf(argument.left(equals).toLower()), argument.mid(equals + 1), argument };
        if (entry.field < 0)
            return invocation.usageError(QString::fromLatin1(names.notAField).arg(argument.left(equals))), false;
        if (!isDigits(entry.text, true))
            return invocation.usageError(QString::fromLatin1(names.notTypeable).arg(entry.text)), false;
        entries.push_back(entry);
    }
    return true;
}

void noteIfIgnored(const Invocation &invocation, const Entry &entry)
{
    if (!entry.text.isEmpty() && fieldValue(entry.text) == 0)
        invocation.say(QStringLiteral("'%1' reads as 0 and is ignored, as in the window").arg(entry.argument));
}

} // namespace corvane::cli
