#include "engine/arc_style.h"

#include <gtest/gtest.h>

#include "engine/route.h"
#include "support/style_fixture.h"

namespace {

using namespace veltrace;
using testing_support::countOps;
using testing_support::Expected;
using testing_support::expectPath;
using testing_support::kExact;
using testing_support::StyleFixture;
using testing_support::subPathEnds;

constexpr auto M = PathOp::Move;
constexpr auto L = PathOp::Line;
constexpr auto C = PathOp::Curve;
constexpr double k50 = 50 * kKappa;

TEST(ArcStyle, WorkedExampleBothAxes) {
    StyleFixture x(kModeArc);
    expectPath(x.draw(),
               {{M, {{100, 100}}}, {L, {{250, 100}}}, {C, {{250 + k50, 100}, {300, 150 - k50}, {300, 150}}},
                {L, {{300, 200}}}},
               "axis X", kExact);
    EXPECT_EQ(x.frame.record.cornerRadiusX, 50.0);
    EXPECT_EQ(x.frame.record.cornerRadiusY, -50.0);

    StyleFixture y(kModeArc);
    y.d.popup(kBezierAxis, kAxisY);
    expectPath(y.draw(),
               {{M, {{100, 100}}}, {L, {{100, 150}}}, {C, {{100, 150 + k50}, {150 - k50, 200}, {150, 200}}},
                {L, {{300, 200}}}},
               "axis Y", kExact);
}

TEST(ArcStyle, CurvatureClamp) {
    struct Case {
        double percent;
        double fraction;
    };
    for (const Case c : {Case{0, 0.01}, Case{-30, 0.01}, Case{99, 0.99}, Case{99.5, 0.999}, Case{100, 0.999},
                         Case{250, 0.999}, Case{50, 0.5}}) {
        StyleFixture f(kModeArc);
        f.d.slider(kCurvature, c.percent);
        f.draw();
        EXPECT_EQ(f.frame.record.curvature, c.fraction) << c.percent;
    }
}

TEST(ArcStyle, AdditionalArcsShareTheFittedRadius) {
    StyleFixture f(kModeArc);
    f.d.slider(kAdditionalLines, 3);
    const auto path = f.draw();
    EXPECT_EQ(f.frame.record.routeSpacing.x, 50.0);
    EXPECT_EQ(f.frame.record.routeSpacing.y, 100.0);
    const auto ends = subPathEnds(path);
    ASSERT_EQ(ends.size(), 4u);
    const double endX[] = {300, 250, 200, 150};
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(ends[k].x, endX[k], kExact) << k;
        EXPECT_NEAR(ends[k].y, 200, kExact) << k;
        // First leg stops one radius (25) before the corner at (end x, 100).
        EXPECT_NEAR(path[4 * k + 1].points[0].x, endX[k] - 25, kExact) << k;
    }
}

TEST(ArcStyle, SymmetricalHalvesTheArcsAndAddsTheMiddleLine) {
    StyleFixture f(kModeArc);
    f.d.slider(kAdditionalLines, 3);
    f.d.checkbox(kSymmetrical, true);
    const auto path = f.draw();
    // Main arc, its mirror, the one remaining additional arc, its mirror,
    // then the middle line.
    const auto ends = subPathEnds(path);
    ASSERT_EQ(ends.size(), 5u);
    const double endX[] = {300, -100, 200, 0, 100};
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(ends[k].x, endX[k], kExact) << k;
    expectPath({path.end() - 2, path.end()}, {{M, {{100, 100}}}, {L, {{100, 200}}}}, "middle line", kExact);
    EXPECT_EQ(f.frame.record.additionalLines, 1);
    EXPECT_EQ(f.frame.record.linesBeforeHalving, 4);
}

// Distances along the axis-X example route: legs 150 and 50, corner 25 pi.
constexpr double kLegIn = 150;
constexpr double kCorner = 50 * kHalfPi;
constexpr double kLength = kLegIn + kCorner + 50;

TEST(ArcStyle, TrimmingByLength) {
    {
        StyleFixture f(kModeArc);
        f.trim(0, 20);
        expectPath(f.draw(), {{M, {{100, 100}}}, {L, {{100 + 0.2 * kLength, 100}}}}, "inside the first leg", kExact);
    }
    {
        StyleFixture f(kModeArc);
        f.trim(60, 70);
        const auto path = f.draw();
        ASSERT_EQ(path.size(), 2u);
        EXPECT_EQ(path[0].op, M);
        EXPECT_EQ(path[1].op, C);
        // The piece starts where the corner cubic is at the cut parameter.
        const curveCoords q = cornerPiece({250, 100}, {250 + k50, 100}, {300, 150 - k50}, {300, 150},
                                          (0.6 * kLength - kLegIn) / kCorner, (0.7 * kLength - kLegIn) / kCorner);
        EXPECT_NEAR(path[0].points[0].x, q.x0, kExact);
        EXPECT_NEAR(path[1].points[2].y, q.y3, kExact);
    }
    {
        StyleFixture f(kModeArc);
        f.trim(90, 100);
        expectPath(f.draw(), {{M, {{300, 150 + (0.9 * kLength - kLegIn - kCorner)}}}, {L, {{300, 200}}}},
                   "inside the last leg", kExact);
    }
    {
        StyleFixture f(kModeArc);
        f.trim(10, 95);
        const auto path = f.draw();
        ASSERT_EQ(path.size(), 4u);
        EXPECT_EQ(countOps(path, M), 1) << "one connected sub-path";
        EXPECT_NEAR(path[0].points[0].x, 100 + 0.1 * kLength, kExact);
        EXPECT_NEAR(path[3].points[0].y, 200 - 0.05 * kLength, kExact);
    }
    {
        StyleFixture f(kModeArc);
        f.trim(50, 50);
        EXPECT_TRUE(f.draw().empty());
        EXPECT_EQ(f.frame.record.lineIndex, 1);
    }
}

TEST(ArcStyle, EveryWindowIsUsedOnce) {
    for (bool symmetrical : {false, true}) {
        for (int n = 0; n <= 5; ++n) {
            StyleFixture f(kModeArc);
            f.trim(0, 100);
            f.d.slider(kStagger, 0);
            f.d.slider(kAdditionalLines, n);
            f.d.checkbox(kSymmetrical, symmetrical);
            const auto path = f.draw();
            const myParams& p = f.frame.record;
            const bool middle = symmetrical && n % 2 == 1;
            const int arcs = symmetrical ? 1 + n / 2 : 1 + n;
            const int mirrors = symmetrical ? arcs : 0;
            EXPECT_EQ(p.lineIndex, arcs) << n << symmetrical;
            EXPECT_EQ(p.mirrorCount, mirrors) << n << symmetrical;
            EXPECT_EQ(p.lineIndex + p.mirrorCount + (middle ? 1 : 0), p.windowCount) << n << symmetrical;
            if (middle) {
                EXPECT_EQ(p.windowCount / 2, p.lineIndex) << "the middle window lies between";
            }
            EXPECT_EQ(countOps(path, M), p.windowCount) << n << symmetrical;
        }
    }
}

}  // namespace
