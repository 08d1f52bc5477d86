#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

class QTextStream;

namespace corvane::cli {

// The JSON document of a result, indented, as every subcommand prints it.
void printJson(QTextStream &out, const QJsonObject &object);

// "LABEL: TEXT", or "LABEL:" for an empty text: one field of a window.
void printField(QTextStream &out, const QString &label, const QString &text);

// The texts of a window's fields.
template<typename Texts>
QJsonArray textsJson(const Texts &texts)
{
    return QJsonArray::fromStringList(QStringList(texts.begin(), texts.end()));
}

// A number of the core table as short as it reads back: 0.627, 4.9, 10.
QString tableFigure(double value);

// The number, or null while it is not known.
QJsonValue numberOrNull(bool known, double value);
QJsonValue finiteOrNull(double value);

} // namespace corvane::cli
