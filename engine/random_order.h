// The Random order modifier's generator and shuffle, private to each call.
// A project's random order must match the platform it was made on, so both
// C libraries' rand() and both shuffle loops are reproduced here; the build
// picks the one of its target platform (kPlatformShuffle) and tests run both.
#pragma once

#include <cstdint>
#include <vector>

#include "hostapi/ae_types.h"

namespace veltrace {

// The Microsoft C runtime's rand() after srand(0).
struct MsvcRandom {
    std::uint32_t state = 0;
    int next();
};

// The BSD C library's rand() that macOS ships (Park-Miller minimal standard,
// RAND_MAX 2^31 - 1) after srand(0).
struct BsdRandom {
    std::int64_t state = 0;
    int next();
};

// rand() % i with the given generator: a value in 0 .. i - 1 for i >= 1.
template <typename Random>
int myrandom(Random& random, int i) {
    return random.next() % i;
}

// Shuffles the windows in place with a generator reset to the seed-0 state.
void shuffleWindowsMac(std::vector<A_FloatPoint>& windows);
void shuffleWindowsWin(std::vector<A_FloatPoint>& windows);

// VELTRACE_WINDOWS_RANDOM_ORDER builds a Linux module that draws as the
// Windows one does, for comparing the two.
#if defined(_WIN32) || defined(VELTRACE_WINDOWS_RANDOM_ORDER)
inline constexpr auto kPlatformShuffle = &shuffleWindowsWin;
#else
inline constexpr auto kPlatformShuffle = &shuffleWindowsMac;
#endif

}  // namespace veltrace
