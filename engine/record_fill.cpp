#include "engine/record_fill.h"

#include <cmath>

#include "engine/param_index.h"
#include "engine/param_points.h"

using namespace veltrace;

namespace {

struct ParamReader {
    PF_ParamDef* const* params;

    double slider(int i) const { return params[i]->u.fs_d.value; }
    double fraction(int i) const { return slider(i) * 0.01; }
    A_long popup(int i) const { return params[i]->u.pd.value; }
    bool checkbox(int i) const { return (params[i]->u.bd.value & 0xFF) != 0; }
};

// The slider's value truncated toward zero. The host keeps it inside the
// valid range 0..1000; a damaged project is held to that range too, so it
// can neither overflow the conversion nor ask for millions of lines.
A_long lineCountFromSlider(double value) {
    constexpr double kMaxAdditionalLines = 1000.0;
    if (!(value > 0.0)) return 0;
    return static_cast<A_long>(std::trunc(std::fmin(value, kMaxAdditionalLines)));
}

bool finiteColor(const PF_PixelFloat& c) {
    return std::isfinite(c.red) && std::isfinite(c.green) && std::isfinite(c.blue);
}

}  // namespace

bool fillDrawParams(myParams* p, PF_ParamDef* const params[], double downsample, const ColorReader& readColor) {
    *p = myParams{};
    const ParamReader in{params};

    p->mode = in.popup(kMode);
    p->lineWidth = in.slider(kLineWidth);
    p->uniformCurvature = in.checkbox(kUniformCurvature);
    p->curvature = in.fraction(kCurvature);
    p->curvatureEnd = in.fraction(kCurvatureEnd);
    p->axis = in.popup(kBezierAxis);
    p->symmetrical = in.checkbox(kSymmetrical);
    p->additionalLines = lineCountFromSlider(in.slider(kAdditionalLines));
    p->strokeEnable = in.checkbox(kStrokeEnable);
    p->strokeWidth = in.slider(kStrokeWidth);
    p->strokeOpacity = in.fraction(kStrokeOpacity);
    p->handlesEnable = in.checkbox(kHandlesEnable);
    p->handlesWidth = in.slider(kHandlesWidth);
    p->handlesOpacity = in.fraction(kHandlesOpacity);
    p->gradientEnable = in.checkbox(kGradientEnable);
    p->gradientType = in.popup(kGradientType);
    p->smoothness = std::fmax(in.fraction(kSmoothness), 0.1);
    p->gradientStartOpacity = in.fraction(kGradientStartOpacity);
    p->gradientEndOpacity = in.fraction(kGradientEndOpacity);
    p->dashEnable = in.checkbox(kDashEnable);
    p->dash = in.slider(kDash);
    p->gap = in.slider(kGap);
    p->dashOffset = in.slider(kDashOffset);
    p->trimEnable = in.checkbox(kTrimEnable);
    p->trimStart = in.fraction(kTrimStart);
    p->trimEnd = in.fraction(kTrimEnd);
    p->trimOffset = in.fraction(kTrimOffset);
    p->staggerOverlap = 1.0 - in.fraction(kStagger);
    p->easing = in.popup(kEasing);
    p->easingType = in.popup(kEasingType);
    p->orderModifier = in.popup(kOrderModifier);
    p->inheritSymmetry = in.checkbox(kInheritSymmetry);
    p->capStyle = in.popup(kCapStyle);
    p->opacity = in.fraction(kOpacity);
    p->compositeOverOriginal = in.checkbox(kCompositeOverOriginal);

    p->color = readColor(*params[kColor]);
    p->strokeColor = readColor(*params[kStrokeColor]);
    p->handlesColor = readColor(*params[kHandlesColor]);
    p->gradientStartColor = readColor(*params[kGradientStartColor]);
    p->gradientEndColor = readColor(*params[kGradientEndColor]);

    p->lineWidth *= downsample;
    p->dash *= downsample;
    p->gap *= downsample;
    p->dashOffset *= downsample;

    p->start = readPointParam(params, kStart);
    p->end = readPointParam(params, kEnd);

    if (p->mode == kModePipe) {
        p->additionalLines = 0;
        p->uniformCurvature = false;
    } else if (p->mode == kModeArc) {
        p->uniformCurvature = false;
    } else if (p->mode == kModeLine && p->uniformCurvature) {
        p->curvatureEnd = p->curvature;
    }
    return std::isfinite(downsample) && finiteColor(p->color) && finiteColor(p->strokeColor) &&
           finiteColor(p->handlesColor) && finiteColor(p->gradientStartColor) && finiteColor(p->gradientEndColor);
}
