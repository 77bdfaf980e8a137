// What the page asks of the core: which typed characters enter the box, the plan of the
// picture for a text in a unit, and the texts and numbers the page words around it. Every
// number the page shows or draws comes from here; the page only strokes and words it.

#include "measure/fractions_reading.h"
#include "measure/key_filter.h"
#include "measure/physical_units.h"
#include "measure/typed_length.h"
#include "pages/paper.h"
#include "pages/print_correction.h"
#include "pattern/drawing.h"
#include "pattern/projection.h"
#include "web/drawn_pattern.h"
#include "web/dxf_file.h"
#include "web/js_arrays.h"
#include "web/pdf/pattern_pdf.h"
#include "web/pdf/calibration_sheet_pdf.h"
#include "web/picture_strokes.h"
#include "web/svg_file.h"
#include "web/typed_characters.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

namespace tavrel::web {
namespace {

using emscripten::val;

std::optional<measure::Unit> unitOf(int index) { return measure::unitAt(index); }

// The characters of `inserted` that enter the box between `before` and `after`, as typing them
// one by one would let them in.
std::string enteredText(const std::string& inserted, const std::string& text,
                        const std::string& before, const std::string& after, int unit)
{
    return measure::filterTypedCharacters(codePoints(inserted), text, before, after, unitOf(unit));
}

// Why a paste or a drop of `inserted` enters nothing: the refused character and the reason, or
// null when all of it enters.
val refusalOf(const std::string& inserted, const std::string& text, const std::string& before,
              const std::string& after, int unit)
{
    const std::vector<int> codes = codePoints(inserted);
    const auto refusal = measure::firstRefusal(codes, text, before, after, unitOf(unit));
    if (!refusal) return val::null();
    static constexpr const char* kWhy[] = {"notTaken", "onlyOne", "notFirst"};
    val result = val::object();
    result.set("character", codes[refusal->index]);
    result.set("why", std::string(kWhy[static_cast<int>(refusal->why)]));
    return result;
}

const char* readingName(measure::FractionsReading reading)
{
    switch (reading) {
    case measure::FractionsReading::WholeRounded: return "wholeRounded";
    case measure::FractionsReading::ZeroDenominator: return "zeroDenominator";
    case measure::FractionsReading::Unclear: return "unclear";
    case measure::FractionsReading::AsWritten: break;
    }
    return "asWritten";
}

// Everything one drawing of `text` in the unit at `index` shows, for a screen of
// `twipsPerPixel`: whether it draws, its picture's size and strokes, the sentence's band, the
// inches drawn and how the fractions read it, and, for a text too large, the largest
// measurement the unit draws.
val drawingOf(const std::string& text, int index, double twipsPerPixel)
{
    const std::optional<measure::Unit> unit = unitOf(index);
    const pattern::Screen screen{float(twipsPerPixel), float(twipsPerPixel)};
    const pattern::Drawing drawing = pattern::prepareDrawing(text, *unit, screen);
    val result = val::object();
    result.set("tooLarge", drawing.tooLarge());
    if (drawing.tooLarge()) result.set("largest", pattern::largestMeasurementText(*unit, screen));
    result.set("M", drawing.tooLarge() ? 0.0 : double(drawing.conversion.M));
    result.set("drawnInches", double(drawing.conversion.pixels) * twipsPerPixel /
                                  measure::kTwipsPerInch);
    result.set("reading",
               std::string(readingName(measure::readingOfFractions(text))));
    if (!drawing.plan || drawing.conversion.M == 0.0f) return result;
    const pattern::PatternPlan& plan = *drawing.plan;
    result.set("width", plan.pictureWidth);
    result.set("height", plan.pictureHeight);
    // How large the picture prints, at its natural size.
    result.set("printedWidthInches", plan.pictureWidth * twipsPerPixel / measure::kTwipsPerInch);
    result.set("printedHeightInches", plan.pictureHeight * twipsPerPixel / measure::kTwipsPerInch);
    val label = val::object();
    label.set("left", plan.labelLeft);
    label.set("top", plan.labelTop);
    label.set("width", plan.pictureWidth);
    label.set("height", plan.labelHeight);
    result.set("label", label);
    const PictureStrokes strokes = strokesOf(plan);
    result.set("lines", numbers(strokes.lines));
    result.set("arcs", numbers(strokes.arcs));
    return result;
}

// A file's bytes for the page to save: {bytes}, or {tooSmall: true} where the picture holds no
// line to draw. The page offers saving only for a text it draws.
val fileOf(const std::optional<std::string>& file)
{
    val result = val::object();
    if (!file) {
        result.set("tooSmall", true);
        return result;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(file->data());
    result.set("bytes", val::global("Uint8Array")
                            .new_(emscripten::typed_memory_view(file->size(), data)));
    return result;
}

val svgFileOf(const std::string& text, int unit, int dotsPerInch, const std::string& title,
              const std::string& description)
{
    return fileOf(svgFile(text, *unitOf(unit), dotsPerInch, {title, description}));
}

val dxfFileOf(const std::string& text, int unit, int dotsPerInch)
{
    return fileOf(dxfFile(text, *unitOf(unit), dotsPerInch));
}

// Whether the text draws a picture with a line inside it, which the PNG file shows.
bool drawsLines(const std::string& text, int unit, int dotsPerInch)
{
    return drawnPattern(text, *unitOf(unit), dotsPerInch).has_value();
}

// Every paper in the menu's order: its command-line name, its caption to translate and its
// group, which the menu sets apart.
val papers()
{
    val list = val::array();
    int index = 0;
    for (const pages::Paper paper : pages::allPapers()) {
        val entry = val::object();
        entry.set("name", std::string(pages::paperName(paper)));
        entry.set("caption", std::string(pages::paperCaption(paper)));
        entry.set("group", static_cast<int>(pages::groupOf(paper)));
        list.set(index++, entry);
    }
    return list;
}

pages::Paper paperOf(const std::string& name)
{
    return pages::paperNamed(name).value_or(pages::Paper::Letter);
}

// A word the page gives in its language; one it leaves out stays English.
void takeText(const val& texts, const char* key, std::string& text)
{
    if (!texts.isUndefined() && !texts.isNull() && texts[key].isString())
        text = texts[key].as<std::string>();
}

PageTexts pageTextsOf(const val& texts)
{
    PageTexts words;
    takeText(texts, "documentTitle", words.documentTitle);
    takeText(texts, "mapTitle", words.mapTitle);
    takeText(texts, "mapInstructionsInch", words.mapInstructionsInch);
    takeText(texts, "mapInstructionsMetric", words.mapInstructionsMetric);
    takeText(texts, "rulerSentenceInch", words.rulerSentenceInch);
    takeText(texts, "rulerSentenceMetric", words.rulerSentenceMetric);
    takeText(texts, "actualSize", words.actualSize);
    takeText(texts, "tileNote", words.tileNote);
    return words;
}

PatternPdfRequest pdfRequest(const std::string& text, int unit, int dotsPerInch,
                             const std::string& paper, double across, double down)
{
    return {text, *unitOf(unit), dotsPerInch, paperOf(paper), {across, down}, {}};
}

// The pattern's PDF on `paper`, enlarged by a printer's correction; the words in the page's
// language.
val pdfFileOf(const std::string& text, int unit, int dotsPerInch, const std::string& paper,
              double across, double down, const val& texts)
{
    PatternPdfRequest request = pdfRequest(text, unit, dotsPerInch, paper, across, down);
    request.texts = pageTextsOf(texts);
    PatternPdf pdf = patternPdf(request);
    if (pdf.problem != PatternPdf::Problem::None) return fileOf(std::nullopt);
    return fileOf(std::move(pdf.bytes));
}

// Whether printing asks first, as the window does for a pattern larger than the page: its page
// count, whether one page had to move in, and the paper's caption to name.
val printPlanOf(const std::string& text, int unit, int dotsPerInch, const std::string& paper,
                double across, double down)
{
    const PdfPagePlan plan = pdfPagePlan(pdfRequest(text, unit, dotsPerInch, paper, across, down));
    val result = val::object();
    result.set("pageCount", plan.pageCount);
    result.set("onePage", plan.onePage);
    result.set("movedIn", plan.movedIn);
    result.set("paperCaption", std::string(pages::paperCaption(paperOf(paper))));
    return result;
}

// Letter where the user's customs measure in US inches, A4 elsewhere.
std::string defaultPaperName(bool usCustomaryUnits)
{
    return std::string(pages::paperName(pages::defaultPaper(usCustomaryUnits)));
}

measure::UnitSystem unitSystem(bool metric)
{
    return metric ? measure::UnitSystem::Metric : measure::UnitSystem::Inch;
}

// The screen's pixels per inch from a bar of `barPixels` between its end marks that measures the
// typed length: {pixelsPerInch}, or {refused: "unreadable"} for a length the unit cannot read,
// or {refused: "implausible", least, most} for one no screen could show.
val pixelsPerInchFromBar(int barPixels, const std::string& typed, bool metric)
{
    val result = val::object();
    const auto inches = measure::readTypedInches(typed, unitSystem(metric));
    if (!inches) {
        result.set("refused", std::string("unreadable"));
        return result;
    }
    const auto pixelsPerInch = pattern::pixelsPerInchFromBar(barPixels, *inches);
    if (!pixelsPerInch) {
        result.set("refused", std::string("implausible"));
        result.set("least", pattern::kMinPixelsPerInch);
        result.set("most", pattern::kMaxPixelsPerInch);
        return result;
    }
    result.set("pixelsPerInch", *pixelsPerInch);
    return result;
}

val projectionScale(double pixelsPerInch, double twipsPerPixel, bool metric)
{
    const pattern::ProjectionScale scale =
        pattern::projectionScale(pixelsPerInch, twipsPerPixel, unitSystem(metric));
    val result = val::object();
    result.set("perPicturePixel", scale.screenPixelsPerPicturePixel);
    result.set("unitPixels", scale.unitPixels);
    return result;
}

val screenLines(const std::vector<pattern::ScreenLine>& lines)
{
    std::vector<double> ends;
    for (const pattern::ScreenLine& line : lines)
        ends.insert(ends.end(), {double(line.x1), double(line.y1), double(line.x2), double(line.y2)});
    return numbers(ends);
}

// The check overlay's lines over a view of `width` by `height` screen pixels.
val gridLines(int width, int height, int cornerX, int cornerY, double unitPixels)
{
    return screenLines(pattern::gridLines({0, 0, width - 1, height - 1}, cornerX, cornerY, unitPixels));
}

val checkRulerLines(int width, int height, double unitPixels)
{
    return screenLines(pattern::checkRulerLines({0, 0, width - 1, height - 1}, unitPixels));
}

bool correctionWithinBounds(double factor) { return pages::withinBounds(factor); }

double percentOf(double factor) { return pages::percentOf(factor); }

// The calibration sheet's words from the page.
CalibrationSheetTexts sheetTexts(const val& texts)
{
    CalibrationSheetTexts sheet;
    takeText(texts, "documentTitle", sheet.documentTitle);
    takeText(texts, "title", sheet.title);
    takeText(texts, "instructionsInch", sheet.instructionsInch);
    takeText(texts, "instructionsMetric", sheet.instructionsMetric);
    takeText(texts, "across", sheet.across);
    takeText(texts, "down", sheet.down);
    takeText(texts, "inches", sheet.inches);
    takeText(texts, "millimeters", sheet.millimeters);
    return sheet;
}

// The calibration sheet's PDF on the paper named as the command line names it: {bytes}, or
// {failure: "paper"} for a paper it does not know.
val calibrationSheet(const std::string& paperName, bool metric, const val& texts)
{
    val result = val::object();
    const auto paper = pages::paperNamed(paperName);
    if (!paper) {
        result.set("failure", std::string("paper"));
        return result;
    }
    const std::string bytes = calibrationSheetPdf(*paper, unitSystem(metric), sheetTexts(texts));
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto view = emscripten::typed_memory_view(bytes.size(), data);
    result.set("bytes", val::global("Uint8Array").new_(view));
    return result;
}

// The bars the sheet on that paper prints: their lengths in twips, in whole units, and worded
// in English ("8 in", "200 mm"); null for a paper it does not know.
val calibrationBars(const std::string& paperName, bool metric)
{
    const auto paper = pages::paperNamed(paperName);
    if (!paper) return val::null();
    const pages::CalibrationBars bars = calibrationSheetBars(*paper, unitSystem(metric));
    const CalibrationSheetTexts english;
    val result = val::object();
    result.set("across", bars.across);
    result.set("down", bars.down);
    result.set("acrossUnits", double(pages::barLengthInUnits(bars.across, unitSystem(metric))));
    result.set("downUnits", double(pages::barLengthInUnits(bars.down, unitSystem(metric))));
    result.set("acrossText", barLengthText(bars.across, unitSystem(metric), english));
    result.set("downText", barLengthText(bars.down, unitSystem(metric), english));
    return result;
}

// The printer's correction from the bars printed `nominal` twips long, measured as typed:
// {across, down}, or {refused: "unreadable"} for a length the unit cannot read or that is not
// above 0, or {refused: "beyond", across, down, least, greatest} for one no printer at 100 %
// needs.
val correctionFromBars(double nominalAcrossTwips, const std::string& measuredAcross,
                       double nominalDownTwips, const std::string& measuredDown, bool metric)
{
    val result = val::object();
    const auto across = measure::readTypedInches(measuredAcross, unitSystem(metric));
    const auto down = measure::readTypedInches(measuredDown, unitSystem(metric));
    if (!across || !down || *across <= 0 || *down <= 0) {
        result.set("refused", std::string("unreadable"));
        return result;
    }
    const pages::PrintCorrection correction =
        pages::correctionFromBars(nominalAcrossTwips / measure::kTwipsPerInch, *across,
                                  nominalDownTwips / measure::kTwipsPerInch, *down);
    result.set("across", correction.across);
    result.set("down", correction.down);
    if (!pages::withinBounds(correction)) {
        result.set("refused", std::string("beyond"));
        result.set("least", pages::kLeastCorrection);
        result.set("greatest", pages::kGreatestCorrection);
    }
    return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tavrel)
{
    emscripten::function("enteredText", &enteredText);
    emscripten::function("refusalOf", &refusalOf);
    emscripten::function("drawingOf", &drawingOf);
    emscripten::function("papers", &papers);
    emscripten::function("defaultPaper", &defaultPaperName);
    emscripten::function("svgFile", &svgFileOf);
    emscripten::function("dxfFile", &dxfFileOf);
    emscripten::function("pdfFile", &pdfFileOf);
    emscripten::function("printPlan", &printPlanOf);
    emscripten::function("drawsLines", &drawsLines);
    emscripten::function("plausiblePixelsPerInch", &pattern::plausiblePixelsPerInch);
    emscripten::function("pixelsPerInchFromBar", &pixelsPerInchFromBar);
    emscripten::function("projectionScale", &projectionScale);
    emscripten::function("gridLines", &gridLines);
    emscripten::function("checkRulerLines", &checkRulerLines);
    emscripten::function("correctionWithinBounds", &correctionWithinBounds);
    emscripten::function("percentOf", &percentOf);
    emscripten::function("calibrationSheet", &calibrationSheet);
    emscripten::function("calibrationBars", &calibrationBars);
    emscripten::function("correctionFromBars", &correctionFromBars);
}

}  // namespace tavrel::web
