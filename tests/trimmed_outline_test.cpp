#include "pattern/trimmed_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using tavrel::pattern::ArcShape;
using tavrel::pattern::EllipseShape;
using tavrel::pattern::OutlineArc;
using tavrel::pattern::trimmedOutline;

// In a 100 x 100 picture; the outlines' centre lines lie half a pixel right of and below the
// shapes' points, on a box one pixel smaller than the shape's. Lines, and arcs cut at an end, are
// checked on the real pattern by the DXF and SVG tests; whole circles are not in the pattern.
TEST(TrimmedOutline, CutsArcsWhereTheirCircleCrossesAnEdge)
{
    struct Case {
        const char* what;
        tavrel::pattern::Shape shape;
        std::vector<std::pair<double, double>> startAndSweep;
    };
    const tavrel::pattern::PixelSize picture{100, 100};
    const double pastTheTop = std::asin(0.5 / 40) * 180 / std::numbers::pi;  // where x = 0 cuts the circle
    // Centre (50.5, 50.5), radius 40: inside; (0.5, 50.5) radius 40: its right half only.
    for (const Case& c : {
             Case{"inside", ArcShape{10, 10, 91, 91, 91, 50, 50, 10}, {{0, 90}}},
             Case{"whole circle inside", EllipseShape{10, 10, 91, 91}, {{0, 360}}},
             Case{"quarter over the left edge",
                  ArcShape{-40, 10, 41, 91, 0, 10, -40, 50},
                  {{90, pastTheTop}}},
             Case{"circle on the left edge",
                  EllipseShape{-40, 10, 41, 91},
                  {{270 - pastTheTop, 180 + 2 * pastTheTop}}},
             Case{"wholly outside", ArcShape{-300, 10, -219, 91, 0, 0, 0, 0}, {}},
             Case{"without size", EllipseShape{50, 50, 51, 51}, {}},
         }) {
        const auto pieces = trimmedOutline(c.shape, picture);
        ASSERT_EQ(pieces.size(), c.startAndSweep.size()) << c.what;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const auto& arc = std::get<OutlineArc>(pieces[i]);
            EXPECT_NEAR(arc.startDegrees, c.startAndSweep[i].first, 1e-9) << c.what;
            EXPECT_NEAR(arc.sweepDegrees, c.startAndSweep[i].second, 1e-9) << c.what;
        }
    }
}

}  // namespace
