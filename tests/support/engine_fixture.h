// Parameter arrays and path checks shared by the engine tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/param_index.h"
#include "engine/path_dump.h"
#include "testhost/engine_frame.h"
#include "testhost/param_array.h"

namespace testing_support {

// The registered defaults on a layer of the given size.
class DefaultParams {
public:
    DefaultParams(int width, int height)
        : registered_(defaultDefinitions()),
          layer_{width, height, width * 4, nullptr, {0, 0, width, height}},
          params_(registered_, layer_) {}

    ParamArray& params() { return params_; }
    PF_ParamDef& operator[](int index) { return params_[index]; }
    void slider(int index, double value) { params_[index].u.fs_d.value = value; }
    void popup(int index, A_long value) { params_[index].u.pd.value = value; }
    void checkbox(int index, bool on) { params_[index].u.bd.value = on ? 1 : 0; }
    void color(int index, A_u_char r, A_u_char g, A_u_char b, A_u_char a = 255) {
        params_[index].u.cd.value = PF_Pixel{a, r, g, b};
    }
    void point(int index, double x, double y) { params_.setPoint(index, x, y); }

private:
    std::array<PF_ParamDef, veltrace::kParamCount - 1> registered_;
    PF_EffectWorld layer_;
    ParamArray params_;
};

// One expected element: op and its points.
struct Expected {
    PathOp op;
    std::vector<A_FloatPoint> points;
};

// cairo stores coordinates in 24.8 fixed point.
inline constexpr double kPathTolerance = 1.0 / 256.0;

inline void expectPath(const std::vector<PathElement>& got, const std::vector<Expected>& expected,
                       const std::string& name, double tolerance = kPathTolerance) {
    ASSERT_EQ(got.size(), expected.size()) << name;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].op, expected[i].op) << name << " element " << i;
        ASSERT_EQ(got[i].points.size(), expected[i].points.size()) << name << " element " << i;
        for (std::size_t k = 0; k < got[i].points.size(); ++k) {
            EXPECT_NEAR(got[i].points[k].x, expected[i].points[k].x, tolerance)
                << name << " element " << i << " point " << k;
            EXPECT_NEAR(got[i].points[k].y, expected[i].points[k].y, tolerance)
                << name << " element " << i << " point " << k;
        }
    }
}

// The end point of every sub-path's last element, in order.
inline std::vector<A_FloatPoint> subPathEnds(const std::vector<PathElement>& path) {
    std::vector<A_FloatPoint> ends;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const bool last = i + 1 == path.size() || path[i + 1].op == PathOp::Move;
        if (last && path[i].op != PathOp::Move) ends.push_back(path[i].points.back());
    }
    return ends;
}

// Every coordinate of every element is a finite number.
inline bool allFinite(const std::vector<PathElement>& path) {
    for (const auto& e : path) {
        for (const auto& pt : e.points) {
            if (!std::isfinite(pt.x) || !std::isfinite(pt.y)) return false;
        }
    }
    return true;
}

inline int countOps(const std::vector<PathElement>& path, PathOp op) {
    int n = 0;
    for (const auto& e : path) n += e.op == op;
    return n;
}

}  // namespace testing_support
