#include "engine/record_fill.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/engine_fixture.h"

namespace {

using namespace veltrace;
using testing_support::DefaultParams;

myParams fill(DefaultParams& d, double downsample = 1.0) {
    myParams p{};
    fillDrawParams(&p, d.params().data(), downsample, [](const PF_ParamDef& def) { return colorToFloat(def.u.cd.value); });
    return p;
}

struct FillCase {
    const char* name;
    std::function<void(DefaultParams&)> set;
    std::function<void(const myParams&)> check;
    double downsample = 1.0;
};

TEST(RecordFill, Rules) {
    const FillCase cases[] = {
        {"defaults", [](DefaultParams&) {},
         [](const myParams& p) {
             EXPECT_EQ(p.mode, kModeLine);
             EXPECT_EQ(p.lineWidth, 10.0);
             EXPECT_TRUE(p.uniformCurvature);
             EXPECT_EQ(p.curvature, 0.75);
             EXPECT_EQ(p.curvatureEnd, 0.75);
             EXPECT_EQ(p.capStyle, kCapRound);
             EXPECT_EQ(p.easing, kEasingNone);
             EXPECT_EQ(p.easingType, kEaseInOut);
             EXPECT_EQ(p.orderModifier, kOrderNone);
             EXPECT_EQ(p.staggerOverlap, 0.5);
             EXPECT_EQ(p.opacity, 1.0);
             EXPECT_EQ(p.smoothness, 0.5);
             EXPECT_FALSE(p.trimEnable || p.dashEnable || p.gradientEnable || p.strokeEnable || p.handlesEnable);
             EXPECT_EQ(p.start.x, 16.0);  // 25 % of 64
             EXPECT_EQ(p.end.y, 36.0);    // 75 % of 48
             EXPECT_EQ(p.lineIndex, 0);
             EXPECT_EQ(p.dashExtension, 0.0);
             EXPECT_TRUE(p.trimWindows.empty());
             EXPECT_FLOAT_EQ(p.color.red, 128.0f / 255.0f);
         }},
        {"curvature end ignored with uniform curvature",
         [](DefaultParams& d) { d.slider(kCurvature, 20); d.slider(kCurvatureEnd, 90); },
         [](const myParams& p) { EXPECT_EQ(p.curvatureEnd, p.curvature); }},
        {"curvature end used without uniform curvature",
         [](DefaultParams& d) { d.checkbox(kUniformCurvature, false); d.slider(kCurvatureEnd, 90); },
         [](const myParams& p) { EXPECT_EQ(p.curvatureEnd, 0.9); }},
        {"arc clears uniform curvature, keeps curvature end",
         [](DefaultParams& d) { d.popup(kMode, kModeArc); d.slider(kCurvatureEnd, 90); },
         [](const myParams& p) { EXPECT_FALSE(p.uniformCurvature); EXPECT_EQ(p.curvatureEnd, 0.9); }},
        {"pipe clears additional lines and uniform curvature",
         [](DefaultParams& d) { d.popup(kMode, kModePipe); d.slider(kAdditionalLines, 7); },
         [](const myParams& p) { EXPECT_EQ(p.additionalLines, 0); EXPECT_FALSE(p.uniformCurvature); }},
        {"additional lines truncate", [](DefaultParams& d) { d.slider(kAdditionalLines, 2.9); },
         [](const myParams& p) { EXPECT_EQ(p.additionalLines, 2); }},
        {"additional lines held to the valid range", [](DefaultParams& d) { d.slider(kAdditionalLines, 1e38); },
         [](const myParams& p) { EXPECT_EQ(p.additionalLines, 1000); }},
        {"negative additional lines", [](DefaultParams& d) { d.slider(kAdditionalLines, -3); },
         [](const myParams& p) { EXPECT_EQ(p.additionalLines, 0); }},
        {"smoothness 0 % floors at 0.1", [](DefaultParams& d) { d.slider(kSmoothness, 0); },
         [](const myParams& p) { EXPECT_EQ(p.smoothness, 0.1); }},
        {"smoothness 5 % floors at 0.1", [](DefaultParams& d) { d.slider(kSmoothness, 5); },
         [](const myParams& p) { EXPECT_EQ(p.smoothness, 0.1); }},
        {"stagger 100 %", [](DefaultParams& d) { d.slider(kStagger, 100); },
         [](const myParams& p) { EXPECT_EQ(p.staggerOverlap, 0.0); }},
        {"stagger 0 %", [](DefaultParams& d) { d.slider(kStagger, 0); },
         [](const myParams& p) { EXPECT_EQ(p.staggerOverlap, 1.0); }},
        {"downsample scales exactly four fields",
         [](DefaultParams& d) {
             d.slider(kLineWidth, 10); d.slider(kDash, 10); d.slider(kGap, 6); d.slider(kDashOffset, -4);
             d.slider(kStrokeWidth, 10); d.slider(kHandlesWidth, 10);
         },
         [](const myParams& p) {
             EXPECT_EQ(p.lineWidth, 5.0);
             EXPECT_EQ(p.dash, 5.0);
             EXPECT_EQ(p.gap, 3.0);
             EXPECT_EQ(p.dashOffset, -2.0);
             EXPECT_EQ(p.strokeWidth, 10.0);
             EXPECT_EQ(p.handlesWidth, 10.0);
             EXPECT_EQ(p.start.x, 16.0);
         },
         0.5},
        {"points from 16.16", [](DefaultParams& d) {
             d[kStart].u.td.x_value = 6553600; d[kStart].u.td.y_value = 3276800;
         },
         [](const myParams& p) { EXPECT_EQ(p.start.x, 100.0); EXPECT_EQ(p.start.y, 50.0); }},
        {"checkbox reads its low byte", [](DefaultParams& d) { d[kSymmetrical].u.bd.value = 0x100; },
         [](const myParams& p) { EXPECT_FALSE(p.symmetrical); }},
        {"colour alpha is read but never used", [](DefaultParams& d) { d.color(kColor, 255, 0, 0, 0); },
         [](const myParams& p) { EXPECT_EQ(p.color.red, 1.0f); EXPECT_EQ(p.opacity, 1.0); }},
        {"fractions are not clamped",
         [](DefaultParams& d) { d.slider(kCurvature, -500); d.slider(kTrimOffset, -100); },
         [](const myParams& p) { EXPECT_EQ(p.curvature, -5.0); EXPECT_EQ(p.trimOffset, -1.0); }},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        DefaultParams d(64, 48);
        c.set(d);
        c.check(fill(d, c.downsample));
    }
}

TEST(RecordFill, ResetsAReusedRecord) {
    DefaultParams d(64, 48);
    myParams p{};
    p.lineIndex = 9;
    p.trimWindows.resize(3);
    p.dashExtension = 4;
    fillDrawParams(&p, d.params().data(), 1.0, [](const PF_ParamDef& def) { return colorToFloat(def.u.cd.value); });
    EXPECT_EQ(p.lineIndex, 0);
    EXPECT_TRUE(p.trimWindows.empty());
    EXPECT_EQ(p.dashExtension, 0.0);
}

}  // namespace
