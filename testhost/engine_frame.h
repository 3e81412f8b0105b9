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

// Fills a record from params (colours as the colour suite converts them),
// then draws and strokes the frame on a width x height image surface. The
// result owns the surface; record points into it.
EngineFrame drawEngineFrame(ParamArray& params, int width, int height);

// The record fill and the contexts on surface (taken over), without
// drawing: for path tests and vector output.
EngineFrame prepareEngineFrame(ParamArray& params, CairoSurfacePtr surface, double downsample = 1.0);
EngineFrame prepareEngineFrame(ParamArray& params, int width, int height, double downsample = 1.0);

// The style pass and the strokes of a prepared frame.
void finishEngineFrame(EngineFrame& frame, ParamArray& params);
