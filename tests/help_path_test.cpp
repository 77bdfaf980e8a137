#include "helpview/help_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

struct Folder {
    const char* programFolder;
    const char* helpFile;
};

class HelpPath : public testing::TestWithParam<Folder> {};

TEST_P(HelpPath, AppendsOneSeparatorAndTheFileName)
{
    EXPECT_EQ(tavrel::help::helpFilePath(GetParam().programFolder), GetParam().helpFile);
}

INSTANTIATE_TEST_SUITE_P(
    WindowsAndPosixFolders, HelpPath,
    testing::Values(Folder{"C:\\Tools", "C:\\Tools\\TavrelMarker.chm"},
                    Folder{"C:\\", "C:\\TavrelMarker.chm"},
                    Folder{"\\\\server\\share\\dir", "\\\\server\\share\\dir\\TavrelMarker.chm"},
                    Folder{"C:", "C:\\TavrelMarker.chm"},
                    Folder{"/opt/tavrel/bin", "/opt/tavrel/bin/TavrelMarker.chm"},
                    Folder{"/", "/TavrelMarker.chm"},
                    Folder{"/home/ann/My Patterns", "/home/ann/My Patterns/TavrelMarker.chm"}));

// A program folder that holds the English guide, a German one and both Portuguese ones: the
// translated guide is chosen by the code's translation when its file is there.
struct Language {
    const char* code;
    const char* helpFile;
};

class TranslatedHelpPath : public testing::TestWithParam<Language> {
protected:
    static void SetUpTestSuite()
    {
        std::filesystem::create_directories(folder());
        for (const char* name : {"TavrelMarker.chm", "TavrelMarker_de.chm",
                                 "TavrelMarker_pt_PT.chm", "TavrelMarker_pt_BR.chm"})
            std::ofstream(folder() / name) << "guide";
        std::filesystem::create_directories(folder() / "TavrelMarker_nl.chm");
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(folder()); }
    static std::filesystem::path folder()
    {
        // One folder per process: CTest may run the cases side by side.
        return std::filesystem::path(testing::TempDir()) /
               ("tavrel_translated_help_" + std::to_string(getpid()));
    }
};

TEST_P(TranslatedHelpPath, ChoosesThePresentGuideOfTheLanguage)
{
    // With the system's own separator: a backslash in a Windows folder.
    EXPECT_EQ(tavrel::help::helpFilePath(folder().string(), GetParam().code),
              (folder() / GetParam().helpFile).string())
        << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TranslatedHelpPath,
    testing::Values(Language{"de", "TavrelMarker_de.chm"}, Language{"de_DE", "TavrelMarker_de.chm"},
                    Language{"de_AT", "TavrelMarker_de.chm"}, Language{"DE", "TavrelMarker_de.chm"},
                    Language{"de_DE.UTF-8", "TavrelMarker_de.chm"},
                    // Brazil's Portuguese for Brazil only.
                    Language{"pt_BR", "TavrelMarker_pt_BR.chm"},
                    Language{"pt-Latn-BR", "TavrelMarker_pt_BR.chm"},
                    Language{"PT_br.UTF-8", "TavrelMarker_pt_BR.chm"},
                    Language{"pt-PT", "TavrelMarker_pt_PT.chm"},
                    Language{"pt", "TavrelMarker_pt_PT.chm"},
                    Language{"pt_AO", "TavrelMarker_pt_PT.chm"},
                    // No such guide, or a folder where it should be: English.
                    Language{"fr_FR", "TavrelMarker.chm"}, Language{"nl", "TavrelMarker.chm"},
                    Language{"en_US", "TavrelMarker.chm"}, Language{"C", "TavrelMarker.chm"},
                    Language{"", "TavrelMarker.chm"}, Language{"_DE", "TavrelMarker.chm"},
                    // Codes that would lead out of the program's folder.
                    Language{"../de", "TavrelMarker.chm"},
                    Language{"de/../../de", "TavrelMarker.chm"}));

}  // namespace
