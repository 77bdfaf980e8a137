#include "app/help_path.h"

#include <gtest/gtest.h>

namespace {

struct Folder {
    const char* programFolder;
    const char* helpFile;
};

class HelpPath : public testing::TestWithParam<Folder> {};

TEST_P(HelpPath, AppendsOneSeparatorAndTheFileName)
{
    EXPECT_EQ(tavrel::app::helpFilePath(GetParam().programFolder), GetParam().helpFile);
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

}  // namespace
