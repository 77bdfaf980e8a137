#pragma once
// The tiling of pages/tiling.h as the exporters and the printer name it, and its labels in Qt's
// text.

#include "export/paper.h"
#include "export/print_correction.h"
#include "export/qt_geometry.h"
#include "pages/tiling.h"

#include <QString>

namespace tavrel::exporting {

using pages::correctedFrame;
using pages::InkTest;
using pages::kPdfFooterTwips;
using pages::kPdfMarginTwips;
using pages::kTileOverlapTwips;
using pages::PageFrame;
using pages::pageFrameOf;
using PdfTiling = pages::Tiling;
using pages::tilePicture;

// "A1" for the first column and row, "B3", ... "Z1", "AA1".
inline QString tileLabel(int column, int row)
{
    return QString::fromStdString(pages::tileLabel(column, row));
}

}  // namespace tavrel::exporting
