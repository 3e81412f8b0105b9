#include "engine/cubic.h"

void calcCubicParameters(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3,
                         double* out) {
    const double cx = 3.0 * (x1 - x0);
    const double cy = 3.0 * (y1 - y0);
    const double bx = 3.0 * (x2 - x1) - cx;
    const double by = 3.0 * (y2 - y1) - cy;
    out[0] = x3 - x0 - cx - bx;
    out[1] = y3 - y0 - cy - by;
    out[2] = bx;
    out[3] = by;
    out[4] = cx;
    out[5] = cy;
    out[6] = x0;
    out[7] = y0;
}

namespace {

// The piece of one coordinate's polynomial between u and v, as Bezier
// ordinates, by the Taylor expansion at u.
void pieceOrdinates(double a, double b, double c, double d, double u, double v, double q[4]) {
    const double h = v - u;
    q[0] = a * u * u * u + b * u * u + c * u + d;
    const double d1 = h * (3.0 * a * u * u + 2.0 * b * u + c);
    const double d2 = h * h * (3.0 * a * u + b);
    q[1] = q[0] + d1 / 3.0;
    q[2] = q[1] + (d1 + d2) / 3.0;
    q[3] = q[0] + d1 + d2 + h * h * h * a;
}

}  // namespace

std::vector<curveCoords> splitCubicAtT(const double* k, double t0, double t1) {
    const double ts[4] = {0.0, t0, t1, 1.0};
    std::vector<curveCoords> pieces;
    pieces.reserve(3);
    for (int i = 0; i < 3; ++i) {
        double x[4];
        double y[4];
        pieceOrdinates(k[0], k[2], k[4], k[6], ts[i], ts[i + 1], x);
        pieceOrdinates(k[1], k[3], k[5], k[7], ts[i], ts[i + 1], y);
        pieces.push_back(curveCoords{x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3]});
    }
    return pieces;
}

curveCoords cubicPiece(const double (&pt)[8], double t0, double t1) {
    double k[8];
    calcCubicParameters(pt[0], pt[1], pt[2], pt[3], pt[4], pt[5], pt[6], pt[7], k);
    return splitCubicAtT(k, t0, t1).at(1);
}

double clampFloat(double x) {
    if (x < 0.0) x = 0.0;
    if (x > 1.0) x = 1.0;
    return x;
}
