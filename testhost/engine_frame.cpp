#include "testhost/engine_frame.h"

#include "engine/record_fill.h"
#include "engine/stroke.h"

EngineFrame prepareEngineFrame(ParamArray& params, CairoSurfacePtr surface, double downsample) {
    EngineFrame frame{};
    myParams& p = frame.record;
    fillDrawParams(&p, params.data(), downsample,
                   [](const PF_ParamDef& def) { return colorToFloat(def.u.cd.value); });
    p.span = {p.end.x - p.start.x, p.end.y - p.start.y};
    frame.contexts = createFrameContexts(&p, std::move(surface));
    setupStrokeContexts(&p);
    return frame;
}

EngineFrame prepareEngineFrame(ParamArray& params, int width, int height, double downsample) {
    return prepareEngineFrame(
        params, CairoSurfacePtr(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), downsample);
}

void finishEngineFrame(EngineFrame& frame, ParamArray& params) {
    drawStylePass(&frame.record, params.data());
    strokeFrame(&frame.record, params.data());
    cairo_surface_flush(frame.contexts.surface.get());
}

EngineFrame drawEngineFrame(ParamArray& params, int width, int height) {
    EngineFrame frame = prepareEngineFrame(params, width, height);
    finishEngineFrame(frame, params);
    return frame;
}
