// Each language: complete, with the placeholders and access keys of its English texts, loaded by
// the window, which then shows the translations whole and at a readable size; the comma key; and
// numbers written as the language writes them.

#include "app/frm_about.h"
#include "app/frm_main.h"
#include "app/print_question.h"
#include "app/printer_calibration.h"
#include "app/printer_calibration_dialog.h"
#include "app/save_dialog.h"
#include "export/paper.h"
#include "export/pdf_export.h"
#include "export/print_correction.h"
#include "export/svg_export.h"
#include "languages.h"
#include "page_raster.h"
#include "pattern/drawing.h"
#include "platform/decimal_comma.h"
#include "platform/translations.h"
#include "projector/calibration_view.h"
#include "projector/projector_dialog.h"
#include "screen_ink.h"
#include "ts_entries.h"
#include "whole_text.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using tavrel::app::frmMain;
using tavrel::platform::installTranslations;
namespace exporting = tavrel::exporting;

namespace {

const QString kWindow = "tavrel::app::frmMain";
const QString kPatternMenu = "tavrel::app::PatternMenu";

std::vector<TsEntry> entriesOf(const QString& language)
{
    return tsEntries(QString(TAVREL_TS_FOLDER "/tavrel_%1.ts").arg(language));
}

std::multiset<QString> placeholdersOf(const QString& text)
{
    std::multiset<QString> found;
    for (const auto& match : QRegularExpression("%L?[1-9n]").globalMatch(text))
        found.insert(match.captured());
    return found;
}

bool hasAccessKey(const QString& text)
{
    return QRegularExpression("&[^& ]").match(text).hasMatch();
}

class EveryLanguage : public testing::TestWithParam<const char*> {
protected:
    void TearDown() override { installTranslations(QString("en")); }
};

void expectEveryTextTranslatedKeepingPlaceholdersAndAccessKeys(const std::vector<TsEntry>& entries)
{
    for (const TsEntry& entry : entries) {
        const std::string source = entry.source.toStdString();
        EXPECT_FALSE(entry.unfinished) << source;
        // Only texts a person reads, with no carriage return to type: the never-seen "Label1"
        // is not one.
        EXPECT_FALSE(entry.source.contains('\r') || entry.source == "Label1") << source;
        for (const QString& form : entry.forms) {
            EXPECT_FALSE(form.isEmpty()) << source;
            // A text the same in both languages says so, as a word like "PDF" may be.
            if (form == entry.source) {
                EXPECT_EQ(entry.translatorComment, "same") << source;
            }
            EXPECT_EQ(placeholdersOf(form), placeholdersOf(entry.source)) << source;
            EXPECT_EQ(hasAccessKey(form), hasAccessKey(entry.source)) << source;
        }
    }
}

TEST_P(EveryLanguage, TranslatesEveryTextKeepingItsPlaceholdersAndAccessKeys)
{
    const std::vector<TsEntry> entries = entriesOf(GetParam());
    ASSERT_GT(entries.size(), 100u);
    expectEveryTextTranslatedKeepingPlaceholdersAndAccessKeys(entries);
}

// Qt has no Portugal's Portuguese: the program carries the texts of Qt's that it shows.
TEST(QtTexts, PortugalsPortugueseIsWhole)
{
    const std::vector<TsEntry> entries = tsEntries(TAVREL_TS_FOLDER "/qtbase_pt_PT.ts");
    ASSERT_GT(entries.size(), 50u);
    expectEveryTextTranslatedKeepingPlaceholdersAndAccessKeys(entries);
}

TEST_P(EveryLanguage, TheWindowShowsItsTranslationsWholeAndReadable)
{
    ASSERT_TRUE(installTranslations(QString(GetParam()), TAVREL_QM_FOLDER));
    const std::vector<TsEntry> entries = entriesOf(GetParam());
    frmMain window;
    window.show();
    EXPECT_EQ(window.cmdPrint->text(), translationOf(entries, kWindow, "Print Pattern"));
    EXPECT_EQ(window.mnuFile->title(), translationOf(entries, kWindow, "&File"));
    EXPECT_EQ(window.mnuPattern->mnuPatternProjector->text(),
              translationOf(entries, kPatternMenu, "Pro&jector View..."));
    expectWhole(*window.cmdPrint);
    for (QRadioButton* option : window.optMeasureType) expectWhole(*option);

    const struct {
        int unit;
        const char* typed;
        const char* prompt;
        const char* sentence;
    } choices[] = {
        {0, "2.5", "Enter the measurement in inches",
         "When printed, each division above should measure one inch"},
        {2, "60", "Enter the measurement in millimeters",
         "When printed, each division above should measure one centimeter"},
    };
    for (const auto& choice : choices) {
        window.optMeasureType[choice.unit]->click();
        QTest::keyClicks(window.txtMeasure, choice.typed);
        EXPECT_EQ(window.lblInfo->text(), translationOf(entries, kWindow, choice.prompt));
        EXPECT_EQ(window.lblScale->text(), translationOf(entries, kWindow, choice.sentence));
        expectWhole(*window.lblInfo);
        expectWhole(*window.lblScale);
    }
    window.txtMeasure->setText("99999");
    EXPECT_TRUE(window.lblTooLarge->text().startsWith(
        translationOf(entries, "PatternExport",
                      "Too large to draw. The largest measurement is %1 millimeters.")
            .section("%1", 0, 0)))
        << window.lblTooLarge->text().toStdString();

    // The About box's sentence ends in front of the address, not under it.
    tavrel::app::frmAbout about(&window);
    about.Form_Load();
    const QLabel& sentence = *about.Label1;
    EXPECT_LE(sentence.x() + sentence.fontMetrics().horizontalAdvance(
                                 sentence.text().section("\r\n", -1).trimmed()),
              about.txtLink->x())
        << sentence.text().toStdString();
    // The build's own author and credit lines are translated too, the credit on its two lines.
    const QString credit = translationOf(entries, "tavrel::app::frmAbout",
                                         "This program draws a flat cutting pattern and its "
                                         "sizing\nformula from a published source; see the "
                                         "user's guide.");
    EXPECT_TRUE(sentence.text().contains(
        translationOf(entries, "tavrel::app::frmAbout", "The Tavrel developers")));
    EXPECT_EQ(about.lblDescription->text().split("\r\n").mid(1).join('\n').remove("  "), credit);

    // A saved drawing's title is in the language too.
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    ASSERT_TRUE(exporting::writeSvg(
        exporting::patternLayers(
            *tavrel::pattern::prepareDrawing("2", tavrel::measure::Unit::InchesDecimal, {15, 15})
                 .plan),
        96, svg));
    EXPECT_TRUE(svg.data().contains(
        ("<title>" + translationOf(entries, "DocumentTitles", "Tavrel pattern") + "</title>")
            .toUtf8()))
        << svg.data().left(600).toStdString();
}

// The letter a text's "&" marks, lower case; none for a text without one.
QChar accessKey(const QString& text)
{
    const auto match = QRegularExpression("&([^&])").match(QString(text).remove("&&"));
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

// Every key a standard button may answer to: the letter its shown text marks, or its first
// letter, as GNOME and KDE mark them, and the letter Qt's GNOME text marks in the language.
QList<QChar> standardButtonKeys(const QAbstractButton& button,
                                QDialogButtonBox::StandardButton kind)
{
    static const std::map<QDialogButtonBox::StandardButton, const char*> kGnomeTexts = {
        {QDialogButtonBox::Ok, "&OK"},         {QDialogButtonBox::Save, "&Save"},
        {QDialogButtonBox::Cancel, "&Cancel"}, {QDialogButtonBox::Close, "&Close"},
        {QDialogButtonBox::Yes, "&Yes"},       {QDialogButtonBox::No, "&No"},
    };
    const QChar shown = accessKey(button.text());
    QList<QChar> keys = {shown.isNull() ? button.text().front().toLower() : shown};
    if (const auto gnome = kGnomeTexts.find(kind); gnome != kGnomeTexts.end())
        keys << accessKey(QCoreApplication::translate("QGnomeTheme", gnome->second));
    return keys;
}

// The texts of a menu bar, a menu or a dialog that share their access keys, each with the keys
// it may answer to.
using KeyedTexts = QList<std::pair<QString, QList<QChar>>>;

KeyedTexts keyedTextsOf(const QMenu& menu)
{
    KeyedTexts texts;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator()) texts.append({action->text(), {accessKey(action->text())}});
    return texts;
}

KeyedTexts keyedTextsOf(const QDialog& dialog)
{
    KeyedTexts texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy()) texts.append({label->text(), {accessKey(label->text())}});
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const auto* box = qobject_cast<const QDialogButtonBox*>(button->parent());
        const auto kind = box ? box->standardButton(button) : QDialogButtonBox::NoButton;
        texts.append({button->text(), kind == QDialogButtonBox::NoButton
                                          ? QList<QChar>{accessKey(button->text())}
                                          : standardButtonKeys(*button, kind)});
    }
    return texts;
}

void expectNoClash(const KeyedTexts& texts, const char* where)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        for (qsizetype j = i + 1; j < texts.size(); ++j)
            for (QChar key : texts[i].second)
                if (!key.isNull()) {
                    EXPECT_FALSE(texts[j].second.contains(key))
                        << where << ": \"" << texts[i].first.toStdString() << "\" and \""
                        << texts[j].first.toStdString() << "\" share "
                        << QString(key).toStdString();
                }
}

class AccessKeys : public EveryLanguage {};

// No two texts of the menu bar, a menu or a dialog answer to the same Alt key, counting the keys
// that Qt's standard buttons carry under GNOME and KDE.
TEST_P(AccessKeys, NoTwoOfAMenuOrDialogClash)
{
    installTranslations(QString(GetParam()), TAVREL_QM_FOLDER);
    frmMain window;
    window.show();
    window.optMeasureType[0]->click();
    window.txtMeasure->setText("2");
    KeyedTexts bar;
    for (const QAction* menu : window.menuBar()->actions())
        bar.append({menu->text(), {accessKey(menu->text())}});
    expectNoClash(bar, "menu bar");
    for (const QMenu* menu : window.findChildren<QMenu*>())
        expectNoClash(keyedTextsOf(*menu), qPrintable(menu->title()));
    tavrel::projector::ProjectorDialog projector(window.picPattern->Image(), 15,
                                                 tavrel::measure::UnitSystem::Inch, &window);
    expectNoClash(keyedTextsOf(projector), "Projector");
    tavrel::app::PrinterCalibrationDialog calibration(tavrel::measure::UnitSystem::Inch, &window);
    expectNoClash(keyedTextsOf(calibration), "Calibrate Printer");
    tavrel::app::frmAbout about(&window);
    about.Form_Load();
    expectNoClash(keyedTextsOf(about), "About");

    // Qt's own save dialog, with the printer row the program adds once a printer is calibrated.
    tavrel::app::storePrintCorrection("TavrelTestPrinter", {1.01, 0.99});
    QTimer::singleShot(0, [] {
        auto* save = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(save, nullptr);
        expectNoClash(keyedTextsOf(*save), "Save as PDF");
        save->reject();
    });
    tavrel::app::askWhereToSave(&window, tavrel::app::SaveFormat::Pdf);
    tavrel::app::forgetPrintCorrection("TavrelTestPrinter");

    // The question before a print in tiles, its Print beside the standard Cancel.
    QTimer::singleShot(0, [] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        expectNoClash(keyedTextsOf(*question), "Print Pattern");
        question->reject();
    });
    tavrel::app::confirmTiledPrint(&window, {4, "A4", "PDF"});
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessKeys, testing::ValuesIn(tavrel::test::withEnglish("en")));

// A tiled PDF on the narrowest office paper: no word of the map's title and instructions, or of
// a page's foot, runs past the box it is written in, where it would be cut off.
TEST_P(EveryLanguage, TiledPdfWordsStayInsideTheirPages)
{
    ASSERT_TRUE(installTranslations(QString(GetParam()), TAVREL_QM_FOLDER));
    const tavrel::picture::PersistentImage image = tavrel::test::pictureOf({0, "6", 96});
    const auto tiling = exporting::pdfTilingOf(image, 15, exporting::Paper::A4);
    QTemporaryDir folder;
    const QString pdf = folder.filePath("tiles.pdf");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(exporting::writePdf(image, 15, tavrel::measure::UnitSystem::Inch,
                                    exporting::Paper::A4, file));
    file.close();
    const struct {
        int page;
        double right;
    } pages[] = {{1, tiling.map.content.right()}, {2, tiling.footer.right()}};
    for (const auto& page : pages)
        for (const tavrel::test::WordBox& word : tavrel::test::wordBoxes(pdf, page.page))
            EXPECT_LE(word.box.right(), page.right + 2)
                << word.word.toStdString() << " on page " << page.page;
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage,
                         testing::ValuesIn(tavrel::test::kTranslatedLanguages));

// Brazil's Portuguese for Brazil; Portugal's for Portugal, for the other Portuguese-speaking
// countries and for Portuguese alone, where Qt reads Brazil's. The guide follows the texts.
TEST(LanguageChoice, PortugueseIsBrazilsOnlyInBrazil)
{
    const struct {
        const char* asked;
        const char* translation;
    } cases[] = {{"pt_BR", "pt_BR"}, {"pt-BR", "pt_BR"}, {"pt_BR.UTF-8", "pt_BR"},
                 {"pt_PT", "pt_PT"}, {"pt", "pt_PT"},    {"pt_AO", "pt_PT"},
                 {"pt_MZ", "pt_PT"}, {"de_AT", "de"},    {"en_GB", "en"}};
    for (const auto& c : cases) {
        installTranslations(QString(c.asked), TAVREL_QM_FOLDER);
        EXPECT_EQ(tavrel::platform::interfaceLanguage(), c.translation) << c.asked;
        const QString expected =
            QString(c.translation) == "en"
                ? QString("Save as PDF")
                : translationOf(entriesOf(c.translation), "SaveDialog", "Save as PDF");
        EXPECT_EQ(QCoreApplication::translate("SaveDialog", "Save as PDF"), expected) << c.asked;
    }
    installTranslations(QString("en"));
}

// Qt's own file dialog and standard buttons speak the Portuguese of the program's texts.
TEST(QtTexts, FileDialogAndButtonsSpeakEachPortuguese)
{
    const struct {
        const char* language;
        const char* fileName;
        const char* save;
    } cases[] = {{"pt_PT", "&Nome do ficheiro:", "&Guardar"},
                 {"pt_BR", "&Nome do arquivo:", "&Salvar"}};
    for (const auto& c : cases) {
        installTranslations(QString(c.language), TAVREL_QM_FOLDER);
        QTimer::singleShot(0, [&c] {
            auto* save = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(save, nullptr);
            EXPECT_EQ(save->findChild<QLabel*>("fileNameLabel")->text(), c.fileName);
            QStringList buttons;
            for (const QAbstractButton* button : save->findChildren<QAbstractButton*>())
                buttons << button->text();
            EXPECT_TRUE(buttons.contains(c.save)) << buttons.join('|').toStdString();
            EXPECT_TRUE(buttons.contains("Cancelar")) << buttons.join('|').toStdString();
            save->reject();
        });
        tavrel::app::askWhereToSave(nullptr, tavrel::app::SaveFormat::Pdf);
        QMessageBox question(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(question.button(QMessageBox::Yes)->text(), "&Sim") << c.language;
        EXPECT_EQ(question.button(QMessageBox::No)->text(), "&Não") << c.language;
    }
    installTranslations(QString("en"));
}

// The comma key types the point only where the system writes decimals with a comma: the
// language of the texts plays no part. The tests run where decimals take a point, so "2,5"
// typed in German, French or Polish reads as 25, in the measurement box and the printer's
// measured lengths alike (the end-to-end tests run the program where decimals take a comma).
TEST(CommaKey, FollowsTheSystemNotTheLanguageOfTheTexts)
{
    ASSERT_EQ(QLocale::system().decimalPoint(), ".");
    for (const char* language : {"de", "fr", "pl", "en"}) {
        installTranslations(QString(language), TAVREL_QM_FOLDER);
        EXPECT_FALSE(tavrel::platform::commaTypesPoint()) << language;
        frmMain window;
        window.optMeasureType[0]->click();
        QTest::keyClicks(window.txtMeasure, "2,5");
        EXPECT_EQ(window.txtMeasure->text(), "25") << language;
        tavrel::app::PrinterCalibrationDialog dialog(tavrel::measure::UnitSystem::Inch);
        QTest::keyClicks(dialog.txtAcross, "2,5");
        EXPECT_EQ(dialog.txtAcross->text(), "2,5") << language;
    }
    installTranslations(QString("en"));
}

// With Alt, the comma is a command's key, not the decimal point: the measurement's filter
// refuses it, the printer's lengths take it as it is.
TEST(CommaKey, WithAltTypesNoPoint)
{
    installTranslations(QString("de"), TAVREL_QM_FOLDER);
    frmMain window;
    window.optMeasureType[0]->click();
    tavrel::app::PrinterCalibrationDialog dialog(tavrel::measure::UnitSystem::Inch);
    for (QLineEdit* box : {window.txtMeasure, dialog.txtAcross}) {
        QTest::keyClicks(box, "2");
        QTest::keyClick(box, ',', Qt::AltModifier);
        QTest::keyClicks(box, "5");
    }
    EXPECT_EQ(window.txtMeasure->text(), "25");
    EXPECT_EQ(dialog.txtAcross->text(), "2,5");
    installTranslations(QString("en"));
}

// Numbers with the decimal mark and digit grouping of the language the texts are in; English
// texts as they are written, with a point and no grouping; counts in their plural forms.
TEST(Numbers, AreWrittenAsTheLanguageWritesThem)
{
    const auto correction = [] { return exporting::correctionText({1.0204, 0.995}); };
    const auto refusal = [] { return tavrel::app::correctionFromBars(8, 16, 8, 8).problem; };
    const auto tooLarge = [] {
        frmMain window;
        window.optMeasureType[0]->click();
        window.txtMeasure->setText("99");
        return window.lblTooLarge->text();
    };
    // A bar four fifths of a 2000 pixel wide screen said to measure one inch.
    const auto barRefused = [] {
        tavrel::projector::CalibrationView view("numbers test", tavrel::measure::UnitSystem::Inch);
        view.resize(2000, 600);
        view.show();
        auto* length = view.findChild<QLineEdit*>("txtBarLength");
        QTest::keyClicks(length, "1");
        QTest::keyClick(length, Qt::Key_Return);
        return view.findChild<QMessageBox*>("calibrationRefused")->text();
    };
    const auto lineWidths = [] {
        tavrel::projector::ProjectorDialog dialog({}, 15, tavrel::measure::UnitSystem::Inch);
        return dialog.cboLineWidth->itemText(0) + ", " + dialog.cboLineWidth->itemText(1);
    };
    const auto barOf = [](int pixels) {
        return [pixels] {
            return QCoreApplication::translate(
                "tavrel::projector::CalibrationView",
                "A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per "
                "inch. Check the length and its unit.",
                nullptr, pixels);
        };
    };
    const struct {
        const char* language;
        std::function<QString()> text;
        QStringList written;
    } cases[] = {
        {"de", correction, {"102 % waagerecht, 99,5 % senkrecht"}},
        {"de", refusal, {"(80 % bis 125 %)"}},
        {"en", tooLarge, {"The largest measurement is 91.02 inches."}},
        // The largest measurement as the comma key would type it: the tests' system writes
        // decimals with a point, whatever the language of the texts.
        {"de", tooLarge, {" 91.02 "}},
        {"fr", tooLarge, {" 91.02 "}},
        // A bar of 1600 pixels has its end marks 1599 apart.
        {"en", barRefused, {"A bar of 1599 pixels cannot measure 1", "between 20 and 600"}},
        {"de", barRefused, {" 1.599 Pixeln "}},
        {"en", lineWidths, {"1 pixel, 3 pixels"}},
        {"en", barOf(1), {"A bar of 1 pixel cannot"}},
        {"en", barOf(2), {"A bar of 2 pixels cannot"}},
        {"de", barOf(1), {" 1 Pixel "}},
        {"de", barOf(2), {" 2 Pixeln "}},
    };
    for (const auto& c : cases) {
        installTranslations(QString(c.language), TAVREL_QM_FOLDER);
        const QString text = c.text();
        for (const QString& written : c.written)
            EXPECT_TRUE(text.contains(written))
                << c.language << ": " << text.toStdString() << " lacks " << written.toStdString();
    }
    installTranslations(QString("en"));
}

// The language chosen changes the numbers, not the paper of the user's country.
TEST(Numbers, LeaveThePaperToTheSystemsLocale)
{
    installTranslations(QString("en_US"), TAVREL_QM_FOLDER);
    EXPECT_EQ(exporting::defaultPaper(), exporting::Paper::A4) << "the tests' system locale is C";
    installTranslations(QString("en"));
}

}  // namespace
