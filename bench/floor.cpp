#include "bench/floor.h"

#include "engine/stroke.h"
#include "testhost/engine_frame.h"

FloorFrame::FloorFrame(const Scene& scene)
    : width_(scene.width),
      height_(scene.height),
      registered_(defaultDefinitions()),
      layer_{scene.width, scene.height, scene.width * 4, nullptr, {0, 0, scene.width, scene.height}},
      params_(registered_, layer_) {
    scene.set(params_);
    EngineFrame frame = prepareEngineFrame(params_, width_, height_);
    drawStylePass(&frame.record, params_.data());
    path_.reset(cairo_copy_path(frame.record.cr));
    record_ = frame.record;
    record_.trimWindows.clear();
}

CairoSurfacePtr FloorFrame::stroke() {
    CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_));
    CairoContextPtr cr(cairo_create(surface.get()));
    myParams p = record_;
    p.surface = surface.get();
    p.cr = cr.get();
    p.handlesCr = nullptr;
    p.handlesEnable = false;
    setupStrokeContexts(&p);
    cairo_append_path(cr.get(), path_.get());
    strokeFrame(&p, params_.data());
    cairo_surface_flush(surface.get());
    return surface;
}

void FloorFrame::render(std::vector<std::uint8_t>& out) {
    const CairoSurfacePtr surface = stroke();
    divideTransfer(cairo_image_surface_get_data(surface.get()), cairo_image_surface_get_stride(surface.get()), width_,
                   height_, out.data());
}

void divideTransfer(const std::uint8_t* surface, int stride, int width, int height, std::uint8_t* out) {
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(surface + std::size_t(y) * std::size_t(stride));
        std::uint8_t* dst = out + std::size_t(y) * std::size_t(width) * 4;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = src[x];
            const std::uint32_t a = v >> 24;
            std::uint32_t c[3] = {(v >> 16) & 255, (v >> 8) & 255, v & 255};
            if (a != 0 && a != 255) {
                for (std::uint32_t& channel : c) channel = std::min<std::uint32_t>(channel * 255 / a, 255);
            }
            dst[4 * x] = static_cast<std::uint8_t>(a);
            dst[4 * x + 1] = static_cast<std::uint8_t>(c[0]);
            dst[4 * x + 2] = static_cast<std::uint8_t>(c[1]);
            dst[4 * x + 3] = static_cast<std::uint8_t>(c[2]);
        }
    }
}
