// The default 1920x1080 Line frame, from the record fill to the stroked
// surface, drawn by the engine alone.
#include <benchmark/benchmark.h>

#include "testhost/engine_frame.h"

namespace {

void BM_DefaultLineFrame(benchmark::State& state) {
    constexpr int kWidth = 1920;
    constexpr int kHeight = 1080;
    const auto registered = defaultDefinitions();
    const PF_EffectWorld layer{kWidth, kHeight, kWidth * 4, nullptr, {0, 0, kWidth, kHeight}};
    ParamArray params(registered, layer);
    for (auto _ : state) {
        const EngineFrame frame = drawEngineFrame(params, kWidth, kHeight);
        benchmark::DoNotOptimize(cairo_image_surface_get_data(frame.contexts.surface.get()));
    }
}
BENCHMARK(BM_DefaultLineFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
