// The cairo objects of one frame, owned, and the style pass by Mode.
#pragma once

#include <cairo.h>

#include <memory>

#include "engine/draw_params.h"
#include "hostapi/ae_params.h"

struct CairoSurfaceDestroy {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoContextDestroy {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, CairoSurfaceDestroy>;
using CairoContextPtr = std::unique_ptr<cairo_t, CairoContextDestroy>;

// Members are destroyed in reverse order: the main context, the surface,
// then the handles context.
struct FrameContexts {
    CairoContextPtr handlesCr;
    CairoSurfacePtr surface;
    CairoContextPtr cr;
};

// Creates an ARGB32 surface of width x height pixels, its main context and,
// when p->handlesEnable, a handles context on the same surface; points the
// record's surface, cr and handlesCr at them. The record borrows them: keep
// the result alive while p draws. A surface cairo cannot allocate comes
// back in cairo's error state (cairo_surface_status tells).
FrameContexts createFrameContexts(myParams* p, int width, int height);

// The same on a surface of the caller's (an SVG or PDF surface, say),
// which the result takes over.
FrameContexts createFrameContexts(myParams* p, CairoSurfacePtr surface);

// The style pass of p->mode (Line, Arc, Pipe); any other mode adds no path.
void drawStylePass(myParams* p, PF_ParamDef* const params[]);
