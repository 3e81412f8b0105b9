#include "engine/line_style.h"

#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace {

using namespace veltrace;
using testing_support::DefaultParams;
using testing_support::Expected;
using testing_support::expectPath;
using testing_support::subPathEnds;

constexpr auto M = PathOp::Move;
constexpr auto L = PathOp::Line;
constexpr auto C = PathOp::Curve;

// S = (100, 100), E = (300, 200), Curvature 50 %, on a 400 x 300 layer.
struct LineFixture {
    DefaultParams d{400, 300};
    LineFixture() {
        d.point(kStart, 100, 100);
        d.point(kEnd, 300, 200);
        d.slider(kCurvature, 50);
    }
    FramePaths draw() {
        frame = prepareEngineFrame(d.params(), 400, 300);
        drawStylePass(&frame.record, d.params().data());
        return copyFramePaths(frame.record);
    }
    EngineFrame frame;
};

TEST(LineStyle, MainLineAlongEitherAxis) {
    LineFixture x;
    expectPath(x.draw().main, {{M, {{100, 100}}}, {C, {{200, 100}, {200, 200}, {300, 200}}}}, "axis X");
    LineFixture y;
    y.d.popup(kBezierAxis, kAxisY);
    expectPath(y.draw().main, {{M, {{100, 100}}}, {C, {{100, 150}, {300, 150}, {300, 200}}}}, "axis Y");
    LineFixture negative;
    negative.d.slider(kCurvature, -50);
    expectPath(negative.draw().main, {{M, {{100, 100}}}, {C, {{0, 100}, {400, 200}, {300, 200}}}},
               "negative curvature points away");
}

TEST(LineStyle, StraightLineThreshold) {
    struct Case {
        const char* name;
        bool uniform;
        double curvature;
        double curvatureEnd;
        PathOp expected;
    };
    const Case cases[] = {
        {"uniform 0 %", true, 0, 75, L},
        {"uniform 0.99 %", true, 0.99, 75, L},
        {"uniform exactly 1 %", true, 1, 75, C},
        {"uniform exactly -1 %", true, -1, 75, C},
        {"both near zero", false, 0.5, -0.5, L},
        {"end at 5 %", false, 0, 5, C},
        {"end exactly -1 %", false, 0, -1, C},
    };
    for (const Case& c : cases) {
        LineFixture f;
        f.d.checkbox(kUniformCurvature, c.uniform);
        f.d.slider(kCurvature, c.curvature);
        f.d.slider(kCurvatureEnd, c.curvatureEnd);
        const auto path = f.draw().main;
        ASSERT_EQ(path.size(), 2u) << c.name;
        EXPECT_EQ(path[1].op, c.expected) << c.name;
    }
}

TEST(LineStyle, FanAndMirrorEndPoints) {
    struct Case {
        const char* name;
        A_long axis;
        bool symmetrical;
        std::vector<A_FloatPoint> ends;
    };
    const Case cases[] = {
        {"axis X", kAxisX, false, {{300, 200}, {300, 175}, {300, 150}, {300, 125}}},
        {"axis X symmetrical", kAxisX, true, {{300, 200}, {300, 150}, {300, 100}, {300, 50}, {300, 0}}},
        {"axis Y", kAxisY, false, {{300, 200}, {250, 200}, {200, 200}, {150, 200}}},
        {"axis Y symmetrical", kAxisY, true, {{300, 200}, {200, 200}, {100, 200}, {0, 200}, {-100, 200}}},
    };
    for (const Case& c : cases) {
        LineFixture f;
        f.d.popup(kBezierAxis, c.axis);
        f.d.checkbox(kSymmetrical, c.symmetrical);
        f.d.slider(kAdditionalLines, 3);
        const auto ends = subPathEnds(f.draw().main);
        ASSERT_EQ(ends.size(), c.ends.size()) << c.name;
        for (std::size_t k = 0; k < ends.size(); ++k) {
            EXPECT_NEAR(ends[k].x, c.ends[k].x, testing_support::kPathTolerance) << c.name << " line " << k;
            EXPECT_NEAR(ends[k].y, c.ends[k].y, testing_support::kPathTolerance) << c.name << " line " << k;
        }
        // Start and End are restored after the fan.
        EXPECT_EQ(f.frame.record.start.x, 100.0) << c.name;
        EXPECT_EQ(f.frame.record.lineIndex, A_long(c.ends.size())) << c.name;
    }
}

TEST(LineStyle, AdditionalLinesShareStartAndFirstHandle) {
    LineFixture f;
    f.d.slider(kAdditionalLines, 2);
    const auto path = f.draw().main;
    ASSERT_EQ(path.size(), 6u);
    expectPath({path[2], path[3]}, {{M, {{100, 100}}}, {C, {{200, 100}, {200, 166.6667}, {300, 166.6667}}}},
               "second line");
}

TEST(LineStyle, MirrorLineReflectsThroughStart) {
    LineFixture f;
    f.d.checkbox(kSymmetrical, true);
    const auto path = f.draw().main;
    expectPath(path,
               {{M, {{100, 100}}}, {C, {{200, 100}, {200, 200}, {300, 200}}},
                {M, {{100, 100}}}, {C, {{200, 100}, {200, 0}, {300, 0}}}},
               "mirror");
}

TEST(LineStyle, HandlesOfEveryLine) {
    LineFixture f;
    f.d.checkbox(kHandlesEnable, true);
    f.d.checkbox(kUniformCurvature, true);
    f.d.slider(kCurvature, 0);  // straight lines still show their handles
    const auto paths = f.draw();
    expectPath(paths.handles, {{M, {{100, 100}}}, {L, {{100, 100}}}, {M, {{300, 200}}}, {L, {{300, 200}}}},
               "zero-length handles of a straight line");
    LineFixture g;
    g.d.checkbox(kHandlesEnable, true);
    expectPath(g.draw().handles, {{M, {{100, 100}}}, {L, {{200, 100}}}, {M, {{200, 200}}}, {L, {{300, 200}}}},
               "handles");
}

TEST(LineStyle, TrimmedLines) {
    LineFixture whole;
    whole.d.checkbox(kTrimEnable, true);
    expectPath(whole.draw().main, {{M, {{100, 100}}}, {C, {{200, 100}, {200, 200}, {300, 200}}}},
               "window [0, 1] rebuilds the whole cubic");

    LineFixture half;
    half.d.checkbox(kTrimEnable, true);
    half.d.slider(kTrimEnd, 50);
    // The first half of the cubic by de Casteljau at t = 0.5.
    expectPath(half.draw().main, {{M, {{100, 100}}}, {C, {{150, 100}, {175, 125}, {200, 150}}}}, "window [0, 0.5]");

    LineFixture straight;
    straight.d.checkbox(kTrimEnable, true);
    straight.d.slider(kCurvature, 0);
    const auto path = straight.draw().main;
    ASSERT_EQ(path.size(), 2u);
    EXPECT_EQ(path[1].op, C) << "a trimmed straight line is still a cubic";
}

TEST(LineStyle, EmptyWindowsDrawNothingButAdvanceAndKeepHandles) {
    LineFixture f;
    f.d.checkbox(kTrimEnable, true);
    f.d.checkbox(kHandlesEnable, true);
    f.d.slider(kAdditionalLines, 2);
    f.d.slider(kStagger, 100);
    f.d.slider(kTrimEnd, 40);  // windows (0, 1), (0, 0.2), (0, 0)
    const auto paths = f.draw();
    EXPECT_EQ(testing_support::countOps(paths.main, M), 2);
    EXPECT_EQ(testing_support::countOps(paths.handles, M), 6);
    EXPECT_EQ(f.frame.record.lineIndex, 3);

    LineFixture reversed;
    reversed.d.checkbox(kTrimEnable, true);
    reversed.d.slider(kTrimStart, 80);
    reversed.d.slider(kTrimEnd, 20);
    EXPECT_TRUE(reversed.draw().main.empty());
}

TEST(LineStyle, StartEqualsEndStillOneSubPathPerLine) {
    LineFixture f;
    f.d.point(kEnd, 100, 100);
    f.d.slider(kAdditionalLines, 3);
    f.d.checkbox(kSymmetrical, true);
    const auto path = f.draw().main;
    EXPECT_EQ(testing_support::countOps(path, M), 5);
    for (const auto& e : path) {
        for (const auto& pt : e.points) {
            EXPECT_EQ(pt.x, 100.0);
            EXPECT_EQ(pt.y, 100.0);
        }
    }
    EXPECT_EQ(f.frame.record.lineIndex, 5);
}

TEST(LineStyle, MissingWindowThrows) {
    LineFixture f;
    EngineFrame frame = prepareEngineFrame(f.d.params(), 400, 300);
    frame.record.trimEnable = true;
    frame.record.lineSpan = {200, 100};
    EXPECT_THROW(drawLine(&frame.record), std::out_of_range);
}

}  // namespace
