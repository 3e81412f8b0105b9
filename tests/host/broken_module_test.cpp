// Each check of the test host catches the fault it is there for, shown on
// modules broken on purpose.
#include <gtest/gtest.h>

#include "engine/param_index.h"
#include "testhost/effect_instance.h"

namespace {

using namespace veltrace;

TEST(BrokenModules, LeakedStreamShows) {
    TestHost host(VELTRACE_BROKEN_MODULE_1);
    EffectInstance effect(host, 32, 32);
    ASSERT_EQ(effect.userChangedParam(kGradientType), PF_Err_NONE);
    EXPECT_EQ(host.project().liveStreams(), 1);
}

TEST(BrokenModules, IgnoredHostErrorShows) {
    TestHost host(VELTRACE_BROKEN_MODULE_2);
    EffectInstance effect(host, 32, 32);
    host.resetLedger();
    host.setFaults({.failOperation = "AEGP_GetNewEffectStreamByIndex", .failAt = 1, .failWith = 0x55});
    EXPECT_NE(effect.updateParamsUI(), 0x55) << "the error is lost";
    EXPECT_GT(host.ledger().callCount("AEGP_GetNewEffectStreamByIndex"), 1) << "later steps ran";
}

TEST(BrokenModules, PixelPastTheRowShows) {
    TestHost host(VELTRACE_BROKEN_MODULE_3);
    EffectInstance effect(host, 32, 32);
    auto out = effect.newOutput(8);
    EXPECT_THROW(effect.render(*out), std::logic_error);
}

TEST(BrokenModules, HiddenAllocationFailureShows) {
    TestHost host(VELTRACE_BROKEN_MODULE_4);
    EffectInstance effect(host, 40000, 1);
    auto out = effect.newOutput();
    EXPECT_EQ(effect.render(*out), PF_Err_NONE) << "a frame that was never drawn is reported as drawn";
    EXPECT_EQ(host.ledger().callCount("get_pixel_data8"), 0);
}

}  // namespace
