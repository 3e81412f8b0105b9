#include "cli/frame_job.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

#include "cli/cli_error.h"
#include "cli/image_files.h"
#include "cli/param_names.h"
#include "testhost/engine_frame.h"

EffectError::EffectError(const std::string& what, PF_Err code) : std::runtime_error(what), code_(code) {}

std::string effectErrorName(PF_Err code) {
    switch (code) {
        case PF_Err_OUT_OF_MEMORY: return "PF_Err_OUT_OF_MEMORY";
        case PF_Err_INTERNAL_STRUCT_DAMAGED: return "PF_Err_INTERNAL_STRUCT_DAMAGED";
        case PF_Err_INVALID_INDEX: return "PF_Err_INVALID_INDEX";
        case PF_Err_UNRECOGNIZED_PARAM_TYPE: return "PF_Err_UNRECOGNIZED_PARAM_TYPE";
        case PF_Err_INVALID_CALLBACK: return "PF_Err_INVALID_CALLBACK";
        case PF_Err_BAD_CALLBACK_PARAM: return "PF_Err_BAD_CALLBACK_PARAM";
        default: return "an unknown error";
    }
}

namespace {

std::string presetValue(const std::string& name, const nlohmann::json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_boolean()) return value.get<bool>() ? "on" : "off";
    if (value.is_number()) return value.dump();
    throw CliError("preset value of \"" + name + "\" must be a string, number or boolean");
}

void applyPreset(ParamArray& params, const std::string& path) {
    std::ifstream in(path);
    if (!in) throw CliError("cannot read preset " + path);
    nlohmann::json preset;
    try {
        preset = nlohmann::json::parse(in);
    } catch (const nlohmann::json::exception& e) {
        throw CliError("preset " + path + " is not valid JSON: " + e.what());
    }
    if (!preset.is_object()) throw CliError("preset " + path + " must be a JSON object of NAME: VALUE");
    for (const auto& [name, value] : preset.items()) setParamValue(params, resolveParamName(name), presetValue(name, value));
}

}  // namespace

FrameJob::FrameJob(const FrameOptions& options) : downsample_(options.downsample) {
    if (options.downsample < 1) throw CliError("--downsample must be 1 or more");
    auto layer = options.input.empty() ? std::make_unique<HostWorld>(options.width, options.height)
                                       : readWorldPng(options.input);
    try {
        effect_ = std::make_unique<EffectInstance>(host_, std::move(layer));
    } catch (const EffectSetupError& e) {
        throw EffectError(e.what(), e.code());
    }
    ParamArray& params = effect_->params();
    if (!options.preset.empty()) applyPreset(params, options.preset);
    for (const std::string& assignment : options.sets) {
        const auto [name, value] = splitAssignment(assignment);
        setParamValue(params, resolveParamName(name), value);
    }
    fullResolution_ = std::make_unique<ParamArray>(params);
    if (downsample_ > 1) effect_->setDownsample(downsample_);
}

ParamArray FrameJob::frameParams(const std::vector<std::pair<int, std::string>>& values) const {
    ParamArray params(*fullResolution_);
    for (const auto& [index, text] : values) setParamValue(params, index, text);
    if (downsample_ > 1) params.scalePoints(1.0 / downsample_);
    params[0].u.ld = effect_->layer().world();
    return params;
}

std::unique_ptr<HostWorld> FrameJob::render() {
    auto output = effect_->newOutput();
    const PF_Err err = effect_->render(*output);
    if (err != PF_Err_NONE) throw EffectError("render failed", err);
    return output;
}

void FrameJob::renderVector(const std::string& path) {
    const std::string extension = std::filesystem::path(path).extension().string();
    writeFileAtomically(path, [&](const std::string& temporary) {
        const double w = effect_->layer().width();
        const double h = effect_->layer().height();
        CairoSurfacePtr surface(extension == ".svg" ? cairo_svg_surface_create(temporary.c_str(), w, h)
                                                    : cairo_pdf_surface_create(temporary.c_str(), w, h));
        cairo_surface_t* target = surface.get();
        EngineFrame frame = prepareEngineFrame(params(), std::move(surface), 1.0 / downsample_);
        finishEngineFrame(frame, params());
        cairo_surface_finish(target);
        if (cairo_surface_status(target) != CAIRO_STATUS_SUCCESS) {
            throw CliError("cannot write " + path + ": " + cairo_status_to_string(cairo_surface_status(target)));
        }
    });
}

FramePaths FrameJob::paths() {
    EngineFrame frame =
        prepareEngineFrame(params(), effect_->layer().width(), effect_->layer().height(), 1.0 / downsample_);
    drawStylePass(&frame.record, params().data());
    return copyFramePaths(frame.record);
}
