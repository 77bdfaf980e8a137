#include "measure/key_filter.h"

#include <gtest/gtest.h>

using tavrel::measure::filterKey;
using tavrel::measure::filterTypedCharacters;
using tavrel::measure::firstRefusal;
using Why = tavrel::measure::Refusal::Why;

namespace {

struct KeyCase {
    int key;
    const char* text;
    int unit;
    bool accepted;
};

class KeyFilter : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilter, FollowsTheTable)
{
    const auto& c = GetParam();
    EXPECT_EQ(filterKey(c.key, c.text, tavrel::measure::unitAt(c.unit)), c.accepted ? c.key : 0)
        << "key " << c.key << " text '" << c.text << "' unit " << c.unit;
}

INSTANTIATE_TEST_SUITE_P(
    EveryRow, KeyFilter,
    testing::Values(
        KeyCase{8, "", 0, true}, KeyCase{8, "", 1, true}, KeyCase{8, "12", 2, true},
        KeyCase{' ', "", 1, false}, KeyCase{' ', "2", 1, true}, KeyCase{' ', "2 1", 1, false},
        KeyCase{' ', "2", 0, false}, KeyCase{' ', "2", 2, false}, KeyCase{'.', "", 0, true},
        KeyCase{'.', "", 2, true}, KeyCase{'.', "1.", 1, false}, KeyCase{'.', "1/2", 1, true},
        KeyCase{'/', "", 1, true}, KeyCase{'/', "1/", 1, false}, KeyCase{'/', "1", 0, false},
        KeyCase{'/', "1", 2, false}, KeyCase{'0', "", 0, true}, KeyCase{'9', "1.5", 2, true},
        KeyCase{13, "1", 0, false}, KeyCase{22, "1", 1, false}, KeyCase{0, "", 0, false},
        KeyCase{7, "", 0, false}, KeyCase{9, "", 0, false}, KeyCase{'-', "", 0, false},
        KeyCase{',', "1", 2, false}, KeyCase{'a', "", 1, false}, KeyCase{'e', "1", 0, false},
        KeyCase{127, "", 0, false}, KeyCase{0xE9, "", 0, false}, KeyCase{255, "", 1, false},
        // No unit chosen yet: digits still pass, the fraction characters do not.
        KeyCase{'5', "", -1, true}, KeyCase{'/', "", -1, false}));

// Typed one after another: each character against the text as it is by then, the first one
// let through against the whole text, selection included, which it then replaces.
TEST(TypedCharacters, EachPassesTheFilterAgainstTheTextAsItIsByThen)
{
    const struct {
        const char* typed;
        const char* before;
        const char* selected;
        const char* after;
        int unit;
        const char* entered;
    } cases[] = {
        {"2.5", "", "1.5", "", 0, "2.5"},   {".5", "", "1.5", "", 0, "5"},
        {"1.2.3", "", "", "", 0, "1.23"},   {" 1 /2/", "", "", "", 1, "1 /2"},
        {"\b1", "2", "", "", 0, "1"},        {" ", "", "", "1/2", 1, " "},
        {".", "1", "", "5", 2, "."},          {" ", "", "1", "", 1, " "},
    };
    for (const auto& c : cases) {
        const std::string text = std::string(c.before) + c.selected + c.after;
        const std::string typed = c.typed;
        EXPECT_EQ(filterTypedCharacters(std::vector<int>(typed.begin(), typed.end()), text,
                                        c.before, c.after, tavrel::measure::unitAt(c.unit)),
                  c.entered)
            << "'" << c.typed << "' into '" << text << "'";
    }
}

// The first character that would not enter, typed the same way, and why: one the unit never
// takes, a second of those taken once, or a blank into the empty box.
TEST(TypedCharacters, TheFirstRefusedIsFoundWithItsReason)
{
    const struct {
        const char* typed;
        const char* before;
        const char* selected;
        const char* after;
        int unit;
        std::optional<std::size_t> index;
        Why why;
    } cases[] = {
        {"2 1/2", "", "", "", 1, std::nullopt, {}},
        {"2.5", "", "1.5", "", 0, std::nullopt, {}},  // the selection gives way to the first
        {"2\t1/2", "", "", "", 1, 1, Why::NotTaken},
        {"1/2", "", "", "", 0, 1, Why::NotTaken},
        {"1.2.3", "", "", "", 0, 3, Why::OnlyOne},
        {".5", "", "1.5", "", 0, 0, Why::OnlyOne},  // judged against the whole text first
        {" 1 2", "2", "", "", 1, 2, Why::OnlyOne},
        {" 1/2", "", "", "", 1, 0, Why::NotFirst},
        {"\b1", "2", "", "", 0, 0, Why::NotTaken},
    };
    for (const auto& c : cases) {
        const std::string text = std::string(c.before) + c.selected + c.after;
        const std::string typed = c.typed;
        const auto refusal =
            firstRefusal(std::vector<int>(typed.begin(), typed.end()), text, c.before, c.after,
                         tavrel::measure::unitAt(c.unit));
        const std::string row = "'" + typed + "' into '" + text + "'";
        ASSERT_EQ(refusal.has_value(), c.index.has_value()) << row;
        if (!refusal) continue;
        EXPECT_EQ(refusal->index, *c.index) << row;
        EXPECT_EQ(refusal->why, c.why) << row;
    }
}

}  // namespace
