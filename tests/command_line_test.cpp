// The real program run as a user runs it from a shell, with no display at all: exit codes,
// messages, and what happens to the file named by --export.

#include "drawing.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out, err;
};

Outcome run(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(TAVREL_PROGRAM, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
        for (const char* format : {"svg", "pdf"})
            if (QString(argument).endsWith(QString("@") + format))
                target = folder.filePath(QString("pattern.") + format);
    // An earlier file in the target's place must survive every failure whole.
    const QByteArray earlier = "an earlier pattern the user keeps";
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlier);
    }

    QStringList arguments;
    for (const char* argument : c.arguments)
        arguments << QString(argument).replace(QRegularExpression("@(png|svg|pdf)$"), target);
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
        EXPECT_NE(contentOf(target), earlier);
    else
        EXPECT_EQ(contentOf(target), earlier);
    // Nothing else is left behind: no temporary file, finished or not.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QFileInfo(target).fileName()});
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
             "--dpi takes", false}));

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

INSTANTIATE_TEST_SUITE_P(
    BadInput, CommandLine,
    testing::Values(
        Case{{"--unit", "decimal", "--measure", "0", "--export", "@png"}, 1, "Nothing to draw",
             false},
        Case{{"--unit", "decimal", "--measure", "", "--export", "@png"}, 1, "Nothing to draw",
             false},
        Case{{"--unit", "millimeter", "--measure", ".", "--export", "@png"}, 1,
             "Nothing to draw", false},
        Case{{"--unit", "millimeter", "--measure", "-5", "--export", "@png"}, 1,
             "Nothing to draw", false},
        Case{{"--unit", "fractions", "--measure", "1/0", "--export", "@png"}, 1,
             "Nothing to draw", false},
        Case{{"--unit", "fractions", "--measure", " 3 1/4", "--export", "@png"}, 1,
             "Nothing to draw", false},
        Case{{"--unit", "decimal", "--measure", "91.03", "--export", "@png"}, 1,
             "Too large to draw. The largest measurement is 91.02 inches.", false},
        Case{{"--unit", "fractions", "--measure", "99999999999", "--export", "@svg"}, 1,
             "Too large to draw. The largest measurement is 91 inches.", false},
        Case{{"--unit", "millimeter", "--measure", "1e9", "--export", "@png"}, 1,
             "Nothing to draw", false}));

TEST(CommandLineExport, TooLargeNamesTheLargestMeasurementForTheGivenResolution)
{
    QTemporaryDir folder;
    const Outcome outcome = run({"--unit", "millimeter", "--measure", "2312", "--dpi", "120",
                                 "--export", folder.filePath("big.png")});
    EXPECT_EQ(outcome.exitCode, 1);
    const std::string largest = tavrel::pattern::largestMeasurementWithUnit(2, {12, 12});
    EXPECT_EQ(outcome.err.toStdString(),
              "tavrel: Too large to draw. The largest measurement is " + largest + ".\n");
    EXPECT_FALSE(QFile::exists(folder.filePath("big.png")));
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
          Case{folder.filePath("pattern.jpg"), "the file name must end in .png, .svg or .pdf"},
          Case{folder.filePath("pattern"), "the file name must end in .png, .svg or .pdf"}}) {
        const Outcome outcome = run({"--unit", "decimal", "--measure", "1", "--export", c.path});
        EXPECT_EQ(outcome.exitCode, 1) << c.path.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.path)) << outcome.err.toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST(CommandLineExport, PngHasThePictureSizeAndResolution)
{
    struct Case {
        const char* measure;
        const char* dpi;
        QSize size;
        int dotsPerMetre;
    };
    QTemporaryDir folder;
    const QString path = folder.filePath("pattern.png");
    for (const Case& c : {Case{"1.3888889", "96", {301, 420}, 3780},
                          Case{"1", "120", {271, 378}, 4724}}) {
        ASSERT_EQ(run({"--unit", "decimal", "--measure", c.measure, "--dpi", c.dpi, "--export", path})
                      .exitCode,
                  0);
        const QImage png(path);
        EXPECT_EQ(png.size(), c.size) << c.measure;
        EXPECT_EQ(png.dotsPerMeterX(), c.dotsPerMetre) << c.measure;
        EXPECT_EQ(png.dotsPerMeterY(), c.dotsPerMetre) << c.measure;
    }
}

TEST(CommandLineExport, SvgHasThePrintedSize)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("pattern.svg");
    ASSERT_EQ(run({"--unit", "decimal", "--measure", "1.3888889", "--export", path}).exitCode, 0);
    const QString svg = QString::fromUtf8(contentOf(path));
    // 301 x 420 pixels at 96 dots per inch: 3.1354 x 4.375 inches.
    const auto match = QRegularExpression("<svg width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\"")
                           .match(svg);
    ASSERT_TRUE(match.hasMatch()) << svg.left(300).toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), 301 * 25.4 / 96, 0.001);
    EXPECT_NEAR(match.captured(2).toDouble(), 420 * 25.4 / 96, 0.001);
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 301 420\""));
}

TEST(CommandLineExport, VersionIsTheProgramsOwn)
{
    EXPECT_EQ(run({"--version"}).out, "tavrel 1.0.0\n");
}

}  // namespace
