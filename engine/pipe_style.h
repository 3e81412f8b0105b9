// Pipe style: a route from Start to End with two rounded elbows through the
// midpoint, point-symmetric about it, optionally with a second pipe to End
// mirrored in the line through Start parallel to the axis. Appends to
// p->cr only.
#pragma once

#include "engine/draw_params.h"

// The whole pass for one frame. Requires the filled record and cr.
// Throws std::out_of_range if a trim window is missing.
void drawPipeStyle(myParams* p);

// One pipe from start to end, or with trimEnable its part between the
// length fractions t0 and t1. Sets span-dependent route fields and moves
// end's axis coordinate to the midpoint's. Sections of length 0 are not
// drawn; a route of length 0 gives a zero-length segment at its start.
void drawPipe(myParams* p, double t0, double t1);
