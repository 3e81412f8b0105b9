// Naming parameters and their values on the command line: by index or by
// name (qualified by group where it repeats), values as the control shows
// them.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "hostapi/ae_params.h"
#include "testhost/param_array.h"

// "Style/Stroke" for index 16; "" at the top level.
std::string paramGroupPath(int index);

// The name the control shows; for the unnamed entries their button or
// checkbox text ("Create Nulls", "Swap Colors", "Composite Over Original").
std::string paramDisplayName(int index);

// The shortest group-qualified spelling that names only this parameter.
std::string paramSpelling(int index);

// "point", "popup", "slider", "checkbox", "color", "button", "group", "group end", "layer".
const char* paramKindName(PF_ParamType kind);

// The index named by text: a number 1 .. 62, a full path ("Trim
// Paths/End"), or a unique tail of one ("End" is the top-level End, "Stroke/
// Color" the Stroke group's colour). Throws CliError listing the spellings.
int resolveParamName(const std::string& text);

// Sets parameter index of params from text: sliders as shown (percent
// sliders in percent) within the valid range, popups by choice (any case)
// or 1-based number, checkboxes on|off|1|0|true|false, colours #rrggbb or
// r,g,b, points x,y in layer pixels. Throws CliError on anything else.
void setParamValue(ParamArray& params, int index, const std::string& text);

// The value of def in the syntax setParamValue accepts; colours as
// #rrggbbaa so alpha shows.
std::string formatParamValue(const PF_ParamDef& def);

// v as the shortest text that reads back as v, in the C locale's syntax.
std::string formatNumber(double v);

// A colour written #rrggbb or r,g,b (each 0 .. 255); nothing otherwise.
std::optional<std::array<A_u_char, 3>> parseColour(const std::string& text);

// "NAME=VALUE" split at the first '='; throws CliError without one.
std::pair<std::string, std::string> splitAssignment(const std::string& text);
