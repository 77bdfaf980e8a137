#pragma once
// The program's picture, drawn from the pattern's own figure: the window icon and the About
// box's picture.

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace tavrel::picture {

// Paints the figure (without its ruler) as large as fits in `size`, centred on white, with lines
// `lineDevicePixels` wide.
void paintPatternPicture(QPainter& painter, QSize size, int lineDevicePixels = 1);

// The picture `size` pixels large on a screen of `devicePixelRatio`, drawn in the screen's own
// pixels, its lines as thick as one pixel at a ratio of 1.
QPixmap patternPicture(QSize size, qreal devicePixelRatio = 1);

QIcon patternIcon();

}  // namespace tavrel::picture
