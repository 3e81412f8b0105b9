// The module rendering through the test host as a host calls it, against
// the floor of the same frame, in one run; then the transfer alone against
// memcpy, and the worst cases a user can ask for.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "bench/floor.h"
#include "bench/scenes.h"
#include "engine/frame.h"
#include "host/pixel_transfer.h"
#include "testhost/effect_instance.h"

namespace {

void moduleFrame(benchmark::State& state, const Scene* scene) {
    TestHost host;
    EffectInstance effect(host, scene->width, scene->height);
    scene->set(effect.params());
    auto out = effect.newOutput();
    for (auto _ : state) {
        if (effect.renderCommand(*out, effect.params()) != PF_Err_NONE) state.SkipWithError("render failed");
        benchmark::DoNotOptimize(out->bytes().data());
    }
}

void floorFrame(benchmark::State& state, const Scene* scene) {
    FloorFrame frame(*scene);
    std::vector<std::uint8_t> out(std::size_t(frame.width()) * std::size_t(frame.height()) * 4);
    for (auto _ : state) {
        frame.render(out);
        benchmark::DoNotOptimize(out.data());
    }
}

// A drawn default frame, or every alpha on a ramp across a half-covered frame.
std::vector<std::uint32_t> transferInput(bool ramp, int width, int height) {
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height), 0);
    if (ramp) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width / 2; ++x) {
                const std::uint32_t a = std::uint32_t(x + y) % 256;
                const std::uint32_t c = a / 2;
                pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = a << 24 | c << 16 | c << 8 | c;
            }
        }
        return pixels;
    }
    FloorFrame frame(comparisonScenes()[0]);
    const CairoSurfacePtr surface = frame.stroke();
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) std::memcpy(&pixels[std::size_t(y) * width], data + std::size_t(y) * stride, width * 4u);
    return pixels;
}

void transferOnly(benchmark::State& state, bool ramp) {
    const int width = 1920, height = 1080;
    const auto input = transferInput(ramp, width, height);
    std::vector<PF_Pixel> out(input.size());
    for (auto _ : state) {
        for (int y = 0; y < height; ++y) {
            unpremultiplyRow(&input[std::size_t(y) * width], &out[std::size_t(y) * width], width);
        }
        benchmark::DoNotOptimize(out.data());
    }
}

void memcpyOnly(benchmark::State& state) {
    std::vector<std::uint32_t> input(1920u * 1080u, 0x80402010u), out(input.size());
    for (auto _ : state) {
        std::memcpy(out.data(), input.data(), input.size() * 4);
        benchmark::DoNotOptimize(out.data());
    }
}

void registerAll() {
    for (const Scene& scene : comparisonScenes()) {
        benchmark::RegisterBenchmark(("floor/" + std::string(scene.name)).c_str(), floorFrame, &scene)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("module/" + std::string(scene.name)).c_str(), moduleFrame, &scene)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("memcpy/transfer of a default frame", memcpyOnly)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("transfer/transfer of a default frame", transferOnly, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("memcpy/transfer of a half-covered alpha ramp", memcpyOnly)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("transfer/transfer of a half-covered alpha ramp", transferOnly, true)
        ->Unit(benchmark::kMillisecond);
    for (const Scene& scene : worstCaseScenes()) {
        benchmark::RegisterBenchmark(("worst/" + std::string(scene.name)).c_str(), moduleFrame, &scene)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
}

// Prints, after the run, each scene's floor (or memcpy) and module (or
// transfer) times and their ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            times_[name.substr(slash + 1)][name.substr(0, slash)] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-58s %12s %12s %8s\n", "scene", "floor ms", "module ms", "ratio");
        for (const auto& [scene, kinds] : times_) {
            const bool transfer = kinds.count("transfer");
            const auto base = kinds.find(transfer ? "memcpy" : "floor");
            const auto ours = kinds.find(transfer ? "transfer" : "module");
            if (base == kinds.end() || ours == kinds.end()) continue;
            std::printf("%-58s %12.3f %12.3f %8.2f\n", scene.c_str(), base->second, ours->second,
                        ours->second / base->second);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    registerAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
