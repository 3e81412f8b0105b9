#include "engine/line_style.h"

#include "engine/cubic.h"
#include "engine/param_points.h"
#include "engine/param_index.h"
#include "engine/route.h"
#include "engine/trim_windows.h"

namespace {

void setHandles(myParams* p) {
    const double cs = p->curvature;
    const double ce = p->curvatureEnd;
    if (p->axis == kAxisX) {
        p->startHandle = {p->start.x + cs * p->lineSpan.x, p->start.y};
        p->endHandle = {p->end.x - ce * p->lineSpan.x, p->end.y};
    } else {
        p->startHandle = {p->start.x, p->start.y + cs * p->lineSpan.y};
        p->endHandle = {p->end.x, p->end.y - ce * p->lineSpan.y};
    }
}

bool nearZero(double fraction) { return -0.01 < fraction && fraction < 0.01; }

bool isStraight(const myParams& p) {
    if (p.uniformCurvature) return nearZero(p.curvature);
    return nearZero(p.curvature) && nearZero(p.curvatureEnd);
}

void drawTrimmedLine(myParams* p) {
    const A_FloatPoint window = p->trimWindows.at(static_cast<std::size_t>(p->lineIndex));
    const curveCoords q = cubicPiece({p->start.x, p->start.y, p->startHandle.x, p->startHandle.y, p->endHandle.x,
                                      p->endHandle.y, p->end.x, p->end.y},
                                     window.x, window.y);
    if (window.x < window.y) appendCurve(p->cr, q, true);
}

}  // namespace

void drawLine(myParams* p) {
    if (p->trimEnable) {
        drawTrimmedLine(p);
    } else {
        cairo_move_to(p->cr, p->start.x, p->start.y);
        if (isStraight(*p)) {
            cairo_line_to(p->cr, p->end.x, p->end.y);
        } else {
            cairo_curve_to(p->cr, p->startHandle.x, p->startHandle.y, p->endHandle.x, p->endHandle.y, p->end.x,
                           p->end.y);
        }
    }
    if (p->handlesEnable) {
        cairo_move_to(p->handlesCr, p->start.x, p->start.y);
        cairo_line_to(p->handlesCr, p->startHandle.x, p->startHandle.y);
        cairo_move_to(p->handlesCr, p->endHandle.x, p->endHandle.y);
        cairo_line_to(p->handlesCr, p->end.x, p->end.y);
    }
    ++p->lineIndex;
}

void drawAdditionalLines(myParams* p, PF_ParamDef* const params[]) {
    const double across = p->axis == kAxisX ? p->span.y : p->span.x;
    const double step = (p->symmetrical ? 2.0 : 1.0) * across / (static_cast<double>(p->additionalLines) + 1.0);
    for (A_long k = 1; k <= p->additionalLines; ++k) {
        if (p->axis == kAxisX) {
            p->end.y -= step;
            p->endHandle.y -= step;
        } else {
            p->end.x -= step;
            p->endHandle.x -= step;
        }
        drawLine(p);
    }
    p->start = readPointParam(params, veltrace::kStart);
    p->end = readPointParam(params, veltrace::kEnd);
    setHandles(p);
}

void drawLineStyle(myParams* p, PF_ParamDef* const params[]) {
    p->lineSpan = {p->end.x - p->start.x, p->end.y - p->start.y};
    setHandles(p);
    if (p->trimEnable) trimPaths(p);
    drawLine(p);
    if (p->additionalLines > 0) drawAdditionalLines(p, params);
    if (p->symmetrical) {
        if (p->axis == kAxisX) {
            p->end.y -= 2.0 * p->span.y;
            p->endHandle.y = p->end.y;
        } else {
            p->end.x -= 2.0 * p->span.x;
            p->endHandle.x = p->end.x;
        }
        drawLine(p);
    }
}
