#include "extras/extras_loader.h"

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
    return app::executableFolder();
}

struct LoadedModule {
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

const LoadedModule& loadedModule()
{
    static const LoadedModule loaded = [] {
        const QString name = programFolder() + "/tavrel-extras";
        if (const QString problem = app::extrasFileProblem(name); !problem.isEmpty())
            return LoadedModule{nullptr, problem};
        QLibrary module(name);
        const auto entry =
            reinterpret_cast<app::ExtrasEntryPoint>(module.resolve(app::kExtrasEntryPoint));
        if (entry) return LoadedModule{entry(), {}};
        return LoadedModule{nullptr, module.errorString()};
    }();
    return loaded;
}

platform::PrintOutcome printThroughModule(const picture::PersistentImage& image,
                                          double twipsPerPixelX, double twipsPerPixelY,
                                          double offsetTwips, measure::UnitSystem ruler,
                                          const platform::CorrectionFor& correctionFor,
                                          const platform::ConfirmTiledPrint& confirm)
{
    if (!loadedModule().table) return {false, loadedModule().problem()};
    return loadedModule().table->printOnDefaultPrinter(image, twipsPerPixelX, twipsPerPixelY,
                                                       offsetTwips, ruler, correctionFor, confirm);
}

platform::DefaultPrinter defaultPrinterThroughModule()
{
    if (!loadedModule().table) return {{}, {}, loadedModule().problem()};
    return loadedModule().table->defaultPrinter();
}

platform::PrintOutcome printCalibrationSheetThroughModule(measure::UnitSystem unit)
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
    if (argc < 2 || app::onlyLanguageChosen(argc, argv)) return std::nullopt;
    if (!loadedModule().table) {
        std::fprintf(stderr, "tavrel: %s\n", qPrintable(loadedModule().problem()));
        return 1;
    }
    return loadedModule().table->runCommandLine(argc, argv);
}

}  // namespace

namespace app {

const Extras& extrasOnFirstUse()
{
    static const Extras table{
        &printThroughModule,    &defaultPrinterThroughModule, &printCalibrationSheetThroughModule,
        &showHelpThroughModule, &runCommandLineThroughModule, &saveThroughModule};
    return table;
}

}  // namespace app
}  // namespace tavrel
