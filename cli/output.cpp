#include "output.h"

#include <QJsonDocument>
#include <QLocale>
#include <QTextStream>

#include <cmath>

namespace corvane::cli {

void printJson(QTextStream &out, const QJsonObject &object)
{
    out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

void printField(QTextStream &out, const QString &label, const QString &text)
{
    out << label << ':';
    if (!text.isEmpty())
        out << ' ' << text;
    out << '\n';
}

QString tableFigure(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QJsonValue numberOrNull(bool known, double value)
{
    return known ? QJsonValue(value) : QJsonValue();
}

QJsonValue finiteOrNull(double value)
{
    return numberOrNull(std::isfinite(value), value);
}

} // namespace corvane::cli
