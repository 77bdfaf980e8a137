#pragma once
// The program's picture, drawn from the pattern's own figure: the window icon and the About
// box's picture.

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace tavrel::picture {

// Paints the figure (without its ruler) as large as fits in `size`, centred on white.
void paintPatternPicture(QPainter& painter, QSize size);

QPixmap patternPicture(QSize size);

QIcon patternIcon();

}  // namespace tavrel::picture
