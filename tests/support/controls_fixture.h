// An effect instance in the test host, with helpers to send the interface
// update and the user-changed-parameter commands as a host would.
#pragma once

#include <gtest/gtest.h>

#include "engine/param_index.h"
#include "testhost/effect_instance.h"

namespace testing_support {

struct ControlsFixture : ::testing::Test {
    TestHost host;
    EffectInstance effect{host, 200, 100};
    ParamArray& params() { return effect.params(); }
    Project& project() { return host.project(); }

    PF_Err updateUI() { return effect.updateParamsUI(); }
    PF_Err changed(int index) { return effect.userChangedParam(index); }
    void expectNothingHeld(const std::string& what) {
        EXPECT_EQ(project().liveStreams(), 0) << what;
        EXPECT_EQ(project().liveEffects(), 0) << what;
        EXPECT_EQ(host.ledger().outstandingSuites(), 0) << what;
        EXPECT_TRUE(project().problems.empty()) << what << ": " << project().problems.front();
    }
};

}  // namespace testing_support
