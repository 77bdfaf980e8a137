// The exported PNG checked against the pattern's own geometry: ink along every line and arc of
// the plan, and no ink anywhere else. Every pixel is checked, so the centres of the arcs' boxes,
// the paper just beside each arc and the gaps past their ends must all stay white.

#include "export/pattern_export.h"
#include "pattern/drawing.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>

namespace {

using namespace tavrel;

constexpr double kDegree = std::numbers::pi / 180.0;

double distanceToSegment(double px, double py, double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double lengthSquared = dx * dx + dy * dy;
    const double t =
        lengthSquared == 0 ? 0 : std::clamp(((px - x1) * dx + (py - y1) * dy) / lengthSquared, 0.0, 1.0);
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

// Angles in degrees, counter-clockwise as seen on screen, from the start angle to the end angle.
struct Arc {
    double x, y, radius, start, end;

    double sweep() const { return std::fmod(std::fmod(end - start, 360) + 360, 360); }
    double pointX(double degrees) const { return x + radius * std::cos(degrees * kDegree); }
    double pointY(double degrees) const { return y - radius * std::sin(degrees * kDegree); }

    double distanceTo(double px, double py) const
    {
        const double angle = std::atan2(y - py, px - x) / kDegree;
        const double fromStart = std::fmod(std::fmod(angle - start, 360) + 360, 360);
        if (fromStart <= sweep()) return std::abs(std::hypot(px - x, py - y) - radius);
        return std::min(std::hypot(px - pointX(start), py - pointY(start)),
                        std::hypot(px - pointX(end), py - pointY(end)));
    }
};

struct Figure {
    std::vector<pattern::LineOp> lines;
    std::vector<Arc> arcs;

    double distanceTo(double px, double py) const
    {
        double nearest = INFINITY;
        for (const auto& l : lines)
            nearest = std::min(nearest, distanceToSegment(px, py, l.x1, l.y1, l.x2, l.y2));
        for (const Arc& arc : arcs) nearest = std::min(nearest, arc.distanceTo(px, py));
        return nearest;
    }
};

Figure figureOf(const pattern::PatternPlan& plan)
{
    Figure figure;
    for (const pattern::Operation& op : plan.figure) {
        if (const auto* line = std::get_if<pattern::LineOp>(&op)) figure.lines.push_back(*line);
        if (const auto* arc = std::get_if<pattern::ArcOp>(&op)) {
            const pattern::ArcArguments& a = arc->arguments;
            figure.arcs.push_back({double(a.X), double(a.Y), double(a.radius), double(a.StartAngle),
                                   double(a.EndAngle)});
        }
    }
    figure.lines.insert(figure.lines.end(), plan.ruler.begin(), plan.ruler.end());
    return figure;
}

bool inkNear(const QImage& png, double x, double y)
{
    const int cx = int(std::lround(x)), cy = int(std::lround(y));
    for (int j = cy - 1; j <= cy + 1; ++j)
        for (int i = cx - 1; i <= cx + 1; ++i)
            if (png.valid(i, j) && qGray(png.pixel(i, j)) < 128) return true;
    return false;
}

struct Case {
    int unit;
    const char* text;
    int dotsPerInch;
    float M;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << "unit " << c.unit << " \"" << c.text << "\" at " << c.dotsPerInch << " dpi";
}

class PicturePixels : public testing::TestWithParam<Case> {};

TEST_P(PicturePixels, InkLiesOnTheFigureAndNowhereElse)
{
    const Case& c = GetParam();
    const float twipsPerPixel = float(1440.0 / c.dotsPerInch);
    const auto unit = *tavrel::measure::unitAt(c.unit);
    const auto drawing = pattern::prepareDrawing(c.text, unit, {twipsPerPixel, twipsPerPixel});
    ASSERT_TRUE(drawing.plan);
    ASSERT_EQ(drawing.plan->M, c.M);

    QTemporaryDir folder;
    const QString path = folder.filePath("pattern.png");
    ASSERT_EQ(exporting::exportPattern({c.text, unit, c.dotsPerInch, path.toStdString()}), "");
    const QImage png(path);
    ASSERT_EQ(png.size(), QSize(drawing.plan->pictureWidth, drawing.plan->pictureHeight));

    const Figure figure = figureOf(*drawing.plan);
    // A drawn pixel lies right of and below its point; rays end on whole pixels.
    constexpr double kTolerance = 2.0;
    int stray = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            if (qGray(png.pixel(x, y)) < 128 && figure.distanceTo(x, y) > kTolerance && stray++ < 5)
                ADD_FAILURE() << "ink away from the figure at (" << x << ", " << y << ")";
    EXPECT_EQ(stray, 0);

    for (const Arc& arc : figure.arcs)
        for (double t = 0.05; t < 1; t += 0.05) {
            const double angle = arc.start + t * arc.sweep();
            if (!png.valid(int(arc.pointX(angle)), int(arc.pointY(angle)))) continue;
            EXPECT_TRUE(inkNear(png, arc.pointX(angle), arc.pointY(angle)))
                << "no ink on the arc about (" << arc.x << ", " << arc.y << ") at " << angle;
        }
    for (const auto& line : figure.lines)
        for (double t = 0; t <= 1; t += 0.125) {
            const double x = line.x1 + t * (line.x2 - line.x1), y = line.y1 + t * (line.y2 - line.y1);
            if (!png.valid(int(x), int(y))) continue;  // a small pattern's ruler is wider
            EXPECT_TRUE(inkNear(png, x, y)) << "no ink on the line at (" << x << ", " << y << ")";
        }
}

INSTANTIATE_TEST_SUITE_P(Units, PicturePixels,
                         testing::Values(Case{0, "1.3888889", 96, 100}, Case{2, "25.4", 96, 72},
                                         Case{1, "2 1/2", 120, 225}, Case{0, "0.5", 96, 36}));

}  // namespace
