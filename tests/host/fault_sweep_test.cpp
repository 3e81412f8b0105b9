// Every host call of every command, failed in turn: the command returns
// exactly the injected error, makes no call it should have skipped, and
// leaves no suite, stream or effect handle outstanding.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "engine/param_index.h"
#include "testhost/effect_instance.h"

namespace {

using namespace veltrace;

struct Command {
    const char* name;
    bool needsInstance;                          // global and parameter setup run first
    std::function<void(ParamArray&)> set;        // parameter values before the command
    std::function<PF_Err(TestHost&, EffectInstance*)> run;
};

PF_Err globalSetup(TestHost& host, EffectInstance*) {
    PF_OutData out{};
    return host.command(PF_Cmd_GLOBAL_SETUP, &out);
}
PF_Err paramsSetup(TestHost& host, EffectInstance*) {
    PF_OutData out{};
    return host.setupParams(&out);
}
PF_Err about(TestHost& host, EffectInstance*) {
    PF_OutData out{};
    return host.command(PF_Cmd_ABOUT, &out);
}
PF_Err render(TestHost&, EffectInstance* effect) {
    auto out = effect->newOutput();
    return effect->render(*out);
}
PF_Err updateUI(TestHost&, EffectInstance* effect) { return effect->updateParamsUI(); }
std::function<PF_Err(TestHost&, EffectInstance*)> changed(int index) {
    return [index](TestHost&, EffectInstance* effect) { return effect->userChangedParam(index); };
}
void nothing(ParamArray&) {}

const Command kCommands[] = {
    {"global setup", false, nothing, globalSetup},
    {"parameter setup", false, nothing, paramsSetup},
    {"about", false, nothing, about},
    {"render", true, nothing, render},
    {"render with composite", true, [](ParamArray& p) { p[kCompositeOverOriginal].u.bd.value = 1; }, render},
    {"interface update, Line", true, [](ParamArray& p) { p[kUniformCurvature].u.bd.value = 0; }, updateUI},
    {"interface update, Arc", true, [](ParamArray& p) { p[kMode].u.pd.value = 2; }, updateUI},
    {"interface update, Pipe", true, [](ParamArray& p) { p[kMode].u.pd.value = 3; }, updateUI},
    {"Uniform Curvature", true, nothing, changed(kUniformCurvature)},
    {"Gradient Type", true, nothing, changed(kGradientType)},
    {"Symmetrical", true, nothing, changed(kSymmetrical)},
    {"Swap Colors", true, nothing, changed(kSwapColors)},
    {"Create Nulls", true, nothing, changed(kCreateNulls)},
};

// Operations with no error channel, or whose result the effect ignores by
// design (the fill is overwritten by the transfer; a colour the host could
// not convert stays black).
const std::set<std::string> kNoErrorChannel = {"ReleaseSuite", "strcpy", "sprintf"};
const std::set<std::string> kResultIgnored = {"fill", "PF_GetFloatingPointColorFromColorDef"};
// What may follow a failure: releases, and clearing the output of a frame
// that could not be drawn.
const std::set<std::string> kCleanup = {"AEGP_DisposeStream", "AEGP_DisposeEffect", "AEGP_EndUndoGroup",
                                        "ReleaseSuite", "AcquireSuite", "fill"};

struct Outcome {
    PF_Err result;
    HostLedger ledger;
    int streams, effects;
    std::vector<std::string> problems;
    bool undoOpen;
};

Outcome runCommand(const Command& c, const FaultPlan& faults) {
    TestHost host;
    std::unique_ptr<EffectInstance> effect;
    if (c.needsInstance) {
        effect = std::make_unique<EffectInstance>(host, 48, 32);
        c.set(effect->params());
    }
    host.resetLedger();
    host.setFaults(faults);
    const PF_Err result = c.run(host, effect.get());
    const Project& p = host.project();
    const bool open = !p.undoGroups.empty() && !p.undoGroups.back().closed;
    return {result, host.ledger(), p.liveStreams(), p.liveEffects(), p.problems, open};
}

TEST(FaultSweep, EveryHostCallOfEveryCommand) {
    constexpr A_Err kInjected = 0x7E57;
    int sites = 0;
    for (const Command& c : kCommands) {
        const Outcome clean = runCommand(c, {});
        ASSERT_EQ(clean.result, PF_Err_NONE) << c.name;
        std::map<std::string, int> seen;
        for (std::size_t step = 0; step < clean.ledger.sequence.size(); ++step) {
            const std::string op = clean.ledger.sequence[step];
            const int occurrence = ++seen[op];
            if (kNoErrorChannel.count(op)) continue;
            const bool acquire = op == "AcquireSuite";
            const Outcome failed =
                runCommand(c, {.failOperation = op, .failAt = occurrence, .failWith = acquire ? 1 : kInjected});
            const std::string where = std::string(c.name) + ", call " + std::to_string(step) + " " + op;
            if (kResultIgnored.count(op)) {
                EXPECT_EQ(failed.result, PF_Err_NONE) << where;
            } else {
                EXPECT_EQ(failed.result, acquire ? PF_Err_BAD_CALLBACK_PARAM : kInjected) << where;
                for (std::size_t later = step + 1; later < failed.ledger.sequence.size(); ++later) {
                    EXPECT_TRUE(kCleanup.count(failed.ledger.sequence[later]))
                        << where << ", then called " << failed.ledger.sequence[later];
                }
            }
            EXPECT_EQ(failed.streams, 0) << where;
            EXPECT_EQ(failed.effects, 0) << where;
            EXPECT_EQ(failed.ledger.outstandingSuites(), 0) << where;
            EXPECT_FALSE(failed.undoOpen) << where;
            EXPECT_TRUE(failed.problems.empty()) << where;
            ++sites;
        }
    }
    RecordProperty("fault_sites", sites);
    std::printf("fault sweep: %d host-call sites\n", sites);
}

}  // namespace
