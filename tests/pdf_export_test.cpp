// The pattern's PDF: where the tiles fall, and what the rasterized pages measure.
#include "export/pdf_export.h"
#include "export/pdf_pages.h"
#include "page_raster.h"
#include "pattern/drawing.h"
#include "picture/pattern_image.h"
#include "screen_ink.h"

#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <qpdf/QPDF.hh>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace measure = tavrel::measure;
namespace exporting = tavrel::exporting;
namespace picture = tavrel::picture;
namespace test = tavrel::test;
using exporting::Paper;

namespace {

constexpr double kInch = 1440;
constexpr double kCentimeter = 1440 / 2.54;
constexpr int kDotsPerInch = 1200;  // a dot is 1.2 twips, 0.2 % of a centimeter

// Qt's standard sheets, which printers know, are the papers' own sizes in points.
TEST(Paper, SheetsAreQtsStandardPageSizes)
{
    const std::map<Paper, QPageSize::PageSizeId> sheets = {
        {Paper::Letter, QPageSize::Letter}, {Paper::A4, QPageSize::A4},
        {Paper::A3, QPageSize::A3},         {Paper::Legal, QPageSize::Legal},
        {Paper::Tabloid, QPageSize::Tabloid}, {Paper::A2, QPageSize::A2},
        {Paper::A1, QPageSize::A1},         {Paper::A0, QPageSize::A0},
        {Paper::ArchD, QPageSize::ArchD},   {Paper::ArchE, QPageSize::ArchE}};
    for (const Paper paper : exporting::allPapers()) {
        if (exporting::isRoll(paper)) continue;
        const QPageSize page = exporting::pageSizeOf(paper);
        EXPECT_EQ(page, QPageSize(sheets.at(paper))) << exporting::paperName(paper);
        EXPECT_EQ(exporting::toQt(tavrel::pages::paperPoints(paper)), page.size(QPageSize::Point))
            << exporting::paperName(paper);
    }
}

TEST(Paper, DefaultsToLetterWhereTheLocaleMeasuresInUsInches)
{
    struct Case {
        QLocale locale;
        Paper paper;
    };
    for (const Case& c : {Case{QLocale(QLocale::English, QLocale::UnitedStates), Paper::Letter},
                          Case{QLocale(QLocale::English, QLocale::UnitedKingdom), Paper::A4},
                          Case{QLocale(QLocale::German, QLocale::Germany), Paper::A4}}) {
        EXPECT_EQ(exporting::defaultPaper(c.locale), c.paper) << c.locale.name().toStdString();
        // Calibrations measure in inches beside Letter, in millimeters beside A4.
        EXPECT_EQ(exporting::defaultUnitSystem(c.locale), c.paper == Paper::Letter
                                                              ? measure::UnitSystem::Inch
                                                              : measure::UnitSystem::Metric);
    }
}

// The program as a user runs it: the paper asked for, or the one of the user's locale.
TEST(PdfCommandLine, WritesThePaperAskedOrTheLocalesPaper)
{
    struct Case {
        const char* locale;
        QStringList paper;
        QSizeF size;  // twips
    };
    QTemporaryDir folder;
    const QString path = folder.filePath("pattern.pdf");
    for (const Case& c : {Case{"en_US.UTF-8", {}, {12240, 15840}},
                          Case{"de_DE.UTF-8", {}, {11900, 16840}},
                          Case{"en_GB.UTF-8", {}, {11900, 16840}},
                          Case{"en_US.UTF-8", {"--paper", "tabloid"}, {15840, 24480}},
                          Case{"de_DE.UTF-8", {"--paper", "legal"}, {12240, 20160}},
                          Case{"en_US.UTF-8", {"--paper", "roll-914mm"}, {51800, 10540}}}) {
        // A Windows program takes its locale from the system's regional settings, which are
        // American English here, not from LC_ALL.
        if (QSysInfo::kernelType() == "winnt" && c.paper.isEmpty() &&
            QLatin1String(c.locale) != QLatin1String("en_US.UTF-8"))
            continue;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("LC_ALL", c.locale);
        program.setProcessEnvironment(environment);
        program.start(TAVREL_PROGRAM, QStringList{"--unit", "decimal", "--measure", "2", "--export",
                                                  path} + c.paper);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_EQ(program.readAllStandardError(), "");
        const QSizeF size = test::pageSizeTwips(path, 1);
        EXPECT_NEAR(size.width(), c.size.width(), 20) << c.locale;
        EXPECT_NEAR(size.height(), c.size.height(), 20) << c.locale;
    }
}

class PdfExport : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    // The pattern for a measurement, drawn for a screen of `twipsPerPixel`, as a PDF file.
    QString exportPdf(const char* text, int unit, float twipsPerPixel, Paper paper,
                      exporting::PrintCorrection correction = {})
    {
        const auto drawing = tavrel::pattern::prepareDrawing(text, *tavrel::measure::unitAt(unit),
                                                             {twipsPerPixel, twipsPerPixel});
        EXPECT_TRUE(drawing.plan);
        if (!drawing.plan) return {};
        M_ = drawing.plan->M;
        const QString path = folder_.filePath(QString("pattern-%1.pdf").arg(++files_));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        const auto ruler = measure::unitSystemOf(*measure::unitAt(unit));
        EXPECT_TRUE(exporting::writePdf(picture::patternImage(*drawing.plan), twipsPerPixel, ruler,
                                        paper, file, correction));
        return path;
    }

    // The check ruler at the foot of a page.
    static std::optional<double> checkRulerLength(const QString& pdf, int page,
                                                  const exporting::PageFrame& frame, double unit)
    {
        return test::checkRulerLength(pdf, page, exporting::toQt(frame.footer), unit);
    }

    QTemporaryDir folder_;
    int files_ = 0;
    float M_ = 0;
};

struct OnePageCase {
    const char* name;
    const char* text;
    int unit;
    float twipsPerPixel;
    Paper paper;
    double division;
    size_t ticks;
    friend std::ostream& operator<<(std::ostream& out, const OnePageCase& c) { return out << c.name; }
};

class OnePagePdf : public PdfExport, public testing::WithParamInterface<OnePageCase> {};

TEST_P(OnePagePdf, ShowsThePictureAsPrintedWithItsRulerAndWords)
{
    const OnePageCase& c = GetParam();
    const QString pdf = exportPdf(c.text, c.unit, c.twipsPerPixel, c.paper);
    ASSERT_FALSE(pdf.isEmpty());
    const exporting::PdfTiling tiling = exporting::tilePicture({1, 1}, c.paper);
    EXPECT_EQ(test::pageCount(pdf), 1);
    const QSizeF size = test::pageSizeTwips(pdf, 1);
    EXPECT_NEAR(size.width(), tiling.page.width, 20);
    EXPECT_NEAR(size.height(), tiling.page.height, 20);
    const QString text = test::pageText(pdf, 1);
    EXPECT_TRUE(text.contains("Print at 100 % (actual size), no scaling")) << text.toStdString();

    const double tpp = c.twipsPerPixel, M = M_;
    const QPointF corner = exporting::toQt(tiling.content.topLeft()) + QPointF(250, 250);
    const auto ticks = test::darkLinesAcrossPageRow(pdf, 1, kDotsPerInch, corner.y() + 3.625 * M * tpp);
    ASSERT_EQ(ticks.size(), c.ticks);
    for (size_t i = 1; i < ticks.size(); ++i)
        EXPECT_NEAR(ticks[i] - ticks[i - 1], c.division, 0.005 * c.division);
    const auto centre = test::nearest(
        test::darkLinesAcrossPageRow(pdf, 1, kDotsPerInch, corner.y() + 1.25 * M * tpp),
        corner.x() + 1.5 * M * tpp, 400);
    ASSERT_TRUE(centre);
    // The line's ink is centred half a picture pixel past its coordinate.
    EXPECT_NEAR(*centre - tiling.content.left() - (1.5 * M + 0.5) * tpp, 250, 5);
    const auto bar = checkRulerLength(pdf, 1, tiling, c.division);
    ASSERT_TRUE(bar);
    EXPECT_NEAR(*bar, c.division, 0.005 * c.division);
}

INSTANTIATE_TEST_SUITE_P(
    PapersUnitsAndResolutions, OnePagePdf,
    testing::Values(OnePageCase{"InchesOnLetter", "2", 0, 15, Paper::Letter, kInch, 3},
                    OnePageCase{"InchesOnA4At120Dpi", "2", 0, 12, Paper::A4, kInch, 3},
                    OnePageCase{"CentimetersOnA3", "50.8", 2, 15, Paper::A3, kCentimeter, 5},
                    OnePageCase{"FractionsOnLegal", "3", 1, 15, Paper::Legal, kInch, 3},
                    OnePageCase{"CentimetersOnTabloidAt120Dpi", "100", 2, 12, Paper::Tabloid,
                                kCentimeter, 5}),
    [](const testing::TestParamInfo<OnePageCase>& info) { return info.param.name; });

// Below the ruler the picture holds only the screen's sentence, and beside the ruler nothing:
// no page is spent on them. The map counts the pages that are there.
TEST_F(PdfExport, LeavesOutPagesThatWouldShowOnlyPaper)
{
    struct Case {
        const char* text;
        int unit;
        Paper paper;
        int pages;
        const char* title;
    };
    for (const Case& c : {Case{"6", 0, Paper::Letter, 5, "5 pages: 2 across, 2 down"},
                          Case{"200", 2, Paper::A4, 8, "8 pages: 3 across, 3 down"}}) {
        const QString pdf = exportPdf(c.text, c.unit, 15, c.paper);
        EXPECT_EQ(test::pageCount(pdf), c.pages) << c.text;
        EXPECT_TRUE(test::pageText(pdf, 1).contains(c.title)) << c.text;
        EXPECT_TRUE(test::pageText(pdf, c.pages).contains(QString("Page %1 of %1").arg(c.pages)));
    }
}

// The largest pattern at 96 dpi, on every paper: each page's label lies in the middle of its
// cell, which no neighbouring cell covers, so no cell line crosses it.
TEST_F(PdfExport, MapLabelsFitTheirCellsOnTheLargestMaps)
{
    const tavrel::picture::PersistentImage image = test::pictureOf({0, "91.02", 96});
    const QString pdf = folder_.filePath("map.pdf");
    for (const Paper paper : {Paper::Letter, Paper::A4, Paper::A3, Paper::Legal, Paper::Tabloid,
                              Paper::A2, Paper::A1, Paper::A0, Paper::ArchD, Paper::ArchE,
                              Paper::Roll36In, Paper::Roll24In, Paper::Roll914Mm}) {
        const exporting::PdfTiling tiling = exporting::pdfTilingOf(image, 15, paper);
        {
            QPdfWriter writer(pdf);
            writer.setResolution(1440);
            writer.setPageLayout(
                QPageLayout(exporting::pageSizeOfPoints(tiling.map.sheetPoints),
                            QPageLayout::Portrait, QMarginsF()));
            QPainter painter(&writer);
            exporting::PdfPages{painter, image, 15, measure::UnitSystem::Inch, tiling}.drawMap();
        }
        std::map<QString, QRectF> labels;
        for (const test::WordBox& word : test::wordBoxes(pdf, 1)) labels[word.word] = word.box;
        const exporting::MapLayout map = exporting::mapLayoutOf(tiling);
        for (int row = 0; row < tiling.rows; ++row)
            for (int column = 0; column < tiling.columns; ++column) {
                if (tiling.pageOf(column, row) == 0) continue;
                const QString label = exporting::tileLabel(column, row);
                const auto found = labels.find(label);
                ASSERT_NE(found, labels.end()) << label.toStdString();
                const QRectF room = exporting::toQt(map.labelRoom(column, row).adjusted(-2, -2, 2, 2));
                EXPECT_TRUE(room.contains(found->second))
                    << label.toStdString() << " on paper " << int(paper);
            }
        std::printf("%d pages on paper %d: labels %.0f twips high\n", tiling.pageCount, int(paper),
                    labels["A1"].height());
    }
}

// Copy-shop sheets and rolls, by their words on the command line. A roll's pages have its width
// and the length the pattern needs, at most 200 inches; the map of a tiled pattern goes on an
// office sheet beside it. Sizes in points.
struct LargePaperCase {
    const char* paper;
    const char* inches;
    QSize page;
    int columns, rows, pages;
    QSize mapPage;  // when there are tiles
    friend std::ostream& operator<<(std::ostream& out, const LargePaperCase& c)
    {
        return out << c.paper << ", " << c.inches << " in";
    }
};

class LargePaperPdf : public PdfExport, public testing::WithParamInterface<LargePaperCase> {};

TEST_P(LargePaperPdf, HasThePapersPagesAndTrueCheckRulers)
{
    const LargePaperCase& c = GetParam();
    const auto paper = exporting::paperNamed(c.paper);
    ASSERT_TRUE(paper);
    const QString pdf = exportPdf(c.inches, 0, 15, *paper);
    ASSERT_EQ(test::pageCount(pdf), c.pages);
    const bool tiled = c.pages > 1;
    for (int page = tiled ? 2 : 1; page <= c.pages; ++page)
        EXPECT_EQ(test::pageSizeTwips(pdf, page), QSizeF(c.page) * 20) << "page " << page;
    const exporting::PdfTiling tiling =
        exporting::pdfTilingOf(test::pictureOf({0, c.inches, 96}), 15, *paper);
    if (tiled) {
        EXPECT_EQ(test::pageSizeTwips(pdf, 1), QSizeF(c.mapPage) * 20);
        const QString title =
            QString("%1 pages: %2 across, %3 down").arg(c.pages).arg(c.columns).arg(c.rows);
        EXPECT_TRUE(test::pageText(pdf, 1).contains(title)) << title.toStdString();
        const auto mapBar = checkRulerLength(pdf, 1, tiling.map, kInch);
        ASSERT_TRUE(mapBar);
        EXPECT_NEAR(*mapBar, kInch, 0.005 * kInch);
    }
    const auto bar = checkRulerLength(pdf, c.pages, tiling, kInch);
    ASSERT_TRUE(bar);
    EXPECT_NEAR(*bar, kInch, 0.005 * kInch);
    std::printf("%s, %s in: %d page(s) of %d x %d points, check ruler %.1f twips\n", c.paper,
                c.inches, c.pages, c.page.width(), c.page.height(), *bar);
}

// 15 inches draw a pattern 33.8 inches wide, which one column of a 36-inch roll holds; 91.02
// inches one 256 inches long, which takes two rows of roll.
INSTANTIATE_TEST_SUITE_P(
    CopyShopsAndRolls, LargePaperPdf,
    testing::Values(LargePaperCase{"a2", "6", {1191, 1684}, 1, 1, 1, {}},
                    LargePaperCase{"a1", "12", {1684, 2384}, 2, 2, 4, {1684, 2384}},
                    LargePaperCase{"a0", "12", {2384, 3370}, 1, 1, 1, {}},
                    LargePaperCase{"arch-d", "12", {1728, 2592}, 2, 1, 3, {1728, 2592}},
                    LargePaperCase{"arch-e", "20", {2592, 3456}, 2, 2, 4, {2592, 3456}},
                    LargePaperCase{"roll-36in", "15", {2592, 3159}, 1, 1, 1, {}},
                    LargePaperCase{"roll-24in", "15", {1728, 3159}, 2, 1, 3, {612, 792}},
                    LargePaperCase{"roll-914mm", "40", {2590, 8222}, 3, 1, 4, {595, 842}},
                    LargePaperCase{"roll-36in", "91.02", {2592, 9349}, 6, 2, 12, {612, 792}}));

class PdfOverScreen : public PdfExport, public testing::WithParamInterface<test::Measurement> {};

// The page rasterized at twice the picture's resolution and brought back to picture pixels.
TEST_P(PdfOverScreen, InksEveryLitPixelAndNothingFarFromThem)
{
    const test::Measurement& m = GetParam();
    const tavrel::picture::PersistentImage image = test::pictureOf(m);
    const float twipsPerPixel = float(1440.0 / m.dotsPerInch);
    const QString pdf = exportPdf(m.text, m.unit, twipsPerPixel, Paper::Letter);
    ASSERT_FALSE(pdf.isEmpty());
    ASSERT_EQ(test::pageCount(pdf), 1);
    const QPointF origin =
        exporting::toQt(exporting::tilePicture({1, 1}, Paper::Letter).pictureOrigin(0, 0));
    const auto raster = test::rasterizePage(pdf, 1, 2 * m.dotsPerInch,
                                            QRectF(origin, QSizeF(image.size) * twipsPerPixel));
    ASSERT_TRUE(raster);
    const auto difference = test::compareWithScreen(
        test::screenPixels(image), test::picturePixels(*raster, origin, m.dotsPerInch, image.size));
    EXPECT_EQ(difference.unInked, 0) << difference.where.toStdString();
    EXPECT_EQ(difference.stray, 0) << difference.where.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MeasurementsAcrossUnits, PdfOverScreen,
                         testing::ValuesIn(test::measurementsAcrossUnits()));

TEST_F(PdfExport, AsksViewersToPrintAtActualSize)
{
    const QString pdf = exportPdf("2", 0, 15, Paper::Letter);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("/PrintScaling /None"));
    QPDF document;
    document.processFile(pdf.toLocal8Bit().constData());
    QPDFObjectHandle preferences = document.getRoot().getKey("/ViewerPreferences");
    ASSERT_TRUE(preferences.isDictionary());
    EXPECT_EQ(preferences.getKey("/PrintScaling").getName(), "/None");
}

// 6.5 inches gives M = 468 at 96 dpi: the centre line (x = 1.5M = 10530 twips) falls inside
// the band that the first two columns of Letter tiles share (10080 to 10800 twips).
struct TiledCase {
    const char* name;
    float twipsPerPixel;
    friend std::ostream& operator<<(std::ostream& out, const TiledCase& c) { return out << c.name; }
};

class TiledPdf : public PdfExport, public testing::WithParamInterface<TiledCase> {};

TEST_P(TiledPdf, TilesOverlapAlignAndKeepTheScale)
{
    const float tpp = GetParam().twipsPerPixel;
    const QString pdf = exportPdf("6.5", 0, tpp, Paper::Letter);
    ASSERT_FALSE(pdf.isEmpty());
    const double M = M_;
    // The ink ends with the ruler's base line at 3.75M; C2 would show nothing.
    const exporting::PdfTiling tiling =
        exporting::tilePicture({(3 * M + 1) * tpp, (3.75 * M + 1) * tpp}, Paper::Letter);
    ASSERT_EQ(tiling.columns, 3);
    ASSERT_EQ(tiling.rows, 2);
    ASSERT_EQ(test::pageCount(pdf), 6);
    EXPECT_TRUE(test::pageText(pdf, 1).contains("6 pages: 3 across, 2 down"));
    EXPECT_TRUE(test::pageText(pdf, 2).contains("A1"));
    EXPECT_TRUE(test::pageText(pdf, 6).contains("B2"));

    // A row through the middle cross of the shared edge, below its circle: the cross stands on
    // A1's dashed line and on B1's frame line, which B1's cut edge lays on it.
    const QRectF content = exporting::toQt(tiling.content);
    const double row = content.top() + content.height() / 2 + 130;
    const double lineOnA1 = content.left() + 1.5 * M * tpp;
    const double lineOnB1 = lineOnA1 - tiling.stepX;
    const auto acrossA1 = test::darkLinesAcrossPageRow(pdf, 2, kDotsPerInch, row);
    const auto acrossB1 = test::darkLinesAcrossPageRow(pdf, 3, kDotsPerInch, row);
    const auto frameLeft = test::nearest(acrossA1, content.left(), 60);
    const auto frameRight = test::nearest(acrossA1, content.right(), 60);
    const auto centreA1 = test::nearest(acrossA1, lineOnA1, 60);
    const auto centreB1 = test::nearest(acrossB1, lineOnB1, 60);
    const auto markA1 = test::nearest(acrossA1, content.right() - exporting::kTileOverlapTwips, 60);
    const auto markB1 = test::nearest(acrossB1, content.left(), 60);
    ASSERT_TRUE(frameLeft && frameRight && centreA1 && centreB1 && markA1 && markB1);
    const double overlap = (*frameRight - *frameLeft) - (*centreA1 - *centreB1);
    EXPECT_NEAR(overlap, exporting::kTileOverlapTwips, 5);
    EXPECT_NEAR(*centreA1 - *markA1, *centreB1 - *markB1, 5) << "the marks meet when the pattern does";
    std::printf("measured overlap %.1f twips\n", overlap);

    // The ruler's ticks lie in the second row of tiles: two on A2 (page 5), two on B2 (page 6).
    const double tickRow = content.top() + 3.625 * M * tpp - tiling.stepY;
    for (int column : {0, 1}) {
        const auto ticks = test::darkLinesAcrossPageRow(pdf, 5 + column, kDotsPerInch, tickRow);
        std::vector<double> found;
        for (int i = -1; i <= 1; ++i) {
            const double x = content.left() + 1.5 * M * tpp + i * kInch - column * tiling.stepX;
            if (x <= content.left() || x >= content.right()) continue;
            const auto tick = test::nearest(ticks, x, 60);
            ASSERT_TRUE(tick) << "column " << column << ", tick " << i;
            found.push_back(*tick);
        }
        ASSERT_EQ(found.size(), 2u);
        EXPECT_NEAR(found[1] - found[0], kInch, 0.005 * kInch);
        std::printf("measured division on tile %s: %.2f twips\n",
                    qPrintable(exporting::tileLabel(column, 1)), found[1] - found[0]);
    }

    for (int pageNumber = 1; pageNumber <= 6; ++pageNumber) {
        const auto bar = checkRulerLength(pdf, pageNumber, tiling, kInch);
        ASSERT_TRUE(bar) << "page " << pageNumber;
        EXPECT_NEAR(*bar, kInch, 0.005 * kInch) << "page " << pageNumber;
    }
}

INSTANTIATE_TEST_SUITE_P(EachResolution, TiledPdf,
                         testing::Values(TiledCase{"At96Dpi", 15}, TiledCase{"At120Dpi", 12}),
                         [](const testing::TestParamInfo<TiledCase>& info) { return info.param.name; });

TEST_F(PdfExport, CentimeterCheckRulerOnTiles)
{
    const QString pdf = exportPdf("200", 2, 15, Paper::A4);
    const exporting::PdfTiling tiling = exporting::tilePicture({100000, 100000}, Paper::A4);
    ASSERT_GT(test::pageCount(pdf), 2);
    const auto bar = checkRulerLength(pdf, 2, tiling, kCentimeter);
    ASSERT_TRUE(bar);
    EXPECT_NEAR(*bar, kCentimeter, 0.005 * kCentimeter);
    EXPECT_TRUE(test::pageText(pdf, 2).contains("should measure one centimeter"));
}

// A PDF for a printer that prints small is the plain one enlarged about the page's corner: the
// picture by each factor, and on every page of tiles the check ruler across.
TEST_F(PdfExport, CorrectionEnlargesThePagesAcrossAndDown)
{
    const exporting::PrintCorrection correction{1.05, 0.95};
    const QRectF aroundPicture(400, 400, 9000, 12500);  // above the foot
    const auto plain =
        test::rasterizePage(exportPdf("2", 0, 15, Paper::Letter), 1, 600, aroundPicture);
    const auto corrected = test::rasterizePage(exportPdf("2", 0, 15, Paper::Letter, correction), 1,
                                               600, aroundPicture);
    ASSERT_TRUE(plain && corrected);
    const QSizeF plainInk = test::inkExtent(*plain), correctedInk = test::inkExtent(*corrected);
    ASSERT_GT(plainInk.width(), 3 * kInch);
    EXPECT_NEAR(correctedInk.width() / plainInk.width(), correction.across, 0.002);
    EXPECT_NEAR(correctedInk.height() / plainInk.height(), correction.down, 0.002);

    const QString tiled = exportPdf("6.5", 0, 15, Paper::Letter, correction);
    const exporting::PdfTiling tiling =
        exporting::tilePicture({100000, 100000}, Paper::Letter, {}, correction);
    ASSERT_GT(test::pageCount(tiled), 2);
    const double unit = kInch * correction.across;
    // The ruler's first tick stands an inch, enlarged, in from the foot's left.
    const QRectF foot(tiling.footer.left() * correction.across + unit - kInch,
                      tiling.footer.top() * correction.down, 0, 0);
    for (int page = 1; page <= test::pageCount(tiled); ++page) {
        const auto bar = test::checkRulerLength(tiled, page, foot, unit);
        ASSERT_TRUE(bar) << "page " << page;
        EXPECT_NEAR(*bar, unit, 0.002 * unit) << "page " << page;
    }
}

// The sheet's bars are 8 inches or 20 centimeters, or the most whole units the paper's printable
// area, half an inch in from its edges, holds, and are labelled so, in inches or millimeters. On
// a roll the sheet is as long as its bars need.
TEST(CalibrationSheet, BarsAreAsLongAsThePaperAllows)
{
    struct Case {
        QStringList options;
        double across, down;  // twips
        QSize pagePoints;
    };
    QTemporaryDir folder;
    const QString path = folder.filePath("sheet.pdf");
    for (const Case& c :
         {Case{{"--paper", "letter", "--unit", "decimal"}, 7 * kInch, 7 * kInch, {612, 792}},
          Case{{"--paper", "tabloid", "--unit", "fractions"}, 8 * kInch, 8 * kInch, {792, 1224}},
          Case{{"--paper", "a4", "--unit", "millimeter"}, 17 * kCentimeter, 20 * kCentimeter,
               {595, 842}},
          Case{{"--paper", "a4", "--unit", "decimal"}, 6 * kInch, 8 * kInch, {595, 842}},
          Case{{"--paper", "a3", "--unit", "millimeter"}, 20 * kCentimeter, 20 * kCentimeter,
               {842, 1191}},
          Case{{"--paper", "roll-36in", "--unit", "decimal"}, 8 * kInch, 8 * kInch, {2592, 836}},
          Case{{"--paper", "roll-914mm", "--unit", "millimeter"}, 20 * kCentimeter,
               20 * kCentimeter, {2590, 827}}}) {
        QProcess program;
        program.start(TAVREL_PROGRAM, QStringList{"--calibration-sheet", path} + c.options);
        ASSERT_TRUE(program.waitForFinished(30000));
        ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        // A page of the wrong size is not rasterized: a roll's longest page takes gigabytes.
        ASSERT_EQ(test::pageSizeTwips(path, 1), QSizeF(c.pagePoints) * 20)
            << c.options.join(' ').toStdString();
        const auto page = test::rasterizePage(path, 1, 300);
        ASSERT_TRUE(page);
        const auto bars = test::calibrationBars(*page);
        ASSERT_TRUE(bars) << c.options.join(' ').toStdString();
        EXPECT_NEAR(bars->across, c.across, 5) << c.options.join(' ').toStdString();
        EXPECT_NEAR(bars->down, c.down, 5) << c.options.join(' ').toStdString();
        const auto label = [&](double twips) {
            return c.options.contains("millimeter")
                       ? QString("%1 mm").arg(std::lround(twips / kInch * 25.4))
                       : QString("%1 in").arg(std::lround(twips / kInch));
        };
        const QString text = test::pageText(path, 1).simplified();
        EXPECT_TRUE(text.contains("Across: " + label(c.across))) << text.toStdString();
        EXPECT_TRUE(text.contains("Down: " + label(c.down))) << text.toStdString();
    }
}

}  // namespace
