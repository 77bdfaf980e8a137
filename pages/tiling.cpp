#include "pages/tiling.h"

#include <algorithm>
#include <cmath>

namespace tavrel::pages {
namespace {

// Tiles needed to cover `length` with windows of `window` that advance by `step`.
int tilesFor(double length, double window, double step)
{
    if (length <= window) return 1;
    return 1 + int(std::ceil((length - window) / step));
}

// Whether each tile, row by row, lies between two tiles of `kept` in its row or its column.
std::vector<bool> betweenKept(const std::vector<bool>& kept, int columns, int rows)
{
    std::vector<int> firstInRow(size_t(rows), columns), lastInRow(size_t(rows), -1);
    std::vector<int> firstInColumn(size_t(columns), rows), lastInColumn(size_t(columns), -1);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            if (!kept[size_t(row * columns + column)]) continue;
            firstInRow[size_t(row)] = std::min(firstInRow[size_t(row)], column);
            lastInRow[size_t(row)] = std::max(lastInRow[size_t(row)], column);
            firstInColumn[size_t(column)] = std::min(firstInColumn[size_t(column)], row);
            lastInColumn[size_t(column)] = std::max(lastInColumn[size_t(column)], row);
        }
    std::vector<bool> between(kept.size());
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            between[size_t(row * columns + column)] =
                (firstInRow[size_t(row)] <= column && column <= lastInRow[size_t(row)]) ||
                (firstInColumn[size_t(column)] <= row && row <= lastInColumn[size_t(column)]);
    return between;
}

// A tile gets a page when it shows ink, or when it lies between tiles with pages in its row or
// its column: those hold the pattern together. The others would be blank. The map is page 1.
void numberPages(Tiling& tiling, const InkTest& showsInk)
{
    const int columns = tiling.columns, rows = tiling.rows;
    std::vector<bool> kept(size_t(columns * rows));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            kept[size_t(row * columns + column)] =
                !showsInk || showsInk(tiling.tileInPicture(column, row));
    for (std::vector<bool> grown = betweenKept(kept, columns, rows); grown != kept;
         grown = betweenKept(kept, columns, rows))
        kept = grown;
    tiling.pageNumbers.assign(kept.size(), 0);
    tiling.pageCount = 1;
    for (size_t tile = 0; tile < kept.size(); ++tile)
        if (kept[tile]) tiling.pageNumbers[tile] = ++tiling.pageCount;
}

constexpr double kTwipsPerPoint = 20;
constexpr double kAroundContentTwips = 2 * kPdfMarginTwips + kPdfFooterTwips;

PageFrame frameOf(Size sheetPoints)
{
    return pageFrameOf(sheetPoints,
                       {kPdfMarginTwips, kPdfMarginTwips, kPdfMarginTwips, kPdfMarginTwips});
}

// A page cut from a roll holds the picture below its placement, which on tiles stays as air
// under the picture. A picture too long for the longest page is shared by the fewest rows of
// equal pages, so that no row is longer than it needs to be.
Size rollPageFor(double pictureHeight, Paper roll, double correctionDown)
{
    const Size longest = paperPoints(roll);
    const double longestContent = longest.height * kTwipsPerPoint - kAroundContentTwips;
    const double needed = (pictureHeight + kPlacementTwips) * correctionDown;
    const int rows = tilesFor(needed, longestContent, longestContent - kTileOverlapTwips);
    const double content = (needed + (rows - 1) * kTileOverlapTwips) / rows;
    // PDF pages are written in whole points.
    const int length = int(std::ceil((content + kAroundContentTwips) / kTwipsPerPoint));
    return {longest.width, double(length)};
}

// Places the picture on pages of the tiling's frame, already set.
void tileOnFrame(Tiling& tiling, Size picture, const InkTest& showsInk)
{
    tiling.picture = picture;
    tiling.stepX = tiling.content.width - kTileOverlapTwips;
    tiling.stepY = tiling.content.height - kTileOverlapTwips;
    tiling.columns = tilesFor(picture.width, tiling.content.width, tiling.stepX);
    tiling.rows = tilesFor(picture.height, tiling.content.height, tiling.stepY);
    // A picture just too large for the usual placement moves in only as far as the page allows.
    if (tiling.onePage())
        tiling.placement = {std::min(kPlacementTwips, tiling.content.width - picture.width),
                            std::min(kPlacementTwips, tiling.content.height - picture.height)};
    else
        numberPages(tiling, showsInk);
}

}  // namespace

PageFrame pageFrameOf(Size sheetPoints, const Margins& marginsTwips)
{
    const Size page = sheetPoints * kTwipsPerPoint;
    const Rect printable = Rect(Point{0, 0}, page).marginsRemoved(marginsTwips);
    const Rect content = printable.adjusted(0, 0, 0, -kPdfFooterTwips);
    return {sheetPoints, page, content,
            Rect(printable.left(), content.bottom(), printable.width, kPdfFooterTwips)};
}

PageFrame correctedFrame(const PageFrame& frame, PrintCorrection correction)
{
    const auto divided = [&](const Rect& r) {
        return Rect(r.x / correction.across, r.y / correction.down, r.width / correction.across,
                    r.height / correction.down);
    };
    return {frame.sheetPoints,
            {frame.page.width / correction.across, frame.page.height / correction.down},
            divided(frame.content), divided(frame.footer)};
}

Point Tiling::pictureOrigin(int column, int row) const
{
    return content.topLeft() + placement - Point{column * stepX, row * stepY};
}

Rect Tiling::tileInPicture(int column, int row) const
{
    return content.translated(-pictureOrigin(column, row));
}

int Tiling::pageOf(int column, int row) const
{
    if (column < 0 || row < 0 || column >= columns || row >= rows) return 0;
    return pageNumbers[size_t(row * columns + column)];
}

Tiling tilePicture(Size picture, Paper paper, const InkTest& showsInk, PrintCorrection correction)
{
    Tiling tiling;
    PageFrame& frame = tiling;  // of the one page, or of every tile
    frame = correctedFrame(frameOf(isRoll(paper) ? rollPageFor(picture.height, paper, correction.down)
                                                 : paperPoints(paper)),
                           correction);
    tiling.map = correctedFrame(frameOf(paperPoints(mapPaperOf(paper))), correction);
    tileOnFrame(tiling, picture, showsInk);
    return tiling;
}

Tiling tilePicture(Size picture, const PageFrame& page, const InkTest& showsInk)
{
    Tiling tiling;
    static_cast<PageFrame&>(tiling) = page;
    tiling.map = page;
    tileOnFrame(tiling, picture, showsInk);
    return tiling;
}

std::string tileLabel(int column, int row)
{
    std::string letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), char('A' + (n - 1) % 26));
    return letters + std::to_string(row + 1);
}

}  // namespace tavrel::pages
