#include "engine/pipe_style.h"

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

constexpr auto M = PathOp::Move;
constexpr auto L = PathOp::Line;
constexpr auto C = PathOp::Curve;
constexpr double k25 = 25 * kKappa;

const std::vector<Expected> kFirstHalf = {
    {M, {{100, 100}}}, {L, {{175, 100}}}, {C, {{175 + k25, 100}, {200, 125 - k25}, {200, 125}}}, {L, {{200, 150}}}};
const std::vector<Expected> kSecondHalf = {
    {L, {{200, 175}}}, {C, {{200, 175 + k25}, {225 - k25, 200}, {225, 200}}}, {L, {{300, 200}}}};

std::vector<Expected> joined(std::vector<Expected> a, const std::vector<Expected>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(PipeStyle, WorkedExampleUntrimmed) {
    StyleFixture f(kModePipe);
    expectPath(f.draw(), joined(kFirstHalf, kSecondHalf), "one move, four lines, two curves", kExact);
}

TEST(PipeStyle, TrimWindowsAroundTheMidpoint) {
    {
        StyleFixture f(kModePipe);
        f.trim(0, 50);
        expectPath(f.draw(), kFirstHalf, "[0, 0.5]: the first half", kExact);
    }
    {
        StyleFixture f(kModePipe);
        f.trim(50, 100);
        expectPath(f.draw(), joined({{M, {{200, 150}}}}, kSecondHalf), "[0.5, 1]: a move to M, the second half",
                   kExact);
    }
    {
        // Clamped single pipe: Start 20 %, End 80 %, Offset 30 % is [0.5, 1].
        StyleFixture f(kModePipe);
        f.trim(20, 80, 30);
        f.d.slider(kStagger, 90);
        f.d.popup(kEasing, kEasingExpo);
        expectPath(f.draw(), joined({{M, {{200, 150}}}}, kSecondHalf), "clamped window, no easing", kExact);
    }
    {
        StyleFixture f(kModePipe);
        f.trim(25, 75);
        const auto path = f.draw();
        // Half length 75 + 25 pi / 2 + 25; a quarter of the pipe is half of that.
        const double half = 75 + 25 * kHalfPi + 25;
        EXPECT_EQ(countOps(path, M), 1) << "one connected sub-path";
        ASSERT_EQ(path.size(), 7u);
        EXPECT_NEAR(path[0].points[0].x, 100 + 0.5 * half, kExact);
        EXPECT_NEAR(path[3].points[0].y, 150, kExact) << "through M";
        EXPECT_NEAR(path[6].points[0].x, 225 + (0.5 * half - 25 - 25 * kHalfPi), kExact);
    }
    {
        StyleFixture f(kModePipe);
        f.trim(60, 40);
        EXPECT_TRUE(f.draw().empty());
    }
}

TEST(PipeStyle, SymmetricalAddsTheMirroredPipe) {
    StyleFixture f(kModePipe);
    f.d.checkbox(kSymmetrical, true);
    const auto path = f.draw();
    ASSERT_EQ(countOps(path, M), 2);
    EXPECT_NEAR(path.back().points[0].x, 300, kExact);
    EXPECT_NEAR(path.back().points[0].y, 0, kExact);
    // The second pipe leaves Start along x and runs up through (200, 50).
    EXPECT_NEAR(path[7].points[0].x, 100, kExact);
    EXPECT_NEAR(path[10].points[0].y, 50, kExact);

    StyleFixture trimmed(kModePipe);
    trimmed.d.checkbox(kSymmetrical, true);
    trimmed.trim(0, 50);
    trimmed.d.slider(kStagger, 100);  // windows (0, 1) and (0, 0)
    const auto trimmedPath = trimmed.draw();
    EXPECT_EQ(countOps(trimmedPath, M), 1) << "the second pipe's window is empty";
    EXPECT_EQ(trimmed.frame.record.windowCount, 2);
}

}  // namespace
