#pragma once
// Where the picture goes on the pages of a PDF or of a printout too large for one page, in twips:
// on one page as the printout places it when it fits, otherwise in overlapping tiles of the same
// size, nothing scaled. A roll's pages are as long as the picture needs, up to the longest page.

#include "pages/geometry.h"
#include "pages/paper.h"
#include "pages/placement.h"
#include "pages/print_correction.h"

#include <functional>
#include <string>
#include <vector>

namespace tavrel::pages {

inline constexpr double kPdfMarginTwips = 720;     // the page's "printable area": half an inch in
inline constexpr double kPdfFooterTwips = 720;     // the words and the check ruler, at the foot
inline constexpr double kTileOverlapTwips = 720;   // neighbouring tiles share this much picture

// A page and its parts, in twips from its corner: the content inside the margins, and under it
// the foot with the words and the check ruler.
struct PageFrame {
    Size sheetPoints;  // the paper, in whole points as the page is written; no correction
    Size page;
    Rect content;
    Rect footer;
};

// The frame is the one page's, or every tile's: the picture is shown in its content.
struct Tiling : PageFrame {
    PageFrame map;   // of the first page, when there are tiles
    Size picture;    // the part of the picture the pages show, from its corner
    int columns = 1, rows = 1;
    double stepX = 0, stepY = 0;  // picture twips from one tile to the next
    Point placement;              // of the picture inside the content, on one page only
    std::vector<int> pageNumbers;  // of the tiles, row by row: 0 for a tile left out; the map is 1
    int pageCount = 1;

    bool onePage() const { return columns == 1 && rows == 1; }
    // 0 when the tile has no page.
    int pageOf(int column, int row) const;
    // Page position of the picture's top-left corner on the tile, from the page's corner.
    Point pictureOrigin(int column, int row) const;
    // The part of the picture the tile shows, in picture twips from its top-left corner.
    Rect tileInPicture(int column, int row) const;
};

// Whether a part of the picture (twips from its corner) holds any ink.
using InkTest = std::function<bool(const Rect&)>;

// A page of `sheetPoints` whose printable area lies `marginsTwips` in from its edges.
PageFrame pageFrameOf(Size sheetPoints, const Margins& marginsTwips);

// The frame as a painter that enlarges by `correction` sees it: each part divided by it.
PageFrame correctedFrame(const PageFrame& frame, PrintCorrection correction);

// `picture` is the size on paper, in twips, of the part of the picture to show. A tile gets a
// page when it shows ink, or when it lies between tiles that do in its row or its column, where
// it holds the pattern together; without `showsInk` every tile gets one.
// With a correction, the frames are the corrected ones of the paper.
Tiling tilePicture(Size picture, Paper paper, const InkTest& showsInk = {},
                   PrintCorrection correction = {});
// The same on pages of one frame, the map's included.
Tiling tilePicture(Size picture, const PageFrame& page, const InkTest& showsInk = {});

// "A1" for the first column and row, "B3", ... "Z1", "AA1": columns are letters, rows numbers.
std::string tileLabel(int column, int row);

}  // namespace tavrel::pages
