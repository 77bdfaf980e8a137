#include "export/reason_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ReasonText, LosesTheFullStopsAndSpacesItEndsWith)
{
    struct Case {
        const char* reason;
        const char* clause;
    };
    for (const Case& c : {Case{"Permission denied", "Permission denied"},
                          Case{"Not accepting jobs.", "Not accepting jobs"},
                          Case{"No space left... ", "No space left"},
                          Case{"Version 1.2 is too old.\n", "Version 1.2 is too old"},
                          Case{".", ""}, Case{"", ""}})
        EXPECT_EQ(tavrel::exporting::withoutFullStop(c.reason), c.clause) << c.reason;
}

}  // namespace
