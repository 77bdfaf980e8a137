#pragma once
// The persistent picture as an SVG drawing at true physical size: the view box counts picture
// pixels, width and height give the printed size, and lines are one picture pixel wide.

#include "picture/persistent_image.h"

class QIODevice;

namespace tavrel::exporting {

// False when the generator cannot start on the device.
bool writeSvg(const picture::PersistentImage& image, int dotsPerInch, QIODevice& device);

}  // namespace tavrel::exporting
