// Any text in any unit at the usual screen resolutions: the readings and the conversion never
// fail, give the same answer twice, and answer with a base length the window can act on; what
// the box can hold is what the command line takes.
// Input: a unit byte ('0' '1' '2'), a resolution byte ('0' to '4'), then the text.

#include "fuzz_require.h"
#include "measure/conversion.h"
#include "measure/key_filter.h"
#include "measure/text_readings.h"
#include "measure/typed_text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace {

using namespace tavrel::measure;
using Status = Conversion::Status;

// 96, 120, 144, 192 and 72 dots per inch.
constexpr float kTwipsPerPixel[] = {15.0f, 12.0f, 10.0f, 7.5f, 20.0f};

// A byte as a choice among n, so that '0', '1', '2' in a seed file choose 0, 1, 2.
unsigned choice(std::uint8_t byte, unsigned n) { return static_cast<std::uint8_t>(byte - '0') % n; }

bool isNumberOrInfinity(double value) { return !std::isnan(value) && value >= 0.0; }

void checkReadings(std::string_view text)
{
    FUZZ_REQUIRE(isNumberOrInfinity(numericPrefix(text)));
    if (const auto strict = strictReading(text)) {
        FUZZ_REQUIRE(isNumberOrInfinity(*strict));
        FUZZ_REQUIRE(*strict == numericPrefix(text));  // a whole number reads the same either way
    }

    const float fraction = ParseFraction(text);
    FUZZ_REQUIRE(std::isfinite(fraction) && fraction >= 0.0f);

    for (const char delimiter : {' ', '/'}) {
        const auto pieces = splitAt(text, delimiter);
        std::string joined;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (i > 0) joined += delimiter;
            joined += pieces[i];
        }
        FUZZ_REQUIRE(joined == text);
        FUZZ_REQUIRE(pieces.empty() == text.empty());
    }

    const std::string_view trimmed = trimSpaces(text);
    FUZZ_REQUIRE(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
    FUZZ_REQUIRE(text.find(trimmed) != std::string_view::npos);
}

void checkConversion(std::string_view text, int unit, float twipsPerPixel)
{
    const Conversion first = convertMeasurement(text, unitAt(unit), twipsPerPixel);
    const Conversion second = convertMeasurement(text, unitAt(unit), twipsPerPixel);
    FUZZ_REQUIRE(first == second);

    switch (first.status) {
    case Status::Ok:
        FUZZ_REQUIRE(std::isfinite(first.M) && first.M > 0.0f);
        FUZZ_REQUIRE(std::isfinite(first.pixels) && first.pixels > 0.0f);
        FUZZ_REQUIRE(first.M == static_cast<float>(static_cast<double>(first.pixels) * 0.75));
        break;
    case Status::NothingToDraw:
    case Status::TooLarge:
        FUZZ_REQUIRE(first.M == 0.0f);
        break;
    }
}

// Typed one key at a time at the end of the box: whatever gets through keeps the shape the
// entry promises (digits, one '.', and only in fractions one '/' and one ' ', never first).
void checkTyping(std::string_view keys, int unit)
{
    std::string box;
    for (const char key : keys) {
        const int code = static_cast<std::uint8_t>(key);
        const int passed = filterKey(code, box, unitAt(unit));
        FUZZ_REQUIRE(passed == code || passed == 0);
        if (passed == 8) {
            if (!box.empty()) box.pop_back();
        } else if (passed != 0) {
            box += key;
        }
    }
    const auto count = [&box](char c) { return std::count(box.begin(), box.end(), c); };
    FUZZ_REQUIRE(box.find_first_not_of("0123456789./ ") == std::string::npos);
    FUZZ_REQUIRE(count('.') <= 1);
    FUZZ_REQUIRE(count('/') <= (unit == 1 ? 1 : 0));
    FUZZ_REQUIRE(count(' ') <= (unit == 1 ? 1 : 0));
    FUZZ_REQUIRE(box.empty() || box.front() != ' ');
    FUZZ_REQUIRE(couldBeTyped(box, *unitAt(unit)));
}

// A command line's text is taken only as the box could hold it: itself, or with its comma read
// as the point.
void checkCommandLineText(std::string_view text, int unit)
{
    const auto typed = asTypedInBox(text, *unitAt(unit));
    if (!typed) return;
    FUZZ_REQUIRE(couldBeTyped(*typed, *unitAt(unit)));
    FUZZ_REQUIRE(typed->size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        FUZZ_REQUIRE((*typed)[i] == text[i] || (text[i] == ',' && (*typed)[i] == '.'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const int unit = static_cast<int>(choice(data[0], 3));
    const float twipsPerPixel = kTwipsPerPixel[choice(data[1], std::size(kTwipsPerPixel))];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    checkReadings(text);
    checkConversion(text, unit, twipsPerPixel);
    checkTyping(text, unit);
    checkCommandLineText(text, unit);
    return 0;
}
