#include "testhost/host_suites.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "testhost/host_world.h"
#include "testhost/param_array.h"
#include "testhost/project.h"
#include "testhost/test_host.h"

namespace {

thread_local TestHost* tCurrentHost = nullptr;

TestHost& host() { return *tCurrentHost; }

std::string text(const A_u_char* s) { return s ? reinterpret_cast<const char*>(s) : ""; }

// ---- registration ----
PF_Err registerCallback(PF_PluginDataPtr inPtr, const A_u_char* name, const A_u_char* matchName,
                        const A_u_char* category, const A_u_char* entryPoint, A_long kind, A_long major, A_long minor,
                        A_long reserved) {
    auto* self = static_cast<TestHost*>(inPtr);
    self->keepRegistration({true, text(name), text(matchName), text(category), text(entryPoint), kind, major, minor,
                            reserved});
    return self->registrationCallbackResult();
}

// ---- callbacks of the input record ----
PF_Err addParam(PF_ProgPtr, PF_ParamIndex, PF_ParamDef* def) {
    if (const PF_Err err = host().enter("add_param")) return err;
    host().keepRegisteredParam(*def);
    return PF_Err_NONE;
}

A_char* copyString(A_char* dst, const A_char* src) {
    host().enter("strcpy");
    // The destination is a parameter name: 31 characters and a terminator.
    std::strncpy(dst, src, PF_MAX_EFFECT_PARAM_NAME_LEN);
    dst[PF_MAX_EFFECT_PARAM_NAME_LEN] = '\0';
    return dst;
}

PF_Err fillWorld(PF_ProgPtr, const PF_Pixel* color, const PF_Rect* rect, PF_EffectWorld* world) {
    if (const PF_Err err = host().enter("fill")) return err;
    const PF_Pixel value = color ? *color : PF_Pixel{0, 0, 0, 0};
    const PF_Rect area = rect ? *rect : PF_Rect{0, 0, world->width, world->height};
    const int left = std::max(area.left, 0);
    const int right = std::min(area.right, world->width);
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, world->height) && left < right; ++y) {
        PF_Pixel* row = &worldPixel(*world, left, y);
        std::fill(row, row + (right - left), value);
    }
    return PF_Err_NONE;
}

PF_Err pixelData8(PF_EffectWorld* world, PF_Pixel* pixels0, PF_Pixel8** pixels) {
    if (const PF_Err err = host().enter("get_pixel_data8")) return err;
    *pixels = pixels0 ? pixels0 : world->data;
    return PF_Err_NONE;
}

// Straight-alpha "behind": the destination stays in front of the source.
PF_Pixel behind(const PF_Pixel& front, const PF_Pixel& back) {
    const double af = front.alpha / 255.0;
    const double ab = back.alpha / 255.0 * (1.0 - af);
    const double a = af + ab;
    if (a <= 0.0) return PF_Pixel{0, 0, 0, 0};
    auto mix = [&](A_u_char f, A_u_char b) {
        return static_cast<A_u_char>(std::lround((f * af + b * ab) / a));
    };
    return PF_Pixel{static_cast<A_u_char>(std::lround(a * 255.0)), mix(front.red, back.red),
                    mix(front.green, back.green), mix(front.blue, back.blue)};
}

PF_Err transferRect(PF_ProgPtr, PF_Quality, PF_ModeFlags, PF_Field, const PF_Rect* src_rect,
                    const PF_EffectWorld* src, const PF_CompositeMode* mode, const PF_MaskWorld*, A_long dest_x,
                    A_long dest_y, PF_EffectWorld* dst) {
    if (const PF_Err err = host().enter("transfer_rect")) return err;
    if (mode->xfer != PF_Xfer_BEHIND || mode->opacity != 255) return PF_Err_BAD_CALLBACK_PARAM;
    for (int y = std::max(src_rect->top, 0); y < std::min(src_rect->bottom, src->height); ++y) {
        for (int x = std::max(src_rect->left, 0); x < std::min(src_rect->right, src->width); ++x) {
            const int dx = dest_x + x - src_rect->left;
            const int dy = dest_y + y - src_rect->top;
            if (dx < 0 || dy < 0 || dx >= dst->width || dy >= dst->height) continue;
            PF_Pixel& out = worldPixel(*dst, dx, dy);
            out = behind(out, worldPixel(*src, x, y));
        }
    }
    return PF_Err_NONE;
}

// ---- AEGP suites, on the host's project ----
Project& project() { return host().project(); }

A_Err getEffectLayer(PF_ProgPtr, AEGP_LayerH* layer) {
    if (const A_Err err = host().enter("AEGP_GetEffectLayer")) return err;
    *layer = reinterpret_cast<AEGP_LayerH>(project().effectLayer);
    return PF_Err_NONE;
}

A_Err getNewEffectForEffect(AEGP_PluginID id, PF_ProgPtr, AEGP_EffectRefH* effect) {
    if (const A_Err err = host().enter("AEGP_GetNewEffectForEffect")) return err;
    project().checkPluginId("AEGP_GetNewEffectForEffect", id);
    *effect = project().newEffect();
    return PF_Err_NONE;
}

A_Err getNewEffectStreamByIndex(AEGP_PluginID id, AEGP_EffectRefH effect, PF_ParamIndex index,
                                AEGP_StreamRefH* stream) {
    if (const A_Err err = host().enter("AEGP_GetNewEffectStreamByIndex")) return err;
    project().checkPluginId("AEGP_GetNewEffectStreamByIndex", id);
    return project().newEffectStream(effect, index, stream);
}

A_Err getStreamName(AEGP_StreamRefH stream, A_Boolean, A_char* name) {
    if (const A_Err err = host().enter("AEGP_GetStreamName")) return err;
    return project().streamName(stream, name);
}

A_Err disposeStream(AEGP_StreamRefH stream) {
    if (const A_Err err = host().enter("AEGP_DisposeStream")) {
        project().disposeStream(stream);  // the host still lets go of it
        return err;
    }
    return project().disposeStream(stream);
}

A_Err getNewLayerStream(AEGP_PluginID id, AEGP_LayerH layer, AEGP_LayerStream which, AEGP_StreamRefH* stream) {
    if (const A_Err err = host().enter("AEGP_GetNewLayerStream")) return err;
    project().checkPluginId("AEGP_GetNewLayerStream", id);
    return project().newLayerStream(layer, which, stream);
}

A_Err setStreamValue(AEGP_PluginID id, AEGP_StreamRefH stream, AEGP_StreamValue2* value) {
    if (const A_Err err = host().enter("AEGP_SetStreamValue")) return err;
    project().checkPluginId("AEGP_SetStreamValue", id);
    return project().setValue(stream, value);
}

A_Err setExpression(AEGP_PluginID id, AEGP_StreamRefH stream, const A_char* expression) {
    if (const A_Err err = host().enter("AEGP_SetExpression")) return err;
    project().checkPluginId("AEGP_SetExpression", id);
    return project().setExpression(stream, expression);
}

A_Err setDynamicStreamFlag(AEGP_StreamRefH stream, AEGP_DynStreamFlags flag, A_Boolean undoable, A_Boolean set) {
    if (const A_Err err = host().enter("AEGP_SetDynamicStreamFlag")) return err;
    return project().setHidden(stream, flag, undoable, set);
}

A_Err getNewParentStreamRef(AEGP_PluginID id, AEGP_StreamRefH stream, AEGP_StreamRefH* parent) {
    if (const A_Err err = host().enter("AEGP_GetNewParentStreamRef")) return err;
    project().checkPluginId("AEGP_GetNewParentStreamRef", id);
    return project().newParentStream(stream, parent);
}

A_Err disposeEffect(AEGP_EffectRefH effect) {
    if (const A_Err err = host().enter("AEGP_DisposeEffect")) {
        project().disposeEffect(effect);  // the host still lets go of it
        return err;
    }
    return project().disposeEffect(effect);
}

A_Err getLayerParentComp(AEGP_LayerH layer, AEGP_CompH* comp) {
    if (const A_Err err = host().enter("AEGP_GetLayerParentComp")) return err;
    return project().parentComp(layer, comp);
}

A_Err getLayerName(AEGP_LayerH layer, A_char* name, A_char* source) {
    if (const A_Err err = host().enter("AEGP_GetLayerName")) return err;
    return project().layerName(layer, name, source);
}

A_Err createNullInComp(const A_UTF16Char* name, AEGP_CompH comp, const A_Time*, AEGP_LayerH* layer) {
    if (const A_Err err = host().enter("AEGP_CreateNullInComp")) return err;
    return project().createNull(name, comp, layer);
}

A_Err startUndoGroup(const A_char* name) {
    if (const A_Err err = host().enter("AEGP_StartUndoGroup")) return err;
    return project().startUndoGroup(name);
}

A_Err endUndoGroup() {
    if (const A_Err err = host().enter("AEGP_EndUndoGroup")) {
        project().endUndoGroup();
        return err;
    }
    return project().endUndoGroup();
}

// ---- PF suites ----
A_long ansiSprintf(A_char* buffer, const A_char* format, ...) {
    host().enter("sprintf");
    std::va_list args;
    va_start(args, format);
    // The only destination the effect uses is the 256-byte return message.
    const int n = std::vsnprintf(buffer, PF_MAX_EFFECT_MSG_LEN + 1, format, args);
    va_end(args);
    return n;
}

PF_Err floatColor(PF_ProgPtr, const PF_ParamDef* def, PF_PixelFloat* out) {
    if (const PF_Err err = host().enter("PF_GetFloatingPointColorFromColorDef")) return err;
    *out = colorToFloat(def->u.cd.value);
    return PF_Err_NONE;
}

const PF_ANSICallbacksSuite1 kANSISuite{&ansiSprintf};
const PF_ColorParamSuite1 kColorParamSuite{&floatColor};
// The effect keeps its scratch pixel in local storage; the suite is served
// so that the cache can still acquire it.
const PF_HandleSuite2 kHandleSuite{};
const PF_WorldTransformSuite1 kWorldTransformSuite{&transferRect};
const AEGP_PFInterfaceSuite1 kPFInterfaceSuite{&getEffectLayer, &getNewEffectForEffect};
const AEGP_StreamSuite7 kStreamSuite7{&getNewEffectStreamByIndex, &getStreamName, &disposeStream};
const AEGP_StreamSuite9 kStreamSuite9{&getNewEffectStreamByIndex, &getNewLayerStream, &setStreamValue, &setExpression,
                                      &disposeStream};
const AEGP_DynamicStreamSuite2 kDynamicStreamSuite2{&setDynamicStreamFlag};
const AEGP_DynamicStreamSuite3 kDynamicStreamSuite3{&getNewParentStreamRef};
const AEGP_EffectSuite2 kEffectSuite{&disposeEffect};
const AEGP_LayerSuite11 kLayerSuite11{&getLayerName};
const AEGP_LayerSuite13 kLayerSuite13{&getLayerParentComp};
const AEGP_CompSuite19 kCompSuite{&createNullInComp};
const AEGP_UtilitySuite11 kUtilitySuite{&startUndoGroup, &endUndoGroup};

struct ServedSuite {
    const char* name;
    A_long version;
    const void* suite;
};

const ServedSuite kServedSuites[] = {
    {kPFANSISuite, kPFANSISuiteVersion1, &kANSISuite},
    {kPFColorParamSuite, kPFColorParamSuiteVersion1, &kColorParamSuite},
    {kPFHandleSuite, kPFHandleSuiteVersion2, &kHandleSuite},
    {kPFWorldTransformSuite, kPFWorldTransformSuiteVersion1, &kWorldTransformSuite},
    {kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1, &kPFInterfaceSuite},
    {kAEGPStreamSuite, kAEGPStreamSuiteVersion7, &kStreamSuite7},
    {kAEGPStreamSuite, kAEGPStreamSuiteVersion9, &kStreamSuite9},
    {kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion2, &kDynamicStreamSuite2},
    {kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion3, &kDynamicStreamSuite3},
    {kAEGPEffectSuite, kAEGPEffectSuiteVersion2, &kEffectSuite},
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion11, &kLayerSuite11},
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion13, &kLayerSuite13},
    {kAEGPCompSuite, kAEGPCompSuiteVersion19, &kCompSuite},
    {kAEGPUtilitySuite, kAEGPUtilitySuiteVersion11, &kUtilitySuite},
};

// The basic suite's answer when it has no such suite.
constexpr SPErr kSuiteNotFound = 0x53214e46;  // 'S!NF'

SPErr acquireSuite(const char* name, A_long version, const void** suite) {
    *suite = nullptr;
    if (const A_long err = host().enter("AcquireSuite")) {
        host().noteAcquire(name, version, false);
        return err;
    }
    if (!host().suiteMissing(name, version)) {
        for (const ServedSuite& served : kServedSuites) {
            if (std::strcmp(served.name, name) == 0 && served.version == version) *suite = served.suite;
        }
    }
    host().noteAcquire(name, version, *suite != nullptr);
    return *suite ? 0 : kSuiteNotFound;
}

SPErr releaseSuite(const char* name, A_long version) {
    host().enter("ReleaseSuite");
    host().noteRelease(name, version);
    return 0;
}

SPBasicSuite gBasicSuite{&acquireSuite, &releaseSuite};
PF_UtilCallbacks gUtilCallbacks{{&copyString}, &fillWorld, &pixelData8};

}  // namespace

CurrentHostScope::CurrentHostScope(TestHost* host) : previous_(tCurrentHost) { tCurrentHost = host; }
CurrentHostScope::~CurrentHostScope() { tCurrentHost = previous_; }

SPBasicSuite* hostBasicSuite() { return &gBasicSuite; }
PF_UtilCallbacks* hostUtilCallbacks() { return &gUtilCallbacks; }
PF_InteractCallbacks hostInteractCallbacks() { return PF_InteractCallbacks{&addParam}; }
PF_PluginDataCB hostRegistrationCallback() { return &registerCallback; }
