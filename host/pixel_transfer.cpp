#include "host/pixel_transfer.h"

#include "host/broken_variants.h"

#include <algorithm>
#include <array>
#include <cstring>

// SSE2 is part of every x86-64 CPU: no dispatch, no -march needed.
#include <emmintrin.h>

namespace {

// 255 / A as a float; 1 for A = 0 and 255, whose bytes are kept as they are.
constexpr std::array<float, 256> makeFloatReciprocals() {
    std::array<float, 256> r{};
    for (int a = 0; a < 256; ++a) r[std::size_t(a)] = (a == 0 || a == 255) ? 1.0f : 255.0f / float(a);
    return r;
}
constexpr std::array<float, 256> kFloatReciprocal = makeFloatReciprocals();

// The product c * (255 / A) in single precision is within 3e-5 of c * 255 / A
// below the cap of 255, while a true quotient that is not whole lies at least
// 1/254 below the next whole number: adding 1/512 before truncating gives the
// exact floor in every case (the tests check all pairs, on the vector path
// and on the scalar one, which do the same single-precision operations).
constexpr float kNudge = 1.0f / 512.0f;
constexpr float kCap = 255.0f;

inline std::uint32_t unpremultiplyChannel(std::uint32_t c, float reciprocal) {
    return static_cast<std::uint32_t>(std::min(float(c) * reciprocal + kNudge, kCap));
}

inline __m128i unpremultiplyChannel(__m128i channel, __m128 reciprocal) {
    const __m128 q = _mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(channel), reciprocal), _mm_set1_ps(kNudge));
    return _mm_cvttps_epi32(_mm_min_ps(q, _mm_set1_ps(kCap)));
}

// One pixel: the cairo word's bytes in the output's order A, R, G, B.
inline PF_Pixel transferPixel(std::uint32_t v) {
    const std::uint32_t a = v >> 24;
    const float k = kFloatReciprocal[a];
    return PF_Pixel{static_cast<A_u_char>(a), static_cast<A_u_char>(unpremultiplyChannel((v >> 16) & 0xFF, k)),
                    static_cast<A_u_char>(unpremultiplyChannel((v >> 8) & 0xFF, k)),
                    static_cast<A_u_char>(unpremultiplyChannel(v & 0xFF, k))};
}

// Words A<<24|R<<16|G<<8|B become A|R<<8|G<<16|B<<24: their bytes reversed.
inline __m128i reverseBytes(__m128i v) {
    v = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
    v = _mm_shufflelo_epi16(v, _MM_SHUFFLE(2, 3, 0, 1));
    return _mm_shufflehi_epi16(v, _MM_SHUFFLE(2, 3, 0, 1));
}

inline __m128i load(const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void store(std::uint32_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

constexpr int kBlock = 16;

enum class BlockKind { kEmpty, kUniform, kPartial };

// Most of a frame is empty or opaque: whole blocks of it skip the arithmetic.
inline BlockKind classify(const std::uint32_t* src) {
    __m128i any = _mm_setzero_si128();
    __m128i uniform = _mm_set1_epi32(-1);
    for (int i = 0; i < kBlock; i += 4) {
        const __m128i v = load(src + i);
        const __m128i alpha = _mm_srli_epi32(v, 24);
        any = _mm_or_si128(any, v);
        uniform = _mm_and_si128(uniform, _mm_or_si128(_mm_cmpeq_epi32(alpha, _mm_setzero_si128()),
                                                      _mm_cmpeq_epi32(alpha, _mm_set1_epi32(255))));
    }
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(any, _mm_setzero_si128())) == 0xFFFF) return BlockKind::kEmpty;
    return _mm_movemask_epi8(uniform) == 0xFFFF ? BlockKind::kUniform : BlockKind::kPartial;
}

}  // namespace

void reorderPixels(const std::uint32_t* src, std::uint32_t* dst, int n) {
    int x = 0;
    for (; x + 4 <= n; x += 4) store(dst + x, reverseBytes(load(src + x)));
    for (; x < n; ++x) dst[x] = __builtin_bswap32(src[x]);
}

void unpremultiplyPartial(const std::uint32_t* src, std::uint32_t* dst, int n) {
    int x = 0;
    const __m128i byte = _mm_set1_epi32(0xFF);
    for (; x + 4 <= n; x += 4) {
        const __m128i v = load(src + x);
        const __m128i alpha = _mm_srli_epi32(v, 24);
        const __m128 k = _mm_set_ps(kFloatReciprocal[src[x + 3] >> 24], kFloatReciprocal[src[x + 2] >> 24],
                                    kFloatReciprocal[src[x + 1] >> 24], kFloatReciprocal[src[x] >> 24]);
        const __m128i r = unpremultiplyChannel(_mm_and_si128(_mm_srli_epi32(v, 16), byte), k);
        const __m128i g = unpremultiplyChannel(_mm_and_si128(_mm_srli_epi32(v, 8), byte), k);
        const __m128i b = unpremultiplyChannel(_mm_and_si128(v, byte), k);
        store(dst + x, _mm_or_si128(_mm_or_si128(alpha, _mm_slli_epi32(r, 8)),
                                    _mm_or_si128(_mm_slli_epi32(g, 16), _mm_slli_epi32(b, 24))));
    }
    for (; x < n; ++x) {
        const PF_Pixel p = transferPixel(src[x]);
        std::memcpy(dst + x, &p, 4);
    }
}

void unpremultiplyRow(const std::uint32_t* src, PF_Pixel* dst, int width) {
    auto* out = reinterpret_cast<std::uint32_t*>(dst);
    int x = 0;
    while (x + kBlock <= width) {
        // A run of blocks of one kind, handled by one call.
        const BlockKind kind = classify(src + x);
        int end = x + kBlock;
        while (end + kBlock <= width && classify(src + end) == kind) end += kBlock;
        switch (kind) {
            case BlockKind::kEmpty: std::memset(out + x, 0, std::size_t(end - x) * 4); break;
            case BlockKind::kUniform: reorderPixels(src + x, out + x, end - x); break;
            case BlockKind::kPartial: unpremultiplyPartial(src + x, out + x, end - x); break;
        }
        x = end;
    }
    for (; x < width; ++x) dst[x] = transferPixel(src[x]);
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
