// The effect's side of the host contract: commands, error codes, output
// flags, the records passed with every command, their callbacks, and the
// two entry points the module exports.
#pragma once

#include "hostapi/ae_params.h"

struct SPBasicSuite;
struct PF_ProgressInfo;
using PF_ProgPtr = PF_ProgressInfo*;  // the host's effect reference, opaque

// ---- commands ----
using PF_Cmd = A_long;
inline constexpr PF_Cmd PF_Cmd_ABOUT = 0;
inline constexpr PF_Cmd PF_Cmd_GLOBAL_SETUP = 1;
inline constexpr PF_Cmd PF_Cmd_GLOBAL_SETDOWN = 3;
inline constexpr PF_Cmd PF_Cmd_PARAMS_SETUP = 4;
inline constexpr PF_Cmd PF_Cmd_SEQUENCE_SETUP = 5;
inline constexpr PF_Cmd PF_Cmd_DO_DIALOG = 9;
inline constexpr PF_Cmd PF_Cmd_FRAME_SETUP = 10;
inline constexpr PF_Cmd PF_Cmd_RENDER = 11;
inline constexpr PF_Cmd PF_Cmd_USER_CHANGED_PARAM = 13;
inline constexpr PF_Cmd PF_Cmd_UPDATE_PARAMS_UI = 14;
inline constexpr PF_Cmd PF_Cmd_QUERY_DYNAMIC_FLAGS = 18;
inline constexpr PF_Cmd PF_Cmd_SMART_RENDER = 24;

// ---- error codes ----
inline constexpr PF_Err PF_Err_NONE = 0;
inline constexpr PF_Err PF_Err_OUT_OF_MEMORY = 4;
inline constexpr PF_Err PF_Err_INTERNAL_STRUCT_DAMAGED = 512;
inline constexpr PF_Err PF_Err_INVALID_INDEX = 513;
inline constexpr PF_Err PF_Err_UNRECOGNIZED_PARAM_TYPE = 514;
inline constexpr PF_Err PF_Err_INVALID_CALLBACK = 515;
inline constexpr PF_Err PF_Err_BAD_CALLBACK_PARAM = 516;

// ---- output flags ----
using PF_OutFlags = A_long;
inline constexpr PF_OutFlags PF_OutFlag_NON_PARAM_VARY = 0x4;
inline constexpr PF_OutFlags PF_OutFlag_USE_OUTPUT_EXTENT = 0x40;
inline constexpr PF_OutFlags PF_OutFlag_I_AM_OBSOLETE = 0x00200000;
using PF_OutFlags2 = A_long;
inline constexpr PF_OutFlags2 PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG = 0x8;
inline constexpr PF_OutFlags2 PF_OutFlag2_SUPPORTS_THREADED_RENDERING = 0x08000000;

// Four characters packed with the first in the most significant byte.
constexpr A_long PF_FourCharCode(char a, char b, char c, char d) {
    return static_cast<A_long>((static_cast<A_u_long>(static_cast<A_u_char>(a)) << 24) |
                               (static_cast<A_u_long>(static_cast<A_u_char>(b)) << 16) |
                               (static_cast<A_u_long>(static_cast<A_u_char>(c)) << 8) |
                               static_cast<A_u_long>(static_cast<A_u_char>(d)));
}
inline constexpr A_long PF_APPL_ID_PREMIERE = PF_FourCharCode('P', 'r', 'M', 'r');
inline constexpr A_long PF_APPL_ID_AFTER_EFFECTS = PF_FourCharCode('F', 'X', 'T', 'C');

inline constexpr int PF_MAX_EFFECT_MSG_LEN = 255;

using PF_Quality = A_long;
using PF_Field = A_long;
using PF_ModeFlags = A_long;

// ---- callbacks of the input record ----
struct PF_InteractCallbacks {
    // Appends (index -1) or inserts a parameter definition; the host copies it.
    PF_Err (*add_param)(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDef* def);
};

struct PF_ANSICallbacks {
    A_char* (*strcpy)(A_char* dst, const A_char* src);
};

struct PF_UtilCallbacks {
    PF_ANSICallbacks ansi;
    // Fills rect (whole world when null) with color (transparent black when null).
    PF_Err (*fill)(PF_ProgPtr effect_ref, const PF_Pixel* color, const PF_Rect* rect, PF_EffectWorld* world);
    // The address of the world's first 8-bit pixel (pixels0 must be null).
    PF_Err (*get_pixel_data8)(PF_EffectWorld* world, PF_Pixel* pixels0, PF_Pixel8** pixels);
};

// ---- the records of a command ----
struct PF_InData {
    PF_InteractCallbacks inter;
    PF_UtilCallbacks* utils;
    PF_ProgPtr effect_ref;
    PF_Quality quality;
    A_long appl_id;
    PF_Field field;
    PF_Rect extent_hint;
    PF_RationalScale downsample_x;
    PF_RationalScale downsample_y;
    SPBasicSuite* pica_basicP;
};

struct PF_OutData {
    A_u_long my_version;
    A_long num_params;
    PF_OutFlags out_flags;
    PF_OutFlags2 out_flags2;
    A_char return_msg[PF_MAX_EFFECT_MSG_LEN + 1];
};

// extra of PF_Cmd_USER_CHANGED_PARAM.
struct PF_UserChangedParamExtra {
    PF_ParamIndex param_index;
};

// ---- entry points ----
using PF_PluginDataPtr = void*;
using PF_PluginDataCB = PF_Err (*)(PF_PluginDataPtr inPtr, const A_u_char* inNameZ, const A_u_char* inMatchNameZ,
                                   const A_u_char* inCategoryZ, const A_u_char* inEntryPointNameZ, A_long inType,
                                   A_long inAPIVersionMajor, A_long inAPIVersionMinor, A_long inReservedInfo);

using PluginDataEntryFunctionPtr = PF_Err (*)(PF_PluginDataPtr inPtr, PF_PluginDataCB inPluginDataCallBackPtr,
                                              SPBasicSuite* inSPBasicSuitePtr, const char* inHostName,
                                              const char* inHostVersion);
using EffectMainPtr = PF_Err (*)(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                                 PF_LayerDef* output, void* extra);
