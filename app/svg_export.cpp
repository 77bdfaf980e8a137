#include "svg_export.h"

#include <QFont>
#include <QPainter>
#include <QSvgGenerator>

namespace tavrel::app {

bool writeSvg(const platform::PersistentImage& image, int dotsPerInch, QIODevice& device)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setTitle("Tavrel pattern");
    generator.setDescription("A flat cutting pattern at true size.");
    generator.setSize(image.size);
    generator.setViewBox(QRect(QPoint(0, 0), image.size));
    // Width and height in millimetres: pixels x 25.4 / dots per inch.
    generator.setResolution(dotsPerInch);

    QPainter painter;
    if (!painter.begin(&generator)) return false;
    // Picture pixel (x, y) is the square from (x, y) to (x + 1, y + 1), and the screen lights the
    // pixels to the right of and below a line's points. Shifting by half a pixel puts each
    // one-pixel stroke over exactly those pixels; the area shifts back to fill the whole view box.
    painter.translate(0.5, 0.5);
    // The generator writes the painter's font on every group. Without an application the
    // default font has no size and would come out as an invalid negative font-size.
    painter.setFont(QFont("sans-serif", 12));
    const QRectF area(QPointF(-0.5, -0.5), QSizeF(image.size));
    platform::replay(image, painter, area, platform::LineWidth::OnePicturePixel);
    return painter.end();
}

}  // namespace tavrel::app
