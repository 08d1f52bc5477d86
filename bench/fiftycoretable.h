#pragma once

#include <QByteArrayList>
#include <QFile>
#include <QString>

namespace bench {

// The benchmarks load a full table of 50 cores: the shipped file, with its
// records repeated after it until there are 50.
inline bool writeFiftyCoreTable(const QString &path)
{
    QFile shipped(QStringLiteral(CORVANE_SHIPPED_TABLE));
    if (!shipped.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = shipped.readAll();
    QByteArrayList records;
    for (const QByteArray &line : text.split('\n'))
        if (line.startsWith('@'))
            records.append(line.trimmed());
    if (records.isEmpty())
        return false;
    QByteArray table = text;
    if (!table.endsWith('\n'))
        table += "\r\n";
    for (qsizetype i = records.size(); i < 50; ++i)
        table += records.at(i % records.size()) + "\r\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(table) == table.size();
}

} // namespace bench
