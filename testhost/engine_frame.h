// A frame drawn by the engine alone, the way the render driver sequences it
// but without a host: for engine tests, benchmarks and the demo.
#pragma once

#include "engine/draw_params.h"
#include "engine/frame.h"
#include "testhost/param_array.h"

struct EngineFrame {
    FrameContexts contexts;
    myParams record;
};

// Fills a record from params (colours as the colour suite converts them,
// downsample 1), then draws and strokes the frame on a width x height
// surface. The result owns the surface; record points into it.
EngineFrame drawEngineFrame(ParamArray& params, int width, int height);

// The same record fill and contexts, without drawing: for path tests.
EngineFrame prepareEngineFrame(ParamArray& params, int width, int height);
