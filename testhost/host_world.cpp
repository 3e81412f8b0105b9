#include "testhost/host_world.h"

#include <algorithm>
#include <cstring>

HostWorld::HostWorld(int width, int height, int rowPadding) {
    world_.width = width;
    world_.height = height;
    world_.rowbytes = width * 4 + rowPadding;
    world_.extent_hint = {0, 0, width, height};
    storage_.assign(kGuard + rowsSize() + kGuard, kGuardByte);
    world_.data = reinterpret_cast<PF_Pixel*>(storage_.data() + kGuard);
    fillPixels(0);
}

std::size_t HostWorld::rowsSize() const { return std::size_t(world_.rowbytes) * std::size_t(world_.height); }

PF_Pixel& HostWorld::at(int x, int y) { return worldPixel(world_, x, y); }

const PF_Pixel& HostWorld::at(int x, int y) const { return const_cast<HostWorld*>(this)->at(x, y); }

std::span<std::uint8_t> HostWorld::bytes() { return {storage_.data() + kGuard, rowsSize()}; }
std::span<const std::uint8_t> HostWorld::bytes() const { return {storage_.data() + kGuard, rowsSize()}; }

void HostWorld::fillPixels(std::uint8_t value) {
    for (int y = 0; y < world_.height; ++y) std::memset(&at(0, y), value, std::size_t(world_.width) * 4);
}

bool HostWorld::samePixels(const HostWorld& other) const {
    if (width() != other.width() || height() != other.height()) return false;
    for (int y = 0; y < height(); ++y) {
        if (std::memcmp(&at(0, y), &other.at(0, y), std::size_t(width()) * 4) != 0) return false;
    }
    return true;
}

std::uint64_t HostWorld::pixelChecksum() const {
    std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
    for (int y = 0; y < height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(&at(0, y));
        for (std::size_t k = 0; k < std::size_t(width()) * 4; ++k) hash = (hash ^ row[k]) * 1099511628211ull;
    }
    return hash;
}

bool HostWorld::guardsIntact() const {
    const auto isGuard = [](std::uint8_t b) { return b == kGuardByte; };
    const std::uint8_t* begin = storage_.data();
    if (!std::all_of(begin, begin + kGuard, isGuard)) return false;
    if (!std::all_of(begin + kGuard + rowsSize(), begin + storage_.size(), isGuard)) return false;
    const std::size_t pixels = std::size_t(world_.width) * 4;
    for (int y = 0; y < world_.height; ++y) {
        const std::uint8_t* row = begin + kGuard + std::size_t(y) * std::size_t(world_.rowbytes);
        if (!std::all_of(row + pixels, row + world_.rowbytes, isGuard)) return false;
    }
    return true;
}
