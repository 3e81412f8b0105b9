#include "engine/route.h"

#include <algorithm>

#include "engine/matrix.h"

void clampCornerCurvature(myParams* p) {
    double cs = std::min(std::max(p->curvature, 0.0), 1.0);
    if (cs > 0.99) cs = 0.999;
    if (cs < 0.01) cs = 0.01;
    p->curvature = cs;
}

RoutePoints routePoints(const myParams& p) {
    return {p.routeStart, p.routeCornerIn, p.routeControl1, p.routeEnd, p.routeCornerOut, p.routeControl2};
}

void setRoutePoints(myParams* p, const RoutePoints& points) {
    p->routeStart = points[0];
    p->routeCornerIn = points[1];
    p->routeControl1 = points[2];
    p->routeEnd = points[3];
    p->routeCornerOut = points[4];
    p->routeControl2 = points[5];
}

void reflectRoute(myParams* p, A_FloatPoint centre, double sx, double sy) {
    RoutePoints points = routePoints(*p);
    for (A_FloatPoint& point : points) point = reflectPoint(point, centre, sx, sy);
    setRoutePoints(p, points);
}

curveCoords cornerPiece(A_FloatPoint from, A_FloatPoint c1, A_FloatPoint c2, A_FloatPoint to, double t0, double t1) {
    return cubicPiece({from.x, from.y, c1.x, c1.y, c2.x, c2.y, to.x, to.y}, t0, t1);
}

void appendCurve(cairo_t* cr, const curveCoords& q, bool startSubPath) {
    if (startSubPath) cairo_move_to(cr, q.x0, q.y0);
    cairo_curve_to(cr, q.x1, q.y1, q.x2, q.y2, q.x3, q.y3);
}

void appendDot(cairo_t* cr, A_FloatPoint at) {
    cairo_move_to(cr, at.x, at.y);
    cairo_line_to(cr, at.x, at.y);
}
