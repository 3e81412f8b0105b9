#include "host/pixel_transfer.h"

#include "host/broken_variants.h"

#include <array>
#include <cstring>

namespace {

// floor(c * 255 / A) == (c * kReciprocal[A]) >> 16 for every c and A in
// 1 .. 254 (checked over all pairs by the tests); c * kReciprocal[A] stays
// below 2^32.
constexpr std::array<std::uint32_t, 256> makeReciprocals() {
    std::array<std::uint32_t, 256> r{};
    for (std::uint32_t a = 1; a < 256; ++a) r[a] = (255u << 16) / a + 1;
    return r;
}
constexpr std::array<std::uint32_t, 256> kReciprocal = makeReciprocals();

inline std::uint8_t unpremultiply(std::uint32_t c, std::uint32_t reciprocal) {
    const std::uint32_t v = (c * reciprocal) >> 16;
    return static_cast<std::uint8_t>(v > 255 ? 255 : v);
}

}  // namespace

void unpremultiplyRow(const std::uint32_t* src, PF_Pixel* dst, int width) {
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = src[x];
        const std::uint32_t a = v >> 24;
        std::uint32_t r = (v >> 16) & 0xFF;
        std::uint32_t g = (v >> 8) & 0xFF;
        std::uint32_t b = v & 0xFF;
        if (a != 0 && a != 255) {
            const std::uint32_t k = kReciprocal[a];
            r = unpremultiply(r, k);
            g = unpremultiply(g, k);
            b = unpremultiply(b, k);
        }
        dst[x] = PF_Pixel{static_cast<A_u_char>(a), static_cast<A_u_char>(r), static_cast<A_u_char>(g),
                          static_cast<A_u_char>(b)};
    }
}

PF_Err transferSurfaceToWorld(PF_InData* in_data, cairo_surface_t* surface, PF_EffectWorld* output) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const std::int64_t stride = cairo_image_surface_get_stride(surface);
    PF_Pixel8* pixels = nullptr;
    if (const PF_Err err = in_data->utils->get_pixel_data8(output, nullptr, &pixels)) return err;
    if (pixels == nullptr) return PF_Err_INTERNAL_STRUCT_DAMAGED;
    // An empty surface (0 x 0 world) has no data and nothing to transfer.
    if (data == nullptr) return PF_Err_NONE;
    auto* out = reinterpret_cast<unsigned char*>(pixels);
    for (std::int64_t y = 0; y < output->height; ++y) {
        // 64-bit offsets: rows may lie more than 2 GiB into a buffer.
        const auto* src = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        auto* dst = reinterpret_cast<PF_Pixel*>(out + y * std::int64_t{output->rowbytes});
        unpremultiplyRow(src, dst, output->width);
        if constexpr (broken_variant::kWritesPastRow) dst[output->width] = PF_Pixel{1, 2, 3, 4};
    }
    return PF_Err_NONE;
}

PF_Err compositeInputBehind(PF_InData* in_data, AEGP_SuiteHandler& suites, PF_ParamDef* params[],
                            PF_EffectWorld* output) {
    const PF_WorldTransformSuite1* transform = suites.WorldTransformSuite1();
    PF_CompositeMode mode{};
    mode.xfer = PF_Xfer_BEHIND;
    mode.opacity = 255;
    mode.rgb_only = false;
    return transform->transfer_rect(in_data->effect_ref, in_data->quality, 0, in_data->field, &in_data->extent_hint,
                                    &params[0]->u.ld, &mode, nullptr, 0, 0, output);
}
