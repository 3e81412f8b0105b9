// An effect applied to a layer in the test host: global and parameter
// setup done, the parameter array as the host delivers it, and renders
// into worlds of the layer's size.
#pragma once

#include <memory>
#include <stdexcept>

#include "testhost/host_world.h"
#include "testhost/param_array.h"
#include "testhost/test_host.h"

// Global or parameter setup returned an error code.
class EffectSetupError : public std::runtime_error {
public:
    EffectSetupError(const char* what, PF_Err code) : std::runtime_error(what), code_(code) {}
    PF_Err code() const { return code_; }

private:
    PF_Err code_;
};

class EffectInstance {
public:
    // Applies the effect to layer (a transparent one of width x height in
    // the second form). Throws EffectSetupError when setup fails.
    EffectInstance(TestHost& host, std::unique_ptr<HostWorld> layer);
    EffectInstance(TestHost& host, int width, int height);

    ParamArray& params() { return *params_; }
    HostWorld& layer() { return *layer_; }
    // The input record the renders get: host.inData() with this layer's
    // extent hint and downsample ratio.
    PF_InData& inData() { return in_; }

    // Renders at 1/n resolution from now on, as a host's preview does: the
    // layer is sampled at every n-th pixel and the points are delivered
    // divided by n. Call after the parameter values are set.
    void setDownsample(int n);

    // A new output world of the layer's size, rows padded by rowPadding bytes.
    std::unique_ptr<HostWorld> newOutput(int rowPadding = 0) const;

    // Sends the render command for output. Throws std::logic_error when the
    // render wrote outside output's pixels or into the input layer.
    PF_Err render(HostWorld& output);

    // The render command alone, as a host sends it, with params (this
    // instance's by default): no checks around it, for timing and for
    // renders of several frames at once (thread-safe).
    PF_Err renderCommand(HostWorld& output, ParamArray& params) const;

    // The interface-update command, and the user-changed-parameter command
    // for the parameter at index, on this instance's parameter array.
    PF_Err updateParamsUI();
    PF_Err userChangedParam(int index);

private:
    TestHost& host_;
    std::unique_ptr<HostWorld> layer_;
    std::unique_ptr<ParamArray> params_;
    PF_InData in_;
};
