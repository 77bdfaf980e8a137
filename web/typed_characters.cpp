#include "web/typed_characters.h"

namespace tavrel::web {
namespace {

constexpr int kReplacement = 0xFFFD;

// Bytes after a lead byte, or -1 for a byte that leads no character.
int continuationCount(unsigned char lead)
{
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return -1;
}

}  // namespace

std::vector<int> codePoints(std::string_view text)
{
    std::vector<int> codes;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int more = continuationCount(lead);
        if (more < 0 || i + more >= text.size()) {
            codes.push_back(kReplacement);
            ++i;
            continue;
        }
        int code = more == 0 ? lead : lead & (0x3F >> more);
        bool whole = true;
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = whole && (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        codes.push_back(whole ? code : kReplacement);
        i += whole ? more + 1 : 1;
    }
    return codes;
}

}  // namespace tavrel::web
