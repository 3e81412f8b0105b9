// The benchmark scenes: parameter settings as a user sets them.
#pragma once

#include <functional>
#include <vector>

#include "testhost/param_array.h"

struct Scene {
    const char* name;
    int width;
    int height;
    std::function<void(ParamArray&)> set;
};

// The scenes the module is compared with the floor on.
const std::vector<Scene>& comparisonScenes();

// The costliest frames a user can ask for within the valid ranges.
const std::vector<Scene>& worstCaseScenes();
