// The commands the entry answers itself: global setup and about.
#pragma once

#include "hostapi/ae_effect.h"

// Writes the packed version and both output-flag words; in Premiere Pro the
// output flags are only PF_OutFlag_I_AM_OBSOLETE. Returns 0.
PF_Err globalSetup(PF_InData* in_data, PF_OutData* out_data);

// Writes "Veltrace v1.5.7\n<description>" into out_data->return_msg through
// the host's "PF ANSI Suite"; nothing in Premiere Pro. Throws 516 when the
// suite is missing.
PF_Err about(PF_InData* in_data, PF_OutData* out_data);
