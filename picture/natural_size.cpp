#include "picture/natural_size.h"

#include <QPainter>

namespace tavrel::picture {

void drawAtNaturalSize(QPainter& painter, const PersistentImage& image, double twipsPerPixelX,
                       double twipsPerPixelY, QPointF originTwips, const QRectF& windowTwips)
{
    const QRectF window = windowTwips.translated(-originTwips);
    const QRectF area = QRectF(window.x() / twipsPerPixelX, window.y() / twipsPerPixelY,
                               window.width() / twipsPerPixelX, window.height() / twipsPerPixelY)
                            .intersected(QRectF(QPointF(0, 0), QSizeF(image.size)));
    if (area.isEmpty()) return;
    painter.save();
    painter.setClipRect(windowTwips, Qt::IntersectClip);
    painter.translate(originTwips);
    painter.scale(twipsPerPixelX, twipsPerPixelY);
    replay(image, painter, area, LineWidth::OnePicturePixel);
    painter.restore();
}

}  // namespace tavrel::picture
