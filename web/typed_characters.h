#pragma once
// The characters of a text the page hands over, as the key codes the box's filter judges.

#include <string_view>
#include <vector>

namespace tavrel::web {

// The Unicode code points of UTF-8 `text`; a byte that starts no valid character counts as
// U+FFFD, which no unit takes.
std::vector<int> codePoints(std::string_view text);

}  // namespace tavrel::web
