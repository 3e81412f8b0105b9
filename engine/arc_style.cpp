#include "engine/arc_style.h"

#include <algorithm>
#include <cmath>

#include "engine/param_index.h"
#include "engine/param_points.h"
#include "engine/route.h"
#include "engine/trim_windows.h"

namespace {

bool alongX(const myParams& p) { return p.axis == kAxisX; }

// routeStart and routeEnd from start and end, and the coordinates of the
// corner points that lie on the legs through them.
void setRouteEnds(myParams* p) {
    p->routeStart = p->start;
    p->routeEnd = p->end;
    if (alongX(*p)) {
        p->routeCornerIn.y = p->routeControl1.y = p->start.y;
        p->routeCornerOut.x = p->routeControl2.x = p->end.x;
    } else {
        p->routeCornerIn.x = p->routeControl1.x = p->start.x;
        p->routeCornerOut.y = p->routeControl2.y = p->end.y;
    }
}

// The corner points from span and the corner radii.
void setCornerPoints(myParams* p) {
    const A_FloatPoint d = p->span;
    if (alongX(*p)) {
        p->routeCornerIn.x = d.x - p->cornerRadiusX + p->start.x;
        p->routeCornerOut.y = p->end.y - (p->cornerRadiusY + d.y);
        p->routeControl1.x = p->routeCornerIn.x + p->cornerKappaX;
        p->routeControl2.y = p->routeCornerOut.y + p->cornerKappaY;
    } else {
        p->routeCornerIn.y = d.y - p->cornerRadiusY + p->start.y;
        p->routeCornerOut.x = p->end.x - (p->cornerRadiusX + d.x);
        p->routeControl1.y = p->routeCornerIn.y + p->cornerKappaY;
        p->routeControl2.x = p->routeCornerOut.x + p->cornerKappaX;
    }
}

void setCornerRadius(myParams* p) {
    const A_FloatPoint d = p->span;
    double rho;
    if (p->additionalLines <= 0) {
        rho = p->curvature * std::min(std::fabs(d.x), std::fabs(d.y));
    } else {
        const double lines = static_cast<double>(p->additionalLines + 1);
        p->routeSpacing = alongX(*p) ? A_FloatPoint{d.x / lines, d.y} : A_FloatPoint{d.x, d.y / lines};
        rho = p->curvature * std::min(std::fabs(p->routeSpacing.x), std::fabs(p->routeSpacing.y));
    }
    const A_FloatPoint s = p->start;
    const A_FloatPoint e = p->end;
    if (alongX(*p)) {
        p->cornerRadiusX = e.x > s.x ? rho : -rho;
        p->cornerRadiusY = e.y < s.y ? rho : -rho;
    } else {
        p->cornerRadiusX = s.x > e.x ? rho : -rho;
        p->cornerRadiusY = s.y < e.y ? rho : -rho;
    }
    p->cornerKappaX = p->cornerRadiusX * kKappa;
    p->cornerKappaY = p->cornerRadiusY * kKappa;
}

void appendWholeRoute(myParams* p) {
    cairo_move_to(p->cr, p->routeStart.x, p->routeStart.y);
    cairo_line_to(p->cr, p->routeCornerIn.x, p->routeCornerIn.y);
    cairo_curve_to(p->cr, p->routeControl1.x, p->routeControl1.y, p->routeControl2.x, p->routeControl2.y,
                   p->routeCornerOut.x, p->routeCornerOut.y);
    cairo_line_to(p->cr, p->routeEnd.x, p->routeEnd.y);
}

A_FloatPoint windowAt(const myParams& p, A_long index) {
    // A negative index wraps to a huge one and fails the bounds check.
    return p.trimWindows.at(static_cast<std::size_t>(index));
}

}  // namespace

void drawTrimmedArc(myParams* p, double t0, double t1) {
    if (t0 >= t1) return;
    const bool x = alongX(*p);
    const A_FloatPoint r0 = p->routeStart;
    const A_FloatPoint a = p->routeCornerIn;
    const A_FloatPoint r1 = p->routeEnd;
    const A_FloatPoint b = p->routeCornerOut;
    const double m = x ? std::fabs(r0.x - a.x) : std::fabs(r0.y - a.y);
    const double l = std::fabs(x ? p->cornerRadiusX : p->cornerRadiusY) * kHalfPi;
    const double h = x ? std::fabs(r1.y - b.y) : std::fabs(r1.x - b.x);
    const double length = m + l + h;
    if (!(length > 0.0)) {
        appendDot(p->cr, r0);
        return;
    }
    const double o = m / length;
    const double g = o + l / length;
    const double r = length * t0;

    // Sections of length 0 are skipped: drawing them would divide by 0.
    bool open = false;
    if (t0 < o && m > 0.0) {
        double u = clampFloat((t1 - t0) / o) * m;
        if (r + u > m) u = m - r;
        if (x) {
            const double sigma = r0.x > r1.x ? -1.0 : 1.0;
            cairo_move_to(p->cr, r0.x + sigma * r, r0.y);
            cairo_line_to(p->cr, r0.x + sigma * r + sigma * u, a.y);
        } else {
            const double sigma = r0.y <= b.y ? 1.0 : -1.0;
            cairo_move_to(p->cr, r0.x, r0.y + sigma * r);
            cairo_line_to(p->cr, a.x, r0.y + sigma * r + sigma * u);
        }
        open = true;
    }
    bool cornerDrawn = false;
    if (length * t0 < m + l && t1 > o && l > 0.0) {
        const double tau0 = clampFloat((t0 - o) * length / l);
        const double tau1 = clampFloat((t1 - o) * length / l);
        appendCurve(p->cr, cornerPiece(a, p->routeControl1, p->routeControl2, b, tau0, tau1), !open);
        cornerDrawn = true;
    }
    if (t1 >= g && h > 0.0) {
        const double s = t0 > g ? (t0 - g) * length : 0.0;
        const double e = h - (1.0 - t1) * length;
        if (x) {
            const double sigma = r0.y > r1.y ? -1.0 : 1.0;
            if (!cornerDrawn) cairo_move_to(p->cr, b.x, b.y + sigma * s);
            cairo_line_to(p->cr, r1.x, b.y + sigma * e);
        } else {
            const double sigma = r0.x > r1.x ? -1.0 : 1.0;
            if (!cornerDrawn) cairo_move_to(p->cr, b.x + sigma * s, b.y);
            cairo_line_to(p->cr, b.x + sigma * e, r1.y);
        }
    }
}

void drawArc(myParams* p) {
    if (p->trimEnable) {
        const A_FloatPoint w = windowAt(*p, p->lineIndex);
        drawTrimmedArc(p, w.x, w.y);
        ++p->lineIndex;
    } else {
        appendWholeRoute(p);
    }
    if (!p->symmetrical) return;
    // Mirror in the line through the route's start perpendicular to the
    // first leg.
    const A_FloatPoint s = p->routeStart;
    if (alongX(*p)) {
        reflectRoute(p, {s.x, 0.0}, -1.0, 1.0);
    } else {
        reflectRoute(p, {0.0, s.y}, 1.0, -1.0);
    }
    if (p->trimEnable) {
        const A_FloatPoint w = windowAt(*p, p->windowCount - 1 - p->mirrorCount);
        drawTrimmedArc(p, w.x, w.y);
        ++p->mirrorCount;
    } else {
        appendWholeRoute(p);
    }
}

void drawAdditionalArcs(myParams* p, PF_ParamDef* const params[]) {
    const A_FloatPoint d = p->span;
    const double along = alongX(*p) ? d.x : d.y;
    const double lines = static_cast<double>(p->additionalLines + 1);
    double step;
    if (p->symmetrical) {
        step = 2.0 * along / lines;
        p->linesBeforeHalving = p->additionalLines + 1;
        p->additionalLines /= 2;
    } else {
        step = along / lines;
    }
    for (A_long i = 1; i <= p->additionalLines; ++i) {
        if (alongX(*p)) {
            p->end.x -= step;
        } else {
            p->end.y -= step;
        }
        setRouteEnds(p);
        p->span = {p->end.x - p->start.x, p->end.y - p->start.y};
        setCornerPoints(p);
        drawArc(p);
    }
    // With an odd count before halving, the middle arc would lie on the
    // mirror line itself: it is drawn as a straight line across.
    if (!p->symmetrical || p->linesBeforeHalving % 2 != 0) return;
    const A_FloatPoint start = readPointParam(params, veltrace::kStart);
    const A_FloatPoint end = readPointParam(params, veltrace::kEnd);
    const A_FloatPoint lineEnd = alongX(*p) ? A_FloatPoint{start.x, end.y} : A_FloatPoint{end.x, start.y};
    if (!p->trimEnable) {
        cairo_move_to(p->cr, start.x, start.y);
        cairo_line_to(p->cr, lineEnd.x, lineEnd.y);
        return;
    }
    const A_FloatPoint w = windowAt(*p, p->windowCount / 2);
    if (!(w.x < w.y)) return;
    const A_FloatPoint delta{lineEnd.x - start.x, lineEnd.y - start.y};
    const A_FloatPoint from{start.x + w.x * delta.x, start.y + w.x * delta.y};
    cairo_move_to(p->cr, from.x, from.y);
    cairo_line_to(p->cr, from.x + (w.y - w.x) * delta.x, from.y + (w.y - w.x) * delta.y);
}

void drawArcStyle(myParams* p, PF_ParamDef* const params[]) {
    clampCornerCurvature(p);
    setRouteEnds(p);
    setCornerRadius(p);
    setCornerPoints(p);
    if (p->trimEnable) trimPaths(p);
    drawArc(p);
    if (p->additionalLines > 0) drawAdditionalArcs(p, params);
}
