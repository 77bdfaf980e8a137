#include "cli/help_and_version.h"

#include "platform/build_info.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QSizeF>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <string_view>

namespace tavrel::cli {
namespace {

using exporting::Paper;
using exporting::PaperGroup;

// The texts of the command line, for translation.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    static QString usage();
    static QString sizeOf(Paper paper);
};

// The Arch sheets are less known than the others: the help gives their size.
QString CommandLine::sizeOf(Paper paper)
{
    if (paper != Paper::ArchD && paper != Paper::ArchE) return {};
    const QSizeF inches = exporting::pageSizeOf(paper).size(QPageSize::Inch);
    //: A paper's size in inches, as "(24 x 36 in)".
    return tr("(%1 x %2 in)").arg(inches.width()).arg(inches.height());
}

QString CommandLine::usage()
{
    //: Option names, unit names and paper names stay as they are: they must be typed so. %1, %2
    //: and %3 are the names of the office papers, the copy-shop papers and the rolls.
    const QString text = tr(
        "Usage: tavrel [--unit UNIT --measure TEXT --export FILE [--dpi N] [--paper PAPER]\n"
        "              [--correction X,Y]]\n"
        "       tavrel --calibration-sheet FILE.pdf [--paper PAPER] [--unit UNIT]\n"
        "\n"
        "Without options, opens the window. With --export, draws the pattern for one measurement\n"
        "into FILE and opens no window. With --calibration-sheet, writes the sheet that measures\n"
        "a printer's scaling error: a bar across and a bar down, 8 in (20 cm with --unit\n"
        "millimeter; the locale's unit without --unit) or as long as the paper allows.\n"
        "\n"
        "  --unit UNIT     decimal (inches, as 2.5), fractions (inches, as \"2 1/2\")\n"
        "                  or millimeter (as 63.5)\n"
        "  --measure TEXT  the measurement, read as the window's entry box reads it\n"
        "  --export FILE   FILE.png: the picture at one image pixel per screen pixel, with its\n"
        "                  resolution recorded; FILE.svg: vector drawing at true size;\n"
        "                  FILE.pdf: pages to print at 100 %, tiled when the pattern is larger\n"
        "                  than the paper; FILE.dxf: lines and arcs at true size for cutting\n"
        "                  machines and CAD, in inches or millimeters as the unit\n"
        "  --dpi N         the screen resolution to draw for, in dots per inch (24 to 1440;\n"
        "                  default 96)\n"
        "  --paper PAPER   the PDF's paper: %1 (default: letter\n"
        "                  where the locale measures in US units, otherwise a4); for copy\n"
        "                  shops %2; or\n"
        "                  a roll, %3: pages of the roll's\n"
        "                  width, as long as the pattern needs up to 200 in\n"
        "  --correction X,Y\n"
        "                  undo a printer's scaling error: the PDF's pages are enlarged by X\n"
        "                  across and Y down (0.8 to 1.25, as 1.02,0.99), each the length of\n"
        "                  a bar of its calibration sheet divided by the length measured\n"
        "  --lang CODE     the language of the window and of these messages, as de or pt_BR\n"
        "                  (default: the system's)\n"
        "  -h, --help      show this help\n"
        "  -v, --version   show the version\n"
        "\n"
        "An option's value may follow as the next argument or after '=' (--dpi=120).\n"
        "Exit status: 0 written, 1 nothing written (no measurement, too large, cannot write),\n"
        "2 wrong options. An existing FILE is only ever replaced by a complete drawing.\n");
    return text.arg(paperList(PaperGroup::Office, true), paperList(PaperGroup::CopyShop, true),
                    paperList(PaperGroup::Roll, true));
}

bool asksHelp(std::string_view argument) { return argument == "-h" || argument == "--help"; }

bool asksVersion(std::string_view argument)
{
    return argument == "-v" || argument == "--version";
}

// Whether the arguments ask for the help or the version, and for nothing but that and a
// language.
bool onlyHelpOrVersion(int argc, char** argv)
{
    bool asked = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (asksHelp(argument) || asksVersion(argument))
            asked = true;
        else if (argument == "--lang" && i + 1 < argc)
            ++i;
        else if (!argument.starts_with("--lang="))
            return false;
    }
    return asked;
}

}  // namespace

// The papers of one group in the table's order, as "a2, a1, a0, arch-d or arch-e".
QString paperList(exporting::PaperGroup group, bool withSizes)
{
    QStringList names;
    for (Paper paper : exporting::allPapers()) {
        if (exporting::groupOf(paper) != group) continue;
        const QString size = withSizes ? CommandLine::sizeOf(paper) : QString();
        names << QString::fromUtf8(exporting::paperName(paper)) +
                     (size.isEmpty() ? "" : " " + size);
    }
    const QString last = names.takeLast();
    //: The last two of a list of paper names, as "legal or tabloid".
    return names.isEmpty() ? last : CommandLine::tr("%1 or %2").arg(names.join(", "), last);
}

int showHelp()
{
    std::fputs(CommandLine::usage().toLocal8Bit().constData(), stdout);
    return 0;
}

int showVersion()
{
    std::printf("tavrel %s\n", build::kVersion);
    return 0;
}

std::optional<int> runHelpOrVersion(int argc, char** argv)
{
    if (!onlyHelpOrVersion(argc, argv)) return std::nullopt;
    // Translators need an application; English needs none.
    const auto language = platform::languageOption(argc, argv);
    static int applicationArgc = 1;
    static char program[] = "tavrel";
    static char* applicationArgv[] = {program, nullptr};
    const auto application = platform::speaksEnglish(language) || QCoreApplication::instance()
                                 ? nullptr
                                 : std::make_unique<QCoreApplication>(applicationArgc,
                                                                      applicationArgv);
    platform::installTranslations(language);
    for (int i = 1; i < argc; ++i)
        if (asksHelp(argv[i])) return showHelp();
    return showVersion();
}

}  // namespace tavrel::cli
