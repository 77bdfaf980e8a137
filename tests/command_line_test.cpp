// The real program run as a user runs it from a shell, with no display at all: exit codes,
// messages, and what happens to the file named by --export.

#include "export/paper.h"
#include "languages.h"
#include "locales.h"
#include "page_raster.h"
#include "pattern/drawing.h"
#include "ts_entries.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <elf.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace exporting = tavrel::exporting;

namespace {

struct Outcome {
    int exitCode = -1;
    QString out, err;
};

// The tests' environment without a display: the program must not need one.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    return environment;
}

// Starts `program` with `arguments`; a shell `script` that ends in exec "$0" "$@" prepares its
// run first. `rawName` is given to the script as TAVREL_RAW_NAME.
void start(QProcess& process, const QStringList& arguments, const QString& script = {},
           const QString& rawName = {}, const QString& program = TAVREL_PROGRAM)
{
    QProcessEnvironment environment = withoutDisplay();
    environment.insert("TAVREL_RAW_NAME", rawName);
    process.setProcessEnvironment(environment);
    if (script.isEmpty())
        process.start(program, arguments);
    else
        process.start("sh", QStringList{"-c", script, program} + arguments);
}

// A run that ends by a signal, as Qt's abort without a display, has no exit code: -1.
Outcome finish(QProcess& process)
{
    if (!process.waitForFinished(120000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The program as a user whose system speaks `locale` starts it, instead of in the tests' C
// locale.
Outcome runInLocale(const char* locale, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = withoutDisplay();
    for (const QString& name : environment.keys())
        if (name.startsWith("LC_")) environment.remove(name);
    environment.insert("LANG", locale);
    environment.insert("LOCPATH", TAVREL_LOCALE_FOLDER);
    process.setProcessEnvironment(environment);
    process.start(TAVREL_PROGRAM, arguments);
    return finish(process);
}

// With a file size limit, the program runs under `ulimit -f`, in 512-byte blocks.
Outcome run(const QStringList& arguments, std::optional<int> fileSizeLimitBlocks = std::nullopt,
            const QString& program = TAVREL_PROGRAM)
{
    QProcess process;
    start(process, arguments,
          fileSizeLimitBlocks
              ? QString("ulimit -f %1 && exec \"$0\" \"$@\"").arg(*fileSizeLimitBlocks)
              : QString(),
          {}, program);
    return finish(process);
}

// The last argument is a file name in printf's escapes, for bytes that are no UTF-8.
Outcome runEndingInRawName(const QStringList& arguments, const QString& escapedName)
{
    QProcess process;
    start(process, arguments, R"sh(exec "$0" "$@" "$(printf "$TAVREL_RAW_NAME")")sh", escapedName);
    return finish(process);
}

QByteArray bytesOf(const QString& path) { return QFile::encodeName(path); }

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Hidden ones included: a temporary file left behind may be hidden.
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
}

const QByteArray kEarlier = "an earlier pattern the user keeps";

// "@" stands for the target file of the case inside a fresh folder.
struct Case {
    std::vector<const char*> arguments;
    int exitCode;
    const char* message;  // expected in stderr, or in stdout when the run succeeds
    bool writes;
};

void PrintTo(const Case& c, std::ostream* out)
{
    for (const char* argument : c.arguments) *out << "'" << argument << "' ";
}

class CommandLine : public testing::TestWithParam<Case> {};

TEST_P(CommandLine, ExitsAndWritesAsAUserExpects)
{
    const Case& c = GetParam();
    QTemporaryDir folder;
    QString target = folder.filePath("pattern.png");
    for (const char* argument : c.arguments)
        for (const char* format : {"svg", "pdf", "dxf"})
            if (QString(argument).endsWith(QString("@") + format))
                target = folder.filePath(QString("pattern.") + format);
    // An earlier file in the target's place must survive every failure whole.
    writeFile(target, kEarlier);

    QStringList arguments;
    for (const char* argument : c.arguments)
        arguments << QString(argument).replace(QRegularExpression("@(png|svg|pdf|dxf)$"), target);
    const Outcome outcome = run(arguments);

    EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.err.toStdString();
    if (c.exitCode == 0) {
        EXPECT_TRUE(outcome.out.contains(c.message)) << outcome.out.toStdString();
        EXPECT_EQ(outcome.err, "");
    } else {
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
        EXPECT_EQ(outcome.err.count('\n'), 1) << "one line: " << outcome.err.toStdString();
        EXPECT_EQ(outcome.out, "");
    }
    if (c.writes)
        EXPECT_NE(contentOf(target), kEarlier);
    else
        EXPECT_EQ(contentOf(target), kEarlier);
    // Nothing else is left behind: no temporary file, finished or not.
    EXPECT_EQ(filesIn(folder.path()), QStringList{QFileInfo(target).fileName()});
}

INSTANTIATE_TEST_SUITE_P(
    Help, CommandLine,
    testing::Values(Case{{"--help"}, 0, "Usage: tavrel", false},
                    Case{{"-h"}, 0, "--export FILE", false},
                    Case{{"--unit", "decimal", "--help"}, 0, "Usage: tavrel", false},
                    Case{{"--version"}, 0, "tavrel 1.0.0", false},
                    Case{{"-v"}, 0, "tavrel 1.0.0", false}));

INSTANTIATE_TEST_SUITE_P(
    Exports, CommandLine,
    testing::Values(
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@png"}, 0, "", true},
        Case{{"--unit=fractions", "--measure=2 1/2", "--export=@svg", "--dpi=120"}, 0, "", true},
        Case{{"--export", "@png", "--dpi", "24", "--measure", "25.4", "--unit", "millimeter"}, 0,
             "", true},
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@svg", "--dpi", "1440"}, 0, "",
             true}));

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, CommandLine,
    testing::Values(
        Case{{"--colour", "red", "--export", "@png"}, 2, "unknown option --colour", false},
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@png", "extra"}, 2,
             "unexpected argument extra", false},
        // Without an option of ours the window would open, or Qt abort without a display.
        Case{{"--frobnicate"}, 2, "unknown option --frobnicate (see tavrel --help)", false},
        Case{{"foo"}, 2, "unexpected argument foo", false},
        Case{{"-unit", "decimal"}, 2, "unknown option -unit", false},
        Case{{"--Export", "@png"}, 2, "unknown option --Export", false},
        Case{{"-platform", "offscreen", "--lang", "en", "foo"}, 2, "unexpected argument foo",
             false},
        Case{{"--lang=en", "-style"}, 2, "-style needs a value", false},
        Case{{"--unit", "decimal", "--measure", "1", "--export"}, 2, "--export needs a value",
             false},
        Case{{"--measure", "--export", "@png", "--unit", "decimal"}, 2, "--measure needs a value",
             false},
        Case{{"--measure", "1", "--export", "@png"}, 2, "--export needs --unit", false},
        Case{{"--unit", "decimal", "--export", "@png"}, 2, "--export needs --measure", false},
        Case{{"--unit", "inches", "--measure", "1", "--export", "@png"}, 2,
             "unknown unit \"inches\"", false},
        Case{{"--unit", "decimal", "--unit", "fractions", "--measure", "1", "--export", "@png"},
             2, "--unit is given twice", false},
        Case{{"--unit", "decimal", "--measure", "1"}, 2, "go with --export", false},
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@png", "--dpi", "0"}, 2,
             "--dpi takes a whole number of dots per inch from 24 to 1440", false},
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@png", "--dpi", "23"}, 2,
             "--dpi takes", false},
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@png", "--dpi", "1441"}, 2,
             "--dpi takes", false},
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@png", "--dpi=96dpi"}, 2,
             "--dpi takes", false},
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@png", "--dpi=-96"}, 2,
             "--dpi takes", false},
        Case{{"--unit", "decimal", "--measure", "1", "--export", "@png", "--dpi="}, 2,
             "--dpi takes", false},
        // Windows would write it as x.png.
        Case{{"--unit", "decimal", "--measure", "1", "--export", "x.png."}, 2,
             "--export FILE ends in a dot", false},
        Case{{"--lang"}, 2, "--lang needs a value", false},
        // No display to open the window on: said, instead of Qt's core dump.
        Case{{}, 1, "there is no display to open the window on", false},
        Case{{"--lang", "de"}, 1, "--export pattern.png", false},
        Case{{"--lang=en"}, 1, "--export pattern.png", false}));

INSTANTIATE_TEST_SUITE_P(
    Pdf, CommandLine,
    testing::Values(
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf"}, 0, "", true},
        Case{{"--unit=fractions", "--measure=6 1/2", "--export=@pdf", "--paper=letter",
              "--dpi=120"}, 0, "", true},
        Case{{"--unit", "millimeter", "--measure", "2311", "--export", "@pdf", "--paper", "a3"},
             0, "", true},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--paper", "b5"}, 2,
             "unknown paper \"b5\": use letter, a4, a3, legal or tabloid", false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--paper", "A4"}, 2,
             "unknown paper \"A4\"", false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--paper", "roll"}, 2,
             "arch-d or arch-e; or roll-36in, roll-24in or roll-914mm", false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@png", "--paper", "a4"}, 2,
             "--paper goes with an export to FILE.pdf", false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--paper"}, 2,
             "--paper needs a value", false},
        Case{{"--unit", "decimal", "--measure", "2", "--paper", "a4"}, 2, "go with --export",
             false},
        Case{{"--unit", "decimal", "--measure", "0", "--export", "@pdf"}, 1, "Nothing to draw",
             false},
        Case{{"--unit", "decimal", "--measure", "91.03", "--export", "@pdf", "--paper", "a4"}, 1,
             "Too large to draw. The largest measurement is 91.02 inches.", false}));

// A correction is for a printer, so only for a PDF, and only within what a printer at 100 % can
// be off by. The calibration sheet is a PDF of its own, beside no pattern.
INSTANTIATE_TEST_SUITE_P(
    Calibration, CommandLine,
    testing::Values(
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--correction",
              "1.02,0.99"},
             0,
             "",
             true},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--correction=0.8,1.25"},
             0,
             "",
             true},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--correction", "1.26,1"},
             2,
             "--correction takes two factors from 0.8 to 1.25",
             false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--correction", "1,0.79"},
             2,
             "--correction takes",
             false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--correction", "1.02"},
             2,
             "--correction takes",
             false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--correction", "1,1,1"},
             2,
             "--correction takes",
             false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@pdf", "--correction", "1e0,1"},
             2,
             "--correction takes",
             false},
        Case{{"--unit", "decimal", "--measure", "2", "--export", "@png", "--correction",
              "1.02,0.99"},
             2,
             "--correction goes with an export to FILE.pdf",
             false},
        Case{{"--calibration-sheet", "@pdf", "--paper", "a4"}, 0, "", true},
        Case{{"--calibration-sheet=@pdf", "--unit=millimeter"}, 0, "", true},
        Case{{"--calibration-sheet", "@png"}, 2, "--calibration-sheet writes a FILE.pdf", false},
        Case{{"--calibration-sheet", "@pdf", "--measure", "2"},
             2,
             "--calibration-sheet goes only with --paper and --unit",
             false},
        Case{{"--calibration-sheet", "@pdf", "--paper", "b5"}, 2, "unknown paper \"b5\"", false}));

INSTANTIATE_TEST_SUITE_P(
    BadInput, CommandLine,
    testing::Values(
        Case{{"--unit", "decimal", "--measure", "0", "--export", "@png"}, 1, "Nothing to draw",
             false},
        Case{{"--unit", "decimal", "--measure", "", "--export", "@png"}, 1, "Nothing to draw",
             false},
        Case{{"--unit", "millimeter", "--measure", ".", "--export", "@png"}, 1,
             "Nothing to draw", false},
        Case{{"--unit", "fractions", "--measure", "0/1", "--export", "@png"}, 1,
             "Nothing to draw", false},
        Case{{"--unit", "decimal", "--measure", "91.03", "--export", "@png"}, 1,
             "Too large to draw. The largest measurement is 91.02 inches.", false},
        Case{{"--unit", "fractions", "--measure", "99999999999", "--export", "@svg"}, 1,
             "Too large to draw. The largest measurement is 91 inches.", false},
        // Less than a pixel high: the existing file is kept in every format and unit.
        Case{{"--unit", "decimal", "--measure", ".001", "--export", "@png"}, 1,
             "Too small to draw. At this measurement the pattern is less than one pixel high.",
             false},
        Case{{"--unit", "decimal", "--measure", ".0016", "--export", "@svg"}, 1,
             "Too small to draw", false},
        Case{{"--unit", "fractions", "--measure", "1/1000", "--export", "@pdf"}, 1,
             "Too small to draw", false},
        Case{{"--unit", "millimeter", "--measure", ".001", "--export", "@dxf"}, 1,
             "Too small to draw", false},
        Case{{"--unit", "millimeter", "--measure", ".04", "--export", "@svg", "--dpi", "24"}, 1,
             "Too small to draw", false},
        Case{{"--unit", "decimal", "--measure", ".0017", "--export", "@svg"}, 0, "", true}));

// A text that could not be typed in the unit's box is refused, not read as another size: the
// box would read "2 1/2" in decimal inches as 21, "12abc" as 12 and "1e3" as 1.
INSTANTIATE_TEST_SUITE_P(
    Measures, CommandLine,
    testing::Values(
        Case{{"--unit", "decimal", "--measure", "2 1/2", "--export", "@png"}, 2,
             "--measure \"2 1/2\" is not a measurement in decimal inches: use 2.5 for decimal "
             "inches or --unit fractions for 2 1/2 (see tavrel --help)",
             false},
        Case{{"--unit", "decimal", "--measure", "12abc", "--export", "@png"}, 2,
             "is not a measurement in decimal inches", false},
        Case{{"--unit", "decimal", "--measure", "1e3", "--export", "@svg"}, 2, "\"1e3\"", false},
        Case{{"--lang", "de", "--unit", "decimal", "--measure", "2 1/2", "--export", "@png"}, 2,
             "\"2 1/2\"", false},
        Case{{"--unit", "decimal", "--measure", "1,000", "--export", "@png"}, 2, "\"1,000\"",
             false},
        Case{{"--unit", "millimeter", "--measure", "1,5,0", "--export", "@png"}, 2,
             "is not a measurement in millimeters: use digits with one point at most, as 63.5",
             false},
        Case{{"--unit", "millimeter", "--measure", "-5", "--export", "@png"}, 2, "\"-5\"", false},
        Case{{"--unit", "fractions", "--measure", " 3 1/4", "--export", "@png"}, 2,
             "is not a measurement in inches with fractions: use a whole number, a fraction, or "
             "both with one space between, as 2, 1/2 or 2 1/2 (see tavrel --help)",
             false},
        Case{{"--unit", "decimal", "--measure", ",500", "--export", "@png"}, 2,
             "--measure \",500\" is unclear: a comma before three digits may group thousands.",
             false},
        Case{{"--unit", "millimeter", "--measure", "63,5", "--export", "@svg"}, 0, "", true},
        Case{{"--unit", "fractions", "--measure", "1.5/2", "--export", "@png"}, 0, "", true}));

// The window reads a decimal whole part in inches with fractions rounded and a fraction over 0
// as none; the command line refuses such a text rather than write another size than it says.
// Which texts those are, the reading's own table tells; here, one row for each message.
INSTANTIATE_TEST_SUITE_P(
    Fractions, CommandLine,
    testing::Values(
        Case{{"--unit", "fractions", "--measure", "2.5", "--export", "@png"}, 2,
             "--measure \"2.5\" has decimals, which --unit fractions rounds away to whole inches: "
             "use --unit decimal for 2.5 (see tavrel --help)",
             false},
        Case{{"--unit", "fractions", "--measure", "2,75", "--export", "@pdf"}, 2,
             "use --unit decimal for 2,75", false},
        Case{{"--unit", "fractions", "--measure", "2.5 1/2", "--export", "@dxf"}, 2,
             "has decimals in its whole inches", false},
        Case{{"--unit", "fractions", "--measure", "3 1/0", "--export", "@png"}, 2,
             "--measure \"3 1/0\" has a fraction over 0: write a number above 0 after the slash",
             false},
        Case{{"--unit", "fractions", "--measure", "1 2", "--export", "@png"}, 2,
             "is not a measurement in inches with fractions", false},
        Case{{"--unit", "fractions", "--measure", "1/2 ", "--export", "@png"}, 2,
             "is not a measurement in inches with fractions", false},
        Case{{"--unit", "fractions", "--measure", "3.0", "--export", "@png"}, 0, "", true},
        Case{{"--unit", "fractions", "--measure", "2 1/2", "--export", "@png"}, 0, "", true}));

TEST(CommandLineExport, TooLargeNamesTheLargestMeasurementForTheGivenResolution)
{
    QTemporaryDir folder;
    const Outcome outcome = run({"--unit", "millimeter", "--measure", "2312", "--dpi", "120",
                                 "--export", folder.filePath("big.png")});
    EXPECT_EQ(outcome.exitCode, 1);
    const std::string largest =
        tavrel::pattern::largestMeasurementText(*tavrel::measure::unitAt(2), {12, 12});
    EXPECT_EQ(outcome.err.toStdString(), "tavrel: Too large to draw. The largest measurement is " +
                                             largest + " millimeters.\n");
    EXPECT_FALSE(QFile::exists(folder.filePath("big.png")));
}

// --lang speaks a language for the run, whatever the system's; --lang alone is not an export.
TEST(CommandLineLanguage, LangSpeaksTheLanguageOfItsCode)
{
    const std::vector<TsEntry> german = tsEntries(TAVREL_TS_FOLDER "/tavrel_de.ts");
    const auto inGerman = [&](const char* source) {
        return translationOf(german, "CommandLine", source);
    };
    const Outcome outcome = run({"--lang", "de", "--export", "x.png"});
    EXPECT_EQ(outcome.exitCode, 2);
    const QString expected =
        inGerman("%1 (see tavrel --help)")
            .arg(inGerman("--export needs --unit decimal, fractions or millimeter"));
    EXPECT_EQ(outcome.err, "tavrel: " + expected + "\n");
    const Outcome help = run({"--lang=de", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out, run({"--help"}).out);
    EXPECT_TRUE(help.out.contains("--lang")) << help.out.toStdString();
    EXPECT_EQ(run({"--lang", "en", "--export", "x.png"}).err,
              "tavrel: --export needs --unit decimal, fractions or millimeter (see tavrel "
              "--help)\n");
}

// The help and the unknown paper's message name every paper of the one table, in its order, in
// the words they always had; a translation joins the names in its own language.
TEST(CommandLinePapers, HelpAndRefusalNameEveryPaperInTheTablesOrder)
{
    const QString help = run({"--help"}).out;
    const QString refusal = run({"--calibration-sheet", "x.pdf", "--paper", "b5"}).err;
    EXPECT_TRUE(help.contains(
        "  --paper PAPER   the PDF's paper: letter, a4, a3, legal or tabloid\n"
        "                  (default: letter where the locale measures in US units,\n"
        "                  otherwise a4); for copy shops\n"
        "                  a2, a1, a0, arch-d (24 x 36 in) or arch-e (36 x 48 in);\n"
        "                  or a roll, roll-36in, roll-24in or roll-914mm: pages of\n"
        "                  the roll's width, as long as the pattern needs up to 200 in\n"))
        << help.toStdString();
    EXPECT_EQ(refusal,
              "tavrel: unknown paper \"b5\": use letter, a4, a3, legal or tabloid; a2, "
              "a1, a0, arch-d or arch-e; or roll-36in, roll-24in or roll-914mm (see "
              "tavrel --help)\n");
    const QString paperHelp = help.section("--paper PAPER ", 1).section("--correction", 0, 0);
    for (const QString& text : {paperHelp, refusal}) {
        qsizetype from = 0;
        for (exporting::Paper paper : exporting::allPapers()) {
            const QString name = QString::fromUtf8(exporting::paperName(paper));
            from = text.indexOf(QRegularExpression("\\b" + name + "\\b"), from);
            EXPECT_NE(from, -1) << name.toStdString() << " in " << text.toStdString();
        }
    }
    EXPECT_TRUE(run({"--lang=de", "--help"})
                    .out.contains("arch-d (24 x 36 Zoll) oder arch-e (36 x 48 Zoll)"));
}

// The help fits a terminal of 80 columns in every language, its lists of papers included, and
// the correction's bounds are written as the option takes them, with a point: its comma parts
// the two factors.
TEST(CommandLinePapers, HelpFitsSeventyNineColumnsInEveryLanguage)
{
    for (const char* language : tavrel::test::withEnglish("en")) {
        const QString help = run({"--lang", language, "--help"}).out;
        const QStringList lines = help.split('\n', Qt::SkipEmptyParts);
        ASSERT_GT(lines.size(), 30) << language;
        for (const QString& line : lines)
            EXPECT_LE(line.size(), 79) << language << ": " << line.toStdString();
        const QString refusal = run({"--lang", language, "--unit", "decimal", "--measure", "2",
                                     "--export", "x.pdf", "--correction", "2,2"})
                                    .err;
        for (const QString& text : {help, refusal}) {
            EXPECT_TRUE(text.contains("0.8") && text.contains("1.25")) << text.toStdString();
            EXPECT_FALSE(text.contains("0,8") || text.contains("1,25")) << text.toStdString();
        }
    }
    EXPECT_TRUE(run({"--lang=de", "--calibration-sheet", "x.pdf", "--paper", "b5"})
                    .err.contains("; oder roll-36in, roll-24in oder roll-914mm"));
}

// The window toolkit's own options still open the window, where an unknown option gets the
// usage line. Without a display, the program says so; where the user names a display or a
// platform, Qt tries it and says that it cannot start.
TEST(CommandLineWindow, ToolkitOptionsReachTheWindowToolkit)
{
    const char* noDisplay = "tavrel: there is no display";
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {{{"-style", "fusion"}, noDisplay},
                 {{"-style=fusion"}, noDisplay},
                 {{"--lang", "de", "-reverse"}, "--export pattern.png"},
                 {{"-display", ":99999"}, "Qt platform plugin"},
                 {{"--platform", "xcb", "-qwindowtitle", "Pattern"}, "Qt platform plugin"}};
    for (const auto& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_NE(outcome.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
    }
}

struct Written {
    Outcome outcome;
    QByteArray file;
};

// The run in English in a fresh folder, where an argument "@svg" names the file written; a
// PDF's time of writing is left out of the file.
Written runWritingInEnglish(const std::vector<const char*>& arguments, const char* locale)
{
    QTemporaryDir folder;
    QString path;
    QStringList list{"--lang", "en"};
    for (const char* argument : arguments)
        list << (argument[0] == '@' ? path = folder.filePath(QString("out.") + (argument + 1))
                                    : QString(argument));
    const Outcome outcome = locale ? runInLocale(locale, list) : run(list);
    return {outcome, tavrel::test::withoutWritingTime(contentOf(path))};
}

struct LocaleRun {
    std::vector<const char*> arguments;
    int exitCode;
};

void PrintTo(const LocaleRun& c, std::ostream* out)
{
    for (const char* argument : c.arguments) *out << "'" << argument << "' ";
}

class CommandLineInLocale
    : public testing::TestWithParam<std::tuple<std::string, LocaleRun>> {};

// Where decimals are written with a comma, the program's numbers stay its own: every file and
// message is the one written in the C locale.
TEST_P(CommandLineInLocale, WritesWhatItWritesInTheCLocale)
{
    const auto& [locale, c] = GetParam();
    const tavrel::test::NumericLocale numbers(locale.c_str());
    ASSERT_TRUE(numbers.writesDecimalCommas());
    const Written inC = runWritingInEnglish(c.arguments, nullptr);
    const Written inLocale = runWritingInEnglish(c.arguments, locale.c_str());
    EXPECT_EQ(inC.outcome.exitCode, c.exitCode) << inC.outcome.err.toStdString();
    EXPECT_EQ(inLocale.outcome.exitCode, inC.outcome.exitCode);
    EXPECT_EQ(inLocale.outcome.out, inC.outcome.out);
    EXPECT_EQ(inLocale.outcome.err, inC.outcome.err);
    EXPECT_TRUE(inLocale.file == inC.file) << "the files differ";
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, CommandLineInLocale,
    testing::Combine(
        testing::ValuesIn(std::vector<std::string>(std::begin(tavrel::test::kCommaLocales),
                                                   std::end(tavrel::test::kCommaLocales))),
        testing::Values(
            LocaleRun{{"--unit", "decimal", "--measure", "2.5", "--export", "@svg"}, 0},
            LocaleRun{{"--unit", "millimeter", "--measure", "63.5", "--export", "@dxf"}, 0},
            LocaleRun{{"--unit", "fractions", "--measure", "2 1/2", "--export", "@dxf"}, 0},
            LocaleRun{{"--unit", "decimal", "--measure", "2,5", "--export", "@png", "--dpi", "120"},
                      0},
            LocaleRun{{"--unit", "decimal", "--measure", "6.5", "--export", "@pdf", "--paper",
                       "letter", "--correction", "1.02,0.99"},
                      0},
            LocaleRun{{"--calibration-sheet", "@pdf", "--paper", "a4", "--unit", "millimeter"}, 0},
            LocaleRun{{"--unit", "decimal", "--measure", "99", "--export", "@pdf", "--paper", "a4"},
                      1},
            LocaleRun{{"--unit", "millimeter", "--measure", "9999", "--export", "@svg"}, 1},
            LocaleRun{{"--help"}, 0})));

// In the system's own language too, the notice names the largest measurement, with the decimal
// comma of German, French and Polish (whose texts are English).
TEST(CommandLineInLocale, TooLargeNamesTheLargestMeasurementInTheSystemsLanguage)
{
    for (const char* locale : tavrel::test::kCommaLocales) {
        const tavrel::test::NumericLocale numbers(locale);
        ASSERT_TRUE(numbers.writesDecimalCommas());
        QTemporaryDir folder;
        const Outcome outcome = runInLocale(
            locale, {"--unit", "decimal", "--measure", "99", "--export", folder.filePath("p.svg")});
        EXPECT_EQ(outcome.exitCode, 1) << locale;
        EXPECT_TRUE(outcome.err.contains(" 91,02 ")) << locale << ": " << outcome.err.toStdString();
    }
}

TEST(CommandLineExport, ReportsPathsThatCannotBeWritten)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.png"));
    struct Case {
        QString path;
        const char* message;
    };
    for (const Case& c :
         {Case{folder.filePath("no/such/folder/pattern.png"), "Cannot write"},
          Case{folder.filePath("taken.png"), "Cannot write"},
          Case{folder.filePath("pattern.jpg"),
               "the file name must end in .png, .svg, .pdf or .dxf"},
          Case{folder.filePath("pattern"), "the file name must end in .png, .svg, .pdf or .dxf"}}) {
        const Outcome outcome = run({"--unit", "decimal", "--measure", "1", "--export", c.path});
        EXPECT_EQ(outcome.exitCode, 1) << c.path.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.path)) << outcome.err.toStdString();
    }
    EXPECT_EQ(filesIn(folder.path()), QStringList());
}

// A file that may be written in a folder that may not: the message names the folder, in which
// the replacement is made. Root may add files to any folder, so it runs the program as nobody.
TEST(CommandLineExport, AWritableFileInAReadOnlyFolderNamesTheFolder)
{
    QTemporaryDir folder;
    const QString target = folder.filePath("pattern.png");
    writeFile(target, kEarlier);
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enterable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(target, readable | QFile::WriteOwner | QFile::WriteGroup |
                                                  QFile::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), readable | enterable));
    QProcess process;
    start(process, {"--unit", "decimal", "--measure", "1", "--export", target},
          ::geteuid() == 0 ? R"(exec setpriv --reuid=65534 --regid=65534 --clear-groups "$0" "$@")"
                           : "");
    const Outcome outcome = finish(process);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err.toStdString(),
              QString("tavrel: Cannot write \"%1\": its folder \"%2\" does not let you add "
                      "files, and the new file is written there before it replaces the old one.\n")
                  .arg(target, QFileInfo(folder.path()).canonicalFilePath())
                  .toStdString());
    EXPECT_EQ(contentOf(target), kEarlier);
}

// A small filesystem of its own that can be filled up. Mounting needs root, as in CI.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder) : folder_(QFile::encodeName(folder))
    {
        if (::geteuid() != 0)
            problem_ = "mounting a tmpfs needs root";
        else if (::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=256k") != 0)
            problem_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (problem_.empty()) ::umount2(folder_.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const std::string& problem() const { return problem_; }

    // Fills the disk with a file named "filler", then frees `bytesLeft` of it again.
    void fillLeaving(off_t bytesLeft) const
    {
        const QByteArray filler = folder_ + "/filler";
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        const std::vector<char> page(4096, 'f');
        off_t size = 0;
        for (ssize_t written; (written = ::write(fd, page.data(), page.size())) > 0;)
            size += written;
        EXPECT_EQ(errno, ENOSPC);
        ASSERT_GE(size, bytesLeft);
        EXPECT_EQ(::ftruncate(fd, size - bytesLeft), 0) << std::strerror(errno);
        ::close(fd);
    }

private:
    QByteArray folder_;
    std::string problem_;
};

enum class Limit { FullDisk, FileSize };

struct WriteFailure {
    Limit limit;
    int kibLeft;  // free on the disk, or the file size limit
    const char* format;
    const char* measure;  // 3 inches: a file of a few KiB; 40: up to half a MiB
};

void PrintTo(const WriteFailure& c, std::ostream* out)
{
    *out << (c.limit == Limit::FullDisk ? "disk with " : "file size limit of ") << c.kibLeft
         << " KiB, " << c.measure << " inches as " << c.format;
}

class FailingWrite : public testing::TestWithParam<WriteFailure> {};

// Whenever the writing fails, be it on the first write or the last flush, the earlier file
// stays byte for byte, nothing else is left, and the message gives the system's reason.
TEST_P(FailingWrite, KeepsTheEarlierFileAndSaysWhy)
{
    const WriteFailure& c = GetParam();
    QTemporaryDir folder;
    std::optional<SmallDisk> disk;
    if (c.limit == Limit::FullDisk) {
        disk.emplace(folder.path());
        if (!disk->problem().empty()) GTEST_SKIP() << disk->problem();
    }
    const QString target = folder.filePath(QString("pattern.") + c.format);
    writeFile(target, kEarlier);
    if (disk) disk->fillLeaving(off_t(c.kibLeft) * 1024);
    const QStringList before = filesIn(folder.path());

    const QStringList arguments{"--unit", "decimal", "--measure", c.measure, "--export", target};
    const Outcome outcome =
        c.limit == Limit::FileSize ? run(arguments, c.kibLeft * 2) : run(arguments);

    const char* reason = c.limit == Limit::FullDisk ? "No space left on device" : "File too large";
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err.toStdString(),
              QString("tavrel: Cannot write \"%1\": %2.\n").arg(target, reason).toStdString());
    EXPECT_EQ(contentOf(target), kEarlier);
    EXPECT_EQ(filesIn(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    DiskFull, FailingWrite,
    testing::Values(WriteFailure{Limit::FullDisk, 0, "png", "3"},
                    WriteFailure{Limit::FullDisk, 0, "svg", "3"},
                    WriteFailure{Limit::FullDisk, 0, "pdf", "3"},
                    // Cut off after the first page of the file.
                    WriteFailure{Limit::FullDisk, 4, "png", "3"},
                    WriteFailure{Limit::FullDisk, 4, "pdf", "3"},
                    WriteFailure{Limit::FullDisk, 64, "png", "40"},
                    WriteFailure{Limit::FullDisk, 64, "pdf", "40"}));

INSTANTIATE_TEST_SUITE_P(
    FileSizeLimit, FailingWrite,
    testing::Values(WriteFailure{Limit::FileSize, 0, "png", "3"},
                    WriteFailure{Limit::FileSize, 0, "svg", "3"},
                    WriteFailure{Limit::FileSize, 0, "pdf", "3"},
                    WriteFailure{Limit::FileSize, 1, "png", "40"},
                    WriteFailure{Limit::FileSize, 1, "svg", "40"},
                    WriteFailure{Limit::FileSize, 1, "pdf", "40"},
                    WriteFailure{Limit::FileSize, 64, "png", "40"},
                    WriteFailure{Limit::FileSize, 64, "pdf", "40"}));

std::string shellOutput(const QString& command, const QStringList& arguments)
{
    QProcess process;
    process.start(command, arguments);
    process.waitForFinished();
    return process.readAllStandardOutput().toStdString();
}

std::string attributeOf(const QString& path, const char* name)
{
    char value[256];
    const ssize_t size = ::getxattr(bytesOf(path).constData(), name, value, sizeof value);
    return size < 0 ? std::string() : std::string(value, size_t(size));
}

// A replaced file stays the user's, as root replaces it too, with its permissions, access
// list and extended attributes; a link to it stays a link.
TEST(CommandLineExport, ReplacingKeepsTheLinkOwnerPermissionsAndAttributes)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("kept.svg");
    const QString link = folder.filePath("link.svg");
    writeFile(file, kEarlier);
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(file, permissions));
    ASSERT_TRUE(QFile::link(file, link));
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(bytesOf(file).constData(), 4242, 4343), 0);
    }
    ASSERT_EQ(QProcess::execute("setfacl", {"-m", "u:4444:r", file}), 0);
    const std::string acl = shellOutput("getfacl", {"-c", file});
    ASSERT_EQ(::setxattr(bytesOf(file).constData(), "user.tavrel.note", "kept", 4, 0), 0)
        << std::strerror(errno);

    ASSERT_EQ(run({"--unit", "decimal", "--measure", "1", "--export", link}).exitCode, 0);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), file);
    EXPECT_TRUE(contentOf(file).contains("<svg"));
    EXPECT_EQ(QFile::permissions(file), permissions | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(shellOutput("getfacl", {"-c", file}), acl);
    EXPECT_EQ(attributeOf(file, "user.tavrel.note"), "kept");
    if (root) {
        EXPECT_EQ(QFileInfo(file).ownerId(), 4242u);
        EXPECT_EQ(QFileInfo(file).groupId(), 4343u);
    }
}

TEST(CommandLineExport, PngHasThePictureSizeAndResolution)
{
    struct Case {
        const char* measure;
        const char* dpi;
        QSize size;
        int dotsPerMeter;
    };
    QTemporaryDir folder;
    const QString path = folder.filePath("pattern.png");
    for (const Case& c : {Case{"1.3888889", "96", {301, 420}, 3780},
                          Case{"1,3888889", "96", {301, 420}, 3780},
                          Case{"1", "120", {271, 378}, 4724}}) {
        ASSERT_EQ(run({"--unit", "decimal", "--measure", c.measure, "--dpi", c.dpi, "--export", path})
                      .exitCode,
                  0);
        const QImage png(path);
        EXPECT_EQ(png.size(), c.size) << c.measure;
        EXPECT_EQ(png.dotsPerMeterX(), c.dotsPerMeter) << c.measure;
        EXPECT_EQ(png.dotsPerMeterY(), c.dotsPerMeter) << c.measure;
    }
}

TEST(CommandLineExport, SvgHasThePrintedSize)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("pattern.svg");
    ASSERT_EQ(run({"--unit", "decimal", "--measure", "1.3888889", "--export", path}).exitCode, 0);
    const QString svg = QString::fromUtf8(contentOf(path));
    // 301 x 420 pixels at 96 dots per inch: 3.1354 x 4.375 inches, and a view box in millimeters.
    const auto match =
        QRegularExpression("<svg [^>]*width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\"").match(svg);
    ASSERT_TRUE(match.hasMatch()) << svg.left(300).toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), 301 * 25.4 / 96, 0.001);
    EXPECT_NEAR(match.captured(2).toDouble(), 420 * 25.4 / 96, 0.001);
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 " + match.captured(1) + ' ' + match.captured(2) + '"'));
}

TEST(CommandLineExport, DxfRecordsItsUnit)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("pattern.DXF");
    ASSERT_EQ(run({"--unit", "millimeter", "--measure", "35", "--export", path}).exitCode, 0);
    const QString dxf = QString::fromUtf8(contentOf(path));
    EXPECT_TRUE(dxf.contains("$ACADVER\n  1\nAC1015\n")) << dxf.left(300).toStdString();
    EXPECT_TRUE(dxf.contains("$INSUNITS\n 70\n4\n")) << dxf.left(300).toStdString();
    EXPECT_TRUE(dxf.trimmed().endsWith("EOF"));
}

TEST(CommandLineExport, VersionIsTheProgramsOwn)
{
    EXPECT_EQ(run({"--version"}).out, "tavrel 1.0.0\n");
}

// A name may take the whole limit of 255 bytes, and a path the whole limit of 4095, whether the
// file is new or replaces one: the temporary file beside it must fit as well.
TEST(CommandLineExport, NamesAndPathsUpToTheSystemsLimitsAreWritten)
{
    QTemporaryDir folder;
    QStringList paths;
    for (int bytes = 250; bytes <= 255; ++bytes)
        paths << folder.filePath(QString(bytes - 4, 'a') + ".png");
    // Two bytes a character: a shortened temporary name must not end inside one.
    paths << folder.filePath(QString(125, QChar(0xE9)) + ".svg");
    QString deep = folder.path();
    while (bytesOf(deep).size() + 1 + 255 < 4095) deep += '/' + QString(200, 'd');
    ASSERT_TRUE(QDir().mkpath(deep));
    paths << deep + '/' + QString(4095 - int(bytesOf(deep).size()) - 1 - 4, 'p') + ".dxf";
    for (const QString& path : paths)
        for (const bool replacing : {false, true}) {
            if (replacing) writeFile(path, kEarlier);
            const Outcome outcome =
                run({"--unit", "decimal", "--measure", "1", "--export", path});
            EXPECT_EQ(outcome.exitCode, 0) << bytesOf(path).size() << " bytes: "
                                           << outcome.err.toStdString();
            EXPECT_NE(contentOf(path), kEarlier);
            EXPECT_EQ(filesIn(QFileInfo(path).path()), QStringList{QFileInfo(path).fileName()});
            QFile::remove(path);
        }
}

// The name's bytes reach the system as they were given, whatever the locale makes of them.
TEST(CommandLineExport, ANameThatIsNoUtf8IsWrittenUnderItsOwnBytes)
{
    struct Case {
        QStringList arguments;
        const char* name;  // printf's escapes
        QByteArray bytes;
    };
    for (const Case& c :
         {Case{{"--unit", "decimal", "--measure", "1", "--export"}, "lat\\363n.png",
               "lat\xf3n.png"},
          Case{{"--calibration-sheet"}, "hoja\\361\\377.pdf", "hoja\xf1\xff.pdf"}}) {
        QTemporaryDir folder;
        const Outcome outcome =
            runEndingInRawName(c.arguments, folder.path() + '/' + c.name);
        EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
        // Qt cannot name the file: it is removed by its bytes, and nothing else may remain.
        EXPECT_EQ(::unlink((bytesOf(folder.path()) + '/' + c.bytes).constData()), 0) << c.name;
        EXPECT_EQ(filesIn(folder.path()), QStringList());
    }
}

// A link to a file not yet there stays a link: the file is made where it points.
TEST(CommandLineExport, ALinkToAMissingFileStaysALink)
{
    QTemporaryDir folder;
    const QString link = folder.filePath("link.dxf");
    ASSERT_TRUE(QFile::link("made.dxf", link));
    ASSERT_EQ(run({"--unit", "decimal", "--measure", "1", "--export", link}).exitCode, 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(contentOf(folder.filePath("made.dxf")).trimmed().endsWith("EOF"));
}

enum class Kind { CharacterDevice, Fifo, BlockDevice, Socket, Link };

struct SpecialTarget {
    const char* what;
    Kind kind;
    dev_t device;  // of a device node
    bool reader;   // of a pipe: a program reads from it
    int exitCode;
    const char* message;
};

void PrintTo(const SpecialTarget& c, std::ostream* out) { *out << c.what; }

class SpecialTargets : public testing::TestWithParam<SpecialTarget> {};

// Makes the node; an empty string when made, otherwise why the case cannot run here.
std::string makeNode(const SpecialTarget& c, const QByteArray& path)
{
    const bool device = c.kind == Kind::CharacterDevice || c.kind == Kind::BlockDevice ||
                        c.kind == Kind::Link;
    if (device && ::geteuid() != 0) return "making a device node needs root";
    const mode_t type = c.kind == Kind::BlockDevice ? S_IFBLK : c.kind == Kind::Fifo ? S_IFIFO
                                                                                    : S_IFCHR;
    if (c.kind == Kind::Socket) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return bound ? "" : std::string("cannot bind a socket: ") + std::strerror(errno);
    }
    const QByteArray node = c.kind == Kind::Link ? path + ".node" : path;
    if (::mknod(node.constData(), type | 0666, c.device) != 0)
        return std::string("cannot make the node: ") + std::strerror(errno);
    if (c.kind == Kind::Link && ::symlink(node.constData(), path.constData()) != 0)
        return std::string("cannot link: ") + std::strerror(errno);
    return "";
}

// A pipe, a device such as /dev/null or a socket is never renamed over: what can take a stream
// of bytes is written in place, anything else is refused, and the node stays what it was.
TEST_P(SpecialTargets, AreWrittenInPlaceOrRefusedButNeverReplaced)
{
    const SpecialTarget& c = GetParam();
    QTemporaryDir folder;
    const QString target = folder.filePath("pattern.png");
    const QByteArray path = bytesOf(target);
    if (const std::string problem = makeNode(c, path); !problem.empty()) GTEST_SKIP() << problem;
    struct stat before {};
    ASSERT_EQ(::stat(path.constData(), &before), 0);

    QProcess reader;
    if (c.reader) reader.start("cat", {target});
    const Outcome outcome = run({"--unit", "decimal", "--measure", "1", "--export", target});
    EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
    if (c.reader) {
        EXPECT_TRUE(reader.waitForFinished(5000));
        EXPECT_TRUE(reader.readAllStandardOutput().startsWith("\x89PNG"));
        reader.kill();
        reader.waitForFinished();
    }
    struct stat after {};
    ASSERT_EQ(::stat(path.constData(), &after), 0);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_rdev, before.st_rdev);
    EXPECT_EQ(QFileInfo(target).isSymLink(), c.kind == Kind::Link);
    EXPECT_EQ(filesIn(folder.path()).filter(QRegularExpression("^\\.")), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Nodes, SpecialTargets,
    testing::Values(
        SpecialTarget{"a null device", Kind::CharacterDevice, makedev(1, 3), false, 0, ""},
        SpecialTarget{"a link to a null device", Kind::Link, makedev(1, 3), false, 0, ""},
        SpecialTarget{"a full device", Kind::CharacterDevice, makedev(1, 7), false, 1,
                      "No space left on device."},
        SpecialTarget{"a pipe with a reader", Kind::Fifo, 0, true, 0, ""},
        SpecialTarget{"a pipe without one", Kind::Fifo, 0, false, 1,
                      "no program is reading from this pipe."},
        SpecialTarget{"a disk", Kind::BlockDevice, makedev(7, 0), false, 1,
                      "it is a disk or a socket, not a file."},
        SpecialTarget{"a socket", Kind::Socket, 0, false, 1,
                      "it is a disk or a socket, not a file."}));

constexpr int kWhenTheTemporaryAppears = -1;

struct Interruption {
    int signal;
    int afterMs;  // or kWhenTheTemporaryAppears
    bool ignored;  // as SIGHUP under nohup
};

void PrintTo(const Interruption& c, std::ostream* out)
{
    *out << strsignal(c.signal) << (c.ignored ? " (ignored)" : "") << " after ";
    if (c.afterMs == kWhenTheTemporaryAppears)
        *out << "the temporary file appears";
    else
        *out << c.afterMs << " ms";
}

class Interrupted : public testing::TestWithParam<Interruption> {};

// Waits until a hidden file appears in the watched folder, for at most `timeoutMs`.
void awaitHiddenFile(int watch, int timeoutMs)
{
    alignas(inotify_event) char events[4096];
    pollfd ready{watch, POLLIN, 0};
    while (::poll(&ready, 1, timeoutMs) > 0) {
        const ssize_t size = ::read(watch, events, sizeof events);
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if (event->len > 0 && event->name[0] == '.') return;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
}

// Whenever a signal ends an export of the largest pattern, the earlier file is whole or the new
// one is, and nothing else is left behind.
TEST_P(Interrupted, LeavesNoTemporaryFile)
{
    const Interruption& c = GetParam();
    QTemporaryDir folder;
    const QString target = folder.filePath("pattern.pdf");
    writeFile(target, kEarlier);
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, bytesOf(folder.path()).constData(), IN_CREATE), 0);

    QString script = "ulimit -c 0; ";  // no core file when SIGQUIT ends it
    if (c.ignored) script += QString("trap '' %1; ").arg(c.signal);
    QProcess process;
    start(process, {"--unit", "decimal", "--measure", "91.02", "--export", target},
          script + R"(exec "$0" "$@")");
    ASSERT_TRUE(process.waitForStarted());
    if (c.afterMs == kWhenTheTemporaryAppears)
        awaitHiddenFile(watch, 10000);
    else
        QThread::msleep(c.afterMs);
    ::kill(pid_t(process.processId()), c.signal);
    ASSERT_TRUE(process.waitForFinished(60000));
    ::close(watch);

    if (c.ignored) {
        EXPECT_EQ(process.exitCode(), 0);
    }
    const QByteArray content = contentOf(target);
    EXPECT_TRUE(content == kEarlier || content.endsWith("%%EOF\n"))
        << content.right(20).toStdString();
    EXPECT_EQ(filesIn(folder.path()), QStringList{"pattern.pdf"});
}

INSTANTIATE_TEST_SUITE_P(
    Signals, Interrupted,
    testing::Values(Interruption{SIGINT, 100, false}, Interruption{SIGINT, 500, false},
                    Interruption{SIGINT, kWhenTheTemporaryAppears, false},
                    Interruption{SIGQUIT, kWhenTheTemporaryAppears, false},
                    Interruption{SIGTERM, 300, false},
                    Interruption{SIGTERM, kWhenTheTemporaryAppears, false},
                    Interruption{SIGHUP, 200, false},
                    Interruption{SIGHUP, kWhenTheTemporaryAppears, false},
                    Interruption{SIGHUP, 300, true},
                    Interruption{SIGHUP, kWhenTheTemporaryAppears, true},
                    // Those of other programs, timers and limits end it as well.
                    Interruption{SIGUSR1, kWhenTheTemporaryAppears, false},
                    Interruption{SIGUSR2, kWhenTheTemporaryAppears, false},
                    Interruption{SIGALRM, kWhenTheTemporaryAppears, false},
                    Interruption{SIGPIPE, kWhenTheTemporaryAppears, false},
                    Interruption{SIGXCPU, kWhenTheTemporaryAppears, false},
                    Interruption{SIGXFSZ, kWhenTheTemporaryAppears, false},
                    Interruption{SIGVTALRM, kWhenTheTemporaryAppears, false},
                    Interruption{SIGPROF, kWhenTheTemporaryAppears, false},
                    Interruption{SIGRTMIN + 3, kWhenTheTemporaryAppears, false},
                    Interruption{SIGSEGV, kWhenTheTemporaryAppears, false}));

// After SIGKILL, which no program can catch, the next export of the same target removes the
// temporary files left of it, but not another target's, another program's or a running
// export's.
TEST(KilledExport, ItsTemporariesGoWithTheNextExport)
{
    struct Leftover {
        const char* name;
        int ageSeconds;
        bool removed;
    };
    const Leftover leftovers[] = {{".pattern.pdf.0a1b2c3d", 120, true},
                                  {".pattern.pdf.zz99zz99", 61 * 60, true},
                                  {".pattern.pdf.4e5f6g7h", 50, false},
                                  {".pattern.pdf.0A1B2C3D", 120, false},
                                  {".pattern.pdf.0a1b2c3", 120, false},
                                  {".pattern.pdf.0a1b2c3d4", 120, false},
                                  {".other.pdf.0a1b2c3d", 120, false},
                                  {"pattern.pdf.0a1b2c3d", 120, false}};
    QTemporaryDir folder;
    for (const Leftover& leftover : leftovers) {
        const QString path = folder.filePath(leftover.name);
        writeFile(path, kEarlier);
        const timespec times[2] = {{::time(nullptr) - leftover.ageSeconds, 0},
                                   {::time(nullptr) - leftover.ageSeconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, bytesOf(path).constData(), times, 0), 0);
    }
    const QString target = folder.filePath("pattern.pdf");
    ASSERT_EQ(run({"--unit", "decimal", "--measure", "2", "--export", target}).exitCode, 0);
    for (const Leftover& leftover : leftovers)
        EXPECT_EQ(QFile::exists(folder.filePath(leftover.name)), !leftover.removed)
            << leftover.name;
}

// A module cut short or with a byte changed, beside a copy of the program: the command line,
// which loads it, says that a part is damaged and exits with 1, never by a signal. The module is
// stripped first, as the package has it, so that the cuts fall among the parts the system loads;
// the section headers at its end are never loaded, so cutting only them does no harm.
constexpr double kSectionHeaders = -1;

struct ModuleDamage {
    const char* name;
    double keptShare;       // of the stripped module; kSectionHeaders to cut only those
    double flippedShare;    // where a byte is inverted; negative for none
    quint32 flippedWithin;  // of the loaded segment with these flags (PF_X code, PF_W data),
                            // as padding between segments is never loaded; 0 for the file
    bool loads;
    friend std::ostream& operator<<(std::ostream& out, const ModuleDamage& d)
    {
        return out << d.name;
    }
};

// The file's bytes of the first loaded segment whose flags include `flags`; the whole file for 0.
std::pair<qsizetype, qsizetype> loadedPart(const QByteArray& elf, quint32 flags)
{
    if (flags == 0) return {0, elf.size()};
    Elf64_Ehdr header;
    std::memcpy(&header, elf.constData(), sizeof header);
    for (int i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment;
        std::memcpy(&segment, elf.constData() + header.e_phoff + i * sizeof segment,
                    sizeof segment);
        if (segment.p_type == PT_LOAD && (segment.p_flags & flags) == flags)
            return {qsizetype(segment.p_offset), qsizetype(segment.p_filesz)};
    }
    ADD_FAILURE() << "no loaded segment with flags " << flags;
    return {0, elf.size()};
}

class DamagedModule : public testing::TestWithParam<ModuleDamage> {};

TEST_P(DamagedModule, EndsInTheMessageNotASignal)
{
    const ModuleDamage& d = GetParam();
    QTemporaryDir folder;
    const QString program = folder.filePath("tavrel"), module = folder.filePath("tavrel-extras.so");
    ASSERT_TRUE(QFile::copy(TAVREL_PROGRAM, program));
    ASSERT_EQ(QProcess::execute("strip", {"-o", module, TAVREL_EXTRAS_MODULE}), 0);
    QByteArray bytes = contentOf(module);
    // The section headers' offset in a 64-bit ELF header, as the build's module is.
    const auto sectionHeaders = qFromLittleEndian<quint64>(bytes.constData() + 0x28);
    bytes.truncate(d.keptShare == kSectionHeaders
                       ? qsizetype(sectionHeaders)
                       : std::max<qsizetype>(1, qsizetype(bytes.size() * d.keptShare)));
    if (d.flippedShare >= 0) {
        const auto [begin, size] = loadedPart(bytes, d.flippedWithin);
        bytes[begin + qsizetype(size * d.flippedShare)] ^= 0xff;
    }
    QFile::remove(module);
    writeFile(module, bytes);

    const Outcome outcome =
        run({"--unit", "decimal", "--measure", "2", "--export", folder.filePath("x.png")}, {},
            program);
    if (d.loads) {
        EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    } else {
        EXPECT_EQ(outcome.exitCode, 1) << "ended by a signal when -1";
        EXPECT_TRUE(outcome.err.contains("A part of Tavrel is missing or damaged (" + module +
                                         " is not the module built with this program)"))
            << outcome.err.toStdString();
    }
    EXPECT_EQ(QFile::exists(folder.filePath("x.png")), d.loads);
}

INSTANTIATE_TEST_SUITE_P(
    Module, DamagedModule,
    testing::Values(ModuleDamage{"Stripped", 1, -1, 0, true},
                    ModuleDamage{"CutInTheHeader", 0.0004, -1, 0, false},
                    ModuleDamage{"CutInTheSymbols", 0.02, -1, 0, false},
                    ModuleDamage{"CutInTheCode", 0.25, -1, 0, false},
                    ModuleDamage{"CutInTheCodeLater", 0.5, -1, 0, false},
                    ModuleDamage{"CutInTheData", 0.75, -1, 0, false},
                    ModuleDamage{"CutNearTheEnd", 0.97, -1, 0, false},
                    ModuleDamage{"SectionHeadersCut", kSectionHeaders, -1, 0, true},
                    ModuleDamage{"ByteFlippedInTheSegmentTable", 1, 0.0008, 0, false},
                    ModuleDamage{"ByteFlippedInTheCode", 1, 0.3, PF_X, false},
                    ModuleDamage{"ByteFlippedInTheData", 1, 0.9, PF_W, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A module that is missing or no file, such as a named pipe, which would keep a reader waiting:
// the help and the version never need it, and an export names the file looked for.
TEST(UnusableModule, IsNamedAndNeverWaitedFor)
{
    struct Case {
        const char* name;
        bool pipe;
        const char* problem;
    };
    for (const Case& c : {Case{"missing", false, " is missing)"},
                          Case{"a named pipe", true, " is not a file)"}}) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString program = folder.filePath("tavrel");
        const QString module = folder.filePath("tavrel-extras.so");
        ASSERT_TRUE(QFile::copy(TAVREL_PROGRAM, program));
        if (c.pipe) {
            ASSERT_EQ(::mkfifo(bytesOf(module).constData(), 0644), 0);
        }

        const Outcome help = run({"--help"}, {}, program);
        EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
        EXPECT_TRUE(help.out.contains("Usage: tavrel"));
        const Outcome version = run({"--lang", "de", "-v"}, {}, program);
        EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
        EXPECT_EQ(version.out, "tavrel 1.0.0\n");
        const Outcome exported = run(
            {"--unit", "decimal", "--measure", "2", "--export", folder.filePath("x.png")}, {},
            program);
        EXPECT_EQ(exported.exitCode, 1);
        EXPECT_TRUE(exported.err.contains("A part of Tavrel is missing or damaged (" + module +
                                          c.problem))
            << exported.err.toStdString();
    }
}

}  // namespace
