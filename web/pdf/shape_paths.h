#pragma once
// The picture's shapes as PDF paths, in picture pixels: lines, and arcs as cubic curves cut at
// the quarters of their circle, as the desktop's painter cuts them.

#include "pattern/shapes.h"
#include "web/pdf/pdf_document.h"

#include <vector>

namespace tavrel::web {

// The part of the picture a page shows, in picture pixels.
struct PixelWindow {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Strokes the shapes that may show in `window` with the content's pen; the caller's transform
// maps picture pixels to the page and its clip bounds the window. Leaving out the others keeps
// the tiles of a large pattern small.
void strokeShapes(PdfContent& content, const std::vector<pattern::Shape>& shapes,
                  pattern::PixelSize picture, const PixelWindow& window);

}  // namespace tavrel::web
