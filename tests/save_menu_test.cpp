// The Pattern menu: when saving is offered, what the file dialog's choices make of the file, the
// messages of a save that fails, the folder and paper kept for the next time, and a calibrated
// printer's correction for a PDF.
#include "app/frm_main.h"
#include "app/printer_calibration.h"
#include "export/pattern_export.h"
#include "host_tool.h"
#include "page_raster.h"
#include "unwritable_settings.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>

using tavrel::app::frmMain;
namespace exporting = tavrel::exporting;

namespace {

enum Unit { Decimal = 0, Fractions = 1, Millimeter = 2 };

void enter(frmMain& window, int unit, const QString& text)
{
    QTest::mouseClick(window.optMeasureType[unit], Qt::LeftButton, {}, QPoint(8, 8));
    QTest::keyClicks(window.txtMeasure, text);
}

bool savingEnabled(const frmMain& window)
{
    const bool pdf = window.mnuPattern->mnuPatternSavePdf->isEnabled();
    EXPECT_EQ(window.mnuPattern->mnuPatternSaveSvg->isEnabled(), pdf);
    EXPECT_EQ(window.mnuPattern->mnuPatternSavePng->isEnabled(), pdf);
    EXPECT_EQ(window.mnuPattern->mnuPatternSaveDxf->isEnabled(), pdf);
    EXPECT_EQ(window.mnuPattern->mnuPatternProjector->isEnabled(),
              pdf);  // it shows the same picture
    return pdf;
}

// Triggers `save` and answers its file dialog as a user does: `filterSteps` presses of Down on
// the file type (of Up when below 0), then `typed` as the name in `folder`, then Enter. `look`
// sees the dialog once the type is chosen. Returns whether a dialog came.
bool saveThroughDialog(QAction* save, const QString& folder, int filterSteps, const QString& typed,
                       const std::function<void(QFileDialog&)>& look = {})
{
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        answered = true;
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        for (int i = 0; i < std::abs(filterSteps); ++i)
            QTest::keyClick(types, filterSteps < 0 ? Qt::Key_Up : Qt::Key_Down);
        if (look) look(*dialog);
        dialog->setDirectory(folder);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->clear();
        QTest::keyClicks(name, typed);
        // The question whether to replace a file is answered yes, as a user replacing it does.
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (QAbstractButton* yes = box ? box->button(QMessageBox::Yes) : nullptr) yes->click();
        });
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog->isVisible()) dialog->reject();
    });
    save->trigger();
    return answered;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SaveMenu : public testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(folder.isValid());
    }
    QAction* saveCommand(const char* name) { return window.findChild<QAction*>(name); }

    frmMain window;
    QTemporaryDir folder;
};

TEST_F(SaveMenu, SitsBetweenFileAndHelpWithoutShortcuts)
{
    QStringList bar, pattern, papers;
    for (QAction* a : window.menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Pattern", "&Help"}));
    for (QAction* a : window.mnuPattern->actions()) {
        pattern << (a->isSeparator() ? "-" : a->text());
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
    }
    EXPECT_EQ(pattern, QStringList({"Save as &PDF...", "Save as &SVG...", "Save as P&NG...",
                                    "Save as &DXF...", "-", "PDF Pape&r", "-", "Pro&jector View...",
                                    "&Calibrate Printer..."}));
    for (QAction* a : window.mnuPattern->mnuPatternPaper->actions())
        if (!a->isSeparator()) papers << a->objectName().section('(', 1).chopped(1);
    EXPECT_EQ(papers, QStringList({"letter", "a4", "a3", "legal", "tabloid", "a2", "a1", "a0",
                                   "arch-d", "arch-e", "roll-36in", "roll-24in", "roll-914mm"}));
    const auto name = QString("mnuPatternPaper(%1)")
                          .arg(QString::fromUtf8(exporting::paperName(exporting::defaultPaper())));
    EXPECT_TRUE(window.findChild<QAction*>(name)->isChecked());
    EXPECT_FALSE(savingEnabled(window));
}

// The menu takes its papers from their one table: each of them, in the table's order, a line
// between groups.
TEST_F(SaveMenu, OffersEveryPaperOfTheTableInItsOrder)
{
    QStringList shown, expected;
    for (QAction* a : window.mnuPattern->mnuPatternPaper->actions())
        shown << (a->isSeparator() ? "-" : a->objectName());
    std::optional<exporting::PaperGroup> group;
    for (exporting::Paper paper : exporting::allPapers()) {
        if (group && exporting::groupOf(paper) != *group) expected << "-";
        group = exporting::groupOf(paper);
        expected
            << QString("mnuPatternPaper(%1)").arg(QString::fromUtf8(exporting::paperName(paper)));
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(SaveMenu, ProjectorViewOpensItsWindowOverTheShownPicture)
{
    QTest::mouseClick(window.optMeasureType[Millimeter], Qt::LeftButton, {}, QPoint(8, 8));
    window.txtMeasure->setText("50");
    window.mnuPattern->mnuPatternProjector->trigger();
    const auto* projector = window.findChild<QDialog*>("ProjectorDialog");
    ASSERT_TRUE(projector);
    EXPECT_TRUE(projector->isVisible());
}

// Saving is offered only while the picture shown is the box's own drawing.
TEST_F(SaveMenu, IsOfferedOnlyWhileThePictureMatchesTheBox)
{
    struct Step {
        const char* what;
        std::function<void()> act;
        bool saving;
    };
    QLineEdit* box = window.txtMeasure;
    const auto choose = [&](int unit) {
        QTest::mouseClick(window.optMeasureType[unit], Qt::LeftButton, {}, QPoint(8, 8));
    };
    const Step steps[] = {
        {"unit chosen, nothing drawn yet", [&] { choose(Millimeter); }, false},
        {"a lone . reads as 0", [&] { QTest::keyClicks(box, "."); }, false},
        {"drawn", [&] { box->setText("50"); }, true},
        {"0 keeps the last drawing", [&] { box->setText("0"); }, false},
        {"drawn again", [&] { box->setText("50"); }, true},
        {"too large", [&] { box->setText("99999999999"); }, false},
        {"emptied", [&] { box->clear(); }, false},
        {"letters enter nothing", [&] { box->setText("abc"); }, false},
        {"another unit empties the box",
         [&] {
             box->setText("2");
             choose(Decimal);
         },
         false},
        {"drawn in inches", [&] { QTest::keyClicks(box, "2"); }, true},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(savingEnabled(window), step.saving) << step.what;
    }
}

// The file dialog's type gives the format; an extension typed into the name wins, and a name
// that ends in none of the four gets the type's. The file
// holds what the command line writes for the same measurement.
TEST_F(SaveMenu, WritesTheFormatOfTheChosenTypeOrTheTypedExtension)
{
    struct Case {
        const char* command;
        int filterSteps;
        const char* typed;
        const char* written;
    };
    const Case cases[] = {
        {"mnuPatternSavePdf", 0, "plain", "plain.pdf"},
        {"mnuPatternSavePdf", 1, "switched", "switched.svg"},
        {"mnuPatternSavePng", 0, "typed.svg", "typed.svg"},
        {"mnuPatternSaveSvg", 0, "shouted.PNG", "shouted.PNG"},
        {"mnuPatternSaveSvg", 1, "image", "image.png"},
        {"mnuPatternSavePng", 1, "plotter", "plotter.dxf"},
        {"mnuPatternSaveDxf", 0, "cutter.DXF", "cutter.DXF"},
        {"mnuPatternSavePdf", 0, "my pattern.v2", "my pattern.v2.pdf"},
        {"mnuPatternSavePdf", 1, "skirt v1.2", "skirt v1.2.svg"},
        {"mnuPatternSavePng", 0, "notes.txt", "notes.txt.png"},
    };
    enter(window, Fractions, "2 1/2");
    for (const Case& c : cases) {
        ASSERT_TRUE(
            saveThroughDialog(saveCommand(c.command), folder.path(), c.filterSteps, c.typed));
        const QString written = folder.filePath(c.written);
        const QString byCommandLine = folder.filePath(QString("cli-") + c.written);
        ASSERT_EQ(exporting::exportPattern({"2 1/2", tavrel::measure::Unit::InchesFractions, 96,
                                            byCommandLine.toStdString()}),
                  "");
        const QByteArray saved = contentOf(written), expected = contentOf(byCommandLine);
        ASSERT_FALSE(saved.isEmpty()) << c.written;
        if (QString(c.written).endsWith(".pdf"))  // its header dates it
            EXPECT_EQ(saved.left(8), expected.left(8)) << c.written;
        else
            EXPECT_EQ(saved, expected) << c.written;
    }
}

// A save that fails says why in the command line's words, and leaves the file as it was: none,
// or the earlier one when the pattern is too small to draw.
TEST_F(SaveMenu, FailureIsShownInTheCommandLinesWords)
{
    struct Case {
        const char* text;
        const char* typed;
    };
    const Case cases[] = {{"2", "missing/pattern.png"}, {".001", "tiny.svg"}};
    QFile earlier(folder.filePath("tiny.svg"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    for (const Case& c : cases) {
        window.txtMeasure->clear();
        enter(window, Decimal, c.text);
        const QString path = folder.filePath(c.typed);
        const QByteArray before = contentOf(path);
        ASSERT_TRUE(
            saveThroughDialog(window.mnuPattern->mnuPatternSavePng, folder.path(), 0, c.typed));
        auto* message = window.findChild<QMessageBox*>("saveMessage");
        ASSERT_TRUE(message) << c.typed;
        EXPECT_EQ(message->text(),
                  exporting::exportPattern(
                      {c.text, tavrel::measure::Unit::InchesDecimal, 96, path.toStdString()}));
        EXPECT_EQ(contentOf(path), before);
        EXPECT_EQ(QFile::exists(path), !before.isEmpty());
        delete message;
    }
}

// The folder and the paper outlive the window; the paper reaches the PDF.
TEST_F(SaveMenu, FolderAndPaperAreKeptForTheNextWindow)
{
    enter(window, Millimeter, "50");
    saveCommand("mnuPatternPaper(a3)")->trigger();
    ASSERT_TRUE(
        saveThroughDialog(window.mnuPattern->mnuPatternSavePdf, folder.path(), 0, "a3.pdf"));
    EXPECT_TRUE(tavrel::test::runHostTool("pdfinfo", {folder.filePath("a3.pdf")}).value_or("").contains("(A3)"));

    frmMain next;
    EXPECT_TRUE(next.findChild<QAction*>("mnuPatternPaper(a3)")->isChecked());
    enter(next, Millimeter, "50");
    QString openedIn;
    saveThroughDialog(next.mnuPattern->mnuPatternSavePdf, folder.path(), 0, "",
                      [&](QFileDialog& dialog) { openedIn = dialog.directory().absolutePath(); });
    EXPECT_EQ(openedIn, QDir(folder.path()).absolutePath());
}

// The ending added names a file the dialog did not ask about: the user is asked before it is
// replaced, and No keeps it.
TEST_F(SaveMenu, AnEndingAddedAsksBeforeReplacingAFile)
{
    const QString path = folder.filePath("skirt v1.2.png");
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    enter(window, Decimal, "2");
    // Answered here rather than through saveThroughDialog, which says Yes to any question.
    QString asked;
    int dialogs = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && asked.isEmpty()) {
            asked = box->text();
            box->button(QMessageBox::No)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && dialogs++ == 0) {
            dialog->setDirectory(folder.path());
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            name->setText("skirt v1.2");
            QTest::keyClick(name, Qt::Key_Return);
        } else if (dialog) {
            dialog->reject();
        }
    });
    answer.start(10);
    window.mnuPattern->mnuPatternSavePng->trigger();
    EXPECT_EQ(dialogs, 2) << "the dialog opens again after No";
    EXPECT_TRUE(asked.contains("skirt v1.2.png")) << asked.toStdString();
    EXPECT_EQ(contentOf(path), "earlier");
}

// A save that failed leaves the next dialog in the folder of the last save that worked.
TEST_F(SaveMenu, AFailedSaveKeepsTheFolderThatWorked)
{
    QTemporaryDir other;
    enter(window, Decimal, "2");
    ASSERT_TRUE(
        saveThroughDialog(window.mnuPattern->mnuPatternSavePng, folder.path(), 0, "good.png"));
    ASSERT_TRUE(saveThroughDialog(window.mnuPattern->mnuPatternSavePng, other.path(), 0,
                                  "missing/bad.png"));
    ASSERT_TRUE(window.findChild<QMessageBox*>("saveMessage"));
    QString openedIn;
    saveThroughDialog(window.mnuPattern->mnuPatternSavePng, other.path(), 0, "",
                      [&](QFileDialog& dialog) { openedIn = dialog.directory().absolutePath(); });
    EXPECT_EQ(openedIn, QDir(folder.path()).absolutePath());
}

// The folder and paper are kept on the side: where the settings cannot be written, they hold
// for the run, saving goes on, and the user is told once.
TEST_F(SaveMenu, FolderAndPaperThatCannotBeWrittenHoldForTheRun)
{
    if (tavrel::test::kSettingsStayWritable) GTEST_SKIP() << tavrel::test::kSettingsStayWritable;
    const tavrel::test::UnwritableSettings unwritable;
    enter(window, Millimeter, "50");
    saveCommand("mnuPatternPaper(a3)")->trigger();
    saveCommand("mnuPatternPaper(legal)")->trigger();
    ASSERT_TRUE(
        saveThroughDialog(window.mnuPattern->mnuPatternSavePdf, folder.path(), 0, "legal.pdf"));
    EXPECT_TRUE(QFile::exists(folder.filePath("legal.pdf")));

    const auto messages = window.findChildren<QMessageBox*>("settingsMessage");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0]->windowTitle(), "PDF Paper") << "titled for the paper chosen first";
    EXPECT_TRUE(messages[0]->text().contains(unwritable.fileName()))
        << messages[0]->text().toStdString();
    frmMain next;
    EXPECT_TRUE(next.findChild<QAction*>("mnuPatternPaper(legal)")->isChecked());
    enter(next, Millimeter, "50");
    QString openedIn;
    saveThroughDialog(next.mnuPattern->mnuPatternSavePdf, folder.path(), 0, "",
                      [&](QFileDialog& dialog) { openedIn = dialog.directory().absolutePath(); });
    EXPECT_EQ(openedIn, QDir(folder.path()).absolutePath());
}

// Once a printer is calibrated, the dialog offers its correction for a PDF, and the PDF's pages
// are enlarged by it: the check ruler with them. Until then the dialog has no such choice.
TEST_F(SaveMenu, APdfTakesTheCorrectionOfTheChosenPrinter)
{
    enter(window, Decimal, "2");
    saveCommand("mnuPatternPaper(letter)")->trigger();
    // The choice goes with its dialog: what it offered is read while it is there.
    QStringList offered;
    bool offeredForTheType = false;
    const auto choose = [&](QFileDialog& dialog) {
        offered.clear();
        if (auto* choice = dialog.findChild<QComboBox*>("printerCorrectionCombo")) {
            for (int i = 0; i < choice->count(); ++i) offered << choice->itemText(i);
            offeredForTheType = choice->isEnabled();
            choice->setCurrentIndex(choice->count() - 1);
        }
    };
    ASSERT_TRUE(
        saveThroughDialog(window.mnuPattern->mnuPatternSavePdf, folder.path(), 0, "plain", choose));
    EXPECT_TRUE(offered.isEmpty());

    const exporting::PrintCorrection correction{1.05, 0.97};
    tavrel::app::storePrintCorrection("Office/Laser", correction);
    ASSERT_TRUE(saveThroughDialog(window.mnuPattern->mnuPatternSavePdf, folder.path(), 0,
                                  "corrected", choose));
    EXPECT_TRUE(offeredForTheType);
    // The choice is for a PDF, whichever type the dialog opened with.
    const struct {
        QAction* save;
        int filterSteps;
        bool pdf;
    } switches[] = {{window.mnuPattern->mnuPatternSaveSvg, -1, true},
                   {window.mnuPattern->mnuPatternSavePdf, 1, false}};
    for (const auto& to : switches) {
        ASSERT_TRUE(saveThroughDialog(to.save, folder.path(), to.filterSteps, "switched", choose));
        EXPECT_EQ(offeredForTheType, to.pdf) << to.save->objectName().toStdString();
    }
    tavrel::app::forgetPrintCorrection("Office/Laser");
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[1], "Office/Laser (105 % across, 97 % down)");
    const QRectF footer = exporting::toQt(
        exporting::tilePicture({1, 1}, exporting::Paper::Letter, {}, correction).footer);
    const double unit = 1440 * correction.across;
    // The ruler's first tick stands an inch, enlarged, in from the foot's left.
    const QRectF foot(footer.left() * correction.across + unit - 1440,
                      footer.top() * correction.down, 0, 0);
    const auto bar =
        tavrel::test::checkRulerLength(folder.filePath("corrected.pdf"), 1, foot, unit);
    ASSERT_TRUE(bar);
    EXPECT_NEAR(*bar, unit, 0.002 * unit);
}

}  // namespace
