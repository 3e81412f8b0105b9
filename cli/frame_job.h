// One frame as the command line describes it: the module loaded in the test
// host, applied to a layer, with the parameter values of the options.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/path_dump.h"
#include "testhost/effect_instance.h"
#include "testhost/host_world.h"
#include "testhost/param_array.h"
#include "testhost/test_host.h"

struct FrameOptions {
    int width = 1920;
    int height = 1080;
    std::string input;  // PNG whose size and pixels make the layer
    int downsample = 1;
    std::vector<std::string> sets;  // NAME=VALUE, applied after the preset
    std::string preset;             // JSON object of NAME: VALUE
};

// The effect returned an error code: exit code 1.
class EffectError : public std::runtime_error {
public:
    EffectError(const std::string& what, PF_Err code);
    PF_Err code() const { return code_; }

private:
    PF_Err code_;
};

// The host's name of an error code ("PF_Err_BAD_CALLBACK_PARAM").
std::string effectErrorName(PF_Err code);

class FrameJob {
public:
    // Loads the module, runs global and parameter setup and applies the
    // options. Throws CliError for bad options, EffectError when setup fails.
    explicit FrameJob(const FrameOptions& options);

    // Renders through the module's render command into a new output world.
    // Throws EffectError with the render's error code.
    std::unique_ptr<HostWorld> render();

    // The same frame drawn by the engine onto an SVG or PDF surface at path
    // (no pixel transfer, no composite).
    void renderVector(const std::string& path);

    // The sub-paths of the frame.
    FramePaths paths();

    // A copy of the parameters with values (index, text as for --set) set,
    // as the host delivers them for this job's render (downsampled points,
    // its layer). Throws CliError for a bad value.
    ParamArray frameParams(const std::vector<std::pair<int, std::string>>& values) const;

    ParamArray& params() { return effect_->params(); }
    EffectInstance& effect() { return *effect_; }
    TestHost& host() { return host_; }

private:
    TestHost host_;
    std::unique_ptr<EffectInstance> effect_;
    std::unique_ptr<ParamArray> fullResolution_;  // the values before downsampling
    int downsample_;
};
