// Renders the frames the Windows check compares, through the module given:
// first the default frame on 8 threads at once straight after global setup
// (a static cairo's first calls are the trap there), then each scene once,
// written as raw pixel bytes to OUTDIR/<scene>.raw. Built for Linux and for
// Windows from this one source. Exit 1 when the module misbehaves.
#include <cstdio>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "engine/draw_params.h"
#include "engine/param_index.h"
#include "testhost/effect_instance.h"

using namespace veltrace;

namespace {

struct Scene {
    const char* name;
    std::function<void(ParamArray&)> set;
};

const Scene kScenes[] = {
    {"default", [](ParamArray&) {}},
    {"random", [](ParamArray& p) {
         // Distinct windows on seven lines, dealt out by the Random order.
         p[kAdditionalLines].u.fs_d.value = 6;
         p[kTrimEnable].u.bd.value = 1;
         p[kTrimEnd].u.fs_d.value = 50;
         p[kOrderModifier].u.pd.value = kOrderRandom;
     }},
};

constexpr int kWidth = 320;
constexpr int kHeight = 180;

bool write(const HostWorld& world, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    for (int y = 0; y < world.height(); ++y) {
        out.write(reinterpret_cast<const char*>(&world.at(0, y)), std::streamsize(world.width()) * 4);
    }
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_check MODULE OUTDIR\n");
        return 2;
    }
    try {
        TestHost host(argv[1]);
        std::printf("registered %s (%s) in %s\n", host.registration().name.c_str(),
                    host.registration().matchName.c_str(), host.registration().category.c_str());
        EffectInstance effect(host, kWidth, kHeight);
        std::vector<std::unique_ptr<HostWorld>> outputs;
        for (int t = 0; t < 8; ++t) outputs.push_back(effect.newOutput());
        std::vector<PF_Err> results(outputs.size());
        std::vector<std::thread> threads;
        for (std::size_t t = 0; t < outputs.size(); ++t) {
            threads.emplace_back([&, t] { results[t] = effect.renderCommand(*outputs[t], effect.params()); });
        }
        for (std::thread& thread : threads) thread.join();
        for (std::size_t t = 0; t < outputs.size(); ++t) {
            if (results[t] != PF_Err_NONE || !outputs[t]->samePixels(*outputs[0])) {
                std::fprintf(stderr, "concurrent first renders differ (thread %zu)\n", t);
                return 1;
            }
        }
        for (const Scene& scene : kScenes) {
            EffectInstance instance(host, kWidth, kHeight);
            scene.set(instance.params());
            auto output = instance.newOutput();
            if (instance.render(*output) != PF_Err_NONE) {
                std::fprintf(stderr, "%s: render failed\n", scene.name);
                return 1;
            }
            if (!write(*output, std::string(argv[2]) + "/" + scene.name + ".raw")) {
                std::fprintf(stderr, "%s: cannot write\n", scene.name);
                return 1;
            }
        }
        if (host.ledger().outstandingSuites() != 0) {
            std::fprintf(stderr, "suites left acquired\n");
            return 1;
        }
        std::printf("8 concurrent first renders equal; %zu scenes written\n", std::size(kScenes));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "render_check: %s\n", e.what());
        return 1;
    }
}
