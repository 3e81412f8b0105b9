#include "engine/matrix.h"

void SetIdentityMatrix(PF_FloatMatrix* m) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) m->mat[i][j] = i == j ? 1.0 : 0.0;
    }
}

void CCU_ConcatMatrix(const PF_FloatMatrix* a, PF_FloatMatrix* m) {
    PF_FloatMatrix r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            r.mat[i][j] = (m->mat[i][0] * a->mat[0][j] + m->mat[i][1] * a->mat[1][j]) + m->mat[i][2] * a->mat[2][j];
        }
    }
    *m = r;
}

int TranslateMatrix(PF_FloatMatrix* m, double tx, double ty) {
    PF_FloatMatrix t;
    SetIdentityMatrix(&t);
    t.mat[2][0] = tx;
    t.mat[2][1] = ty;
    CCU_ConcatMatrix(&t, m);
    return 0;
}

int ScaleMatrix(PF_FloatMatrix* m, double sx, double sy) {
    if (sx == 1.0 && sy == 1.0) return 0;
    PF_FloatMatrix s;
    SetIdentityMatrix(&s);
    s.mat[0][0] = sx;
    s.mat[1][1] = sy;
    CCU_ConcatMatrix(&s, m);
    return 0;
}

A_FloatPoint reflectPoint(A_FloatPoint p, A_FloatPoint centre, double sx, double sy) {
    PF_FloatMatrix m;
    SetIdentityMatrix(&m);
    TranslateMatrix(&m, p.x, p.y);
    TranslateMatrix(&m, -centre.x, -centre.y);
    ScaleMatrix(&m, sx, sy);
    TranslateMatrix(&m, centre.x, centre.y);
    return A_FloatPoint{m.mat[2][0], m.mat[2][1]};
}
