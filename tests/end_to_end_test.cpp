// The real program on a real X server, driven with real X input: a person clicks
// "Inches (Fractions)", types 2 1/2, and sees the pattern drawn and the window sized to it; and
// whatever a person does with the box's edit menu, the mouse, compose keys, pastes and commands
// that arrive while a drawing processes pending messages, the program lives on and ends as the
// box says; the pattern saved from the Pattern menu lands in the file named in Qt's own file
// dialog; and a
// pattern larger than the page goes to the real spooler whole, in tiles, once the person agrees;
// and a printer that prints 2 % small prints true once calibrated with its own sheet.
// scripts/test.sh starts the X server and names its display in TAVREL_E2E_DISPLAY.

#include "page_raster.h"
#include "pattern/drawing.h"
#include "picture/pattern_image.h"
#include "projection/table_mapping.h"
#include "simulated_projector.h"
#include "spooler.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

enum Unit { Decimal = 0, Fractions = 1, Millimeter = 2 };

struct Geometry {
    int width = 0, height = 0;
    bool operator==(const Geometry&) const = default;
};

// The outer size of the window once `text` is drawn, in pixels at 15 twips per pixel.
Geometry windowFor(const char* text, int unit)
{
    const auto drawing = tavrel::pattern::prepareDrawing(text, *tavrel::measure::unitAt(unit), {15, 15});
    if (!drawing.plan) return {};
    return {drawing.plan->windowWidth / 15, drawing.plan->windowHeight / 15};
}

// The picture of a plan as the window draws it.
QImage pictureOf(const tavrel::pattern::PatternPlan& plan)
{
    const auto expected = tavrel::picture::patternImage(plan);
    QImage picture(expected.size, QImage::Format_RGB32);
    QPainter painter(&picture);
    tavrel::picture::replay(expected, painter, QRectF(QPointF(0, 0), expected.size),
                            tavrel::picture::LineWidth::OneDevicePixel);
    return picture;
}

struct Differences {
    int inked = 0, differing = 0;
};

// The inked pixels of `part` of the picture against the screen's, with the part's corner at
// `onScreen`; a part reaching beyond the screen differs wherever it is inked.
Differences compare(const QImage& picture, const QRect& part, const QImage& screen, QPoint onScreen)
{
    Differences d;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            const QPoint there = onScreen + QPoint(x, y);
            const bool want = qGray(picture.pixel(part.topLeft() + QPoint(x, y))) < 128;
            const bool got = screen.valid(there) && qGray(screen.pixel(there)) < 128;
            d.inked += want;
            d.differing += want != got;
        }
    return d;
}

class EndToEnd : public testing::Test {
public:
    void SetUp() override { startProgram(); }

    void startProgram()
    {
        display = qEnvironmentVariable(displayVariable);
        ASSERT_FALSE(display.isEmpty())
            << displayVariable << " names no X server; run the tests through scripts/test.sh";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.remove("QT_QPA_PLATFORMTHEME");  // Qt's own file dialog, not a desktop's
        environment.insert("XDG_CONFIG_HOME", settings.path());
        for (const auto& [name, value] : localeVariables)
            value.isEmpty() ? environment.remove(name) : environment.insert(name, value);
        rememberSaveFolder(saves.path());
        program.setProcessEnvironment(environment);
        program.start(TAVREL_PROGRAM, arguments);
        ASSERT_TRUE(program.waitForStarted());
        window = run("xdotool", {"search", "--sync", "--onlyvisible", "--pid", pid()})
                     .section('\n', 0, 0);
        ASSERT_FALSE(window.isEmpty()) << "the program's window never appeared";
        // No window manager runs, so the window has no frame: its height is the menu bar's
        // plus the client area's 96 pixels.
        menuBar = geometry().height - 96;
        ASSERT_GT(menuBar, 10);
    }

    void TearDown() override
    {
        program.terminate();
        if (!program.waitForFinished(5000)) program.kill();
        if (!keymap.isEmpty()) run("setxkbmap", keymap);
    }

    // Gives the X server's keyboard these setxkbmap `options` until the test ends. xdotool types
    // a key the keymap lacks by mapping it for a moment only: a busy program that reads the
    // keymap after that moment takes it for another key.
    void useKeymap(const QStringList& options)
    {
        QMap<QString, QString> found;
        for (const QString& line : run("setxkbmap", {"-query"}).split('\n'))
            found[line.section(':', 0, 0)] = line.section(':', 1).trimmed();
        keymap = QStringList{"-rules", found["rules"], "-model",  found["model"], "-layout",
                             found["layout"], "-variant", found["variant"], "-option", ""};
        if (!found["options"].isEmpty()) keymap << "-option" << found["options"];
        run("setxkbmap", options);
    }

    // As the program keeps it: its file dialogs then open in `folder`.
    void rememberSaveFolder(const QString& folder)
    {
        QDir(settings.path()).mkpath("Tavrel");
        QFile file(settings.filePath("Tavrel/Tavrel.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[save]\nfolder=" + folder.toUtf8() + "\n");
    }

    QString pid() const { return QString::number(program.processId()); }

    // The tool's output; `exitCode` receives its exit code, else any but 0 fails the test.
    QString run(const QString& tool, const QStringList& arguments, int* exitCode = nullptr)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        process.setProcessEnvironment(environment);
        process.start(tool, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
        if (exitCode)
            *exitCode = process.exitCode();
        else
            EXPECT_EQ(process.exitCode(), 0) << tool.toStdString() << ": "
                                             << process.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }

    Geometry geometry()
    {
        Geometry g;
        int status = 0;
        const QString shell = run("xdotool", {"getwindowgeometry", "--shell", window}, &status);
        for (const QString& line : shell.split('\n')) {
            if (line.startsWith("WIDTH=")) g.width = line.mid(6).toInt();
            if (line.startsWith("HEIGHT=")) g.height = line.mid(7).toInt();
        }
        return g;
    }

    // Polls while the program runs and the test has not given up.
    bool waitUntil(const std::function<bool()>& condition,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline && !HasFatalFailure()) {
            program.waitForFinished(0);  // notes an end
            if (program.state() != QProcess::Running) return false;
            if (condition()) return true;
            QThread::msleep(50);
        }
        return false;
    }

    bool waitForSize(Geometry wanted)
    {
        return waitUntil([&] { return geometry() == wanted; });
    }

    // The program's windows on screen: the main window, open menus, dialogs.
    int windowsShown()
    {
        int status = 0;
        const QString found =
            run("xdotool", {"search", "--onlyvisible", "--pid", pid()}, &status);
        return status == 0 ? static_cast<int>(found.split('\n').size()) : 0;
    }

    // Client-area pixels of the main window, as its controls are laid out.
    QStringList at(int x, int y) const
    {
        return {"mousemove", "--window", window, QString::number(x), QString::number(menuBar + y)};
    }
    void xdotool(const QStringList& arguments) { run("xdotool", arguments); }
    // xdotool gives up when a window it looks through (a menu the program closes) goes away
    // meanwhile: these ask it again until what they wait for is there.

    // The program's first visible window whose name matches `name`, once it shows; empty when
    // none showed.
    QString shownWindow(const QString& name)
    {
        QString found;
        waitUntil([&] {
            int status = 0;
            found = run("xdotool",
                        {"search", "--all", "--onlyvisible", "--pid", pid(), "--name", name},
                        &status);
            return status == 0 && !found.isEmpty();
        });
        return found.section('\n', 0, 0);
    }
    // Gives `target` the keyboard focus.
    bool focus(const QString& target)
    {
        return waitUntil([&] {
            int status = 0;
            run("xdotool", {"windowfocus", "--sync", target}, &status);
            return status == 0;
        });
    }
    void click(int x, int y, int button = 1)
    {
        xdotool(at(x, y) << "click" << QString::number(button));
    }
    void keys(const QStringList& names) { xdotool(QStringList{"key", "--delay", "30"} + names); }
    void type(const QString& text) { xdotool({"type", "--delay", "30", text}); }

    void chooseUnit(int unit)
    {
        xdotool(at(200, 40) << "windowfocus" << "--sync" << window);
        click(60, 8 + 24 * unit + 12);
    }

    // The box's edit menu by a right click on the box, and one of its commands by its keys.
    // A right click just after a menu has closed may still go to that menu: click again.
    void openEditMenu()
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            click(204, 61, 3);
            if (waitUntil([&] { return windowsShown() == 2; }, std::chrono::seconds(1))) return;
        }
        FAIL() << "no edit menu appeared";
    }
    void editMenu(const QStringList& commandKeys)
    {
        openEditMenu();
        keys(commandKeys);
        ASSERT_TRUE(waitUntil([&] { return windowsShown() == 1; })) << "the edit menu stayed";
        QThread::msleep(200);  // lets the menu fade out, so that the next right click opens one
    }

    // The input reaches the program all at once: it is sent while the program is stopped, so
    // whatever follows a change arrives while the drawing of that change processes pending
    // messages.
    void allAtOnce(const std::function<void()>& input)
    {
        ::kill(program.processId(), SIGSTOP);
        input();
        ::kill(program.processId(), SIGCONT);
    }

    // File > Exit with the keyboard; the program ends normally, having crashed nowhere.
    void expectCleanExit()
    {
        ASSERT_EQ(program.state(), QProcess::Running) << "the program ended early";
        xdotool(at(200, 40) << "windowfocus" << "--sync" << window);
        keys({"alt+f", "x"});
        EXPECT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    }

    QImage screenshot()
    {
        QTemporaryDir folder;
        const QString shot = folder.filePath("window.png");
        run("import", {"-window", window, shot});
        return QImage(shot).convertToFormat(QImage::Format_RGB32);
    }

    const char* displayVariable = "TAVREL_E2E_DISPLAY";
    // The system's locale the program runs in, besides the tests' own: an empty value unsets
    // the variable.
    std::vector<std::pair<QString, QString>> localeVariables;
    QStringList arguments;
    QString display;
    QTemporaryDir settings;  // the program's own, never the user's
    QTemporaryDir saves;     // where its file dialogs open
    QProcess program;
    QString window;
    int menuBar = 0;
    QStringList keymap;  // setxkbmap's arguments for the keymap the test found, once it changed it
};

TEST_F(EndToEnd, TypedFractionIsDrawnAndTheWindowFitsIt)
{
    // "Inches (Fractions)" sits at (40, 32) in the client area, 25 pixels high.
    click(60, 32 + 12);
    QThread::msleep(300);
    type("2 1/2");

    // 9615 x 14400 twips at 15 twips per pixel.
    ASSERT_TRUE(waitForSize({641, 960})) << "window stayed " << geometry().width << " x "
                                         << geometry().height;
    QThread::msleep(300);

    const QImage screen = screenshot();
    ASSERT_FALSE(screen.isNull());
    const auto drawing =
        tavrel::pattern::prepareDrawing("2 1/2", *tavrel::measure::unitAt(1), {15, 15});
    ASSERT_TRUE(drawing.plan);

    // The figure above the scale label, where the picture shows as it is.
    const QRect figure(0, 0, drawing.plan->pictureWidth, drawing.plan->labelTop);
    const QPoint onScreen(drawing.plan->pictureLeft, menuBar + drawing.plan->pictureTop);
    const Differences found = compare(pictureOf(*drawing.plan), figure, screen, onScreen);
    EXPECT_GT(found.inked, 1000);
    EXPECT_EQ(found.differing, 0) << "of " << found.inked << " inked pixels";
}

// On a laptop's screen the window of a 6-inch pattern is kept to the screen, and the wheel
// scrolls the picture down until its check ruler shows whole, as drawn.
class OnALaptopScreen : public EndToEnd {
public:
    OnALaptopScreen() { displayVariable = "TAVREL_E2E_LAPTOP_DISPLAY"; }
};

TEST_F(OnALaptopScreen, TheWheelScrollsALargePatternDownToItsRuler)
{
    chooseUnit(Decimal);
    type("6");
    ASSERT_TRUE(waitForSize({1366, 768}))
        << "window is " << geometry().width << " x " << geometry().height;
    const auto drawing =
        tavrel::pattern::prepareDrawing("6", *tavrel::measure::unitAt(0), {15, 15});
    ASSERT_TRUE(drawing.plan);
    ASSERT_GT(drawing.plan->windowHeight / 15, 768 * 2);
    QRect ruler;
    for (const auto& tick : drawing.plan->ruler)
        ruler |= QRect(QPoint(int(tick.x1), int(tick.y1)), QPoint(int(tick.x2), int(tick.y2)))
                     .normalized();
    ruler.adjust(-2, -2, 3, 3);

    xdotool(at(400, 400) << "click"
                         << "--repeat"
                         << "80"
                         << "--delay"
                         << "10"
                         << "5");
    QThread::msleep(500);
    const QImage screen = screenshot();
    ASSERT_FALSE(screen.isNull());
    const QImage picture = pictureOf(*drawing.plan);
    // The picture's left edge stays where it is; its ruler shows somewhere on the screen.
    bool shown = false;
    for (int top = 0; !shown && top + ruler.height() <= screen.height(); ++top) {
        const QPoint at(drawing.plan->pictureLeft + ruler.left(), top);
        const Differences d = compare(picture, ruler, screen, at);
        shown = d.inked > 100 && d.differing == 0;
    }
    EXPECT_TRUE(shown) << "the ruler never came into view";
}

// The edit menu's commands by their keys: access letters where they have one, else counted
// from the bottom of the menu.
const QStringList kUndo{"u"}, kRedo{"r"}, kCut{"t"}, kCopy{"c"}, kPaste{"p"},
    kSelectAll{"Up", "Return"}, kDeleteAboveSelectAll{"Up", "Up", "Return"};

// What a person does after choosing the unit and typing; the window then fits the drawing of
// `drawn` in `drawnUnit`.
struct Scenario {
    const char* name;
    int unit;
    const char* typed;
    std::function<void(EndToEnd&)> act;
    const char* drawn;
    int drawnUnit;
    friend void PrintTo(const Scenario& s, std::ostream* out) { *out << s.name; }
};

class PersonAtTheBox : public EndToEnd, public testing::WithParamInterface<Scenario> {};

TEST_P(PersonAtTheBox, ProgramLivesOnAndEndsAsTheBoxSays)
{
    const Scenario& s = GetParam();
    chooseUnit(s.unit);
    if (*s.typed) type(s.typed);
    s.act(*this);
    ASSERT_TRUE(waitForSize(windowFor(s.drawn, s.drawnUnit)))
        << "window " << geometry().width << " x " << geometry().height << ", the program "
        << (program.state() == QProcess::Running ? "runs" : "has ended");
    expectCleanExit();
}

// Waits for the About box, checks that the main window had already been fitted to `drawn`, and
// closes the box.
void expectAboutAfterDrawing(EndToEnd& e, Geometry drawn)
{
    const QString about = e.shownWindow("^About Tavrel Maker$");
    EXPECT_EQ(e.geometry(), drawn) << "the About box came before the drawing had finished";
    ASSERT_TRUE(e.focus(about));
    e.keys({"Escape"});
    ASSERT_TRUE(e.waitUntil([&] { return e.windowsShown() == 1; }));
    // The closed box gives the focus back to the main window in the program's own time: keys
    // sent before that go nowhere.
    ASSERT_TRUE(e.focus(e.window));
}

// The box's text starts at (184, 48) in the client area, 27 pixels high.
const Scenario kEditMenu[] = {
    {"Paste", Decimal, "2",
     [](EndToEnd& e) {
         e.editMenu(kSelectAll);
         e.editMenu(kCopy);
         e.type("1");
         e.editMenu(kSelectAll);
         e.editMenu(kPaste);
     },
     "2", Decimal},
    {"UndoAndRedo", Decimal, "1.5",
     [](EndToEnd& e) {
         e.keys({"BackSpace"});
         e.editMenu(kUndo);
         e.editMenu(kRedo);
     },
     "1.", Decimal},
    {"CutDeleteAndSelectAll", Decimal, "1.5",
     [](EndToEnd& e) {
         e.keys({"shift+Left"});
         e.editMenu(kCut);
         e.type("5");
         e.keys({"shift+Left"});
         e.editMenu(kDeleteAboveSelectAll);
         e.editMenu(kSelectAll);
     },
     "1.", Decimal},
};

INSTANTIATE_TEST_SUITE_P(EditMenu, PersonAtTheBox, testing::ValuesIn(kEditMenu),
                         [](const auto& info) { return std::string(info.param.name); });

const Scenario kMouseAndQueuedCommands[] = {
    // A double click selects the text for the X selection; the middle button pastes it.
    {"MiddleClickPastesTheSelection", Millimeter, "5",
     [](EndToEnd& e) {
         e.xdotool(e.at(188, 61) << "click" << "--repeat" << "2" << "1");
         e.keys({"End"});
         e.click(260, 61, 2);
     },
     "55", Millimeter},
    // Another Qt program's text dropped at the end of the box: copied, never moved, though the
    // program offers both, so it keeps its text.
    {"DroppingTextIntoTheBox", Millimeter, "5",
     [](EndToEnd& e) {
         QProcess source;
         source.setProcessEnvironment(e.program.processEnvironment());
         source.start(DRAG_SOURCE, {"2", "1000", "100"});
         ASSERT_TRUE(source.waitForStarted());
         e.run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "^Drag source$"});
         const auto dropped = [&] { return e.geometry() == windowFor("52", Millimeter); };
         // Two programs hand the drag over through the X server; a loaded machine (or the
         // sanitizers) can miss a gesture made at full speed, so it is paced and tried again.
         for (int attempt = 0; attempt < 3 && !dropped(); ++attempt) {
             e.xdotool({"mousemove", "1060", "130", "mousedown", "1", "sleep", "0.2"});
             for (int x = 1000; x >= 300; x -= 100)
                 e.xdotool({"mousemove", QString::number(x), "130", "sleep", "0.05"});
             e.xdotool(e.at(280, 61) << "sleep" << "0.5" << "mouseup" << "1");
             e.waitUntil(dropped, std::chrono::seconds(5));
         }
         ASSERT_TRUE(dropped());
         ASSERT_TRUE(source.canReadLine() || source.waitForReadyRead(5000));
         QStringList ends;
         while (source.canReadLine()) ends << QString(source.readLine()).trimmed();
         EXPECT_EQ(ends.last(), "copy") << ends.join(", ").toStdString();
         source.kill();
         source.waitForFinished();
     },
     "52", Millimeter},
    // Commands that arrive while a drawing processes pending messages: the About box and help
    // wait until it has finished; a unit click empties the box but that drawing finishes with
    // its own measurement.
    {"CommandsQueuedIntoADrawing", Millimeter, "5",
     [](EndToEnd& e) {
         e.allAtOnce([&] { e.keys({"0", "alt+h", "a"}); });
         expectAboutAfterDrawing(e, windowFor("50", Millimeter));
         e.allAtOnce([&] {
             e.keys({"BackSpace"});
             e.click(60, 8 + 24 * Decimal + 12);
         });
         ASSERT_TRUE(e.waitForSize(windowFor("5", Millimeter)));
         e.type("1");
         e.allAtOnce([&] { e.keys({"period", "F1"}); });
         ASSERT_TRUE(e.waitUntil([&] { return e.windowsShown() == 2; })) << "F1 showed nothing";
     },
     "1.", Decimal},
};

INSTANTIATE_TEST_SUITE_P(MouseAndCommands, PersonAtTheBox,
                         testing::ValuesIn(kMouseAndQueuedCommands),
                         [](const auto& info) { return std::string(info.param.name); });

// `text` held in the X selection `selection` ("clipboard" or "primary") by another program
// while `use` runs.
void whileOffered(EndToEnd& e, const char* selection, const char* text,
                  const std::function<void()>& use)
{
    QProcess xclip;
    xclip.setProcessEnvironment(e.program.processEnvironment());
    xclip.setProcessChannelMode(QProcess::MergedChannels);
    xclip.start("xclip", {"-quiet", "-selection", selection});
    ASSERT_TRUE(xclip.waitForStarted());
    xclip.write(text);
    xclip.closeWriteChannel();
    ASSERT_TRUE(xclip.waitForReadyRead(5000)) << "xclip never took the selection";
    use();
    xclip.kill();
    xclip.waitForFinished();
}

// Text that comes by another way than a typed key passes the key filter: compose and dead keys
// type characters the filter refuses; a paste enters whole or not at all, so one with a
// character the filter refuses (a comma, where the system writes decimals with a point) enters
// nothing, and the next paste enters alone.
const Scenario kTextAsTyped[] = {
    {"ComposedAndDeadKeyCharactersAreRefused", Millimeter, "5",
     [](EndToEnd& e) {
         e.useKeymap({"-variant", "intl", "-option", "compose:menu"});
         e.keys({"Multi_key", "1", "2", "dead_acute", "e", "Multi_key", "period", "minus"});
         e.type("0");
     },
     "50", Millimeter},
    {"ShiftInsertPastesWholeOrNothing", Millimeter, "",
     [](EndToEnd& e) {
         whileOffered(e, "clipboard", "2,5", [&] { e.keys({"shift+Insert"}); });
         whileOffered(e, "clipboard", "3", [&] {
             e.keys({"shift+Insert"});
             ASSERT_TRUE(e.waitForSize(windowFor("3", Millimeter)));
         });
     },
     "3", Millimeter},
    {"MiddleClickPastesTheSelectionWholeOrNothing", Millimeter, "1",
     [](EndToEnd& e) {
         whileOffered(e, "primary", "-2 mm", [&] { e.click(260, 61, 2); });
         whileOffered(e, "primary", "2", [&] {
             e.click(260, 61, 2);
             ASSERT_TRUE(e.waitForSize(windowFor("12", Millimeter)));
         });
     },
     "12", Millimeter},
};

INSTANTIATE_TEST_SUITE_P(TextAsTyped, PersonAtTheBox, testing::ValuesIn(kTextAsTyped),
                         [](const auto& info) { return std::string(info.param.name); });

// The comma key types the point where the system's locale writes decimals with a comma, whatever
// the language of the texts: a German system with English texts types "0,2" as 0.2, an American
// one with German texts as 02.
struct CommaCase {
    const char* name;
    std::vector<std::pair<QString, QString>> localeVariables;
    QStringList arguments;
    const char* drawn;
    friend void PrintTo(const CommaCase& c, std::ostream* out) { *out << c.name; }
};

class CommaKey : public EndToEnd, public testing::WithParamInterface<CommaCase> {
public:
    void SetUp() override
    {
        localeVariables = GetParam().localeVariables;
        arguments = GetParam().arguments;
        startProgram();
    }
};

TEST_P(CommaKey, TypesThePointWhereTheSystemWritesDecimalsWithAComma)
{
    chooseUnit(Decimal);
    type("0,2");
    ASSERT_TRUE(waitForSize(windowFor(GetParam().drawn, Decimal)))
        << "window " << geometry().width << " x " << geometry().height;
}

const CommaCase kCommaCases[] = {
    {"GermanSystemEnglishTexts", {{"LC_ALL", "de_DE.UTF-8"}}, {"--lang", "en"}, "0.2"},
    {"GermanNumbersOnly",
     {{"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}},
     {},
     "0.2"},
    {"AmericanSystemGermanTexts", {{"LC_ALL", "en_US.UTF-8"}}, {"--lang", "de"}, "02"},
};

INSTANTIATE_TEST_SUITE_P(Systems, CommaKey, testing::ValuesIn(kCommaCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Pattern > Save as ..., the file's name typed into the dialog over the name it suggests, in the
// folder saved into last time; the dialog adds the format's extension.
struct SaveCase {
    const char* name;
    const char* accessKey;
    const char* dialogTitle;
    const char* extension;
    const char* header;
};

class SavingFromTheMenu : public EndToEnd, public testing::WithParamInterface<SaveCase> {};

TEST_P(SavingFromTheMenu, WritesTheFileNamedInTheDialog)
{
    const SaveCase& c = GetParam();
    chooseUnit(Decimal);
    type("2");
    ASSERT_TRUE(waitForSize(windowFor("2", Decimal)));
    keys({"alt+p", c.accessKey});
    const QString dialog = shownWindow(QString("^%1$").arg(c.dialogTitle));
    xdotool({"windowfocus", "--sync", dialog});
    keys({"ctrl+a"});
    type("from the menu");
    keys({"Return"});

    QFile written(saves.filePath(QString("from the menu") + c.extension));
    ASSERT_TRUE(waitUntil([&] { return written.exists() && windowsShown() == 1; }))
        << written.fileName().toStdString() << " never came";
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(16).startsWith(c.header));
    expectCleanExit();
}

const SaveCase kSaves[] = {
    {"Pdf", "p", "Save as PDF", ".pdf", "%PDF-"},
    {"Svg", "s", "Save as SVG", ".svg", "<?xml"},
    {"Png", "n", "Save as PNG", ".png", "\x89PNG"},
    {"Dxf", "d", "Save as DXF", ".dxf", "999\ndxflib"},
};

INSTANTIATE_TEST_SUITE_P(Formats, SavingFromTheMenu, testing::ValuesIn(kSaves),
                         [](const auto& info) { return std::string(info.param.name); });

// File > Exit arriving while a drawing processes pending messages ends the program once the
// drawing has finished, normally.
TEST_F(EndToEnd, ExitQueuedIntoADrawingEndsTheProgramNormally)
{
    chooseUnit(Millimeter);
    type("5");
    allAtOnce([&] { keys({"0", "alt+f", "x"}); });
    EXPECT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

struct Paper {
    const char* name;  // the spooler's
    const char* word;  // the command line's
    friend void PrintTo(const Paper& p, std::ostream* out) { *out << p.name; }
};

// The program prints on a queue of the test's own, made from the default printer's with another
// default paper and, where given, a filter every page passes through.
class OnAQueueOfItsOwn : public EndToEnd {
public:
    void TearDown() override
    {
        EndToEnd::TearDown();
        qunsetenv("PRINTER");
    }

    void startPrintingOn(const QString& name, const char* paper, const char* filter = nullptr)
    {
        QString why;
        const auto printer = tavrel::test::defaultPrinter(why);
        ASSERT_TRUE(printer) << "no default printer: " << why.toStdString();
        ASSERT_TRUE(scratch.isValid());
        const QString ppd = tavrel::test::ppdWithPaper(*printer, scratch.filePath("queue.ppd"),
                                                       paper, {18, 18, 18, 18});
        if (filter) {
            QFile file(ppd);
            ASSERT_TRUE(file.open(QIODevice::Append));
            QTextStream(&file) << "*cupsFilter2: \"application/vnd.cups-pdf "
                                  "application/vnd.cups-postscript 0 "
                               << filter << "\"\n";
        }
        queue = std::make_unique<tavrel::test::TemporaryQueue>(name, ppd);
        ASSERT_TRUE(queue->ready());
        qputenv("PRINTER", queue->name().toLocal8Bit());
        startProgram();
    }

    QTemporaryDir scratch;
    std::unique_ptr<tavrel::test::TemporaryQueue> queue;
};

// Each office paper is the queue's default in turn.
class PrintingEndToEnd : public OnAQueueOfItsOwn, public testing::WithParamInterface<Paper> {
public:
    void SetUp() override
    {
        startPrintingOn(QString("TavrelTestE2E") + GetParam().name, GetParam().name);
    }

    // Types a measurement too large for the page and clicks Print Pattern; returns the question's
    // window.
    QString askToPrint(const char* inches)
    {
        chooseUnit(Decimal);
        type(inches);
        // The drawing is larger than the screen, to which the window grows.
        EXPECT_TRUE(waitUntil([&] { return geometry().height > 1000; }));
        click(368, 24);  // "Print Pattern"
        return shownWindow("^Print Pattern$");
    }

    // The pattern's PDF on the same paper, from the program's command line.
    QString exportPdf(const char* inches)
    {
        const QString path = scratch.filePath("export.pdf");
        QProcess exporter;
        exporter.start(TAVREL_PROGRAM, {"--unit", "decimal", "--measure", inches, "--export", path,
                                        "--paper", GetParam().word});
        EXPECT_TRUE(exporter.waitForFinished(60000));
        EXPECT_EQ(exporter.exitCode(), 0);
        return path;
    }
};

// The job holds the PDF's pages in its order. The PDF's foot lies half an inch in from the page's
// sides and its bottom, and is half an inch high: the check ruler in it measures true on every
// page of the job.
TEST_P(PrintingEndToEnd, ALargePatternPrintsAsThePdfsPagesOnceAgreed)
{
    const char* inches = "6.5";
    const QString exported = exportPdf(inches);
    const int before = tavrel::test::newestJobId();
    const QString question = askToPrint(inches);
    ASSERT_FALSE(question.isEmpty()) << "no question before the tiled print";
    const auto clicked = std::chrono::steady_clock::now();
    xdotool({"windowfocus", "--sync", question, "key", "Return"});
    const auto jobs = tavrel::test::waitForJobsAfter(before, queue->name(), 1);
    ASSERT_EQ(jobs.size(), 1u);
    ASSERT_TRUE(jobs[0].completed);
    std::printf("%s: question answered to job printed in %.2f s\n", GetParam().name,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - clicked).count());
    const QString printed = tavrel::test::printedFile(jobs[0].id);
    const int pages = tavrel::test::pageCount(exported);
    ASSERT_GT(pages, 2);
    ASSERT_EQ(tavrel::test::pageCount(printed), pages);
    const auto printedPages = tavrel::test::rasterizePages(printed, 40);
    const auto exportedPages = tavrel::test::rasterizePages(exported, 40);
    ASSERT_EQ(printedPages.size(), size_t(pages));
    for (int page = 1; page <= pages; ++page) {
        EXPECT_EQ(tavrel::test::likestPage(printedPages[page - 1], exportedPages), page)
            << "the map first, then the tiles in the PDF's order";
        const QSizeF size = tavrel::test::pageSizeTwips(exported, page);
        const QRectF foot(720, size.height() - 1440, size.width() - 1440, 720);
        const auto bar = tavrel::test::checkRulerLength(printed, page, foot, 1440);
        ASSERT_TRUE(bar) << "page " << page;
        EXPECT_NEAR(*bar, 1440, 0.005 * 1440) << "page " << page;
        std::printf("%s page %d of %d: check ruler %.1f twips\n", GetParam().name, page, pages,
                    *bar);
    }
    expectCleanExit();
}

TEST_P(PrintingEndToEnd, CancellingTheQuestionSendsNoJob)
{
    const int before = tavrel::test::newestJobId();
    const QString question = askToPrint("6.5");
    ASSERT_FALSE(question.isEmpty());
    xdotool({"windowfocus", "--sync", question, "key", "Escape"});
    ASSERT_TRUE(waitUntil([&] { return windowsShown() == 1; })) << "the question stayed";
    QThread::msleep(500);
    EXPECT_TRUE(tavrel::test::jobsAfter(before, queue->name()).empty());
    expectCleanExit();
}

INSTANTIATE_TEST_SUITE_P(OfficePapers, PrintingEndToEnd,
                         testing::Values(Paper{"Letter", "letter"}, Paper{"A4", "a4"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The part of a page that holds the picture starting near `origin` twips, drawn for M, with room
// for a printer that moves the page a little.
QRectF figureRegion(double origin, double M)
{
    return QRectF(origin - 400, origin - 400, 3 * M + 1200, 3.75 * M + 1200);
}

// The program prints on a queue of the test's own, Letter paper, whose filter shrinks every page
// by 2 % as a home printer may.
class CalibrationEndToEnd : public OnAQueueOfItsOwn {
public:
    void SetUp() override
    {
        startPrintingOn("TavrelTestTwoPercentSmall", "Letter", SHRINKING_FILTER);
    }

    // The one page the next job prints, or its `region`, rasterized.
    tavrel::test::PageRaster printedPage(int before, int dotsPerInch, const QRectF& region = {})
    {
        const auto jobs = tavrel::test::waitForJobsAfter(before, queue->name(), 1);
        EXPECT_EQ(jobs.size(), 1u);
        if (jobs.size() == 1) {
            EXPECT_TRUE(jobs[0].completed) << "job " << jobs[0].id;
        }
        if (jobs.size() != 1 || !jobs[0].completed) return {};
        const QString file = tavrel::test::printedFile(jobs[0].id);
        EXPECT_EQ(tavrel::test::pageCount(file), 1);
        return tavrel::test::rasterizePage(file, 1, dotsPerInch, region)
            .value_or(tavrel::test::PageRaster{});
    }
};

TEST_F(CalibrationEndToEnd, APrinterTwoPercentSmallPrintsTrueAfterOneCalibration)
{
    chooseUnit(Decimal);  // the dialog then measures in inches
    xdotool(at(200, 40) << "windowfocus"
                        << "--sync" << window);
    keys({"alt+p", "c"});
    const QString dialog = shownWindow("^Calibrate Printer$");
    ASSERT_FALSE(dialog.isEmpty());
    int before = tavrel::test::newestJobId();
    xdotool({"windowfocus", "--sync", dialog, "key", "alt+p"});
    const auto sheet = tavrel::test::calibrationBars(printedPage(before, 300));
    ASSERT_TRUE(sheet) << "the sheet's bars were not found";
    // Letter less its margins takes 7 inches each way.
    std::printf("sheet printed 2 %% small: across %.4f in, down %.4f in (printed as 7 in)\n",
                sheet->across / 1440, sheet->down / 1440);
    EXPECT_NEAR(sheet->across, 0.98 * 7 * 1440, 0.002 * 7 * 1440);
    EXPECT_NEAR(sheet->down, 0.98 * 7 * 1440, 0.002 * 7 * 1440);

    xdotool({"windowfocus", "--sync", dialog, "key", "alt+a"});
    type(QString::number(sheet->across / 1440, 'f', 3));
    keys({"alt+d"});
    type(QString::number(sheet->down / 1440, 'f', 3));
    keys({"Return"});  // stores the correction
    ASSERT_TRUE(waitUntil([&] {
        QFile stored(settings.filePath("Tavrel/Tavrel.conf"));
        return stored.open(QIODevice::ReadOnly) && stored.readAll().contains("PrinterCorrection");
    })) << "no correction was stored";
    keys({"Escape"});
    ASSERT_TRUE(waitUntil([&] { return windowsShown() == 1; })) << "the dialog stayed";

    // 3 inches give M = 0.75 x 288 pixels, which print 15 twips each.
    const double M = 0.75 * 288 * 15;
    const double placement = 360 + 250;  // the printable area's corner, then the pattern's
    xdotool(at(200, 40) << "windowfocus"
                        << "--sync" << window);
    click(204, 61);
    type("3");
    before = tavrel::test::newestJobId();
    click(368, 24);  // "Print Pattern"
    const QSizeF printed =
        tavrel::test::inkExtent(printedPage(before, 600, figureRegion(placement, M)));

    const QString exported = scratch.filePath("true.pdf");
    QProcess exporter;
    exporter.start(TAVREL_PROGRAM, {"--unit", "decimal", "--measure", "3", "--export", exported,
                                    "--paper", "letter"});
    ASSERT_TRUE(exporter.waitForFinished(60000));
    const auto truePage = tavrel::test::rasterizePage(exported, 1, 600, figureRegion(720 + 250, M));
    ASSERT_TRUE(truePage);
    const QSizeF wanted = tavrel::test::inkExtent(*truePage);
    ASSERT_GT(wanted.width(), 2.5 * M);
    ASSERT_GT(wanted.height(), 3 * M);
    std::printf(
        "figure after calibration: %.1f x %.1f twips, true %.1f x %.1f (%.3f %%, %.3f %%)\n",
        printed.width(), printed.height(), wanted.width(), wanted.height(),
        100 * (printed.width() / wanted.width() - 1),
        100 * (printed.height() / wanted.height() - 1));
    EXPECT_NEAR(printed.width(), wanted.width(), 0.002 * wanted.width());
    EXPECT_NEAR(printed.height(), wanted.height(), 0.002 * wanted.height());
    expectCleanExit();
}

// The projector calibrated by its corners on the real screen, at both screen sizes: the handles
// dragged with the real mouse to where a leaning projector shows a 24 x 18 inch mat, the size
// typed, and the calibrated rectangle with its diagonals then drawn where the mat's edges are.
class CornersOnTheScreen : public EndToEnd, public testing::WithParamInterface<const char*> {
public:
    CornersOnTheScreen() { displayVariable = GetParam(); }
};

TEST_P(CornersOnTheScreen, TheMatsRectangleShowsWhereTheMatIs)
{
    using tavrel::projection::Point;
    chooseUnit(Decimal);
    type("2");
    keys({"alt+p", "j"});
    const QString dialog = shownWindow("^Projector$");
    ASSERT_FALSE(dialog.isEmpty()) << "no projector window";
    ASSERT_TRUE(focus(dialog));
    keys({"alt+o"});  // Calibrate Corners
    const QString view = shownWindow("^Corner Calibration$");
    ASSERT_FALSE(view.isEmpty()) << "no corner calibration";
    const QStringList screen = run("xdotool", {"getdisplaygeometry"}).split(' ');
    const int width = screen[0].toInt(), height = screen[1].toInt();
    ASSERT_TRUE(waitUntil([&] {
        const QString shell = run("xdotool", {"getwindowgeometry", "--shell", view});
        return shell.contains(QString("WIDTH=%1").arg(width));
    })) << "the calibration never filled the screen";

    // The mat at a third of the screen's height per 18 inches, leaning, off the middle.
    const tavrel::test::SimulatedProjector leaning(0, height * 0.6 / 18, {width * 0.2, height * 0.15},
                                                   {width / 2.0, height / 2.0});
    const Point mat[] = {{0, 0}, {24, 0}, {24, 18}, {0, 18}};
    const auto start = tavrel::projection::startingCorners(width, height, 24, 18);
    tavrel::projection::CornerCalibration placed{24, 18, {}};
    for (int i = 0; i < 4; ++i) {
        placed.corners[i] = leaning.handle(mat[i]);
        const auto number = [](double v) { return QString::number(std::lround(v)); };
        xdotool({"mousemove", "--window", view, number(start.corners[i].x), number(start.corners[i].y),
                 "mousedown", "1", "mousemove", "--window", view, number(placed.corners[i].x),
                 number(placed.corners[i].y), "mouseup", "1"});
    }
    type("24 x 18 in");
    keys({"Return"});
    ASSERT_TRUE(focus(dialog));
    keys({"alt+b", "End", "alt+s"});
    const QString shown = shownWindow("^Projector View$");
    ASSERT_FALSE(shown.isEmpty()) << "the pattern never showed";
    QThread::msleep(500);
    QTemporaryDir folder;
    run("import", {"-window", shown, folder.filePath("view.png")});
    const QImage image = QImage(folder.filePath("view.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(width, height));

    const auto mapping = tavrel::projection::TableMapping::fromCorners(placed);
    ASSERT_TRUE(mapping);
    // Points along the rectangle's edges and diagonals, each lit within a pixel.
    int missed = 0, checked = 0;
    for (double t = 0.05; t < 1; t += 0.05)
        for (const Point& p : {Point{24 * t, 0}, Point{24, 18 * t}, Point{24 * t, 18},
                               Point{0, 18 * t}, Point{24 * t, 18 * t}, Point{24 * t, 18 - 18 * t}}) {
            const Point at = mapping->toScreen(p);
            bool lit = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    lit |= qGray(image.pixel(std::lround(at.x) + dx, std::lround(at.y) + dy)) > 40;
            ++checked;
            missed += !lit;
        }
    EXPECT_EQ(missed, 0) << "of " << checked;
}

INSTANTIATE_TEST_SUITE_P(BothScreens, CornersOnTheScreen,
                         testing::Values("TAVREL_E2E_DISPLAY", "TAVREL_E2E_LAPTOP_DISPLAY"));

}  // namespace
