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

// The point p moved by the steps already concatenated into steps: the
// translation row of T(p) * steps.
A_FloatPoint transformPoint(const PF_FloatMatrix& steps, A_FloatPoint p);
