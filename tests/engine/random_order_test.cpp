#include "engine/random_order.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using veltrace::BsdRandom;
using veltrace::MsvcRandom;

TEST(RandomOrder, MicrosoftGeneratorFirstValues) {
    MsvcRandom random;
    const int expected[] = {38, 7719, 21238, 2437, 8855, 11797, 8365, 32285, 10450, 30612};
    for (int value : expected) EXPECT_EQ(random.next(), value);
}

TEST(RandomOrder, BsdGeneratorMatchesTheMinimalStandard) {
    BsdRandom random;
    // Seed 0 is replaced by 123459876; each step is 16807 x mod (2^31 - 1).
    EXPECT_EQ(random.next(), 520932930);
    const int next[] = {28925691, 822784415, 890459872, 145532761};
    for (int value : next) EXPECT_EQ(random.next(), value);
    // Schrage's method equals the plain 64-bit product over a long run.
    std::int64_t x = 145532761;
    for (int i = 0; i < 1000; ++i) {
        x = x * 16807 % 2147483647;
        ASSERT_EQ(random.next(), x) << "draw " << i + 6;
    }
}

std::vector<int> permutation(void (*shuffle)(std::vector<A_FloatPoint>&), int n) {
    std::vector<A_FloatPoint> windows;
    for (int k = 0; k < n; ++k) windows.push_back({double(k), double(k)});
    shuffle(windows);
    std::vector<int> order;
    for (auto& w : windows) order.push_back(int(w.x));
    return order;
}

// Expected orders worked out by hand from the generators' first draws.
TEST(RandomOrder, PermutationsOfBothPlatforms) {
    struct Case {
        int n;
        std::vector<int> windows;
        std::vector<int> mac;
    };
    const Case cases[] = {
        {0, {}, {}},
        {1, {0}, {0}},
        {2, {1, 0}, {0, 1}},
        {3, {2, 0, 1}, {0, 2, 1}},
        {5, {2, 0, 4, 1, 3}, {0, 4, 1, 3, 2}},
        {10, {9, 0, 8, 1, 3, 7, 4, 5, 6, 2}, {0, 7, 9, 4, 5, 6, 8, 3, 1, 2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(permutation(&veltrace::shuffleWindowsWin, c.n), c.windows) << c.n;
        EXPECT_EQ(permutation(&veltrace::shuffleWindowsMac, c.n), c.mac) << c.n;
    }
}

TEST(RandomOrder, PlatformChoice) {
#if defined(_WIN32)
    EXPECT_EQ(veltrace::kPlatformShuffle, &veltrace::shuffleWindowsWin);
#else
    EXPECT_EQ(veltrace::kPlatformShuffle, &veltrace::shuffleWindowsMac);
#endif
}

}  // namespace
