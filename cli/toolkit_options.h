#pragma once
// The options the window toolkit takes from the command line itself, such as -platform NAME,
// -style=NAME or -reverse: a window started with them is started as the user asked.

#include <optional>
#include <string_view>

namespace tavrel::cli {

// How many of the arguments after `argument` the window toolkit takes as its value (0 or 1);
// nullopt when `argument` is no option of the window toolkit.
std::optional<int> toolkitOptionValues(std::string_view argument);

}  // namespace tavrel::cli
