// Print Pattern through the real spooler: the window prints, a cups-pdf queue writes the page,
// and the page is rasterized and measured.
#include "app/frm_main.h"
#include "app/printer_calibration.h"
#include "export/pdf_tiling.h"
#include "page_raster.h"
#include "picture/picture_ink.h"
#include "platform/screen_metrics.h"
#include "platform/user_settings.h"
#include "screen_ink.h"
#include "spooler.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

using tavrel::app::frmMain;
namespace exporting = tavrel::exporting;
namespace picture = tavrel::picture;
namespace platform = tavrel::platform;
namespace test = tavrel::test;

namespace {

constexpr double kPlacementTwips = 250;
constexpr double kInch = 1440;
constexpr double kCentimeter = 1440 / 2.54;
constexpr int kDotsPerInch = 1200;  // a dot is 1.2 twips, 0.2 % of a centimeter

tavrel::pages::Size letterPoints()
{
    return tavrel::pages::paperPoints(tavrel::pages::Paper::Letter);
}

// What the page shows of the picture, in twips.
struct Printout {
    std::vector<double> divisions;    // between neighbouring ruler ticks
    std::optional<double> left, top;  // the picture's corner from the printable area's corner
};

// A line at picture coordinate x prints over the pixel from x to x + 1: its ink is centred half
// a pixel further on.
constexpr double kInkCentre = 0.5;

// How the picture's pixels print: twips per pixel across and down, all enlarged by the
// printer's correction about the printable area's corner.
struct PrintScale {
    double across, down;
    exporting::PrintCorrection correction = {};
};

// Reads the ruler's ticks, the centre line (x = 1.5M) and the ruler's base line (y = 3.75M),
// looking for them near where they belong if the picture sits at the placement.
Printout measure(const test::PageRaster& page, const QMarginsF& margins, float M,
                 const PrintScale& scale, double pixelsPerDivision)
{
    const exporting::PrintCorrection& enlarged = scale.correction;
    const auto x = [&](double px) {
        return margins.left() +
               (kPlacementTwips + (px + kInkCentre) * scale.across) * enlarged.across;
    };
    const auto y = [&](double px) {
        return margins.top() + (kPlacementTwips + (px + kInkCentre) * scale.down) * enlarged.down;
    };
    Printout printout;
    const auto ticks = test::darkLinesAcrossRow(page, y(3.625 * M));
    for (size_t i = 1; i < ticks.size(); ++i) printout.divisions.push_back(ticks[i] - ticks[i - 1]);
    constexpr double kReach = 400;
    const auto centre = test::nearest(test::darkLinesAcrossRow(page, y(1.25 * M)), x(1.5 * M), kReach);
    const auto base = test::nearest(
        test::darkLinesAcrossColumn(page, x(1.5 * M + 0.5 * pixelsPerDivision)), y(3.75 * M), kReach);
    if (centre)
        printout.left = (*centre - margins.left()) / enlarged.across -
                        (1.5 * M + kInkCentre) * scale.across;
    if (base)
        printout.top = (*base - margins.top()) / enlarged.down - (3.75 * M + kInkCentre) * scale.down;
    return printout;
}

// Each test prints on a cups-pdf queue of its own, as the default printer, and follows the jobs
// of the printer the program prints on.
class PrintPatternTest : public testing::Test {
protected:
    void SetUp() override
    {
        QString why;
        const auto printer = test::defaultPrinter(why);
        ASSERT_TRUE(printer)
            << "The printing tests need the print spooler with a cups-pdf queue as the default "
               "printer; scripts/test.sh starts both (by hand: source scripts/services.sh; "
               "start_cups LOG_DIR). The spooler says: "
            << why.toStdString();
        ASSERT_TRUE(ownQueue_.ready());
        qputenv("PRINTER", ownQueue_.name().toLocal8Bit());
        printer_ = ownQueue_.name();
        ASSERT_TRUE(scratch_.isValid());
    }

    void TearDown() override
    {
        platform::setTwipsPerPixelOverride(std::nullopt);
        tavrel::app::forgetPrintCorrection(printer_);
        qunsetenv("PRINTER");
    }

    static void enter(frmMain& window, int unit, const QString& text)
    {
        window.optMeasureType[unit]->click();
        window.txtMeasure->setText(text);
    }

    static void clickPrint(frmMain& window) { QTest::mouseClick(window.cmdPrint, Qt::LeftButton); }

    // Runs `print`, waits for the one job it gives the default printer to complete, and returns
    // the file it left.
    QString printOnce(const std::function<void()>& print)
    {
        QString why;
        const QString printer = test::defaultPrinter(why).value_or(QString());
        const int before = test::newestJobId();
        print();
        const auto jobs = test::waitForJobsAfter(before, printer, 1);
        if (jobs.size() != 1 || !jobs[0].completed) {
            ADD_FAILURE() << jobs.size() << " jobs after one print, first completed: "
                          << (!jobs.empty() && jobs[0].completed);
            return {};
        }
        const QString printed = test::printedFile(jobs[0].id);
        if (printed.isEmpty()) ADD_FAILURE() << "job " << jobs[0].id << " completed but left no file";
        return printed;
    }

    test::TemporaryQueue ownQueue_{"TavrelTestPrint", {}};
    QString printer_;
    QTemporaryDir scratch_;
};

struct DivisionCase {
    const char* name;
    int unit;
    const char* text;
    float twipsPerPixel;
    size_t ticks;
    double division;
    float twipsPerPixelDown = 0;  // where pixels are not square
    exporting::PrintCorrection correction = {};  // the printer's, which enlarges the page
    friend std::ostream& operator<<(std::ostream& out, const DivisionCase& c) { return out << c.name; }
};

class PrintedDivisions : public PrintPatternTest,
                         public testing::WithParamInterface<DivisionCase> {};

TEST_P(PrintedDivisions, MeasureOneUnitAndSitAtThePlacement)
{
    const DivisionCase& c = GetParam();
    const auto area = test::printableAreaOf(printer_);
    ASSERT_TRUE(area) << "no page size in the PPD of " << printer_.toStdString();
    const PrintScale scale{c.twipsPerPixel, c.twipsPerPixelDown ? c.twipsPerPixelDown : c.twipsPerPixel,
                           c.correction};
    platform::setTwipsPerPixelOverride(float(scale.across), float(scale.down));
    if (!c.correction.none()) tavrel::app::storePrintCorrection(printer_, c.correction);
    frmMain window;
    window.show();
    enter(window, c.unit, c.text);

    const QString pdf = printOnce([&] { clickPrint(window); });
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(test::pageCount(pdf), 1);
    const QSizeF paper = test::pageSizeTwips(pdf, 1);
    EXPECT_NEAR(paper.width(), area->paper.width(), 20);
    EXPECT_NEAR(paper.height(), area->paper.height(), 20);
    EXPECT_EQ(test::pageText(pdf, 1), "") << "the scale sentence is for the screen only";

    const auto page = test::rasterizePage(pdf, 1, kDotsPerInch);
    ASSERT_TRUE(page);
    const Printout printout = measure(*page, area->margins, window.BaseLength(), scale,
                                      c.division / c.twipsPerPixel);
    ASSERT_EQ(printout.divisions.size(), c.ticks - 1);
    const double printed = c.division * c.correction.across;
    for (double division : printout.divisions) {
        EXPECT_NEAR(division, printed, 0.005 * c.division);
        std::printf("measured division %.2f twips (%.3f %%)\n", division,
                    100.0 * (division - printed) / printed);
    }
    ASSERT_TRUE(printout.left && printout.top);
    EXPECT_NEAR(*printout.left, kPlacementTwips, 5);
    EXPECT_NEAR(*printout.top, kPlacementTwips, 5);
    std::printf("measured placement %.1f, %.1f twips\n", *printout.left, *printout.top);
}

INSTANTIATE_TEST_SUITE_P(
    EachUnitAndResolution, PrintedDivisions,
    testing::Values(DivisionCase{"InchesAt96Dpi", 0, "2", 15, 3, kInch},
                    DivisionCase{"InchesAt120Dpi", 0, "2", 12, 3, kInch},
                    DivisionCase{"FractionsAt96Dpi", 1, "2 1/2", 15, 3, kInch},
                    DivisionCase{"CentimetersAt96Dpi", 2, "50.8", 15, 5, kCentimeter},
                    DivisionCase{"CentimetersAt120Dpi", 2, "50.8", 12, 5, kCentimeter},
                    DivisionCase{"InchesOnPixelsTallerThanWide", 0, "2", 12, 3, kInch, 15},
                    DivisionCase{"InchesOnACorrectedPrinter", 0, "2", 15, 3, kInch, 0, {1.03, 0.97}}),
    [](const testing::TestParamInfo<DivisionCase>& info) { return info.param.name; });

// The question before a tiled print, answered once it shows: Print by its default button, or
// Cancel. Holds the question's text.
std::shared_ptr<QString> answerTilesQuestion(frmMain& window, bool print)
{
    auto text = std::make_shared<QString>();
    auto* timer = new QTimer(&window);
    QObject::connect(timer, &QTimer::timeout, [&window, timer, text, print] {
        auto* box = window.findChild<QMessageBox*>("printTilesQuestion");
        if (!box || !box->isVisible()) return;
        timer->stop();
        *text = box->text();
        (print ? box->defaultButton() : box->button(QMessageBox::Cancel))->click();
    });
    timer->start(20);
    return text;
}

TEST_F(PrintPatternTest, ButtonAndMenuEachGiveOneJobOfOnePageWithTheSameContent)
{
    frmMain window;
    window.show();
    enter(window, 0, "2");
    const auto question = answerTilesQuestion(window, false);

    const QString first = printOnce([&] { clickPrint(window); });
    const QString second = printOnce([&] { window.mnuFilePrint->trigger(); });
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_EQ(test::pageCount(first), 1);
    EXPECT_EQ(test::pageCount(second), 1);
    const auto firstPage = test::rasterizePage(first, 1, 150);
    const auto secondPage = test::rasterizePage(second, 1, 150);
    ASSERT_TRUE(firstPage && secondPage);
    EXPECT_EQ(firstPage->image, secondPage->image);
    EXPECT_TRUE(question->isEmpty()) << "a pattern that fits is printed without a question";
    EXPECT_TRUE(window.cmdPrint->isEnabled());
    EXPECT_EQ(window.findChild<QMessageBox*>("printMessage"), nullptr);
}

// Nothing drawn for the box's text: nothing to print, not even a blank page. The printer numbers
// its jobs as they come, so the page printed next is its only job once it is done.
TEST_F(PrintPatternTest, AFirstTextWithNothingToDrawSendsNoBlankPage)
{
    frmMain window;
    window.show();
    enter(window, 0, "0");
    EXPECT_FALSE(window.cmdPrint->isEnabled());
    EXPECT_FALSE(window.mnuFilePrint->isEnabled());

    const QString printed = printOnce([&] {
        clickPrint(window);
        window.mnuFilePrint->trigger();
        enter(window, 0, "2");
        clickPrint(window);
    });
    EXPECT_FALSE(printed.isEmpty());
}

// A queue of the tests' own whose default paper is `paper`, with its printable area
// `marginsPoints` in from the edges, as the default printer.
struct PaperQueue {
    PaperQueue(const QString& printer, const QTemporaryDir& scratch, const QString& paper,
               const QMarginsF& marginsPoints)
        : queue("TavrelTest" + paper,
                test::ppdWithPaper(printer, scratch.filePath(paper + ".ppd"), paper, marginsPoints))
    {
        qputenv("PRINTER", queue.name().toLocal8Bit());
    }
    test::TemporaryQueue queue;
};

// 3.65 inches on Letter without margins: the figure and its ruler fit at the placement, the band
// below them that holds the screen's sentence does not. Only what prints counts. So it is for 3
// inches on pixels taller than wide, whose ink would be too wide at their height.
TEST_F(PrintPatternTest, APatternWhoseInkFitsPrintsAsAlwaysThoughTheSentenceBandDoesNot)
{
    const PaperQueue paper(printer_, scratch_, "Letter", {0, 0, 0, 0});
    ASSERT_TRUE(paper.queue.ready());
    struct Case {
        const char* text;
        PrintScale scale;
    };
    for (const Case& c : {Case{"3.65", {15, 15}}, Case{"3", {12, 15}}}) {
        SCOPED_TRACE(c.text);
        platform::setTwipsPerPixelOverride(float(c.scale.across), float(c.scale.down));
        frmMain window;
        window.show();
        enter(window, 0, c.text);
        ASSERT_GT(window.picPattern->height() * c.scale.down + kPlacementTwips, 15840);

        const auto question = answerTilesQuestion(window, false);
        const QString pdf = printOnce([&] { clickPrint(window); });
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_TRUE(question->isEmpty());
        EXPECT_EQ(test::pageCount(pdf), 1);
        const auto page = test::rasterizePage(pdf, 1, kDotsPerInch);
        ASSERT_TRUE(page);
        const Printout printout =
            measure(*page, QMarginsF(), window.BaseLength(), c.scale, kInch / c.scale.across);
        ASSERT_EQ(printout.divisions.size(), 2u);
        ASSERT_TRUE(printout.left && printout.top);
        EXPECT_NEAR(*printout.top, kPlacementTwips, 5);
    }
}

// 3.3 inches on Letter half an inch in from its edges: the ink is too wide for the placement,
// but not for the page. Asked so, it prints on one page moved in from the corner.
TEST_F(PrintPatternTest, APatternThatFitsOnlyMovedInIsAskedAboutAndPrintsOnOnePage)
{
    const PaperQueue paper(printer_, scratch_, "Letter", {36, 36, 36, 36});
    ASSERT_TRUE(paper.queue.ready());
    frmMain window;
    window.show();
    enter(window, 0, "3.3");

    const auto question = answerTilesQuestion(window, true);
    const QString pdf = printOnce([&] { clickPrint(window); });
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_TRUE(question->contains(
        QString("one page of US Letter on \"%1\", moved in from the corner").arg(paper.queue.name())))
        << question->toStdString();
    EXPECT_EQ(test::pageCount(pdf), 1);
}

// Tiles keep the PDF's margins of half an inch, and where the printer cannot print as far out,
// its printable area: the frame's lines and the foot's check ruler move in with it. The ruler
// is a centimeter, as the pattern's.
TEST_F(PrintPatternTest, TilesKeepThePdfsMarginsOrAPrintersWiderOnes)
{
    struct Case {
        QMarginsF printerPoints, tileTwips;  // left, top, right, bottom
    };
    for (const Case& c : {Case{{36, 45, 27, 54}, {720, 900, 720, 1080}},
                          Case{{18, 9, 18, 18}, {720, 720, 720, 720}},
                          Case{{45, 18, 54, 18}, {900, 720, 1080, 720}}}) {
        SCOPED_TRACE(testing::Message() << "printer's margins " << c.printerPoints.left() << ", "
                                        << c.printerPoints.top() << ", "
                                        << c.printerPoints.right());
        const PaperQueue paper(printer_, scratch_, "Letter", c.printerPoints);
        ASSERT_TRUE(paper.queue.ready());
        frmMain window;
        window.show();
        enter(window, 2, "108");
        const exporting::PageFrame frame =
            exporting::pageFrameOf(letterPoints(), exporting::fromQt(c.tileTwips));

        answerTilesQuestion(window, true);
        const QString pdf = printOnce([&] { clickPrint(window); });
        ASSERT_FALSE(pdf.isEmpty());
        ASSERT_GT(test::pageCount(pdf), 2);
        const auto bar = test::checkRulerLength(pdf, 2, exporting::toQt(frame.footer), kCentimeter);
        ASSERT_TRUE(bar);
        EXPECT_NEAR(*bar, kCentimeter, 0.005 * kCentimeter);
        const auto tile = test::rasterizePage(pdf, 2, 300);
        ASSERT_TRUE(tile);
        const auto top =
            test::nearest(test::darkLinesAcrossColumn(*tile, frame.content.left() + 100),
                          frame.content.top(), 40);
        ASSERT_TRUE(top) << "no frame line at the printable area's top";
        EXPECT_NEAR(*top, c.tileTwips.top(), 10);
        const auto sides = test::darkLinesAcrossRow(*tile, frame.content.top() + 100);
        const auto left = test::nearest(sides, frame.content.left(), 40);
        const auto right = test::nearest(sides, frame.content.right(), 40);
        ASSERT_TRUE(left && right) << "no frame line at the printable area's sides";
        EXPECT_NEAR(*left, c.tileTwips.left(), 10);
        EXPECT_NEAR(*right, 12240 - c.tileTwips.right(), 10);
    }
}

// A printer's stored correction enlarges what it prints: a pattern that fits the page at 100 %
// needs tiles once enlarged by 10 %, each way or one way alone, and every tile's check ruler is
// enlarged with it, so that the printer's own shrinking leaves it true.
TEST_F(PrintPatternTest, AStoredCorrectionEnlargesThePrintAndJudgesTheFitEnlarged)
{
    const PaperQueue paper(printer_, scratch_, "Letter", {18, 18, 18, 18});
    ASSERT_TRUE(paper.queue.ready());
    struct Case {
        exporting::PrintCorrection correction;
        const char* text;
    };
    for (const Case& c :
         {Case{{1.1, 1.1}, "3.3"}, Case{{1.0, 1.1}, "3.4"}, Case{{1.1, 1.0}, "3.4"}}) {
        SCOPED_TRACE(c.text);
        tavrel::app::storePrintCorrection(paper.queue.name(), c.correction);
        frmMain window;
        window.show();
        enter(window, 0, c.text);
        ASSERT_LT(window.picPattern->width() * 15 + kPlacementTwips, 11520) << "fits at 100 %";
        ASSERT_LT(picture::PictureInk(window.picPattern->Image()).extent().height() * 15 +
                      kPlacementTwips,
                  15120)
            << "fits at 100 % down";

        const auto question = answerTilesQuestion(window, true);
        const QString pdf = printOnce([&] { clickPrint(window); });
        tavrel::app::forgetPrintCorrection(paper.queue.name());
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_TRUE(question->contains(QString("pages of US Letter on \"%1\"").arg(paper.queue.name())))
            << question->toStdString();
        ASSERT_GT(test::pageCount(pdf), 2);
        const QRectF foot =
            exporting::toQt(exporting::pageFrameOf(letterPoints(), {720, 720, 720, 720}).footer);
        const double unit = c.correction.across * kInch;
        // The ruler's first tick stands an inch, enlarged, in from the foot's left.
        const auto bar = test::checkRulerLength(pdf, 2, foot.translated(unit - kInch, 0), unit);
        ASSERT_TRUE(bar);
        EXPECT_NEAR(*bar, unit, 0.002 * kInch);
    }
}

// Closes the message about a damaged correction each time it shows. Holds how often it did.
std::shared_ptr<int> closeDamagedCorrectionMessages(frmMain& window)
{
    auto shown = std::make_shared<int>(0);
    auto* timer = new QTimer(&window);
    QObject::connect(timer, &QTimer::timeout, [&window, shown] {
        auto* box = window.findChild<QMessageBox*>("damagedCorrectionMessage");
        if (!box || !box->isVisible()) return;
        ++*shown;
        box->button(QMessageBox::Ok)->click();
    });
    timer->start(20);
    return shown;
}

// A damaged correction, one factor without the other, is ignored: the first print on that
// printer says so before it goes out uncorrected, on one page; the next goes out without a word.
TEST_F(PrintPatternTest, ADamagedCorrectionIsSaidOnceAndPrintsUncorrected)
{
    const PaperQueue paper(printer_, scratch_, "Letter", {18, 18, 18, 18});
    ASSERT_TRUE(paper.queue.ready());
    tavrel::platform::userSettings().setValue("PrinterCorrection/" + paper.queue.name() + "/across",
                                              1.1);
    frmMain window;
    window.show();
    enter(window, 0, "3.3");  // fits at 100 %, not at 110 %

    const auto said = closeDamagedCorrectionMessages(window);
    const auto question = answerTilesQuestion(window, false);
    const QString first = printOnce([&] { clickPrint(window); });
    const QString second = printOnce([&] { clickPrint(window); });
    tavrel::app::forgetPrintCorrection(paper.queue.name());
    EXPECT_EQ(*said, 1);
    EXPECT_TRUE(question->isEmpty());
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_EQ(test::pageCount(first), 1);
}

TEST_F(PrintPatternTest, PlacementCountsFromThePrintableAreaOfAnyPaper)
{
    const QMarginsF marginsPoints(36, 45, 27, 54);  // left, top, right, bottom
    const PaperQueue paper(printer_, scratch_, "Letter", marginsPoints);
    ASSERT_TRUE(paper.queue.ready());
    const QMarginsF margins = marginsPoints * 20;
    const QSizeF letter(12240, 15840);

    frmMain window;
    window.show();
    enter(window, 0, "2");
    const float smallM = window.BaseLength();
    const QString small = printOnce([&] { clickPrint(window); });
    ASSERT_FALSE(small.isEmpty());

    const auto smallPage = test::rasterizePage(small, 1, kDotsPerInch);
    ASSERT_TRUE(smallPage);
    EXPECT_NEAR(test::pageSizeTwips(small, 1).width(), letter.width(), 20);
    const Printout printout = measure(*smallPage, margins, smallM, {15, 15}, 96);
    ASSERT_TRUE(printout.left && printout.top);
    EXPECT_NEAR(*printout.left, kPlacementTwips, 5);
    EXPECT_NEAR(*printout.top, kPlacementTwips, 5);
    for (double division : printout.divisions) EXPECT_NEAR(division, kInch, 0.005 * kInch);
}

// 2.57 inches lights the picture's last column at the widest point of the upper right arc;
// 17.7 millimeters puts the ruler's left tick just outside the first column.
TEST_F(PrintPatternTest, InksEveryPixelTheScreenLightsAndNothingFarFromThem)
{
    const auto area = test::printableAreaOf(printer_);
    ASSERT_TRUE(area);
    for (const test::Measurement& m : {test::Measurement{0, "2.57", 96}, {2, "17.7", 96}}) {
        frmMain window;
        window.show();
        enter(window, m.unit, m.text);
        const QString pdf = printOnce([&] { clickPrint(window); });
        ASSERT_FALSE(pdf.isEmpty());
        const picture::PersistentImage image = window.picPattern->Image();
        const QPointF origin(area->margins.left() + kPlacementTwips,
                             area->margins.top() + kPlacementTwips);
        const auto raster =
            test::rasterizePage(pdf, 1, 2 * m.dotsPerInch, QRectF(origin, QSizeF(image.size) * 15));
        ASSERT_TRUE(raster);
        const auto difference = test::compareWithScreen(
            test::screenPixels(image), test::picturePixels(*raster, origin, 96, image.size));
        EXPECT_EQ(difference.unInked, 0) << m.text << difference.where.toStdString();
        EXPECT_EQ(difference.stray, 0) << m.text << difference.where.toStdString();
    }
}

class PrintFailureTest : public PrintPatternTest {
protected:
    // Prints where nothing can go out: a message says why, nothing changes, and no job appears
    // but the `cancelledJobs` the spooler made before it refused the document.
    void expectRefusal(const QString& printer, const QString& wording, size_t cancelledJobs = 0)
    {
        qputenv("PRINTER", printer.toLocal8Bit());
        frmMain window;
        window.show();
        enter(window, 1, "2 1/2");
        const QSize picture = window.picPattern->size();
        const size_t shapes = window.picPattern->Image().shapes.size();
        const int before = test::newestJobId();

        clickPrint(window);

        const auto* message = window.findChild<QMessageBox*>("printMessage");
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->isVisible());
        EXPECT_TRUE(message->text().contains(wording, Qt::CaseInsensitive))
            << message->text().toStdString();
        // The spooler's reason ends with a full stop of its own; the message has one.
        EXPECT_FALSE(message->text().contains("..") || message->text().contains(".)"))
            << message->text().toStdString();
        const auto jobs = test::jobsAfter(before, printer);
        EXPECT_EQ(jobs.size(), cancelledJobs);
        for (const test::Job& job : jobs)
            EXPECT_TRUE(job.finished && !job.completed) << "job " << job.id << " left waiting";
        EXPECT_EQ(window.picPattern->size(), picture);
        EXPECT_EQ(window.picPattern->Image().shapes.size(), shapes);
        EXPECT_TRUE(window.cmdPrint->isEnabled());
        EXPECT_TRUE(window.mnuFilePrint->isEnabled());
        EXPECT_EQ(window.txtMeasure->text(), "2 1/2");
    }
};

TEST_F(PrintFailureTest, NoDefaultPrinterIsSaid)
{
    expectRefusal("TavrelTestNoSuchPrinter", "no default printer");
}

TEST_F(PrintFailureTest, APrinterThatRefusesTheJobIsSaid)
{
    test::TemporaryQueue queue("TavrelTestRefusing", {}, test::TemporaryQueue::Accepts::Nothing);
    ASSERT_TRUE(queue.ready());
    expectRefusal(queue.name(), "The printer \"" + queue.name() + "\" did not take the job: ");
}

TEST_F(PrintFailureTest, APrinterThatRefusesTheDocumentIsSaidAndItsJobCancelled)
{
    test::TemporaryQueue queue("TavrelTestNoPdf",
                               test::ppdWithoutPdf(printer_, scratch_.filePath("no-pdf.ppd")));
    ASSERT_TRUE(queue.ready());
    expectRefusal(queue.name(), "The printer \"" + queue.name() + "\" did not take the job: ", 1);
}

}  // namespace
