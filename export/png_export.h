#pragma once
// The persistent picture as a PNG at 1:1, one picture pixel per image pixel: white background,
// black one-pixel drawing, exactly what printing puts on paper. The picture is rendered and
// written in strips of rows, so memory stays small even for the largest patterns.

#include "picture/persistent_image.h"

class QIODevice;

namespace tavrel::exporting {

inline constexpr int kPngStripRows = 256;

// One bit per pixel, with the physical resolution (pHYs) of `dotsPerInch` so that viewers know
// the true size. False when the picture cannot be encoded or the device refuses the data.
bool writePng(const picture::PersistentImage& image, int dotsPerInch, QIODevice& device,
              int stripRows = kPngStripRows);

}  // namespace tavrel::exporting
