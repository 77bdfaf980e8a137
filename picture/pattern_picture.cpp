#include "picture/pattern_picture.h"

#include "picture/pattern_image.h"

#include <QPainter>

#include <algorithm>

namespace tavrel::picture {

void paintPatternPicture(QPainter& painter, QSize size, int lineDevicePixels)
{
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    // The figure spans 3M across and reaches down to 3.25M; keep a pixel of margin.
    const float M = std::max(1.0f, std::min((size.width() - 2) / 3.0f, (size.height() - 2) / 3.25f));
    const auto plan = pattern::planPattern(M, pattern::Screen{}, measure::UnitSystem::Inch);
    if (!plan) return;
    pattern::PatternPlan figureOnly = *plan;
    figureOnly.ruler.clear();
    const picture::PersistentImage image = patternImage(figureOnly);

    painter.save();
    painter.translate((size.width() - 3.0 * M) / 2.0, (size.height() - 3.25 * M) / 2.0);
    picture::replay(image, painter, QRectF(-1, -1, 3 * M + 2, 3.25 * M + 2),
                    picture::LineWidth::OneDevicePixel, picture::Background::Fill,
                    lineDevicePixels);
    painter.restore();
}

QPixmap patternPicture(QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap((QSizeF(size) * devicePixelRatio).toSize());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    paintPatternPicture(painter, size, std::max(1, qRound(devicePixelRatio)));
    return pixmap;
}

QIcon patternIcon()
{
    QIcon icon;
    // The window system receives every size when the window first shows; larger icons for
    // docks and menus come from the installed icon theme.
    for (const int side : {16, 24, 32, 48, 64}) icon.addPixmap(patternPicture({side, side}));
    return icon;
}

}  // namespace tavrel::picture
