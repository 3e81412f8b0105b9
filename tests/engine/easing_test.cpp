#include "engine/easing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Curve = float (*)(int, float, float, float, float);

struct Case {
    const char* name;
    Curve curve;
    int direction;
    float t;
    double expected;
    double tolerance;  // 0: exact
};

const Case kCases[] = {
    {"expo in at 0", &ExpoInOut, 1, 0.0f, 0.0, 0},
    {"expo in at 1", &ExpoInOut, 1, 1.0f, 1.0, 0},
    {"expo in just after 0", &ExpoInOut, 1, 0.0001f, 0.000977, 1e-6},
    {"expo out at 1", &ExpoInOut, 2, 1.0f, 1.0, 0},
    {"expo out at 0", &ExpoInOut, 2, 0.0f, 0.0, 0},
    {"expo out just before 1", &ExpoInOut, 2, 0.9999f, 0.99902, 1e-5},
    {"expo in/out at 0", &ExpoInOut, 3, 0.0f, 0.0, 0},
    {"expo in/out at 0.5", &ExpoInOut, 3, 0.5f, 0.5, 0},
    {"expo in/out at 1", &ExpoInOut, 3, 1.0f, 1.0, 0},
    {"quint in at 0.5", &QuintInOut, 1, 0.5f, 0.03125, 0},
    {"quint out at 0.5", &QuintInOut, 2, 0.5f, 0.96875, 0},
    {"quint in/out at 0.5", &QuintInOut, 3, 0.5f, 0.5, 0},
    {"quint in at 1", &QuintInOut, 1, 1.0f, 1.0, 0},
    {"quint out at 0", &QuintInOut, 2, 0.0f, 0.0, 0},
    {"quint in/out at 1", &QuintInOut, 3, 1.0f, 1.0, 0},
    {"quart out at 0.5", &QuartInOut, 2, 0.5f, 0.9375, 0},
    {"quart in/out at 0.5", &QuartInOut, 3, 0.5f, 0.5, 0},
    {"quart in at 1", &QuartInOut, 1, 1.0f, 1.0, 0},
    {"quart in/out at 0", &QuartInOut, 3, 0.0f, 0.0, 0},
    {"sine in/out at 0.25", &SineInOut, 3, 0.25f, (1.0 - std::cos(M_PI / 4)) / 2, 1e-7},
    {"sine in/out at 0.5", &SineInOut, 3, 0.5f, 0.5, 1e-7},
    {"sine in at 1", &SineInOut, 1, 1.0f, 1.0, 1e-7},
    {"sine out at 1", &SineInOut, 2, 1.0f, 1.0, 1e-7},
    {"sine in at 0", &SineInOut, 1, 0.0f, 0.0, 1e-7},
};

TEST(Easing, ValuesAtTheEndsAndTheMiddle) {
    for (const Case& c : kCases) {
        const float got = c.curve(c.direction, c.t, 0.0f, 1.0f, 1.0f);
        if (c.tolerance == 0) {
            EXPECT_EQ(double{got}, c.expected) << c.name;
        } else {
            EXPECT_NEAR(double{got}, c.expected, c.tolerance) << c.name;
        }
    }
}

TEST(Easing, StartValueChangeAndDurationOtherThanUnit) {
    EXPECT_EQ(QuartInOut(1, 1.0f, 10.0f, 5.0f, 2.0f), 10.3125f);
    EXPECT_EQ(ExpoInOut(2, 2.0f, 10.0f, 5.0f, 2.0f), 15.0f);
    EXPECT_EQ(ExpoInOut(1, 0.0f, 10.0f, 5.0f, 2.0f), 10.0f);
}

// The arithmetic is single precision where the curve says so: an In/Out
// Quint computed in double differs in the last float bits for some inputs.
TEST(Easing, QuintIsComputedInSinglePrecision) {
    for (float t = 0.0f; t < 1.0f; t += 0.0137f) {
        const float x = t;
        EXPECT_EQ(QuintInOut(1, t, 0.0f, 1.0f, 1.0f), 1.0f * x * x * x * x * x + 0.0f);
    }
}

TEST(Easing, UnknownDirectionLeavesTheValue) {
    EXPECT_EQ(QuintInOut(0, 0.3f, 0.0f, 1.0f, 1.0f), 0.3f);
    EXPECT_EQ(ExpoInOut(7, 0.3f, 0.0f, 1.0f, 1.0f), 0.3f);
    EXPECT_EQ(SineInOut(-1, 0.3f, 0.0f, 1.0f, 1.0f), 0.3f);
}

}  // namespace
