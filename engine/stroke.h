// Turning a frame's paths into pixels: caps, outline, line colour or
// gradient, dashes and handles. The only place that strokes.
#pragma once

#include "engine/draw_params.h"
#include "hostapi/ae_params.h"

// Sets the handles' width and the caps of cr and handlesCr (when handles are
// enabled). Call once, after the contexts exist and before the style pass.
void setupStrokeContexts(myParams* p);

// Strokes the main path (optional outline, then the line) and the handles,
// each context once. Changes strokeWidth and dashExtension for Projecting
// caps. params is the host's array; only Start and End are read, for the
// gradient. Reports nothing: a context in cairo's error state draws nothing.
void strokeFrame(myParams* p, PF_ParamDef* const params[]);

// Builds the linear or radial gradient between the user's Start and End and
// makes it the source of cr; the context keeps the only reference.
void applyGradient(PF_ParamDef* const params[], myParams* p);
