// Where the tiles fall on the papers, and what they are called.
#include "pages/tiling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace pages = tavrel::pages;
using pages::Paper;
using pages::Point;
using pages::Rect;
using pages::Size;

namespace tavrel::pages {
// For the messages of failed comparisons.
std::ostream& operator<<(std::ostream& out, Point p)
{
    return out << "(" << p.x << ", " << p.y << ")";
}
std::ostream& operator<<(std::ostream& out, Size s)
{
    return out << s.width << " x " << s.height;
}
std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << r.topLeft() << " " << r.size();
}
}  // namespace tavrel::pages

namespace {

constexpr double kInch = 1440;

// Equal but for the last bits that dividing and multiplying again leave.
bool nearlyEqual(const Rect& a, const Rect& b)
{
    const auto near = [](double x, double y) {
        return std::abs(x - y) <= 1e-9 * std::max({1.0, std::abs(x), std::abs(y)});
    };
    return near(a.x, b.x) && near(a.y, b.y) && near(a.width, b.width) &&
           near(a.height, b.height);
}

bool contains(const Rect& outer, const Rect& inner)
{
    return outer.left() <= inner.left() && inner.right() <= outer.right() &&
           outer.top() <= inner.top() && inner.bottom() <= outer.bottom();
}

struct TilingCase {
    const char* name;
    Size picture;  // twips
    Paper paper;
    int columns, rows;
    friend std::ostream& operator<<(std::ostream& out, const TilingCase& c) { return out << c.name; }
};

class Tiling : public testing::TestWithParam<TilingCase> {};

// Letter's content is 10800 x 13680 twips; tiles advance by 10080 x 12960.
TEST_P(Tiling, CoversThePictureWithTheFewestTiles)
{
    const TilingCase& c = GetParam();
    const pages::Tiling tiling = pages::tilePicture(c.picture, c.paper);
    EXPECT_EQ(tiling.columns, c.columns);
    EXPECT_EQ(tiling.rows, c.rows);
    const Rect last = tiling.tileInPicture(c.columns - 1, c.rows - 1);
    EXPECT_GE(last.right(), c.picture.width);
    EXPECT_GE(last.bottom(), c.picture.height);
    if (c.columns > 1) {
        const Rect a = tiling.tileInPicture(0, 0), b = tiling.tileInPicture(1, 0);
        EXPECT_DOUBLE_EQ(a.right() - b.left(), pages::kTileOverlapTwips);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PicturesAndPapers, Tiling,
    testing::Values(TilingCase{"FitsWithThePlacement", {10550, 13430}, Paper::Letter, 1, 1},
                    TilingCase{"FitsOnlyWithoutThePlacement", {10800, 13680}, Paper::Letter, 1, 1},
                    TilingCase{"OneTwipTooWide", {10801, 100}, Paper::Letter, 2, 1},
                    TilingCase{"TwoFullColumns", {20880, 100}, Paper::Letter, 2, 1},
                    TilingCase{"ThreeByThree", {21075, 29484}, Paper::Letter, 3, 3},
                    TilingCase{"TheSameOnA3", {21075, 29484}, Paper::A3, 2, 2},
                    TilingCase{"LargestPatternOnTabloid", {491505, 688095}, Paper::Tabloid, 36, 32},
                    // A roll's content is an inch narrower than the roll and, with the
                    // placement, up to 198.5 inches long.
                    TilingCase{"AsWideAsTheRoll", {50400, 1000}, Paper::Roll36In, 1, 1},
                    TilingCase{"OneTwipWiderThanTheRoll", {50401, 1000}, Paper::Roll36In, 2, 1},
                    TilingCase{"AsLongAsTheLongestPage", {1000, 285590}, Paper::Roll24In, 1, 1},
                    TilingCase{"OneTwipLonger", {1000, 285591}, Paper::Roll24In, 1, 2},
                    TilingCase{"LargestPatternOnARoll", {491505, 688095}, Paper::Roll914Mm, 10, 3}),
    [](const testing::TestParamInfo<TilingCase>& info) { return info.param.name; });

TEST(Tiling, OnePagePlacesThePictureAsThePrintoutDoesWhereItCan)
{
    EXPECT_EQ(pages::tilePicture({1000, 1000}, Paper::A4).pictureOrigin(0, 0), (Point{970, 970}));
    EXPECT_EQ(pages::tilePicture({10700, 13580}, Paper::Letter).pictureOrigin(0, 0),
              (Point{820, 820}));
}

// Ink in A1, C1 and B3 of three by three tiles: B1 lies between A1 and C1, and then B2 between
// B1 and B3. The other tiles would show nothing and join nothing.
TEST(Tiling, GivesPagesToTilesWithInkAndToThoseThatJoinThem)
{
    const std::vector<Point> ink = {{100, 100}, {20900, 100}, {15000, 29000}};
    const pages::Tiling tiling =
        pages::tilePicture({21075, 29484}, Paper::Letter, [&ink](const Rect& tile) {
            return std::any_of(ink.begin(), ink.end(), [&tile](Point point) {
                return contains(tile, Rect(point, Size{}));
            });
        });
    const std::vector<int> pages = {2, 3, 4,  //
                                    0, 5, 0,  //
                                    0, 6, 0};
    EXPECT_EQ(tiling.pageNumbers, pages);
    EXPECT_EQ(tiling.pageCount, 6);
}

// A printer's frame: its own margins where they are wider than the PDF's, the foot above the
// bottom one, and the map on the same paper. With the PDF's margins its tiles are the PDF's.
TEST(Tiling, OnAPrintersFrameTilesItsPrintableArea)
{
    const Size letter = pages::paperPoints(Paper::Letter);
    const pages::PageFrame frame = pages::pageFrameOf(letter, {900, 720, 1000, 1100});
    EXPECT_EQ(frame.content, Rect(900, 720, 12240 - 1900, 15840 - 1820 - 720));
    EXPECT_EQ(frame.footer, Rect(900, 15840 - 1100 - 720, 12240 - 1900, 720));
    const Size picture{21075, 29484};
    const pages::Tiling tiling = pages::tilePicture(picture, frame);
    EXPECT_EQ(tiling.map.content, frame.content);
    EXPECT_EQ(tiling.columns, 3);
    EXPECT_EQ(tiling.rows, 3);

    const pages::Tiling asPdf =
        pages::tilePicture(picture, pages::pageFrameOf(letter, {720, 720, 720, 720}));
    const pages::Tiling pdf = pages::tilePicture(picture, Paper::Letter);
    EXPECT_EQ(asPdf.content, pdf.content);
    EXPECT_EQ(asPdf.pageNumbers, pdf.pageNumbers);
    EXPECT_EQ(asPdf.map.content, pdf.map.content);
}

// A roll's page is as long as the picture with its placement, the margins and the foot need, in
// whole points; a picture too long for 200 inches is shared by the fewest rows of equal pages.
TEST(Tiling, CutsRollPagesToThePicture)
{
    struct Case {
        double pictureHeight;  // twips
        int rows;
        double pagePoints;
    };
    for (const Case& c : {Case{10000, 1, 621}, Case{285590, 1, 14400}, Case{285591, 2, 7273},
                          Case{688095, 3, 11605}}) {
        const pages::Tiling tiling = pages::tilePicture({1000, c.pictureHeight}, Paper::Roll24In);
        EXPECT_EQ(tiling.rows, c.rows) << c.pictureHeight;
        EXPECT_EQ(tiling.page, (Size{24 * kInch, c.pagePoints * 20})) << c.pictureHeight;
    }
}

// For a printer that prints small, the frames are laid out so that, enlarged by its correction,
// they are the paper's own: nothing drawn leaves the page. A roll's page grows with the picture.
TEST(Tiling, CorrectedFramesAreThePapersOnceEnlarged)
{
    const auto enlarged = [](const Rect& r, pages::PrintCorrection c) {
        return Rect(r.x * c.across, r.y * c.down, r.width * c.across, r.height * c.down);
    };
    for (const pages::PrintCorrection c :
         {pages::PrintCorrection{1.25, 0.8}, pages::PrintCorrection{0.8, 1.25},
          pages::PrintCorrection{1.0204, 0.99}})
        for (const Paper paper : {Paper::Letter, Paper::A4, Paper::Roll24In}) {
            const Size picture{20000, 12000};
            const pages::Tiling plain = pages::tilePicture(picture, paper);
            const pages::Tiling tiling = pages::tilePicture(picture, paper, {}, c);
            const Size page = tiling.sheetPoints * 20;
            const Rect paperArea = Rect(Point{0, 0}, page).adjusted(-0.01, -0.01, 0.01, 0.01);
            EXPECT_TRUE(contains(paperArea, enlarged(tiling.content, c))) << c.across;
            EXPECT_TRUE(contains(paperArea, enlarged(tiling.footer, c))) << c.across;
            EXPECT_NEAR(enlarged(tiling.content, c).left(), plain.content.left(), 0.01);
            EXPECT_NEAR(tiling.page.width * c.across, page.width, 0.01);
            EXPECT_NEAR(tiling.page.height * c.down, page.height, 0.01);
            // The picture with its placement fits down the rows, however short the pages are.
            EXPECT_GE((tiling.rows - 1) * tiling.stepY + tiling.content.height,
                      picture.height + (tiling.onePage() ? tiling.placement.y : 0));
            if (pages::isRoll(paper))
                EXPECT_GE(page.height, (picture.height + 250) * c.down + 2160) << c.down;
            else
                EXPECT_TRUE(nearlyEqual(enlarged(tiling.content, c), plain.content));
        }
}

TEST(Tiling, LabelsColumnsWithLettersAndRowsWithNumbers)
{
    EXPECT_EQ(pages::tileLabel(0, 0), "A1");
    EXPECT_EQ(pages::tileLabel(1, 2), "B3");
    EXPECT_EQ(pages::tileLabel(25, 0), "Z1");
    EXPECT_EQ(pages::tileLabel(26, 9), "AA10");
    EXPECT_EQ(pages::tileLabel(27, 0), "AB1");
}

TEST(Tiling, PaperNamesAreTheCommandLineWords)
{
    EXPECT_EQ(pages::paperNamed("letter"), Paper::Letter);
    EXPECT_EQ(pages::paperNamed("a4"), Paper::A4);
    EXPECT_EQ(pages::paperNamed("a3"), Paper::A3);
    EXPECT_EQ(pages::paperNamed("legal"), Paper::Legal);
    EXPECT_EQ(pages::paperNamed("tabloid"), Paper::Tabloid);
    EXPECT_EQ(pages::paperNamed("A4"), std::nullopt);
    EXPECT_EQ(pages::paperNamed(""), std::nullopt);
}

}  // namespace
