#include "engine/frame.h"

#include "engine/arc_style.h"
#include "engine/line_style.h"
#include "engine/pipe_style.h"

FrameContexts createFrameContexts(myParams* p, int width, int height) {
    return createFrameContexts(p, CairoSurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)));
}

FrameContexts createFrameContexts(myParams* p, CairoSurfacePtr surface) {
    FrameContexts frame;
    frame.surface = std::move(surface);
    frame.cr.reset(cairo_create(frame.surface.get()));
    if (p->handlesEnable) frame.handlesCr.reset(cairo_create(frame.surface.get()));
    p->surface = frame.surface.get();
    p->cr = frame.cr.get();
    p->handlesCr = frame.handlesCr.get();
    return frame;
}

void drawStylePass(myParams* p, PF_ParamDef* const params[]) {
    switch (p->mode) {
        case kModeLine: drawLineStyle(p, params); break;
        case kModeArc: drawArcStyle(p, params); break;
        case kModePipe: drawPipeStyle(p); break;
        default: break;
    }
}
