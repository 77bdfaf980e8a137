#include "web/pdf/win_ansi.h"

#include <cstdint>
#include <optional>

namespace tavrel::web {
namespace {

// The codes 0x80 to 0x9F, where Windows-1252 sets typographic signs and a few letters
// (Œ, Š, Ž, Ÿ) instead of Latin-1's control characters.
struct Special {
    char32_t character;
    unsigned char code;
};
constexpr Special kSpecials[] = {
    {U'€', 0x80}, {U'‚', 0x82}, {U'ƒ', 0x83}, {U'„', 0x84}, {U'…', 0x85}, {U'†', 0x86},
    {U'‡', 0x87}, {U'ˆ', 0x88}, {U'‰', 0x89}, {U'Š', 0x8A}, {U'‹', 0x8B}, {U'Œ', 0x8C},
    {U'Ž', 0x8E}, {U'‘', 0x91}, {U'’', 0x92}, {U'“', 0x93}, {U'”', 0x94}, {U'•', 0x95},
    {U'–', 0x96}, {U'—', 0x97}, {U'˜', 0x98}, {U'™', 0x99}, {U'š', 0x9A}, {U'›', 0x9B},
    {U'œ', 0x9C}, {U'ž', 0x9E}, {U'Ÿ', 0x9F},
};

char codeOf(char32_t c)
{
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) return char(c);
    if (c == U'\u202F') return char(0xA0);  // the narrow no-break space French sets before %
    for (const Special& s : kSpecials)
        if (s.character == c) return char(s.code);
    return '?';
}

// The next character of `text` from `at`, which moves past it; nullopt for a broken sequence,
// of which one byte is skipped.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& at)
{
    const auto lead = std::uint8_t(text[at++]);
    if (lead < 0x80) return lead;
    const int more = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (more < 0 || lead >= 0xF5 || at + std::size_t(more) > text.size()) return std::nullopt;
    char32_t c = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        const auto next = std::uint8_t(text[at + std::size_t(i)]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    at += std::size_t(more);
    // Overlong forms and surrogates are not characters.
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (c < least[more] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return std::nullopt;
    return c;
}

}  // namespace

std::u32string charactersOf(std::string_view utf8)
{
    std::u32string characters;
    for (std::size_t at = 0; at < utf8.size();)
        characters += nextCharacter(utf8, at).value_or(U'\uFFFD');
    return characters;
}

std::string winAnsiOf(std::string_view utf8)
{
    std::string bytes;
    for (const char32_t c : charactersOf(utf8)) bytes += codeOf(c);
    return bytes;
}

}  // namespace tavrel::web
