#include <gtest/gtest.h>


#include "support/controls_fixture.h"

namespace {

using namespace veltrace;
using Visibility = testing_support::ControlsFixture;

bool hidden(Project& p, int index) { return p.params[std::size_t(index)].hidden; }

TEST_F(Visibility, CurvatureRangeFollowsMode) {
    params()[kMode].u.pd.value = 2;
    params()[kCurvature].u.fs_d.value = 250;
    ASSERT_EQ(updateUI(), PF_Err_NONE);
    PF_ParamDef& curvature = params()[kCurvature];
    EXPECT_EQ(curvature.u.fs_d.value, 100.0);
    EXPECT_EQ(curvature.u.fs_d.valid_min, 0.0f);
    EXPECT_EQ(curvature.u.fs_d.valid_max, 100.0f);
    EXPECT_EQ(curvature.uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);

    params()[kMode].u.pd.value = 1;
    curvature.uu.change_flags = 0;
    ASSERT_EQ(updateUI(), PF_Err_NONE);
    EXPECT_EQ(curvature.u.fs_d.value, 100.0) << "Line keeps the clamped value";
    EXPECT_EQ(curvature.u.fs_d.valid_min, -1000.0f);
    EXPECT_EQ(curvature.u.fs_d.valid_max, 1000.0f);
    EXPECT_EQ(curvature.u.fs_d.slider_max, 100.0f);
    EXPECT_EQ(curvature.uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);

    params()[kMode].u.pd.value = 3;
    curvature.u.fs_d.value = -40;
    ASSERT_EQ(updateUI(), PF_Err_NONE);
    EXPECT_EQ(curvature.u.fs_d.value, 0.0);
    expectNothingHeld("interface updates");
}

TEST_F(Visibility, WhatEachModeHides) {
    struct Case {
        A_long mode;
        bool uniform;
        std::vector<int> hidden;
    };
    const Case cases[] = {
        {3, true, {kUniformCurvature, kCurvatureEnd, kAdditionalLines, kHandlesGroup, kLeft, kTop, kRight, kBottom}},
        {2, true, {kUniformCurvature, kCurvatureEnd, kHandlesGroup, kLeft, kTop, kRight, kBottom}},
        {1, false, {kLeft, kTop, kRight, kBottom}},
    };
    for (const Case& c : cases) {
        params()[kMode].u.pd.value = c.mode;
        params()[kUniformCurvature].u.bd.value = c.uniform;
        ASSERT_EQ(updateUI(), PF_Err_NONE);
        EXPECT_EQ(project().hiddenParams(), c.hidden) << "mode " << c.mode;
    }
    expectNothingHeld("interface updates");
}

TEST_F(Visibility, LineWithUniformCurvatureLeavesCurvatureEndAsItWas) {
    params()[kMode].u.pd.value = 2;
    ASSERT_EQ(updateUI(), PF_Err_NONE);
    params()[kMode].u.pd.value = 1;
    ASSERT_EQ(updateUI(), PF_Err_NONE);
    EXPECT_TRUE(hidden(project(), kCurvatureEnd)) << "uniform on: still hidden from Arc";
    params()[kUniformCurvature].u.bd.value = 0;
    ASSERT_EQ(changed(kUniformCurvature), PF_Err_NONE);
    EXPECT_FALSE(hidden(project(), kCurvatureEnd));
    params()[kUniformCurvature].u.bd.value = 1;
    ASSERT_EQ(changed(kUniformCurvature), PF_Err_NONE);
    EXPECT_TRUE(hidden(project(), kCurvatureEnd));
}

TEST_F(Visibility, SmoothnessFollowsGradientTypeOnly) {
    params()[kGradientType].u.pd.value = 2;
    ASSERT_EQ(changed(kGradientType), PF_Err_NONE);
    EXPECT_FALSE(hidden(project(), kSmoothness));
    params()[kGradientType].u.pd.value = 1;
    ASSERT_EQ(changed(kGradientType), PF_Err_NONE);
    EXPECT_TRUE(hidden(project(), kSmoothness));
    for (int other : {kMode, kSymmetrical, kUniformCurvature, kSwapColors}) {
        ASSERT_EQ(changed(other), PF_Err_NONE);
        ASSERT_EQ(updateUI(), PF_Err_NONE);
        EXPECT_TRUE(hidden(project(), kSmoothness)) << other;
    }
    expectNothingHeld("changes");
}

TEST_F(Visibility, InheritSymmetryFollowsSymmetrical) {
    params()[kSymmetrical].u.bd.value = 0;
    ASSERT_EQ(changed(kSymmetrical), PF_Err_NONE);
    EXPECT_TRUE(hidden(project(), kInheritSymmetry));
    params()[kSymmetrical].u.bd.value = 1;
    ASSERT_EQ(changed(kSymmetrical), PF_Err_NONE);
    EXPECT_FALSE(hidden(project(), kInheritSymmetry));
}

TEST_F(Visibility, SwapColorsExchangesBothWithAlpha) {
    params()[kGradientStartColor].u.cd.value = {255, 255, 0, 0};
    params()[kGradientEndColor].u.cd.value = {128, 0, 255, 0};
    ASSERT_EQ(changed(kSwapColors), PF_Err_NONE);
    const PF_Pixel start = params()[kGradientStartColor].u.cd.value;
    const PF_Pixel end = params()[kGradientEndColor].u.cd.value;
    EXPECT_EQ(start.alpha, 128);
    EXPECT_EQ(start.green, 255);
    EXPECT_EQ(end.alpha, 255);
    EXPECT_EQ(end.red, 255);
    EXPECT_EQ(params()[kGradientStartColor].uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);
    EXPECT_EQ(params()[kGradientEndColor].uu.change_flags, PF_ChangeFlag_CHANGED_VALUE);

    host.resetLedger();
    host.setFaults({.failOperation = "AEGP_GetNewEffectForEffect", .failAt = 1, .failWith = 0x4321});
    EXPECT_EQ(changed(kSwapColors), 0x4321);
    EXPECT_EQ(params()[kGradientStartColor].u.cd.value.red, 255) << "swapped back even though the host failed";
    expectNothingHeld("swap");
}

}  // namespace
