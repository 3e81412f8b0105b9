#include "testhost/host_world.h"

HostWorld::HostWorld(int width, int height, int rowPadding)
    : bytes_(static_cast<std::size_t>(width * 4 + rowPadding) * static_cast<std::size_t>(height) + 1) {
    // One byte more than the rows need, so data is never null for 0 x 0.
    world_.width = width;
    world_.height = height;
    world_.rowbytes = width * 4 + rowPadding;
    world_.data = reinterpret_cast<PF_Pixel*>(bytes_.data());
    world_.extent_hint = {0, 0, width, height};
}

PF_Pixel& HostWorld::at(int x, int y) {
    return *reinterpret_cast<PF_Pixel*>(bytes_.data() + std::size_t(y) * std::size_t(world_.rowbytes) + 4 * std::size_t(x));
}

const PF_Pixel& HostWorld::at(int x, int y) const { return const_cast<HostWorld*>(this)->at(x, y); }
