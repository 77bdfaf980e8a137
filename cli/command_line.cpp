#include "cli/command_line.h"

#include "cli/help_and_version.h"
#include "cli/toolkit_options.h"
#include "export/calibration_sheet.h"
#include "export/file_name.h"
#include "export/paper.h"
#include "export/pattern_export.h"
#include "measure/fractions_reading.h"
#include "measure/typed_text.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <array>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tavrel::cli {
namespace {

using exporting::PaperGroup;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr int kMinimumDpi = 24;
constexpr int kMaximumDpi = 1440;

// The texts of the command line, for translation.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

constexpr std::pair<std::string_view, measure::Unit> kUnitNames[] = {
    {"decimal", measure::Unit::InchesDecimal},
    {"fractions", measure::Unit::InchesFractions},
    {"millimeter", measure::Unit::Millimeter}};

struct Options {
    std::optional<std::string> unit, measure, exportPath, dpi, paper, correction, sheetPath,
        language;
    bool help = false;
    bool version = false;
};

std::optional<std::string>* valueSlot(Options& options, std::string_view name)
{
    if (name == "--unit") return &options.unit;
    if (name == "--measure") return &options.measure;
    if (name == "--export") return &options.exportPath;
    if (name == "--dpi") return &options.dpi;
    if (name == "--paper") return &options.paper;
    if (name == "--correction") return &options.correction;
    if (name == "--calibration-sheet") return &options.sheetPath;
    if (name == "--lang") return &options.language;
    return nullptr;
}

bool isFlag(std::string_view argument, std::string_view shortName, std::string_view longName)
{
    return argument == shortName || argument == longName;
}

std::string_view nameOf(std::string_view argument)
{
    return argument.starts_with("--") ? argument.substr(0, argument.find('=')) : argument;
}

// Arguments of ours switch to the command line; anything else is left to the window's toolkit.
bool isOurs(std::string_view argument)
{
    Options none;
    return isFlag(argument, "-h", "--help") || isFlag(argument, "-v", "--version") ||
           valueSlot(none, nameOf(argument)) != nullptr;
}

QString unrecognised(std::string_view argument)
{
    const QString shown = QString::fromLocal8Bit(argument.data(), argument.size());
    return (argument.starts_with("-") ? CommandLine::tr("unknown option %1")
                                      : CommandLine::tr("unexpected argument %1"))
        .arg(shown);
}

// Empty when all arguments are understood; otherwise what is wrong with them.
QString parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (isFlag(argument, "-h", "--help")) {
            options.help = true;
            continue;
        }
        if (isFlag(argument, "-v", "--version")) {
            options.version = true;
            continue;
        }
        const std::string_view name = nameOf(argument);
        std::optional<std::string>* slot = valueSlot(options, name);
        const QString option = QString::fromLocal8Bit(name.data(), name.size());
        if (!slot) return unrecognised(argument);
        if (*slot) return CommandLine::tr("%1 is given twice").arg(option);
        if (name.size() < argument.size())
            *slot = std::string(argument.substr(name.size() + 1));
        else if (i + 1 < argc && !isOurs(argv[i + 1]))
            *slot = argv[++i];
        else
            return CommandLine::tr("%1 needs a value").arg(option);
    }
    return {};
}

// The first argument that neither the language option nor the window toolkit takes, or a
// toolkit option or the language without its value: the window would open as if it were not
// there.
std::optional<std::string_view> argumentTheWindowRefuses(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const auto values = toolkitOptionValues(argument);
        if (argument == "--lang" && i + 1 < argc)
            ++i;
        else if (values && i + *values < argc)
            i += *values;
        else if (!argument.starts_with("--lang="))
            return argument;
    }
    return std::nullopt;
}

QString windowArgumentProblem(std::string_view argument)
{
    if (!toolkitOptionValues(argument) && argument != "--lang") return unrecognised(argument);
    return CommandLine::tr("%1 needs a value")
        .arg(QString::fromLocal8Bit(argument.data(), argument.size()));
}

std::optional<measure::Unit> unitNamed(std::string_view name)
{
    for (const auto& [unitName, unit] : kUnitNames)
        if (unitName == name) return unit;
    return std::nullopt;
}

std::optional<int> dotsPerInchOf(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < kMinimumDpi || value > kMaximumDpi) return std::nullopt;
    return value;
}

std::optional<double> decimalOf(std::string_view text)
{
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "X,Y", each factor within the bounds of a printer at 100 %.
std::optional<exporting::PrintCorrection> correctionOf(std::string_view text)
{
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto across = decimalOf(text.substr(0, comma));
    const auto down = decimalOf(text.substr(comma + 1));
    if (!across || !down || !exporting::withinBounds(*across) || !exporting::withinBounds(*down))
        return std::nullopt;
    return exporting::PrintCorrection{*across, *down};
}

int usageError(const QString& message)
{
    const QString line = CommandLine::tr("%1 (see tavrel --help)").arg(message);
    std::fprintf(stderr, "tavrel: %s\n", line.toLocal8Bit().constData());
    return kExitUsage;
}

QString unknownUnit(const std::string& name)
{
    return CommandLine::tr("unknown unit \"%1\": use decimal, fractions or millimeter")
        .arg(QString::fromLocal8Bit(name));
}

// A measurement that could not be typed in the unit's box, and how it is typed there. Every text
// suggested here is one the unit takes as it stands.
QString notTypable(const std::string& text, measure::Unit unit)
{
    const QString shown = QString::fromLocal8Bit(text);
    if (measure::commaMayGroupThousands(text))
        return CommandLine::tr(
                   "--measure \"%1\" is unclear: a comma before three digits may group thousands. "
                   "Write decimals with a point and thousands without a separator")
            .arg(shown);
    if (unit == measure::Unit::InchesDecimal)
        return CommandLine::tr(
                   "--measure \"%1\" is not a measurement in decimal inches: use 2.5 "
                   "for decimal inches or --unit fractions for 2 1/2")
            .arg(shown);
    if (unit == measure::Unit::InchesFractions)
        return CommandLine::tr(
                   "--measure \"%1\" is not a measurement in inches with fractions: use a whole "
                   "number, a fraction, or both with one space between, as 2, 1/2 or 2 1/2")
            .arg(shown);
    return CommandLine::tr(
               "--measure \"%1\" is not a measurement in millimeters: use digits "
               "with one point at most, as 63.5")
        .arg(shown);
}

// A measurement in inches with fractions that the unit would read as another size than it says:
// the window rounds "2.5" to 2 inches and reads "3 1/0" as 3.
QString misreadInFractions(const std::string& text, measure::FractionsReading reading)
{
    const QString shown = QString::fromLocal8Bit(text);
    const bool plainNumber = text.find_first_of("/ ") == std::string::npos;
    if (reading == measure::FractionsReading::WholeRounded && plainNumber)
        return CommandLine::tr(
                   "--measure \"%1\" has decimals, which --unit fractions rounds away to whole "
                   "inches: use --unit decimal for %1")
            .arg(shown);
    if (reading == measure::FractionsReading::WholeRounded)
        return CommandLine::tr(
                   "--measure \"%1\" has decimals in its whole inches, which --unit fractions "
                   "rounds away: write them in the fraction, as 2 1/2, or use --unit decimal")
            .arg(shown);
    if (reading == measure::FractionsReading::ZeroDenominator)
        return CommandLine::tr(
                   "--measure \"%1\" has a fraction over 0: write a number above 0 after the "
                   "slash, as 2 1/2")
            .arg(shown);
    return notTypable(text, measure::Unit::InchesFractions);
}

QString unknownPaper(const std::string& name)
{
    //: %2, %3 and %4 are the names of the office papers, the copy-shop papers and the rolls.
    return CommandLine::tr("unknown paper \"%1\": use %2; %3; or %4")
        .arg(QString::fromLocal8Bit(name), paperList(PaperGroup::Office),
             paperList(PaperGroup::CopyShop),
             paperList(PaperGroup::Roll));
}

// Translated messages and the words on a PDF's pages need a GUI application, for its translators
// and its fonts; none when one runs already. It needs no display, and its start-up notes about
// the desktop session (such as a missing XDG_RUNTIME_DIR) mean nothing to an export, so they are
// not shown. The application keeps its arguments for its whole life.
std::unique_ptr<QGuiApplication> applicationForFonts()
{
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 3;
    static char program[] = "tavrel", platformOption[] = "-platform", offscreen[] = "offscreen";
    static char* argv[] = {program, platformOption, offscreen, nullptr};
    QLoggingCategory::setFilterRules("default.warning=false");
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    QLoggingCategory::setFilterRules({});
    // The application takes the system's locale into the C library, whose number formatting
    // would then write "0,01" where a decimal comma is the custom; numbers here are the
    // program's own, the same everywhere.
    std::setlocale(LC_NUMERIC, "C");
    return application;
}

int runExport(const Options& options)
{
    if (!options.unit)
        return usageError(
            CommandLine::tr("--export needs --unit decimal, fractions or millimeter"));
    if (!options.measure) return usageError(CommandLine::tr("--export needs --measure TEXT"));
    const auto unit = unitNamed(*options.unit);
    if (!unit) return usageError(unknownUnit(*options.unit));
    const auto measurement = measure::asTypedInBox(*options.measure, *unit);
    if (!measurement) return usageError(notTypable(*options.measure, *unit));
    if (*unit == measure::Unit::InchesFractions) {
        const auto reading = measure::readingOfFractions(*measurement);
        if (reading != measure::FractionsReading::AsWritten)
            return usageError(misreadInFractions(*options.measure, reading));
    }
    const auto dotsPerInch = options.dpi ? dotsPerInchOf(*options.dpi) : 96;
    // The bounds as they are typed, without digit grouping.
    if (!dotsPerInch)
        return usageError(
            CommandLine::tr("--dpi takes a whole number of dots per inch from %1 to %2")
                .arg(kMinimumDpi)
                .arg(kMaximumDpi));

    // Windows drops a name's last dots, so that "x.png." would be written as x.png there and
    // refused here.
    if (options.exportPath->ends_with('.'))
        return usageError(CommandLine::tr(
            "--export FILE ends in a dot: end it in .png, .svg, .pdf or .dxf"));
    // The name's bytes as given: they need not be UTF-8.
    const std::filesystem::path path = exporting::fileNamedByArgument(*options.exportPath);
    const bool pdf = exporting::shownName(path).endsWith(".pdf", Qt::CaseInsensitive);
    const auto paper = options.paper ? exporting::paperNamed(*options.paper) : std::nullopt;
    if (options.paper && !paper) return usageError(unknownPaper(*options.paper));
    if (options.paper && !pdf)
        return usageError(CommandLine::tr("--paper goes with an export to FILE.pdf"));
    const auto correction =
        options.correction ? correctionOf(*options.correction) : exporting::PrintCorrection{};
    if (!correction)
        return usageError(CommandLine::tr(
            "--correction takes two factors from 0.8 to 1.25, across and down, as 1.02,0.99"));
    if (options.correction && !pdf)
        return usageError(CommandLine::tr("--correction goes with an export to FILE.pdf"));

    const auto fonts = pdf ? applicationForFonts() : nullptr;

    const QString failure =
        exporting::exportPattern({*measurement, *unit, *dotsPerInch, path, paper, *correction});
    if (failure.isEmpty()) return kExitOk;
    std::fprintf(stderr, "tavrel: %s\n", failure.toLocal8Bit().constData());
    return kExitFailed;
}

int runCalibrationSheet(const Options& options)
{
    if (options.measure || options.exportPath || options.dpi || options.correction)
        return usageError(CommandLine::tr("--calibration-sheet goes only with --paper and --unit"));
    const std::filesystem::path path = exporting::fileNamedByArgument(*options.sheetPath);
    if (!exporting::shownName(path).endsWith(".pdf", Qt::CaseInsensitive))
        return usageError(CommandLine::tr("--calibration-sheet writes a FILE.pdf"));
    const auto unit = options.unit ? unitNamed(*options.unit) : std::nullopt;
    if (options.unit && !unit) return usageError(unknownUnit(*options.unit));
    const auto paper = options.paper ? exporting::paperNamed(*options.paper) : std::nullopt;
    if (options.paper && !paper) return usageError(unknownPaper(*options.paper));
    const measure::UnitSystem bars =
        unit ? measure::unitSystemOf(*unit) : exporting::defaultUnitSystem();

    const auto fonts = applicationForFonts();
    const QString failure =
        exporting::saveCalibrationSheet(path, paper.value_or(exporting::defaultPaper()), bars);
    if (failure.isEmpty()) return kExitOk;
    std::fprintf(stderr, "tavrel: %s\n", failure.toLocal8Bit().constData());
    return kExitFailed;
}

}  // namespace

std::optional<int> runCommandLine(int argc, char** argv)
{
    bool any = false;
    for (int i = 1; i < argc; ++i) any = any || (isOurs(argv[i]) && nameOf(argv[i]) != "--lang");
    const auto refused = any ? std::nullopt : argumentTheWindowRefuses(argc, argv);
    if (!any && !refused) return std::nullopt;

    // English, the language the texts are written in, needs no application, only its numbers.
    const auto language = platform::languageOption(argc, argv);
    const auto application = platform::speaksEnglish(language) ? nullptr : applicationForFonts();
    platform::installTranslations(language);
    if (refused) return usageError(windowArgumentProblem(*refused));
    Options options;
    if (const QString problem = parse(argc, argv, options); !problem.isEmpty())
        return usageError(problem);
    if (options.help) return showHelp();
    if (options.version) return showVersion();
    if (options.sheetPath) return runCalibrationSheet(options);
    if (!options.exportPath)
        return usageError(CommandLine::tr(
            "--unit, --measure, --dpi, --paper and --correction go with --export FILE"));
    return runExport(options);
}

}  // namespace tavrel::cli
