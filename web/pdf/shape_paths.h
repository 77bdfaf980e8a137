#pragma once
// The picture's shapes as PDF paths, in picture pixels: lines, and arcs as cubic curves cut at
// the quarters of their circle, as the desktop's painter cuts them.

#include "pattern/shapes.h"
#include "web/pdf/pdf_document.h"

#include <vector>

namespace tavrel::web {

// Strokes every shape with the content's pen; the caller's transform maps picture pixels to
// the page and its clip bounds the picture.
void strokeShapes(PdfContent& content, const std::vector<pattern::Shape>& shapes,
                  pattern::PixelSize picture);

}  // namespace tavrel::web
