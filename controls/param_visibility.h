// The controls that react: hiding and showing parameters, the range of
// Curvature by Mode, Swap Colors, and the dispatch of Create Nulls.
#pragma once

#include "hostapi/ae_suites.h"

// Interface update: hides Left/Top/Right/Bottom, applies the rules of Mode
// and Uniform Curvature, and writes Curvature's range (and clamped value)
// into params. Returns 0 or the first host error; throws 516 for a
// missing suite. Every stream and effect handle obtained is disposed.
PF_Err updateParamsUI(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[]);

// User-changed-parameter: Swap Colors exchanges the gradient colours in
// params; Uniform Curvature, Gradient Type and Symmetrical show or hide
// one control each; Create Nulls links two new null layers. Returns 0 or
// the first host error; throws 516 for a missing suite.
PF_Err userChangedParam(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                        const PF_UserChangedParamExtra* extra);
