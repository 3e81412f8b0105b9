// Arc and Pipe routes whose lengths are 0: Start = End, or Start and End in
// one row or one column. No division by a zero length may reach cairo.
#include <gtest/gtest.h>

#include "support/style_fixture.h"

namespace {

using namespace veltrace;
using testing_support::expectPath;
using testing_support::kExact;
using testing_support::StyleFixture;

struct Route {
    const char* name;
    A_FloatPoint end;  // Start is (100, 100)
};

const Route kRoutes[] = {{"start = end", {100, 100}}, {"same row", {300, 100}}, {"same column", {100, 300}}};

struct Window {
    double start, end;
};

const Window kWindows[] = {{0, 100}, {25, 75}, {10, 90}, {50, 100}, {0, 30}};

TEST(DegenerateRoutes, OnlyFiniteCoordinatesReachCairo) {
    for (A_long mode : {kModeArc, kModePipe}) {
        for (const Route& route : kRoutes) {
            for (A_long axis : {kAxisX, kAxisY}) {
                for (bool symmetrical : {false, true}) {
                    for (const Window& w : kWindows) {
                        StyleFixture f(mode);
                        f.d.point(kEnd, route.end.x, route.end.y);
                        f.d.popup(kBezierAxis, axis);
                        f.d.checkbox(kSymmetrical, symmetrical);
                        f.d.slider(kAdditionalLines, 2);
                        f.trim(w.start, w.end);
                        const auto path = f.draw();
                        EXPECT_TRUE(testing_support::allFinite(path))
                            << (mode == kModeArc ? "arc " : "pipe ") << route.name << " axis " << axis
                            << " symmetrical " << symmetrical << " window " << w.start << "-" << w.end;
                        EXPECT_FALSE(path.empty()) << route.name;
                    }
                }
            }
        }
    }
}

constexpr auto M = PathOp::Move;
constexpr auto L = PathOp::Line;

TEST(DegenerateRoutes, WhatEachDraws) {
    struct Case {
        const char* name;
        A_long mode;
        A_FloatPoint end;
        Window window;
        std::vector<testing_support::Expected> path;
    };
    const Case cases[] = {
        {"arc, start = end: a dot at Start", kModeArc, {100, 100}, {25, 75}, {{M, {{100, 100}}}, {L, {{100, 100}}}}},
        {"pipe, start = end: a dot at Start", kModePipe, {100, 100}, {25, 75}, {{M, {{100, 100}}}, {L, {{100, 100}}}}},
        {"arc, same row: the first leg only", kModeArc, {300, 100}, {25, 75}, {{M, {{150, 100}}}, {L, {{250, 100}}}}},
        {"arc, same row, to the end: no dot at End", kModeArc, {300, 100}, {50, 100},
         {{M, {{200, 100}}}, {L, {{300, 100}}}}},
        {"arc, same column: the last leg only", kModeArc, {100, 300}, {25, 75}, {{M, {{100, 150}}}, {L, {{100, 250}}}}},
        {"pipe, same row: both legs along the row", kModePipe, {300, 100}, {25, 75},
         {{M, {{150, 100}}}, {L, {{200, 100}}}, {M, {{200, 100}}}, {L, {{250, 100}}}}},
        {"pipe, same column: the legs through M", kModePipe, {100, 300}, {25, 75},
         {{M, {{100, 150}}}, {L, {{100, 200}}}, {L, {{100, 250}}}}},
    };
    for (const Case& c : cases) {
        StyleFixture f(c.mode);
        f.d.point(kEnd, c.end.x, c.end.y);
        f.trim(c.window.start, c.window.end);
        expectPath(f.draw(), c.path, c.name, kExact);
    }
}

TEST(DegenerateRoutes, UntrimmedStartEqualsEndStaysAtStart) {
    for (A_long mode : {kModeArc, kModePipe}) {
        StyleFixture f(mode);
        f.d.point(kEnd, 100, 100);
        const auto path = f.draw();
        ASSERT_FALSE(path.empty());
        for (const auto& e : path) {
            for (const auto& pt : e.points) {
                EXPECT_EQ(pt.x, 100.0);
                EXPECT_EQ(pt.y, 100.0);
            }
        }
    }
}

}  // namespace
