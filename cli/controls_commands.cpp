#include "cli/controls_commands.h"

#include "cli/param_names.h"
#include "engine/param_index.h"

namespace {

void check(PF_Err err, const char* what) {
    if (err != PF_Err_NONE) throw EffectError(what, err);
}

}  // namespace

nlohmann::json controlsState(FrameJob& job, const std::vector<std::string>& changed) {
    std::vector<int> indices;
    for (const std::string& name : changed) indices.push_back(resolveParamName(name));
    EffectInstance& effect = job.effect();
    check(effect.updateParamsUI(), "interface update failed");
    for (int index : indices) {
        check(effect.userChangedParam(index), "user-changed-parameter failed");
        check(effect.updateParamsUI(), "interface update failed");
    }
    ParamArray& params = job.params();
    const PF_FloatSliderDef& curvature = params[veltrace::kCurvature].u.fs_d;
    nlohmann::json values = nlohmann::json::object();
    for (int i = 1; i < veltrace::kParamCount; ++i) {
        const std::string value = formatParamValue(params[i]);
        if (!value.empty()) values[std::to_string(i)] = value;
    }
    return {{"hidden", job.host().project().hiddenParams()},
            {"curvature",
             {{"value", curvature.value},
              {"valid", {curvature.valid_min, curvature.valid_max}},
              {"slider", {curvature.slider_min, curvature.slider_max}}}},
            {"values", values}};
}

nlohmann::json createNullsProject(FrameJob& job, const NullNamesOptions& names) {
    Project& project = job.host().project();
    project.effectLayer->name = names.layerName;
    project.effectLayer->sourceName = names.sourceName;
    project.effectName = names.effectName;
    check(job.effect().userChangedParam(veltrace::kCreateNulls), "Create Nulls failed");

    nlohmann::json layers = nlohmann::json::array();
    for (const auto& layer : project.layers) {
        layers.push_back({{"name", layer->name},
                          {"source", layer->sourceName},
                          {"null", layer->isNull},
                          {"position", {layer->position.x, layer->position.y, layer->position.z}}});
    }
    nlohmann::json expressions = nlohmann::json::object();
    for (int i = 0; i < veltrace::kParamCount; ++i) {
        const std::string& expression = project.params[std::size_t(i)].expression;
        if (!expression.empty()) expressions[std::to_string(i)] = expression;
    }
    nlohmann::json groups = nlohmann::json::array();
    for (const UndoGroup& group : project.undoGroups) {
        groups.push_back({{"name", group.name}, {"closed", group.closed}, {"actions", group.actions}});
    }
    return {{"layers", layers}, {"expressions", expressions}, {"undo_groups", groups},
            {"outside_undo", project.outsideUndo}};
}
