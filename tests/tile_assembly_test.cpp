// A tiled PDF put together exactly as its first page says, from nothing but the rasters of its
// pages and the words on them: each page is cut along the top and the left line of its frame
// and laid over its neighbours to its left and above, its cut edges on their dashed lines, so
// that the halves of each circled cross meet. The result must be the screen's picture of the
// pattern within half a millimeter, and every page must show some of it.
#include "export/pattern_export.h"
#include "page_raster.h"
#include "screen_ink.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

namespace test = tavrel::test;

namespace {

// What a circled cross looks like: arms this long from its centre, a circle of this radius.
constexpr double kCrossArmTwips = 160;
constexpr double kCrossRadiusTwips = 100;
constexpr double kHalfMillimeterTwips = 0.5 * 1440 / 25.4;

bool dark(const QImage& image, int x, int y)
{
    return image.valid(x, y) && image.constScanLine(y)[x] < 128;
}

bool darkNear(const QImage& image, int x, int y)
{
    for (int j = y - 1; j <= y + 1; ++j)
        for (int i = x - 1; i <= x + 1; ++i)
            if (dark(image, i, j)) return true;
    return false;
}

// One line of dots through the page: a column (across = false) or a row.
struct DotLine {
    const QImage& image;
    bool across;
    int count() const { return across ? image.height() : image.width(); }
    int length() const { return across ? image.width() : image.height(); }
    bool dark(int line, int i) const
    {
        return across ? ::dark(image, i, line) : ::dark(image, line, i);
    }
    // Lengths of the runs of dark dots along one line.
    std::vector<int> runs(int line) const
    {
        std::vector<int> lengths;
        for (int i = 0, run = 0; i <= length(); ++i) {
            if (i < length() && dark(line, i)) {
                ++run;
            } else if (run > 0) {
                lengths.push_back(run);
                run = 0;
            }
        }
        return lengths;
    }
};

// The centre of each band of neighbouring lines that `is` picks, in dots.
std::vector<double> bandCentres(int count, const std::function<bool(int)>& is)
{
    std::vector<double> centres;
    for (int i = 0; i < count; ++i) {
        if (!is(i)) continue;
        int j = i;
        while (j + 1 < count && is(j + 1)) ++j;
        centres.push_back((i + j + 1) / 2.0);
        i = j;
    }
    return centres;
}

// The frame's lines: the lines that hold a dark run longer than half the page.
std::vector<double> longLines(const DotLine& lines)
{
    return bandCentres(lines.count(), [&lines](int line) {
        const auto runs = lines.runs(line);
        return !runs.empty() && *std::max_element(runs.begin(), runs.end()) > lines.length() / 2;
    });
}

// The one dashed line between `from` and `to` (dots): many dashes of about 120 twips.
std::optional<double> dashedLine(const DotLine& lines, double from, double to, double dotsPerTwip)
{
    const int shortest = int(60 * dotsPerTwip), longest = int(240 * dotsPerTwip);
    std::vector<double> centres;
    for (const double centre : bandCentres(lines.count(), [&](int line) {
             const auto runs = lines.runs(line);
             return std::count_if(runs.begin(), runs.end(), [&](int run) {
                        return run >= shortest && run <= longest;
                    }) >= 20;
         }))
        if (centre > from && centre < to) centres.push_back(centre);
    if (centres.size() != 1) return std::nullopt;
    return centres.front();
}

// Centres, along a line at `at` dots, of the circled crosses that stand on it, judged by the half
// on its `side` (-1 before it, +1 after it): an arm leaves the line sideways for about an arm's
// length, and the circle passes at 45 degrees on either side of it.
std::vector<double> crossesOn(const DotLine& lines, double at, int side, double dotsPerTwip)
{
    const int arm = int(std::lround(kCrossArmTwips * dotsPerTwip));
    const int diagonal = int(std::lround(kCrossRadiusTwips * dotsPerTwip * std::sqrt(0.5)));
    const int line = int(at);
    const auto darkAt = [&](int along, int aside) {
        return lines.across ? darkNear(lines.image, along, line + aside)
                            : darkNear(lines.image, line + aside, along);
    };
    return bandCentres(lines.length(), [&](int along) {
        int reach = 0;
        while (reach <= 2 * arm && lines.dark(line + side * (reach + 1), along)) ++reach;
        return reach >= arm * 3 / 4 && reach <= arm * 5 / 4 &&
               darkAt(along - diagonal, side * diagonal) &&
               darkAt(along + diagonal, side * diagonal);
    });
}

struct Page {
    int column = 0, row = 0;  // from the words at its foot, from 0
    test::PageRaster raster;
    QRectF frame;  // dots; its top and left lines are the cut lines
    std::optional<double> dashedRight, dashedBelow;
    std::optional<QPointF> offset;  // of its dots on the assembly
};

// The frame, the dashed lines and the position in the map of a page of tiles.
std::optional<Page> readPage(test::PageRaster raster, const QString& words)
{
    static const QRegularExpression position(R"(column (\d+) of \d+, row (\d+) of \d+)");
    const auto match = position.match(words);
    if (!match.hasMatch()) return std::nullopt;
    Page page;
    page.column = match.captured(1).toInt() - 1;
    page.row = match.captured(2).toInt() - 1;
    page.raster = std::move(raster);
    const QImage& image = page.raster.image;
    const auto columns = longLines({image, false}), rows = longLines({image, true});
    if (columns.size() < 2 || rows.size() < 2) return std::nullopt;
    page.frame =
        QRectF(QPointF(columns.front(), rows.front()), QPointF(columns.back(), rows.back()));
    const double dotsPerTwip = page.raster.dots(1);
    page.dashedRight =
        dashedLine({image, false}, page.frame.left(), page.frame.right(), dotsPerTwip);
    page.dashedBelow =
        dashedLine({image, true}, page.frame.top(), page.frame.bottom(), dotsPerTwip);
    return page;
}

// A seam: `under` is the page to the left or above, `over` is cut and laid on it.
struct Seam {
    Page& under;
    Page& over;
    bool sideBySide;

    // The under page's crosses, on its dashed line and seen before it, and the over page's, on
    // its cut line and seen after it, in the dots of each page.
    std::pair<std::vector<double>, std::vector<double>> crosses() const
    {
        const double perTwip = under.raster.dots(1);
        if (sideBySide)
            return {crossesOn({under.raster.image, false}, *under.dashedRight, -1, perTwip),
                    crossesOn({over.raster.image, false}, over.frame.left(), +1, perTwip)};
        return {crossesOn({under.raster.image, true}, *under.dashedBelow, -1, perTwip),
                crossesOn({over.raster.image, true}, over.frame.top(), +1, perTwip)};
    }
    // How far the over page's dots lie from the under page's, across the seam, once its cut edge
    // is on the dashed line.
    double acrossOffset() const
    {
        return sideBySide ? *under.dashedRight - over.frame.left()
                          : *under.dashedBelow - over.frame.top();
    }
    // Along the seam: where the crosses' halves meet.
    std::optional<double> alongOffset() const
    {
        const auto [underCrosses, overCrosses] = crosses();
        if (underCrosses.empty() || underCrosses.size() != overCrosses.size()) return std::nullopt;
        double sum = 0;
        for (size_t i = 0; i < underCrosses.size(); ++i) sum += underCrosses[i] - overCrosses[i];
        return sum / double(underCrosses.size());
    }
};

struct Assembly {
    std::map<std::pair<int, int>, Page> pages;  // by column and row
    std::vector<Seam> seams;

    Page* at(int column, int row)
    {
        const auto found = pages.find({column, row});
        return found == pages.end() ? nullptr : &found->second;
    }
};

// Lays every page as the words say, starting from A1; false when a page cannot be laid.
bool layPages(Assembly& assembly)
{
    for (auto& [position, page] : assembly.pages)
        for (const bool sideBySide : {true, false}) {
            Page* next = sideBySide ? assembly.at(page.column + 1, page.row)
                                    : assembly.at(page.column, page.row + 1);
            if (!next) continue;
            if (!(sideBySide ? page.dashedRight : page.dashedBelow)) return false;
            assembly.seams.push_back({page, *next, sideBySide});
        }
    Page* first = assembly.at(0, 0);
    if (!first) return false;
    first->offset = QPointF(0, 0);
    for (bool laid = true; laid;) {
        laid = false;
        for (auto& [position, page] : assembly.pages) {
            if (page.offset) continue;
            std::optional<double> x, y, xAlong, yAlong;
            for (const Seam& seam : assembly.seams) {
                const bool isOver = &seam.over == &page, isUnder = &seam.under == &page;
                const Page& other = isOver ? seam.under : seam.over;
                if ((!isOver && !isUnder) || !other.offset) continue;
                const double sign = isOver ? 1 : -1;
                const auto along = seam.alongOffset();
                const double otherAcross = seam.sideBySide ? other.offset->x() : other.offset->y();
                const double otherAlong = seam.sideBySide ? other.offset->y() : other.offset->x();
                (seam.sideBySide ? x : y) = otherAcross + sign * seam.acrossOffset();
                if (along) (seam.sideBySide ? yAlong : xAlong) = otherAlong + sign * *along;
            }
            if (!x) x = xAlong;
            if (!y) y = yAlong;
            if (!x || !y) continue;
            page.offset = QPointF(std::round(*x), std::round(*y));
            laid = true;
        }
    }
    return std::all_of(assembly.pages.begin(), assembly.pages.end(),
                       [](const auto& entry) { return entry.second.offset.has_value(); });
}

// The pages, each cut along the top and left line of its frame, laid in order of rows and
// columns, so that each lies over its neighbours to its left and above.
QImage pasteUp(const Assembly& assembly)
{
    QSize size;
    for (const auto& [position, page] : assembly.pages)
        size = size.expandedTo(QSize(int(page.offset->x()) + page.raster.image.width(),
                                     int(page.offset->y()) + page.raster.image.height()));
    QImage canvas(size, QImage::Format_Grayscale8);
    canvas.fill(Qt::white);
    std::vector<const Page*> order;
    for (const auto& [position, page] : assembly.pages) order.push_back(&page);
    std::sort(order.begin(), order.end(), [](const Page* a, const Page* b) {
        return std::pair(a->row, a->column) < std::pair(b->row, b->column);
    });
    for (const Page* page : order) {
        const QImage& image = page->raster.image;
        const int left = int(std::ceil(page->frame.left() - 0.5));
        const int top = int(std::ceil(page->frame.top() - 0.5));
        for (int y = top; y < image.height(); ++y)
            for (int x = left; x < image.width(); ++x)
                canvas.scanLine(y + int(page->offset->y()))[x + int(page->offset->x())] =
                    image.constScanLine(y)[x];
    }
    return canvas;
}

struct AssemblyCase {
    const char* name;
    test::Measurement measurement;
    const char* paper;
    const char* overlap;  // as the words give it, the pattern's own unit first
    friend std::ostream& operator<<(std::ostream& out, const AssemblyCase& c)
    {
        return out << c.name;
    }
};

class TileAssembly : public testing::TestWithParam<AssemblyCase> {};

TEST_P(TileAssembly, FollowingTheWordsGivesThePatternWithinHalfAMillimeter)
{
    const AssemblyCase& c = GetParam();
    const test::Measurement& m = c.measurement;
    QTemporaryDir folder;
    const QString pdf = folder.filePath("pattern.pdf");
    ASSERT_EQ(
        tavrel::exporting::exportPattern({m.text, *tavrel::measure::unitAt(m.unit), m.dotsPerInch,
                                          pdf.toStdString(), tavrel::exporting::paperNamed(c.paper)}),
        "");
    const QStringList words = test::pageTexts(pdf);
    ASSERT_GT(words.size(), 2);
    const QString instructions = words.front().simplified();
    for (const QString& sentence :
         {QString("Cut each page along the top and the left line of its frame."),
          QString("Then lay the pages out as in the diagram below, each page over its neighbors "
                  "to its left and above, with its cut edges on their dashed lines, so that the "
                  "halves of each circled cross meet."),
          QString("The pages overlap by %1.").arg(c.overlap)})
        EXPECT_TRUE(instructions.contains(sentence)) << instructions.toStdString();

    // Two dots a picture pixel: the frame's and the marks' thin lines come out dark.
    const int dotsPerInch = 2 * m.dotsPerInch;
    std::vector<test::PageRaster> rasters = test::rasterizePages(pdf, dotsPerInch);
    ASSERT_EQ(rasters.size(), size_t(words.size()));
    Assembly assembly;
    for (int i = 1; i < words.size(); ++i) {
        auto page = readPage(std::move(rasters[size_t(i)]), words[i]);
        ASSERT_TRUE(page) << "page " << i + 1 << " has no frame or no place in the map";
        assembly.pages.emplace(std::pair(page->column, page->row), std::move(*page));
    }
    ASSERT_TRUE(layPages(assembly)) << "a page has no dashed line or crosses to lay it by";

    const double halfMillimeter = kHalfMillimeterTwips * dotsPerInch / 1440;
    for (const Seam& seam : assembly.seams) {
        const auto [underCrosses, overCrosses] = seam.crosses();
        ASSERT_GE(underCrosses.size(), 2u);
        ASSERT_EQ(underCrosses.size(), overCrosses.size());
        const QPointF apart = *seam.under.offset - *seam.over.offset;
        for (size_t i = 0; i < underCrosses.size(); ++i) {
            const double meet =
                (seam.sideBySide ? apart.y() : apart.x()) + underCrosses[i] - overCrosses[i];
            EXPECT_LE(std::abs(meet), halfMillimeter)
                << "cross " << i << " between (" << seam.under.column << ", " << seam.under.row
                << ") and (" << seam.over.column << ", " << seam.over.row << ")";
        }
    }

    // The picture's corner is the corner of A1's frame. The screen's picture is compared with
    // the assembly dot for dot, two dots a pixel.
    const tavrel::picture::PersistentImage image = test::pictureOf(m);
    const QImage screen = test::screenPixels(image).scaled(image.size * 2);
    const QPoint corner = assembly.at(0, 0)->frame.topLeft().toPoint();
    const QImage canvas = pasteUp(assembly);
    QImage pattern(screen.size(), QImage::Format_Grayscale8);
    pattern.fill(Qt::white);
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            if (canvas.valid(corner.x() + x, corner.y() + y))
                pattern.scanLine(y)[x] = canvas.constScanLine(corner.y() + y)[corner.x() + x];

    // Inside the frames the assembly shows only the pattern, but for the frame lines and the
    // crosses near them; every page shows some of the pattern.
    std::vector<QRect> frames;
    for (const auto& [position, page] : assembly.pages)
        frames.push_back(page.frame.translated(*page.offset - corner).toRect());
    QImage inside(screen.size(), QImage::Format_Grayscale8);
    inside.fill(Qt::white);
    for (const QRect& frame : frames) {
        const QRect shown = frame.intersected(inside.rect());
        int lit = 0;
        for (int y = shown.top(); y <= shown.bottom(); ++y)
            for (int x = shown.left(); x <= shown.right(); ++x) {
                inside.scanLine(y)[x] = pattern.constScanLine(y)[x];
                lit += screen.constScanLine(y)[x] < 128;
            }
        EXPECT_GT(lit, 0) << "a page shows no pattern";
    }
    const int edge = int(std::ceil(kCrossArmTwips * dotsPerInch / 1440)) + 4;
    for (const QRect& frame : frames)
        for (const QRect& line : {QRect(frame.left(), frame.top(), 1, frame.height()),
                                  QRect(frame.right(), frame.top(), 1, frame.height()),
                                  QRect(frame.left(), frame.top(), frame.width(), 1),
                                  QRect(frame.left(), frame.bottom(), frame.width(), 1)}) {
            const QRect band = line.adjusted(-edge, -edge, edge, edge).intersected(inside.rect());
            for (int y = band.top(); y <= band.bottom(); ++y)
                std::fill_n(inside.scanLine(y) + band.left(), band.width(), uchar(255));
        }
    const int reach = int(halfMillimeter);
    const auto missing = test::compareWithScreen(screen, pattern, reach, reach);
    const auto stray = test::compareWithScreen(screen, inside, reach, reach);
    EXPECT_EQ(missing.unInked, 0) << missing.where.toStdString();
    EXPECT_EQ(stray.stray, 0) << stray.where.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    PapersAndUnits, TileAssembly,
    testing::Values(AssemblyCase{"SixInchesOnLetter", {0, "6", 96}, "letter", "1/2 inch (12.7 mm)"},
                    AssemblyCase{
                        "TwoHundredMillimetersOnA4", {2, "200", 96}, "a4", "12.7 mm (1/2 inch)"}),
    [](const testing::TestParamInfo<AssemblyCase>& info) { return info.param.name; });

}  // namespace
