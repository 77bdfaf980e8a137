#include "web/pdf/pattern_pdf.h"

#include "measure/physical_units.h"
#include "pages/map_layout.h"
#include "pages/tiling.h"
#include "pattern/drawing.h"
#include "pattern/shapes.h"
#include "web/pdf/page_words.h"
#include "web/pdf/pdf_document.h"
#include "web/pdf/shape_paths.h"
#include "web/pdf/shape_ink.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::web {
namespace {

using measure::kTwipsPerInch;
constexpr double kTwipsPerPoint = 20;
constexpr double kRulerLineTwips = 15;  // one pixel of a 96 dpi screen, as the pattern's lines
constexpr double kMarkLineTwips = 10;
constexpr double kMarkRadiusTwips = 100;
constexpr double kMapDotsPerInch = 200;  // the desktop's map is a raster of this resolution
constexpr double kLargestMapDots = 8e6;
constexpr double kLargestLabelTwips = 280;
constexpr double kSmallestLabelTwips = 60;  // smaller would not be read: no labels then
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kDarkGray{128 / 255.0, 128 / 255.0, 128 / 255.0};

struct Picture {
    std::vector<pattern::Shape> shapes;
    pattern::PixelSize size;
    double twipsPerPixel;
};

double unitLength(measure::UnitSystem ruler)
{
    return ruler == measure::UnitSystem::Metric ? kTwipsPerInch / measure::kCentimetersPerInch
                                                : kTwipsPerInch;
}

class PageDrawer {
public:
    PageDrawer(const Picture& picture, const pages::Tiling& tiling, const PatternPdfRequest& request)
        : picture_(picture), tiling_(tiling), request_(request),
          ruler_(measure::unitSystemOf(request.unit))
    {
    }

    void onePage(PdfDocument& document) const
    {
        PdfContent& content = begin(document, tiling_);
        naturalSize(content, tiling_.pictureOrigin(0, 0));
        foot(content, tiling_.footer, {}, {});
    }

    void map(PdfDocument& document) const;
    void tile(PdfDocument& document, int column, int row) const;

private:
    // A new page of the frame's paper, drawing in twips enlarged by the correction.
    PdfContent& begin(PdfDocument& document, const pages::PageFrame& frame) const
    {
        PdfContent& content = document.addPage(frame.sheetPoints.width, frame.sheetPoints.height);
        content.transform(request_.correction.across / kTwipsPerPoint, 0, 0,
                          request_.correction.down / kTwipsPerPoint, 0, 0);
        return content;
    }

    // The picture at natural size with its corner at `origin`, inside the content.
    void naturalSize(PdfContent& content, pages::Point origin) const
    {
        const double tpp = picture_.twipsPerPixel;
        const pages::Rect& c = tiling_.content;
        const double left = std::max(c.left(), origin.x), top = std::max(c.top(), origin.y);
        const double right = std::min(c.right(), origin.x + picture_.size.width * tpp);
        const double bottom = std::min(c.bottom(), origin.y + picture_.size.height * tpp);
        if (right <= left || bottom <= top) return;
        content.save();
        content.rectangle(left, top, right - left, bottom - top);
        content.clip();
        content.transform(tpp, 0, 0, tpp, origin.x, origin.y);
        // Half a pixel's shift puts each stroke over the pixels the screen lights.
        content.transform(1, 0, 0, 1, 0.5, 0.5);
        content.strokeColour(kBlack);
        content.lineWidth(1);
        content.lineCap(LineCap::Square);
        strokeShapes(content, picture_.shapes, picture_.size,
                     {(left - origin.x) / tpp - 0.5, (top - origin.y) / tpp - 0.5,
                      (right - origin.x) / tpp - 0.5, (bottom - origin.y) / tpp - 0.5});
        content.restore();
    }

    void foot(PdfContent& content, const pages::Rect& foot, const std::string& label,
              const std::string& note) const;
    void checkRuler(PdfContent& content, pages::Point leftEnd) const;
    void sharedEdges(PdfContent& content, int column, int row) const;
    void smallPicture(PdfContent& content, const pages::MapLayout& map) const;

    const Picture& picture_;
    const pages::Tiling& tiling_;
    const PatternPdfRequest& request_;
    measure::UnitSystem ruler_;
};

void markAt(PdfContent& content, pages::Point centre)
{
    content.strokeColour(kBlack);
    content.lineWidth(kMarkLineTwips);
    content.lineCap(LineCap::Square);
    content.dash({});
    const double r = kMarkRadiusTwips, k = 4.0 / 3 * std::tan(std::numbers::pi / 8) * r;
    const double x = centre.x, y = centre.y;
    content.moveTo(x + r, y);
    content.curveTo(x + r, y + k, x + k, y + r, x, y + r);
    content.curveTo(x - k, y + r, x - r, y + k, x - r, y);
    content.curveTo(x - r, y - k, x - k, y - r, x, y - r);
    content.curveTo(x + k, y - r, x + r, y - k, x + r, y);
    content.closePath();
    const double arm = 1.6 * kMarkRadiusTwips;
    content.moveTo(x - arm, y);
    content.lineTo(x + arm, y);
    content.moveTo(x, y - arm);
    content.lineTo(x, y + arm);
    content.stroke();
}

void PageDrawer::foot(PdfContent& content, const pages::Rect& foot, const std::string& label,
                      const std::string& note) const
{
    content.fillColour(kBlack);
    if (!label.empty())
        wordsInBox(content, PdfFont::HelveticaBold, 360,
                   pages::Rect(foot.left(), foot.top() + 120, 1300, 480), Align::Left, label);
    const pages::Point rulerStart{foot.left() + kTwipsPerInch, foot.top() + 330};
    checkRuler(content, rulerStart);
    const double textLeft = rulerStart.x + unitLength(ruler_) + 240;
    const PageTexts& texts = request_.texts;
    lineInBox(content, PdfFont::Helvetica, 180,
              pages::Rect(textLeft, foot.top() + 150, foot.right() - textLeft, 240),
              ruler_ == measure::UnitSystem::Metric ? texts.rulerSentenceMetric
                                                    : texts.rulerSentenceInch);
    lineInBox(content, PdfFont::Helvetica, 180,
              pages::Rect(rulerStart.x, foot.top() + 420, foot.right() - rulerStart.x, 240),
              note.empty() ? texts.actualSize : texts.actualSize + " " + note);
}

// A bar of one unit between two ticks that rise from its ends.
void PageDrawer::checkRuler(PdfContent& content, pages::Point leftEnd) const
{
    const double right = leftEnd.x + unitLength(ruler_);
    content.strokeColour(kBlack);
    content.lineWidth(kRulerLineTwips);
    content.lineCap(LineCap::Butt);
    content.dash({});
    content.moveTo(leftEnd.x, leftEnd.y);
    content.lineTo(right, leftEnd.y);
    content.moveTo(leftEnd.x, leftEnd.y);
    content.lineTo(leftEnd.x, leftEnd.y - 180);
    content.moveTo(right, leftEnd.y);
    content.lineTo(right, leftEnd.y - 180);
    content.stroke();
}

// The small picture under the map's cells: only a guide, its lines as thin as the desktop's
// raster dots.
void PageDrawer::smallPicture(PdfContent& content, const pages::MapLayout& map) const
{
    const pages::Size shown = tiling_.picture * map.scale;
    pages::Size dots = shown * (kMapDotsPerInch / kTwipsPerInch);
    const double area = dots.width * dots.height;
    if (area > kLargestMapDots) dots = dots * std::sqrt(kLargestMapDots / area);
    const double dotTwips = shown.width / std::max(1.0, std::round(dots.width));
    const double scale = map.scale * picture_.twipsPerPixel;
    content.save();
    content.rectangle(map.origin.x, map.origin.y, shown.width, shown.height);
    content.clip();
    content.transform(scale, 0, 0, scale, map.origin.x, map.origin.y);
    content.strokeColour(kBlack);
    content.lineWidth(dotTwips / scale);
    content.lineCap(LineCap::Square);
    strokeShapes(content, picture_.shapes, picture_.size,
                 {0, 0, double(picture_.size.width), double(picture_.size.height)});
    content.restore();
}

void PageDrawer::map(PdfDocument& document) const
{
    PdfContent& content = begin(document, tiling_.map);
    const pages::Rect& area = tiling_.map.content;
    const PageTexts& texts = request_.texts;
    std::string title = filledIn(texts.mapTitle, {tiling_.columns, tiling_.rows});
    if (const auto at = title.find("%n"); at != std::string::npos)
        title.replace(at, 2, std::to_string(tiling_.pageCount));
    content.fillColour(kBlack);
    const pages::Rect titleBox(area.left(), area.top(), area.width, 400);
    const double wide = textWidth(PdfFont::HelveticaBold, 280, title);
    wordsAtTop(content, PdfFont::HelveticaBold,
               wide > area.width ? std::max(1.0, std::floor(280 * area.width / wide)) : 280,
               titleBox, title);
    paragraphInBox(content, PdfFont::Helvetica, 200,
                   pages::Rect(area.left(), area.top() + 560, area.width, 1600),
                   ruler_ == measure::UnitSystem::Metric ? texts.mapInstructionsMetric
                                                         : texts.mapInstructionsInch);

    const pages::MapLayout layout = pages::mapLayoutOf(tiling_);
    smallPicture(content, layout);

    // Bold, at most the largest label height, and small enough that every label fits its room.
    double widest = 0;
    for (int row = 0; row < tiling_.rows; ++row)
        for (int column = 0; column < tiling_.columns; ++column)
            if (tiling_.pageOf(column, row) != 0)
                widest = std::max(widest, textWidth(PdfFont::HelveticaBold, kLargestLabelTwips,
                                                    pages::tileLabel(column, row)));
    const pages::Size room = layout.labelRoom(0, 0).size();
    const double fit = std::min({1.0, 0.9 * room.width / widest,
                                 0.9 * room.height / lineHeight(kLargestLabelTwips)});
    const double labelSize = std::max(1.0, std::floor(kLargestLabelTwips * fit));

    content.strokeColour(kDarkGray);
    content.fillColour(kDarkGray);
    content.lineWidth(kMarkLineTwips);
    content.lineCap(LineCap::Square);
    for (int row = 0; row < tiling_.rows; ++row)
        for (int column = 0; column < tiling_.columns; ++column) {
            if (tiling_.pageOf(column, row) == 0) continue;
            const pages::Rect cell = layout.cell(column, row);
            content.rectangle(cell.x, cell.y, cell.width, cell.height);
            content.stroke();
            if (labelSize >= kSmallestLabelTwips)
                wordsInBox(content, PdfFont::HelveticaBold, labelSize,
                           layout.labelRoom(column, row), Align::Centre,
                           pages::tileLabel(column, row));
        }
    foot(content, tiling_.map.footer, {}, {});
}

void PageDrawer::tile(PdfDocument& document, int column, int row) const
{
    PdfContent& content = begin(document, tiling_);
    naturalSize(content, tiling_.pictureOrigin(column, row));
    const pages::Rect& c = tiling_.content;
    content.strokeColour(kBlack);
    content.lineWidth(kMarkLineTwips);
    content.lineCap(LineCap::Square);
    content.rectangle(c.x, c.y, c.width, c.height);
    content.stroke();
    sharedEdges(content, column, row);
    foot(content, tiling_.footer, pages::tileLabel(column, row),
         filledIn(request_.texts.tileNote, {tiling_.pageOf(column, row), tiling_.pageCount,
                                            column + 1, tiling_.columns, row + 1, tiling_.rows}));
}

// Each page is cut along the top and the left line of its frame and laid over its neighbours
// to the left and above. On an edge whose neighbour comes over this page: a dashed line where
// the neighbour's cut edge goes, the neighbour's label, and three circled crosses centred on the
// line. On an edge cut to lie over a neighbour: the same crosses centred on the frame line, so
// that the cut leaves half of each, which meets the other half when the pages lie right.
void PageDrawer::sharedEdges(PdfContent& content, int column, int row) const
{
    const pages::Rect& c = tiling_.content;
    const double overlap = pages::kTileOverlapTwips;
    const auto dashedLine = [&](double x1, double y1, double x2, double y2) {
        content.strokeColour(kBlack);
        content.lineWidth(kMarkLineTwips);
        content.lineCap(LineCap::Square);
        content.dash({12 * kMarkLineTwips, 8 * kMarkLineTwips});  // the desktop's pen widths
        content.moveTo(x1, y1);
        content.lineTo(x2, y2);
        content.stroke();
        content.dash({});
    };
    const int neighbours[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& step : neighbours) {
        const int nColumn = column + step[0], nRow = row + step[1];
        if (tiling_.pageOf(nColumn, nRow) == 0) continue;
        const bool comesOver = step[0] > 0 || step[1] > 0;
        const std::string label = pages::tileLabel(nColumn, nRow);
        content.fillColour(kBlack);
        if (step[0] != 0) {
            const double edge = comesOver ? c.right() - overlap : c.left();
            if (comesOver) {
                dashedLine(edge, c.top(), edge, c.bottom());
                wordsInBox(content, PdfFont::HelveticaBold, 200,
                           pages::Rect(edge, c.top() + c.height / 8 - 150, overlap, 300),
                           Align::Centre, label);
            }
            for (int k = 1; k <= 3; ++k) markAt(content, {edge, c.top() + c.height * k / 4});
        } else {
            const double edge = comesOver ? c.bottom() - overlap : c.top();
            if (comesOver) {
                dashedLine(c.left(), edge, c.right(), edge);
                wordsInBox(content, PdfFont::HelveticaBold, 200,
                           pages::Rect(c.left() + c.width / 8 - overlap / 2, edge, overlap, overlap),
                           Align::Centre, label);
            }
            for (int k = 1; k <= 3; ++k) markAt(content, {c.left() + c.width * k / 4, edge});
        }
    }
}

// Only the inked part is tiled, and tiles with nothing to show are left out.
pages::Tiling tilingOf(const Picture& picture, pages::Paper paper,
                       pages::PrintCorrection correction)
{
    const ShapeInk ink(picture.shapes, picture.size);
    const double tpp = picture.twipsPerPixel;
    return pages::tilePicture(
        pages::Size{ink.right() * tpp, ink.bottom() * tpp}, paper,
        [&](const pages::Rect& twips) {
            return ink.within({twips.x / tpp, twips.y / tpp, twips.width / tpp, twips.height / tpp});
        },
        correction);
}

}  // namespace

PatternPdf patternPdf(const PatternPdfRequest& request)
{
    const float twipsPerPixel = measure::twipsPerPixelForDpi(request.dotsPerInch);
    const pattern::Screen screen{twipsPerPixel, twipsPerPixel};
    const auto drawing = pattern::prepareDrawing(request.measurement, request.unit, screen);
    if (drawing.tooLarge()) return {PatternPdf::Problem::TooLarge, {}};
    if (!drawing.plan) return {PatternPdf::Problem::NothingToDraw, {}};

    const Picture picture{pattern::shapesOfPlan(*drawing.plan),
                          {drawing.plan->pictureWidth, drawing.plan->pictureHeight},
                          twipsPerPixel};
    const pages::Tiling tiling = tilingOf(picture, request.paper, request.correction);
    const PageDrawer pages(picture, tiling, request);
    PdfDocument document(request.texts.documentTitle, "Tavrel");
    if (tiling.onePage()) {
        pages.onePage(document);
    } else {
        pages.map(document);
        for (int row = 0; row < tiling.rows; ++row)
            for (int column = 0; column < tiling.columns; ++column)
                if (tiling.pageOf(column, row) != 0) pages.tile(document, column, row);
    }
    return {PatternPdf::Problem::None, document.bytes()};
}

}  // namespace tavrel::web
