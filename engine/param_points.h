// Reading the Start and End point parameters straight from the host's array.
#pragma once

#include "hostapi/ae_params.h"

// The point parameter at index, converted from 16.16 fixed point to pixels.
// params must hold a point definition at index.
inline A_FloatPoint readPointParam(PF_ParamDef* const params[], int index) {
    const PF_PointDef& point = params[index]->u.td;
    return A_FloatPoint{point.x_value * PF_FIXED_TO_DOUBLE, point.y_value * PF_FIXED_TO_DOUBLE};
}
