// Threaded rendering: frames rendered on 8 threads at once must equal the
// same frames rendered alone, byte for byte.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "engine/draw_params.h"
#include "engine/param_index.h"
#include "testhost/effect_instance.h"

namespace {

using namespace veltrace;

struct Scene {
    const char* name;
    std::function<void(ParamArray&)> set;
};

const Scene kScenes[] = {
    {"line, fan, random trim", [](ParamArray& p) {
         p[kAdditionalLines].u.fs_d.value = 12;
         p[kSymmetrical].u.bd.value = 1;
         p[kTrimEnable].u.bd.value = 1;
         p[kTrimEnd].u.fs_d.value = 60;
         p[kOrderModifier].u.pd.value = kOrderRandom;
         p[kEasing].u.pd.value = kEasingExpo;
     }},
    {"arc, gradient, dashes", [](ParamArray& p) {
         p[kMode].u.pd.value = kModeArc;
         p[kAdditionalLines].u.fs_d.value = 5;
         p[kSymmetrical].u.bd.value = 1;
         p[kGradientEnable].u.bd.value = 1;
         p[kGradientType].u.pd.value = kGradientRadial;
         p[kDashEnable].u.bd.value = 1;
         p[kTrimEnable].u.bd.value = 1;
         p[kTrimStart].u.fs_d.value = 10;
         p[kOrderModifier].u.pd.value = kOrderRandom;
     }},
    {"pipe, outline, composite", [](ParamArray& p) {
         p[kMode].u.pd.value = kModePipe;
         p[kStrokeEnable].u.bd.value = 1;
         p[kCapStyle].u.pd.value = kCapProjecting;
         p[kCompositeOverOriginal].u.bd.value = 1;
         p[kOpacity].u.fs_d.value = 60;
     }},
    {"line, handles, linear gradient", [](ParamArray& p) {
         p[kHandlesEnable].u.bd.value = 1;
         p[kGradientEnable].u.bd.value = 1;
         p[kBezierAxis].u.pd.value = kAxisY;
         p[kLineWidth].u.fs_d.value = 25;
     }},
};

TEST(ConcurrentRender, ThreadsGiveTheBytesOfASingleRender) {
    constexpr int kThreads = 8;
    constexpr int kRounds = 4;
    TestHost host;
    std::vector<std::unique_ptr<EffectInstance>> effects;
    std::vector<std::unique_ptr<HostWorld>> alone;
    for (const Scene& scene : kScenes) {
        effects.push_back(std::make_unique<EffectInstance>(host, 160, 90));
        EffectInstance& effect = *effects.back();
        scene.set(effect.params());
        for (int y = 0; y < 90; ++y) {
            for (int x = 0; x < 160; ++x) effect.layer().at(x, y) = {255, A_u_char(x), A_u_char(y), 200};
        }
        alone.push_back(effect.newOutput());
        ASSERT_EQ(effect.render(*alone.back()), PF_Err_NONE) << scene.name;
    }
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                for (std::size_t s = 0; s < effects.size(); ++s) {
                    // Each thread starts at another scene, so different frames overlap.
                    const std::size_t k = (s + std::size_t(t)) % effects.size();
                    auto out = effects[k]->newOutput();
                    if (effects[k]->render(*out) != PF_Err_NONE || !out->samePixels(*alone[k])) {
                        ++mismatches[std::size_t(t)];
                    }
                }
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(mismatches[std::size_t(t)], 0) << "thread " << t;
    EXPECT_EQ(host.ledger().outstandingSuites(), 0);
}

}  // namespace
