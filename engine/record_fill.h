// Filling the drawing record from the host's parameter values.
#pragma once

#include <functional>

#include "engine/draw_params.h"
#include "hostapi/ae_params.h"

// Reads one colour parameter as a floating-point colour. The render driver
// passes one that asks the host's colour suite; tests pass a plain one.
using ColorReader = std::function<PF_PixelFloat(const PF_ParamDef&)>;

// Resets *p to all zero, then fills every parameter field from params (the
// host's array of 63 definitions, indexed by ParamIndex): percent sliders
// as fractions, popups 1-based, widths and dashes times downsample (the
// horizontal downsample ratio), Start and End from 16.16, and the mode
// invariants. Does not set span, the surface or the contexts. Returns false
// when a colour or the downsample factor is not a finite number (the
// record is filled all the same); slider values are the caller's to check.
bool fillDrawParams(myParams* p, PF_ParamDef* const params[], double downsample, const ColorReader& readColor);
