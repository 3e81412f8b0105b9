// What the Arc and Pipe styles share: the corner size rule, the six route
// points, their mirror or turned image, and the cut corner cubic.
#pragma once

#include <array>

#include "engine/cubic.h"
#include "engine/draw_params.h"

// Quarter-circle cubic approximation: control points at kappa * radius.
inline constexpr double kKappa = 0.552284749831;
inline constexpr double kHalfPi = 3.141592653589793 / 2.0;

// curvature <- min(max(curvature, 0), 1); above 0.99 it becomes 0.999 and
// below 0.01 it becomes 0.01.
void clampCornerCurvature(myParams* p);

// The route in list order: routeStart, routeCornerIn, routeControl1,
// routeEnd, routeCornerOut, routeControl2.
using RoutePoints = std::array<A_FloatPoint, 6>;
RoutePoints routePoints(const myParams& p);
void setRoutePoints(myParams* p, const RoutePoints& points);

// Replaces every route point by reflectPoint(point, centre, sx, sy).
void reflectRoute(myParams* p, A_FloatPoint centre, double sx, double sy);

// The part [t0, t1] of the corner cubic from, c1, c2, to.
curveCoords cornerPiece(A_FloatPoint from, A_FloatPoint c1, A_FloatPoint c2, A_FloatPoint to, double t0, double t1);

// Appends the cubic q, starting a sub-path at its first point unless the
// path is already there.
void appendCurve(cairo_t* cr, const curveCoords& q, bool startSubPath);

// A trimmed route of length 0 still shows its caps: a zero-length segment
// at at, which cairo strokes as a dot for round and projecting caps.
void appendDot(cairo_t* cr, A_FloatPoint at);
