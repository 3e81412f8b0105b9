// A parameter array as the host hands it to a command: 63 definitions with
// the input layer at position 0 and points in layer pixels.
#pragma once

#include <array>
#include <span>

#include "engine/param_index.h"
#include "hostapi/ae_params.h"

class ParamArray {
public:
    // registered: the 62 definitions as parameter setup registered them
    // (points in 16.16 percent of the layer). layer: the input world.
    ParamArray(std::span<const PF_ParamDef> registered, const PF_EffectWorld& layer);
    // Copies point at the copy's own definitions.
    ParamArray(const ParamArray& other);
    ParamArray& operator=(const ParamArray&) = delete;

    PF_ParamDef** data() { return pointers_.data(); }
    PF_ParamDef& operator[](int index) { return defs_[static_cast<std::size_t>(index)]; }

    // Sets a point parameter in layer pixels.
    void setPoint(int index, double x, double y);

    // Multiplies every point parameter by factor, as a host delivers points
    // for a downsampled render.
    void scalePoints(double factor);

private:
    std::array<PF_ParamDef, veltrace::kParamCount> defs_{};
    std::array<PF_ParamDef*, veltrace::kParamCount> pointers_{};
};

// The 62 definitions of the parameter table with their defaults, as
// parameter setup registers them.
std::array<PF_ParamDef, veltrace::kParamCount - 1> defaultDefinitions();

// The colour suite's conversion: 8-bit channels to floats, c / 255.
PF_PixelFloat colorToFloat(const PF_Pixel& color);
