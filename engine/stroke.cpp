#include "engine/stroke.h"

#include <cmath>

#include "engine/param_index.h"
#include "engine/param_points.h"

namespace {

void setCap(cairo_t* cr, A_long capStyle) {
    switch (capStyle) {
        case kCapButt: cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT); break;
        case kCapRound: cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND); break;
        case kCapProjecting: cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE); break;
        default: break;  // keeps cairo's default cap
    }
}

void setSource(cairo_t* cr, const PF_PixelFloat& color, double alpha) {
    cairo_set_source_rgba(cr, double{color.red}, double{color.green}, double{color.blue}, alpha);
}

void setDash(cairo_t* cr, double on, double off, double offset) {
    const double pattern[2] = {on, off};
    cairo_set_dash(cr, pattern, 2, offset);
}

void addStop(cairo_pattern_t* pattern, double offset, const PF_PixelFloat& color, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, double{color.red}, double{color.green}, double{color.blue},
                                      alpha);
}

}  // namespace

void setupStrokeContexts(myParams* p) {
    if (p->handlesEnable) {
        cairo_set_line_width(p->handlesCr, p->handlesWidth);
        setCap(p->handlesCr, p->capStyle);
    }
    setCap(p->cr, p->capStyle);
}

void strokeFrame(myParams* p, PF_ParamDef* const params[]) {
    // Projecting caps reach half a width past each dash end: the outline may
    // add no more than the gap, and its dashes grow by the width it adds.
    if (p->capStyle == kCapProjecting) {
        if (p->strokeWidth > p->gap) p->strokeWidth = p->gap;
        p->dashExtension = p->strokeWidth;
    }
    if (p->dashEnable && p->strokeWidth > 0.0) {
        setDash(p->cr, p->dash + p->dashExtension, p->gap - p->dashExtension,
                p->dashExtension * 0.5 + p->dashOffset);
    }
    if (p->strokeEnable && p->strokeWidth > 0.0) {
        cairo_set_line_width(p->cr, p->lineWidth + p->strokeWidth);
        setSource(p->cr, p->strokeColor, p->opacity * p->strokeOpacity);
        cairo_stroke_preserve(p->cr);
    }
    cairo_set_line_width(p->cr, p->lineWidth);
    if (p->dashEnable) setDash(p->cr, p->dash, p->gap, p->dashOffset);
    if (p->gradientEnable) {
        applyGradient(params, p);
    } else {
        setSource(p->cr, p->color, p->opacity);
    }
    cairo_stroke(p->cr);
    if (p->handlesEnable) {
        setSource(p->handlesCr, p->handlesColor, p->handlesOpacity);
        cairo_stroke(p->handlesCr);
    }
}

void applyGradient(PF_ParamDef* const params[], myParams* p) {
    p->start = readPointParam(params, veltrace::kStart);
    p->end = readPointParam(params, veltrace::kEnd);
    const A_FloatPoint s = p->start;
    const A_FloatPoint e = p->end;
    if (p->gradientType == kGradientLinear) {
        // Line: along the Bezier Axis; Arc and Pipe: across it.
        const bool alongX = (p->mode == kModeLine) == (p->axis == kAxisX);
        p->gradient = alongX ? cairo_pattern_create_linear(s.x, s.y, e.x, s.y)
                             : cairo_pattern_create_linear(s.x, s.y, s.x, e.y);
    } else {
        const double radius = 2.0 * std::hypot(e.x - s.x, e.y - s.y) * p->smoothness;
        p->gradient = cairo_pattern_create_radial(s.x, s.y, 0.0, s.x, s.y, radius);
    }
    addStop(p->gradient, 0.0, p->gradientStartColor, p->gradientStartOpacity * p->opacity);
    addStop(p->gradient, 1.0, p->gradientEndColor, p->gradientEndOpacity * p->opacity);
    cairo_set_source(p->cr, p->gradient);
    cairo_pattern_destroy(p->gradient);
    p->gradient = nullptr;
}
