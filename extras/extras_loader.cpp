// Within the program: printing, the guide, saving and the command line load the module beside
// the program the first time one of them is used, then call into it.
#include "cli/command_line.h"
#include "extras/extras.h"
#include "extras/extras_check.h"
#include "helpview/help_viewer.h"
#include "platform/executable_folder.h"
#include "platform/notice.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace tavrel {
namespace {

// The command line runs before the application object exists.
QString programFolder()
{
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return app::executableFolder();
}

struct LoadedExtras {
    const app::Extras* table = nullptr;
    QString loaderError;  // why there is no table

    // Worded at each use, in the language of that moment.
    QString problem() const
    {
        return QCoreApplication::translate("Extras",
                                           "A part of Tavrel is missing or damaged (%1). "
                                           "Install the program again.")
            .arg(loaderError);
    }
};

const LoadedExtras& extras()
{
    static const LoadedExtras loaded = [] {
        const QString name = programFolder() + "/tavrel-extras";
        if (const QString problem = app::extrasFileProblem(name); !problem.isEmpty())
            return LoadedExtras{nullptr, problem};
        QLibrary module(name);
        const auto entry =
            reinterpret_cast<app::ExtrasEntryPoint>(module.resolve(app::kExtrasEntryPoint));
        if (entry) return LoadedExtras{entry(), {}};
        return LoadedExtras{nullptr, module.errorString()};
    }();
    return loaded;
}

}  // namespace

namespace platform {

PrintOutcome printOnDefaultPrinter(const picture::PersistentImage& image, double twipsPerPixelX,
                                   double twipsPerPixelY, double offsetTwips,
                                   exporting::CheckRuler ruler, const CorrectionFor& correctionFor,
                                   const ConfirmTiledPrint& confirm)
{
    if (!extras().table) return {false, extras().problem()};
    return extras().table->printOnDefaultPrinter(image, twipsPerPixelX, twipsPerPixelY, offsetTwips,
                                                 ruler, correctionFor, confirm);
}

DefaultPrinter defaultPrinter()
{
    if (!extras().table) return {{}, {}, extras().problem()};
    return extras().table->defaultPrinter();
}

PrintOutcome printCalibrationSheet(exporting::CheckRuler unit)
{
    if (!extras().table) return {false, extras().problem()};
    return extras().table->printCalibrationSheet(unit);
}

}  // namespace platform

namespace exporting {

QString savePicture(const pattern::PatternPlan& plan, const PictureFile& file)
{
    if (!extras().table) return extras().problem();
    return extras().table->savePicture(plan, file);
}

}  // namespace exporting

namespace help {

bool showHelp(QWidget* parent, const QString& path)
{
    if (!extras().table) {
        platform::showWarning(parent,
                              QCoreApplication::translate("HelpViewer", "Help Not Available"),
                              extras().problem(), "helpMessage");
        return false;
    }
    return extras().table->showHelp(parent, path);
}

}  // namespace help

namespace app {

std::optional<int> runCommandLine(int argc, char** argv)
{
    // No arguments, or only the language: the window, without loading anything.
    if (argc < 2 || onlyLanguageChosen(argc, argv)) return std::nullopt;
    if (!extras().table) {
        std::fprintf(stderr, "tavrel: %s\n", qPrintable(extras().problem()));
        return 1;
    }
    return extras().table->runCommandLine(argc, argv);
}

}  // namespace app
}  // namespace tavrel
