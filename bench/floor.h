// The least work any implementation must do for a frame: an ARGB32
// surface, the frame's path stroked with cairo with the same settings, and
// a plain per-channel division un-premultiplying it into a 4-byte buffer.
#pragma once

#include <cairo.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "bench/scenes.h"
#include "engine/draw_params.h"
#include "engine/frame.h"
#include "testhost/param_array.h"

struct CairoPathDestroy {
    void operator()(cairo_path_t* path) const { cairo_path_destroy(path); }
};

class FloorFrame {
public:
    // The scene's record and path, built once by the engine, outside timing.
    explicit FloorFrame(const Scene& scene);

    // Strokes the path onto a new surface.
    CairoSurfacePtr stroke();
    // stroke(), then the plain conversion into out.
    void render(std::vector<std::uint8_t>& out);

    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    std::array<PF_ParamDef, veltrace::kParamCount - 1> registered_;
    PF_EffectWorld layer_;
    ParamArray params_;
    myParams record_;
    std::unique_ptr<cairo_path_t, CairoPathDestroy> path_;
};

// The plain conversion: per pixel and channel, c * 255 / A.
void divideTransfer(const std::uint8_t* surface, int stride, int width, int height, std::uint8_t* out);
