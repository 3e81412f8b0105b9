#include "testhost/engine_frame.h"

#include "engine/record_fill.h"
#include "engine/stroke.h"

EngineFrame prepareEngineFrame(ParamArray& params, int width, int height) {
    EngineFrame frame{};
    myParams& p = frame.record;
    fillDrawParams(&p, params.data(), 1.0, [](const PF_ParamDef& def) { return colorToFloat(def.u.cd.value); });
    p.span = {p.end.x - p.start.x, p.end.y - p.start.y};
    frame.contexts = createFrameContexts(&p, width, height);
    setupStrokeContexts(&p);
    return frame;
}

EngineFrame drawEngineFrame(ParamArray& params, int width, int height) {
    EngineFrame frame = prepareEngineFrame(params, width, height);
    drawStylePass(&frame.record, params.data());
    strokeFrame(&frame.record, params.data());
    cairo_surface_flush(frame.contexts.surface.get());
    return frame;
}
