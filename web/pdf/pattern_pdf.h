#pragma once
// The pattern's PDF in the browser: the same pages as the desktop's export, written without Qt.
// One page when the picture fits the paper, placed as the printout places it; otherwise a map
// of the pages, then overlapping tiles with alignment marks and labels. Every page carries a
// check ruler and says to print at 100 %.

#include "measure/unit.h"
#include "pages/paper.h"
#include "pages/print_correction.h"

#include <string>

namespace tavrel::web {

// The words on the pages, in the user's language; English by default. A text with %1, %2 ...
// gets its numbers there; the map's title takes the page count at %n.
struct PageTexts {
    std::string documentTitle = "Tavrel pattern";
    std::string mapTitle = "Tavrel pattern on %n pages: %1 across, %2 down";
    std::string mapInstructionsInch =
        "Print every page at 100 % (actual size), with no scaling and no \"fit to page\": the bar "
        "at the foot of each page must then measure one inch. Cut each page along the top and the "
        "left line of its frame. Then lay the pages out as in the diagram below, each page over "
        "its neighbors to its left and above, with its cut edges on their dashed lines, so that "
        "the halves of each circled cross meet. Tape them together. The pages overlap by 1/2 "
        "inch (12.7 mm).";
    std::string mapInstructionsMetric =
        "Print every page at 100 % (actual size), with no scaling and no \"fit to page\": the "
        "bar at the foot of each page must then measure one centimeter. Cut each page along "
        "the top and the left line of its frame. Then lay the pages out as in the diagram "
        "below, each page over its neighbors to its left and above, with its cut edges on "
        "their dashed lines, so that the halves of each circled cross meet. Tape them "
        "together. The pages overlap by 12.7 mm (1/2 inch).";
    std::string rulerSentenceInch = "When printed, this bar should measure one inch";
    std::string rulerSentenceMetric = "When printed, this bar should measure one centimeter";
    std::string actualSize = "Print at 100 % (actual size), no scaling.";
    std::string tileNote = "Page %1 of %2: column %3 of %4, row %5 of %6.";
};

struct PatternPdfRequest {
    std::string measurement;  // the text, read as the entry box reads it
    measure::Unit unit = measure::Unit::InchesDecimal;
    int dotsPerInch = 96;  // the screen resolution the pattern is drawn for
    pages::Paper paper = pages::Paper::Letter;
    pages::PrintCorrection correction = {};
    PageTexts texts = {};
};

struct PatternPdf {
    enum class Problem { None, NothingToDraw, TooLarge };
    Problem problem = Problem::None;
    std::string bytes;  // the file, when there is no problem
};

PatternPdf patternPdf(const PatternPdfRequest& request);

// How the pattern lies on the paper before it is drawn: its pages (the map's included), and
// whether a picture that fits one page had to move in from its usual place. No pages when
// nothing is drawn.
struct PdfPagePlan {
    int pageCount = 0;
    bool onePage = true;
    bool movedIn = false;
};

PdfPagePlan pdfPagePlan(const PatternPdfRequest& request);

}  // namespace tavrel::web
