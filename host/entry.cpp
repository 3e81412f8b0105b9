// The module's two exported entry points: registration and the command
// entry, which dispatches each host command to its handler.
#include "controls/param_setup.h"
#include "controls/param_visibility.h"
#include "host/command_guard.h"
#include "host/global_commands.h"
#include "host/render_driver.h"
#include "resources/effect_identity.h"

#if defined(_WIN32)
#define VELTRACE_EXPORT extern "C" __declspec(dllexport)
#else
#define VELTRACE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {
const A_u_char* bytes(const char* s) { return reinterpret_cast<const A_u_char*>(s); }
}  // namespace

VELTRACE_EXPORT PF_Err PluginDataEntryFunction(PF_PluginDataPtr inPtr, PF_PluginDataCB inPluginDataCallBackPtr,
                                               SPBasicSuite* /*inSPBasicSuitePtr*/, const char* /*inHostName*/,
                                               const char* /*inHostVersion*/) {
    const EffectIdentity& id = kEffectIdentity;
    return inPluginDataCallBackPtr(inPtr, bytes(id.name), bytes(id.matchName), bytes(id.category),
                                   bytes(id.entryPoint), id.kind, id.apiVersionMajor, id.apiVersionMinor,
                                   id.reservedInfo);
}

VELTRACE_EXPORT PF_Err EffectMain(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                                  PF_LayerDef* output, void* extra) {
    return runGuarded([&]() -> PF_Err {
        // A host passes every record a command needs; a call without one is
        // refused rather than followed into a null pointer.
        const bool records = in_data && out_data;
        const bool needsParams = cmd == PF_Cmd_RENDER || cmd == PF_Cmd_USER_CHANGED_PARAM || cmd == PF_Cmd_UPDATE_PARAMS_UI;
        const bool handled = needsParams || cmd == PF_Cmd_ABOUT || cmd == PF_Cmd_GLOBAL_SETUP || cmd == PF_Cmd_PARAMS_SETUP;
        if (handled && (!records || (needsParams && !params) || (cmd == PF_Cmd_RENDER && !output) ||
                        (cmd == PF_Cmd_USER_CHANGED_PARAM && !extra))) {
            return PF_Err_BAD_CALLBACK_PARAM;
        }
        switch (cmd) {
            case PF_Cmd_ABOUT: return about(in_data, out_data);
            case PF_Cmd_GLOBAL_SETUP: return globalSetup(in_data, out_data);
            case PF_Cmd_PARAMS_SETUP: return setupParams(in_data, out_data);
            case PF_Cmd_RENDER: return renderFrame(in_data, out_data, params, output);
            case PF_Cmd_USER_CHANGED_PARAM:
                return userChangedParam(in_data, out_data, params,
                                        static_cast<const PF_UserChangedParamExtra*>(extra));
            case PF_Cmd_UPDATE_PARAMS_UI: return updateParamsUI(in_data, out_data, params);
            default: return PF_Err_NONE;
        }
    });
}
