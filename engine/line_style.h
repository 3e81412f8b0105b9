// Line style: cubic Beziers from Start to End with handles along one axis,
// the fan of additional lines and the mirror line. Appends sub-paths to
// p->cr and handle segments to p->handlesCr; never strokes.
#pragma once

#include "engine/draw_params.h"
#include "hostapi/ae_params.h"

// The whole pass for one frame. Requires the filled record with span set and
// cr (and handlesCr when handlesEnable) created; params is the host's array,
// of which only Start and End are read. Throws std::out_of_range if a trim
// window is missing (cannot happen with windows from trimPaths).
void drawLineStyle(myParams* p, PF_ParamDef* const params[]);

// One line: the cubic start, startHandle, endHandle, end as they stand, cut
// to trimWindows[lineIndex] when trimming; then its handles; lineIndex + 1.
void drawLine(myParams* p);

// The additionalLines fanned lines, then start, end and handles restored
// from the parameters.
void drawAdditionalLines(myParams* p, PF_ParamDef* const params[]);
