#include "module1.h"

#include <QGuiApplication>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace corvane::Module1 {

constexpr qreal mmPerInch = 25.4;

bool screenReadable()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows")
        || platform == QLatin1String("cocoa");
}

QPixmap grabFormImage(QWidget *form)
{
    if (!form)
        return QPixmap();
    QWidget *window = form->window();
    const QSize size = screenReadable() ? window->frameGeometry().size() : window->size();
    return grabWindowImage(window, 0, 0, size.width(), size.height());
}

QPixmap grabWindowImage(QWidget *window, int left, int top, int width, int height)
{
    if (!window || width <= 0 || height <= 0)
        return QPixmap();
    if (screenReadable()) {
        // Whatever the screen shows in the outer rectangle, the frame included.
        QScreen *screen = window->screen();
        const QPoint origin = window->frameGeometry().topLeft() - screen->geometry().topLeft();
        return bitmapToPicture(
            screen->grabWindow(0, origin.x() + left, origin.y() + top, width, height).toImage());
    }
    // No screen to read: the window paints itself, menu bar included.
    return bitmapToPicture(window->grab(QRect(left, top, width, height)).toImage());
}

QPixmap bitmapToPicture(const QImage &bitmap)
{
    if (bitmap.isNull())
        return QPixmap();
    // A translucent window would print its transparent parts in any colour the
    // printer likes; the picture keeps only what the screen shows.
    QImage opaque = bitmap.convertToFormat(QImage::Format_RGB32);
    opaque.setDevicePixelRatio(bitmap.devicePixelRatio());
    return QPixmap::fromImage(opaque);
}

QSizeF pictureSizeMm(const QPixmap &picture)
{
    if (picture.isNull())
        return QSizeF();
    // A held pixmap reports the screen's logical resolution.
    const qreal ratio = picture.devicePixelRatio();
    return QSizeF(picture.width() / ratio / picture.logicalDpiX() * mmPerInch,
                  picture.height() / ratio / picture.logicalDpiY() * mmPerInch);
}

QSizeF scaledPictureSize(const QSizeF &pictureMm, const QSizeF &pageMm)
{
    if (pictureMm.isEmpty() || pageMm.isEmpty())
        return QSizeF();
    const qreal pictureRatio = pictureMm.width() / pictureMm.height();
    const qreal pageRatio = pageMm.width() / pageMm.height();
    if (pictureRatio >= pageRatio)
        return QSizeF(pageMm.width(), pageMm.width() / pictureRatio);
    return QSizeF(pageMm.height() * pictureRatio, pageMm.height());
}

bool printScaledPicture(QPagedPaintDevice &printer, QPainter &painter, const QPixmap &picture)
{
    const QSizeF pictureMm = pictureSizeMm(picture);
    if (pictureMm.isEmpty())
        return true;
    // The orientation first, so that the page measured is the page printed.
    printer.setPageOrientation(pictureMm.height() >= pictureMm.width() ? QPageLayout::Portrait
                                                                       : QPageLayout::Landscape);
    const QSizeF pageMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const QSizeF outputMm = scaledPictureSize(pictureMm, pageMm);
    if (outputMm.isEmpty())
        return true;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the top-left corner of the printable area.
    const QRectF target(0, 0, outputMm.width() / mmPerInch * printer.logicalDpiX(),
                        outputMm.height() / mmPerInch * printer.logicalDpiY());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
    return true;
}

} // namespace corvane::Module1
