#include "engine/easing.h"

#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;
}

float QuintInOut(int direction, float t, float b, float c, float d) {
    const float x = t / d;
    if (direction == 1) return c * x * x * x * x * x + b;
    if (direction == 2) {
        const float y = x - 1.0f;
        return (y * y * y * y * y + 1.0f) * c + b;
    }
    if (direction == 3) {
        const float u = t / (d * 0.5f);
        const float h = c * 0.5f;
        if (u < 1.0f) return h * u * u * u * u * u + b;
        const float v = u - 2.0f;
        return h * (v * v * v * v * v + 2.0f) + b;
    }
    return t;
}

float QuartInOut(int direction, float t, float b, float c, float d) {
    const float x = t / d;
    if (direction == 1) return c * x * x * x * x + b;
    if (direction == 2) {
        const float y = x - 1.0f;
        return b - (y * y * y * y - 1.0f) * c;
    }
    if (direction == 3) {
        const float u = t / (d * 0.5f);
        const float h = c * 0.5f;
        if (u < 1.0f) return h * u * u * u * u + b;
        const float v = u - 2.0f;
        return b - h * (v * v * v * v - 2.0f);
    }
    return t;
}

// The exponent is single precision; the power, the product and the sum are
// double, rounded to single at the end.
float ExpoInOut(int direction, float t, float b, float c, float d) {
    if (direction == 1) {
        if (t == 0.0f) return b;
        const float exponent = (t / d - 1.0f) * 10.0f;
        return static_cast<float>(double{b} + double{c} * std::exp2(double{exponent}));
    }
    if (direction == 2) {
        if (t == d) return b + c;
        const float exponent = (t * -10.0f) / d;
        return static_cast<float>(double{b} + (1.0 - std::exp2(double{exponent})) * double{c});
    }
    if (direction == 3) {
        if (t == 0.0f) return b;
        if (t == d) return b + c;
        const float u = t / (d * 0.5f);
        const float h = c * 0.5f;
        if (u < 1.0f) {
            const float exponent = (u - 1.0f) * 10.0f;
            return static_cast<float>(double{b} + double{h} * std::exp2(double{exponent}));
        }
        const float exponent = (u - 1.0f) * -10.0f;
        return static_cast<float>(double{b} + (2.0 - std::exp2(double{exponent})) * double{h});
    }
    return t;
}

// The trigonometry and everything after it is double, rounded to single.
float SineInOut(int direction, float t, float b, float c, float d) {
    const float x = t / d;
    if (direction == 1) {
        return static_cast<float>(double{b} + (double{c} - std::cos(kPi * 0.5 * double{x}) * double{c}));
    }
    if (direction == 2) {
        return static_cast<float>(double{b} + std::sin(kPi * 0.5 * double{x}) * double{c});
    }
    if (direction == 3) {
        const float k = c * -0.5f;
        return static_cast<float>(double{b} + (std::cos(double{t} * kPi / double{d}) - 1.0) * double{k});
    }
    return t;
}
