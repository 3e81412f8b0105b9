// Rendering through the built module in the test host.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/draw_params.h"
#include "engine/param_index.h"
#include "testhost/effect_instance.h"

namespace {

using namespace veltrace;

struct RenderFixture : ::testing::Test {
    TestHost host;
    EffectInstance effect{host, 64, 48};
    ParamArray& params() { return effect.params(); }
    void slider(int i, double v) { params()[i].u.fs_d.value = v; }
    void popup(int i, A_long v) { params()[i].u.pd.value = v; }
    void checkbox(int i, bool v) { params()[i].u.bd.value = v; }
    void color(int i, PF_Pixel c) { params()[i].u.cd.value = c; }
    // A horizontal line across the layer at y = 24.
    void horizontalLine() {
        params().setPoint(kStart, 4, 24);
        params().setPoint(kEnd, 60, 24);
        slider(kCurvature, 0);
    }
    std::unique_ptr<HostWorld> render(PF_Err expected = PF_Err_NONE) {
        auto out = effect.newOutput();
        EXPECT_EQ(effect.render(*out), expected);
        return out;
    }
};

bool sameBytes(const HostWorld& a, const HostWorld& b) { return a.samePixels(b); }

TEST_F(RenderFixture, DefaultFrameThroughTheModule) {
    auto out = render();
    // The default curve passes through the frame's centre, grey 128, opaque.
    const PF_Pixel centre = out->at(32, 24);
    EXPECT_EQ(centre.alpha, 255);
    EXPECT_EQ(centre.red, 128);
    EXPECT_EQ(centre.green, 128);
    EXPECT_EQ(centre.blue, 128);
    const PF_Pixel corner = out->at(63, 0);
    EXPECT_EQ(std::memcmp(&corner, "\0\0\0\0", 4), 0) << "untouched pixels are transparent black";
    const HostLedger ledger = host.ledger();
    EXPECT_EQ(ledger.outstandingSuites(), 0);
    EXPECT_EQ(ledger.acquired.at("PF ColorParamSuite/1"), 1);
    EXPECT_EQ(ledger.callCount("PF_GetFloatingPointColorFromColorDef"), 5);
    EXPECT_EQ(ledger.callCount("fill"), 0) << "the transfer writes every pixel; no clearing first";
    EXPECT_EQ(ledger.callCount("get_pixel_data8"), 1);
}

TEST_F(RenderFixture, AllLinesShareOneStroke) {
    // Five lines meet at Start; stroked one by one, their overlap there
    // would build up opacity.
    slider(kAdditionalLines, 3);
    checkbox(kSymmetrical, true);
    slider(kOpacity, 50);
    slider(kLineWidth, 6);
    auto out = render();
    EXPECT_EQ(out->at(17, 12).alpha, 128);
}

TEST_F(RenderFixture, DownsampleScalesExactlyFourFields) {
    horizontalLine();
    checkbox(kStrokeEnable, true);
    slider(kStrokeWidth, 4);
    checkbox(kDashEnable, true);
    slider(kLineWidth, 8);
    slider(kDash, 12);
    slider(kGap, 8);
    slider(kDashOffset, 4);
    effect.setDownsample(2);
    auto half = render();

    TestHost other;
    EffectInstance direct(other, 32, 24);
    ParamArray& p = direct.params();
    p.setPoint(kStart, 2, 12);
    p.setPoint(kEnd, 30, 12);
    p[kCurvature].u.fs_d.value = 0;
    p[kStrokeEnable].u.bd.value = 1;
    p[kStrokeWidth].u.fs_d.value = 4;  // the outline is not scaled
    p[kDashEnable].u.bd.value = 1;
    p[kLineWidth].u.fs_d.value = 4;
    p[kDash].u.fs_d.value = 6;
    p[kGap].u.fs_d.value = 4;
    p[kDashOffset].u.fs_d.value = 2;
    auto full = direct.newOutput();
    ASSERT_EQ(direct.render(*full), PF_Err_NONE);
    EXPECT_TRUE(sameBytes(*half, *full));
}

TEST_F(RenderFixture, HandlesInArcAndPipeDrawNothing) {
    for (A_long mode : {kModeArc, kModePipe}) {
        popup(kMode, mode);
        checkbox(kHandlesEnable, false);
        auto plain = render();
        checkbox(kHandlesEnable, true);
        auto withHandles = render();
        EXPECT_TRUE(sameBytes(*plain, *withHandles)) << mode;
    }
}

TEST_F(RenderFixture, EmptyWorld) {
    HostWorld empty(0, 0);
    EXPECT_EQ(effect.render(empty), PF_Err_NONE);
    EXPECT_EQ(host.ledger().outstandingSuites(), 0);
}

TEST_F(RenderFixture, PaddedRowsKeepTheirPadding) {
    auto out = effect.newOutput(12);
    ASSERT_EQ(effect.render(*out), PF_Err_NONE);
    EXPECT_TRUE(out->guardsIntact());
    EXPECT_EQ(out->at(32, 24).alpha, 255);
}

struct LayerCase {
    const char* name;
    PF_Pixel layer;
};

TEST_F(RenderFixture, CompositeOverOriginal) {
    horizontalLine();
    slider(kLineWidth, 4);
    color(kColor, {255, 255, 0, 0});
    auto alone = render();
    checkbox(kCompositeOverOriginal, true);
    const LayerCase cases[] = {{"transparent", {0, 0, 0, 0}}, {"opaque blue", {255, 0, 0, 255}},
                               {"half-transparent blue", {128, 0, 0, 255}}};
    for (const LayerCase& c : cases) {
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) effect.layer().at(x, y) = c.layer;
        }
        auto out = render();
        // The line lies in front at full strength; the layer shows elsewhere.
        const PF_Pixel onLine = out->at(30, 24);
        EXPECT_EQ(onLine.alpha, 255) << c.name;
        EXPECT_EQ(onLine.red, 255) << c.name;
        EXPECT_EQ(onLine.blue, 0) << c.name;
        const PF_Pixel off = out->at(30, 5);
        EXPECT_EQ(std::memcmp(&off, &c.layer, 4), 0) << c.name;
        if (c.layer.alpha == 0) {
            EXPECT_TRUE(sameBytes(*out, *alone)) << "a transparent layer changes nothing";
        }
    }
    EXPECT_EQ(host.ledger().outstandingSuites(), 0);
}

TEST_F(RenderFixture, CompositeUsesTheExtentHintAtTheOrigin) {
    slider(kOpacity, 0);  // nothing drawn: the output is the layer's part
    checkbox(kCompositeOverOriginal, true);
    effect.layer().at(10, 20) = {255, 1, 2, 3};
    effect.inData().extent_hint = {8, 16, 40, 40};
    auto out = render();
    const PF_Pixel moved = out->at(2, 4);
    EXPECT_EQ(moved.alpha, 255);
    EXPECT_EQ(moved.blue, 3);
    EXPECT_EQ(out->at(10, 20).alpha, 0);
    EXPECT_EQ(out->at(40, 30).alpha, 0) << "outside the hint's size nothing is copied";
}

TEST_F(RenderFixture, MissingSuitesAre516AndLeakNothing) {
    checkbox(kCompositeOverOriginal, true);
    for (const char* suite : {"PF World Transform Suite/1", "PF ColorParamSuite/1"}) {
        host.resetLedger();
        host.setFaults({.missingSuites = {suite}});
        render(PF_Err_BAD_CALLBACK_PARAM);
        EXPECT_EQ(host.ledger().outstandingSuites(), 0) << suite;
    }
    host.setFaults({});
    effect.inData().pica_basicP = nullptr;
    render(PF_Err_BAD_CALLBACK_PARAM);
}

TEST_F(RenderFixture, CompositeErrorIsTheRenderResult) {
    checkbox(kCompositeOverOriginal, true);
    host.setFaults({.failOperation = "transfer_rect", .failAt = 1, .failWith = PF_Err_OUT_OF_MEMORY});
    render(PF_Err_OUT_OF_MEMORY);
    EXPECT_EQ(host.ledger().outstandingSuites(), 0);
}

TEST_F(RenderFixture, DamagedValuesLeaveTheClearedOutputAnd512) {
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 1e38, -1e38};
    for (int index : {kLineWidth, kCurvature, kTrimEnd, kDash, kAdditionalLines, kSmoothness, kStrokeOpacity}) {
        for (double value : bad) {
            TestHost h;
            EffectInstance e(h, 64, 48);
            e.params()[index].u.fs_d.value = value;
            e.params()[kTrimEnable].u.bd.value = 1;
            auto out = e.newOutput();
            out->fillPixels(0xFF);
            EXPECT_EQ(e.render(*out), PF_Err_INTERNAL_STRUCT_DAMAGED) << index << " " << value;
            EXPECT_EQ(out->at(32, 24).alpha, 0) << "cleared";
            EXPECT_EQ(h.ledger().callCount("fill"), 1);
            EXPECT_EQ(h.ledger().outstandingSuites(), 0);
        }
    }
    // Just outside a valid range is damaged too; the range's ends are not.
    struct Edge {
        int index;
        double outside, end;
    };
    for (const Edge& e : {Edge{kCurvature, 1000.5, 1000}, Edge{kLineWidth, -0.01, 0}, Edge{kAdditionalLines, 1001, 1000},
                          Edge{kTrimOffset, -100.5, -100}}) {
        slider(e.index, e.outside);
        render(PF_Err_INTERNAL_STRUCT_DAMAGED);
        slider(e.index, e.end);
        render(PF_Err_NONE);
    }
    // Left/Top/Right/Bottom are not read by the render.
    slider(kLeft, std::numeric_limits<double>::quiet_NaN());
    render(PF_Err_NONE);
}

TEST_F(RenderFixture, DownsampleWithZeroDenominatorIs512) {
    // A downsample ratio with denominator 0 makes every width infinite.
    effect.inData().downsample_x = {1, 0};
    render(PF_Err_INTERNAL_STRUCT_DAMAGED);
}

TEST(RenderLimits, SurfaceCairoCannotAllocateIs512) {
    TestHost host;
    EffectInstance effect(host, 40000, 1);
    auto out = effect.newOutput();
    out->fillPixels(0xFF);
    EXPECT_EQ(effect.render(*out), PF_Err_INTERNAL_STRUCT_DAMAGED);
    EXPECT_EQ(out->at(20000, 0).alpha, 0) << "the output stays cleared";
    EXPECT_EQ(host.ledger().callCount("get_pixel_data8"), 0) << "no transfer";
    EXPECT_EQ(host.ledger().outstandingSuites(), 0);
}

}  // namespace
