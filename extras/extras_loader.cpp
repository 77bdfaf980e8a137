#include "extras/extras_loader.h"

#include "cli/help_and_version.h"
#include "extras/extras_check.h"
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
    return platform::executableFolder();
}

struct LoadedModule {
    const extras::Extras* table = nullptr;
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

const LoadedModule& loadedModule()
{
    static const LoadedModule loaded = [] {
        const QString name = programFolder() + "/tavrel-extras";
        if (const QString problem = extras::extrasFileProblem(name); !problem.isEmpty())
            return LoadedModule{nullptr, problem};
        QLibrary module(name);
        const auto entry =
            reinterpret_cast<extras::ExtrasEntryPoint>(module.resolve(extras::kExtrasEntryPoint));
        if (entry) return LoadedModule{entry(), {}};
        return LoadedModule{nullptr, module.errorString()};
    }();
    return loaded;
}

printing::PrintOutcome printThroughModule(const picture::PersistentImage& image,
                                          double twipsPerPixelX, double twipsPerPixelY,
                                          double offsetTwips, measure::UnitSystem ruler,
                                          const printing::CorrectionFor& correctionFor,
                                          const printing::ConfirmTiledPrint& confirm)
{
    if (!loadedModule().table) return {false, loadedModule().problem()};
    return loadedModule().table->printOnDefaultPrinter(image, twipsPerPixelX, twipsPerPixelY,
                                                       offsetTwips, ruler, correctionFor, confirm);
}

printing::DefaultPrinter defaultPrinterThroughModule()
{
    if (!loadedModule().table) return {{}, {}, loadedModule().problem()};
    return loadedModule().table->defaultPrinter();
}

printing::PrintOutcome printCalibrationSheetThroughModule(measure::UnitSystem unit)
{
    if (!loadedModule().table) return {false, loadedModule().problem()};
    return loadedModule().table->printCalibrationSheet(unit);
}

QString saveThroughModule(const pattern::PatternPlan& plan, const exporting::PictureFile& file)
{
    if (!loadedModule().table) return loadedModule().problem();
    return loadedModule().table->savePicture(plan, file);
}

bool showHelpThroughModule(QWidget* parent, const QString& path)
{
    if (!loadedModule().table) {
        platform::showWarning(parent,
                              QCoreApplication::translate("HelpViewer", "Help Not Available"),
                              loadedModule().problem(), "helpMessage");
        return false;
    }
    return loadedModule().table->showHelp(parent, path);
}

std::optional<int> runCommandLineThroughModule(int argc, char** argv)
{
    // No arguments, or only the language: the window, without loading anything.
    if (argc < 2 || platform::onlyLanguageChosen(argc, argv)) return std::nullopt;
    if (const auto answered = cli::runHelpOrVersion(argc, argv)) return answered;
    if (!loadedModule().table) {
        std::fprintf(stderr, "tavrel: %s\n", qPrintable(loadedModule().problem()));
        return 1;
    }
    return loadedModule().table->runCommandLine(argc, argv);
}

}  // namespace

namespace extras {

const Extras& tableOnFirstUse()
{
    static const Extras table{
        &printThroughModule,    &defaultPrinterThroughModule, &printCalibrationSheetThroughModule,
        &showHelpThroughModule, &runCommandLineThroughModule, &saveThroughModule};
    return table;
}

}  // namespace extras
}  // namespace tavrel
