#include "engine/trim_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

#include "engine/easing.h"
#include "engine/random_order.h"

namespace {

struct LineSet {
    int additional = 0;
    bool symmetrical = false;
    double start = 0, end = 1, offset = 0;
    double stagger = 0.5;  // fraction
    A_long easing = kEasingNone;
    A_long easingType = kEaseInOut;
    A_long order = kOrderNone;
    bool inheritSymmetry = false;
};

std::vector<A_FloatPoint> windowsOf(const LineSet& s) {
    myParams p{};
    p.additionalLines = s.additional;
    p.symmetrical = s.symmetrical;
    p.trimStart = s.start;
    p.trimEnd = s.end;
    p.trimOffset = s.offset;
    p.staggerOverlap = 1.0 - s.stagger;
    p.easing = s.easing;
    p.easingType = s.easingType;
    p.orderModifier = s.order;
    p.inheritSymmetry = s.inheritSymmetry;
    trimPaths(&p);
    EXPECT_EQ(p.windowCount, static_cast<A_long>(p.trimWindows.size()));
    EXPECT_EQ(p.lineCount, double(p.windowCount));
    return p.trimWindows;
}

void expectWindows(const std::vector<A_FloatPoint>& got, const std::vector<A_FloatPoint>& expected,
                   double tolerance, const char* name) {
    ASSERT_EQ(got.size(), expected.size()) << name;
    for (std::size_t k = 0; k < got.size(); ++k) {
        EXPECT_NEAR(got[k].x, expected[k].x, tolerance) << name << " window " << k << " start";
        EXPECT_NEAR(got[k].y, expected[k].y, tolerance) << name << " window " << k << " end";
    }
}

struct WindowCase {
    const char* name;
    LineSet set;
    std::vector<A_FloatPoint> expected;
    double tolerance;
};

TEST(TrimWindows, WorkedExamples) {
    const WindowCase cases[] = {
        {"three lines, stagger 50%, E 0.5", {.additional = 2, .end = 0.5}, {{0, 0.75}, {0, 0.5}, {0, 0.25}}, 1e-15},
        {"three lines, stagger 50%, E 1", {.additional = 2, .end = 1}, {{0, 1}, {0, 1}, {0, 1}}, 0},
        {"reverse", {.additional = 2, .end = 0.5, .order = kOrderReverse}, {{0, 0.25}, {0, 0.5}, {0, 0.75}}, 1e-15},
        {"four lines, stagger 100%", {.additional = 3, .end = 0.5, .stagger = 1.0},
         {{0, 1}, {0, 1}, {0, 0}, {0, 0}}, 0},
        {"stagger 0%: all equal", {.additional = 2, .start = 0.2, .end = 0.6, .offset = 0.1, .stagger = 0.0},
         {{0.3, 0.7}, {0.3, 0.7}, {0.3, 0.7}}, 1e-15},
        {"offset +0.5", {.start = 0.25, .end = 0.75, .offset = 0.5}, {{0.75, 1}}, 0},
        {"offset -0.5", {.start = 0.25, .end = 0.75, .offset = -0.5}, {{0, 0.25}}, 0},
        {"start after end is kept", {.start = 0.8, .end = 0.2}, {{0.8, 0.2}}, 1e-15},
        {"symmetrical, no additional lines", {.symmetrical = true, .stagger = 0.0}, {{0, 1}, {0, 1}}, 0},
    };
    for (const WindowCase& c : cases) expectWindows(windowsOf(c.set), c.expected, c.tolerance, c.name);
}

TEST(TrimWindows, RunningValuesAreSubtractedNotRecomputed) {
    // With three lines at 50 % the running end is 0.5 - 1/6 - 1/6, which
    // differs in the last bit from 0.5 - 2 * (1/6).
    const auto w = windowsOf({.additional = 2, .end = 0.5});
    const double span = (2 * 0.5 + 1) / 3.0;
    const double step = (1.0 / 3.0) * 0.5;
    double b = 0.5;
    b -= step;
    b -= step;
    EXPECT_EQ(w[2].y, b / span);
}

TEST(TrimWindows, InheritSymmetryOrder) {
    // Stagger 50 % with E = 0.5 gives every window a distinct end.
    auto tags = [](const std::vector<A_FloatPoint>& w) {
        std::vector<double> t;
        for (auto& x : w) t.push_back(x.y);
        return t;
    };
    const LineSet five{.additional = 4, .end = 0.5};
    const auto plain = tags(windowsOf(five));
    ASSERT_EQ(std::set<double>(plain.begin(), plain.end()).size(), 5u);
    LineSet fiveSym = five;
    fiveSym.inheritSymmetry = true;
    const auto sym = tags(windowsOf(fiveSym));
    EXPECT_EQ(sym, (std::vector<double>{plain[1], plain[3], plain[4], plain[2], plain[0]}));

    const LineSet four{.additional = 3, .end = 0.5};
    const auto plain4 = tags(windowsOf(four));
    ASSERT_EQ(std::set<double>(plain4.begin(), plain4.end()).size(), 4u);
    LineSet fourSym = four;
    fourSym.inheritSymmetry = true;
    EXPECT_EQ(tags(windowsOf(fourSym)), (std::vector<double>{plain4[1], plain4[3], plain4[2], plain4[0]}));

    // Reverse first, then the symmetric order.
    LineSet fiveBoth = fiveSym;
    fiveBoth.order = kOrderReverse;
    const std::vector<double> reversed(plain.rbegin(), plain.rend());
    EXPECT_EQ(tags(windowsOf(fiveBoth)),
              (std::vector<double>{reversed[1], reversed[3], reversed[4], reversed[2], reversed[0]}));

    // One window: unchanged; works without Symmetrical too (checked above).
    EXPECT_EQ(tags(windowsOf({.end = 0.3, .inheritSymmetry = true})), (std::vector<double>{0.3}));
}

TEST(TrimWindows, EasingPrecision) {
    // None keeps full double precision; any curve rounds to single.
    const auto none = windowsOf({.start = 0.1, .end = 0.3});
    EXPECT_EQ(none[0].x, 0.1);
    EXPECT_EQ(none[0].y, 0.3);
    const auto quint = windowsOf({.start = 0.1, .end = 0.3, .easing = kEasingQuint, .easingType = kEaseIn});
    EXPECT_EQ(quint[0].x, double{QuintInOut(1, 0.1f, 0, 1, 1)});
    EXPECT_EQ(quint[0].y, double{static_cast<float>(quint[0].y)});
    const auto expo = windowsOf({.start = 0.0, .end = 1.0, .easing = kEasingExpo, .easingType = kEaseIn});
    EXPECT_EQ(expo[0].x, 0.0);
    EXPECT_EQ(expo[0].y, 1.0);
}

std::vector<double> endsOf(const std::vector<A_FloatPoint>& w) {
    std::vector<double> ends;
    for (auto& x : w) ends.push_back(x.y);
    return ends;
}

TEST(TrimWindows, RandomOrderIsReproducibleAndAPermutation) {
    const LineSet set{.additional = 9, .end = 0.5, .order = kOrderRandom};
    LineSet plainSet = set;
    plainSet.order = kOrderNone;
    const auto plain = endsOf(windowsOf(plainSet));
    const auto first = endsOf(windowsOf(set));
    EXPECT_EQ(endsOf(windowsOf(set)), first);
    EXPECT_NE(first, plain);
    ASSERT_EQ(std::set<double>(plain.begin(), plain.end()).size(), plain.size());
    auto sortedFirst = first;
    auto sortedPlain = plain;
    std::sort(sortedFirst.begin(), sortedFirst.end());
    std::sort(sortedPlain.begin(), sortedPlain.end());
    EXPECT_EQ(sortedFirst, sortedPlain);

    std::vector<A_FloatPoint> expected = windowsOf(plainSet);
    veltrace::kPlatformShuffle(expected);
    EXPECT_EQ(first, endsOf(expected));
}

TEST(TrimWindows, RandomOrderIsPrivateToEachCall) {
    const LineSet set{.additional = 30, .end = 0.5, .order = kOrderRandom};
    const auto alone = endsOf(windowsOf(set));
    std::srand(12345);  // the process-wide generator must not matter
    std::vector<std::vector<double>> results(8);
    std::vector<std::thread> threads;
    for (auto& r : results) {
        threads.emplace_back([&r, &set] {
            for (int i = 0; i < 200; ++i) r = endsOf(windowsOf(set));
        });
    }
    for (auto& t : threads) t.join();
    for (auto& r : results) EXPECT_EQ(r, alone);
}

TEST(TrimWindows, RandomWithOneLineStays) {
    EXPECT_EQ(endsOf(windowsOf({.end = 0.4, .order = kOrderRandom})), (std::vector<double>{0.4}));
}

TEST(TrimWindows, NegativeLineCountGivesNoWindows) {
    myParams p{};
    p.additionalLines = -5;
    trimPaths(&p);
    EXPECT_TRUE(p.trimWindows.empty());
    EXPECT_EQ(p.windowCount, -4);
}

}  // namespace
