// The effect's 63 parameters as data: one row per position, read by
// parameter setup, the test host, the command-line tool and the tests.
#pragma once

#include <array>

#include "engine/param_index.h"
#include "hostapi/ae_params.h"

inline constexpr int kNoText = -1;  // an empty name or label not taken from g_strs

struct ParamSpec {
    PF_ParamType kind{};
    int nameText{};   // position in g_strs, or kNoText
    int extraText{};  // choice list, button text or checkbox label; kNoText: none or empty
    double dflt{};    // slider value, checkbox 0 or 1, popup choice (1-based)
    float validMin{};
    float validMax{};
    float sliderMin{};
    float sliderMax{};
    A_short precision{};
    PF_ValueDisplayFlags displayFlags{};
    A_short numChoices{};
    PF_Pixel color{};  // default colour, alpha 255
    double pointX{};   // default point, percent of the layer
    double pointY{};
    PF_ParamFlags flags{};
    A_long id{};  // identifier saved with projects
};

// Position 0 is the input layer (supplied by the host, not registered).
extern const std::array<ParamSpec, veltrace::kParamCount> kParamTable;

// The displayed name ("" for group ends and the unnamed entries).
const A_char* paramName(const ParamSpec& spec);

// The choice list, button text or checkbox label ("" when none).
const A_char* paramExtraText(const ParamSpec& spec);

// Whether every slider the render reads holds a number inside the valid
// range registered for it. A host keeps values there; a damaged project
// may not (NaN, infinity, 1e38). Left, Top, Right and Bottom are not read.
bool drawnSlidersInRange(PF_ParamDef* const params[]);

// Writes the type, the type-specific values (defaults), the flags and the
// identifier of spec into def; leaves the name and every other field as it
// is. Points are written as registered: 16.16 percent of the layer.
void fillParamDefinition(const ParamSpec& spec, PF_ParamDef* def);
