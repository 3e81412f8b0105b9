// Fuzzes the command entry through the test host: the input chooses a
// layer, names, host faults and a sequence of commands with parameter
// values inside and outside their ranges. Any broken invariant aborts, and
// libFuzzer keeps the input that replays it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <set>
#include <string>

#include "engine/param_index.h"
#include "testhost/host_world.h"
#include "testhost/param_array.h"
#include "testhost/test_host.h"

namespace {

TestHost* gHost = nullptr;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

double oddDouble(FuzzedDataProvider& in) {
    const double special[] = {std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              1e38,
                              -1e38,
                              2147483648.0,
                              std::numeric_limits<double>::denorm_min(),
                              1e-7,
                              0.0,
                              -0.0,
                              100.0,
                              -1000.0};
    switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0: return special[in.ConsumeIntegralInRange<std::size_t>(0, std::size(special) - 1)];
        case 1: return in.ConsumeFloatingPointInRange(-1000.0, 1000.0);
        default: return in.ConsumeFloatingPoint<double>();
    }
}

// Valid values whose cost grows without bound in cairo (thousands of
// lines 2000 px wide, each dashed into hundreds of round-capped pieces)
// are measured by the worst-case benchmarks; here valid values stay where
// one frame takes milliseconds, so a timeout means a fault.
double inRangeLimit(int index, double validMax) {
    switch (index) {
        case veltrace::kLineWidth:
        case veltrace::kStrokeWidth:
        case veltrace::kHandlesWidth: return 200.0;
        case veltrace::kAdditionalLines: return 64.0;
        case veltrace::kCurvature:
        case veltrace::kCurvatureEnd: return 300.0;
        default: return validMax;
    }
}

void mutateParam(FuzzedDataProvider& in, ParamArray& params) {
    const int index = in.ConsumeIntegralInRange(1, veltrace::kParamCount - 1);
    PF_ParamDef& def = params[index];
    switch (def.param_type) {
        case PF_Param_FLOAT_SLIDER: {
            const PF_FloatSliderDef& s = def.u.fs_d;
            const double high = inRangeLimit(index, s.valid_max);
            const double low = std::max<double>(s.valid_min, -high);
            def.u.fs_d.value = in.ConsumeBool() ? in.ConsumeFloatingPointInRange<double>(low, high) : oddDouble(in);
            break;
        }
        case PF_Param_POPUP: def.u.pd.value = in.ConsumeIntegralInRange(-1, 10); break;
        case PF_Param_CHECKBOX: def.u.bd.value = in.ConsumeIntegral<PF_ParamValue>(); break;
        case PF_Param_COLOR: {
            const auto c = in.ConsumeIntegral<std::uint32_t>();
            def.u.cd.value = {A_u_char(c >> 24), A_u_char(c >> 16), A_u_char(c >> 8), A_u_char(c)};
            break;
        }
        case PF_Param_POINT:
            // Within 1024 px of the layer: far points with long dashed fans
            // are valid settings whose cost grows with their length (the
            // worst-case benchmarks measure them), not faults.
            def.u.td.x_value = in.ConsumeIntegralInRange<PF_Fixed>(-1024 << 16, 1024 << 16);
            def.u.td.y_value = in.ConsumeIntegralInRange<PF_Fixed>(-1024 << 16, 1024 << 16);
            break;
        default: break;
    }
}

const char* const kFaultableOperations[] = {
    "AcquireSuite", "fill", "get_pixel_data8", "transfer_rect", "AEGP_GetNewEffectForEffect",
    "AEGP_GetNewEffectStreamByIndex", "AEGP_SetDynamicStreamFlag", "AEGP_CreateNullInComp", "AEGP_DisposeStream",
    "AEGP_EndUndoGroup", "AEGP_SetExpression", "AEGP_GetLayerName"};

const std::set<PF_Err> kKnownResults = {0, 4, 512, 513, 514, 515, 516};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    gHost = new TestHost();  // lives for the whole run
    PF_OutData out{};
    if (gHost->command(PF_Cmd_GLOBAL_SETUP, &out) != 0 || gHost->setupParams(&out) != 0) fail("setup failed");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    TestHost& host = *gHost;
    host.resetProject();
    host.resetLedger();
    FaultPlan faults;
    if (in.ConsumeIntegralInRange(0, 3) == 0) {
        faults.failOperation = kFaultableOperations[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kFaultableOperations) - 1)];
        faults.failAt = in.ConsumeIntegralInRange(1, 8);
        faults.failWith = in.PickValueInArray({4, 512, 516});
    }
    host.setFaults(faults);

    // Mostly small worlds keep the run fast; some reach 512 x 512.
    const int limit = in.ConsumeIntegralInRange(0, 7) == 0 ? 512 : 48;
    const int width = in.ConsumeIntegralInRange(0, limit);
    const int height = in.ConsumeIntegralInRange(0, limit);
    HostWorld layer(width, height, in.ConsumeIntegralInRange(0, 3) * 4);
    const std::uint8_t shade = in.ConsumeIntegral<std::uint8_t>();
    layer.fillPixels(shade);
    ParamArray params(host.registeredParams(), layer.world());
    Project& project = host.project();
    project.effectLayer->name = in.ConsumeRandomLengthString(40);
    project.effectLayer->sourceName = in.ConsumeRandomLengthString(40);
    project.effectName = in.ConsumeRandomLengthString(40);
    project.unterminatedNames = in.ConsumeBool();

    PF_InData inData = host.inData();
    inData.downsample_x = {in.ConsumeIntegralInRange<A_long>(-2, 4), in.ConsumeIntegralInRange<A_u_long>(0, 8)};
    inData.extent_hint = {in.ConsumeIntegralInRange(-8, 8), in.ConsumeIntegralInRange(-8, 8),
                          in.ConsumeIntegralInRange(0, limit + 8), in.ConsumeIntegralInRange(0, limit + 8)};
    const std::uint64_t layerChecksum = layer.pixelChecksum();

    const int commands = in.ConsumeIntegralInRange(1, 6);
    for (int c = 0; c < commands && in.remaining_bytes() > 0; ++c) {
        const int mutations = in.ConsumeIntegralInRange(0, 6);
        for (int m = 0; m < mutations; ++m) mutateParam(in, params);
        PF_OutData out{};
        PF_Err result = 0;
        switch (in.ConsumeIntegralInRange(0, 5)) {
            case 0:
            case 1: {
                HostWorld output(width, height, in.ConsumeIntegralInRange(0, 2) * 8);
                result = host.command(inData, PF_Cmd_RENDER, &out, params.data(), &output.world());
                if (!output.guardsIntact()) fail("render wrote outside the output's pixels");
                break;
            }
            case 2: result = host.command(inData, PF_Cmd_UPDATE_PARAMS_UI, &out, params.data()); break;
            case 3: {
                PF_UserChangedParamExtra extra{in.ConsumeIntegralInRange(-3, 70)};
                if (in.ConsumeBool()) extra.param_index = in.PickValueInArray({3, 7, 12, 29, 33});
                result = host.command(inData, PF_Cmd_USER_CHANGED_PARAM, &out, params.data(), nullptr, &extra);
                break;
            }
            case 4: result = host.command(inData, PF_Cmd_ABOUT, &out); break;
            default: result = host.command(inData, in.ConsumeIntegralInRange(-5, 40), &out, params.data()); break;
        }
        if (!kKnownResults.count(result)) fail("unknown result " + std::to_string(result));
    }

    const HostLedger ledger = host.ledger();
    if (ledger.outstandingSuites() != 0) fail("suites not released");
    if (project.liveStreams() != 0) fail("streams not disposed");
    if (project.liveEffects() != 0) fail("effect handles not disposed");
    if (!project.problems.empty()) fail(project.problems.front());
    if (!project.undoGroups.empty() && !project.undoGroups.back().closed) fail("undo group left open");
    if (layer.pixelChecksum() != layerChecksum) fail("the input layer was written");
    return 0;
}
