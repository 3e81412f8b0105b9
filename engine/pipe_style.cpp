#include "engine/pipe_style.h"

#include <algorithm>
#include <cmath>

#include "engine/route.h"
#include "engine/trim_windows.h"

namespace {

// One half of a pipe as its sections are cut: a leg from p0, the corner
// cubic p1, c1, c2, p2, a leg from p2; the three length fractions and the
// two signed leg lengths, each leg along x or along y.
struct HalfRoute {
    A_FloatPoint p0, p1, c1, c2, p2;
    double g0, g1, g2;
    double l0, l2;
    bool firstLegAlongX;
    bool lastLegAlongX;
};

struct SectionsDrawn {
    bool firstLeg = false;
    bool corner = false;
    bool lastLeg = false;
};

A_FloatPoint alongLeg(A_FloatPoint from, double length, bool alongX) {
    return alongX ? A_FloatPoint{from.x + length, from.y} : A_FloatPoint{from.x, from.y + length};
}

// The sections of one half that window [a, b] overlaps. A section starts a
// sub-path unless the path already ends where it starts: after the section
// before it in this half or, where that was not drawn, as `before` says.
SectionsDrawn drawHalf(cairo_t* cr, const HalfRoute& half, double a, double b, const SectionsDrawn& before) {
    SectionsDrawn drawn;
    if (a < half.g0 && half.g0 > 0.0) {
        const A_FloatPoint from = alongLeg(half.p0, half.l0 * clampFloat(a / half.g0), half.firstLegAlongX);
        const A_FloatPoint to = alongLeg(half.p0, half.l0 * clampFloat(b / half.g0), half.firstLegAlongX);
        if (!before.lastLeg) cairo_move_to(cr, from.x, from.y);
        cairo_line_to(cr, to.x, to.y);
        drawn.firstLeg = true;
    }
    const double cornerEnd = half.g0 + half.g1;
    if (a < cornerEnd && b > half.g0 && half.g1 > 0.0) {
        const double tau0 = clampFloat(clampFloat(a - half.g0) / half.g1);
        const double tau1 = clampFloat(clampFloat(b - half.g0) / half.g1);
        appendCurve(cr, cornerPiece(half.p1, half.c1, half.c2, half.p2, tau0, tau1),
                    !(drawn.firstLeg || before.firstLeg));
        drawn.corner = true;
    }
    if (a < cornerEnd + half.g2 && b > cornerEnd && half.g2 > 0.0) {
        const A_FloatPoint from =
            alongLeg(half.p2, half.l2 * clampFloat(clampFloat(a - cornerEnd) / half.g2), half.lastLegAlongX);
        const A_FloatPoint to =
            alongLeg(half.p2, half.l2 * clampFloat(clampFloat(b - cornerEnd) / half.g2), half.lastLegAlongX);
        if (!(drawn.corner || before.corner)) cairo_move_to(cr, from.x, from.y);
        cairo_line_to(cr, to.x, to.y);
        drawn.lastLeg = true;
    }
    return drawn;
}

A_FloatPoint plus(A_FloatPoint a, A_FloatPoint b) { return {a.x + b.x, a.y + b.y}; }

}  // namespace

void drawPipe(myParams* p, double t0, double t1) {
    const bool x = p->axis == kAxisX;
    const A_FloatPoint s = p->start;
    const A_FloatPoint h = p->span;
    const A_FloatPoint mid = plus(s, h);

    // First half route, from start to the midpoint.
    p->routeStart = s;
    p->routeEnd = mid;
    if (x) {
        p->routeCornerIn.y = p->routeControl1.y = s.y;
        p->end.x = mid.x;
        p->routeCornerOut.x = p->routeControl2.x = mid.x;
    } else {
        p->routeCornerIn.x = p->routeControl1.x = s.x;
        p->end.y = mid.y;
        p->routeCornerOut.y = p->routeControl2.y = mid.y;
    }
    const double rho = p->curvature * std::min(std::fabs(h.x), std::fabs(h.y));
    if (x) {
        p->cornerRadiusX = s.x < mid.x ? rho : -rho;
        p->cornerRadiusY = p->end.y < s.y ? rho : -rho;
    } else {
        p->cornerRadiusX = s.x > p->end.x ? rho : -rho;
        p->cornerRadiusY = s.y < mid.y ? rho : -rho;
    }
    p->cornerKappaX = p->cornerRadiusX * kKappa;
    p->cornerKappaY = p->cornerRadiusY * kKappa;
    if (x) {
        p->routeCornerIn.x = h.x - p->cornerRadiusX + s.x;
        p->routeControl1.x = p->routeCornerIn.x + p->cornerKappaX;
        p->routeCornerOut.y = mid.y - (h.y + p->cornerRadiusY);
        p->routeControl2.y = p->routeCornerOut.y + p->cornerKappaY;
    } else {
        p->routeCornerIn.y = h.y - p->cornerRadiusY + s.y;
        p->routeControl1.y = p->routeCornerIn.y + p->cornerKappaY;
        p->routeCornerOut.x = mid.x - (h.x + p->cornerRadiusX);
        p->routeControl2.x = p->routeCornerOut.x + p->cornerKappaX;
    }

    const A_FloatPoint a = p->routeCornerIn;
    const A_FloatPoint b = p->routeCornerOut;
    const double l0 = x ? a.x - s.x : a.y - s.y;
    const double l1 = std::fabs(x ? p->cornerRadiusX : p->cornerRadiusY) * kHalfPi;
    const double l2 = x ? mid.y - b.y : mid.x - b.x;
    const double total = std::fabs(l0) + std::fabs(l1) + std::fabs(l2);

    SectionsDrawn firstHalf;
    if (!p->trimEnable) {
        cairo_move_to(p->cr, s.x, s.y);
        cairo_line_to(p->cr, a.x, a.y);
        cairo_curve_to(p->cr, p->routeControl1.x, p->routeControl1.y, p->routeControl2.x, p->routeControl2.y, b.x,
                       b.y);
        cairo_line_to(p->cr, mid.x, mid.y);
    } else if (!(total > 0.0)) {
        // Start = End: no length to cut by.
        if (t0 < t1) appendDot(p->cr, s);
        return;
    } else {
        const double ha = 2.0 * std::min(t0, 0.5);
        const double hb = 2.0 * std::min(t1, 0.5);
        if (ha < hb) {
            const HalfRoute half{s, a, p->routeControl1, p->routeControl2, b,
                                 std::fabs(l0) / total, std::fabs(l1) / total, std::fabs(l2) / total,
                                 l0, l2, x, !x};
            firstHalf = drawHalf(p->cr, half, ha, hb, SectionsDrawn{});
        }
    }

    // The second half is the first turned by 180 degrees about the midpoint.
    reflectRoute(p, mid, -1.0, -1.0);
    const A_FloatPoint endPoint = p->routeStart;
    const A_FloatPoint a2 = p->routeCornerIn;
    const A_FloatPoint b2 = p->routeCornerOut;
    if (!p->trimEnable) {
        cairo_line_to(p->cr, b2.x, b2.y);
        cairo_curve_to(p->cr, p->routeControl2.x, p->routeControl2.y, p->routeControl1.x, p->routeControl1.y, a2.x,
                       a2.y);
        cairo_line_to(p->cr, endPoint.x, endPoint.y);
        return;
    }
    const double ha = 2.0 * std::max(t0 - 0.5, 0.0);
    const double hb = 2.0 * std::max(t1 - 0.5, 0.0);
    if (!(ha < hb)) return;
    const double m0 = x ? b2.y - mid.y : b2.x - mid.x;
    const double m2 = x ? endPoint.x - a2.x : endPoint.y - a2.y;
    const HalfRoute half{mid, b2, p->routeControl2, p->routeControl1, a2,
                         std::fabs(m0) / total, std::fabs(l1) / total, std::fabs(m2) / total,
                         m0, m2, !x, x};
    drawHalf(p->cr, half, ha, hb, firstHalf);
}

void drawPipeStyle(myParams* p) {
    clampCornerCurvature(p);
    p->span = {(p->end.x - p->start.x) * 0.5, (p->end.y - p->start.y) * 0.5};
    if (p->symmetrical) {
        A_FloatPoint w0{0.0, 1.0};
        A_FloatPoint w1{0.0, 1.0};
        if (p->trimEnable) {
            trimPaths(p);
            w0 = p->trimWindows.at(0);
            w1 = p->trimWindows.at(1);
        }
        drawPipe(p, w0.x, w0.y);
        if (p->axis == kAxisX) {
            p->end.y -= 2.0 * (p->end.y - p->start.y);
            p->span.y = (p->end.y - p->start.y) * 0.5;
        } else {
            p->end.x -= 2.0 * (p->end.x - p->start.x);
            p->span.x = (p->end.x - p->start.x) * 0.5;
        }
        drawPipe(p, w1.x, w1.y);
    } else if (p->trimEnable) {
        drawPipe(p, clampFloat(p->trimOffset + p->trimStart), clampFloat(p->trimOffset + p->trimEnd));
    } else {
        drawPipe(p, 0.0, 1.0);
    }
}
