// Parameter definitions as the host passes them: the type numbers, flags and
// the per-kind value records the effect reads and fills.
#pragma once

#include "hostapi/ae_types.h"

using PF_ParamType = A_long;
inline constexpr PF_ParamType PF_Param_LAYER = 0;
inline constexpr PF_ParamType PF_Param_CHECKBOX = 4;
inline constexpr PF_ParamType PF_Param_COLOR = 5;
inline constexpr PF_ParamType PF_Param_POINT = 6;
inline constexpr PF_ParamType PF_Param_POPUP = 7;
inline constexpr PF_ParamType PF_Param_FLOAT_SLIDER = 10;
inline constexpr PF_ParamType PF_Param_GROUP_START = 13;
inline constexpr PF_ParamType PF_Param_GROUP_END = 14;
inline constexpr PF_ParamType PF_Param_BUTTON = 15;

using PF_ParamFlags = A_long;
inline constexpr PF_ParamFlags PF_ParamFlag_COLLAPSE_TWIRLY = 0x20;
inline constexpr PF_ParamFlags PF_ParamFlag_SUPERVISE = 0x40;
inline constexpr PF_ParamFlags PF_ParamFlag_USE_VALUE_FOR_OLD_PROJECTS = 0x80;
inline constexpr PF_ParamFlags PF_ParamFlag_SKIP_REVEAL_WHEN_UNHIDDEN = 0x200;

using PF_ValueDisplayFlags = A_short;
inline constexpr PF_ValueDisplayFlags PF_ValueDisplayFlag_PERCENT = 1;

using PF_ParamUIFlags = A_long;
using PF_ParamIndex = A_long;

using PF_ChangeFlags = A_long;
inline constexpr PF_ChangeFlags PF_ChangeFlag_CHANGED_VALUE = 1;

inline constexpr int PF_MAX_EFFECT_PARAM_NAME_LEN = 31;

// An 8-bit image: the input layer (parameter 0) and the output buffer.
struct PF_EffectWorld {
    A_long width;
    A_long height;
    A_long rowbytes;
    PF_Pixel* data;
    PF_Rect extent_hint;
};
using PF_LayerDef = PF_EffectWorld;

struct PF_CheckBoxDef {
    PF_ParamValue value;
    PF_ParamValue dephault;
    union {
        const A_char* nameptr;  // label shown beside the box
    } u;
};

struct PF_ColorDef {
    PF_Pixel value;
    PF_Pixel dephault;
};

struct PF_PopupDef {
    PF_ParamValue value;  // 1-based
    A_short num_choices;
    A_short dephault;
    union {
        const A_char* namesptr;  // choices separated by '|'
    } u;
};

struct PF_FloatSliderDef {
    PF_FpLong value;
    PF_FpLong phase;
    PF_FpShort valid_min;
    PF_FpShort valid_max;
    PF_FpShort slider_min;
    PF_FpShort slider_max;
    PF_FpShort dephault;
    A_short precision;
    PF_ValueDisplayFlags display_flags;
    A_long fs_flags;
    PF_FpShort curve_tolerance;
};

struct PF_PointDef {
    PF_Fixed x_value;  // 16.16
    PF_Fixed y_value;
    PF_Fixed x_dephault;
    PF_Fixed y_dephault;
    PF_Boolean restrict_bounds;
};

struct PF_ButtonDef {
    PF_ParamValue value;
    union {
        const A_char* namesptr;  // text written on the button
    } u;
};

union PF_ParamDefUnion {
    PF_LayerDef ld;
    PF_CheckBoxDef bd;
    PF_ColorDef cd;
    PF_PopupDef pd;
    PF_FloatSliderDef fs_d;
    PF_PointDef td;
    PF_ButtonDef button_d;
};

struct PF_ParamDef {
    PF_ParamType param_type;
    A_char name[PF_MAX_EFFECT_PARAM_NAME_LEN + 1];
    PF_ParamFlags flags;
    PF_ParamUIFlags ui_flags;
    A_short ui_width;
    A_short ui_height;
    // The identifier saved with projects when a definition is registered;
    // the change flags when the effect hands a changed definition back.
    union {
        A_long id;
        PF_ChangeFlags change_flags;
    } uu;
    PF_ParamDefUnion u;
};
