// Parameter setup: registers the 62 parameters of the table, in order.
#pragma once

#include "hostapi/ae_effect.h"

// Adds every definition through in_data's add-parameter callback (names
// copied with the host's string copy) and, after the last one succeeded,
// writes 63 into out_data->num_params. Returns 0 or the first host error,
// at which it stops (later parameters are not added, the count not written).
PF_Err setupParams(PF_InData* in_data, PF_OutData* out_data);
