// Soak of the real main window on the offscreen platform: random keys of every kind at random
// caret positions, pastes, the edit menu's commands, unit clicks, and text changes queued so
// that they arrive while a drawing processes pending messages. After every action the window
// must agree with the text in its box: base length, picture, window size, printing and the
// too-large notice. Memory held after the run stays within a few MB of that held before it.
//   build/tests/soak_test                              5 000 actions, as CTest runs it
//   TAVREL_SOAK_ACTIONS=100000 build/tests/soak_test   the long run
//   TAVREL_SOAK_SEED=1234 build/tests/soak_test        repeats the run a failure names
// Print Pattern is never pressed: printing goes to the real spooler.

#include "app/frm_main.h"
#include "measure/conversion.h"
#include "pattern/pattern_plan.h"
#include "picture/pattern_image.h"
#include "platform/screen_metrics.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

using tavrel::app::frmMain;
namespace measure = tavrel::measure;
namespace pattern = tavrel::pattern;
namespace picture = tavrel::picture;
namespace platform = tavrel::platform;

namespace {

// ---- What the window should show, worked out from the texts its box went through ----

struct BoxState {
    QString text;
    int unit = -1;
};

// The ruler beside a pattern typed in the window's unit at this index.
measure::UnitSystem rulerFor(int unit)
{
    return measure::unitSystemOf(measure::unitAt(unit).value_or(measure::Unit::InchesDecimal));
}

// One action of the soak: the box before and after it, and how often the box reported a
// change of its text (replacing a selection with the same text reports one, too).
struct Step {
    BoxState before, after;
    bool unitClick = false;
    int textChanges = 0;
};

struct Picture {
    QSize size;
    std::vector<std::string> shapes;
};

std::string describe(const picture::Shape& shape)
{
    char text[200];
    if (const auto* line = std::get_if<picture::LineShape>(&shape)) {
        std::snprintf(text, sizeof text, "line %.9g %.9g %.9g %.9g", line->x1, line->y1,
                      line->x2, line->y2);
    } else if (const auto* arc = std::get_if<picture::ArcShape>(&shape)) {
        std::snprintf(text, sizeof text, "arc %d %d %d %d %d %d %d %d", arc->left, arc->top,
                      arc->right, arc->bottom, arc->xStart, arc->yStart, arc->xEnd, arc->yEnd);
    } else {
        const auto& e = std::get<picture::EllipseShape>(shape);
        std::snprintf(text, sizeof text, "ellipse %d %d %d %d", e.left, e.top, e.right,
                      e.bottom);
    }
    return text;
}

Picture pictureOf(const picture::PersistentImage& image)
{
    Picture picture{image.size, {}};
    for (const picture::Shape& shape : image.shapes) picture.shapes.push_back(describe(shape));
    return picture;
}

// The window's rules: every change of a non-empty text draws it; a drawing that gets as far
// as processing pending messages takes in every change queued until then, finishes with its
// own M and then draws the newest text; too large leaves everything but shows the notice, and
// printing is off while it shows; nothing to draw stores 0 and leaves the picture, and printing
// is off; an empty text draws nothing.
class ExpectedWindow {
public:
    // `room` is where the window's controls leave room for the picture, which the font decides.
    ExpectedWindow(float twipsPerPixel, int width, int height, pattern::ControlRoom room)
        : width(width), height(height), room(room), screen_{twipsPerPixel, twipsPerPixel}
    {
    }

    // steps[0] ran at once; the others were queued, in that order.
    void apply(const std::vector<Step>& steps)
    {
        std::deque<Step> queued(steps.begin() + 1, steps.end());
        handle(steps.front(), queued);
        while (!queued.empty()) {
            const Step step = queued.front();
            queued.pop_front();
            handle(step, queued);
        }
    }

    float baseLength = 0.0f;
    bool notice = false;
    int arrivedWhileDrawing = 0;  // queued actions taken in by a drawing, over the whole run
    Picture picture;
    int width, height;
    bool pictureInView = false;  // the window sized around the picture
    pattern::ControlRoom room;

private:
    void handle(const Step& step, std::deque<Step>& queued)
    {
        if (step.unitClick) {
            height = 2250;
            pictureInView = false;
        }
        if (step.textChanges == 0) return;
        if (step.after.text.isEmpty()) {
            notice = false;
            return;
        }
        BoxState current = step.after;
        bool pending = false;
        do {
            pending = false;
            if (drawOnce(current) && !queued.empty()) {
                arrivedWhileDrawing += static_cast<int>(queued.size());
                for (const Step& nested : queued)
                    if (nested.textChanges > 0 && !nested.after.text.isEmpty()) pending = true;
                current = queued.back().after;
                queued.clear();
            }
        } while (pending && !current.text.isEmpty());
    }

    // True when it drew, and so processed the pending messages.
    bool drawOnce(const BoxState& box)
    {
        const auto conversion = measure::convertMeasurement(
            box.text.toStdString(), measure::unitAt(box.unit), screen_.twipsPerPixelX);
        const auto plan =
            conversion.status == measure::Conversion::Status::Ok
                ? pattern::planPattern(conversion.M, screen_, rulerFor(box.unit), room)
                : std::nullopt;
        if (conversion.status == measure::Conversion::Status::TooLarge ||
            (conversion.status == measure::Conversion::Status::Ok && !plan)) {
            notice = true;
            return false;
        }
        notice = false;
        baseLength = conversion.M;
        if (!plan) return false;
        picture = pictureOf(tavrel::picture::patternImage(*plan));
        width = plan->windowWidth;
        height = plan->windowHeight;
        pictureInView = true;
        return true;
    }

    pattern::Screen screen_;
};

// ---- The soak ----

// Clicks an option button on its round indicator, which lies at its left, halfway down.
void clickOn(QRadioButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

int environmentNumber(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;  // the character the X server sends with it; empty for keys without one
    const char* name;
};

// Characters the box accepts, characters it must discard, and keys that edit or move. Alt and
// F1 are left out: they open the menus and the help, which other tests cover.
const std::vector<Key>& keys()
{
    static const std::vector<Key> all = [] {
        std::vector<Key> k;
        for (char c : std::string("0123456789./ 0123456789./ -+,eEaZ*"))
            k.push_back({Qt::Key(QChar(c).toUpper().unicode()), {}, QString(c), "character"});
        k.push_back({Qt::Key_unknown, {}, QString::fromUtf8("€"), "euro sign"});
        k.push_back({Qt::Key_Eacute, {}, QString::fromUtf8("é"), "e acute"});
        k.push_back({Qt::Key_onehalf, {}, QString::fromUtf8("½"), "one half"});
        const Key editing[] = {
            {Qt::Key_Backspace, {}, "\b", "Backspace"},
            {Qt::Key_Backspace, Qt::ControlModifier, {}, "Ctrl+Backspace"},
            {Qt::Key_Delete, {}, QString(QChar(127)), "Delete"},
            {Qt::Key_Delete, Qt::ShiftModifier, QString(QChar(127)), "Shift+Delete"},
            {Qt::Key_Insert, Qt::ShiftModifier, {}, "Shift+Insert"},
            {Qt::Key_Insert, Qt::ControlModifier, {}, "Ctrl+Insert"},
            {Qt::Key_Return, {}, "\r", "Return"},
            {Qt::Key_Enter, Qt::KeypadModifier, "\r", "Enter"},
            {Qt::Key_Escape, {}, "\x1b", "Escape"},
            {Qt::Key_Tab, {}, "\t", "Tab"},
            {Qt::Key_Home, {}, {}, "Home"},
            {Qt::Key_End, Qt::ShiftModifier, {}, "Shift+End"},
            {Qt::Key_Left, {}, {}, "Left"},
            {Qt::Key_Right, Qt::ShiftModifier, {}, "Shift+Right"},
        };
        k.insert(k.end(), std::begin(editing), std::end(editing));
        for (Qt::Key letter : {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_Y,
                               Qt::Key_K, Qt::Key_U})
            k.push_back({letter, Qt::ControlModifier, {}, "Ctrl+letter"});
        return k;
    }();
    return all;
}

class Soak {
public:
    Soak(frmMain& window, unsigned seed, float twipsPerPixel)
        : window_(window), random_(seed),
          expected_(twipsPerPixel, window.Width(), window.Height(), window.controlRoom()),
          twipsPerPixel_(twipsPerPixel)
    {
        QObject::connect(window.txtMeasure, &QLineEdit::textChanged, [this] { ++textChanges_; });
    }

    // Runs one random action and the changes it queued; the description of what it did.
    std::string act()
    {
        steps_.clear();
        description_.clear();
        changedTwice_ = false;
        const int roll = below(100);
        const int length = window_.txtMeasure->text().size();
        if (unit() < 0) {
            clickUnit(below(3));  // the box shows once a unit is chosen
        } else if (length > 8 && roll < 50) {
            deleteSomething();
        } else if (roll < 50) {
            typeKey();
        } else if (roll < 62) {
            deleteSomething();
        } else if (roll < 74) {
            paste();
        } else if (roll < 80) {
            editMenuCommand();
        } else if (roll < 84) {
            clickUnit(below(3));
        } else {
            storm();
        }
        settle();
        expected_.apply(steps_);
        countOutcome();
        return description_;
    }

    std::string summary() const
    {
        return std::to_string(drawn_) + " drawn, " + std::to_string(nothingToDraw_) +
               " nothing to draw, " + std::to_string(tooLarge_) + " too large, " +
               std::to_string(empty_) + " empty; " +
               std::to_string(expected_.arrivedWhileDrawing) +
               " queued actions arrived while a drawing processed pending messages";
    }

    // Empty when the window agrees with its text; otherwise what differs.
    std::string disagreement() const
    {
        std::string problems;
        auto differ = [&problems](const std::string& what) { problems += what + "; "; };
        // The expected window follows one text per action; two would make it guess.
        if (changedTwice_) differ("one action changed the text twice");
        const QString text = window_.txtMeasure->text();
        const bool printing = !text.isEmpty() && !expected_.notice && expected_.baseLength != 0;
        if (window_.cmdPrint->isEnabled() != printing || window_.mnuFilePrint->isEnabled() != printing)
            differ("printing enabled does not follow the text");
        if (window_.lblTooLarge->isVisible() != expected_.notice) differ("too-large notice");
        if (window_.BaseLength() != expected_.baseLength)
            differ("BaseLength " + std::to_string(window_.BaseLength()) + ", expected " +
                   std::to_string(expected_.baseLength));
        // A scale sentence longer than its band goes on below the drawing, to its last line,
        // and the window may grow to hold it; otherwise the picture is the drawing's own size.
        const QSize drawing = window_.picPattern->Image().size;
        const QLabel& sentence = *window_.lblScale;
        const int room = window_.picPattern->height() - drawing.height();
        if (room > 0 && sentence.y() + sentence.heightForWidth(sentence.width()) !=
                            window_.picPattern->height())
            differ("room below the drawing is not the sentence's");
        const bool grown = room > 0 && expected_.pictureInView && window_.Height() > expected_.height;
        if (window_.Width() != expected_.width || (window_.Height() != expected_.height && !grown))
            differ("window size " + std::to_string(window_.Width()) + " x " +
                   std::to_string(window_.Height()) + " twips, expected " +
                   std::to_string(expected_.width) + " x " + std::to_string(expected_.height));

        // Whatever the history, a text that can be drawn or has nothing to draw sets M.
        const auto conversion = measure::convertMeasurement(
            text.toStdString(), tavrel::measure::unitAt(unit()), twipsPerPixel_);
        const bool drawable = conversion.status == measure::Conversion::Status::NothingToDraw ||
                              (conversion.status == measure::Conversion::Status::Ok &&
                               pattern::planPattern(conversion.M, {twipsPerPixel_, twipsPerPixel_},
                                                    rulerFor(unit())));
        if (!text.isEmpty() && drawable && window_.BaseLength() != conversion.M)
            differ("BaseLength is not the conversion of the text");

        const Picture shown = pictureOf(window_.picPattern->Image());
        if (shown.shapes != expected_.picture.shapes) differ("picture operations");
        if (!expected_.picture.shapes.empty() &&
            QRect(window_.picPattern->pos(), drawing) !=
                QRect(QPoint(50, expected_.room.pictureTop), expected_.picture.size))
            differ("picture geometry");
        return problems;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    int unit() const
    {
        for (int i = 0; i < 3; ++i)
            if (window_.optMeasureType[i]->isChecked()) return i;
        return -1;
    }

    BoxState box() const { return {window_.txtMeasure->text(), unit()}; }

    // Runs one action on the box and notes it as a step. Queued actions that ran inside it
    // (while it drew) are noted after it; its own result is what the first of them found, and
    // its own text changes are those they did not make.
    void change(const std::function<void()>& action, bool unitClick = false)
    {
        const std::size_t index = steps_.size();
        const int changesBefore = textChanges_;
        steps_.push_back({box(), {}, unitClick});
        action();
        Step& step = steps_[index];
        step.after = steps_.size() > index + 1 ? steps_[index + 1].before : box();
        step.textChanges = textChanges_ - changesBefore;
        for (std::size_t nested = index + 1; nested < steps_.size(); ++nested)
            step.textChanges -= steps_[nested].textChanges;
        if (step.textChanges > 1) changedTwice_ = true;
    }

    void placeCaret()
    {
        QLineEdit* box = window_.txtMeasure;
        const int length = box->text().size();
        if (below(4) == 0) {
            const int start = below(length + 1);
            box->setSelection(start, below(length - start + 1));
        } else {
            box->setCursorPosition(below(length + 1));
        }
    }

    void pressKey(const Key& key)
    {
        QTest::sendKeyEvent(QTest::Click, window_.txtMeasure, key.key, key.text, key.modifiers);
    }

    void typeKey()
    {
        const Key& key = keys()[below(static_cast<int>(keys().size()))];
        description_ += std::string("key ") + key.name + " '" + key.text.toStdString() + "'";
        change([&] {
            placeCaret();
            pressKey(key);
        });
    }

    void deleteSomething()
    {
        description_ += "delete";
        change([&] {
            placeCaret();
            const int way = below(6);
            if (way < 3)
                pressKey({Qt::Key_Backspace, {}, "\b", "Backspace"});
            else if (way < 5)
                pressKey({Qt::Key_Delete, {}, QString(QChar(127)), "Delete"});
            else
                window_.txtMeasure->clear();
        });
    }

    QString randomText()
    {
        static const char* pieces[] = {"1", "2", "7", "25.4", "0", ".", "/", " ", "1/2", "3 1/2",
                                       "91", "2311", "2312", "10922", "2147483648", "-5", "1e3",
                                       "abc", "\t", "\n", "€", "½", "0000000000000001",
                                       "99999999999999999999999999999999999999999"};
        QString text;
        for (int n = below(4); n >= 0; --n) text += QString::fromUtf8(pieces[below(std::size(pieces))]);
        return text;
    }

    // Pastes by Shift+Insert, whole or not at all, or by the box's own paste and insert, which
    // take what the key filter lets through.
    void paste()
    {
        const QString text = randomText();
        description_ += "paste '" + text.toStdString() + "'";
        change([&] {
            placeCaret();
            switch (below(3)) {
            case 0:
                QGuiApplication::clipboard()->setText(text);
                window_.txtMeasure->paste();
                break;
            case 1:
                QGuiApplication::clipboard()->setText(text);
                pressKey({Qt::Key_Insert, Qt::ShiftModifier, {}, "Shift+Insert"});
                break;
            default: window_.txtMeasure->insert(text); break;
            }
        });
    }

    void editMenuCommand()
    {
        QLineEdit* box = window_.txtMeasure;
        const std::pair<const char*, std::function<void()>> commands[] = {
            {"undo", [box] { box->undo(); }}, {"redo", [box] { box->redo(); }},
            {"cut", [box] { box->cut(); }},   {"copy", [box] { box->copy(); }},
            {"delete", [box] { box->del(); }}};
        const auto& command = commands[below(std::size(commands))];
        description_ += std::string("edit menu ") + command.first;
        change([&] {
            placeCaret();
            command.second();
        });
    }

    void clickUnit(int index)
    {
        description_ += "unit " + std::to_string(index);
        change([&] { clickOn(window_.optMeasureType[index]); }, true);
    }

    // Changes queued now arrive while the next drawing processes pending messages (or, when
    // that text is not drawn, right after it): typing, deleting, pasting, clicking a unit.
    void storm()
    {
        const int queued = 1 + below(4);
        description_ += "storm of " + std::to_string(queued) + ": ";
        std::vector<std::function<void()>> actions;
        for (int i = 0; i < queued; ++i) {
            switch (below(4)) {
            case 0: actions.push_back([this] { typeKey(); }); break;
            case 1: actions.push_back([this] { deleteSomething(); }); break;
            case 2: actions.push_back([this] { paste(); }); break;
            default: actions.push_back([this] { clickUnit(below(3)); }); break;
            }
        }
        for (auto& action : actions) {
            ++outstanding_;
            QTimer::singleShot(0, &window_, [this, action] {
                description_ += " / ";
                action();
                --outstanding_;
            });
        }
        // A short measurement over the whole text, mostly one that draws.
        const QString text = QString::number(1 + below(40));
        description_ += "text '" + text.toStdString() + "'";
        change([&] {
            window_.txtMeasure->selectAll();
            window_.txtMeasure->insert(text);
        });
    }

    void countOutcome()
    {
        if (window_.txtMeasure->text().isEmpty())
            ++empty_;
        else if (window_.lblTooLarge->isVisible())
            ++tooLarge_;
        else if (window_.BaseLength() == 0.0f)
            ++nothingToDraw_;
        else
            ++drawn_;
    }

    // Lets every queued change run; a change that never arrives is a hang.
    void settle()
    {
        for (int round = 0; round < 1000 && outstanding_ > 0; ++round)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (outstanding_ > 0) description_ += " (queued changes never ran)";
    }

    frmMain& window_;
    std::mt19937 random_;
    ExpectedWindow expected_;
    float twipsPerPixel_;
    std::vector<Step> steps_;
    std::string description_;
    int outstanding_ = 0;
    int textChanges_ = 0;
    bool changedTwice_ = false;
    int drawn_ = 0, nothingToDraw_ = 0, tooLarge_ = 0, empty_ = 0;
};

// Faults the soak found, kept as fixed sequences.
class SoakFindings : public testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        clickOn(window.optMeasureType[0]);
    }
    frmMain window;
};

// The X server sends Delete with the character 127; it must still delete, as it does without.
TEST_F(SoakFindings, DeleteDeletesWhateverCharacterTheKeyboardSends)
{
    for (const QString& sent : {QString(QChar(127)), QString()}) {
        window.txtMeasure->setText("123");
        window.txtMeasure->setCursorPosition(0);
        QTest::sendKeyEvent(QTest::Click, window.txtMeasure, Qt::Key_Delete, sent, Qt::NoModifier);
        EXPECT_EQ(window.txtMeasure->text().toStdString(), "23")
            << "with " << sent.size() << " characters";
    }
}

TEST(Soak, WindowAlwaysAgreesWithItsTextAndKeepsItsMemory)
{
    // A fixed seed, so that a failure replays; TAVREL_SOAK_SEED tries others.
    const unsigned seed = static_cast<unsigned>(environmentNumber("TAVREL_SOAK_SEED", 20261207));
    const int actions = environmentNumber("TAVREL_SOAK_ACTIONS", 5000);
    const float resolutions[] = {15.0f, 12.0f, 10.0f, 7.5f, 20.0f};
    const float twipsPerPixel = resolutions[seed % std::size(resolutions)];
    std::cout << "soak: seed " << seed << ", " << actions << " actions at " << twipsPerPixel
              << " twips per pixel" << std::endl;

    platform::setTwipsPerPixelOverride(twipsPerPixel);
    {
        frmMain window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        Soak soak(window, seed, twipsPerPixel);

        // The first thousand actions warm up: fonts, glyph caches and the clipboard are made
        // on first use and kept.
        const int warmUp = 1000;
        long before = 0;
        for (int i = 0; i < warmUp + actions; ++i) {
            if (i == warmUp) before = residentKiB();
            const std::string action = soak.act();
            ASSERT_EQ(soak.disagreement(), "")
                << "seed " << seed << ", action " << i << ": " << action << ", text '"
                << window.txtMeasure->text().toStdString() << "'";
        }
        const long after = residentKiB();
        std::cout << "soak: resident memory " << before << " KiB before, " << after
                  << " KiB after " << actions << " actions" << std::endl;
        std::cout << "soak: " << soak.summary() << std::endl;
#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer holds freed memory back on purpose
        EXPECT_LT(after - before, 8 * 1024) << "seed " << seed;
#endif
    }
    platform::setTwipsPerPixelOverride(std::nullopt);
}

}  // namespace
