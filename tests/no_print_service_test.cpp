// Printing where no print service runs: the CUPS client is pointed at a server that does not
// exist before its first call, as on a system without one. Print Pattern and Calibrate Printer
// say that printing is not available, and no calibration dialog opens; one that opens all the
// same says so too, without bars to measure.
#include "app/frm_main.h"
#include "app/printer_calibration_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using tavrel::app::frmMain;

namespace {

// Before main, so before anything asks CUPS.
const bool kNoServer = qputenv("CUPS_SERVER", "/nonexistent.sock");

TEST(NoPrintService, PrintingAndCalibrationSayItIsNotAvailable)
{
    ASSERT_TRUE(kNoServer);
    struct Case {
        const char* what;
        void (*command)(frmMain&);
    };
    const Case cases[] = {
        {"Print Pattern", [](frmMain& w) { QTest::mouseClick(w.cmdPrint, Qt::LeftButton); }},
        {"Calibrate Printer",
         [](frmMain& w) { w.mnuPattern->mnuPatternCalibratePrinter->trigger(); }},
    };
    for (const Case& c : cases) {
        frmMain window;
        window.show();
        window.optMeasureType[1]->click();
        window.txtMeasure->setText("2 1/2");
        bool dialogOpened = false;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                dialog && !qobject_cast<QMessageBox*>(dialog)) {
                dialogOpened = true;
                dialog->reject();
            }
        });
        c.command(window);
        QApplication::processEvents();
        EXPECT_FALSE(dialogOpened) << c.what;
        const auto* message = window.findChild<QMessageBox*>("printMessage");
        ASSERT_NE(message, nullptr) << c.what;
        EXPECT_EQ(message->text().toStdString(),
                  "Printing is not available on this system: no print service is running.")
            << c.what;
    }
}

TEST(NoPrintService, CalibrationDialogSaysSoInsteadOfBars)
{
    tavrel::app::PrinterCalibrationDialog dialog(tavrel::measure::UnitSystem::Inch);
    dialog.show();
    EXPECT_EQ(dialog.lblPrinter->text().toStdString(),
              "Printing is not available on this system: no print service is running.");
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        EXPECT_FALSE(label->isVisible() && label->text().contains("bar"))
            << label->text().toStdString();
}

}  // namespace
