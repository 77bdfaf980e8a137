#include "key_filter.h"

#include "text_readings.h"

namespace tavrel::measure {

int filterKey(int keyCode, std::string_view currentText, int selectedUnit)
{
    constexpr int kDiscard = 0;
    const bool fractions = selectedUnit == 1;
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
