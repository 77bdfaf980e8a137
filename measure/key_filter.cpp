#include "measure/key_filter.h"

#include "measure/text_readings.h"

namespace tavrel::measure {

int filterKey(int keyCode, std::string_view currentText, std::optional<Unit> unit)
{
    constexpr int kDiscard = 0;
    const bool fractions = unit == Unit::InchesFractions;
    switch (keyCode) {
    case 8:  // Backspace
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

}  // namespace tavrel::measure
