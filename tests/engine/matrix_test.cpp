#include "engine/matrix.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Matrix, MirrorInAVerticalLine) {
    PF_FloatMatrix m;
    SetIdentityMatrix(&m);
    TranslateMatrix(&m, 3, 4);
    TranslateMatrix(&m, -1, 0);
    ScaleMatrix(&m, -1, 1);
    TranslateMatrix(&m, 1, 0);
    EXPECT_EQ(m.mat[2][0], -1.0);
    EXPECT_EQ(m.mat[2][1], 4.0);
    const A_FloatPoint q = reflectPoint({3, 4}, {1, 0}, -1, 1);
    EXPECT_EQ(q.x, -1.0);
    EXPECT_EQ(q.y, 4.0);
}

TEST(Matrix, ReflectThroughAPoint) {
    const A_FloatPoint p = reflectPoint({3, 4}, {1, 1}, -1, -1);
    EXPECT_EQ(p.x, -1.0);
    EXPECT_EQ(p.y, -2.0);
}

TEST(Matrix, UnitScaleLeavesTheMatrixBitForBit) {
    PF_FloatMatrix m;
    SetIdentityMatrix(&m);
    TranslateMatrix(&m, 0.1, 0.7);
    m.mat[0][1] = 0.3;
    PF_FloatMatrix before = m;
    EXPECT_EQ(ScaleMatrix(&m, 1, 1), 0);
    EXPECT_EQ(std::memcmp(&m, &before, sizeof m), 0);
    ScaleMatrix(&m, 1, 1.0000001);
    EXPECT_NE(m.mat[2][1], before.mat[2][1]);
}

TEST(Matrix, ConcatMayAlias) {
    PF_FloatMatrix m{{{1, 2, 0}, {3, 4, 0}, {5, 6, 1}}};
    CCU_ConcatMatrix(&m, &m);
    // m * m computed from the original values.
    EXPECT_EQ(m.mat[0][0], 7.0);
    EXPECT_EQ(m.mat[0][1], 10.0);
    EXPECT_EQ(m.mat[2][0], 5.0 + 18.0 + 5.0);
    EXPECT_EQ(m.mat[2][1], 10.0 + 24.0 + 6.0);
}

}  // namespace
