#include "bench/scenes.h"

#include "engine/draw_params.h"
#include "engine/param_index.h"

using namespace veltrace;

namespace {
void slider(ParamArray& p, int i, double v) { p[i].u.fs_d.value = v; }
void popup(ParamArray& p, int i, A_long v) { p[i].u.pd.value = v; }
void on(ParamArray& p, int i) { p[i].u.bd.value = 1; }
}  // namespace

const std::vector<Scene>& comparisonScenes() {
    static const std::vector<Scene> scenes = {
        {"default 1920x1080", 1920, 1080, [](ParamArray&) {}},
        {"1000 lines, symmetrical", 1920, 1080,
         [](ParamArray& p) {
             slider(p, kAdditionalLines, 1000);
             on(p, kSymmetrical);
         }},
        {"outline, linear gradient, dashes", 1920, 1080,
         [](ParamArray& p) {
             on(p, kStrokeEnable);
             on(p, kGradientEnable);
             on(p, kDashEnable);
         }},
        {"arc, 100 arcs, symmetrical, random trim", 1920, 1080,
         [](ParamArray& p) {
             popup(p, kMode, kModeArc);
             slider(p, kAdditionalLines, 100);
             on(p, kSymmetrical);
             on(p, kTrimEnable);
             slider(p, kTrimEnd, 70);
             popup(p, kOrderModifier, kOrderRandom);
         }},
        {"trimmed pipe", 1920, 1080,
         [](ParamArray& p) {
             popup(p, kMode, kModePipe);
             on(p, kTrimEnable);
             slider(p, kTrimStart, 20);
             slider(p, kTrimEnd, 80);
         }},
        {"default 3840x2160", 3840, 2160, [](ParamArray&) {}},
    };
    return scenes;
}

const std::vector<Scene>& worstCaseScenes() {
    static const std::vector<Scene> scenes = {
        {"4K, 1000 lines, symmetrical, random trim, outline, gradient, dashes", 3840, 2160,
         [](ParamArray& p) {
             slider(p, kAdditionalLines, 1000);
             on(p, kSymmetrical);
             on(p, kTrimEnable);
             slider(p, kTrimEnd, 90);
             popup(p, kOrderModifier, kOrderRandom);
             on(p, kStrokeEnable);
             on(p, kGradientEnable);
             on(p, kDashEnable);
         }},
        {"4K, tiny dashes (0.2 / 0.2) on a long route", 3840, 2160,
         [](ParamArray& p) {
             on(p, kDashEnable);
             slider(p, kDash, 0.2);
             slider(p, kGap, 0.2);
             slider(p, kCurvature, 1000);
         }},
        {"4K, 100 lines, width 500, dashed", 3840, 2160,
         [](ParamArray& p) {
             slider(p, kAdditionalLines, 100);
             slider(p, kLineWidth, 500);
             on(p, kDashEnable);
             slider(p, kDash, 5);
             slider(p, kGap, 5);
         }},
    };
    return scenes;
}
