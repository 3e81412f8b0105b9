#include "controls/param_visibility.h"

#include <algorithm>

#include "controls/null_linking.h"
#include "engine/param_index.h"
#include "host/host_steps.h"
#include "host/suite_handler.h"

using namespace veltrace;

namespace {

// What one command of the controls holds: its suites, acquired before the
// first host step so that a missing one fails the command before it
// changes anything, its error sequence and the effect handle.
struct ControlsCommand {
    explicit ControlsCommand(PF_InData* in_data)
        : in(in_data),
          suites(in_data->pica_basicP),
          pfInterface(suites.PFInterfaceSuite1()),
          streams(suites.StreamSuite7()),
          dynamicStreams(suites.DynamicStreamSuite2()),
          effect(suites.EffectSuite2()->AEGP_DisposeEffect) {
        steps.run([&] { return pfInterface->AEGP_GetNewEffectForEffect(0, in->effect_ref, effect.out()); });
    }

    // Obtains the stream of index into stream (held until the command
    // ends), then sets or clears its hidden flag; both only while no error
    // has occurred.
    void setHidden(StreamHandle& stream, int index, bool hidden) {
        steps.run([&] { return streams->AEGP_GetNewEffectStreamByIndex(0, effect.get(), index, stream.out()); });
        steps.run([&] {
            return dynamicStreams->AEGP_SetDynamicStreamFlag(stream.get(), AEGP_DynStreamFlag_HIDDEN, false, hidden);
        });
    }

    // Disposes the effect handle, then the streams in the order given.
    PF_Err finish(std::initializer_list<StreamHandle*> obtained) {
        effect.dispose(steps);
        for (StreamHandle* stream : obtained) {
            if (broken_variant::kLeaksStream && stream == *obtained.begin()) {
                *stream->out() = nullptr;  // forgets the stream without disposing it
                continue;
            }
            stream->dispose(steps);
        }
        return steps.result();
    }

    PF_InData* in;
    AEGP_SuiteHandler suites;
    const AEGP_PFInterfaceSuite1* pfInterface;
    const AEGP_StreamSuite7* streams;
    const AEGP_DynamicStreamSuite2* dynamicStreams;
    HostSteps steps;
    EffectHandle effect;
};

void setCurvatureRange(PF_ParamDef* curvature, bool arcOrPipe) {
    PF_FloatSliderDef& slider = curvature->u.fs_d;
    slider.valid_min = arcOrPipe ? 0.0f : -1000.0f;
    slider.valid_max = arcOrPipe ? 100.0f : 1000.0f;
    slider.slider_min = 0.0f;
    slider.slider_max = 100.0f;
    if (arcOrPipe) slider.value = std::clamp(slider.value, 0.0, 100.0);
    curvature->uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
}

}  // namespace

PF_Err updateParamsUI(PF_InData* in_data, PF_OutData*, PF_ParamDef* params[]) {
    ControlsCommand c(in_data);
    const auto dispose = c.streams->AEGP_DisposeStream;
    StreamHandle left(dispose), top(dispose), right(dispose), bottom(dispose);
    StreamHandle handles(dispose), uniform(dispose), curvatureEnd(dispose), additional(dispose);

    StreamHandle* hiddenAlways[] = {&left, &top, &right, &bottom};
    const int hiddenIndices[] = {kLeft, kTop, kRight, kBottom};
    for (int k = 0; k < 4; ++k) {
        c.steps.run([&] {
            return c.streams->AEGP_GetNewEffectStreamByIndex(0, c.effect.get(), hiddenIndices[k], hiddenAlways[k]->out());
        });
    }
    for (StreamHandle* stream : hiddenAlways) {
        c.steps.run([&] {
            return c.dynamicStreams->AEGP_SetDynamicStreamFlag(stream->get(), AEGP_DynStreamFlag_HIDDEN, false, true);
        });
    }

    const A_long mode = params[kMode]->u.pd.value;
    if (mode > 1) {
        setCurvatureRange(params[kCurvature], true);
        c.setHidden(uniform, kUniformCurvature, true);
        c.setHidden(curvatureEnd, kCurvatureEnd, true);
        c.setHidden(handles, kHandlesGroup, true);
    } else {
        setCurvatureRange(params[kCurvature], false);
        // With Uniform Curvature on, Curvature End keeps what the last change left.
        if (params[kUniformCurvature]->u.bd.value == 0) c.setHidden(curvatureEnd, kCurvatureEnd, false);
        c.setHidden(uniform, kUniformCurvature, false);
        c.setHidden(handles, kHandlesGroup, false);
    }
    c.setHidden(additional, kAdditionalLines, mode == 3);
    return c.finish({&left, &top, &right, &bottom, &handles, &uniform, &curvatureEnd, &additional});
}

PF_Err userChangedParam(PF_InData* in_data, PF_OutData*, PF_ParamDef* params[],
                        const PF_UserChangedParamExtra* extra) {
    ControlsCommand c(in_data);
    const auto dispose = c.streams->AEGP_DisposeStream;
    StreamHandle smoothness(dispose), inheritSymmetry(dispose), curvatureEnd(dispose);

    const PF_ParamIndex changed = extra->param_index;
    if (changed == kSwapColors) {
        // Not a host step: the colours are exchanged even after an error.
        std::swap(params[kGradientStartColor]->u.cd.value, params[kGradientEndColor]->u.cd.value);
        params[kGradientStartColor]->uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
        params[kGradientEndColor]->uu.change_flags = PF_ChangeFlag_CHANGED_VALUE;
    } else if (changed == kUniformCurvature) {
        c.setHidden(curvatureEnd, kCurvatureEnd, params[kUniformCurvature]->u.bd.value == 1);
    } else if (changed == kGradientType) {
        c.setHidden(smoothness, kSmoothness, params[kGradientType]->u.pd.value == 1);
    } else if (changed == kSymmetrical) {
        c.setHidden(inheritSymmetry, kInheritSymmetry, params[kSymmetrical]->u.bd.value == 0);
    } else if (changed == kCreateNulls) {
        linkNulls(in_data, params, c.suites, c.steps);
    }
    return c.finish({&smoothness, &inheritSymmetry, &curvatureEnd});
}
