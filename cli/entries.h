#pragma once

#include <QString>

#include <vector>

namespace corvane::cli {

class Invocation;

// A FIELD=TEXT argument: a text typed into a field of a calculator window.
struct Entry
{
    int field = 0;
    QString text;
    QString argument;
};

// How a subcommand names the fields of its calculator, and words the
// mistakes in an entry: %1 is the argument, the FIELD and the TEXT.
struct FieldNames
{
    int (*fieldOf)(const QString &lowerName); // -1 for no field
    const char *notAnEntry;
    const char *notAField;
    const char *notTypeable;
};

// A plain number above 0 in an option or a measurement: C locale, blanks around it allowed.
bool readPositive(const QString &text, double &value);

// A field given by its number, below 'fieldCount'; -1 when 'name' is none.
int fieldByNumber(const QString &name, int fieldCount);

// Reads every argument of the invocation as an entry; false after a usage
// error. TEXT must be what the keyboard lets into a field: digits and ".".
bool readEntries(const Invocation &invocation, const FieldNames &names, std::vector<Entry> &entries);

// The window ignores an entry that reads as 0 (an empty text only empties the field): says so on standard error.
void noteIfIgnored(const Invocation &invocation, const Entry &entry);

} // namespace corvane::cli
