// An 8-bit world the test host owns: the output buffer or the input layer.
// Guard bytes lie before and after its rows and fill each row's padding,
// so that a write outside the pixels shows.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "hostapi/ae_params.h"

// Pixel (x, y) of any 8-bit world, rows rowbytes apart (64-bit offsets).
inline PF_Pixel& worldPixel(const PF_EffectWorld& world, int x, int y) {
    auto* bytes = reinterpret_cast<std::uint8_t*>(world.data);
    return *reinterpret_cast<PF_Pixel*>(bytes + std::int64_t{y} * world.rowbytes + 4 * std::int64_t{x});
}

class HostWorld {
public:
    HostWorld(int width, int height, int rowPadding = 0);
    HostWorld(const HostWorld&) = delete;
    HostWorld& operator=(const HostWorld&) = delete;

    PF_EffectWorld& world() { return world_; }
    const PF_EffectWorld& world() const { return world_; }
    int width() const { return world_.width; }
    int height() const { return world_.height; }
    PF_Pixel& at(int x, int y);
    const PF_Pixel& at(int x, int y) const;

    // The rows, padding included.
    std::span<std::uint8_t> bytes();
    std::span<const std::uint8_t> bytes() const;
    // Sets every byte of every pixel (not the padding) to value.
    void fillPixels(std::uint8_t value);
    bool samePixels(const HostWorld& other) const;
    // A checksum of the pixels, to show that a world was not written.
    std::uint64_t pixelChecksum() const;
    // The guards before and after the rows and in the padding are untouched.
    bool guardsIntact() const;

private:
    static constexpr std::size_t kGuard = 64;
    static constexpr std::uint8_t kGuardByte = 0xA5;
    std::size_t rowsSize() const;
    std::vector<std::uint8_t> storage_;
    PF_EffectWorld world_{};
};
