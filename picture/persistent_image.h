#pragma once
// The persistent picture of a drawing surface: its pixel size and the retained list of what
// was drawn on it since the last clear. Memory does not grow with the picture's size; the
// screen, printing and every export replay the same list through a QPainter.

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <QSize>

#include <variant>
#include <vector>

class QPainter;
class QPainterPath;

namespace tavrel::picture {

// A straight line; both end points are drawn.
struct LineShape {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The part of the circle inscribed in the box between the rays from its centre through the
// start and the end point, counter-clockwise; the whole outline when the two rays coincide.
struct ArcShape {
    int left = 0, top = 0, right = 0, bottom = 0;
    int xStart = 0, yStart = 0, xEnd = 0, yEnd = 0;
};

// The whole outline of the circle inscribed in the box.
struct EllipseShape {
    int left = 0, top = 0, right = 0, bottom = 0;
};

using Shape = std::variant<LineShape, ArcShape, EllipseShape>;

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

// The same strokes as geometry, for writers that keep lines and arcs as such: a line's end
// points, or the circle inscribed in `box` from `startDegrees` through `sweepDegrees`,
// counter-clockwise as seen on screen (a sweep of 360 for a whole outline).
struct ScaledArc {
    QRectF box;
    double startDegrees = 0;
    double sweepDegrees = 360;
};
QLineF scaledLine(const LineShape& line, QSize picture);
ScaledArc scaledArc(const ArcShape& arc);
ScaledArc scaledArc(const EllipseShape& ellipse);

}  // namespace tavrel::picture
