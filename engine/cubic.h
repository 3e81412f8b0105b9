// Cubic Bezier subdivision by curve parameter, in doubles.
#pragma once

#include <array>
#include <vector>

// One cubic Bezier: p0 (start), p1, p2 (controls), p3 (end), as x, y pairs.
struct curveCoords {
    double x0, y0, x1, y1, x2, y2, x3, y3;
};

// Polynomial coefficients a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y of
// B(t) = a t^3 + b t^2 + c t + d.
using CubicCoefficients = std::array<double, 8>;

// Writes the coefficients of the cubic P0..P3 to out (eight doubles).
void calcCubicParameters(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3,
                         double* out);

// The three pieces of the cubic for [0, t0], [t0, t1] and [t1, 1], each
// reparametrised to [0, 1]. t0 and t1 are neither sorted nor clamped:
// t0 > t1 gives a middle piece that runs backwards.
std::vector<curveCoords> splitCubicAtT(const double* coefficients, double t0, double t1);

// The piece [t0, t1] of the cubic p0, p1, p2, p3: the middle sub-curve of
// splitCubicAtT on its coefficients.
curveCoords cubicPiece(const double (&points)[8], double t0, double t1);

// x limited to [0, 1].
double clampFloat(double x);
