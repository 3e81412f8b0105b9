#include "host/render_driver.h"

#include "controls/param_table.h"
#include "engine/frame.h"
#include "engine/record_fill.h"
#include "engine/stroke.h"
#include "host/broken_variants.h"
#include "host/pixel_transfer.h"
#include "host/suite_handler.h"

namespace {

double horizontalDownsample(const PF_InData& in) {
    return static_cast<double>(in.downsample_x.num) / static_cast<double>(in.downsample_x.den);
}

// Fills the record, reading the colours through "PF ColorParamSuite",
// which is released as soon as the record is filled. Returns false when a
// colour or the downsample factor is not a finite number.
bool fillFromHost(PF_InData* in_data, PF_ParamDef* params[], myParams* p) {
    AEGP_SuiteHandler colorSuites(in_data->pica_basicP);
    const PF_ColorParamSuite1* colors = colorSuites.ColorParamSuite1();
    return fillDrawParams(p, params, horizontalDownsample(*in_data), [&](const PF_ParamDef& def) {
        PF_PixelFloat color{};
        colors->PF_GetFloatingPointColorFromColorDef(in_data->effect_ref, &def, &color);
        return color;
    });
}

// The transfer writes every pixel of a drawn frame, so the output is
// cleared through the host's fill only when no frame will reach it.
PF_Err clearOutput(PF_InData* in_data, PF_EffectWorld* output, PF_Err result) {
    in_data->utils->fill(in_data->effect_ref, nullptr, nullptr, output);
    return result;
}

}  // namespace

PF_Err renderFrame(PF_InData* in_data, PF_OutData*, PF_ParamDef* params[], PF_EffectWorld* output) {
    AEGP_SuiteHandler suites(in_data->pica_basicP);
    myParams p{};
    const bool finite = fillFromHost(in_data, params, &p);
    p.span = {p.end.x - p.start.x, p.end.y - p.start.y};

    // A damaged project's NaN, infinity or 1e38 would reach cairo as garbage
    // coordinates (or as a path too long to dash in any time); the frame
    // stays cleared and the host learns it failed.
    if (!finite || !drawnSlidersInRange(params)) return clearOutput(in_data, output, PF_Err_INTERNAL_STRUCT_DAMAGED);
    const FrameContexts frame = createFrameContexts(&p, output->width, output->height);
    // cairo hands back a surface in an error state when it cannot allocate
    // one (a world wider than 32767 pixels, say): report that, like any
    // other failed allocation, rather than a frame that was never drawn.
    if (cairo_surface_status(frame.surface.get()) != CAIRO_STATUS_SUCCESS) {
        return clearOutput(in_data, output,
                           broken_variant::kHidesFailedAllocation ? PF_Err_NONE : PF_Err_INTERNAL_STRUCT_DAMAGED);
    }

    setupStrokeContexts(&p);
    drawStylePass(&p, params);
    strokeFrame(&p, params);
    if (const PF_Err err = transferSurfaceToWorld(in_data, frame.surface.get(), output)) {
        return clearOutput(in_data, output, err);
    }
    if (p.compositeOverOriginal) return compositeInputBehind(in_data, suites, params, output);
    return PF_Err_NONE;
}
