// The browser's PDF of the pattern against the desktop's: the same pages, words, check rulers
// and picture, as poppler reads and rasterizes them.
#include "export/calibration_sheet.h"
#include "export/pattern_export.h"
#include "page_raster.h"
#include "pattern/drawing.h"
#include "picture/picture_ink.h"
#include "screen_ink.h"
#include "web/pdf/calibration_sheet_pdf.h"
#include "web/pdf/pattern_pdf.h"
#include "web/pdf/pdf_document.h"
#include "web/pdf/shape_ink.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <qpdf/QPDF.hh>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace exporting = tavrel::exporting;
namespace measure = tavrel::measure;
namespace pages = tavrel::pages;
namespace test = tavrel::test;
namespace web = tavrel::web;

namespace {

constexpr double kMillimeter = 1440 / 25.4;
constexpr int kDotsPerInch = 300;

bool writeFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// Whether qpdf reads the file as it is written, with no repair of its cross-reference table.
bool readsWithoutRepair(const std::string& bytes)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("web.pdf", bytes.data(), bytes.size());
    return !pdf.getAllPages().empty() && !pdf.anyWarnings();
}

// The words of a page in any order, ligatures spelt out: the lines break at other places in
// the other font.
QStringList sortedWords(const QString& text)
{
    QStringList words = text.normalized(QString::NormalizationForm_KC)
                            .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

// Dark dots of `a` inside `area` (twips from the page's corner) with no dark dot of `b` within
// `reach` dots; boxes of words are left out.
int strayInk(const test::PageRaster& a, const test::PageRaster& b, const QRectF& area,
             const std::vector<QRectF>& words, int reach)
{
    int stray = 0;
    const double slack = a.twips(reach);
    for (int y = int(a.dots(area.top())); y < int(a.dots(area.bottom())); ++y)
        for (int x = int(a.dots(area.left())); x < int(a.dots(area.right())); ++x) {
            if (qGray(a.image.pixel(x, y)) >= 128) continue;
            const QPointF at(a.twips(x + 0.5), a.twips(y + 0.5));
            if (std::any_of(words.begin(), words.end(),
                            [&](const QRectF& w) { return w.contains(at); }))
                continue;
            if (!test::anyDarkIn(b, QRectF(at - QPointF(slack, slack), QSizeF(2 * slack, 2 * slack))))
                ++stray;
        }
    return stray;
}

struct Case {
    const char* name;
    const char* measurement;
    measure::Unit unit;
    int dotsPerInch;
    pages::Paper paper;
    pages::PrintCorrection correction;
    friend std::ostream& operator<<(std::ostream& out, const Case& c) { return out << c.name; }
};

class WebPdf : public testing::TestWithParam<Case> {};

TEST_P(WebPdf, ShowsTheDesktopsPages)
{
    const Case& c = GetParam();
    QTemporaryDir folder;
    const QString desktop = folder.filePath("desktop.pdf"), browser = folder.filePath("web.pdf");
    ASSERT_EQ(exporting::exportPattern({c.measurement, c.unit, c.dotsPerInch,
                                        desktop.toStdString(), exporting::Paper(c.paper),
                                        {c.correction.across, c.correction.down}}),
              "");
    const web::PatternPdf pdf =
        web::patternPdf({c.measurement, c.unit, c.dotsPerInch, c.paper, c.correction, {}});
    ASSERT_EQ(pdf.problem, web::PatternPdf::Problem::None);
    ASSERT_TRUE(readsWithoutRepair(pdf.bytes));
    ASSERT_TRUE(writeFile(browser, pdf.bytes));

    const int count = test::pageCount(desktop);
    ASSERT_EQ(test::pageCount(browser), count);
    const QStringList desktopTexts = test::pageTexts(desktop), browserTexts = test::pageTexts(browser);
    const auto desktopPages = test::rasterizePages(desktop, kDotsPerInch);
    const auto browserPages = test::rasterizePages(browser, kDotsPerInch);
    ASSERT_EQ(int(desktopPages.size()), count);
    ASSERT_EQ(int(browserPages.size()), count);
    const double unit = (measure::unitSystemOf(c.unit) == measure::UnitSystem::Metric
                             ? 10 * kMillimeter
                             : 1440) *
                        c.correction.across;
    for (int page = 1; page <= count; ++page) {
        SCOPED_TRACE(page);
        const QSizeF size = test::pageSizeTwips(desktop, page);
        EXPECT_EQ(test::pageSizeTwips(browser, page), size);
        EXPECT_EQ(sortedWords(browserTexts[page - 1]), sortedWords(desktopTexts[page - 1]));

        // Printed on the paper the frames were laid out for, the foot is where it always is.
        const QRectF foot(720, size.height() - 1440, size.width() - 1440, 720);
        const auto desktopRuler = test::checkRulerLength(desktop, page, foot, unit);
        const auto browserRuler = test::checkRulerLength(browser, page, foot, unit);
        ASSERT_TRUE(desktopRuler && browserRuler);
        EXPECT_NEAR(*browserRuler, *desktopRuler, 0.05 * kMillimeter);
        RecordProperty("ruler_mm_page" + std::to_string(page),
                       std::to_string((*browserRuler - *desktopRuler) / kMillimeter));

        // The map's small picture is a raster on the desktop: only a guide.
        if (count > 1 && page == 1) continue;
        std::vector<QRectF> words;
        for (const QString& path : {desktop, browser})
            for (const test::WordBox& word : test::wordBoxes(path, page))
                words.push_back(word.box.adjusted(-40, -40, 40, 40));
        const QRectF content(720, 720, size.width() - 1440, size.height() - 2160);
        const auto& a = desktopPages[size_t(page - 1)];
        const auto& b = browserPages[size_t(page - 1)];
        EXPECT_EQ(strayInk(a, b, content, words, 2), 0) << "desktop ink missing in the browser's";
        EXPECT_EQ(strayInk(b, a, content, words, 2), 0) << "browser ink missing in the desktop's";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Papers, WebPdf,
    testing::Values(
        Case{"OnePageLetter", "3", measure::Unit::InchesDecimal, 96, pages::Paper::Letter, {}},
        Case{"TiledA4", "150", measure::Unit::Millimeter, 96, pages::Paper::A4, {}},
        Case{"Roll", "5 1/2", measure::Unit::InchesFractions, 120, pages::Paper::Roll24In, {}},
        Case{"Corrected", "3", measure::Unit::InchesDecimal, 96, pages::Paper::Letter,
             {1.02, 0.99}}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

// The ink decides which tiles get pages: the browser finds it where the desktop's stroker does.
TEST(WebPdf, FindsTheInkTheDesktopFinds)
{
    for (const test::Measurement& m : test::measurementsAcrossUnits()) {
        SCOPED_TRACE(m.text);
        const tavrel::picture::PersistentImage image = test::pictureOf(m);
        const float twipsPerPixel = float(1440.0 / m.dotsPerInch);
        const auto shapes = tavrel::pattern::shapesOfPlan(
            *tavrel::pattern::prepareDrawing(m.text, *measure::unitAt(m.unit),
                                             {twipsPerPixel, twipsPerPixel})
                 .plan);
        const tavrel::picture::PictureInk desktop(image);
        const web::ShapeInk browser(shapes, {image.size.width(), image.size.height()});
        EXPECT_NEAR(browser.right(), desktop.extent().width(), 1e-3);
        EXPECT_NEAR(browser.bottom(), desktop.extent().height(), 1e-3);
        // Either finds ink where the other finds it in a slightly larger area: the desktop
        // strokes each quarter of a circle as one cubic curve, up to 0.03 % of its radius off.
        const double side = 7;
        const double more = 0.05 + 3e-4 * std::max(image.size.width(), image.size.height());
        for (double y = -side + 0.6; y < image.size.height(); y += side)
            for (double x = -side + 0.3; x < image.size.width(); x += side) {
                const QRectF area(x, y, side, side), larger = area.adjusted(-more, -more, more, more);
                const bool inBrowser = browser.within({x, y, side, side});
                ASSERT_TRUE(!inBrowser || desktop.within(larger)) << x << ", " << y;
                const bool inBrowserLarger =
                    browser.within({larger.x(), larger.y(), larger.width(), larger.height()});
                ASSERT_TRUE(!desktop.within(area) || inBrowserLarger) << x << ", " << y;
            }
    }
}

// The calibration sheet: the desktop's page, words and bars, a roll's sheet cut as short.
TEST(WebPdf, ShowsTheDesktopsCalibrationSheet)
{
    struct Row {
        pages::Paper paper;
        measure::UnitSystem unit;
    };
    // Letter's bar down is 18 cm only without the bottom margin: the margins count.
    const Row rows[] = {{pages::Paper::Letter, measure::UnitSystem::Metric},
                        {pages::Paper::A4, measure::UnitSystem::Inch},
                        {pages::Paper::Roll24In, measure::UnitSystem::Metric}};
    QTemporaryDir folder;
    const QString desktop = folder.filePath("desktop.pdf"), browser = folder.filePath("web.pdf");
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(pages::paperName(row.paper)));
        ASSERT_EQ(exporting::saveCalibrationSheet(desktop.toStdString(), row.paper, row.unit), "");
        const std::string bytes = web::calibrationSheetPdf(row.paper, row.unit);
        ASSERT_TRUE(readsWithoutRepair(bytes));
        ASSERT_TRUE(writeFile(browser, bytes));
        ASSERT_EQ(test::pageCount(browser), 1);
        const QSizeF size = test::pageSizeTwips(desktop, 1);
        EXPECT_EQ(test::pageSizeTwips(browser, 1), size);
        EXPECT_EQ(sortedWords(test::pageText(browser, 1)), sortedWords(test::pageText(desktop, 1)));
        const auto a = test::rasterizePage(desktop, 1, kDotsPerInch);
        const auto b = test::rasterizePage(browser, 1, kDotsPerInch);
        ASSERT_TRUE(a && b);
        const auto desktopBars = test::calibrationBars(*a), browserBars = test::calibrationBars(*b);
        ASSERT_TRUE(desktopBars && browserBars);
        EXPECT_NEAR(browserBars->across, desktopBars->across, 0.05 * kMillimeter);
        EXPECT_NEAR(browserBars->down, desktopBars->down, 0.05 * kMillimeter);
        std::vector<QRectF> words;
        for (const QString& path : {desktop, browser})
            for (const test::WordBox& word : test::wordBoxes(path, 1))
                words.push_back(word.box.adjusted(-40, -40, 40, 40));
        // The title, the instructions and the labels start where the desktop's do.
        const auto firstBox = [](const QString& path, const QString& word) {
            for (const test::WordBox& box : test::wordBoxes(path, 1))
                if (box.word == word) return box.box.topLeft();
            return QPointF(-1e6, -1e6);
        };
        for (const QString word : {"Tavrel", "Print", "Across:", "Down:"}) {
            const QPointF offset = firstBox(browser, word) - firstBox(desktop, word);
            EXPECT_LT(offset.manhattanLength(), 80) << word.toStdString();
        }
        const QRectF page(QPointF(0, 0), size);
        EXPECT_EQ(strayInk(*a, *b, page, words, 2), 0) << "desktop ink missing in the browser's";
        EXPECT_EQ(strayInk(*b, *a, page, words, 2), 0) << "browser ink missing in the desktop's";
    }
}

TEST(WebPdf, SaysWhyNothingIsDrawn)
{
    EXPECT_EQ(web::patternPdf({"0", measure::Unit::InchesDecimal, 96}).problem,
              web::PatternPdf::Problem::NothingToDraw);
    EXPECT_EQ(web::patternPdf({"100000", measure::Unit::InchesDecimal, 96}).problem,
              web::PatternPdf::Problem::TooLarge);
}

// The letters of German, French, Spanish, Dutch, Italian and Portuguese, and the signs the
// page texts use, come back from the page as written; others become question marks.
TEST(WebPdf, WritesWesternEuropeanLetters)
{
    struct Row {
        const char* written;
        const char* read;
    };
    const Row rows[] = {
        {"Größe Straße ÄÖÜ äöü", "Größe Straße ÄÖÜ äöü"},
        {"Œuvre cœur çà éèêë îï ôûùü ÿ Ÿ « 100 % »", "Œuvre cœur çà éèêë îï ôûùü ÿ Ÿ « 100 % »"},
        {"¿Año? ¡Sí! ÁÉÍÓÚÑ º ª", "¿Año? ¡Sí! ÁÉÍÓÚÑ º ª"},
        {"één café’s — 5 €", "één café’s — 5 €"},
        {"città però ÀÈÌÒÙ", "città però ÀÈÌÒÙ"},
        {"ações irmãs ÃÕÂÊÔ", "ações irmãs ÃÕÂÊÔ"},
        {"Łódź ĳs", "?ód? ?s"},
    };
    QTemporaryDir folder;
    web::PdfDocument document("Größe", "Tavrel");
    for (const Row& row : rows)
        document.addPage(612, 792).text(web::PdfFont::Helvetica, 12, 72, 72, row.written);
    const QString path = folder.filePath("letters.pdf");
    ASSERT_TRUE(readsWithoutRepair(document.bytes()));
    ASSERT_TRUE(writeFile(path, document.bytes()));
    const QStringList texts = test::pageTexts(path);
    ASSERT_EQ(texts.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(texts[int(i)].trimmed(), QString::fromUtf8(rows[i].read));
}

}  // namespace
