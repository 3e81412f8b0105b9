// The drawing record of one frame: every parameter value the engine needs,
// the frame's cairo surface and contexts (borrowed, never owned), and the
// working fields of the style passes. One per render call, value-initialised
// (all zero), passed by pointer, never shared between threads.
#pragma once

#include <cairo.h>

#include <vector>

#include "hostapi/ae_types.h"

enum DrawMode : A_long { kModeLine = 1, kModeArc = 2, kModePipe = 3 };
enum BezierAxis : A_long { kAxisX = 1, kAxisY = 2 };
enum CapStyle : A_long { kCapButt = 1, kCapRound = 2, kCapProjecting = 3 };
enum GradientType : A_long { kGradientLinear = 1, kGradientRadial = 2 };
enum Easing : A_long { kEasingExpo = 1, kEasingQuint = 2, kEasingQuart = 3, kEasingSine = 4, kEasingNone = 5 };
enum EasingDirection : A_long { kEaseIn = 1, kEaseOut = 2, kEaseInOut = 3 };
enum OrderModifier : A_long { kOrderNone = 1, kOrderReverse = 2, kOrderRandom = 3 };

struct myParams {
    A_FloatPoint start;        // pixels
    A_FloatPoint startHandle;  // Line style: first control point
    A_FloatPoint end;          // pixels
    A_FloatPoint endHandle;    // Line style: second control point
    cairo_surface_t* surface;
    cairo_t* cr;         // receives every line, arc and pipe
    cairo_t* handlesCr;  // null unless handlesEnable
    cairo_pattern_t* gradient;  // only while the gradient is built
    A_long mode;                // DrawMode
    A_FloatPoint span;          // end - start (Pipe: half of it)
    A_FloatPoint lineSpan;      // Line style: end - start for restoring the handles
    double lineWidth;           // pixels, downsample-scaled
    bool uniformCurvature;
    double curvature;     // fraction
    double curvatureEnd;  // fraction
    A_long axis;          // BezierAxis
    bool symmetrical;
    PF_PixelFloat color;
    double opacity;  // fraction
    A_long capStyle;  // CapStyle
    A_long additionalLines;
    A_long linesBeforeHalving;
    bool handlesEnable;
    double handlesWidth;  // pixels, not downsample-scaled
    double handlesOpacity;
    PF_PixelFloat handlesColor;
    bool strokeEnable;
    double strokeWidth;  // pixels, not downsample-scaled
    double strokeOpacity;
    PF_PixelFloat strokeColor;
    double dashExtension;
    bool gradientEnable;
    A_long gradientType;  // GradientType
    PF_PixelFloat gradientStartColor;
    PF_PixelFloat gradientEndColor;
    double smoothness;  // >= 0.1
    double gradientStartOpacity;
    double gradientEndOpacity;
    bool dashEnable;
    double dash;        // pixels, downsample-scaled
    double gap;         // pixels, downsample-scaled
    double dashOffset;  // pixels, downsample-scaled
    bool trimEnable;
    double trimStart;   // fraction
    double trimEnd;     // fraction
    double trimOffset;  // fraction
    A_long easingType;  // EasingDirection
    A_long easing;      // Easing
    A_long orderModifier;  // OrderModifier
    bool inheritSymmetry;
    double staggerOverlap;  // 1 - stagger fraction
    A_long lineIndex;       // index of the next trim window
    std::vector<A_FloatPoint> trimWindows;  // x = start, y = end curve fraction
    double lineCount;
    A_long windowCount;
    bool compositeOverOriginal;
    A_FloatPoint routeStart;
    A_FloatPoint routeCornerIn;
    A_FloatPoint routeEnd;
    A_FloatPoint routeCornerOut;
    A_FloatPoint routeControl1;
    A_FloatPoint routeControl2;
    A_FloatPoint routeSpacing;
    double cornerRadiusX;
    double cornerKappaX;
    double cornerRadiusY;
    double cornerKappaY;
    A_long mirrorCount;
};
