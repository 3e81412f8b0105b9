// Plain value types of the host's effect interface: integers, fixed point,
// points, rectangles and pixels. Written from what the effect relies on; the
// names follow the host SDK so that a port to the real SDK is a header swap.
#pragma once

#include <cstdint>

using A_char = char;
using A_u_char = std::uint8_t;
using A_short = std::int16_t;
using A_u_short = std::uint16_t;
using A_long = std::int32_t;
using A_u_long = std::uint32_t;
using A_Err = A_long;
using A_Boolean = A_u_char;

using PF_Err = A_long;
using PF_Boolean = A_u_char;
using PF_FpLong = double;
using PF_FpShort = float;
using PF_Fixed = A_long;  // 16.16 fixed point
using PF_ParamValue = A_long;

// 1 / 65536: converts a 16.16 fixed-point value to a double.
inline constexpr double PF_FIXED_TO_DOUBLE = 1.0 / 65536.0;

struct A_FloatPoint {
    double x;
    double y;
};

struct PF_Rect {
    A_long left;
    A_long top;
    A_long right;
    A_long bottom;
};
using PF_LRect = PF_Rect;

struct PF_RationalScale {
    A_long num;
    A_u_long den;
};

// 8-bit straight-alpha pixel, in memory order alpha, red, green, blue.
struct PF_Pixel {
    A_u_char alpha;
    A_u_char red;
    A_u_char green;
    A_u_char blue;
};
using PF_Pixel8 = PF_Pixel;

struct PF_PixelFloat {
    PF_FpShort alpha;
    PF_FpShort red;
    PF_FpShort green;
    PF_FpShort blue;
};

// 3x3 matrix, [row][column]; points are row vectors (x, y, 1) * M.
struct PF_FloatMatrix {
    double mat[3][3];
};
