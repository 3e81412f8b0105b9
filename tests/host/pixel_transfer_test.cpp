#include "host/pixel_transfer.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(PixelTransfer, ExactForEveryAlphaAndChannel) {
    for (std::uint32_t a = 0; a < 256; ++a) {
        for (std::uint32_t c = 0; c < 256; ++c) {
            const PF_Pixel p = transferOne(a << 24 | c << 16 | c << 8 | c);
            const std::uint32_t expected = (a == 0 || a == 255) ? c : std::min<std::uint32_t>(c * 255 / a, 255);
            ASSERT_EQ(p.red, expected) << "A " << a << " c " << c;
            ASSERT_EQ(p.green, expected);
            ASSERT_EQ(p.blue, expected);
            ASSERT_EQ(p.alpha, a);
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
