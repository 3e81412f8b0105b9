// The command-line tool's views of the controls: what the interface rules
// leave visible, and what Create Nulls makes of a project.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli/frame_job.h"

// Interface update, then for each name in changed the user-changed command
// and another interface update. Returns the JSON the ui command prints.
// Throws EffectError when a command fails, CliError for a bad name.
nlohmann::json controlsState(FrameJob& job, const std::vector<std::string>& changed);

struct NullNamesOptions {
    std::string layerName = "Shape Layer 1";
    std::string sourceName = "Shape Layer 1";
    std::string effectName = "Veltrace";
};

// Presses Create Nulls in a fresh project and returns the project as JSON.
nlohmann::json createNullsProject(FrameJob& job, const NullNamesOptions& names);
