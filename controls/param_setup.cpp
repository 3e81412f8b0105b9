#include "controls/param_setup.h"

#include "controls/param_table.h"

PF_Err setupParams(PF_InData* in_data, PF_OutData* out_data) {
    PF_ParamDef def;
    for (int index = 1; index < veltrace::kParamCount; ++index) {
        const ParamSpec& spec = kParamTable[static_cast<std::size_t>(index)];
        def = PF_ParamDef{};
        if (spec.kind != PF_Param_GROUP_END) in_data->utils->ansi.strcpy(def.name, paramName(spec));
        fillParamDefinition(spec, &def);
        const PF_Err err = in_data->inter.add_param(in_data->effect_ref, -1, &def);
        if (err != PF_Err_NONE) return err;
    }
    out_data->num_params = veltrace::kParamCount;
    return PF_Err_NONE;
}
