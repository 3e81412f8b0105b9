// veltrace: draws frames of the effect from the command line.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "testhost/engine_frame.h"

namespace {

struct RenderOptions {
    std::string output = "veltrace.png";
    int width = 1920;
    int height = 1080;
};

int renderDefaultFrame(const RenderOptions& options) {
    const auto registered = defaultDefinitions();
    const PF_EffectWorld layer{options.width, options.height, options.width * 4, nullptr,
                               {0, 0, options.width, options.height}};
    ParamArray params(registered, layer);
    const EngineFrame frame = drawEngineFrame(params, options.width, options.height);
    const cairo_status_t status = cairo_surface_write_to_png(frame.contexts.surface.get(), options.output.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "veltrace: cannot write %s: %s\n", options.output.c_str(), cairo_status_to_string(status));
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"veltrace: draws frames of the Veltrace effect"};
    app.require_subcommand(1);
    RenderOptions options;
    CLI::App* render = app.add_subcommand("render", "Render the default frame to a PNG file");
    render->add_option("-o,--output", options.output, "Output PNG file")->capture_default_str();
    render->add_option("--width", options.width, "Frame width in pixels")->check(CLI::Range(1, 32767))->capture_default_str();
    render->add_option("--height", options.height, "Frame height in pixels")->check(CLI::Range(1, 32767))->capture_default_str();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    return renderDefaultFrame(options);
}
