#pragma once
// The persistent picture of a drawing surface: its pixel size and the retained list of what
// was drawn on it since the last clear. Memory does not grow with the picture's size; the
// screen, printing and every export replay the same list through a QPainter.

#include "pattern/shapes.h"

#include <QColor>
#include <QRectF>
#include <QSize>

#include <vector>

class QPainter;
class QPainterPath;

namespace tavrel::picture {

using LineShape = pattern::LineShape;
using ArcShape = pattern::ArcShape;
using EllipseShape = pattern::EllipseShape;
using Shape = pattern::Shape;

struct PersistentImage {
    QSize size;
    QColor background = Qt::white;
    QColor foreground = Qt::black;
    std::vector<Shape> shapes;
};

// How replay draws lines: on screen and in raster exports the one-pixel line is cosmetic (the
// painter is unscaled); on paper and in vector exports it is one picture pixel wide, scaled.
enum class LineWidth { OneDevicePixel, OnePicturePixel };

// Whether replay paints the background first, or the device already shows it there.
enum class Background { Fill, AlreadyFilled };

// Fills the background over `area` (picture pixels) and draws every shape that may touch it.
// The painter's transform maps picture pixels to the device. With device-pixel lines,
// `devicePixels` widens them, centred on the one-pixel line (a projector's thicker lines).
void replay(const PersistentImage& image, QPainter& painter, const QRectF& area, LineWidth width,
            Background background = Background::Fill, int devicePixels = 1);

// The path that replay with one-picture-pixel lines strokes for a shape, in picture pixels
// before the half pixel's shift that puts the stroke over the screen's pixels.
QPainterPath scaledOutline(const Shape& shape, QSize picture);

// The picture's size as plain geometry.
inline pattern::PixelSize pixelSize(QSize size)
{
    return {size.width(), size.height()};
}

}  // namespace tavrel::picture
