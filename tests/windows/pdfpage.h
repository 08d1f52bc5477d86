#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

// Reads back what a print produced: the page count of a PDF file and its first
// page rendered at 72 dots per inch, so that one pixel is one point.
namespace pdfpage {

inline int pageCount(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(30000) || info.exitCode() != 0)
        return -1;
    for (const QByteArray &line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

inline QImage render(const QString &pdf)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), pdf, prefix});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

// The smallest rectangle holding every pixel darker than `below` in any channel.
inline QRect inkBounds(const QImage &page, int below = 160)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() < below || c.green() < below || c.blue() < below)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace pdfpage
