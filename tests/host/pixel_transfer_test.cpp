#include "host/pixel_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/frame.h"
#include "testhost/host_suites.h"
#include "testhost/host_world.h"
#include "testhost/test_host.h"

namespace {

PF_Pixel transferOne(std::uint32_t word) {
    PF_Pixel out{};
    unpremultiplyRow(&word, &out, 1);
    return out;
}

std::uint8_t expectedChannel(std::uint32_t a, std::uint32_t c) {
    return std::uint8_t((a == 0 || a == 255) ? c : std::min<std::uint32_t>(c * 255 / a, 255));
}

void expectExact(const std::vector<std::uint32_t>& row, const std::vector<PF_Pixel>& out, const char* what) {
    for (std::size_t x = 0; x < row.size(); ++x) {
        const std::uint32_t v = row[x];
        const std::uint32_t a = v >> 24;
        ASSERT_EQ(out[x].alpha, a) << what << " at " << x;
        ASSERT_EQ(out[x].red, expectedChannel(a, (v >> 16) & 255)) << what << " A " << a << " at " << x;
        ASSERT_EQ(out[x].green, expectedChannel(a, (v >> 8) & 255)) << what << " A " << a << " at " << x;
        ASSERT_EQ(out[x].blue, expectedChannel(a, v & 255)) << what << " A " << a << " at " << x;
    }
}

TEST(PixelTransfer, ExactForEveryAlphaAndChannel) {
    // Whole rows go through the vector path, one-pixel rows through the
    // scalar one; both must give floor(c * 255 / A) capped at 255.
    for (std::uint32_t a = 0; a < 256; ++a) {
        std::vector<std::uint32_t> row(256);
        for (std::uint32_t c = 0; c < 256; ++c) row[c] = a << 24 | c << 16 | (255 - c) << 8 | (c * 7 & 255);
        std::vector<PF_Pixel> out(row.size());
        unpremultiplyRow(row.data(), out.data(), int(row.size()));
        expectExact(row, out, "row");
        for (std::uint32_t c = 0; c < 256; ++c) {
            const PF_Pixel p = transferOne(a << 24 | c << 16 | c << 8 | c);
            ASSERT_EQ(p.red, expectedChannel(a, c)) << "single pixel, A " << a << " c " << c;
        }
    }
}

TEST(PixelTransfer, MixedAndUniformRowsOfEveryLength) {
    // Empty, opaque and partial pixels side by side, every row length up to
    // 19, so each lane mix and each tail length appears.
    const std::uint32_t kinds[] = {0x00000000u, 0xFF102030u, 0x80402010u, 0x01010101u, 0x00FF00FFu, 0xFE123456u};
    for (int width = 0; width < 20; ++width) {
        for (int start = 0; start < 6; ++start) {
            std::vector<std::uint32_t> row(static_cast<std::size_t>(width));
            for (int x = 0; x < width; ++x) row[std::size_t(x)] = kinds[std::size_t((x * 5 + start) % 6)];
            std::vector<PF_Pixel> out(row.size() + 1, PF_Pixel{9, 9, 9, 9});
            unpremultiplyRow(row.data(), out.data(), width);
            expectExact(row, out, "mixed row");
            EXPECT_EQ(out.back().alpha, 9) << "nothing past the row";
        }
    }
}

TEST(PixelTransfer, WorkedExamples) {
    const PF_Pixel half = transferOne(128u << 24 | 64u << 16);
    EXPECT_EQ(half.red, 127);
    EXPECT_EQ(transferOne(1u << 24 | 1u << 16).red, 255);
    EXPECT_EQ(transferOne(1u << 24 | 2u << 16).red, 255) << "invalid premultiplied value is limited";
    const PF_Pixel opaque = transferOne(0xFF123456u);
    EXPECT_EQ(opaque.alpha, 0xFF);
    EXPECT_EQ(opaque.red, 0x12);
    EXPECT_EQ(opaque.green, 0x34);
    EXPECT_EQ(opaque.blue, 0x56);
    const PF_Pixel empty = transferOne(0);
    EXPECT_EQ(std::memcmp(&empty, "\0\0\0\0", 4), 0);
}

TEST(PixelTransfer, LeavesRowPaddingAlone) {
    TestHost host;  // serves get_pixel_data8 on this thread
    const CurrentHostScope scope(&host);
    const CairoSurfacePtr owned(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 3, 2));
    cairo_surface_t* surface = owned.get();
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    data[0] = 0xFF0000FFu;
    data[stride + 2] = 0x80400000u;
    cairo_surface_mark_dirty(surface);
    HostWorld world(3, 2, 5);
    PF_InData in = host.inData();
    ASSERT_EQ(transferSurfaceToWorld(&in, surface, &world.world()), PF_Err_NONE);
    EXPECT_EQ(world.at(0, 0).blue, 0xFF);
    EXPECT_EQ(world.at(0, 0).alpha, 0xFF);
    EXPECT_EQ(world.at(2, 1).alpha, 0x80);
    EXPECT_EQ(world.at(2, 1).red, 0x7F);
    EXPECT_EQ(world.at(1, 1).alpha, 0);
    EXPECT_TRUE(world.guardsIntact()) << "row padding untouched";
    EXPECT_EQ(host.ledger().callCount("get_pixel_data8"), 1);
}

}  // namespace
