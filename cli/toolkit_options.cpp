#include "cli/toolkit_options.h"

#include <algorithm>
#include <iterator>

namespace tavrel::cli {
namespace {

// Qt's options for any application, for widgets, and for the X11 platform, each also taken
// with two dashes. Some take their value after "=" as well.
constexpr std::string_view kWithValue[] = {"-platform",
                                           "-platformpluginpath",
                                           "-platformtheme",
                                           "-plugin",
                                           "-qwindowgeometry",
                                           "-geometry",
                                           "-qwindowtitle",
                                           "-title",
                                           "-qwindowicon",
                                           "-icon",
                                           "-session",
                                           "-style",
                                           "-stylesheet",
                                           "-display",
                                           "-name",
                                           "-visual"};
constexpr std::string_view kFlags[] = {"-reverse", "-testability", "-widgetcount", "-nograb",
                                       "-dograb"};
constexpr std::string_view kJoinedValue[] = {"-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N>
bool among(const std::string_view (&names)[N], std::string_view name)
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace

std::optional<int> toolkitOptionValues(std::string_view argument)
{
    if (argument.starts_with("--")) argument.remove_prefix(1);
    if (among(kWithValue, argument)) return 1;
    if (among(kFlags, argument)) return 0;
    if (std::any_of(std::begin(kJoinedValue), std::end(kJoinedValue),
                    [argument](std::string_view name) { return argument.starts_with(name); }))
        return 0;
    return std::nullopt;
}

}  // namespace tavrel::cli
