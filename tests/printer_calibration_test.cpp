// Calibrating the default printer in its dialog: the typed lengths of the sheet's bars, read as
// the dialog's unit says, give the correction kept for the printer, or are refused with a
// message and keep what was there; a reset forgets it. The printer is a queue of the test's own
// with Letter paper, as the default printer.
#include "app/printer_calibration.h"
#include "app/printer_calibration_dialog.h"
#include "platform/settings_notice.h"
#include "platform/user_settings.h"
#include "printing/printer.h"
#include "spooler.h"
#include "unwritable_settings.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace app = tavrel::app;
namespace platform = tavrel::platform;
namespace exporting = tavrel::exporting;
namespace measure = tavrel::measure;

namespace {

constexpr double kInch = 1440;
constexpr auto kInches = measure::UnitSystem::Inch;
constexpr auto kMetric = measure::UnitSystem::Metric;

struct Typed {
    const char* name;
    measure::UnitSystem units;
    const char* across;
    const char* down;
    double acrossShare, downShare;  // of the printed lengths, as typed; 0 when refused
    const char* refusal;
    friend std::ostream& operator<<(std::ostream& out, const Typed& t) { return out << t.name; }
};

// Letter with quarter-inch margins takes bars of 7 inches, or 19 and 20 centimeters.
class LetterPrinter : public testing::Environment {
public:
    void SetUp() override
    {
        QString why;
        const auto printer = tavrel::test::defaultPrinter(why);
        ASSERT_TRUE(printer) << "no print spooler: " << why.toStdString();
        queue_ = std::make_unique<tavrel::test::TemporaryQueue>(
            "TavrelTestCalibration",
            tavrel::test::ppdWithPaper(*printer, scratch_.filePath("p.ppd"), "Letter",
                                       {18, 18, 18, 18}));
        ASSERT_TRUE(queue_->ready());
        qputenv("PRINTER", queue_->name().toLocal8Bit());
    }
    void TearDown() override
    {
        qunsetenv("PRINTER");
        queue_.reset();
    }

private:
    QTemporaryDir scratch_;
    std::unique_ptr<tavrel::test::TemporaryQueue> queue_;
};
const auto* const letterPrinter = testing::AddGlobalTestEnvironment(new LetterPrinter);

class CalibrationDialog : public testing::TestWithParam<Typed> {
protected:
    void SetUp() override
    {
        const tavrel::printing::DefaultPrinter printer = tavrel::printing::defaultPrinter();
        ASSERT_TRUE(printer.problem.isEmpty()) << printer.problem.toStdString();
        printer_ = printer.name;
        app::forgetPrintCorrection(printer_);
        bars_ = exporting::calibrationBarsFor(printer.printableTwips, GetParam().units);
        ASSERT_TRUE(printer_.startsWith("TavrelTestCalibration-")) << printer_.toStdString();
    }
    void TearDown() override { app::forgetPrintCorrection(printer_); }

    QString printer_;
    exporting::CalibrationBars bars_;
};

// "@" in a typed text stands for the printed length in the dialog's unit, times the share.
QString typed(const char* text, double printedTwips, double share, measure::UnitSystem units)
{
    const double length =
        printedTwips / kInch * share * (units == measure::UnitSystem::Metric ? 25.4 : 1);
    return QString(text).replace("@", QString::number(length, 'f', 4));
}

TEST_P(CalibrationDialog, KeepsTheCorrectionOrRefusesTheLengths)
{
    const Typed& t = GetParam();
    app::storePrintCorrection(printer_, {1.01, 1.01});  // an earlier calibration
    app::PrinterCalibrationDialog dialog(t.units);
    EXPECT_EQ(dialog.cboUnit->currentIndex(), t.units == measure::UnitSystem::Metric ? 1 : 0);
    EXPECT_EQ(dialog.lblPrinter->text(), printer_);
    const bool metric = t.units == measure::UnitSystem::Metric;
    EXPECT_EQ(dialog.lblAcross->text().toStdString(),
              metric ? "&Across bar (190 mm) measures:" : "&Across bar (7 in) measures:");
    EXPECT_EQ(dialog.lblDown->text().toStdString(),
              metric ? "&Down bar (200 mm) measures:" : "&Down bar (7 in) measures:");
    dialog.txtAcross->setText(typed(t.across, bars_.across, t.acrossShare, t.units));
    dialog.txtDown->setText(typed(t.down, bars_.down, t.downShare, t.units));

    const bool stored = dialog.storeCorrection();
    const exporting::PrintCorrection kept = app::storedPrintCorrection(printer_);
    auto* message = dialog.findChild<QMessageBox*>("calibrationMessage");
    if (t.refusal[0] == '\0') {
        ASSERT_TRUE(stored);
        EXPECT_NEAR(kept.across, 1 / t.acrossShare, 1e-3);
        EXPECT_NEAR(kept.down, 1 / t.downShare, 1e-3);
        EXPECT_EQ(dialog.lblCorrection->text(), exporting::correctionText(kept));
        EXPECT_EQ(message, nullptr);
    } else {
        EXPECT_FALSE(stored);
        EXPECT_EQ(kept.across, 1.01) << "a refusal keeps the earlier correction";
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->text().contains(t.refusal)) << message->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, CalibrationDialog,
    testing::Values(Typed{"InchesTwoPercentSmall", kInches, "@", "@", 0.98, 0.98, ""},
                    Typed{"InchesLargeAndSmall", kInches, "@", "@", 1.015, 0.97, ""},
                    Typed{"MillimetersTwoPercentSmall", kMetric, " @ ", "@", 0.98, 0.99, ""},
                    Typed{"FractionOfAnInch", kInches, "6 7/8", "@", 6.875 / 7, 1,
                          ""},  // of 7 inches
                    Typed{"AtTheBounds", kInches, "@", "@", 1 / 1.25, 1 / 0.8, ""},
                    Typed{"BeyondTheBounds", kInches, "@", "@", 1 / 1.26, 1, "80 % to 125 %"},
                    Typed{"NotALength", kInches, "seven", "@", 1, 1, "Type each length in inches"},
                    Typed{"Zero", kMetric, "0", "@", 1, 1, "Type each length in millimeters"},
                    Typed{"Negative", kInches, "-@", "@", 1, 1, "Type each length in inches"},
                    Typed{"Empty", kInches, "@", "", 1, 1, "Type each length in inches"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrinterCorrection, IsKeptPerPrinterAndOnlyWhenPlausible)
{
    app::storePrintCorrection("office/upstairs", {1.02, 0.99});
    EXPECT_EQ(app::storedPrintCorrection("office/upstairs").across, 1.02);
    EXPECT_TRUE(app::storedPrintCorrection("office").none()) << "names are not settings groups";
    app::forgetPrintCorrection("office/upstairs");
    EXPECT_TRUE(app::storedPrintCorrection("office/upstairs").none());

    // A settings file edited by hand, or from another program, prints as sent, and the
    // correction is known to be damaged.
    const char* const values[] = {"1.5", "0.5", "nan", "inf", "-1", "word", "", nullptr};
    for (const char* value : values) {
        platform::userSettings().remove("PrinterCorrection/edited");
        if (value) platform::userSettings().setValue("PrinterCorrection/edited/across", value);
        platform::userSettings().setValue("PrinterCorrection/edited/down", 1.0);
        const app::StoredCorrection stored = app::readPrintCorrection("edited");
        EXPECT_TRUE(stored.correction.none()) << (value ? value : "down alone");
        EXPECT_TRUE(stored.damaged) << (value ? value : "down alone");
        EXPECT_FALSE(app::calibratedPrinters().contains("edited")) << (value ? value : "down alone");
    }
    EXPECT_FALSE(app::readPrintCorrection("never calibrated").damaged);
}

// Stored where the settings cannot be written, the correction holds for the run and the
// dialog says so, naming the file; so does a reset.
TEST(PrinterCorrection, UnwrittenHoldsForTheRunAndIsSaid)
{
    const tavrel::test::UnwritableSettings unwritable;
    app::PrinterCalibrationDialog dialog(measure::UnitSystem::Inch);
    const exporting::CalibrationBars printed = exporting::calibrationBarsFor(
        tavrel::printing::defaultPrinter().printableTwips, measure::UnitSystem::Inch);
    dialog.txtAcross->setText(QString::number(printed.across / kInch * 0.98, 'f', 4));
    dialog.txtDown->setText(QString::number(printed.down / kInch * 0.98, 'f', 4));
    ASSERT_TRUE(dialog.storeCorrection());
    EXPECT_NEAR(app::storedPrintCorrection(dialog.lblPrinter->text()).across, 1 / 0.98, 1e-3);
    EXPECT_FALSE(dialog.lblCorrection->text().startsWith("None"));
    dialog.resetCorrection();
    EXPECT_TRUE(app::storedPrintCorrection(dialog.lblPrinter->text()).none());

    const auto messages = dialog.findChildren<QMessageBox*>("settingsMessage");
    ASSERT_EQ(messages.size(), 2) << "one for the correction, one for the reset";
    EXPECT_TRUE(messages[0]->text().contains(unwritable.fileName()));
}

// A damaged settings file is named before the copy of it that was set aside.
TEST(SettingsNotice, NamesTheDamagedFileThenItsCopy)
{
    QWidget window;
    platform::saySettingsSetAside(&window, "/kept/Tavrel.conf.damaged");
    const auto* box = window.findChild<QMessageBox*>("damagedSettingsMessage");
    ASSERT_NE(box, nullptr);
    const QString file = QDir::toNativeSeparators(platform::userSettings().fileName());
    EXPECT_EQ(box->text(), "Tavrel's settings file " + file +
                               " is damaged. The settings that could be read are kept; the file "
                               "as it was is set aside as /kept/Tavrel.conf.damaged.");
}

TEST(PrinterCorrection, ResetForgetsItAndTheDialogSaysSo)
{
    const QString printer = tavrel::printing::defaultPrinter().name;
    app::storePrintCorrection(printer, {1.02, 0.99});
    app::PrinterCalibrationDialog dialog(measure::UnitSystem::Inch);
    EXPECT_EQ(dialog.lblCorrection->text(), "102 % across, 99 % down");
    dialog.resetCorrection();
    EXPECT_TRUE(app::storedPrintCorrection(printer).none());
    EXPECT_TRUE(dialog.lblCorrection->text().startsWith("None"));
}

// As the scale the prints are made at, to a tenth of a percent.
TEST(PrinterCorrection, ReadsAsPercentages)
{
    const struct {
        exporting::PrintCorrection correction;
        const char* text;
    } cases[] = {
        {{1.0204, 0.995}, "102 % across, 99.5 % down"},
        {{1.00951, 0.99949}, "101 % across, 99.9 % down"},
        {{1.25, 0.8}, "125 % across, 80 % down"},
    };
    for (const auto& c : cases) EXPECT_EQ(exporting::correctionText(c.correction), c.text);
}

}  // namespace
