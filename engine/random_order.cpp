#include "engine/random_order.h"

#include <utility>

namespace veltrace {

int MsvcRandom::next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

// x <- 16807 x mod (2^31 - 1) by Schrage's method, which never overflows 32
// bits; the C library replaces a state of 0 (a fixed point) by 123459876.
int BsdRandom::next() {
    if (state == 0) state = 123459876;
    const std::int64_t hi = state / 127773;
    const std::int64_t lo = state % 127773;
    std::int64_t x = 16807 * lo - 2836 * hi;
    if (x < 0) x += 0x7FFFFFFF;
    state = x;
    return static_cast<int>(x);
}

void shuffleWindowsMac(std::vector<A_FloatPoint>& windows) {
    BsdRandom random;
    const int n = static_cast<int>(windows.size());
    if (n < 2) return;
    int d = n;
    for (int k = 0; k <= n - 2; ++k, --d) {
        const int r = myrandom(random, d);
        if (r != 0) std::swap(windows[k], windows[k + r]);
    }
}

void shuffleWindowsWin(std::vector<A_FloatPoint>& windows) {
    MsvcRandom random;
    const int n = static_cast<int>(windows.size());
    for (int k = 1; k < n; ++k) {
        const int r = myrandom(random, k + 1);
        if (r != k) std::swap(windows[k], windows[r]);
    }
}

}  // namespace veltrace
