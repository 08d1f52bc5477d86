#include "coresizes.h"

#include "textlinereader.h"

#include <QIODevice>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace corvane {

namespace {

// A size line needs far less; a longer one is reported, not read.
constexpr qsizetype KeptBytes = 1000;

bool isSizeLine(const QByteArray &line)
{
    static const QRegularExpression keyword(QStringLiteral("^size([ \\t]|$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return keyword.match(QString::fromLatin1(line.left(5))).hasMatch();
}

// The size of a SIZE line, or the reason it gives none.
QString parseSize(const QString &line, CoreSize &size)
{
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    const QStringList fields = line.split(blanks, Qt::SkipEmptyParts);
    if (fields.size() < 5)
        return QStringLiteral("not SIZE NAME OD ID HEIGHT: %1 of the 4 fields after SIZE").arg(fields.size() - 1);
    if (fields.size() > 5)
        return QStringLiteral("something after HEIGHT");
    size.name = fields.at(1);
    const char *labels[] = { "OD", "ID", "HEIGHT" };
    double *values[] = { &size.outerInches, &size.innerInches, &size.heightInches };
    for (int i = 0; i < 3; ++i) {
        // Inches written with "." whatever the user's locale: the file is shared.
        bool ok = false;
        *values[i] = QLocale::c().toDouble(fields.at(2 + i), &ok);
        if (!ok || !std::isfinite(*values[i]))
            return QStringLiteral("%1 '%2' is not a number of inches (\".\" is the decimal point)")
                .arg(QLatin1String(labels[i]), fields.at(2 + i));
    }
    if (!(size.innerInches > 0))
        return QStringLiteral("ID must be more than 0");
    if (!(size.outerInches > size.innerInches))
        return QStringLiteral("OD must be more than ID");
    if (!(size.heightInches > 0))
        return QStringLiteral("HEIGHT must be more than 0");
    return {};
}

} // namespace

CoreSizes CoreSizes::read(QIODevice &device)
{
    CoreSizes result;
    TextLineReader lines(device, KeptBytes);
    while (lines.next()) {
        const QByteArray &head = lines.head();
        if (!isSizeLine(head))
            continue;
        const int number = lines.lineNumber();
        CoreSize size;
        QString reason = lines.cut() ? QStringLiteral("longer than %1 bytes").arg(KeptBytes)
                                     : parseSize(QString::fromUtf8(head), size);
        if (const CoreSize *first = reason.isEmpty() ? result.named(size.name) : nullptr)
            reason = QStringLiteral("%1 has a size already (line %2)").arg(size.name).arg(first->lineNumber);
        if (!reason.isEmpty()) {
            result.badLines.append({ number, reason });
            continue;
        }
        size.lineNumber = number;
        result.sizes.append(size);
    }
    return result;
}

const CoreSize *CoreSizes::named(const QString &name) const
{
    for (const CoreSize &size : sizes)
        if (size.name.compare(name, Qt::CaseInsensitive) == 0)
            return &size;
    return nullptr;
}

std::optional<CoreSize> CoreSizes::forCore(const QString &coreName) const
{
    if (const CoreSize *own = named(coreName))
        return *own;
    const qsizetype mix = coreName.lastIndexOf(QLatin1Char('-'));
    if (mix > 0) {
        if (const CoreSize *family = named(coreName.left(mix)))
            return *family;
    }
    return std::nullopt;
}

} // namespace corvane
