#include "app/frm_main.h"
#include "helpview/help_viewer.h"
#include "measure/conversion.h"
#include "platform/application.h"
#include "platform/screen_metrics.h"
#include "platform/translations.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

using tavrel::app::frmMain;
namespace platform = tavrel::platform;

namespace {

enum Unit { Decimal = 0, Fractions = 1, Millimeter = 2 };

// Print Pattern and File > Print are on and off together, and exactly when saving is.
bool printingEnabled(const frmMain& window)
{
    EXPECT_EQ(window.cmdPrint->isEnabled(), window.mnuFilePrint->isEnabled());
    EXPECT_EQ(window.cmdPrint->isEnabled(), window.mnuPattern->mnuPatternSavePdf->isEnabled());
    return window.cmdPrint->isEnabled();
}

// Clicks a unit button as a user does, with the mouse.
void chooseUnit(frmMain& window, int unit)
{
    QTest::mouseClick(window.optMeasureType[unit], Qt::LeftButton, {}, QPoint(8, 8));
}

// Runs `queued` while the drawing of `text`, typed into the box, processes pending messages.
void typeWhileQueued(frmMain& window, const QString& text, const std::function<void()>& queued)
{
    QTimer::singleShot(0, &window, queued);
    QTest::keyClicks(window.txtMeasure, text);
}

class MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    frmMain window;
};

TEST_F(MainWindow, StartsWithOnlyTheUnitsAndADisabledPrintButton)
{
    EXPECT_EQ(window.windowTitle(), "Tavrel");
    EXPECT_FALSE(window.windowIcon().isNull());
    const char* captions[] = {"Inches (Decimal)", "Inches (Fractions)", "Millimeter"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window.optMeasureType[i]->text(), captions[i]);
        EXPECT_FALSE(window.optMeasureType[i]->isChecked());
        EXPECT_EQ(window.findChild<QRadioButton*>(QString("optMeasureType(%1)").arg(i)),
                  window.optMeasureType[i]);
    }
    EXPECT_FALSE(window.lblInfo->isVisible());
    EXPECT_EQ(window.lblInfo->text(), "Label1");
    EXPECT_FALSE(window.txtMeasure->isVisible());
    EXPECT_TRUE(window.txtMeasure->text().isEmpty());
    EXPECT_EQ(window.cmdPrint->text(), "Print Pattern");
    EXPECT_FALSE(printingEnabled(window));

    // The client area is 433 x 96 pixels, and the pattern lies below it until a unit is chosen.
    EXPECT_EQ(window.centralWidget()->size(), QSize(433, 96));
    EXPECT_EQ(window.picPattern->geometry(), QRect(40, 100, 353, 81));
    EXPECT_EQ(window.lblScale->geometry(), QRect(8, 56, 329, 25));
    EXPECT_EQ(window.txtMeasure->geometry(), QRect(184, 48, 113, 27));
    EXPECT_EQ(window.cmdPrint->geometry(), QRect(320, 8, 97, 33));
}

// The offscreen screen is 800 x 600 pixels: 1 inch fits, 10 inches keeps the window on the
// screen, and the client keeps its full size under scroll bars, moved by a drag on the picture.
TEST_F(MainWindow, APictureLargerThanTheScreenScrollsAndASmallerOneDoesNot)
{
    auto* view = window.findChild<QScrollArea*>("clientView");
    ASSERT_TRUE(view);
    chooseUnit(window, Decimal);
    QTest::keyClicks(window.txtMeasure, "1");
    EXPECT_EQ(window.centralWidget()->size(), view->widget()->size());
    EXPECT_FALSE(view->verticalScrollBar()->isVisible());

    QTest::keyClicks(window.txtMeasure, "0");
    QCoreApplication::processEvents();  // lays the window out at its new size
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize asked =
        QSize(window.Width() / 15, window.Height() / 15 - window.menuBar()->height()) - frame;
    EXPECT_LT(window.height(), window.Height() / 15);
    EXPECT_EQ(view->widget()->size(), asked);
    ASSERT_TRUE(view->verticalScrollBar()->isVisible());
    QTest::mousePress(window.picPattern, Qt::LeftButton, {}, QPoint(100, 400));
    QTest::mouseMove(window.picPattern, QPoint(90, 100));
    QTest::mouseRelease(window.picPattern, Qt::LeftButton, {}, QPoint(90, 100));
    EXPECT_EQ(view->verticalScrollBar()->value(), 300);
    EXPECT_EQ(view->horizontalScrollBar()->value(), 10);
}

// Whether `control` lies wholly in view in the scrolled client.
bool inView(const QScrollArea& view, const QWidget& control)
{
    return view.viewport()->rect().contains(control.geometry().translated(view.widget()->pos()));
}

// On the offscreen screen a bar appears for each direction in which something the window was
// sized for is out of view, however the window came to be smaller, and never for a margin
// alone; whatever is out of view can be scrolled to.
TEST_F(MainWindow, ScrollBarsAppearWhereSomethingIsOutOfView)
{
    struct Case {
        const char* what;
        std::function<void(frmMain&)> act;
        bool across, down;
        bool pictureInReach;  // the window was sized around it
    };
    const Case cases[] = {
        {"1 inch", [](frmMain&) {}, false, false, true},
        {"1 inch, shrunk by hand", [](frmMain& w) { w.resize(300, 250); }, true, true, true},
        {"2.5 inches, as tall as the screen allows",
         [](frmMain& w) { QTest::keyClicks(w.txtMeasure, "\b2.5"); }, false, true, true},
        {"10 inches", [](frmMain& w) { QTest::keyClicks(w.txtMeasure, "0"); }, true, true, true},
        {"10 inches, then another unit",
         [](frmMain& w) {
             QTest::keyClicks(w.txtMeasure, "0");
             chooseUnit(w, Millimeter);
         },
         false, false, false},
    };
    for (const Case& c : cases) {
        frmMain fresh;
        fresh.show();
        chooseUnit(fresh, Decimal);
        QTest::keyClicks(fresh.txtMeasure, "1");
        c.act(fresh);
        QCoreApplication::processEvents();
        const auto* view = fresh.findChild<QScrollArea*>("clientView");
        EXPECT_EQ(view->horizontalScrollBar()->isVisible(), c.across) << c.what;
        EXPECT_EQ(view->verticalScrollBar()->isVisible(), c.down) << c.what;
        const QRect client = view->widget()->rect();
        EXPECT_TRUE(client.contains(fresh.cmdPrint->geometry())) << c.what;
        EXPECT_EQ(client.contains(fresh.picPattern->geometry()), c.pictureInReach) << c.what;
    }
}

// With the view scrolled to the far corner of a large pattern, whatever reaches the box brings
// it into view, and the notice under it too.
TEST_F(MainWindow, TypingBringsTheBoxAndItsNoticeIntoView)
{
    const struct {
        const char* typed;
        bool notice;
    } cases[] = {{"x", false}, {".5", false}, {"0", true}};
    for (const auto& c : cases) {
        chooseUnit(window, Decimal);
        QTest::keyClicks(window.txtMeasure, "10");
        auto* view = window.findChild<QScrollArea*>("clientView");
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        ASSERT_FALSE(inView(*view, *window.txtMeasure));
        QTest::keyClicks(window.txtMeasure, c.typed);
        EXPECT_TRUE(inView(*view, *window.txtMeasure)) << c.typed;
        EXPECT_EQ(window.lblTooLarge->isVisible(), c.notice) << c.typed;
        if (c.notice) {
            EXPECT_TRUE(inView(*view, *window.lblTooLarge)) << c.typed;
        }
    }
}

// From the box the page keys scroll on, page by page, as in the view.
TEST_F(MainWindow, PageKeysFromTheBoxScrollPageByPage)
{
    chooseUnit(window, Decimal);
    QTest::keyClicks(window.txtMeasure, "10");
    const QScrollBar* bar = window.findChild<QScrollArea*>("clientView")->verticalScrollBar();
    QTest::keyClick(window.txtMeasure, Qt::Key_PageDown);
    const int page = bar->value();
    QTest::keyClick(window.txtMeasure, Qt::Key_PageDown);
    EXPECT_GT(page, 0);
    EXPECT_EQ(bar->value(), 2 * page);
}

TEST_F(MainWindow, MenusCarryTheirAccessLettersAndNoShortcuts)
{
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);  // the Pattern menu sits between them
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[2]->text(), "&Help");
    QStringList file, help;
    for (QAction* a : window.mnuFile->actions()) file << (a->isSeparator() ? "-" : a->text());
    for (QAction* a : window.mnuHelp->actions()) help << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(file, QStringList({"&Print", "-", "E&xit"}));
    EXPECT_EQ(help, QStringList({"&Content", "-", "&About"}));
    for (QAction* a : window.mnuFile->actions() + window.mnuHelp->actions())
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
}

// The focus chain in stored tab order. (Tab itself visits only the checked unit of the group,
// arrows move within it, as option groups always did.)
TEST_F(MainWindow, FocusChainRunsFromPrintThroughTheUnitsToTheBox)
{
    const QList<QWidget*> order = {window.cmdPrint, window.optMeasureType[0],
                                   window.optMeasureType[1], window.optMeasureType[2],
                                   window.txtMeasure};
    QList<QWidget*> chain;
    for (QWidget* w = window.cmdPrint; chain.size() < order.size(); w = w->nextInFocusChain())
        if (order.contains(w)) chain << w;
    EXPECT_EQ(chain, order);
}

// A keyboard user leaves the box with Tab and Shift+Tab, along the tab order; the box's text
// stays as it was.
TEST_F(MainWindow, TabAndShiftTabLeaveTheBox)
{
    struct Case {
        const char* text;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QWidget* focus;
    };
    const Case cases[] = {
        {"2", Qt::Key_Tab, Qt::NoModifier, window.cmdPrint},
        {"", Qt::Key_Tab, Qt::NoModifier, window.optMeasureType[Fractions]},  // print disabled
        {"2", Qt::Key_Backtab, Qt::ShiftModifier, window.optMeasureType[Fractions]},
        {"2", Qt::Key_Tab, Qt::ShiftModifier, window.optMeasureType[Fractions]},
    };
    for (const Case& c : cases) {
        chooseUnit(window, Fractions);
        QTest::keyClicks(window.txtMeasure, c.text);
        ASSERT_TRUE(window.txtMeasure->hasFocus());
        QTest::keyClick(window.txtMeasure, c.key, c.modifiers);
        EXPECT_EQ(QApplication::focusWidget(), c.focus)
            << c.text << " " << QKeySequence(c.key).toString().toStdString();
        EXPECT_EQ(window.txtMeasure->text(), c.text);
    }
}

// Tab and Shift+Tab enter the units on the checked one, however it was chosen, and on the
// first while none is, so that Space there never switches the unit and empties the box.
TEST_F(MainWindow, TabEntersTheUnitsOnTheCheckedOne)
{
    struct Case {
        const char* keys;  // pressed in turn wherever the focus is
        int focused;
    };
    const Case cases[] = {
        {"Tab", Decimal},
        {"Shift+Tab", Decimal},
        {"Tab, Space, Shift+Tab", Decimal},
        {"Tab, Down, Shift+Tab", Fractions},
        {"Tab, Down, Shift+Tab, Down, Shift+Tab", Millimeter},
        {"Tab, Down, 2, Tab, Tab", Fractions},
        {"Tab, Down, Shift+Tab, Up, Shift+Tab", Decimal},
    };
    for (const Case& c : cases) {
        frmMain fresh;
        fresh.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fresh));
        for (const QString& key : QString(c.keys).split(", ")) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keySequence(focus ? focus : &fresh, QKeySequence(key));
        }
        EXPECT_EQ(QApplication::focusWidget(), fresh.optMeasureType[c.focused]) << c.keys;
    }
}

// An arrow key on a unit chooses the next unit as a click on it does: its prompt, an empty box
// with the focus. There is no unit before the first or after the last.
TEST_F(MainWindow, ArrowKeysOnTheUnitsChooseTheNextUnit)
{
    struct Case {
        int checked;  // -1: none yet
        int focused;
        Qt::Key key;
        int chosen;  // -1: nothing happens
    };
    const Case cases[] = {
        {-1, Decimal, Qt::Key_Down, Fractions},
        {Decimal, Decimal, Qt::Key_Down, Fractions},
        {Fractions, Fractions, Qt::Key_Right, Millimeter},
        {Millimeter, Millimeter, Qt::Key_Up, Fractions},
        {Fractions, Fractions, Qt::Key_Left, Decimal},
        {Millimeter, Millimeter, Qt::Key_Down, -1},
        {-1, Decimal, Qt::Key_Up, -1},
    };
    const char* prompts[] = {"Enter the measurement in inches", "Enter the measurement in inches",
                             "Enter the measurement in millimeters"};
    for (const Case& c : cases) {
        frmMain fresh;
        fresh.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
        if (c.checked >= 0) {
            chooseUnit(fresh, c.checked);
            QTest::keyClicks(fresh.txtMeasure, "2");
        }
        QRadioButton* option = fresh.optMeasureType[c.focused];
        option->setFocus();
        QTest::keyClick(option, c.key);
        const std::string row =
            std::to_string(c.focused) + " " + QKeySequence(c.key).toString().toStdString();
        if (c.chosen < 0) {
            EXPECT_EQ(QApplication::focusWidget(), option) << row;
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(fresh.optMeasureType[i]->isChecked(), i == c.checked) << row;
            continue;
        }
        EXPECT_TRUE(fresh.optMeasureType[c.chosen]->isChecked()) << row;
        EXPECT_EQ(fresh.lblInfo->text(), prompts[c.chosen]) << row;
        EXPECT_TRUE(fresh.txtMeasure->isVisible()) << row;
        EXPECT_TRUE(fresh.txtMeasure->text().isEmpty()) << row;
        EXPECT_TRUE(fresh.txtMeasure->hasFocus()) << row;
        EXPECT_EQ(fresh.Height(), 2250) << row;
        EXPECT_FALSE(printingEnabled(fresh)) << row;
    }
}

TEST_F(MainWindow, ChoosingAUnitShowsItsPromptAndTheBoxWithTheFocus)
{
    struct Case {
        int unit;
        const char* prompt;
    };
    for (const Case c : {Case{Decimal, "Enter the measurement in inches"},
                         Case{Fractions, "Enter the measurement in inches"},
                         Case{Millimeter, "Enter the measurement in millimeters"}}) {
        chooseUnit(window, c.unit);
        EXPECT_TRUE(window.optMeasureType[c.unit]->isChecked());
        EXPECT_EQ(window.lblInfo->text(), c.prompt);
        EXPECT_TRUE(window.lblInfo->isVisible());
        EXPECT_TRUE(window.txtMeasure->isVisible());
        EXPECT_TRUE(window.txtMeasure->hasFocus());
        EXPECT_EQ(window.Height(), 2250);
        EXPECT_FALSE(printingEnabled(window));
    }
}

// Selecting a unit empties a non-empty box inside the click: the nested change disables
// printing before the box is shown again, and the last drawing stays.
TEST_F(MainWindow, ChoosingAUnitEmptiesTheBoxAndKeepsTheDrawing)
{
    chooseUnit(window, Fractions);
    QTest::keyClicks(window.txtMeasure, "2 1/2");
    ASSERT_TRUE(printingEnabled(window));
    ASSERT_FLOAT_EQ(window.BaseLength(), 180.0f);
    const auto shapes = window.picPattern->Image().shapes.size();
    const QRect picture = window.picPattern->geometry();

    std::vector<std::pair<bool, bool>> seenInChange;  // printing enabled, box visible
    QObject::connect(window.txtMeasure, &QLineEdit::textChanged, [&] {
        seenInChange.emplace_back(window.cmdPrint->isEnabled(), window.txtMeasure->isVisible());
    });
    chooseUnit(window, Decimal);

    ASSERT_EQ(seenInChange.size(), 1u);
    EXPECT_FALSE(seenInChange[0].first);
    EXPECT_TRUE(window.txtMeasure->text().isEmpty());
    EXPECT_FALSE(printingEnabled(window));
    EXPECT_EQ(window.Height(), 2250);
    EXPECT_FLOAT_EQ(window.BaseLength(), 180.0f);
    EXPECT_EQ(window.picPattern->Image().shapes.size(), shapes);
    EXPECT_EQ(window.picPattern->geometry(), picture);

    // With the box already empty, another unit changes neither printing nor the drawing.
    chooseUnit(window, Millimeter);
    EXPECT_EQ(seenInChange.size(), 1u);
    EXPECT_FALSE(printingEnabled(window));
    EXPECT_EQ(window.picPattern->Image().shapes.size(), shapes);
}

TEST_F(MainWindow, EveryChangeRedrawsAndEmptyingDisablesPrinting)
{
    chooseUnit(window, Decimal);
    QTest::keyClick(window.txtMeasure, '.');
    EXPECT_FALSE(printingEnabled(window));  // nothing drawn: no blank page to print
    EXPECT_EQ(window.BaseLength(), 0.0f);
    QTest::keyClick(window.txtMeasure, '5');
    EXPECT_FLOAT_EQ(window.BaseLength(), 36.0f);
    QTest::keyClick(window.txtMeasure, Qt::Key_Backspace);
    QTest::keyClick(window.txtMeasure, Qt::Key_Backspace);
    EXPECT_TRUE(window.txtMeasure->text().isEmpty());
    EXPECT_FALSE(printingEnabled(window));
    EXPECT_FLOAT_EQ(window.BaseLength(), 0.0f);  // the lone "." that came between drew nothing
}

// Printing is on exactly while the box holds a text that is drawn: not while it is refused as
// too large, nor while it reads as 0 under the picture of an earlier text. A print then always
// matches what the box says.
TEST_F(MainWindow, PrintingFollowsTheBoxAndTheTooLargeNotice)
{
    struct Step {
        const char* what;
        std::function<void()> act;
        bool notice;
        bool printing;
    };
    QLineEdit* box = window.txtMeasure;
    const Step steps[] = {
        {"type 2", [&] { QTest::keyClicks(box, "2"); }, false, true},
        {"type 00000", [&] { QTest::keyClicks(box, "00000"); }, true, false},
        {"delete back to 2",
         [&] {
             for (int i = 0; i < 5; ++i) QTest::keyClick(box, Qt::Key_Backspace);
         },
         false, true},
        {"paste a huge number", [&] { box->selectAll(); box->insert("99999999999"); }, true, false},
        {"empty the box", [&] { box->clear(); }, false, false},
        {"paste a huge number again", [&] { box->insert("99999999999"); }, true, false},
        {"choose another unit", [&] { chooseUnit(window, Millimeter); }, false, false},
        {"type 5", [&] { QTest::keyClicks(box, "5"); }, false, true},
        {"choose fractions", [&] { chooseUnit(window, Fractions); }, false, false},
        {"type / under the 5 mm picture", [&] { QTest::keyClicks(box, "/"); }, false, false},
        {"type 2 after it", [&] { QTest::keyClicks(box, "2"); }, false, false},
        {"type 1 before it",
         [&] {
             QTest::keyClick(box, Qt::Key_Home);
             QTest::keyClicks(box, "1");
         },
         false, true},
    };
    chooseUnit(window, Decimal);
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(window.lblTooLarge->isVisible(), step.notice) << step.what;
        EXPECT_EQ(printingEnabled(window), step.printing) << step.what;
    }
}

// Inches with fractions round a decimal whole part and take a fraction over 0 as none: a notice
// under the box says what is drawn while that differs from the text, and goes with the next
// change that reads as written.
TEST_F(MainWindow, NoticeSaysWhatIsDrawnWhereTheTextSaysOtherwise)
{
    const struct {
        const char* typed;
        float inches;
        const char* notice;
    } steps[] = {
        {"2", 2, ""},
        {"2.5", 2, "2.5 is drawn as 2 inches in Inches (Fractions); choose Inches (Decimal) for 2.5"},
        {"2 1/", 2, "2 1/ is drawn as 2 inches in Inches (Fractions): a fraction over 0 counts as none"},
        {"2 1/2", 2.5f, ""},
        {"1/", 0, ""},  // nothing drawn, nothing to say
        {"1 1", 1,
         "1 1 is drawn as 1 inch in Inches (Fractions); type a whole number, a space and a "
         "fraction, as 2 1/2"},
        {"1.4 1/2", 1.5f,
         "1.4 1/2 is drawn as 1.5 inches in Inches (Fractions), whose whole inches are rounded"},
        // Too large from the second digit on: nothing more is drawn, and the too-large notice
        // says why.
        {"99999999999", 9, ""},
    };
    tavrel::platform::installTranslations(QString("en"), TAVREL_QM_FOLDER);
    chooseUnit(window, Fractions);
    for (const auto& step : steps) {
        window.txtMeasure->selectAll();
        QTest::keyClicks(window.txtMeasure, step.typed);
        const QString text = window.txtMeasure->text();
        ASSERT_EQ(text, step.typed);
        EXPECT_EQ(window.lblNotice->isVisible(), *step.notice != 0) << step.typed;
        if (*step.notice) {
            EXPECT_EQ(window.lblNotice->text().toStdString(), step.notice);
            EXPECT_GT(window.lblNotice->y(), window.txtMeasure->geometry().bottom());
        }
        EXPECT_FLOAT_EQ(window.BaseLength(), step.inches * 72) << text.toStdString();
    }
}

// A change that arrives while a drawing processes pending messages: once all is done, printing
// is as the box says.
TEST_F(MainWindow, ChangeQueuedIntoADrawingLeavesPrintingAsTheBoxSays)
{
    struct Case {
        const char* what;
        std::function<void()> queued;
        const char* text;
        bool notice;
        bool printing;
    };
    QLineEdit* box = window.txtMeasure;
    const Case cases[] = {
        {"unit click", [&] { chooseUnit(window, Decimal); }, "", false, false},
        {"Backspace", [&] { QTest::keyClick(box, Qt::Key_Backspace); }, "", false, false},
        {"too large", [&] { box->insert("99999999999"); }, "299999999999", true, false},
        {"another digit", [&] { QTest::keyClick(box, '5'); }, "25", false, true},
    };
    for (const Case& c : cases) {
        chooseUnit(window, Decimal);
        typeWhileQueued(window, "2", c.queued);
        QCoreApplication::processEvents();
        EXPECT_EQ(box->text(), c.text) << c.what;
        EXPECT_EQ(window.lblTooLarge->isVisible(), c.notice) << c.what;
        EXPECT_EQ(printingEnabled(window), c.printing) << c.what;
    }
}

struct KeyRow {
    int unit;
    const char* before;
    int caret;  // -1: at the end
    QChar key;
    const char* after;
};

// ASCII goes through QTest as a key; other characters arrive as the text of a key press, the
// way a keyboard layout or an input method sends them.
void typeCharacter(QWidget* widget, QChar character)
{
    if (character.unicode() < 128) {
        QTest::keyClick(widget, character.toLatin1());
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
}

class KeyFilter : public MainWindow, public testing::WithParamInterface<KeyRow> {};

TEST_P(KeyFilter, TypedCharacterIsAcceptedOrDiscarded)
{
    const KeyRow& row = GetParam();
    chooseUnit(window, row.unit);
    window.txtMeasure->setText(row.before);
    window.txtMeasure->setCursorPosition(row.caret < 0 ? window.txtMeasure->text().size() : row.caret);
    typeCharacter(window.txtMeasure, row.key);
    EXPECT_EQ(window.txtMeasure->text(), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    EachUnit, KeyFilter,
    testing::Values(
        // A space: never into an empty box, never twice, only for fractions.
        KeyRow{Decimal, "", -1, ' ', ""}, KeyRow{Fractions, "", -1, ' ', ""},
        KeyRow{Millimeter, "", -1, ' ', ""}, KeyRow{Fractions, "2", -1, ' ', "2 "},
        KeyRow{Decimal, "2", -1, ' ', "2"}, KeyRow{Millimeter, "2", -1, ' ', "2"},
        KeyRow{Fractions, "2 1", -1, ' ', "2 1"}, KeyRow{Fractions, "1/2", 0, ' ', " 1/2"},
        // A point may come first in every unit, but only once.
        KeyRow{Decimal, "", -1, '.', "."}, KeyRow{Fractions, "", -1, '.', "."},
        KeyRow{Millimeter, "", -1, '.', "."}, KeyRow{Decimal, "1.5", -1, '.', "1.5"},
        KeyRow{Millimeter, "12", 1, '.', "1.2"},
        // A slash only for fractions, once, possibly first.
        KeyRow{Fractions, "", -1, '/', "/"}, KeyRow{Fractions, "1/2", -1, '/', "1/2"},
        KeyRow{Decimal, "1", -1, '/', "1"}, KeyRow{Millimeter, "1", -1, '/', "1"},
        // Digits always; everything else that has a character never.
        KeyRow{Decimal, "", -1, '0', "0"}, KeyRow{Millimeter, "1", -1, '9', "19"},
        KeyRow{Fractions, "1", -1, 'a', "1"}, KeyRow{Decimal, "1", -1, 'Z', "1"},
        KeyRow{Decimal, "1", -1, '-', "1"}, KeyRow{Decimal, "1", -1, '+', "1"},
        KeyRow{Millimeter, "1", -1, ',', "1"}, KeyRow{Fractions, "1", -1, ':', "1"},
        KeyRow{Decimal, "1", -1, QChar(0x00E9), "1"}, KeyRow{Decimal, "1", -1, QChar(0x00BD), "1"},
        KeyRow{Decimal, "1", -1, QChar(0x20AC), "1"}, KeyRow{Fractions, "1", -1, QChar(0x0663), "1"}));

TEST_F(MainWindow, KeysWithoutACharacterAreNotFilteredButControlCodesAre)
{
    chooseUnit(window, Decimal);
    QTest::keyClicks(window.txtMeasure, "123");
    QGuiApplication::clipboard()->setText("999");

    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* after;
    };
    const Case cases[] = {
        {Qt::Key_Return, Qt::NoModifier, "123"}, {Qt::Key_Enter, Qt::KeypadModifier, "123"},
        {Qt::Key_B, Qt::ControlModifier, "123"}, {Qt::Key_Backspace, Qt::ControlModifier, "123"},
        {Qt::Key_Tab, Qt::NoModifier, "123"},
        {Qt::Key_Home, Qt::NoModifier, "123"},   {Qt::Key_K, Qt::ControlModifier, "123"},
        {Qt::Key_Delete, Qt::NoModifier, "23"},  {Qt::Key_End, Qt::NoModifier, "23"},
        {Qt::Key_Left, Qt::NoModifier, "23"},    {Qt::Key_Backspace, Qt::NoModifier, "3"},
    };
    for (const Case& c : cases) {
        window.txtMeasure->setFocus();
        QTest::keyClick(window.txtMeasure, c.key, c.modifiers);
        EXPECT_EQ(window.txtMeasure->text(), c.after) << QTest::toString(c.key);
    }
}

// The editing commands' keys act as in any text box, each by every key the platform gives it
// (Ctrl+Insert, Shift+Delete and Shift+Insert too), redo by Ctrl+Shift+Z on Linux and Ctrl+Y
// on Windows.
TEST_F(MainWindow, EditingCommandsWorkByTheirKeys)
{
    chooseUnit(window, Decimal);
    QTest::keyClicks(window.txtMeasure, "1.5");
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto press = [&](QKeySequence keys) {
        QTest::keySequence(window.txtMeasure, keys);
        return window.txtMeasure->text();
    };
    for (const QKeySequence::StandardKey command : {QKeySequence::Copy, QKeySequence::Cut,
                                                    QKeySequence::Paste}) {
        for (const QKeySequence& keys : QKeySequence::keyBindings(command)) {
            const std::string row = keys.toString().toStdString();
            clipboard->setText("2");
            window.txtMeasure->selectAll();
            const QString after = press(keys);
            const QString expected = command == QKeySequence::Cut     ? ""
                                     : command == QKeySequence::Paste ? "2"
                                                                      : "1.5";
            EXPECT_EQ(after, expected) << row;
            EXPECT_EQ(clipboard->text(), command == QKeySequence::Paste ? "2" : "1.5") << row;
            window.txtMeasure->setText("1.5");
        }
    }
    window.txtMeasure->deselect();
    EXPECT_EQ(press(QKeySequence::SelectAll), "1.5");
    EXPECT_EQ(window.txtMeasure->selectedText(), "1.5");
    clipboard->setText("7");
    EXPECT_EQ(press(QKeySequence::Paste), "7");
    EXPECT_EQ(press(QKeySequence::Undo), "1.5");
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Redo)) {
        EXPECT_EQ(press(keys), "7") << keys.toString().toStdString();
        press(QKeySequence::Undo);
    }
}

// The test sees the text before the key replaces the selection.
TEST_F(MainWindow, TypingOverASelectionStillSeesTheWholeText)
{
    chooseUnit(window, Fractions);
    QTest::keyClicks(window.txtMeasure, "1 1/2");
    for (const char key : {' ', '/'}) {
        window.txtMeasure->selectAll();
        QTest::keyClick(window.txtMeasure, key);
        EXPECT_EQ(window.txtMeasure->text(), "1 1/2");
    }
    chooseUnit(window, Decimal);
    QTest::keyClicks(window.txtMeasure, "1.5");
    window.txtMeasure->selectAll();
    QTest::keyClick(window.txtMeasure, '.');
    EXPECT_EQ(window.txtMeasure->text(), "1.5");
}

// The box's edit menu, opened as a right click opens it.
QMenu* openEditMenu(frmMain& window)
{
    const QPoint at(10, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.txtMeasure->mapToGlobal(at));
    QApplication::sendEvent(window.txtMeasure, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* menuItem(QMenu* menu, const QString& caption)
{
    for (QAction* action : menu->actions())
        if (action->text().remove('&').section('\t', 0, 0) == caption) return action;
    return nullptr;
}

// The routes by which text reaches the box besides typed keys: typed ones (an input method, a
// key whose text is several characters) and those that paste or drop.
enum class Route { InputMethod, KeyWithText, CtrlV, ShiftInsert, EditMenu, Drop, MiddleClick };

const char* nameOf(Route route)
{
    const char* names[] = {"input method", "key with text", "Ctrl+V",     "Shift+Insert",
                           "edit menu",    "drop",          "middle click"};
    return names[static_cast<int>(route)];
}

bool isTyped(Route route) { return route == Route::InputMethod || route == Route::KeyWithText; }

// What a drop offered while dragging over the box and at its end.
struct DropActions {
    Qt::DropAction dragging = Qt::IgnoreAction;
    Qt::DropAction dropped = Qt::IgnoreAction;
};

// Drops `data` on the box at `at` as another program would, Shift asking for a move.
DropActions drop(QLineEdit* box, const QMimeData& data, QPoint at,
                 Qt::KeyboardModifiers modifiers = {})
{
    const auto taken = [](const QDropEvent& event) {
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    };
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(box, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(box, &move);
    if (taken(enter) != taken(move)) return {};
    QDropEvent dropped(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(box, &dropped);
    return {taken(move), taken(dropped)};
}

// Sends `text` into the box by `route`, at the caret; false where the platform has no such route.
bool enterBy(Route route, frmMain& window, const QString& text)
{
    QLineEdit* box = window.txtMeasure;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QPoint caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    switch (route) {
    case Route::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
        return true;
    }
    case Route::KeyWithText: {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        return true;
    }
    case Route::CtrlV:
        clipboard->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return true;
    case Route::ShiftInsert:
        clipboard->setText(text);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        return true;
    case Route::EditMenu: {
        clipboard->setText(text);
        QMenu* menu = openEditMenu(window);
        menuItem(menu, "Paste")->trigger();
        menu->close();
        return true;
    }
    case Route::Drop: {
        QMimeData data;
        data.setText(text);
        drop(box, data, caret);
        return true;
    }
    case Route::MiddleClick:
        if (!clipboard->supportsSelection()) return false;
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, caret);
        return true;
    }
    return false;
}

// Text that reaches the box by any route passes the key filter as typed text does: character by
// character, each judged against the text as it is by then, at the caret. What is typed enters
// as far as the filter lets it; what is pasted or dropped enters whole, or not at all with a
// notice naming the character refused. The picture is drawn for what the box says.
TEST_F(MainWindow, TextByEveryRoutePassesTheKeyFilter)
{
    struct Case {
        int unit;
        QString before;
        int caret;  // -1: at the end
        QString text;
        QString typed;    // what typing it leaves in the box, as does entering it whole
        QString refusal;  // why a paste or drop of it enters nothing; empty: it enters whole
    };
    const QString longText = QString(40000, '0') + "1";
    const Case cases[] = {
        {Decimal, "2", -1, "½", "2", "the box takes no “½”."},  // compose: 1 2
        {Decimal, "", -1, "é", "", "the box takes no “é”."},    // dead key: acute, e
        {Millimeter, "63", -1, "·5", "635", "the box takes no “·”."},  // an input method's dot
        {Decimal, "", -1, "2,5", "25", "the box takes no comma."},  // no comma key in English
        {Millimeter, "", -1, "2 1/2", "212", "the box takes no space."},
        {Fractions, "", -1, "2 1/2", "2 1/2", ""},
        {Fractions, "", -1, "2\u00A01/2", "21/2", "the box takes no no-break space."},  // the web's
        {Fractions, "", -1, "2\t1/2", "21/2", "the box takes no tab."},
        {Decimal, "", -1, "1/2", "12", "the box takes no slash."},
        {Decimal, "", -1, "1.234,5", "1.2345", "the box takes no comma."},
        {Fractions, "", -1, " 1 /2/", "1 /2", "the box takes no space at the start."},
        {Fractions, "2", -1, " 1 2", "2 12", "the box takes only one space."},
        {Decimal, "", -1, "1.2.3", "1.23", "the box takes only one point."},
        {Decimal, "", -1, "1\u200B5", "15", "the box takes no character U+200B."},
        {Decimal, "15", 1, ".", "1.5", ""},  // at the caret
        {Millimeter, "5", 0, "-2\n", "25", "the box takes no “-”."},
        {Decimal, "", -1, longText, longText, ""},  // beyond QLineEdit's usual 32767
    };
    auto* notice = window.findChild<QLabel*>("lblNotice");
    ASSERT_NE(notice, nullptr);
    for (const Route route : {Route::InputMethod, Route::KeyWithText, Route::CtrlV,
                              Route::ShiftInsert, Route::EditMenu, Route::Drop,
                              Route::MiddleClick}) {
        for (const Case& c : cases) {
            chooseUnit(window, c.unit);
            QTest::keyClicks(window.txtMeasure, c.before);
            window.txtMeasure->setCursorPosition(c.caret < 0 ? c.before.size() : c.caret);
            if (!enterBy(route, window, c.text)) break;
            const std::string row = std::string(nameOf(route)) + ": " + c.text.left(20).toStdString();
            const bool refused = !isTyped(route) && !c.refusal.isEmpty();
            const QString after = refused ? c.before : c.typed;
            EXPECT_EQ(window.txtMeasure->text(), after) << row;
            if (!isTyped(route)) {
                const QString verb = route == Route::Drop ? "dropped" : "pasted";
                EXPECT_EQ(notice->isVisible(), refused) << row;
                if (refused) {
                    EXPECT_EQ(notice->text(), "Nothing was " + verb + ": " + c.refusal) << row;
                }
            }
            const float M = tavrel::measure::convertMeasurement(after.toStdString(),
                                                                tavrel::measure::unitAt(c.unit), 15)
                                .M;
            if (M > 0) {
                EXPECT_FLOAT_EQ(window.BaseLength(), M) << row;
            }
            EXPECT_EQ(printingEnabled(window), M > 0) << row;
        }
    }
}

// A paste or drop refused changes nothing, not even the undo history, and raises no Change.
TEST_F(MainWindow, ARefusedPasteChangesNothingNotEvenTheUndoHistory)
{
    chooseUnit(window, Decimal);
    QTest::keyClicks(window.txtMeasure, "1.5");
    QTest::keyClick(window.txtMeasure, Qt::Key_Backspace);
    int changes = 0;
    QObject::connect(window.txtMeasure, &QLineEdit::textChanged, [&] { ++changes; });
    for (const Route route : {Route::CtrlV, Route::EditMenu, Route::Drop}) {
        enterBy(route, window, "2.5");
        EXPECT_EQ(window.txtMeasure->text(), "1.") << nameOf(route);
    }
    EXPECT_EQ(window.txtMeasure->text(), "1.");
    EXPECT_EQ(changes, 0);
    window.txtMeasure->undo();
    EXPECT_EQ(window.txtMeasure->text(), "1.5");
}

// Dropped text is only ever copied, while it is dragged over the box as well as at the end, so
// that the program it came from never deletes it; what enters nothing is not taken at all, and
// a file or a link is no text.
TEST_F(MainWindow, DroppedTextIsCopiedNeverMoved)
{
    QMimeData file, text, comma;
    file.setUrls({QUrl::fromLocalFile("/home/someone/123.5")});
    file.setText("123.5");
    text.setText("25");
    comma.setText("2,5");
    struct Case {
        const char* what;
        const QMimeData& data;
        Qt::KeyboardModifiers modifiers;
        Qt::DropAction dragging;
        Qt::DropAction dropped;
        const char* after;
    };
    const Case cases[] = {
        {"text", text, Qt::NoModifier, Qt::CopyAction, Qt::CopyAction, "25"},
        {"a comma", comma, Qt::ShiftModifier, Qt::CopyAction, Qt::IgnoreAction, ""},
        {"a file", file, Qt::NoModifier, Qt::IgnoreAction, Qt::IgnoreAction, ""},
    };
    for (const Case& c : cases) {
        chooseUnit(window, Decimal);
        const DropActions taken = drop(window.txtMeasure, c.data, QPoint(10, 10), c.modifiers);
        EXPECT_EQ(taken.dragging, c.dragging) << c.what;
        EXPECT_EQ(taken.dropped, c.dropped) << c.what;
        EXPECT_EQ(window.txtMeasure->text(), c.after) << c.what;
    }
}

// Every command of the edit menu, clicked in a state where it applies: the change is drawn
// while the menu still runs the command, and the menu outlives it. The menu shows the keys of
// the commands that have them.
TEST_F(MainWindow, EditMenuCommandsDrawTheirChangeAndTheMenuOutlivesThem)
{
    struct Case {
        const char* command;
        std::function<void(QLineEdit*)> prepare;
        const char* after;
        std::optional<QKeySequence::StandardKey> keys;  // shown beside the command
    };
    const Case cases[] = {
        {"Undo", [](QLineEdit* box) { QTest::keyClick(box, Qt::Key_Backspace); }, "1.5",
         QKeySequence::Undo},
        {"Redo",
         [](QLineEdit* box) {
             QTest::keyClick(box, Qt::Key_Backspace);
             box->undo();
         },
         "1.", QKeySequence::Redo},
        {"Cut", [](QLineEdit* box) { box->setSelection(2, 1); }, "1.", QKeySequence::Cut},
        {"Copy", [](QLineEdit* box) { box->selectAll(); }, "1.5", QKeySequence::Copy},
        {"Paste",
         [](QLineEdit* box) {
             QGuiApplication::clipboard()->setText("2");
             box->selectAll();
         },
         "2", QKeySequence::Paste},
        {"Delete", [](QLineEdit* box) { box->setSelection(2, 1); }, "1.", std::nullopt},
        {"Select All", [](QLineEdit*) {}, "1.5", QKeySequence::SelectAll},
    };
    for (const Case& c : cases) {
        chooseUnit(window, Decimal);
        QTest::keyClicks(window.txtMeasure, "1.5");
        c.prepare(window.txtMeasure);
        QMenu* menu = openEditMenu(window);
        ASSERT_NE(menu, nullptr) << c.command;
        QAction* item = menuItem(menu, c.command);
        ASSERT_NE(item, nullptr) << c.command;
        EXPECT_EQ(item->text().section('\t', 1),
                  c.keys ? QKeySequence(*c.keys).toString(QKeySequence::NativeText) : "")
            << c.command;
        ASSERT_TRUE(item->isEnabled()) << c.command;

        QPointer<QMenu> menuAlive(menu);
        std::vector<bool> aliveAfterChange;
        const auto watch = QObject::connect(window.txtMeasure, &QLineEdit::textChanged, [&] {
            aliveAfterChange.push_back(!menuAlive.isNull());
        });
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QObject::disconnect(watch);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        EXPECT_EQ(window.txtMeasure->text(), c.after) << c.command;
        for (bool alive : aliveAfterChange) EXPECT_TRUE(alive) << c.command;
        EXPECT_FLOAT_EQ(window.BaseLength(),
                        tavrel::measure::convertMeasurement(c.after, tavrel::measure::unitAt(Decimal), 15).M)
            << c.command;
        EXPECT_TRUE(menuAlive.isNull()) << c.command << ": the closed menu is deleted";
    }
}

// Notes, whenever a window opens or the main window goes away, whether the picture was drawn
// at that moment; dialogs that open are closed again at once.
class EffectWatch : public QObject {
public:
    explicit EffectWatch(frmMain& window) : window_(window) { qApp->installEventFilter(this); }
    ~EffectWatch() override { qApp->removeEventFilter(this); }
    std::vector<bool> drawnWhenTakingEffect;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow()) return false;
        const bool opened = event->type() == QEvent::Show && widget != &window_;
        const bool gone = event->type() == QEvent::Hide && widget == &window_;
        if (opened || gone)
            drawnWhenTakingEffect.push_back(!window_.picPattern->Image().shapes.empty());
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && opened)
            QTimer::singleShot(0, dialog, &QDialog::reject);
        return false;
    }

private:
    frmMain& window_;
};

// Commands that open a window, print or end the program, arriving while a drawing processes
// pending messages, wait until that drawing has finished, and then take effect.
TEST_F(MainWindow, CommandsArrivingDuringADrawingTakeEffectOnceItHasFinished)
{
    window.Form_Load();
    platform::setHelpFilePath("/nonexistent/folder/TavrelMarker.chm");
    qputenv("PRINTER", "TavrelTestNoSuchPrinter");  // Print Pattern then says so in a window
    struct Case {
        const char* command;
        std::function<void(frmMain&)> give;
    };
    const Case cases[] = {
        {"File > Exit", [](frmMain& w) { w.mnuFileExit->trigger(); }},
        {"close box", [](frmMain& w) { w.close(); }},
        {"F1", [](frmMain& w) { QTest::keyClick(w.txtMeasure, Qt::Key_F1); }},
        {"Help > About", [](frmMain& w) { w.mnuHelpAbout->trigger(); }},
        {"Print Pattern", [](frmMain& w) { QTest::mouseClick(w.cmdPrint, Qt::LeftButton); }},
        {"File > Print", [](frmMain& w) { w.mnuFilePrint->trigger(); }},
        {"Pattern > Save as PNG", [](frmMain& w) { w.mnuPattern->mnuPatternSavePng->trigger(); }},
    };
    for (const Case& c : cases) {
        EffectWatch watch(window);
        window.show();
        chooseUnit(window, Decimal);
        QTest::keyClicks(window.txtMeasure, "1");
        window.picPattern->Cls();
        typeWhileQueued(window, "5", [&] { c.give(window); });
        EXPECT_TRUE(watch.drawnWhenTakingEffect.empty())
            << c.command << " took effect during the drawing";
        QTest::qWait(50);
        EXPECT_EQ(watch.drawnWhenTakingEffect, std::vector<bool>{true}) << c.command;
        for (QMessageBox* box : window.findChildren<QMessageBox*>()) delete box;
    }
    qunsetenv("PRINTER");
}

TEST_F(MainWindow, ResizingByHandMovesNoControl)
{
    chooseUnit(window, Decimal);
    QTest::keyClicks(window.txtMeasure, "2");
    const QRect box = window.txtMeasure->geometry();
    const QRect picture = window.picPattern->geometry();
    window.resize(window.width() + 200, window.height() + 150);
    QApplication::processEvents();
    EXPECT_EQ(window.txtMeasure->geometry(), box);
    EXPECT_EQ(window.picPattern->geometry(), picture);
}

// Help with a file that is not there: a message naming the path, without blocking.
class Help : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        window.Form_Load();
        platform::setHelpFilePath("/nonexistent/folder/TavrelMarker.chm");
    }
    QMessageBox* helpMessage() { return window.findChild<QMessageBox*>("helpMessage"); }
};

TEST_F(Help, FormLoadPutsTheHelpFileBesideTheProgram)
{
    window.Form_Load();
    EXPECT_EQ(platform::helpFilePath(),
              QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/TavrelMarker.chm"));
}

TEST_F(Help, F1OpensHelpFromAnyControl)
{
    chooseUnit(window, Decimal);
    QTest::keyClick(window.txtMeasure, Qt::Key_F1);
    QMessageBox* message = helpMessage();
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains("/nonexistent/folder/TavrelMarker.chm"));
    EXPECT_TRUE(window.txtMeasure->text().isEmpty());
}

TEST_F(Help, ContentQueuesOneF1ThatArrivesAfterTheHandler)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.mnuHelpContent->trigger();
    EXPECT_EQ(helpMessage(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(helpMessage() != nullptr, 2000);
    EXPECT_EQ(window.findChildren<QMessageBox*>("helpMessage").size(), 1);
}

TEST_F(MainWindow, ExitAndTheCloseBoxEndTheWindowWithoutAsking)
{
    chooseUnit(window, Decimal);
    QTest::keyClicks(window.txtMeasure, "2");
    window.mnuFileExit->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.findChild<QMessageBox*>(), nullptr);

    frmMain other;
    other.show();
    EXPECT_TRUE(other.close());
    EXPECT_FALSE(other.isVisible());
}

// The About box is modal: its checks run from inside its own loop.
TEST_F(MainWindow, AboutIsModalOwnedAndBuiltAfreshEachTime)
{
    std::vector<QPointer<QWidget>> opened;
    for (int round = 0; round < 2; ++round) {
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            opened.emplace_back(about);
            if (!about) return;
            EXPECT_EQ(about->parentWidget(), &window);
            EXPECT_EQ(about->windowTitle(), "About Tavrel Maker");
            QTest::keyClick(about, Qt::Key_Escape);
        });
        window.mnuHelpAbout->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_TRUE(opened[0].isNull());  // closed means gone; the second one was new
    EXPECT_TRUE(opened[1].isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
