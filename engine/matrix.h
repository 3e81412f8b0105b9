// 3x3 matrix helpers with points as row vectors, used to mirror and turn
// route points. Free functions on the caller's matrices; no errors.
#pragma once

#include "hostapi/ae_types.h"

// m becomes the identity.
void SetIdentityMatrix(PF_FloatMatrix* m);

// m <- m * a: the transform of m followed by that of a. a and m may alias.
void CCU_ConcatMatrix(const PF_FloatMatrix* a, PF_FloatMatrix* m);

// m <- m * T(tx, ty). Returns 0.
int TranslateMatrix(PF_FloatMatrix* m, double tx, double ty);

// m <- m * S(sx, sy); exactly (1, 1) leaves m untouched. Returns 0.
int ScaleMatrix(PF_FloatMatrix* m, double sx, double sy);

// p mirrored or turned about centre: from the identity, concatenate T(p),
// T(-centre), S(sx, sy) and T(centre), and read off the translation row.
// (-1, 1) mirrors in the vertical line through centre, (1, -1) in the
// horizontal one, (-1, -1) turns p by 180 degrees about centre.
A_FloatPoint reflectPoint(A_FloatPoint p, A_FloatPoint centre, double sx, double sy);
