// The controls' commands: interface update and user-changed-parameter.
#pragma once

#include "hostapi/ae_effect.h"

// Returns 0 or the first host error.
PF_Err updateParamsUI(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[]);

// extra names the changed parameter. Returns 0 or the first host error.
PF_Err userChangedParam(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                        const PF_UserChangedParamExtra* extra);
