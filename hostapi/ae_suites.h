// Every host suite the effect uses, by name and version, with exactly the
// operations it calls. Suites are acquired through the basic suite and
// released after the command that acquired them.
#pragma once

#include "hostapi/ae_effect.h"

// ---- the basic suite ----
using SPErr = A_long;
struct SPBasicSuite {
    SPErr (*AcquireSuite)(const char* name, A_long version, const void** suite);
    SPErr (*ReleaseSuite)(const char* name, A_long version);
};

// ---- PF suites ----
inline constexpr const char* kPFANSISuite = "PF ANSI Suite";
inline constexpr A_long kPFANSISuiteVersion1 = 1;
struct PF_ANSICallbacksSuite1 {
    A_long (*sprintf)(A_char* buffer, const A_char* format, ...);
};

inline constexpr const char* kPFColorParamSuite = "PF ColorParamSuite";
inline constexpr A_long kPFColorParamSuiteVersion1 = 1;
struct PF_ColorParamSuite1 {
    PF_Err (*PF_GetFloatingPointColorFromColorDef)(PF_ProgPtr effect_ref, const PF_ParamDef* color_def,
                                                   PF_PixelFloat* fp_color);
};

using PF_Handle = void**;
inline constexpr const char* kPFHandleSuite = "PF Handle Suite";
inline constexpr A_long kPFHandleSuiteVersion2 = 2;
struct PF_HandleSuite2 {
    PF_Handle (*host_new_handle)(std::uint64_t size);
    void* (*host_lock_handle)(PF_Handle handle);
    void (*host_unlock_handle)(PF_Handle handle);
    void (*host_dispose_handle)(PF_Handle handle);
};

using PF_TransferMode = A_long;
inline constexpr PF_TransferMode PF_Xfer_BEHIND = 1;
struct PF_CompositeMode {
    PF_TransferMode xfer;
    A_long rand_seed;
    A_u_char opacity;
    PF_Boolean rgb_only;
    A_u_short opacitySu;
};
struct PF_MaskWorld;

inline constexpr const char* kPFWorldTransformSuite = "PF World Transform Suite";
inline constexpr A_long kPFWorldTransformSuiteVersion1 = 1;
struct PF_WorldTransformSuite1 {
    // Composites src_rect of src_world into dst_world with its top-left
    // corner at (dest_x, dest_y).
    PF_Err (*transfer_rect)(PF_ProgPtr effect_ref, PF_Quality quality, PF_ModeFlags m_flags, PF_Field field,
                            const PF_Rect* src_rect, const PF_EffectWorld* src_world,
                            const PF_CompositeMode* comp_mode, const PF_MaskWorld* mask_world0, A_long dest_x,
                            A_long dest_y, PF_EffectWorld* dst_world);
};

// ---- AEGP suites ----
using AEGP_PluginID = A_long;
struct AEGP_EffectRefOpaque;
struct AEGP_StreamRefOpaque;
struct AEGP_LayerOpaque;
struct AEGP_CompOpaque;
using AEGP_EffectRefH = AEGP_EffectRefOpaque*;
using AEGP_StreamRefH = AEGP_StreamRefOpaque*;
using AEGP_LayerH = AEGP_LayerOpaque*;
using AEGP_CompH = AEGP_CompOpaque*;
using A_UTF16Char = std::uint16_t;

struct A_Time {
    A_long value;
    A_u_long scale;
};

inline constexpr int AEGP_MAX_LAYER_NAME_SIZE = 32;
inline constexpr int AEGP_MAX_ITEM_NAME_SIZE = 32;
inline constexpr int AEGP_MAX_STREAM_NAME_SIZE = 32;

using AEGP_DynStreamFlags = A_long;
inline constexpr AEGP_DynStreamFlags AEGP_DynStreamFlag_HIDDEN = 2;

using AEGP_LayerStream = A_long;
inline constexpr AEGP_LayerStream AEGP_LayerStream_POSITION = 1;

struct AEGP_ThreeDVal {
    double x, y, z;
};
union AEGP_StreamVal2 {
    AEGP_ThreeDVal three_d;
    double one_d;
};
struct AEGP_StreamValue2 {
    AEGP_StreamRefH streamH;
    AEGP_StreamVal2 val;
};

inline constexpr const char* kAEGPPFInterfaceSuite = "AEGP PF Interface Suite";
inline constexpr A_long kAEGPPFInterfaceSuiteVersion1 = 1;
struct AEGP_PFInterfaceSuite1 {
    A_Err (*AEGP_GetEffectLayer)(PF_ProgPtr effect_ref, AEGP_LayerH* layer);
    A_Err (*AEGP_GetNewEffectForEffect)(AEGP_PluginID plugin_id, PF_ProgPtr effect_ref, AEGP_EffectRefH* effect);
};

inline constexpr const char* kAEGPStreamSuite = "AEGP Stream Suite";
inline constexpr A_long kAEGPStreamSuiteVersion7 = 7;
inline constexpr A_long kAEGPStreamSuiteVersion9 = 9;
struct AEGP_StreamSuite7 {
    A_Err (*AEGP_GetNewEffectStreamByIndex)(AEGP_PluginID plugin_id, AEGP_EffectRefH effect, PF_ParamIndex index,
                                            AEGP_StreamRefH* stream);
    // Writes at most AEGP_MAX_STREAM_NAME_SIZE bytes, terminator included.
    A_Err (*AEGP_GetStreamName)(AEGP_StreamRefH stream, A_Boolean force_english, A_char* name);
    A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH stream);
};
struct AEGP_StreamSuite9 {
    A_Err (*AEGP_GetNewEffectStreamByIndex)(AEGP_PluginID plugin_id, AEGP_EffectRefH effect, PF_ParamIndex index,
                                            AEGP_StreamRefH* stream);
    A_Err (*AEGP_GetNewLayerStream)(AEGP_PluginID plugin_id, AEGP_LayerH layer, AEGP_LayerStream which,
                                    AEGP_StreamRefH* stream);
    A_Err (*AEGP_SetStreamValue)(AEGP_PluginID plugin_id, AEGP_StreamRefH stream, AEGP_StreamValue2* value);
    A_Err (*AEGP_SetExpression)(AEGP_PluginID plugin_id, AEGP_StreamRefH stream, const A_char* expression);
    A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH stream);
};

inline constexpr const char* kAEGPDynamicStreamSuite = "AEGP Dynamic Stream Suite";
inline constexpr A_long kAEGPDynamicStreamSuiteVersion2 = 2;
inline constexpr A_long kAEGPDynamicStreamSuiteVersion3 = 3;
struct AEGP_DynamicStreamSuite2 {
    A_Err (*AEGP_SetDynamicStreamFlag)(AEGP_StreamRefH stream, AEGP_DynStreamFlags flag, A_Boolean undoable,
                                       A_Boolean set);
};
struct AEGP_DynamicStreamSuite3 {
    A_Err (*AEGP_GetNewParentStreamRef)(AEGP_PluginID plugin_id, AEGP_StreamRefH stream, AEGP_StreamRefH* parent);
};

inline constexpr const char* kAEGPEffectSuite = "AEGP Effect Suite";
inline constexpr A_long kAEGPEffectSuiteVersion2 = 2;
struct AEGP_EffectSuite2 {
    A_Err (*AEGP_DisposeEffect)(AEGP_EffectRefH effect);
};

inline constexpr const char* kAEGPLayerSuite = "AEGP Layer Suite";
inline constexpr A_long kAEGPLayerSuiteVersion11 = 11;
inline constexpr A_long kAEGPLayerSuiteVersion13 = 13;
struct AEGP_LayerSuite11 {
    // Each buffer receives at most its size (AEGP_MAX_LAYER_NAME_SIZE,
    // AEGP_MAX_ITEM_NAME_SIZE), terminator included.
    A_Err (*AEGP_GetLayerName)(AEGP_LayerH layer, A_char* layer_name, A_char* source_name);
};
struct AEGP_LayerSuite13 {
    A_Err (*AEGP_GetLayerParentComp)(AEGP_LayerH layer, AEGP_CompH* comp);
};

inline constexpr const char* kAEGPCompSuite = "AEGP Comp Suite";
inline constexpr A_long kAEGPCompSuiteVersion19 = 19;
struct AEGP_CompSuite19 {
    A_Err (*AEGP_CreateNullInComp)(const A_UTF16Char* name, AEGP_CompH comp, const A_Time* duration0,
                                   AEGP_LayerH* null_layer);
};

inline constexpr const char* kAEGPUtilitySuite = "AEGP Utility Suite";
inline constexpr A_long kAEGPUtilitySuiteVersion11 = 11;
struct AEGP_UtilitySuite11 {
    A_Err (*AEGP_StartUndoGroup)(const A_char* undo_name);
    A_Err (*AEGP_EndUndoGroup)();
};
