#pragma once

// Drawing routines shared by the widget components: transparent stretched image drawing, the
// embossed look of disabled images, the checkerboard brush of latched buttons, the foreground
// test behind mouse-enter events and caption shortening.

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QString>

// Draws source (the whole image when its size is below 1) of image stretched onto dest (the
// image's own size when its size is below 1), leaving the destination untouched where the image
// holds the transparent colour. An invalid colour means "none": every pixel is copied. A
// monochrome image always takes white as its transparent colour.
void BlitBitmapTransparent(QPainter& painter, const QImage& image, const QColor& transparent,
                           const QRect& dest, const QRect& source);

// A new image of image's size filled with face, on which the shape of image (every pixel other
// than the transparent colour) is drawn in highlight one pixel right and down (when
// drawHighlight is set) and then in shadow at its place.
QImage MakeEmbossedBitmap(const QImage& image, const QColor& transparent, const QColor& face,
                          bool drawHighlight, const QColor& shadow, const QColor& highlight);

// The embossed look of a disabled image in the palette's button colours.
QImage MakeDisabledBitmap(const QImage& image, const QColor& transparent, const QPalette& palette);

// An 8 x 8 image of first whose pixels with row and column of equal parity take second.
QImage MakeCheckerPattern(const QColor& first, const QColor& second);

// True when the active window belongs to this program.
bool OwnsForegroundWindow();

// The text, or, while it is wider than width, ever shorter beginnings of it followed by "...".
QString FitTextWithEllipsis(const QString& text, const QFontMetrics& metrics, int width);
