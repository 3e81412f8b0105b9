#include "testhost/effect_instance.h"

#include <stdexcept>


EffectInstance::EffectInstance(TestHost& host, std::unique_ptr<HostWorld> layer)
    : host_(host), layer_(std::move(layer)), in_(host.inData()) {
    PF_OutData out{};
    if (const PF_Err err = host_.command(PF_Cmd_GLOBAL_SETUP, &out)) throw EffectSetupError("global setup failed", err);
    if (const PF_Err err = host_.setupParams(&out)) throw EffectSetupError("parameter setup failed", err);
    params_ = std::make_unique<ParamArray>(host_.registeredParams(), layer_->world());
    in_.extent_hint = layer_->world().extent_hint;
}

EffectInstance::EffectInstance(TestHost& host, int width, int height)
    : EffectInstance(host, std::make_unique<HostWorld>(width, height)) {}

void EffectInstance::setDownsample(int n) {
    auto small = std::make_unique<HostWorld>((layer_->width() + n - 1) / n, (layer_->height() + n - 1) / n);
    for (int y = 0; y < small->height(); ++y) {
        for (int x = 0; x < small->width(); ++x) small->at(x, y) = layer_->at(x * n, y * n);
    }
    layer_ = std::move(small);
    params_->scalePoints(1.0 / n);
    (*params_)[0].u.ld = layer_->world();
    in_.downsample_x = in_.downsample_y = {1, static_cast<A_u_long>(n)};
    in_.extent_hint = layer_->world().extent_hint;
}

std::unique_ptr<HostWorld> EffectInstance::newOutput(int rowPadding) const {
    return std::make_unique<HostWorld>(layer_->width(), layer_->height(), rowPadding);
}

PF_Err EffectInstance::renderCommand(HostWorld& output, ParamArray& params) const {
    PF_OutData out{};
    return host_.command(in_, PF_Cmd_RENDER, &out, params.data(), &output.world());
}

PF_Err EffectInstance::render(HostWorld& output) {
    const std::uint64_t layerBefore = layer_->pixelChecksum();
    const PF_Err err = renderCommand(output, *params_);
    // A host would be corrupted by either; no test may pass over it.
    if (!output.guardsIntact()) throw std::logic_error("the render wrote outside the output world's pixels");
    if (layer_->pixelChecksum() != layerBefore) throw std::logic_error("the render wrote into the input layer");
    return err;
}

PF_Err EffectInstance::updateParamsUI() {
    PF_OutData out{};
    return host_.command(in_, PF_Cmd_UPDATE_PARAMS_UI, &out, params_->data());
}

PF_Err EffectInstance::userChangedParam(int index) {
    PF_OutData out{};
    PF_UserChangedParamExtra extra{index};
    return host_.command(in_, PF_Cmd_USER_CHANGED_PARAM, &out, params_->data(), nullptr, &extra);
}
