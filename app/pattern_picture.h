#pragma once
// The program's picture, drawn from the pattern's own figure: the window icon and the About
// box's picture.

#include <QIcon>
#include <QPixmap>

namespace tavrel::app {

// The figure (without its ruler), as large as fits, centred on white.
QPixmap patternPicture(QSize size);

QIcon patternIcon();

}  // namespace tavrel::app
