#pragma once
// The physical units the program measures in, defined once.

namespace tavrel::measure {

inline constexpr double kTwipsPerInch = 1440;  // a twip is 1/1440 inch
inline constexpr double kMillimetersPerInch = 25.4;
inline constexpr double kCentimetersPerInch = 2.54;

// Twips per screen pixel at a resolution in dots per inch; 15 (96 dpi) for a resolution that
// is not above 0.
inline float twipsPerPixelForDpi(double dotsPerInch)
{
    return dotsPerInch > 0 ? static_cast<float>(kTwipsPerInch / dotsPerInch) : 15.0f;
}

}  // namespace tavrel::measure
