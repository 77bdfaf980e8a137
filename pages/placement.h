#pragma once
// Where a printed picture sits on its page.

namespace tavrel::pages {

// A printed picture sits this far from the left and the top of the printable area.
inline constexpr double kPlacementTwips = 250;

}  // namespace tavrel::pages
