#include "measure/typed_text.h"

#include "measure/key_filter.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace tavrel::measure;

namespace {

TEST(AsTypedInBox, TakesWhatTheBoxCouldHoldAndACommaThatCanOnlyBeDecimal)
{
    struct Case {
        const char* text;
        int unit;
        std::optional<std::string> typed;
    };
    const std::nullopt_t refused = std::nullopt;
    for (const Case& c :
         {Case{"2.5", 0, "2.5"}, Case{"", 0, ""}, Case{".", 2, "."}, Case{"007", 2, "007"},
          Case{"2 1/2", 1, "2 1/2"}, Case{" 3", 1, " 3"}, Case{"/ .", 1, "/ ."},
          Case{"2 1/2", 0, refused}, Case{"1/2", 2, refused}, Case{"2 5", 2, refused},
          Case{" 3 1/4", 1, refused}, Case{"1//2", 1, refused}, Case{"1.2.3", 0, refused},
          Case{"12abc", 0, refused}, Case{"1e3", 0, refused}, Case{"-5", 2, refused},
          Case{"+5", 1, refused}, Case{"5\t", 0, refused}, Case{"5\n", 1, refused},
          Case{"\b5", 0, refused}, Case{"\xef\xbc\x95", 0, refused},
          // The comma
          Case{"2,5", 0, "2.5"}, Case{"2,5", 2, "2.5"}, Case{"1,5 1/2", 1, "1.5 1/2"},
          Case{",5", 0, ".5"}, Case{"5,", 2, "5."}, Case{"1,0000", 0, "1.0000"},
          Case{",500", 2, refused}, Case{"1,000", 2, refused}, Case{"12,345", 0, refused},
          Case{"1,000/2", 1, refused}, Case{"1,5,0", 0, refused}, Case{"1,5.0", 2, refused},
          Case{"1.5,0", 2, refused}, Case{",", 0, "."}, Case{",,", 0, refused},
          Case{"2,5a", 0, refused}}) {
        EXPECT_EQ(asTypedInBox(c.text, *unitAt(c.unit)), c.typed)
            << "'" << c.text << "' in unit " << c.unit;
    }
}

// Every text of up to three characters that the box can reach by typing through its key filter
// and deleting, with the caret anywhere: exactly the texts couldBeTyped takes.
std::set<std::string> reachableTexts(Unit unit, const std::string& keys, std::size_t longest)
{
    std::set<std::string> reached{""};
    std::vector<std::string> open{""};
    while (!open.empty()) {
        const std::string text = open.back();
        open.pop_back();
        std::vector<std::string> next;
        for (std::size_t at = 0; at < text.size(); ++at)
            next.push_back(text.substr(0, at) + text.substr(at + 1));
        if (text.size() < longest)
            for (const char key : keys)
                if (filterKey(static_cast<unsigned char>(key), text, unit) != 0)
                    for (std::size_t at = 0; at <= text.size(); ++at)
                        next.push_back(text.substr(0, at) + key + text.substr(at));
        for (const std::string& text : next)
            if (reached.insert(text).second) open.push_back(text);
    }
    return reached;
}

TEST(CouldBeTyped, IsWhatTheKeyFilterLetsTheBoxReach)
{
    const std::string keys = "1./ ,a-";
    for (const int index : {0, 1, 2}) {
        const Unit unit = *unitAt(index);
        // One character more than the texts compared, to delete it again ("1 " to " ").
        const std::set<std::string> reachable = reachableTexts(unit, keys, 4);
        std::vector<std::string> texts{""};
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i].size() < 3)
                for (const char key : keys) texts.push_back(texts[i] + key);
        for (const std::string& text : texts)
            EXPECT_EQ(couldBeTyped(text, unit), reachable.count(text) == 1)
                << "'" << text << "' in unit " << index;
    }
}

}  // namespace
