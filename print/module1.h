#pragma once

#include <QPixmap>
#include <QSizeF>

class QImage;
class QLabel;
class QPagedPaintDevice;
class QPainter;
class QWidget;

// Capture of a window into a picture and printing of that picture, shared by
// both calculator windows.
namespace corvane::Module1 {

// True where a program may read the screen's pixels, so that the capture can
// take the outer window with its title bar and borders.
bool screenReadable();

// Picture of the whole outer window of `form`: in screen pixels with title bar,
// menu bar and borders where the screen can be read, else the window itself
// with its menu bar.
QPixmap grabFormImage(QWidget *form);

// Copies width x height pixels at (left, top) of the window into a new picture.
// The origin is the outer top-left corner of the window where the screen can
// be read, else the top-left corner of the window itself.
QPixmap grabWindowImage(QWidget *window, int left, int top, int width, int height);

// Turns captured pixels into the picture that is held and printed: opaque, so
// that the page shows the screen's colours, and of the same device pixel ratio.
QPixmap bitmapToPicture(const QImage &bitmap);

// Size of the picture in millimetres, from its pixels and the screen's
// resolution; empty for a null picture.
QSizeF pictureSizeMm(const QPixmap &picture);

// Size at which a picture of pictureMm fits an area of pageMm keeping its
// proportions: the width fills when the picture is relatively wider (or shaped
// exactly like the area), else the height fills. Empty when either is empty.
QSizeF scaledPictureSize(const QSizeF &pictureMm, const QSizeF &pageMm);

// Sets the orientation that suits the picture's shape (portrait when it is at least as tall as
// wide), measures the printable area in that orientation, starts the document with `painter` and
// paints the picture scaled to fill the page at the top-left corner of the printable area. A
// picture or printable area of zero size prints nothing and starts no document. The caller ends
// the document with painter.end() when the painter is active. Returns false only when the printer
// refused to start.
bool printScaledPicture(QPagedPaintDevice &printer, QPainter &painter, const QPixmap &picture);

// The print command of a calculator window: captures the window, holds the
// picture in Picture1 (replacing the one held before) and prints it on one page
// of the default printer. Nothing else of the window changes. Failures are
// reported through the print services and never stop the program.
void printForm(QWidget *form, QLabel *Picture1);

} // namespace corvane::Module1
