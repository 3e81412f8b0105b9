// The render command: draws one frame from the parameter values into the
// host's 8-bit output world.
#pragma once

#include "hostapi/ae_effect.h"

// Returns 0 or a host error code.
PF_Err renderFrame(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[], PF_EffectWorld* output);
