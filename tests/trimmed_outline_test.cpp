#include "export/trimmed_outline.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using tavrel::exporting::OutlineArc;
using tavrel::exporting::trimmedOutline;
using tavrel::picture::ArcShape;
using tavrel::picture::EllipseShape;
using tavrel::picture::LineShape;

// In a 100 x 100 picture; the outlines' centre lines lie half a pixel right of and below the
// shapes' points, and a circle's on a box one pixel smaller than its own.
TEST(TrimmedOutline, CutsLinesAtThePictureEdge)
{
    struct Case {
        LineShape line;
        std::vector<QLineF> expected;
    };
    const QSize picture(100, 100);
    for (const Case& c :
         {Case{{10, 20, 30, 20}, {QLineF(10.5, 20.5, 30.5, 20.5)}},
          Case{{-40.5, 50, 20, 50}, {QLineF(0, 50.5, 20.5, 50.5)}},
          Case{{50, 50, 50, 250}, {QLineF(50.5, 50.5, 50.5, 100)}}, Case{{-30, 10, -3, 10}, {}}}) {
        const auto pieces = trimmedOutline(c.line, picture);
        ASSERT_EQ(pieces.size(), c.expected.size()) << c.line.x1;
        for (std::size_t i = 0; i < pieces.size(); ++i)
            EXPECT_EQ(std::get<QLineF>(pieces[i]), c.expected[i]) << c.line.x1;
    }
}

TEST(TrimmedOutline, CutsArcsWhereTheirCircleCrossesAnEdge)
{
    struct Case {
        const char* what;
        tavrel::picture::Shape shape;
        std::vector<std::pair<double, double>> startAndSweep;
    };
    const QSize picture(100, 100);
    const double pastTheTop = std::asin(0.5 / 40) * 180 / M_PI;  // where x = 0 cuts the circle
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
