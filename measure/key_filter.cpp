#include "measure/key_filter.h"

#include "measure/text_readings.h"

namespace tavrel::measure {

namespace {
constexpr int kBackspace = 8;
}

int filterKey(int keyCode, std::string_view currentText, std::optional<Unit> unit)
{
    constexpr int kDiscard = 0;
    const bool fractions = unit == Unit::InchesFractions;
    switch (keyCode) {
    case kBackspace:
        return keyCode;
    case ' ':
        if (currentText.empty()) return kDiscard;
        if (containsChar(currentText, ' ')) return kDiscard;
        if (!fractions) return kDiscard;
        return keyCode;
    case '.':
        return containsChar(currentText, '.') ? kDiscard : keyCode;
    case '/':
        if (containsChar(currentText, '/')) return kDiscard;
        if (!fractions) return kDiscard;
        return keyCode;
    default:
        return keyCode >= '0' && keyCode <= '9' ? keyCode : kDiscard;
    }
}

std::string filterTypedCharacters(const std::vector<int>& codes, std::string_view text,
                                  std::string_view before, std::string_view after,
                                  std::optional<Unit> unit)
{
    std::string current(text);
    std::string entered;
    for (const int code : codes) {
        if (code == kBackspace || filterKey(code, current, unit) == 0) continue;
        if (entered.empty()) current = std::string(before).append(after);
        // The filter lets only ASCII characters through.
        current.insert(before.size() + entered.size(), 1, static_cast<char>(code));
        entered += static_cast<char>(code);
    }
    return entered;
}

std::optional<Refusal> firstRefusal(const std::vector<int>& codes, std::string_view text,
                                    std::string_view before, std::string_view after,
                                    std::optional<Unit> unit)
{
    std::string current(text);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int code = codes[i];
        // "1" holds none of the characters taken once, so a code refused there never enters.
        if (code == kBackspace || filterKey(code, "1", unit) == 0)
            return Refusal{i, Refusal::Why::NotTaken};
        if (filterKey(code, current, unit) == 0) {
            const bool held = containsChar(current, static_cast<char>(code));
            return Refusal{i, held ? Refusal::Why::OnlyOne : Refusal::Why::NotFirst};
        }
        if (i == 0) current = std::string(before).append(after);
        current.insert(before.size() + i, 1, static_cast<char>(code));
    }
    return std::nullopt;
}

}  // namespace tavrel::measure
