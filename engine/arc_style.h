// Arc style: an L-shaped route from Start to End with one rounded corner,
// additional arcs fanned along the first leg, mirror images and a middle
// line, each cut by length to its trim window. Appends to p->cr only.
#pragma once

#include "engine/draw_params.h"
#include "hostapi/ae_params.h"

// The whole pass for one frame. Requires the filled record with span set
// and cr created; of params only Start and End are read (middle line).
// Throws std::out_of_range if a trim window is missing.
void drawArcStyle(myParams* p, PF_ParamDef* const params[]);

// The route in the record and, with symmetrical, its mirror image.
void drawArc(myParams* p);

// The part of the route between the length fractions t0 and t1, as one
// connected sub-path; nothing when t0 >= t1. Sections of length 0 are not
// drawn; a route of length 0 gives a zero-length segment at its start.
void drawTrimmedArc(myParams* p, double t0, double t1);

// The additional arcs (halved with symmetrical) and the middle line.
void drawAdditionalArcs(myParams* p, PF_ParamDef* const params[]);
