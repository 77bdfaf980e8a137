#include "web/pdf/calibration_sheet_pdf.h"

#include "web/pdf/page_words.h"
#include "web/pdf/pdf_document.h"

#include <algorithm>
#include <cmath>

namespace tavrel::web {
namespace {

using pages::Point;
using pages::Rect;

constexpr double kTwipsPerPoint = 20;
constexpr double kBarLineTwips = 20;
constexpr double kTickHalfTwips = 160;  // the end marks stand out this far on either side

// `text` with its %1 replaced by `value`.
std::string withValue(std::string text, const std::string& value)
{
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, value);
    return text;
}

// The desktop's painter lays the sheet out in twips, in the page less its margins.
pages::Size printableTwips(pages::Size sheetPoints)
{
    const double margin = pages::kSheetMarginTwips;
    return {sheetPoints.width * kTwipsPerPoint - 2 * margin,
            sheetPoints.height * kTwipsPerPoint - 2 * margin};
}

// A bar between two end marks that cross it, from `start` along `direction` (a unit vector).
void drawBar(PdfContent& content, Point start, Point direction, double length)
{
    const Point end{start.x + direction.x * length, start.y + direction.y * length};
    const Point across{direction.y * kTickHalfTwips, direction.x * kTickHalfTwips};
    content.lineWidth(kBarLineTwips);
    content.lineCap(LineCap::Butt);
    content.moveTo(start.x, start.y);
    content.lineTo(end.x, end.y);
    for (const Point mark : {start, end}) {
        content.moveTo(mark.x - across.x, mark.y - across.y);
        content.lineTo(mark.x + across.x, mark.y + across.y);
    }
    content.stroke();
}

}  // namespace

std::string barLengthText(double twips, measure::UnitSystem unit,
                          const CalibrationSheetTexts& texts)
{
    const std::string units = std::to_string(pages::barLengthInUnits(twips, unit));
    return withValue(unit == measure::UnitSystem::Metric ? texts.millimeters : texts.inches,
                     units);
}

pages::CalibrationBars calibrationSheetBars(pages::Paper paper, measure::UnitSystem unit)
{
    return pages::calibrationBarsFor(printableTwips(pages::calibrationSheetPoints(paper, unit)),
                                     unit);
}

std::string calibrationSheetPdf(pages::Paper paper, measure::UnitSystem unit,
                                const CalibrationSheetTexts& texts)
{
    const pages::Size sheet = pages::calibrationSheetPoints(paper, unit);
    PdfDocument document(texts.documentTitle, "Tavrel");
    PdfContent& content = document.addPage(sheet.width, sheet.height);
    content.transform(1 / kTwipsPerPoint, 0, 0, 1 / kTwipsPerPoint, 0, 0);

    const double margin = pages::kSheetMarginTwips;
    const pages::Size printable = printableTwips(sheet);
    const pages::CalibrationBars bars = pages::calibrationBarsFor(printable, unit);
    const double inset = pages::kSheetInsetTwips;
    const Rect area(margin + inset, margin + inset, printable.width - 2 * inset,
                    printable.height - inset);

    content.fillColour({});
    content.strokeColour({});
    const double wide = textWidth(PdfFont::HelveticaBold, 280, texts.title);
    wordsAtTop(content, PdfFont::HelveticaBold,
               wide > area.width ? std::max(1.0, std::floor(280 * area.width / wide)) : 280,
               Rect(area.left(), area.top(), area.width, 400), texts.title);
    paragraphInBox(content, PdfFont::Helvetica, 180,
                   Rect(area.left(), area.top() + 500, area.width, 1500),
                   unit == measure::UnitSystem::Metric ? texts.instructionsMetric
                                                       : texts.instructionsInch);

    // The label across sits on its box's foot, the label down beside the bar's middle.
    const Point acrossStart{area.left(), area.top() + pages::kAcrossBarTopTwips};
    const double labelSize = 200;
    const double labelFoot = acrossStart.y - 520 + 300;
    wordsAtTop(content, PdfFont::HelveticaBold, labelSize,
               Rect(area.left(), labelFoot - lineHeight(labelSize), area.width,
                    lineHeight(labelSize)),
               withValue(texts.across, barLengthText(bars.across, unit, texts)));
    drawBar(content, acrossStart, {1, 0}, bars.across);

    const Point downStart{area.left(), area.top() + pages::kDownBarTopTwips};
    wordsInBox(content, PdfFont::HelveticaBold, labelSize,
               Rect(downStart.x + 500, downStart.y + bars.down / 2 - 150, 3000, 300), Align::Left,
               withValue(texts.down, barLengthText(bars.down, unit, texts)));
    drawBar(content, downStart, {0, 1}, bars.down);
    return document.bytes();
}

}  // namespace tavrel::web
