#include "testhost/param_array.h"

#include <cmath>
#include <cstring>

#include "controls/param_table.h"

ParamArray::ParamArray(std::span<const PF_ParamDef> registered, const PF_EffectWorld& layer) {
    defs_[0].param_type = PF_Param_LAYER;
    defs_[0].u.ld = layer;
    for (std::size_t i = 0; i < registered.size() && i + 1 < defs_.size(); ++i) defs_[i + 1] = registered[i];
    for (auto& def : defs_) {
        if (def.param_type != PF_Param_POINT) continue;
        // Registered as percent of the layer; delivered in layer pixels.
        def.u.td.x_value = static_cast<PF_Fixed>(std::int64_t{def.u.td.x_value} * layer.width / 100);
        def.u.td.y_value = static_cast<PF_Fixed>(std::int64_t{def.u.td.y_value} * layer.height / 100);
    }
    for (std::size_t i = 0; i < defs_.size(); ++i) pointers_[i] = &defs_[i];
}

ParamArray::ParamArray(const ParamArray& other) : defs_(other.defs_) {
    for (std::size_t i = 0; i < defs_.size(); ++i) pointers_[i] = &defs_[i];
}

void ParamArray::setPoint(int index, double x, double y) {
    PF_PointDef& point = defs_[static_cast<std::size_t>(index)].u.td;
    point.x_value = static_cast<PF_Fixed>(std::lround(x * 65536.0));
    point.y_value = static_cast<PF_Fixed>(std::lround(y * 65536.0));
}

void ParamArray::scalePoints(double factor) {
    for (auto& def : defs_) {
        if (def.param_type != PF_Param_POINT) continue;
        def.u.td.x_value = static_cast<PF_Fixed>(std::lround(def.u.td.x_value * factor));
        def.u.td.y_value = static_cast<PF_Fixed>(std::lround(def.u.td.y_value * factor));
    }
}

std::array<PF_ParamDef, veltrace::kParamCount - 1> defaultDefinitions() {
    std::array<PF_ParamDef, veltrace::kParamCount - 1> defs{};
    for (int i = 1; i < veltrace::kParamCount; ++i) {
        PF_ParamDef& def = defs[static_cast<std::size_t>(i - 1)];
        const ParamSpec& spec = kParamTable[static_cast<std::size_t>(i)];
        std::strncpy(def.name, paramName(spec), PF_MAX_EFFECT_PARAM_NAME_LEN);
        fillParamDefinition(spec, &def);
    }
    return defs;
}

PF_PixelFloat colorToFloat(const PF_Pixel& color) {
    return PF_PixelFloat{color.alpha / 255.0f, color.red / 255.0f, color.green / 255.0f, color.blue / 255.0f};
}
