#include "export/svg_export.h"

#include <QFont>
#include <QPainter>
#include <QSvgGenerator>

namespace tavrel::exporting {

bool writeSvg(const picture::PersistentImage& image, int dotsPerInch, QIODevice& device)
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
    // The generator writes the painter's font on every group. Without an application the
    // default font has no size and would come out as an invalid negative font-size.
    painter.setFont(QFont("sans-serif", 12));
    picture::replay(image, painter, QRectF(QPointF(0, 0), QSizeF(image.size)),
                     picture::LineWidth::OnePicturePixel);
    return painter.end();
}

}  // namespace tavrel::exporting
