#include "engine/trim_windows.h"

#include <algorithm>

#include "engine/cubic.h"
#include "engine/easing.h"
#include "engine/random_order.h"

namespace {

// Eases one window end in single precision; None (and any unknown value)
// keeps the double unchanged.
double easeEnd(const myParams& p, double v) {
    using Curve = float (*)(int, float, float, float, float);
    Curve curve = nullptr;
    switch (p.easing) {
        case kEasingExpo: curve = &ExpoInOut; break;
        case kEasingQuint: curve = &QuintInOut; break;
        case kEasingQuart: curve = &QuartInOut; break;
        case kEasingSine: curve = &SineInOut; break;
        default: return v;
    }
    return double{curve(p.easingType, static_cast<float>(v), 0.0f, 1.0f, 1.0f)};
}

// Odd positions ascending, then even positions descending.
std::vector<A_FloatPoint> symmetricOrder(const std::vector<A_FloatPoint>& w) {
    std::vector<A_FloatPoint> out;
    out.reserve(w.size());
    for (std::size_t k = 1; k < w.size(); k += 2) out.push_back(w[k]);
    for (std::size_t k = w.size(); k-- > 0;) {
        if (k % 2 == 0) out.push_back(w[k]);
    }
    return out;
}

}  // namespace

void trimPaths(myParams* p) {
    double n = static_cast<double>(p->additionalLines) + 1.0;
    if (p->symmetrical) n += 1.0;
    p->lineCount = n;
    p->windowCount = static_cast<A_long>(n);
    // A damaged project could give a negative count; no window then.
    p->trimWindows.assign(static_cast<std::size_t>(std::max<A_long>(p->windowCount, 0)), A_FloatPoint{});
    if (!(n > 0.0)) return;

    const double h = p->staggerOverlap;
    const double span = ((n - 1.0) * h + 1.0) / n;
    const double step = (1.0 / n) * (1.0 - h);
    double a = p->trimStart;
    double b = p->trimEnd;
    for (auto& window : p->trimWindows) {
        const double start = clampFloat(a / span + p->trimOffset);
        const double end = clampFloat(b / span + p->trimOffset);
        window = A_FloatPoint{easeEnd(*p, start), easeEnd(*p, end)};
        // Repeated subtraction, not S - k * step: the windows must match the
        // shipped effect to the last bit.
        a -= step;
        b -= step;
    }

    if (p->orderModifier == kOrderReverse) {
        std::reverse(p->trimWindows.begin(), p->trimWindows.end());
    } else if (p->orderModifier == kOrderRandom) {
        veltrace::kPlatformShuffle(p->trimWindows);
    }
    if (p->inheritSymmetry) p->trimWindows = symmetricOrder(p->trimWindows);
}
