#include "platform/translation_name.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace tavrel::platform {
namespace {

bool allLetters(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalpha(c) && c < 0x80; });
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// "pt", "Latn" and "BR" for "pt-Latn-BR.UTF-8@euro".
std::vector<std::string_view> partsOf(std::string_view code)
{
    code = code.substr(0, code.find_first_of(".@"));
    std::vector<std::string_view> parts;
    for (size_t end; (end = code.find_first_of("_-")) != std::string_view::npos;) {
        parts.push_back(code.substr(0, end));
        code.remove_prefix(end + 1);
    }
    parts.push_back(code);
    return parts;
}

}  // namespace

std::string translationName(std::string_view code)
{
    const std::vector<std::string_view> parts = partsOf(code);
    const std::string_view language = parts.front();
    if (language.size() < 2 || language.size() > 3 || !allLetters(language)) return {};
    if (lowerCase(language) != "pt") return lowerCase(language);
    // The country is the part of two letters; a script such as "Latn" has four.
    const bool brazil = std::any_of(parts.begin() + 1, parts.end(), [](std::string_view part) {
        return part.size() == 2 && lowerCase(part) == "br";
    });
    return brazil ? "pt_BR" : "pt_PT";
}

}  // namespace tavrel::platform
