#include "engine/cubic.h"

#include <gtest/gtest.h>

namespace {

constexpr double kEps = 1e-9;

void expectPiece(const curveCoords& q, const double (&expected)[8]) {
    const double got[8] = {q.x0, q.y0, q.x1, q.y1, q.x2, q.y2, q.x3, q.y3};
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(got[i], expected[i], kEps) << "coordinate " << i;
}

struct Curve {
    double points[8];
    double k[8];
};

Curve makeCurve(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3) {
    Curve c{{x0, y0, x1, y1, x2, y2, x3, y3}, {}};
    calcCubicParameters(x0, y0, x1, y1, x2, y2, x3, y3, c.k);
    return c;
}

TEST(Cubic, CoefficientsOfAKnownCurve) {
    const Curve c = makeCurve(0, 0, 1, 2, 3, 2, 4, 0);
    // c = 3(P1 - P0), b = 3(P2 - P1) - c, a = P3 - P0 - c - b, d = P0.
    const double expected[8] = {-2, 0, 3, -6, 3, 6, 0, 0};
    for (int i = 0; i < 8; ++i) EXPECT_DOUBLE_EQ(c.k[i], expected[i]) << i;
}

TEST(Cubic, WholeCurveComesBackAsTheMiddlePiece) {
    const Curve c = makeCurve(100, 100, 250, 100, 150, 200, 300, 200);
    const auto pieces = splitCubicAtT(c.k, 0.0, 1.0);
    ASSERT_EQ(pieces.size(), 3u);
    expectPiece(pieces[1], c.points);
    const double atStart[8] = {100, 100, 100, 100, 100, 100, 100, 100};
    const double atEnd[8] = {300, 200, 300, 200, 300, 200, 300, 200};
    expectPiece(pieces[0], atStart);
    expectPiece(pieces[2], atEnd);
}

TEST(Cubic, PiecesMeetAndFollowTheCurve) {
    const Curve c = makeCurve(0, 0, 10, 40, 60, -20, 100, 30);
    const auto pieces = splitCubicAtT(c.k, 0.25, 0.7);
    auto at = [&](double t) {
        return std::pair{((c.k[0] * t + c.k[2]) * t + c.k[4]) * t + c.k[6],
                         ((c.k[1] * t + c.k[3]) * t + c.k[5]) * t + c.k[7]};
    };
    EXPECT_NEAR(pieces[0].x3, at(0.25).first, kEps);
    EXPECT_NEAR(pieces[1].x0, at(0.25).first, kEps);
    EXPECT_NEAR(pieces[1].y3, at(0.7).second, kEps);
    EXPECT_NEAR(pieces[2].y0, at(0.7).second, kEps);
    // The middle piece's own midpoint is the curve's point at (0.25 + 0.7) / 2.
    const curveCoords& q = pieces[1];
    const double midX = (q.x0 + 3 * q.x1 + 3 * q.x2 + q.x3) / 8;
    EXPECT_NEAR(midX, at(0.475).first, kEps);
}

TEST(Cubic, EqualParametersCollapseTheMiddlePiece) {
    const Curve c = makeCurve(0, 0, 10, 40, 60, -20, 100, 30);
    const curveCoords q = splitCubicAtT(c.k, 0.4, 0.4)[1];
    EXPECT_DOUBLE_EQ(q.x0, q.x3);
    EXPECT_DOUBLE_EQ(q.x1, q.x0);
    EXPECT_DOUBLE_EQ(q.y2, q.y0);
}

TEST(Cubic, ReversedParametersRunBackwards) {
    const Curve c = makeCurve(0, 0, 10, 40, 60, -20, 100, 30);
    const auto forward = splitCubicAtT(c.k, 0.2, 0.8)[1];
    const auto backward = splitCubicAtT(c.k, 0.8, 0.2)[1];
    EXPECT_NEAR(backward.x0, forward.x3, kEps);
    EXPECT_NEAR(backward.y3, forward.y0, kEps);
}

TEST(Cubic, DegenerateCurveIsOnePoint) {
    const Curve c = makeCurve(5, 7, 5, 7, 5, 7, 5, 7);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(c.k[i], 0.0);
    for (const curveCoords& q : splitCubicAtT(c.k, 0.3, 0.6)) {
        const double point[8] = {5, 7, 5, 7, 5, 7, 5, 7};
        expectPiece(q, point);
    }
}

TEST(Cubic, ClampFloat) {
    EXPECT_EQ(clampFloat(-0.5), 0.0);
    EXPECT_EQ(clampFloat(1.5), 1.0);
    EXPECT_EQ(clampFloat(0.25), 0.25);
    EXPECT_EQ(clampFloat(0.0), 0.0);
    EXPECT_EQ(clampFloat(1.0), 1.0);
}

}  // namespace
